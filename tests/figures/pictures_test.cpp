// Reference pictures of the figure routines, drawn headless.
#include <gtest/gtest.h>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;
using testing_support::ExpectMatchesReference;

// An isosceles triangle ABC listed counter-clockwise as seen, labelled
// outside, with one tick on each equal side, two on the base, a chevron and
// a right-angle mark at the foot of its height.
TEST(FigurePictures, LabelledTriangleWithTicks) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetVertices(p, {{400, 150}, {250, 450}, {550, 450}});
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
    SetGrid(p, 100, 100, 50, 12, 8, 0);
    DrawGrid(p);
    const float x0 = p.OriginX, y0 = p.OriginY, cell = p.CellSize;
    SetVertices(p, {{x0 + 2 * cell, y0 - 6 * cell}, {x0 + 1 * cell, y0 - 2 * cell}, {x0 + 6 * cell, y0 - 1 * cell}});
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

    SetGrid(p, 700, 100, 40, 15, 10, 0);
    DrawGrid(p);
    SetVector(p, 780, 420, 1100, 200, "yy", 40);
    DrawTranslationVector(p);
    // Given from right to left and pointing down: drawn from its end.
    SetVector(p, 1260, 420, 1140, 200, "yy", 40);
    DrawTranslationVector(p);
    ExpectMatchesReference(p.rt, "fig-arrows");
}

}  // namespace
