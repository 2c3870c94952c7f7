// What the plane, graph and formula routines leave for whatever runs next:
// the loop counter, the pen width, and the cells they share with other
// library routines.
#include <gtest/gtest.h>

#include <functional>

#include "figures/figures.h"
#include "tests/figures/plane_test_support.h"

namespace {

using namespace figure_test;
using namespace plane_test;

void SetScene(Program& p) {
    SetPlane(p, {-5, 5, 0, 8, 1, 1, 50, 390, 180});
    p.OriginX = 640;
    p.OriginY = 580;
    p.GridTop = 180;
    p.GridBottom = 580;
    p.LineWidth = 30;
    p.GraphType = 2;
    p.GraphCoefA = 1;
    p.GraphCoefB = 0;
    p.GraphCoefC = 2;
    p.AccentColor = 9;
    p.Distance = 4;
    p.Radicand = 12;
    p.BoxWidth = 60;
    p.ArcBulge = 40;
    p.UpperText = "x=1";
    p.FractionLead = "y=2";
}

TEST(PlaneCarriedCells, LoopIndexAndPenWidthAfterEachRoutine) {
    const struct {
        const char* name;
        std::function<void(Program&)> call;
        float loopIndexAfter;   // -1: the caller's value stays
        int widthAfter;
    } cases[] = {
        {"DrawCoordinatePlane", DrawCoordinatePlane, 9, 2},
        {"DrawCoordinatePlane without grid", [](Program& p) { p.LineColor = 0; DrawCoordinatePlane(p); }, -1, 2},
        {"DrawDecimalTickLabels", DrawDecimalTickLabels, 9, 2},
        {"DrawGraphPoint", DrawGraphPoint, -1, 2},
        {"DrawFunctionGraph", DrawFunctionGraph, 5001, 2},
        {"DrawFunctionGraph vertical", [](Program& p) { p.GraphType = 4; DrawFunctionGraph(p); }, -1, 2},
        {"PlotFunctionPoints", PlotFunctionPoints, 5001, 2},
        {"DrawVerticalGraphLine", DrawVerticalGraphLine, -1, 5},
        {"SimplifySquareRoot", SimplifySquareRoot, -1, 2},
        {"DrawLeftBrace", DrawLeftBrace, -1, 2},
        {"DrawEquationColumnSum", DrawEquationColumnSum, -1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        SetScene(p);
        p.rt.RtSetDrawWidth(2);
        p.LoopIndex = 55;
        c.call(p);
        EXPECT_EQ(p.LoopIndex, c.loopIndexAfter < 0 ? 55 : c.loopIndexAfter);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), c.widthAfter);
    }
}

// PlotFunctionPoints leaves the pen at the last dot it drew, or where it was.
TEST(PlaneCarriedCells, ThePlotKeepsThePenWhenItDrawsNoDot) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetScene(p);
    p.GraphType = 3;
    p.GraphCoefA = 0;
    p.GraphCoefB = -1;
    p.PenX = 12;
    p.PenY = 34;
    PlotFunctionPoints(p);
    EXPECT_EQ(p.PenX, 12);
    EXPECT_EQ(p.PenY, 34);
    p.GraphCoefB = 1;
    PlotFunctionPoints(p);
    EXPECT_NEAR(p.PenX, 890, 0.1f);
    EXPECT_EQ(p.PenY, 530);
}

// The perpendicular foot keeps its slopes and intercepts in the range cells
// (for a slanted line only), and the graph and the tick labels share
// TickWholePart: a caller reads or sets them again between the calls.
TEST(PlaneCarriedCells, SharedCells) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetScene(p);
    DrawCoordinatePlane(p);
    SetLines(p, 0, 0, 100, 0, 50, 50, 0, 0);   // a level line
    DrawPerpendicularFoot(p);
    EXPECT_EQ(p.GraphXMin, -5);
    EXPECT_EQ(p.GraphYMax, 8);
    SetLines(p, 0, 0, 100, 50, 50, 50, 0, 0);   // a slanted one
    DrawPerpendicularFoot(p);
    EXPECT_EQ(p.GraphXMin, 0.5f);   // its slope
    EXPECT_EQ(p.GraphXMax, -2);     // the perpendicular's slope

    SetScene(p);
    DrawFunctionGraph(p);
    EXPECT_FLOAT_EQ(p.TickWholePart, 0.002f);
    p.GraphStepX = 0.5f;
    p.GraphStepY = 0.5f;
    p.GraphXMin = 7;
    p.GraphXMax = 7;
    p.GraphYMin = 0;
    p.GraphYMax = 0;
    DrawDecimalTickLabels(p);
    EXPECT_EQ(p.TickWholePart, 0);   // the y line 0 ran last
}

}  // namespace
