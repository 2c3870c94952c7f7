// Lesson 1, how to construct with ruler and compass: its goal screen and
// topic menu, the regular hexagon (topic 1), the circle as a set of points
// (topic 2) and the answers of the construction exercises (topic 3).
#include <cmath>

#include "lessons/common/kit.h"
#include "lessons/pemmick/pemmick.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunRulerCompassLesson(Pemmick& p) {
    ShowRulerCompassGoals(p);
    ShowRulerCompassTopicMenu(p);
}

// Drawn on the screen the main menu has just erased.
void ShowRulerCompassGoals(Pemmick& p) {
    GoalHeading(p);
    NextLine(p, kBlack, "定規とコンパスだけを使って図形をかこう。", 65);
}

void ShowRulerCompassTopicMenu(Pemmick& p) {
    RunSubMenu(p, " ①P165Q　②円説明　③問１　④終了",
               {ShowRegularHexagonP165, ShowCircleTerms, ShowRulerCompassAnswer1});
}

// ---- Topic 1: the regular hexagon --------------------------------------------

void ShowRegularHexagonP165(Pemmick& p) {
    BeginTopic(p);
    Grid(p, {.left = 800, .top = 100, .columns = 4, .rows = 4, .cell = 100});
    SetCells(p, 0, {{2, 2}});  // the centre
    Disc(p, P(p, 0), 8, kBlack);
    // Corners 1 to 6 from the top, clockwise as seen; 7 repeats 1.
    p.Radius = 2 * p.CellSize;
    HexagonAngles(p, 90, -60);
    PointsAtAngles(p, 1, p.Radius);
    SetP(p, 7, P(p, 1));

    Write(p, p.TextLeft, p.TextLineY, kTeal, "「教科書P165Q」正六角形をかこう。");
    WaitForAnyKey(p);

    Circle(p, P(p, 0), p.Radius, kBlack);
    WaitForAnyKey(p);

    // The compass, kept open at the radius, stepped from each corner to the next.
    Count(p.InnerIndex, 1, 6, [&](int k) {
        CompassArc(p, {.centre = k, .b = 0, .c = k + 1, .start = RayC(-0.04f), .end = RayC(0.04f), .color = kGrey,
                       .dotColor = kTeal});
        WaitForAnyKey(p);
    });

    Polygon(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6)},
            {.width = 5, .color = kTeal, .distance = 10, .labels = "", .labelColor = kBlack, .labelDx = 0});
    WaitForAnyKey(p);

    NextLine(p, kGrey, "正六角形がかけるわけを説明しよう。");
    WaitForAnyKey(p);

    Segment(p, 1, 4, kBlack);
    Segment(p, 2, 5, kBlack);
    Segment(p, 3, 6, kBlack);
    WaitForAnyKey(p);

    // One tick on every side and every radius: six equilateral triangles.
    Count(p.InnerIndex, 1, 6, [&](int k) {
        Ticks(p, P(p, k), P(p, k + 1), {.count = 1, .size = 15, .color = kPurple, .spacing = 8, .shift = 0});
        Ticks(p, P(p, k), P(p, 0), {.count = 1, .size = 15, .color = kPurple, .spacing = 8, .shift = 0});
    });
    WaitForAnyKey(p);

    // The two 60-degree angles at the top corner (point 1), labelled above it.
    const AngleMarkStyle sixty{.size = 30, .arcs = 0, .color = kBlack, .fill = kTeal, .label = "60%", .shift = 1,
                               .labelColor = kTeal, .labelDx = 0, .labelDy = -80};
    AngleMark(p, P(p, 1), P(p, 0), P(p, 2), sixty);
    WaitForAnyKey(p);
    AngleMark(p, P(p, 1), P(p, 6), P(p, 0), sixty);
    WaitForAnyKey(p);

    // The hexagon's angle at the top corner.
    AngleMark(p, P(p, 1), P(p, 6), P(p, 2),
              {.size = 60, .arcs = 1, .color = kPurple, .fill = kPurple, .label = "120%", .shift = 1,
               .labelColor = kPurple, .labelDx = 0, .labelDy = 0});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "合同な正三角形6つに分けられるから、");
    NextLine(p, kPurple, "辺の長さはすべて等しく、");
    NextLine(p, kPurple, "角の大きさもすべて120%で等しくなる。");
    NextLine(p, kTeal, "したがって、正六角形である。");
}

// ---- Topic 2: the circle as a set of points -----------------------------------

namespace {

// A dot of radius 3 every `step` degrees round the circle about point 0
// (point 7 is the dot being drawn), up to 360 at most.
void DotsRoundCircle(Pemmick& p, int step) {
    for (int d = 0; d <= 360; d += step) {
        SetP(p, 7, Along(P(p, 0), p.Radius, static_cast<float>(d) * p.Pi / 180));
        Disc(p, P(p, 7), 3, kBlack);
    }
}

}  // namespace

void ShowCircleTerms(Pemmick& p) {
    BeginTopic(p);
    Grid(p, {.left = 760, .top = 50, .columns = 12, .rows = 11, .cell = 40});
    SetCells(p, 0, {{6, 5}});
    p.Radius = 5 * p.CellSize;
    // Points on the circle: ends of three radii, the anchor of "円周", A and B.
    const float directions[] = {0, -60, -120, 60, 180, 80};
    for (int i = 1; i <= 6; i++) SetP(p, i, Along(P(p, 0), p.Radius, directions[i - 1] * p.Pi / 180));
    const Pt o = P(p, 0);

    Disc(p, o, 3, kBlack);
    Circle(p, o, p.Radius, kBlack);
    Name(p, o, "O", {.dx = -30, .dy = -30, .color = kBlack});
    Name(p, o, "中心", {.dx = -34, .dy = -75});
    Write(p, p.TextLeft, p.TextLineY, kPurple, "円O");
    WriteOn(p, kBlack, "…中心がOである円");
    WaitForAnyKey(p);

    NextLine(p, kTeal, "円周");
    WriteOn(p, kBlack, "…Oからの距離が一定である点の集まり");
    Name(p, 4, "円周", {.dy = -50});
    WaitForAnyKey(p);

    // The circle goes; the radius is named and three radii are marked equal.
    Circle(p, o, p.Radius, kWhite);
    DottedArc(p, o, P(p, 3),
              {.side = -1, .bulge = 0, .step = 15, .color = kBlack, .label = "半径", .labelColor = kTeal,
               .labelDx = -20, .labelDy = -30});
    for (int i = 1; i <= 3; i++) Segment(p, 0, i, kBlack);
    for (int i = 1; i <= 3; i++)
        Ticks(p, o, P(p, i), {.count = 1, .size = 15, .color = kPurple, .spacing = 8, .shift = 0});
    DotsRoundCircle(p, 30);
    WaitForAnyKey(p);

    // Ever finer steps close the dots into a ring: 30, 25, ..., 5, then 2.
    for (int k = 6; k >= 0; k--) {
        DotsRoundCircle(p, k > 0 ? 5 * k : 2);
        WaitForAnyKey(p);
    }
    WaitForAnyKey(p);

    IndentedLine(p, kPurple, "<弧と弦>", 100, 70);
    WaitForAnyKey(p);

    Dot(p, 5, kTeal);
    Dot(p, 6, kTeal);
    VertexLabel(p, P(p, 5), o, P(p, 6), "A", {.distance = 8, .shift = -1, .labelColor = kTeal});
    VertexLabel(p, P(p, 6), P(p, 5), o, "B", {.distance = 8, .shift = -1, .labelColor = kTeal});
    WaitForAnyKey(p);

    Segment(p, 5, 6, kTeal);
    WaitForAnyKey(p);

    // The shorter arc from A over the top to B.
    PenWidth(p, 10);
    Arc(p, o, p.Radius, kPurple, 1 - 180.0f / 360, 1 - 80.0f / 360);
    PenWidth(p, 5);
    WaitForAnyKey(p);

    NextLine(p, kPurple, "弧AB", 70);
    WriteOn(p, kBlack, "…AからBまでの円周の部分 ");
    // The arc sign over "AB": the dotted arc turns a bulge of -10 into 10 px.
    DottedArc(p, {p.TextEndX, p.TextLineY}, {p.TextEndX + 54, p.TextLineY},
              {.side = -1, .bulge = -10, .step = 1, .color = kTeal, .label = "", .labelColor = kPurple});
    WriteOn(p, kTeal, "AB");
    WriteOn(p, kBlack, "と表す");
    VertexLabel(p, o, P(p, 6), P(p, 5), "弧AB", {.distance = p.Radius + 40, .shift = 1, .labelColor = kPurple});
    VertexLabel(p, o, P(p, 6), P(p, 5), "弧AB", {.distance = p.Radius + 40, .shift = -1, .labelColor = kBlack});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "弦AB");
    WriteOn(p, kBlack, "…線分AB");
    DottedArc(p, P(p, 5), P(p, 6),
              {.side = 1, .bulge = 0, .step = 15, .color = kTeal, .label = "弦AB", .labelColor = kPurple,
               .labelDx = -20, .labelDy = -30});
    WaitForAnyKey(p);

    IndentedLine(p, kPurple, "<作図>", 100, 70);
    NextLine(p, kBlack, "定規とコンパスのみを使って図をかくこと");
    WaitForAnyKey(p);

    NextLine(p, kTeal, "①定規の役割", 60);
    WriteOn(p, kBlack, "…2点を通る直線をひく");
    NextLine(p, kTeal, "②コンパスの役割", 60);
    WriteOn(p, kBlack, "…円をかく。等しい長さをとる。線分を移す。");
    WaitForAnyKey(p);

    NextLine(p, kGrey, "教科書P166 問1 をやろう。", 70);
}

// ---- Topic 3: answers of the construction exercises ---------------------------

namespace {

// The names of the segments' ends, in black: left of a left end, right of a
// right end.
constexpr NameStyle kLeftName{.dx = -37, .color = kBlack};
constexpr NameStyle kRightName{.color = kBlack};

// A segment is taken with the compass by a short arc across the rightward
// direction at its left end: from 0.97 of a turn to 0.03, through 0.
constexpr ArcEnd kRightwardFrom = Fraction(0.97f);
constexpr ArcEnd kRightwardTo = Fraction(0.03f);

}  // namespace

void ShowRulerCompassAnswer1(Pemmick& p) {
    BeginTopic(p);
    // The given segments AB, BC and CA (points 5 to 10) on a small grid.
    Grid(p, {.left = 800, .top = 200, .columns = 7, .rows = 4, .cell = 50, .color = kTeal});
    SetCells(p, 5, {{1, 3}, {5, 3}, {1, 2}, {6, 2}, {1, 1}, {4, 1}});
    // The construction grid: A, B, C, the far end of the base line, and the
    // apex of the equilateral triangle on A and point 4.
    Grid(p, {.left = 200, .top = 200, .columns = 8, .rows = 7, .cell = 50, .color = kTeal});
    SetCells(p, {{1, {1, 1}}, {2, {5, 1}}, {3, {1, 4}}, {4, {7, 1}}, {11, {4, 3 * std::sqrt(3.0f) + 1}}});

    Segment(p, 5, 6, kBlack);
    Name(p, 5, "A", kLeftName);
    Name(p, 6, "B", kRightName);
    Segment(p, 7, 8, kBlack);
    Name(p, 7, "B", kLeftName);
    Name(p, 8, "C", kRightName);
    Segment(p, 9, 10, kBlack);
    Name(p, 9, "C", kLeftName);
    Name(p, 10, "A", kRightName);
    Segment(p, 1, 4, kBlack);
    Name(p, 1, "A", kLeftName);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "教科書P166 問1 解答");
    WaitForAnyKey(p);

    // AB taken with the compass and laid off from A (the compass kept open).
    CompassArc(p, {.centre = 5, .radius = 4 * p.CellSize,
                   .start = kRightwardFrom, .end = kRightwardTo, .color = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .start = kRightwardFrom, .end = kRightwardTo, .color = kTeal});
    WaitForAnyKey(p);
    DotAndName(p, 2, "B", {.dy = 10, .color = kBlack, .dotColor = kTeal});
    WaitForAnyKey(p);

    // BC taken and an arc about B aimed at C.
    CompassArc(p, {.centre = 7, .radius = 5 * p.CellSize,
                   .start = kRightwardFrom, .end = kRightwardTo, .color = kGrey});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .b = 3, .c = 1, .start = RayB(-0.04f), .end = RayB(0.05f), .color = kGrey});
    WaitForAnyKey(p);

    // CA taken and an arc about A straight up: they cross at C.
    CompassArc(p, {.centre = 9, .radius = 3 * p.CellSize,
                   .start = kRightwardFrom, .end = kRightwardTo, .color = kBlack});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .start = Fraction(0.72f), .end = Fraction(0.78f), .color = kBlack});
    WaitForAnyKey(p);
    DotAndName(p, 3, "C", {.dx = -14, .dy = -60, .color = kBlack});
    WaitForAnyKey(p);

    Segment(p, 1, 2, kTeal);
    Segment(p, 2, 3, kTeal);
    Segment(p, 3, 1, kTeal);
    WaitForAnyKey(p);

    // Exercise 2: an equilateral triangle of side 6 on the base line.
    NextLine(p, kGrey, "問2 をやろう", 70);
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .radius = 6 * p.CellSize,
                   .start = kRightwardFrom, .end = kRightwardTo, .color = kPurple});
    WaitForAnyKey(p);
    // The same opening about A again (its dot stands) and about point 4.
    CompassArc(p, {.centre = 1, .b = 4, .c = 11, .start = RayC(-0.04f), .end = RayC(0.04f), .color = kPurple,
                   .centreDot = false});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .b = 11, .c = 1, .start = RayB(-0.04f), .end = RayB(0.05f), .color = kPurple});
    WaitForAnyKey(p);

    Segment(p, 1, 11, kPurple);
    AngleMark(p, P(p, 1), P(p, 4), P(p, 11),
              {.size = 30, .arcs = 0, .color = kBlack, .fill = kPurple, .label = "60%", .shift = 1,
               .labelColor = kTeal});
    WaitForAnyKey(p);

    DottedArc(p, P(p, 11), P(p, 4), {.side = -1, .bulge = 0, .step = 5, .color = kBlack, .label = ""});
}
