// Chapter problems A of page 184: the title cells of every chapter-problem
// screen, problems 1 and 2 (the hexagon moved three ways) and problem 3 (two
// angle bisectors).
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

namespace {

// A problem-number cell: 40 by 50, border 4, fill 3, its digit in colour 13.
constexpr CellStyle kNumberCell{.width = 40, .height = 50, .border = kAmber, .fill = kTeal, .textColor = kPink};

}  // namespace

void ChapterTitle(Quillet& p, const Text& title, const Text& number) {
    TableCell(p, p.ItemLeft, p.TextLineY,
              {.width = 396, .height = 50, .border = kTeal, .fill = kPink, .textColor = kBlack}, title);
    TableCell(p, p.TextEndX + 30, p.TextLineY, kNumberCell, number);
}

// ---- Problems 1 and 2 ---------------------------------------------------------

namespace {

// The regular hexagon ABCDEF about O (point 0), radius 5 cells, A at 120
// degrees: points 1 to 6 and their directions in PointAngle. The directions
// use the Pi that the grid frame has just set.
void BuildHexagon(Quillet& p) {
    SetCells(p, 0, {{5, 5}});
    p.Radius = 5 * p.CellSize;
    HexagonAngles(p, 120);
    PointsAtAngles(p, 1, p.Radius);
}

// An arrow from point i to point j, head 25 px at j; every input is set
// again, since the arrow routine leaves its cells exchanged.
void MoveArrow(Quillet& p, int i, int j, float color) { Arrow(p, P(p, i), P(p, j), {.color = color, .size = 25}); }

}  // namespace

void ShowChapterAProblems1And2(Quillet& p) {
    BeginTopic(p, {.textLeft = 121});
    ChapterTitle(p, kChapterATitle, "1");
    WaitForAnyKey(p);

    // Problem 1, then problem 2's hexagon with triangle OAB filled.
    Write(p, p.TextEndX + 20, p.TextLineY, kBlack, "(1)");
    WriteOn(p, kPurple, "AB⊥PQ");
    Write(p, p.TextEndX + 20, p.TextLineY, kBlack, "(2)");
    WriteOn(p, kPurple, "PQ⊥MN");
    TableCell(p, p.ItemLeft, p.TextLineY + 60, kNumberCell, "2");
    Grid(p, {.left = 540, .top = 100, .columns = 10, .rows = 10, .cell = 50});
    BuildHexagon(p);
    Polygon(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6)},
            {.width = 5, .color = kBlack, .distance = 10, .labels = "A", .labelColor = kBlack, .labelDx = 0});
    Segment(p, 1, 4, kBlack);
    Segment(p, 2, 5, kBlack);
    Segment(p, 3, 6, kBlack);
    DotAndName(p, 0, "O", {.dx = -14, .dy = -60, .color = kBlack});
    FilledPolygon(p, {P(p, 0), P(p, 2), P(p, 1)}, kBlack, kPink);  // drawn over the dot of O
    WaitForAnyKey(p);

    // (1) translations onto OCD (colour 3) and FOE (colour 7).
    Write(p, p.TextLeft, p.TextLineY, kBlack, "(1)");
    WriteOn(p, kPurple, "△FOE,△OCD");
    PenWidth(p, 10);
    MoveArrow(p, 1, 0, kTeal);
    MoveArrow(p, 0, 4, kTeal);
    MoveArrow(p, 2, 3, kTeal);
    MoveArrow(p, 1, 6, kGrey);
    MoveArrow(p, 2, 0, kGrey);
    MoveArrow(p, 0, 5, kGrey);
    WaitForAnyKey(p);

    // (2) the rotation: the 240-degree arc from ray OA through F, E, D to OC.
    NextLine(p, kBlack, "(2)", 60);
    WriteOn(p, kPurple, "240%");
    AngleMark(p, P(p, 0), P(p, 1), P(p, 3),
              {.size = 100, .arcs = 1, .color = kPurple, .label = "", .shift = -1});
    WaitForAnyKey(p);

    // (3) the fold over line BO: A goes to C along the dotted arc.
    NextLine(p, kBlack, "(3)", 60);
    WriteOn(p, kPurple, "直線BO");
    Segment(p, 2, 0, kPurple);
    DottedArc(p, P(p, 1), P(p, 3), {.side = 1, .bulge = 20, .step = 8, .color = kPurple, .label = ""});
}

// ---- Problem 3 ----------------------------------------------------------------

namespace {

// Point n: C moved `cells` cells along `angle`.
void FromC(Quillet& p, int n, float cells, float angle) { SetP(p, n, Along(P(p, 3), cells * p.CellSize, angle)); }

// Equal arcs about points a and b that meet at point x, in `color`, a key
// after each: the compass opened from a to x, a tenth of a turn about a
// across its ray to x, then about b across its ray to x, their ends kept
// within one turn (the first arc's start and end left in ArcFractionC and
// ArcFractionB, the second's in ArcFractionB and ArcFractionC).
void EqualArcsMeetingAt(Quillet& p, int a, int b, int x, float color) {
    CompassArc(p, {.centre = a, .through = x, .b = b, .c = x,
                   .start = RayC(-0.05f).Wrapped(), .end = RayC(0.05f).Wrapped(), .color = color,
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = b, .b = x, .c = a,
                   .start = RayB(-0.05f).Wrapped(), .end = RayB(0.05f).Wrapped(), .color = color,
                   .startIn = &Program::ArcFractionB, .endIn = &Program::ArcFractionC});
    WaitForAnyKey(p);
}

}  // namespace

void ShowChapterAProblem3(Quillet& p) {
    BeginTopic(p, {.textLeft = 121});
    ChapterTitle(p, kChapterATitle, "3");
    Grid(p, {.left = 480, .top = 250, .columns = 9, .rows = 5, .cell = 65});
    SetCells(p, 1, {{1, 1}, {9, 1}, {5, 1}, {2, 5}, {3, 1}, {7, 1}});
    AngleRange(p, 3, 4, 1);
    FromC(p, 7, 2, p.RayAngleB);
    FromC(p, 8, 3, p.BisectorAngle);
    FromC(p, 9, 4, p.BisectorAngle);
    AngleRange(p, 3, 2, 4);
    FromC(p, 10, 3, p.BisectorAngle);
    FromC(p, 11, 4, p.BisectorAngle);
    Segment(p, 1, 2, kBlack);
    Segment(p, 3, 4, kBlack);
    Name(p, 1, "A", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 2, "B", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 3, "C", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 4, "D", {.dx = -40, .dy = -25, .color = kBlack});
    WaitForAnyKey(p);

    // The arc about C across CA, CD and CB.
    CompassArc(p, {.centre = 3, .through = 5, .b = 6, .c = 5,
                   .start = RayC(-0.03f).Wrapped(), .end = RayB(0.03f).Wrapped(),
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);

    // Equal arcs from points 5 and 7 meet at E.
    EqualArcsMeetingAt(p, 5, 7, 8, kGrey);
    Segment(p, 3, 9, kPurple);
    Name(p, 8, "E", {.dx = -50, .dy = 0, .color = kPurple});
    WaitForAnyKey(p);

    // Equal arcs from points 7 and 6 meet at F.
    EqualArcsMeetingAt(p, 7, 6, 10, kTeal);
    Segment(p, 3, 11, kPurple);
    Name(p, 10, "F", {.dx = 10, .dy = 0, .color = kPurple});
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 70, kBlack, "(2)");
    WriteOn(p, kBlack, "∠ECF=ﾀ1/2ﾀ*(∠ACD+∠BCD)=ﾀ1/2ﾀ*180%=");
    WriteOn(p, kPurple, "90%");
}
