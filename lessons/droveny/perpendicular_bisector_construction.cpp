// The perpendicular-bisector lesson's construction of the bisector:
// example 3 (topic 3), the rhombus idea and the two compass arcs, and the
// answer to question 6 (topic 4), the same construction on a slanting
// segment.
#include "lessons/droveny/perpendicular_bisector_steps.h"

using namespace kit;
using namespace droveny;

// ---- Topic 3: example 3 -------------------------------------------------------
// Points: 1 A, 2 B, 3 C, 4 D; the same grid cells in the right figure and in
// the small rhombus of the hint.

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4;

// A, B, C and D of example 3 in grid cells of the frame in force.
void SetExample3Points(Droveny& p) { SetCells(p, {{kA, {1, 3}}, {kB, {8, 3}}, {kC, {4.5f, 5}}, {kD, {4.5f, 1}}}); }

}  // namespace

void DrawExample3SegmentFigure(Droveny& p) {
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetExample3Points(p);
    DrawSegmentAB(p);
}

void ShowBisectorExample3(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例3 ");
    WriteOn(p, kPurple, "線分ABの垂直二等分線の作図");
    DrawExample3SegmentFigure(p);
    WaitForAnyKey(p);

    NextLine(p, kBlack, "下図のようなひし形をかけばよいから");
    Grid(p, {.left = 80, .top = 450, .columns = 9, .rows = 5, .cell = 40});
    SetExample3Points(p);
    Segment(p, kA, kB, kBlack);
    Polygon(p, {P(p, kA), P(p, kD), P(p, kB), P(p, kC)}, {.width = 5, .color = kBlack, .labels = ""});
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    DotAndName(p, kC, "C");
    DotAndName(p, kD, "D");
    StretchedSegment(p, kC, kD, 20, kPurple);
    Ticks(p, kA, kC, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kA, kD, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kC, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kD, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    DrawExample3SegmentFigure(p);   // back to the right figure's points
    WaitForAnyKey(p);

    NextLine(p, kTeal, "①Aを中心として、適当な半径の円をかく。");
    CompassArc(p, kArcAboutA);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "②Bを中心として、①と等しい半径の円をかく。");
    CompassArc(p, {.centre = kB, .through = kD, .b = kC, .c = kD, .start = RayC(-0.03f), .end = RayB(0.03f),
                   .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③2つの円の交点をC,Dとする。");
    DotAndName(p, kC, "C");
    DotAndName(p, kD, "D");
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④直線CDをひく。");
    StretchedSegment(p, kC, kD, 50, kPurple);
    WaitForAnyKey(p);

    Write(p, p.TextLeft + 360, p.GridBottom, kTeal, "教科書P172 問6 をやろう。");
}

// ---- Topic 4: the answer to question 6 ------------------------------------------
// Points: 1 A, 2 B, 3 C, 4 D (on the bisector), 5 M; 1 to 4 turned about M.

namespace {

constexpr int kM = 5;

}  // namespace

void ShowBisectorAnswer6(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問6解答");
    NextLine(p, kTeal, "ABの垂直二等分線をかき、ABとの交点をMとする。");
    Grid(p, {.left = 320, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetCells(p, {{kA, {1, 3}}, {kB, {8, 3}}, {kC, {4.5f, 5}}, {kD, {4.5f, 1}}, {kM, {4.5f, 3}}});
    TurnFirstFourBy30(p, kM);
    DrawSegmentAB(p);
    WaitForAnyKey(p);

    // The arc about A crosses +x: its start is taken one turn on, and
    // ArcFractionC keeps it.
    CompassArc(p, {.centre = kA, .through = kC, .b = kD, .c = kC, .start = RayC(-0.03f + 1), .end = RayB(0.03f),
                   .color = kGrey, .startIn = &Program::ArcFractionC});
    WaitForAnyKey(p);

    CompassArc(p, kArcAboutB);
    WaitForAnyKey(p);

    Segment(p, kC, kD, kTeal);
    DotAndName(p, kM, "M", {.dx = 10, .dy = 10, .color = kPurple});
}
