// The perpendicular-bisector lesson's points on the bisector: the points
// equally far from A and B make up the bisector, and the points of the
// bisector are equally far from A and B (topic 5); and the answer to question
// 7 (topic 6), the point of l equally far from A and B.
#include <cmath>

#include "lessons/droveny/perpendicular_bisector_steps.h"

using namespace kit;
using namespace droveny;

// ---- Topic 5: the points on the perpendicular bisector ----------------------
// Points: 1 A, 2 B, 3 and 4 the upper and lower points of the bisector, 5 the
// midpoint of AB, 6 the bisector's point between 5 and 4.

namespace {

// The right angle at the midpoint, between the bisector up and AB to B.
void RightAngleAtMidpoint(Droveny& p) { RightAngle(p, P(p, 5), P(p, 3), P(p, 2), {.size = 30, .shift = -1.0f}); }

// Point k joined to A and B, `ticks` equal-length ticks on both segments.
void JoinToEnds(Droveny& p, int k, int ticks, float color) {
    Segment(p, 1, k, kBlack);
    Segment(p, 2, k, kBlack);
    Ticks(p, 1, k, {.count = ticks, .size = 15, .color = color, .shift = -8.0f});
    Ticks(p, 2, k, {.count = ticks, .size = 15, .color = color, .shift = -8.0f});
}

}  // namespace

void ShowPointsOnBisector(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "垂直二等分線上の点");
    Grid(p, {.left = 320, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCells(p, {{1, {1, 3}}, {2, {8, 3}}, {3, {4.5f, 5}}, {4, {4.5f, 1}}, {5, {4.5f, 3}}, {6, {4.5f, 2}}});
    DrawSegmentAB(p);
    NumberedLine(p, "①", kBlack, "2点A,Bから等しい距離にある点の集まりは、", {.numberColor = kTeal});

    // Three points equally far from A and B.
    Count(p.InnerIndex, {3, 4, 5}, [&](int k) {
        WaitForAnyKey(p);
        JoinToEnds(p, k, 1, kGrey);
        Dot(p, k, kTeal);
    });
    // Dots every 24 px down from point 3, then the ones between them.
    Count(p.InnerIndex, 1, 10, [&](int i) {
        WaitForAnyKey(p);
        Dot(p, {p.PointX(3), p.PointY(3) + 24 * static_cast<float>(i)}, kTeal);
    });
    Count(p.InnerIndex, 0, 9, [&](int i) {
        WaitForAnyKey(p);
        Dot(p, {p.PointX(3), p.PointY(3) + 12 + 24 * static_cast<float>(i)}, kTeal);
    });
    WaitForAnyKey(p);
    RightAngleAtMidpoint(p);
    WriteOn(p, kTeal, "垂直二等分線");
    WaitForAnyKey(p);
    IndentedLine(p, kTeal, "2点A,Bから等しい距離にある点は、");
    WriteOn(p, kPurple, "垂直二等分線上にある。");
    WaitForAnyKey(p);

    // The converse on the bare figure with the bisector drawn.
    EraseFrame(p);
    DrawSegmentAB(p);
    Segment(p, 3, 4, kBlack);
    RightAngleAtMidpoint(p);
    NumberedLine(p, "②", kBlack, "垂直二等分線上の点は、", {.numberColor = kTeal});
    const int order[] = {4, 6, 5, 3};
    for (int n = 1; n <= 4; n++) p.TableValueB(n) = static_cast<float>(order[n - 1]);
    Count(p.InnerIndex, 1, 4, [&](int n) {
        const int k = static_cast<int>(p.TableValueB(n));
        WaitForAnyKey(p);
        Dot(p, k, kTeal);
        WaitForAnyKey(p);
        JoinToEnds(p, k, n, kPurple);
    });
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "A,Bまでの距離が等しい。");
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P158 問7 をやろう。", 400);
}

// ---- Topic 6: the answer to question 7 ----------------------------------------
// Points: 1 A, 2 B, 3 and 4 points of AB's bisector, 5 the midpoint of AB
// (1 to 4 turned about it), 6 and 7 the ends of l, 8 where the bisector meets
// l, 9 the end of the drawn bisector beyond 8.

void ShowBisectorAnswer7(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問7解答");
    Grid(p, {.left = 480, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCells(p, {{1, {2, 4}}, {2, {7, 4}}, {3, {4.5f, 6}}, {4, {4.5f, 2}}, {5, {4.5f, 4}}, {6, {0, 1}}, {7, {8, 1}}});
    TurnFirstFourBy30(p, 5);
    SetP(p, 8, Crossing(p, P(p, 3), P(p, 4), P(p, 6), P(p, 7)));
    // The bisector runs on a quarter of the way from 3 to 8 past both.
    p.Seg2X2 = std::fabs(p.PointX(3) - p.PointX(8));
    p.Seg2Y2 = std::fabs(p.PointY(8) - p.PointY(3));
    SetP(p, 9, {p.PointX(8) - p.Seg2X2 / 4, p.PointY(8) + p.Seg2Y2 / 4});

    DotAndName(p, 1, "A", kNameAbove);
    DotAndName(p, 2, "B", kNameAbove);
    Segment(p, 6, 7, kBlack);
    Name(p, 6, "l", {.dx = 4, .dy = -50});
    NextLine(p, kBlack, "ABからの距離が等しい→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "ABの垂直二等分線上");
    WaitForAnyKey(p);
    CompassArc(p, kArcAboutA);
    WaitForAnyKey(p);
    CompassArc(p, kArcAboutB);
    WaitForAnyKey(p);
    p.Seg2X2 = std::fabs(p.PointX(3) - p.PointX(8));
    p.Seg2Y2 = std::fabs(p.PointY(8) - p.PointY(3));
    Line(p, {p.PointX(3) + p.Seg2X2 / 4, p.PointY(3) - p.Seg2Y2 / 4}, P(p, 9), kTeal);
    WaitForAnyKey(p);
    NextLine(p, kBlack, "直線l上→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "垂直二等分線とlの交点");
    WaitForAnyKey(p);
    Dot(p, 8, kPurple);
}
