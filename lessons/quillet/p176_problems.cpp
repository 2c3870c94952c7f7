// The fundamental problems of page 176: problems 1 and 2 on one triangle
// (the perpendicular from C to line AB, the perpendicular bisector of AC) and
// problem 3 (the bisector of angle XOY).
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

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

}  // namespace

void ShowP176Problems1And2(Quillet& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30, .penWidth = 3});
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
    CompassArc(p, {.centre = 3, .through = 6, .b = 6, .c = 7,
                   .start = RayC(-0.02f), .end = RayB(0.02f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 6, .through = 8, .b = 8, .c = 7,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kBrightBlue, .dotColor = kGrey});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 7, .b = 6, .c = 8,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue, .dotColor = kGrey});
    WaitForAnyKey(p);
    Segment(p, 3, 9, kBlack);
    WaitForAnyKey(p);
    Segment(p, 3, 5, kPurple);   // drawn over the black line from C to the foot
    WaitForAnyKey(p);

    // Problem 2: the perpendicular bisector of AC.
    NumberCell(p, p.ItemLeft, p.TextLineY + 60, "2");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .through = 11, .b = 12, .c = 11, .start = RayC(-0.02f), .end = RayB(0.01f)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 3, .b = 11, .c = 12, .start = RayC(-0.01f), .end = RayB(0.02f)});
    WaitForAnyKey(p);
    Segment(p, 13, 14, kPurple);
}

void ShowP176Problem3(Quillet& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30, .penWidth = 3});
    HeadingCell(p);
    NumberCell(p, p.TextEndX + 20, p.TextLineY, "3");
    PenWidth(p, 5);
    Grid(p, {.left = 480, .top = 100, .columns = 12, .rows = 8, .cell = 60});
    SetCells(p, 0, {{5, 1}});
    SetCells(p, 11, {{1, 5}, {10, 1}});
    SetCells(p, 2, {{7, 1}});
    // The cut point on OX 2 cells from O, the arcs' meeting point 4 cells out
    // on the bisector and the bisector's end 5 cells out.
    AngleRange(p, 0, 12, 11);
    SetP(p, 1, Along(P(p, 0), 2 * p.CellSize, p.RayAngleC));
    SetP(p, 3, Along(P(p, 0), 4 * p.CellSize, p.BisectorAngle));
    SetP(p, 4, Along(P(p, 0), 5 * p.CellSize, p.BisectorAngle));

    Segment(p, 0, 11, kBlack);
    Segment(p, 0, 12, kBlack);
    Name(p, 0, "O", {.dx = -14, .dy = 10});
    Name(p, 11, "X", {.dx = -40, .dy = 0});
    Name(p, 12, "Y", {.dx = -14, .dy = 10});
    WaitForAnyKey(p);
    // OY has the direction 0 (fraction 1): the span passes it, so its end
    // comes a turn back.
    CompassArc(p, {.centre = 0, .through = 1, .b = 2, .c = 1, .start = RayC(-0.02f), .end = RayB(0.02f).Turned(-1)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .through = 3, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayC(0.05f)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .b = 3, .c = 1, .start = RayB(-0.05f), .end = RayB(0.05f)});
    WaitForAnyKey(p);
    Segment(p, 0, 4, kPurple);
}
