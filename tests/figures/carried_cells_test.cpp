// What the figure routines leave in the shared cells for the lessons that
// come after them: the loop counter, Pi, the pen width and the one-shot
// settings.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// A small figure every routine can work on: a triangle in the vertex table,
// an angle at A, two crossing lines, a grid frame, a vector.
void SetScene(Program& p) {
    SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
    p.PointLabel(1) = "P";
    p.PointLabel(2) = "Q";
    p.PointLabel(3) = "R";
    SetAngle(p, 300, 300, 400, 300, 300, 200);
    p.MarkSize = 40;
    p.MarkCount = 2;
    SetLines(p, 100, 100, 300, 100, 200, 0, 200, 50);
    p.WorkA = 1;
    p.WorkB = 2;
    p.TipX = 500;
    p.TipY = 500;
    p.ArcBulge = 20;
    p.ArcSide = 1;
    p.ArcAngle = 200;
    p.BoxWidth = 10;
    SetGrid(p, 0, 0, 40, 3, 2, 0);
    p.LineWidth = 5;
    p.VectorStartX = 100;
    p.VectorStartY = 300;
    p.VectorEndX = 260;
    p.VectorEndY = 180;
    p.FactorNumber = 12;
}

struct Routine {
    const char* name;
    std::function<void(Program&)> call;
    float loopIndexAfter;   // -1: the caller's value stays
};

TEST(CarriedCells, LoopIndexIsTheCounterOfSevenRoutinesOnly) {
    const Routine routines[] = {
        {"DrawChevronMarks", DrawChevronMarks, 3},
        {"DrawTickMarks", DrawTickMarks, 3},
        {"DrawAngleMark arcs", DrawAngleMark, 3},
        {"DrawDottedDimensionArc", DrawDottedDimensionArc, 370},
        {"DrawGrid", DrawGrid, 3},
        {"DrawPolygon", DrawPolygon, 4},
        {"DrawPolygon letters", [](Program& p) { p.MarkLabel = "A"; DrawPolygon(p); }, 4},
        {"DrawPolygon table", [](Program& p) { p.MarkLabel = "1"; DrawPolygon(p); }, 4},
        {"DrawAngleMark sector", [](Program& p) { p.MarkCount = 0; DrawAngleMark(p); }, -1},
        {"DrawGrid frame only", [](Program& p) { p.LineColor = 15; DrawGrid(p); }, -1},
        {"ComputeDirectionAngle", ComputeDirectionAngle, -1},
        {"ComputeAngleArcRange", ComputeAngleArcRange, -1},
        {"FormatAngleDegrees", FormatAngleDegrees, -1},
        {"PlaceVertexLabel", [](Program& p) { p.MarkLabel = "A"; PlaceVertexLabel(p); }, -1},
        {"DrawRightAngleMark", DrawRightAngleMark, -1},
        {"IntersectLines", IntersectLines, -1},
        {"DrawPerpendicularFoot", DrawPerpendicularFoot, -1},
        {"DrawArrow", DrawArrow, -1},
        {"DrawTranslationVector", DrawTranslationVector, -1},
        {"CompletePointOnLine", CompletePointOnLine, -1},
        {"FactorizeIntoPrimes", FactorizeIntoPrimes, -1},
        {"PointOnArcOverSegment", PointOnArcOverSegment, -1},
    };
    for (const auto& r : routines) {
        SCOPED_TRACE(r.name);
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        SetScene(p);
        p.LoopIndex = 55;
        r.call(p);
        EXPECT_EQ(p.LoopIndex, r.loopIndexAfter < 0 ? 55 : r.loopIndexAfter);
    }
}

TEST(CarriedCells, PiIsZeroUntilADirectionRoutineOrTheGridHasRun) {
    for (auto call : {ComputeDirectionAngle, ComputeAngleArcRange, DrawGrid, PointOnArcOverSegment}) {
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        SetScene(p);
        p.LineColor = 15;
        EXPECT_EQ(p.Pi, 0);
        call(p);
        EXPECT_EQ(p.Pi, 3.14159f);
    }
}

// The reflection lesson draws a polygon 7 wide with labels and then its
// axis without setting the width: the axis is drawn at the width the lesson
// set before the polygon.
TEST(CarriedCells, PenWidthAfterTheRoutinesThatChangeIt) {
    const struct {
        const char* name;
        std::function<void(Program&)> call;
        int widthAfter;
    } cases[] = {
        {"labelled polygon", [](Program& p) { p.MarkLabel = "A"; p.LineWidth = 7; DrawPolygon(p); }, 5},
        {"unlabelled polygon", [](Program& p) { p.LineWidth = 7; DrawPolygon(p); }, 5},
        {"grid", DrawGrid, 5},
        {"frame only", [](Program& p) { p.LineColor = 15; DrawGrid(p); }, 5},
        {"angle mark", DrawAngleMark, 5},
        {"dotted arc", DrawDottedDimensionArc, 5},
        {"translation vector", DrawTranslationVector, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetScene(p);
        p.rt.RtSetDrawWidth(5);
        c.call(p);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), c.widthAfter);
        f.ClearEvents();
        p.rt.RtLine(0, 0, 10, 10, 0);
        EXPECT_EQ(f.Events("line").at(0)["width"], c.widthAfter);
    }
}

TEST(CarriedCells, OneShotSettingsAfterAnAngleMarkButNotAfterARightAngleMark) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetScene(p);
    p.MarkShift = -1;
    p.MarkSize = 30;
    p.MarkLabel = "a";
    DrawAngleMark(p);
    EXPECT_EQ(p.MarkShift, 0);
    EXPECT_EQ(p.MarkSize, 0);
    EXPECT_TRUE(p.MarkLabel.empty());

    p.MarkShift = -1;
    p.MarkSize = 30;
    p.MarkLabel = "b";
    DrawRightAngleMark(p);
    EXPECT_EQ(p.MarkShift, -1);
    EXPECT_EQ(p.MarkSize, 30);
    EXPECT_EQ(p.MarkLabel, Text("b"));
}

TEST(CarriedCells, MarksOverwriteCrossingAndFoot) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetScene(p);
    IntersectLines(p);
    EXPECT_EQ(p.CrossX, 200);
    EXPECT_EQ(p.CrossY, 100);
    SetSegment(p, 0, 400, 50, 400);   // a segment whose marks lie elsewhere
    DrawTickMarks(p);
    EXPECT_NE(p.CrossY, 100);
    DrawPerpendicularFoot(p);
    const float footY = p.FootY;
    DrawArrow(p);
    EXPECT_NE(p.FootY, footY);
}

}  // namespace
