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

// The points of topics 5 and 6: A, B, the upper and lower points of the
// bisector and AB's midpoint.
constexpr int kA = 1, kB = 2, kUpper = 3, kLower = 4, kMid = 5;
// Topic 5's point of the bisector between the midpoint and the lower point.
constexpr int kBetween = 6;

// The right angle at the midpoint, between the bisector up and AB to B.
void RightAngleAtMidpoint(Droveny& p) {
    RightAngle(p, P(p, kMid), P(p, kUpper), P(p, kB), {.size = 30, .shift = -1.0f});
}

// Point k joined to A and B, `ticks` equal-length ticks on both segments.
void JoinToEnds(Droveny& p, int k, int ticks, float color) {
    Segment(p, kA, k, kBlack);
    Segment(p, kB, k, kBlack);
    Ticks(p, kA, k, {.count = ticks, .size = 15, .color = color, .shift = -8.0f});
    Ticks(p, kB, k, {.count = ticks, .size = 15, .color = color, .shift = -8.0f});
}

}  // namespace

void ShowPointsOnBisector(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "垂直二等分線上の点");
    Grid(p, {.left = 320, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCells(p, {{kA, {1, 3}}, {kB, {8, 3}}, {kUpper, {4.5f, 5}}, {kLower, {4.5f, 1}}, {kMid, {4.5f, 3}},
                 {kBetween, {4.5f, 2}}});
    DrawSegmentAB(p);
    NumberedLine(p, "①", kBlack, "2点A,Bから等しい距離にある点の集まりは、", {.numberColor = kTeal});

    // Three points equally far from A and B.
    Count(p.InnerIndex, {kUpper, kLower, kMid}, [&](int k) {
        WaitForAnyKey(p);
        JoinToEnds(p, k, 1, kGrey);
        Dot(p, k, kTeal);
    });
    // Dots every 24 px down from point 3, then the ones between them.
    Count(p.InnerIndex, 1, 10, [&](int i) {
        WaitForAnyKey(p);
        Dot(p, {p.PointX(kUpper), p.PointY(kUpper) + 24 * static_cast<float>(i)}, kTeal);
    });
    Count(p.InnerIndex, 0, 9, [&](int i) {
        WaitForAnyKey(p);
        Dot(p, {p.PointX(kUpper), p.PointY(kUpper) + 12 + 24 * static_cast<float>(i)}, kTeal);
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
    Segment(p, kUpper, kLower, kBlack);
    RightAngleAtMidpoint(p);
    NumberedLine(p, "②", kBlack, "垂直二等分線上の点は、", {.numberColor = kTeal});
    const int order[] = {kLower, kBetween, kMid, kUpper};
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

namespace {

constexpr int kLeftEnd = 6, kRightEnd = 7, kCrossing = 8, kBisectorEnd = 9;

}  // namespace

void ShowBisectorAnswer7(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問7解答");
    Grid(p, {.left = 480, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCells(p, {{kA, {2, 4}}, {kB, {7, 4}}, {kUpper, {4.5f, 6}}, {kLower, {4.5f, 2}}, {kMid, {4.5f, 4}},
                 {kLeftEnd, {0, 1}}, {kRightEnd, {8, 1}}});
    TurnFirstFourBy30(p, kMid);
    SetP(p, kCrossing, Crossing(p, P(p, kUpper), P(p, kLower), P(p, kLeftEnd), P(p, kRightEnd)));
    // The bisector runs on a quarter of the way from 3 to 8 past both.
    p.Seg2X2 = std::fabs(p.PointX(kUpper) - p.PointX(kCrossing));
    p.Seg2Y2 = std::fabs(p.PointY(kCrossing) - p.PointY(kUpper));
    SetP(p, kBisectorEnd, {p.PointX(kCrossing) - p.Seg2X2 / 4, p.PointY(kCrossing) + p.Seg2Y2 / 4});

    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    Segment(p, kLeftEnd, kRightEnd, kBlack);
    Name(p, kLeftEnd, "l", {.dx = 4, .dy = -50});
    NextLine(p, kBlack, "ABからの距離が等しい→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "ABの垂直二等分線上");
    WaitForAnyKey(p);
    CompassArc(p, kArcAboutA);
    WaitForAnyKey(p);
    CompassArc(p, kArcAboutB);
    WaitForAnyKey(p);
    p.Seg2X2 = std::fabs(p.PointX(kUpper) - p.PointX(kCrossing));
    p.Seg2Y2 = std::fabs(p.PointY(kCrossing) - p.PointY(kUpper));
    Line(p, {p.PointX(kUpper) + p.Seg2X2 / 4, p.PointY(kUpper) - p.Seg2Y2 / 4}, P(p, kBisectorEnd), kTeal);
    WaitForAnyKey(p);
    NextLine(p, kBlack, "直線l上→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "垂直二等分線とlの交点");
    WaitForAnyKey(p);
    Dot(p, kCrossing, kPurple);
}
