// Chapter problems A of page 184, problems 4 (the square on AB from the
// perpendiculars at A and B) and 5 (the sector of 4 cm and 135 degrees).
#include "lessons/common/kit.h"
#include "lessons/quillet/chapter_steps.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using chapter::Dot;

// ---- Problem 4 ----------------------------------------------------------------

namespace {

// Point n set in cells, `dx` right of and `dy` above point `from` (in cells).
void CellsFrom(Quillet& p, int n, int from, float dx, float dy) {
    SetP(p, n, {p.PointX(from) + dx, p.PointY(from) + dy});
}

// A circled step number in colour 3 and its title.
void StepTitle(Quillet& p, const Text& number, const Text& title) {
    NextLine(p, kTeal, number);
    WriteOn(p, kBlack, title);
}

// The circle about point x of line AB through its crossings `left` and
// `right`: the upper half, reaching 0.03 turn below the line at both ends.
void CircleOnLine(Quillet& p, int x, int left, int right) {
    AngleRange(p, P(p, x), P(p, right), P(p, left), 1);
    Arc(p, P(p, x), p.Radius, kBrightBlue, p.ArcFractionC - 0.03f, p.ArcFractionB + 0.03f - 1);
}

// A tenth of a turn about the left crossing `y` centred on its ray to `target`
// (x is the point the perpendicular passes through).
void ArcFromLeft(Quillet& p, int y, int x, int target) {
    AngleRange(p, P(p, y), P(p, x), P(p, target), 1);
    Arc(p, P(p, y), p.Radius, kBrightBlue, p.ArcFractionC - 0.05f, p.ArcFractionC + 0.05f);
}

// The same about the right crossing `y`.
void ArcFromRight(Quillet& p, int y, int x, int target) {
    AngleRange(p, P(p, y), P(p, target), P(p, x), 1);
    Arc(p, P(p, y), p.Radius, kBrightBlue, p.ArcFractionB - 0.05f, p.ArcFractionB + 0.05f);
}

// The arc of radius AB about point `centre` that marks off a side, from the
// fixed fractions `start` to `end` (left in ArcFractionC and ArcFractionB).
void SideArc(Quillet& p, int centre, float start, float end) {
    p.Radius = 5 * p.CellSize;
    p.ArcFractionC = start;
    p.ArcFractionB = end;
    Arc(p, P(p, centre), p.Radius, kGrey, p.ArcFractionC, p.ArcFractionB);
}

// The points of the perpendicular to AB at `at`: the crossings `left` and
// `right` of the circle about `at` with AB, the ends `from` and `to` of the
// piece of AB drawn out beyond `at`, the crossing `cross` of the arcs about
// `left` and `right`, and the end `top` of the perpendicular.
struct PerpendicularPoints {
    int at, left, right, from, to, cross, top;
};

// The perpendicular to AB at point `at`, a key after each step: the circle
// about `at` through `left` and `right`, AB drawn out, the arcs about `left`
// and `right` (radius: left to cross), the perpendicular. Leaves Radius the
// arcs' radius.
void PerpendicularAt(Quillet& p, const PerpendicularPoints& q) {
    Dot(p, q.at, kBrightBlue);
    p.Radius = Distance(P(p, q.at), P(p, q.left));
    CircleOnLine(p, q.at, q.left, q.right);
    WaitForAnyKey(p);
    Segment(p, q.from, q.to, kBlack);
    WaitForAnyKey(p);
    Dot(p, q.left, kBrightBlue);
    p.Radius = Distance(P(p, q.left), P(p, q.cross));
    ArcFromLeft(p, q.left, q.at, q.cross);
    WaitForAnyKey(p);
    Dot(p, q.right, kBrightBlue);
    ArcFromRight(p, q.right, q.at, q.cross);
    WaitForAnyKey(p);
    Segment(p, q.at, q.top, kBlack);
    WaitForAnyKey(p);
}

}  // namespace

void ShowChapterAProblem4(Quillet& p) {
    ShowChapterHeading(p, kChapterATitle, "4", 5);
    p.TextLeft = p.ItemLeft;  // this problem writes its sentences from 40
    Grid(p, {.left = 480, .top = 200, .columns = 14, .rows = 8, .cell = 50});
    SetP(p, 1, {4, 1});
    CellsFrom(p, 2, 1, 5, 0);
    CellsFrom(p, 3, 1, -2, 0);
    CellsFrom(p, 4, 1, 2, 0);
    CellsFrom(p, 5, 1, 0, 3.5f);
    CellsFrom(p, 6, 1, 0, 5);
    CellsFrom(p, 7, 1, 0, 6);
    CellsFrom(p, 8, 2, -2, 0);
    CellsFrom(p, 9, 2, 2, 0);
    CellsFrom(p, 10, 2, 0, 3.5f);
    CellsFrom(p, 11, 2, 0, 5);
    CellsFrom(p, 12, 2, 0, 6);
    CellsFrom(p, 15, 1, -4, 0);
    CellsFrom(p, 16, 2, 4, 0);
    // Only the points set here become pixels: the old pass over 1 to 20 also
    // scaled the unset 13, 14 and 17 to 20 on every run until they overflowed.
    CellsToPixels(p, 1, 12);
    CellsToPixels(p, 15, 16);
    Segment(p, 1, 2, kBlack);
    Dot(p, 1, kTeal);
    Dot(p, 2, kTeal);
    Name(p, 1, "A", {.dx = -14, .dy = 10});
    Name(p, 2, "B", {.dx = -14, .dy = 10});
    WaitForAnyKey(p);

    NextLine(p, kGrey, "点A,Bを通る線分ABの垂線を、それぞれ作図し、", 60);
    NextLine(p, kGrey, "ABと等しい長さの辺AD,BCをとる。");
    WaitForAnyKey(p);

    // The perpendicular at A.
    StepTitle(p, "①", "点Aを通る垂線");
    WaitForAnyKey(p);
    PerpendicularAt(p, {.at = 1, .left = 3, .right = 4, .from = 15, .to = 1, .cross = 5, .top = 7});

    // Side AD, as long as AB.
    StepTitle(p, "②", "辺AD");
    WaitForAnyKey(p);
    Dot(p, 1, kGrey);
    SideArc(p, 1, 0.72f, 0.03f);
    WaitForAnyKey(p);
    DotAndName(p, 6, "D", {.dx = -40, .dy = -50});
    WaitForAnyKey(p);

    // The perpendicular at B.
    StepTitle(p, "③", "点Bを通る垂線");
    WaitForAnyKey(p);
    PerpendicularAt(p, {.at = 2, .left = 8, .right = 9, .from = 2, .to = 16, .cross = 10, .top = 12});

    // Side BC, as long as AB.
    StepTitle(p, "④", "辺BC");
    WaitForAnyKey(p);
    Dot(p, 2, kGrey);
    SideArc(p, 2, 0.47f, 0.78f);
    WaitForAnyKey(p);
    DotAndName(p, 11, "C", {.dx = 10, .dy = -50});
    WaitForAnyKey(p);

    StepTitle(p, "⑤", "正方形ABCD");
    WaitForAnyKey(p);
    Polyline(p, {P(p, 1), P(p, 6), P(p, 11), P(p, 2), P(p, 1)}, kPurple);
}

// ---- Problem 5 ----------------------------------------------------------------

void ShowChapterAProblem5(Quillet& p) {
    ShowChapterHeading(p, kChapterATitle, "5", 5);
    Grid(p, {.left = 840, .top = 100, .columns = 6, .rows = 6, .cell = 60});
    SetP(p, 0, {p.OriginX + 3 * p.CellSize, p.OriginY - 3 * p.CellSize});
    p.Radius = 3 * p.CellSize;
    SetP(p, 1, Along(P(p, 0), p.Radius, 60 * p.Pi / 180));
    SetP(p, 2, Along(P(p, 0), p.Radius, 195 * p.Pi / 180));
    Circle(p, P(p, 0), p.Radius, kBlack);
    p.PenColor = kTeal;
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2),
              {.size = p.Radius, .arcs = 0, .color = kBlack, .fill = kGrey, .label = "", .shift = 1});
    VertexLabel(p, P(p, 0), P(p, 1), P(p, 2), "135%", {.distance = 50, .labelColor = kTeal});
    DottedArc(p, P(p, 0), P(p, 1), {.side = 1, .bulge = 20, .step = 5, .color = kTeal, .label = "4cm"});
    WaitForAnyKey(p);

    NextLine(p, kGrey, "弧の長さは、", 60);
    NextLine(p, kBlack, " 2π*4*ﾀ135/360ﾀ", 70);
    NextLine(p, kBlack, "=2π*4*ﾀ3/8ﾀ", 70);
    NextLine(p, kPurple, "=3π (cm)", 60);
    WaitForAnyKey(p);

    NextLine(p, kGrey, "面積は、", 60);
    NextLine(p, kBlack, " π*4^2*ﾀ135/360ﾀ", 70);
    NextLine(p, kBlack, "=π*16*ﾀ3/8ﾀ", 70);
    NextLine(p, kPurple, "=6π (cm^2)", 60);
}
