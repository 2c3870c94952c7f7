// The fundamental problems of page 176: problems 1 and 2 on one triangle
// (the perpendicular from C to line AB, the perpendicular bisector of AC) and
// problem 3 (the bisector of angle XOY).
#include "lessons/common/kit.h"
#include "lessons/quillet/compass.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using namespace quillet;

namespace {

// The heading cell "P176 基本の問題" at (ItemLeft, TextLineY), 396 by 50.
void HeadingCell(Quillet& p) {
    TableCell(p, p.ItemLeft, p.TextLineY,
              {.width = 396, .height = 50, .border = kTeal, .fill = kPink, .textColor = kBlack}, "P176 基本の問題");
}

// A problem's number in a cell 40 by 50 at (x, y). The grid frame has left
// its row count in the cell height's cell, so the height is given again.
void NumberCell(Quillet& p, float x, float y, const Text& number) {
    TableCell(p, x, y, {.width = 40, .height = 50, .border = kAmber, .fill = kTeal, .textColor = kPink}, number);
}

// A compass arc about point `centre` of radius Radius: the angle at it with
// the rays to b and c, from its C fraction - `before` to its B fraction +
// `after`.
void SpanArc(Quillet& p, int centre, int b, int c, float color, float before, float after) {
    Range(p, centre, b, c);
    CompassArc(p, centre, color, p.ArcFractionC - before, p.ArcFractionB + after);
}

}  // namespace

void ShowP176Problems1And2(Quillet& p) {
    EraseScreen(p);
    p.ItemLeft = 40;
    p.TextLeft = 40;
    p.TextLineY = 30;
    PenWidth(p, 3);
    HeadingCell(p);
    PenWidth(p, 5);
    Grid(p, {.left = 480, .top = 100, .columns = 12, .rows = 8, .cell = 60});
    SetCells(p, 1, {{2, 3}, {5, 3}, {8, 7}, {11, 3}, {8, 3}, {6.5f, 3}, {9.5f, 3}, {8, 1}, {8, 0}, {5, 5}});
    // The perpendicular bisector of AC through its middle M (point 10): the
    // arcs' crossings 2 cells either side, the line's ends 3 cells.
    const float theta = DirectionOf(p, P(p, 10), P(p, 3));
    const float right = 90 * p.Pi / 180;
    p.Distance = 2 * p.CellSize;
    SetP(p, 11, Along(P(p, 10), p.Distance, theta + right));
    SetP(p, 12, Along(P(p, 10), p.Distance, theta - right));
    p.Distance = 3 * p.CellSize;
    SetP(p, 13, Along(P(p, 10), p.Distance, theta + right));
    SetP(p, 14, Along(P(p, 10), p.Distance, theta - right));
    Triangle(p, 1, 2, 3, {.width = 5, .color = kBlack, .distance = 20, .labels = "A", .labelColor = kTeal});
    WaitForAnyKey(p);

    // Problem 1: the perpendicular from C to line AB, extended beyond B.
    NumberCell(p, p.ItemLeft, p.TextLineY + 60, "1");
    Write(p, p.TextEndX + 10, p.TextLineY, kBlack, "ABを延長して、Cから垂線をひく。");
    WaitForAnyKey(p);
    Segment(p, 2, 4, kBlack);
    WaitForAnyKey(p);
    Dot(p, 3, kBrightBlue);
    OpenCompass(p, 3, 6);
    SpanArc(p, 3, 6, 7, kBrightBlue, 0.02f, 0.02f);
    WaitForAnyKey(p);
    Dot(p, 6, kGrey);
    OpenCompass(p, 6, 8);
    Range(p, 6, 8, 7);
    CompassArc(p, 6, kBrightBlue, p.ArcFractionB - 0.05f, p.ArcFractionB + 0.05f);
    WaitForAnyKey(p);
    Dot(p, 7, kGrey);
    Range(p, 7, 6, 8);
    CompassArc(p, 7, kBrightBlue, p.ArcFractionC - 0.05f, p.ArcFractionC + 0.05f);
    WaitForAnyKey(p);
    Segment(p, 3, 9, kBlack);
    WaitForAnyKey(p);
    Segment(p, 3, 5, kPurple);   // drawn over the black line from C to the foot
    WaitForAnyKey(p);

    // Problem 2: the perpendicular bisector of AC.
    NumberCell(p, p.ItemLeft, p.TextLineY + 60, "2");
    WaitForAnyKey(p);
    Dot(p, 1, kGrey);
    OpenCompass(p, 1, 11);
    SpanArc(p, 1, 12, 11, kGrey, 0.02f, 0.01f);
    WaitForAnyKey(p);
    Dot(p, 3, kGrey);
    SpanArc(p, 3, 11, 12, kGrey, 0.01f, 0.02f);
    WaitForAnyKey(p);
    Segment(p, 13, 14, kPurple);
}

void ShowP176Problem3(Quillet& p) {
    EraseScreen(p);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft;
    p.TextLineY = 30;
    PenWidth(p, 3);
    HeadingCell(p);
    NumberCell(p, p.TextEndX + 20, p.TextLineY, "3");
    PenWidth(p, 5);
    Grid(p, {.left = 480, .top = 100, .columns = 12, .rows = 8, .cell = 60});
    SetCells(p, 0, {{5, 1}});
    SetCells(p, 11, {{1, 5}, {10, 1}});
    SetCells(p, 2, {{7, 1}});
    // The cut point on OX 2 cells from O, the arcs' meeting point 4 cells out
    // on the bisector and the bisector's end 5 cells out.
    Range(p, 0, 12, 11);
    SetP(p, 1, Along(P(p, 0), 2 * p.CellSize, p.RayAngleC));
    SetP(p, 3, Along(P(p, 0), 4 * p.CellSize, p.BisectorAngle));
    SetP(p, 4, Along(P(p, 0), 5 * p.CellSize, p.BisectorAngle));

    Segment(p, 0, 11, kBlack);
    Segment(p, 0, 12, kBlack);
    Label(p, p.PointX(0) - 14, p.PointY(0) + 10, kTeal, "O");
    Label(p, p.PointX(11) - 40, p.PointY(11), kTeal, "X");
    Label(p, p.PointX(12) - 14, p.PointY(12) + 10, kTeal, "Y");
    WaitForAnyKey(p);
    // OY has the direction 0 (fraction 1): the span passes it, so its end is
    // given reduced by 1.
    Dot(p, 0, kGrey);
    OpenCompass(p, 0, 1);
    SpanArc(p, 0, 2, 1, kGrey, 0.02f, 0.02f - 1);
    WaitForAnyKey(p);
    Dot(p, 1, kGrey);
    OpenCompass(p, 1, 3);
    Range(p, 1, 2, 3);
    CompassArc(p, 1, kGrey, p.ArcFractionC - 0.05f, p.ArcFractionC + 0.05f);
    WaitForAnyKey(p);
    Dot(p, 2, kGrey);
    Range(p, 2, 3, 1);
    CompassArc(p, 2, kGrey, p.ArcFractionB - 0.05f, p.ArcFractionB + 0.05f);
    WaitForAnyKey(p);
    Segment(p, 0, 4, kPurple);
}
