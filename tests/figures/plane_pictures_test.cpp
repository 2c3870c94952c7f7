// Reference pictures of the coordinate plane, its graphs and the formula
// routines, drawn headless.
#include <gtest/gtest.h>

#include "figures/figures.h"
#include "text/text.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;
using testing_support::ExpectMatchesReference;

// The plane's ranges, units, cell size and corner.
void SetPlane(Program& p, float xmin, float xmax, float ymin, float ymax, float stepX, float stepY, float cell,
              float left, float top) {
    p.GraphXMin = xmin;
    p.GraphXMax = xmax;
    p.GraphYMin = ymin;
    p.GraphYMax = ymax;
    p.GraphStepX = stepX;
    p.GraphStepY = stepY;
    p.CellSize = cell;
    p.GridOriginX = left;
    p.GridOriginY = top;
    p.LineColor = 1;
}

// A plane of -2..3 by -1..2 with units of 0.1: its own numbers hidden, the
// values written with one decimal, and a labelled point at (1.5, 1).
TEST(PlanePictures, PlaneWithDecimalLabelsAndPoint) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetPlane(p, -2, 3, -1, 2, 0.1f, 0.1f, 20, 200, 150);
    p.HideTickNumbers = -1;
    DrawCoordinatePlane(p);
    p.GraphStepX = 0.1f;
    p.GraphStepY = 0.1f;
    DrawDecimalTickLabels(p);
    p.GraphPointX = 1.5f;
    p.GraphPointY = 1;
    p.GraphStepX = 0.1f;
    p.GraphStepY = 0.1f;
    p.Distance = 6;
    p.AccentColor = 13;
    p.MarkLabel = "P";
    DrawGraphPoint(p);
    ExpectMatchesReference(p.rt, "fig-plane-decimal-labels");
}

// The four kinds of graph on one plane of -5..5 by -5..5: y = 4/x, y =
// 0.5x², y = 0.5x + 1, 2x + 3y = 6 and the vertical line 2x = -6.
TEST(PlanePictures, FourGraphTypes) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetPlane(p, -5, 5, -5, 5, 1, 1, 50, 300, 150);
    DrawCoordinatePlane(p);
    p.rt.RtSetDrawWidth(3);
    struct Graph {
        float type, a, b, c, color;
        const char* label;
        float dx, dy;
    } graphs[] = {
        {1, 4, 0, 0, 6, "y=ﾀ4/xﾀ", 10, -30},
        {2, 0.5f, 0, 0, 2, "y=ﾀ1/2ﾀx^2", 10, -10},
        {3, 0.5f, 1, 0, 9, "y=ﾀ1/2ﾀx+1", 10, -20},
        {4, 2, 3, 6, 5, "2x+3y=6", 10, -16},
        {4, 2, 0, -6, 13, "x=-3", 0, 0},
    };
    for (const Graph& g : graphs) {
        p.GraphXMin = -5;
        p.GraphXMax = 5;
        p.GraphYMin = -5;
        p.GraphYMax = 5;
        p.GraphType = g.type;
        p.GraphCoefA = g.a;
        p.GraphCoefB = g.b;
        p.GraphCoefC = g.c;
        p.AccentColor = g.color;
        p.MarkLabel = g.label;
        p.GraphLabelDX = g.dx;
        p.GraphLabelDY = g.dy;
        DrawFunctionGraph(p);
    }
    ExpectMatchesReference(p.rt, "fig-plane-graphs");
}

// A brace before two equations, and two equations summed in columns with a
// fraction in the lower one.
TEST(PlanePictures, BraceAndColumnSum) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(3);
    p.PenColor = 0;
    p.PenX = 100;
    p.PenY = 100;
    p.BoxWidth = 110;
    DrawLeftBrace(p);
    p.PenX = 140;
    p.PenY = 105;
    p.TextCell = "2x+3y=12";
    DrawMarkupText(p);
    p.PenX = 140;
    p.PenY = 155;
    p.TextCell = "x-y=1";
    DrawMarkupText(p);

    p.PenX = 100;
    p.PenY = 320;
    p.ArcBulge = 80;
    p.UpperText = "3x+2y=7";
    p.FractionLead = "x+ﾀ1/2ﾀy=3";
    p.ColumnSumOperator = "-";
    p.PenColor = 1;
    p.LineColor = 0;
    DrawEquationColumnSum(p);
    p.PenX = p.EquationLeftX;
    p.PenY = 320 + 2 * 80 + 20;
    p.TextCell = "2x+ﾀ3/2ﾀy=4";
    DrawMarkupText(p);
    ExpectMatchesReference(p.rt, "fig-brace-column-sum");
}

}  // namespace
