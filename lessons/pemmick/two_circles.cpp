// Lesson 2, two intersecting circles: its goal screen and topic menu, the
// axes of symmetry of one and two circles (topic 1), the exercise on two
// circles (topic 2) and the kite and the rhombus (topic 3). Topics 4 to 7,
// the kite constructions, are in kite_construction.cpp.
#include <cmath>
#include <vector>

#include "lessons/common/kit.h"
#include "lessons/pemmick/pemmick.h"
#include "platform/errors.h"

using namespace kit;

namespace {

// A step's number in teal at the column's left edge, its sentence after it.
constexpr NumberStyle kStepNumber{.numberColor = kTeal};

// The two points where the circle of radius GraphCoefC about `a` meets the
// circle of radius GraphCoefB about a centre GraphCoefA to the right of it
// (law of cosines): the upper one goes to point `upper`, the lower one to
// point `lower`.
void CirclesCrossing(Pemmick& p, Pt a, int upper, int lower) {
    const float d = p.GraphCoefA, rB = p.GraphCoefB, rA = p.GraphCoefC;
    const float cosAlpha = Div(d * d + rA * rA - rB * rB, 2 * d * rA);
    const float sinAlpha = std::sqrt(1 - cosAlpha * cosAlpha);
    SetP(p, upper, {a.x + rA * cosAlpha, a.y - rA * sinAlpha});
    SetP(p, lower, {a.x + rA * cosAlpha, a.y + rA * sinAlpha});
}

}  // namespace

// ---- Entry, goal screen and topic menu --------------------------------------

void RunTwoCirclesLesson(Pemmick& p) {
    ShowTwoCirclesGoals(p);
    ShowTwoCirclesTopicMenu(p);
}

void ShowTwoCirclesGoals(Pemmick& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "交わる2円の性質を調べよう。", 65);
}

void ShowTwoCirclesTopicMenu(Pemmick& p) {
    RunSubMenu(p, "①P167Q　②問1　③たこ形・ひし形　④たこ形作図　⑤等距離2点　⑥等距離1点　⑦縦たこ　⑧終了",
               {ShowCircleSymmetryP167, ShowTwoCirclesAnswer1, ShowKiteAndRhombus, ShowKiteConstruction,
                ShowTwoEquidistantPoints, ShowOneEquidistantPoint, ShowVerticalKite});
}

// ---- Topic 1: axes of symmetry of one and of two circles --------------------------

namespace {

// A circle outline about point i with its centre dot, in colour 0.
void CircleWithCentre(Pemmick& p, int i, float r) {
    Circle(p, P(p, i), r, kBlack);
    Dot(p, i, kBlack);
}

// Panel n of two circles, in a frame of 11 by 8 cells of 40 px right of the
// last: the heading `title` 50 px above the frame (its place kept in
// PointX2(n), PointY2(n)); the circles of r1 and r2 cells about points
// `first` and first + 1, at cells (4, 4) and (8, 4); the ends first + 2 and
// first + 3 of the line of centres, 20 px beyond the circles; their crossings
// in first + 4 and first + 5 (GraphCoefA..C: the distance of the centres and
// the radii).
void TwoCirclesPanel(Pemmick& p, int n, const Text& title, int first, float r1, float r2) {
    Grid(p, {.left = p.GridRight, .top = 150, .columns = 11, .rows = 8, .cell = 40});
    p.PointX2(n) = p.GridLeft;
    p.PointY2(n) = p.GridTop - 50;
    Write(p, p.PointX2(n), p.PointY2(n), kBlack, title);
    SetCells(p, first, {{4, 4}, {8, 4}});
    CircleWithCentre(p, first, r1 * p.CellSize);
    CircleWithCentre(p, first + 1, r2 * p.CellSize);
    SetP(p, first + 2, Along(P(p, first), r1 * p.CellSize + 20, p.Pi));
    SetP(p, first + 3, Along(P(p, first + 1), r2 * p.CellSize + 20, 0));
    p.GraphCoefA = 4 * p.CellSize;
    p.GraphCoefB = r2 * p.CellSize;
    p.GraphCoefC = r1 * p.CellSize;
    CirclesCrossing(p, P(p, first), first + 4, first + 5);
}

}  // namespace

void ShowCircleSymmetryP167(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "「教科書P167 Q」対称の軸をかき、調べよう。");

    // Panel (1): one circle and the ends of five diameters (points 21 to 30).
    Grid(p, {.left = 20, .top = 150, .columns = 8, .rows = 8, .cell = 40});
    p.PointX2(1) = p.GridLeft + 20;
    p.PointY2(1) = p.GridBottom;  // the row of the answers
    Write(p, p.PointX2(1), p.GridTop - 50, kBlack, "(1)");
    SetCells(p, 20, {{4, 4}});
    CircleWithCentre(p, 20, 3 * p.CellSize);
    const float degrees[] = {0, 90, 45, 100, 160};
    for (int k = 1; k <= 5; k++) {
        p.PointAngle(k) = degrees[k - 1] * p.Pi / 180;
        p.PointAngle(k + 5) = p.PointAngle(k) + p.Pi;
    }
    for (int k = 1; k <= 10; k++) SetP(p, 20 + k, Along(P(p, 20), 3.5f * p.CellSize, p.PointAngle(k)));

    // Panel (2): circles of radii 3 and 2.5 cells about A and C (points 1 to 6).
    TwoCirclesPanel(p, 2, "(2)半径が異なるとき", 1, 3, 2.5f);
    // Panel (3): two circles of radius 3 cells (points 11 to 16).
    TwoCirclesPanel(p, 3, "(3)半径が等しいとき", 11, 3, 3);
    WaitForAnyKey(p);

    // Every diameter is an axis of the single circle.
    for (int k = 1; k <= 5; k++) {
        Segment(p, 20 + k, 25 + k, kPurple);
        WaitForAnyKey(p);
    }
    Write(p, p.PointX2(1), p.PointY2(1), kGrey, "対称の軸…");
    WriteOn(p, kTeal, "直径");
    WaitForAnyKey(p);

    Segment(p, 3, 4, kPurple);
    Write(p, p.PointX2(2), p.PointY2(1), kTeal, "両方の円の中心を通る直線");
    WaitForAnyKey(p);
    Segment(p, 13, 14, kPurple);
    Write(p, p.PointX2(3), p.PointY2(1), kTeal, "両方の円の中心を通る直線");
    WaitForAnyKey(p);
    Line(p, {p.PointX(15), p.PointY(15) - p.CellSize}, {p.PointX(16), p.PointY(16) + p.CellSize}, kPurple);
    Write(p, p.PointX2(3), p.PointY2(1) + 50, kTeal, "円の交点を通る直線");
    WaitForAnyKey(p);

    // The kite of (2), labelled in teal.
    const TickStyle two{.count = 2, .size = 8, .color = kGrey, .spacing = 8, .shift = -8};
    const TickStyle one{.count = 1, .size = 8, .color = kGrey, .spacing = 8, .shift = -8};
    Polygon(p, {P(p, 1), P(p, 6), P(p, 2), P(p, 5)},
            {.width = 5, .color = kTeal, .distance = 10, .labels = "A", .labelColor = kTeal});
    Ticks(p, P(p, 1), P(p, 5), two);
    Ticks(p, P(p, 1), P(p, 6), two);
    Ticks(p, P(p, 2), P(p, 5), one);
    Ticks(p, P(p, 2), P(p, 6), one);
    Write(p, p.PointX2(2), p.PointY2(1) + 100, kGrey, "四角形ABCD…");
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "たこ形");
    WaitForAnyKey(p);

    // The rhombus of (3), labelled in purple.
    Polygon(p, {P(p, 11), P(p, 16), P(p, 12), P(p, 15)},
            {.width = 5, .color = kTeal, .distance = 10, .labels = "A", .labelColor = kPurple});
    Ticks(p, P(p, 11), P(p, 15), two);
    Ticks(p, P(p, 11), P(p, 16), two);
    Ticks(p, P(p, 12), P(p, 15), two);
    Ticks(p, P(p, 12), P(p, 16), two);
    Write(p, p.PointX2(3), p.PointY2(1) + 100, kGrey, "四角形ABCD…");
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "ひし形");
    WaitForAnyKey(p);

    Write(p, p.TextLeft, 620, kTeal, "教科書P167 問1,問2 をやろう。");
}

// ---- Topic 2: the exercise on two circles -------------------------------------------

void ShowTwoCirclesAnswer1(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問1 解答");
    Grid(p, {.left = 400, .top = 50, .columns = 11, .rows = 8, .cell = 80});
    SetCells(p, 1, {{4, 4}, {8, 4}});
    const Pt a = P(p, 1), b = P(p, 2);
    CircleWithCentre(p, 1, 3 * p.CellSize);
    CircleWithCentre(p, 2, 2.5f * p.CellSize);

    // P and Q where the circles cross, M where PQ crosses AB.
    p.GraphCoefA = 4 * p.CellSize;
    p.GraphCoefB = 2.5f * p.CellSize;
    p.GraphCoefC = 3 * p.CellSize;
    CirclesCrossing(p, a, 5, 6);
    SetP(p, 7, {p.PointX(5), a.y});
    const Pt pp = P(p, 5), q = P(p, 6), m = P(p, 7);
    p.PointLabel(1) = "A";
    p.PointLabel(2) = "Q";
    p.PointLabel(3) = "B";
    p.PointLabel(4) = "P";
    Polygon(p, {a, q, b, pp}, {.width = 5, .color = kTeal, .distance = 10, .labels = "1", .labelColor = kTeal});
    Segment(p, 1, 2, kTeal);
    Segment(p, 5, 6, kTeal);
    Name(p, m, "M", {.dx = -30, .dy = -50});
    WaitForAnyKey(p);

    // (1) the equal segments.
    const TickStyle ticks{.size = 8, .color = kGrey, .spacing = 8, .shift = -8};
    TickStyle three = ticks, two = ticks, one = ticks;
    three.count = 3;
    two.count = 2;
    one.count = 1;
    NumberedLine(p, "(1)", kPurple, "APとAQ,", kStepNumber);
    Ticks(p, a, pp, three);
    Ticks(p, a, q, three);
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "BPとBQ,");
    Ticks(p, b, pp, two);
    Ticks(p, b, q, two);
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "PMとQM");
    Ticks(p, pp, m, one);
    Ticks(p, m, q, one);
    WaitForAnyKey(p);

    // (2) the angle equal to PAB.
    NextLine(p, kTeal, "(2)");
    AngleDot(p, a, m, pp, {.distance = 40, .color = kGrey});
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "∠QAB");
    AngleDot(p, a, q, m, {.distance = 40, .color = kGrey});
    WaitForAnyKey(p);

    // (3) the common chord is perpendicular to AB.
    NextLine(p, kTeal, "(3)");
    RightAngle(p, m, pp, b, {.size = 20, .shift = -1});
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "PQ⊥AB");
    WaitForAnyKey(p);

    NextLine(p, kTeal, "問2 をやろう。");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "2つの円の半径が等しい場合");
}

// ---- Topic 3: the kite and the rhombus --------------------------------------------

namespace {

struct TickedSegment {
    int from, to, count;
};

// What differs between the kite half and the rhombus half of the topic.
struct QuadrilateralHalf {
    float left, top;         // the frame's top-left corner
    float bRight;            // B's column (A is at 1, C and D at 5)
    const char* equalSides;  // the text of ①
    std::vector<TickedSegment> sideTicks;
    const char* diagonals;   // the text of ②
    std::vector<TickedSegment> diagonalTicks;
    ArcEnd arcAStart, arcAEnd;  // the ends of the compass arc about A
    ArcEnd arcBStart, arcBEnd;  // and about B
    bool lastHalf;
};

void TickAll(Pemmick& p, const std::vector<TickedSegment>& segments) {
    for (const TickedSegment& s : segments)
        Ticks(p, P(p, s.from), P(p, s.to), {.count = s.count, .size = 15, .color = kGrey, .spacing = 8, .shift = -8});
}

// One half: the quadrilateral ADBC of A, B (the centres), C and D (where the
// circles cross), its properties ① to ③ and the two compass arcs.
void PlayQuadrilateralHalf(Pemmick& p, const QuadrilateralHalf& h) {
    Grid(p, {.left = h.left, .top = h.top, .columns = 9, .rows = 5, .cell = 60});
    SetCells(p, 1, {{1, 3}, {h.bRight, 3}, {5, 5}, {5, 1}, {5, 3}});
    p.PointLabel(1) = "A";
    p.PointLabel(2) = "D";
    p.PointLabel(3) = "B";
    p.PointLabel(4) = "C";
    Polygon(p, {P(p, 1), P(p, 4), P(p, 2), P(p, 3)},
            {.width = 5, .color = kBlack, .distance = 10, .labels = "1", .labelColor = kBlack});
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, h.equalSides, kStepNumber);
    TickAll(p, h.sideTicks);
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, h.diagonals, kStepNumber);
    Segment(p, 1, 2, kTeal);
    Segment(p, 3, 4, kTeal);
    TickAll(p, h.diagonalTicks);
    RightAngle(p, P(p, 5), P(p, 3), P(p, 2), {.size = 20, .shift = -1});
    Name(p, 5, "M", {.dx = -30, .dy = -50});
    WaitForAnyKey(p);

    NumberedLine(p, "③", kBlack, "∠BAC=∠BAD", kStepNumber);
    AngleDot(p, 1, 2, 3, {.distance = 60, .color = kGrey});
    AngleDot(p, 1, 4, 2, {.distance = 60, .color = kGrey});
    WaitForAnyKey(p);

    // The compass steps that find C and D: about A with radius AC, about B
    // with radius BD.
    CompassArc(p, {.centre = 1, .through = 3, .b = 4, .c = 3, .start = h.arcAStart, .end = h.arcAEnd,
                   .color = kPurple});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .through = 4, .b = 3, .c = 4, .start = h.arcBStart, .end = h.arcBEnd,
                   .color = kBrightBlue});
    if (!h.lastHalf) WaitForAnyKey(p);
}

}  // namespace

void ShowKiteAndRhombus(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "<たこ形の性質>");
    PlayQuadrilateralHalf(p, {.left = 720,
                              .top = 60,
                              .bRight = 8,
                              .equalSides = "AC=AD,BC=BD",
                              .sideTicks = {{1, 3, 3}, {1, 4, 3}, {2, 3, 2}, {2, 4, 2}},
                              .diagonals = "AB⊥CD,CM=DM",
                              .diagonalTicks = {{3, 5, 1}, {5, 4, 1}},
                              .arcAStart = RayC(-0.03f),
                              .arcAEnd = RayB(0.09f),
                              .arcBStart = RayC(-0.15f),
                              .arcBEnd = RayB(0.03f),
                              .lastHalf = false});

    // The rhombus frame stands on the kite frame's bottom edge.
    NextLine(p, kTeal, "<ひし形の性質>", 70);
    PlayQuadrilateralHalf(p, {.left = 440,
                              .top = p.GridBottom,
                              .bRight = 9,
                              .equalSides = "AC=AD=BC=BD",
                              .sideTicks = {{1, 3, 3}, {1, 4, 3}, {2, 3, 3}, {2, 4, 3}},
                              .diagonals = "AB⊥CD,CM=DM,AM=BM",
                              .diagonalTicks = {{3, 5, 1}, {5, 4, 1}, {1, 5, 2}, {5, 2, 2}},
                              .arcAStart = RayC(-0.13f),
                              .arcAEnd = RayB(0.09f),
                              .arcBStart = RayC(-0.15f),
                              .arcBEnd = RayB(0.13f),
                              .lastHalf = true});
}
