// Reference pictures of the figure routines, drawn headless.
#include <gtest/gtest.h>

#include "figures/figures.h"
#include "support/support.h"

namespace {

using testing_support::ExpectMatchesReference;
using testing_support::Fixture;

void SetSegment(Program& p, float x1, float y1, float x2, float y2) {
    p.Seg1X1 = x1;
    p.Seg1Y1 = y1;
    p.Seg1X2 = x2;
    p.Seg1Y2 = y2;
}

void SetAngle(Program& p, float ax, float ay, float bx, float by, float cx, float cy) {
    p.MarkAX = ax;
    p.MarkAY = ay;
    p.MarkBX = bx;
    p.MarkBY = by;
    p.MarkCX = cx;
    p.MarkCY = cy;
}

// An isosceles triangle ABC listed counter-clockwise as seen, labelled
// outside, with one tick on each equal side, two on the base, a chevron and
// a right-angle mark at the foot of its height.
TEST(FigurePictures, LabelledTriangleWithTicks) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.PolygonVertex(1, 1) = 400;
    p.PolygonVertex(1, 2) = 150;
    p.PolygonVertex(2, 1) = 250;
    p.PolygonVertex(2, 2) = 450;
    p.PolygonVertex(3, 1) = 550;
    p.PolygonVertex(3, 2) = 450;
    p.VertexCount = 3;
    p.LineWidth = 5;
    p.LineColor = 1;
    p.PenColor = 1;
    p.MarkLabel = "A";
    p.MarkSize = 10;
    DrawPolygon(p);

    p.LineColor = 13;
    p.MarkSize = 12;
    p.MarkShift = -8;
    p.TickSpacing = 8;
    p.MarkCount = 1;
    SetSegment(p, 400, 150, 250, 450);
    DrawTickMarks(p);
    p.TickSpacing = 8;
    SetSegment(p, 400, 150, 550, 450);
    DrawTickMarks(p);
    p.TickSpacing = 8;
    p.MarkCount = 2;
    p.MarkShift = -80;
    SetSegment(p, 250, 450, 550, 450);
    DrawTickMarks(p);

    p.LineColor = 2;
    p.rt.RtSetDrawWidth(3);
    p.rt.RtLine(400, 150, 400, 450, 2);
    p.WorkA = 1;
    p.WorkB = 1;
    p.MarkSize = 16;
    p.MarkCount = 2;
    SetSegment(p, 400, 150, 400, 450);
    DrawChevronMarks(p);

    p.LineColor = 5;
    p.MarkShift = 1;
    p.MarkSize = 24;
    SetAngle(p, 400, 450, 550, 450, 400, 150);
    DrawRightAngleMark(p);
    ExpectMatchesReference(p.rt, "fig-triangle-ticks");
}

// An angle with three arcs and its label, and a filled sector with an angle
// value, on both sides of the rays.
TEST(FigurePictures, AngleArcAndSectorWithLabels) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(3);
    p.rt.RtLine(200, 400, 500, 400, 0);
    p.rt.RtLine(200, 400, 412, 188, 0);
    SetAngle(p, 200, 400, 500, 400, 412, 188);
    p.MarkCount = 3;
    p.MarkSize = 80;
    p.AccentColor = 13;
    p.PenColor = 13;
    p.MarkLabel = "45%";
    DrawAngleMark(p);

    p.rt.RtLine(800, 400, 1100, 400, 0);
    p.rt.RtLine(800, 400, 950, 140, 0);
    SetAngle(p, 800, 400, 1100, 400, 950, 140);
    p.MarkCount = 0;
    p.MarkSize = 120;
    p.AccentColor = 11;
    p.LineColor = 1;
    p.PenColor = 1;
    p.MarkLabel = "60%";
    DrawAngleMark(p);
    SetAngle(p, 800, 400, 1100, 400, 950, 140);
    p.MarkShift = -1;
    p.MarkCount = 1;
    p.MarkSize = 50;
    p.AccentColor = 9;
    p.PenColor = 9;
    p.MarkLabel = "x";
    DrawAngleMark(p);
    ExpectMatchesReference(p.rt, "fig-angle-marks");
}

// Squared paper of 12 by 8 cells with every fifth line heavy from the
// bottom-left corner, and a labelled triangle on it.
TEST(FigurePictures, Grid) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.GridOriginX = 100;
    p.GridOriginY = 100;
    p.CellSize = 50;
    p.GridColumns = 12;
    p.GridRows = 8;
    p.LineColor = 0;
    DrawGrid(p);
    p.PolygonVertex(1, 1) = p.OriginX + 2 * p.CellSize;
    p.PolygonVertex(1, 2) = p.OriginY - 6 * p.CellSize;
    p.PolygonVertex(2, 1) = p.OriginX + 1 * p.CellSize;
    p.PolygonVertex(2, 2) = p.OriginY - 2 * p.CellSize;
    p.PolygonVertex(3, 1) = p.OriginX + 6 * p.CellSize;
    p.PolygonVertex(3, 2) = p.OriginY - 1 * p.CellSize;
    p.VertexCount = 3;
    p.LineWidth = 7;
    p.LineColor = 1;
    p.PenColor = 1;
    p.MarkLabel = "A";
    DrawPolygon(p);
    ExpectMatchesReference(p.rt, "fig-grid");
}

// Dotted arcs over a segment on both sides with their labels, a fold trace
// of 90 degrees, and the vertex it has carried so far.
TEST(FigurePictures, DottedArc) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(3);
    p.rt.RtLine(200, 300, 600, 300, 0);
    p.LineColor = 1;
    p.PenColor = 1;
    SetAngle(p, 200, 300, 600, 300, 0, 0);
    p.ArcBulge = 3;   // 48 px
    p.ArcSide = 1;
    p.BoxWidth = 5;
    p.MarkLabel = "5cm";
    DrawDottedDimensionArc(p);
    SetAngle(p, 200, 300, 600, 300, 0, 0);
    p.ArcBulge = 60;
    p.ArcSide = -1;
    p.BoxWidth = 8;
    p.MarkLabel = "弦AB";
    DrawDottedDimensionArc(p);

    p.rt.RtLine(900, 500, 1100, 200, 0);
    p.LineColor = 13;
    SetAngle(p, 900, 500, 1100, 200, 0, 0);
    p.ArcBulge = 40;
    p.ArcSide = 1;
    p.ArcSweep = 90;
    p.BoxWidth = 3;
    DrawDottedDimensionArc(p);
    SetAngle(p, 900, 500, 1100, 200, 0, 0);
    p.ArcAngle = 270;
    PointOnArcOverSegment(p);
    p.rt.RtCircle(p.TipX, p.TipY, 6, 13, 1, 0, 0, true);
    ExpectMatchesReference(p.rt, "fig-dotted-arc");
}

// Arrows with one and two heads, and a translation vector with its step
// labels.
TEST(FigurePictures, ArrowsAndTranslationVector) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(3);
    p.LineColor = 5;
    p.MarkSize = 30;
    p.MarkAX = 100;
    p.MarkAY = 150;
    p.TipX = 400;
    p.TipY = 150;
    p.ArrowDirection = 1;
    p.ArrowHeadMode = 1;
    DrawArrow(p);
    p.MarkAX = 100;
    p.MarkAY = 250;
    p.TipX = 400;
    p.TipY = 400;
    p.ArrowHeadMode = 2;
    DrawArrow(p);
    p.MarkAX = 500;
    p.MarkAY = 400;
    p.TipX = 600;
    p.TipY = 120;
    p.ArrowDirection = -1;
    p.LineColor = 3;
    p.MarkSize = 25;
    DrawArrow(p);

    p.GridOriginX = 700;
    p.GridOriginY = 100;
    p.CellSize = 40;
    p.GridColumns = 15;
    p.GridRows = 10;
    p.LineColor = 0;
    DrawGrid(p);
    p.VectorStartX = 780;
    p.VectorStartY = 420;
    p.VectorEndX = 1100;
    p.VectorEndY = 200;
    p.StepLabelFlags = "yy";
    DrawTranslationVector(p);
    // Given from right to left and pointing down: drawn from its end.
    p.VectorStartX = 1260;
    p.VectorStartY = 420;
    p.VectorEndX = 1140;
    p.VectorEndY = 200;
    DrawTranslationVector(p);
    ExpectMatchesReference(p.rt, "fig-arrows");
}

}  // namespace
