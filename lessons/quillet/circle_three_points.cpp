// Topic 4 of the lesson on various constructions: the centre of a broken
// circular plate as the meet of the perpendicular bisectors of chords AB and
// BC, and the whole circle drawn again about it.
#include "lessons/common/kit.h"
#include "lessons/quillet/polar.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using quillet::Polar;

namespace {

// The fragment left of the plate: the 150-degree sector on the left of O,
// its inner part cut away along the broken edge, and its rim.
void DrawBrokenPlate(Quillet& p) {
    AngleMark(p, 0, 31, 32,
              {.size = p.Radius, .arcs = 0, .color = kWhite, .fill = kPink, .label = "", .shift = 1});
    FilledPolygon(p, {P(p, 0), P(p, 35), P(p, 34), P(p, 33)}, kWhite, kWhite);   // closed back to O
    Polyline(p, {P(p, 32), P(p, 35), P(p, 34), P(p, 33), P(p, 31)}, kBlack);
    p.ArcFractionB = 0.222222f;   // direction 280 degrees
    p.ArcFractionC = 0.638889f;   // direction 130 degrees
    Arc(p, P(p, 0), p.Radius, kBlack, p.ArcFractionB, p.ArcFractionC);
}

// The perpendicular bisector of the chord from point a to point b, a key
// after each step: the compass opened from a to the crossing `first`, the
// arcs about a and b across both crossings `first` and first + 1 (0.05 turn
// beyond each), then the bisector from first + 2 to first + 3 in colour 3.
void ChordBisector(Quillet& p, int a, int b, int first, float color) {
    CompassArc(p, {.centre = a, .through = first, .b = first + 1, .c = first,
                   .start = RayC(-0.05f), .end = RayB(0.05f), .color = color});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = b, .b = first, .c = first + 1, .start = RayC(-0.05f), .end = RayB(0.05f), .color = color});
    WaitForAnyKey(p);
    Segment(p, first + 2, first + 3, kTeal);
    WaitForAnyKey(p);
}

}  // namespace

void ShowCircleThroughThreePointsP176(Quillet& p) {
    BeginTopic(p);
    Grid(p, {.left = 720, .top = 100, .columns = 11, .rows = 10, .cell = 50});
    SetCells(p, 0, {{6, 6}});
    // The plate's broken edge.
    Polar(p, 31, 4, 130);
    Polar(p, 32, 4, 280);
    Polar(p, 33, 2, 130);
    Polar(p, 34, 1, 210);
    Polar(p, 35, 3, 280);
    // A, B, C on the rim; the crossings of each compass pair lie on the
    // bisector direction of their chord, the second mirrored through the
    // chord's middle (point 21).
    Polar(p, 1, 4, 140);
    Polar(p, 2, 4, 210);
    Polar(p, 3, 4, 270);
    Polar(p, 4, 2, 175);
    SetP(p, 21, Mid(P(p, 1), P(p, 2)));
    SetP(p, 5, {2 * p.PointX(21) - p.PointX(4), 2 * p.PointY(21) - p.PointY(4)});
    Polar(p, 8, 2, 240);
    SetP(p, 21, Mid(P(p, 2), P(p, 3)));
    SetP(p, 9, {2 * p.PointX(21) - p.PointX(8), 2 * p.PointY(21) - p.PointY(8)});
    // The ends of the two bisector lines.
    Polar(p, 6, 6, 175);
    Polar(p, 7, 1, 355);
    Polar(p, 10, 6, 240);
    Polar(p, 11, 1, 60);
    p.Radius = 4 * p.CellSize;
    DrawBrokenPlate(p);

    Write(p, p.TextLeft, p.TextLineY, kTeal, "P176Q 円の中心を求め円をかこう！");
    WaitForAnyKey(p);
    Dot(p, 1, kTeal);
    Dot(p, 2, kTeal);
    Dot(p, 3, kTeal);
    Name(p, 1, "A", {.dx = -30, .dy = -40});
    Name(p, 2, "B", {.dx = -30, .dy = 10});
    Name(p, 3, "C", {.dx = -30, .dy = 10});
    WaitForAnyKey(p);
    NextLine(p, kPurple, "弦の垂直二等分線は円の中心を通るから、");
    WaitForAnyKey(p);
    NextLine(p, kTeal, "弦AB,BCの垂直二等分線の交点が円の中心。");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "① 弦ABの垂直二等分線をひく。");
    ChordBisector(p, 1, 2, 4, kGrey);

    NextLine(p, kBlack, "② 弦BCの垂直二等分線をひく。");
    ChordBisector(p, 2, 3, 8, kBrightBlue);

    NextLine(p, kBlack, "③ 交点をOとする。");
    DotAndName(p, 0, "O", {.dx = -14, .dy = -55, .color = kPurple});
    WaitForAnyKey(p);
    NextLine(p, kBlack, "④ OAを半径とする円をかく。");
    p.Radius = 4 * p.CellSize;
    Circle(p, P(p, 0), p.Radius, kPurple);
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P176 基本の問題 をやろう。", 60);
}
