// Chapter problems B of page 185, problem 2: (1) the fold line that puts
// corner A of the square on M, (2) the circle touching OB at C and touching OA.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

// ---- Problem 2(1) -----------------------------------------------------------

void ShowChapterBProblem2Q1(Quillet& p) {
    BeginTopic(p, {.textLeft = 121, .penWidth = 3});
    ChapterTitle(p, kChapterBTitle, "2");
    Write(p, p.TextEndX + 30, p.TextLineY, kTeal, "(1)");
    Grid(p, {.left = 720, .top = 250, .columns = 6, .rows = 5, .cell = 65});
    // The square ABCD and M on CD. Only these points are turned into pixels:
    // the old pass also scaled point 0, which nothing sets, on every run.
    SetCells(p, 1, {{1, 5}, {1, 1}, {5, 1}, {5, 5}, {5, 3}});
    // The midpoint of AM, and the perpendicular bisector through it.
    SetP(p, 6, Mid(P(p, 1), P(p, 5)));
    AngleRange(p, P(p, 6), P(p, 5), P(p, 1), 1);
    const float theta = p.BisectorAngle;
    SetP(p, 8, Along(P(p, 6), 2 * p.CellSize, theta));
    SetP(p, 7, Along(P(p, 6), 2 * p.CellSize, theta + p.Pi));
    SetP(p, 10, Along(P(p, 6), 3 * p.CellSize, theta));
    SetP(p, 9, Along(P(p, 6), 4 * p.CellSize, theta + p.Pi));
    SetP(p, 11, Crossing(p, P(p, 1), P(p, 4), P(p, 8), P(p, 9)));
    SetP(p, 12, Crossing(p, P(p, 2), P(p, 3), P(p, 8), P(p, 9)));
    Polygon(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4)},
            {.width = 5, .color = kBlack, .distance = 10, .labels = "A", .labelColor = kBlack});
    DotAndName(p, 5, "M", {.dx = 10, .dy = -25, .color = kBlack, .dotColor = kTeal});
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack, "点AとMは、折れ目の線について線対称だから");
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "折れ目の線は、線分AMの垂直二等分線になる。");
    WaitForAnyKey(p);

    // Equal compass arcs about A and M cross at points 7 and 8; their ends
    // are kept within one turn and left in ArcFractionC and ArcFractionB.
    CompassArc(p, {.centre = 1, .through = 7, .b = 7, .c = 8,
                   .start = RayC(-0.03f).Wrapped(), .end = RayB(0.03f).Wrapped(), .color = kTeal,
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);

    CompassArc(p, {.centre = 5, .b = 8, .c = 7,
                   .start = RayC(-0.03f).Wrapped(), .end = RayB(0.03f).Wrapped(), .color = kTeal,
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);

    Segment(p, 10, 9, kTeal);
    WaitForAnyKey(p);

    Segment(p, 11, 12, kPurple);  // the fold line, from side AD to side BC
}

// ---- Problem 2(2) -----------------------------------------------------------

void ShowChapterBProblem2Q2(Quillet& p) {
    BeginTopic(p, {.textLeft = 121});
    ChapterTitle(p, kChapterBTitle, "2");
    Write(p, p.TextEndX + 30, p.TextLineY, kTeal, "(2)");
    Grid(p, {.left = 600, .top = 250, .columns = 8, .rows = 5, .cell = 65});
    // O, A, B, C, the marks on OB about C, the crossing above C and the top
    // of the perpendicular, the mark on OB for the bisector. Only these points
    // are turned into pixels (4 and 9 are computed below).
    SetCells(p, 0, {{0, 0}, {5, 5}, {8, 0}, {5, 0}});
    SetCells(p, 5, {{3.5f, 0}, {6.5f, 0}, {5, 2.5f}, {5, 4}});
    SetCells(p, 10, {{2, 0}});
    SetP(p, 9, Along(P(p, 0), 2 * p.CellSize, 45 * p.Pi / 180));
    SetP(p, 11, Along(P(p, 0), 3 * p.CellSize, 22.5f * p.Pi / 180));
    SetP(p, 12, Along(P(p, 0), 8 * p.CellSize, 22.5f * p.Pi / 180));
    // The centre: the perpendicular at C (vertical) meets the bisector.
    SetP(p, 4, Crossing(p, P(p, 3), P(p, 8), P(p, 0), P(p, 12)));
    Line(p, P(p, 1), P(p, 0), kBlack);
    Line(p, P(p, 2), P(p, 0), kBlack);
    Name(p, 0, "O", {.dx = -40, .dy = 0, .color = kBlack});
    Name(p, 1, "A", {.dx = -14, .dy = -50, .color = kBlack});
    Name(p, 2, "B", {.dx = 10, .dy = -25, .color = kBlack});
    DotAndName(p, 3, "C", {.dx = -14, .dy = 10, .color = kBlack});
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack, "点Cで辺OBに接するから、円の中心はCを通る垂線上にある。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "辺OAにも接するから、円の中心は∠AOBの二等分線垂線上にある。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "Cを通る垂線と∠AOBの二等分線");
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "との交点を円の中心とする。");
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "半径は、円の中心と");
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "点Cとの距離とする。");
    WaitForAnyKey(p);

    // The perpendicular at C: the arc about C across OB on both sides, then
    // equal arcs from the two marks crossing at point 7. A ray along +x has
    // the fraction 1, so its widened end comes back by a whole turn.
    CompassArc(p, {.centre = 3, .through = 5, .b = 6, .c = 5,
                   .start = RayC(-0.03f), .end = RayB(0.03f).Turned(-1), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 5, .through = 7, .b = 6, .c = 7,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 6, .b = 7, .c = 5, .start = RayB(-0.05f), .end = RayB(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 3, 8, kTeal);
    WaitForAnyKey(p);

    // The bisector of angle AOB: the arc about O through both sides, then
    // equal arcs from the two marks crossing at point 11. The ray from point
    // 9 to 11 sits just past +x, so the start of its arc goes round a turn.
    CompassArc(p, {.centre = 0, .through = 9, .b = 10, .c = 9, .start = RayC(-0.03f), .end = RayB(0.03f).Turned(-1)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 9, .through = 11, .b = 10, .c = 11, .start = RayC(-0.05f).Turned(1), .end = RayC(0.05f)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 10, .b = 11, .c = 9, .start = RayB(-0.05f), .end = RayB(0.05f)});
    WaitForAnyKey(p);
    Segment(p, 0, 12, kTeal);
    WaitForAnyKey(p);

    // The centre and the circle through C.
    Dot(p, 4, kPurple);
    p.Radius = Distance(P(p, 4), P(p, 3));
    WaitForAnyKey(p);
    Circle(p, P(p, 4), p.Radius, kPurple);
}
