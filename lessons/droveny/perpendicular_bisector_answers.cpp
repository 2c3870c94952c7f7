// The perpendicular-bisector lesson's construction topics: example 3 (topic
// 3), the answer to question 6 (topic 4), the points on the perpendicular
// bisector (topic 5) and the answer to question 7 (topic 6).
#include <cmath>

#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

using namespace kit;
using namespace droveny;

namespace {

// A point with its letter above it: the dot in colour 3, the letter at
// (x - 14, y - 50).
void LetteredDot(Droveny& p, int entry, const Text& letter) { DotAndName(p, entry, -14, -50, letter); }

// AB with its lettered ends.
void BisectorBase(Droveny& p) {
    Segment(p, 1, 2, kBlack);
    LetteredDot(p, 1, "A");
    LetteredDot(p, 2, "B");
}

// A, B, C and D of example 3 in grid cells of the frame in force.
void SetExample3Points(Droveny& p) {
    SetCellPoints(p, {{1, {1, 3}}, {2, {8, 3}}, {3, {4.5f, 5}}, {4, {4.5f, 1}}});
}

// Turns point k about point `centre` clockwise as seen by TurnAngle (the
// direction and distance from the centre in DirectionAngle and Distance).
void TurnAbout(Droveny& p, int centre, int k) {
    DirectionOf(p, P(p, centre), P(p, k));
    p.Distance = std::sqrt((p.MarkBX - p.MarkAX) * (p.MarkBX - p.MarkAX) + (p.MarkBY - p.MarkAY) * (p.MarkBY - p.MarkAY));
    SetP(p, k, Along(P(p, centre), p.Distance, p.DirectionAngle - p.TurnAngle));
}

// Points 1 to 4 turned about point `centre` by 30 degrees (LoopIndex counts).
void TurnFirstFourBy30(Droveny& p, int centre) {
    p.TurnAngle = 30 * p.Pi / 180;
    for (int k = 1; k <= 4; k++) {
        p.LoopIndex = static_cast<float>(k);
        TurnAbout(p, centre, k);
    }
}

// The compass arcs of a pair: about A through C and D, about B through D and
// C, each 0.03 turn past both points.
constexpr CompassStep kArcAboutA{.centre = 1, .through = 3, .b = 4, .c = 3, .shift = 1, .color = kGrey,
                                 .start = {Ray::C, -0.03f}, .end = {Ray::B, 0.03f}};
constexpr CompassStep kArcAboutB{.centre = 2, .through = 4, .b = 3, .c = 4, .shift = 1, .color = kGrey,
                                 .start = {Ray::C, -0.03f}, .end = {Ray::B, 0.03f}};

}  // namespace

// ---- Topic 3: example 3 -------------------------------------------------------
// Points: 1 A, 2 B, 3 C, 4 D; the same grid cells in the right figure and in
// the small rhombus of the hint.

void DrawExample3SegmentFigure(Droveny& p) {
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetExample3Points(p);
    BisectorBase(p);
}

void ShowBisectorExample3(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例3 ");
    WriteOn(p, kPurple, "線分ABの垂直二等分線の作図");
    DrawExample3SegmentFigure(p);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "下図のようなひし形をかけばよいから");
    Grid(p, {.left = 80, .top = 450, .columns = 9, .rows = 5, .cell = 40});
    SetExample3Points(p);
    Segment(p, 1, 2, kBlack);
    Polygon(p, {P(p, 1), P(p, 4), P(p, 2), P(p, 3)}, {.width = 5, .color = kBlack, .labels = ""});
    LetteredDot(p, 1, "A");
    LetteredDot(p, 2, "B");
    DotAndName(p, 3, 10, -25, "C");
    DotAndName(p, 4, 10, -25, "D");
    StretchedSegment(p, 3, 4, 20, kPurple);
    TicksBetween(p, 1, 3, 1, 15, kGrey);
    TicksBetween(p, 1, 4, 1, 15, kGrey);
    TicksBetween(p, 2, 3, 1, 15, kGrey);
    TicksBetween(p, 2, 4, 1, 15, kGrey);
    DrawExample3SegmentFigure(p);   // back to the right figure's points
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "①Aを中心として、適当な半径の円をかく。");
    DrawCompassArc(p, kArcAboutA);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "②Bを中心として、①と等しい半径の円をかく。");
    CompassStep aboutB = kArcAboutB;
    aboutB.color = kBrightBlue;
    DrawCompassArc(p, aboutB);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "③2つの円の交点をC,Dとする。");
    DotAndName(p, 3, 10, -25, "C");
    DotAndName(p, 4, 10, -25, "D");
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "④直線CDをひく。");
    StretchedSegment(p, 3, 4, 50, kPurple);
    WaitForAnyKey(p);

    Write(p, p.TextLeft + 360, p.GridBottom, kTeal, "教科書P172 問6 をやろう。");
}

// ---- Topic 4: the answer to question 6 ------------------------------------------
// Points: 1 A, 2 B, 3 C, 4 D (on the bisector), 5 M; 1 to 4 turned about M.

void ShowBisectorAnswer6(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問6解答");
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "ABの垂直二等分線をかき、ABとの交点をMとする。");
    Grid(p, {.left = 320, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetCellPoints(p, {{1, {1, 3}}, {2, {8, 3}}, {3, {4.5f, 5}}, {4, {4.5f, 1}}, {5, {4.5f, 3}}});
    TurnFirstFourBy30(p, 5);
    BisectorBase(p);
    WaitForAnyKey(p);

    // The arc about A crosses +x: its start is kept one turn on, as the
    // fraction cell holds it afterwards.
    CompassStep aboutA = kArcAboutA;
    aboutA.start.offset = -0.03f + 1;
    p.ArcFractionC = DrawCompassArc(p, aboutA).start;
    WaitForAnyKey(p);

    DrawCompassArc(p, kArcAboutB);
    WaitForAnyKey(p);

    Segment(p, 3, 4, kTeal);
    Dot(p, 5, kPurple);
    Letter(p, 5, 10, 10, "M", kPurple);
}

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
    TicksBetween(p, 1, k, ticks, 15, color);
    TicksBetween(p, 2, k, ticks, 15, color);
}

}  // namespace

void ShowPointsOnBisector(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "垂直二等分線上の点");
    Grid(p, {.left = 320, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCellPoints(p, {{1, {1, 3}}, {2, {8, 3}}, {3, {4.5f, 5}}, {4, {4.5f, 1}}, {5, {4.5f, 3}}, {6, {4.5f, 2}}});
    BisectorBase(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "①");
    WriteOn(p, kBlack, "2点A,Bから等しい距離にある点の集まりは、");

    // Three points equally far from A and B.
    for (const int k : {3, 4, 5}) {
        p.InnerIndex = static_cast<float>(k);
        WaitForAnyKey(p);
        JoinToEnds(p, k, 1, kGrey);
        Dot(p, k, kTeal);
    }
    // Dots every 24 px down from point 3, then the ones between them.
    for (int i = 1; i <= 10; i++) {
        p.InnerIndex = static_cast<float>(i);
        WaitForAnyKey(p);
        Dot(p, {p.PointX(3), p.PointY(3) + 24 * static_cast<float>(i)}, kTeal);
    }
    for (int i = 0; i <= 9; i++) {
        p.InnerIndex = static_cast<float>(i);
        WaitForAnyKey(p);
        Dot(p, {p.PointX(3), p.PointY(3) + 12 + 24 * static_cast<float>(i)}, kTeal);
    }
    WaitForAnyKey(p);
    RightAngleAtMidpoint(p);
    WriteOn(p, kTeal, "垂直二等分線");
    WaitForAnyKey(p);
    Write(p, p.TextLeft + 34, p.TextLineY + 50, kTeal, "2点A,Bから等しい距離にある点は、");
    WriteOn(p, kPurple, "垂直二等分線上にある。");
    WaitForAnyKey(p);

    // The converse on the bare figure with the bisector drawn.
    EraseFrame(p);
    BisectorBase(p);
    Segment(p, 3, 4, kBlack);
    RightAngleAtMidpoint(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "②");
    WriteOn(p, kBlack, "垂直二等分線上の点は、");
    const int order[] = {4, 6, 5, 3};
    for (int n = 1; n <= 4; n++) p.TableValueB(n) = static_cast<float>(order[n - 1]);
    for (int n = 1; n <= 4; n++) {
        p.InnerIndex = static_cast<float>(n);
        const int k = static_cast<int>(p.TableValueB(n));
        WaitForAnyKey(p);
        Dot(p, k, kTeal);
        WaitForAnyKey(p);
        JoinToEnds(p, k, n, kPurple);
    }
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "A,Bまでの距離が等しい。");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 400, kGrey, "教科書P158 問7 をやろう。");
}

// ---- Topic 6: the answer to question 7 ----------------------------------------
// Points: 1 A, 2 B, 3 and 4 points of AB's bisector, 5 the midpoint of AB
// (1 to 4 turned about it), 6 and 7 the ends of l, 8 where the bisector meets
// l, 9 the end of the drawn bisector beyond 8.

void ShowBisectorAnswer7(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問7解答");
    Grid(p, {.left = 480, .top = 250, .columns = 9, .rows = 6, .cell = 60});
    SetCellPoints(p, {{1, {2, 4}}, {2, {7, 4}}, {3, {4.5f, 6}}, {4, {4.5f, 2}}, {5, {4.5f, 4}}, {6, {0, 1}},
                      {7, {8, 1}}});
    TurnFirstFourBy30(p, 5);
    SetP(p, 8, Crossing(p, P(p, 3), P(p, 4), P(p, 6), P(p, 7)));
    // The bisector runs on a quarter of the way from 3 to 8 past both.
    p.Seg2X2 = std::fabs(p.PointX(3) - p.PointX(8));
    p.Seg2Y2 = std::fabs(p.PointY(8) - p.PointY(3));
    SetP(p, 9, {p.PointX(8) - p.Seg2X2 / 4, p.PointY(8) + p.Seg2Y2 / 4});

    LetteredDot(p, 1, "A");
    LetteredDot(p, 2, "B");
    Segment(p, 6, 7, kBlack);
    Letter(p, 6, 4, -50, "l");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "ABからの距離が等しい→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "ABの垂直二等分線上");
    WaitForAnyKey(p);
    DrawCompassArc(p, kArcAboutA);
    WaitForAnyKey(p);
    DrawCompassArc(p, kArcAboutB);
    WaitForAnyKey(p);
    p.Seg2X2 = std::fabs(p.PointX(3) - p.PointX(8));
    p.Seg2Y2 = std::fabs(p.PointY(8) - p.PointY(3));
    Line(p, {p.PointX(3) + p.Seg2X2 / 4, p.PointY(3) - p.Seg2Y2 / 4}, P(p, 9), kTeal);
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "直線l上→");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "垂直二等分線とlの交点");
    WaitForAnyKey(p);
    Dot(p, 8, kPurple);
}
