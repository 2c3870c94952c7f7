// Chapter problems A of page 184, problems 4 (the square on AB from the
// perpendiculars at A and B) and 5 (the sector of 4 cm and 135 degrees).
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

// ---- Problem 4 ----------------------------------------------------------------

namespace {

// The points of the perpendicular to AB at `at`: the crossings `left` and
// `right` of the circle about `at` with AB, the ends `from` and `to` of the
// piece of AB drawn out beyond `at`, the crossing `cross` of the arcs about
// `left` and `right`, and the end `top` of the perpendicular.
struct PerpendicularPoints {
    int at, left, right, from, to, cross, top;
};

// The perpendicular to AB at point `at`, a key after each step: the circle
// about `at` through `left` and `right` (its upper half, reaching 0.03 turn
// below the line at both ends), AB drawn out, the arcs about `left` and
// `right` (radius: left to cross, a tenth of a turn across their rays to
// `cross`), the perpendicular. Leaves Radius the arcs' radius.
void PerpendicularAt(Quillet& p, const PerpendicularPoints& q) {
    CompassArc(p, {.centre = q.at, .through = q.left, .b = q.right, .c = q.left,
                   .start = RayC(-0.03f), .end = RayB(0.03f).Turned(-1), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, q.from, q.to, kBlack);
    WaitForAnyKey(p);
    CompassArc(p, {.centre = q.left, .through = q.cross, .b = q.at, .c = q.cross,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = q.right, .b = q.cross, .c = q.at,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, q.at, q.top, kBlack);
    WaitForAnyKey(p);
}

}  // namespace

void ShowChapterAProblem4(Quillet& p) {
    BeginTopic(p);   // this problem writes its sentences from 40
    ChapterTitle(p, kChapterATitle, "4");
    Grid(p, {.left = 480, .top = 200, .columns = 14, .rows = 8, .cell = 50});
    // A and B (1, 2); about A: the circle's crossings with AB 2 cells either
    // side (3, 4), the arcs' crossing 3.5 cells above (5), D 5 cells above
    // (6), the perpendicular's top 6 cells above (7); the same about B (8 to
    // 12); AB drawn out 4 cells beyond A and B (15, 16). Only the points set
    // here become pixels: the old pass over 1 to 20 also scaled the unset 13,
    // 14 and 17 to 20 on every run until they overflowed.
    SetCells(p, 1, {{4, 1}, {9, 1}, {2, 1}, {6, 1}, {4, 4.5f}, {4, 6}, {4, 7},
                    {7, 1}, {11, 1}, {9, 4.5f}, {9, 6}, {9, 7}});
    SetCells(p, 15, {{0, 1}, {13, 1}});
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
    NumberedLine(p, "①", kBlack, "点Aを通る垂線", {.numberColor = kTeal});
    WaitForAnyKey(p);
    PerpendicularAt(p, {.at = 1, .left = 3, .right = 4, .from = 15, .to = 1, .cross = 5, .top = 7});

    // Side AD, as long as AB.
    NumberedLine(p, "②", kBlack, "辺AD", {.numberColor = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .radius = 5 * p.CellSize, .start = Fraction(0.72f), .end = Fraction(0.03f),
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);
    DotAndName(p, 6, "D", {.dx = -40, .dy = -50});
    WaitForAnyKey(p);

    // The perpendicular at B.
    NumberedLine(p, "③", kBlack, "点Bを通る垂線", {.numberColor = kTeal});
    WaitForAnyKey(p);
    PerpendicularAt(p, {.at = 2, .left = 8, .right = 9, .from = 2, .to = 16, .cross = 10, .top = 12});

    // Side BC, as long as AB.
    NumberedLine(p, "④", kBlack, "辺BC", {.numberColor = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .radius = 5 * p.CellSize, .start = Fraction(0.47f), .end = Fraction(0.78f),
                   .startIn = &Program::ArcFractionC, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);
    DotAndName(p, 11, "C", {.dx = 10, .dy = -50});
    WaitForAnyKey(p);

    NumberedLine(p, "⑤", kBlack, "正方形ABCD", {.numberColor = kTeal});
    WaitForAnyKey(p);
    Polyline(p, {P(p, 1), P(p, 6), P(p, 11), P(p, 2), P(p, 1)}, kPurple);
}

// ---- Problem 5 ----------------------------------------------------------------

void ShowChapterAProblem5(Quillet& p) {
    BeginTopic(p, {.textLeft = 121});
    ChapterTitle(p, kChapterATitle, "5");
    Grid(p, {.left = 840, .top = 100, .columns = 6, .rows = 6, .cell = 60});
    SetCells(p, 0, {{3, 3}});
    p.Radius = 3 * p.CellSize;
    SetP(p, 1, Along(P(p, 0), p.Radius, 60 * p.Pi / 180));
    SetP(p, 2, Along(P(p, 0), p.Radius, 195 * p.Pi / 180));
    Circle(p, P(p, 0), p.Radius, kBlack);
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2),
              {.size = p.Radius, .arcs = 0, .color = kBlack, .fill = kGrey, .label = "", .shift = 1,
               .labelColor = kTeal});
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
