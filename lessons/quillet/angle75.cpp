// The three topics of the 75-degree angle lesson. Each shows the finished
// angle in a small frame on the left, then constructs it in a large frame at
// twice the scale, one compass step per key. The equilateral triangle's pair
// of arcs serves every topic.
#include "lessons/common/kit.h"
#include "lessons/quillet/polar.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using quillet::Polar;

namespace {

// The two frames: the goal (small) and the construction (large).
constexpr GridFrame kSmallFrame{.left = 0, .top = 375, .columns = 9, .rows = 8, .cell = 30};
constexpr GridFrame kLargeFrame{.left = 640, .top = 150, .columns = 9, .rows = 8, .cell = 60};

// The equilateral triangle on O's ray to b, towards the ray to c, a key after
// each arc: the compass opened to 4 cells (its side), the arc about O from
// 0.02 turn before the ray to c to `end` (0.02 turn past the ray to b, or a
// fixed fraction where that span crosses the rightward direction), then the
// arc about b across the rays to c and O.
void EquilateralTriangle(Quillet& p, int b, int c, ArcEnd end = RayB(0.02f)) {
    CompassArc(p, {.centre = 0, .radius = 4 * p.CellSize, .b = b, .c = c, .start = RayC(-0.02f), .end = end});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = b, .b = c, .c = 0, .start = RayC(-0.02f), .end = RayB(0.02f)});
    WaitForAnyKey(p);
}

}  // namespace

// ---- Topic 1: 75 = 45 + 30 ---------------------------------------------------

void SetAngle45Plus30Points(Quillet& p) {
    SetCells(p, 0, {{4, 1}, {1, 1}, {7, 1}, {4, 6}, {4, 7}, {4, 4}, {8, 5}, {9, 6}});
    Polar(p, 11, 4, 45);
    Polar(p, 12, 4, 105);
    Polar(p, 13, 5, 105);
    Polar(p, 14, 3, 45);
    Polar(p, 15, 3, 105);
    Polar(p, 16, 5, 75);
    Polar(p, 17, 6, 75);
}

namespace {

// The 45-degree mark between the line (point 2) and the 45-degree ray
// (point 6); its label takes the colour 3 of the last text or label.
void Mark45(Quillet& p) { AngleMark(p, P(p, 0), P(p, 2), P(p, 6), {.size = 50, .label = "45%", .shift = 1}); }
// The 30-degree mark between the 45-degree ray and the 75-degree ray.
void Mark30(Quillet& p) {
    AngleMark(p, P(p, 0), P(p, 11), P(p, 16),
              {.size = 120, .color = kPurple, .label = "30%", .shift = 1, .labelColor = kPurple});
}

}  // namespace

void ShowAngle75AsSum45And30(Quillet& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "教科書P177 Q をやろう。");

    // The goal.
    Grid(p, kSmallFrame);
    SetAngle45Plus30Points(p);
    Line(p, {p.PointX(0) - p.CellSize, p.PointY(0)}, {p.PointX(2) + 2 * p.CellSize, p.PointY(2)}, kBlack);
    DotAndName(p, 0, "O", {.dx = -14, .dy = 10});
    Segment(p, 0, 7, kTeal);
    Mark45(p);
    Segment(p, 0, 17, kPurple);
    Mark30(p);
    NextLine(p, kPurple, "75%=45%+30% だから 下図のような角をかけばよい。");
    WaitForAnyKey(p);

    // 90 degrees: the perpendicular at O.
    NextLine(p, kTeal, "45%は90%の角の二等分線をかく。");
    Grid(p, kLargeFrame);
    SetAngle45Plus30Points(p);
    Line(p, {p.PointX(1) - p.CellSize, p.PointY(1)}, {p.PointX(2) + 2 * p.CellSize, p.PointY(2)}, kBlack);
    DotAndName(p, 0, "O", {.dx = -14, .dy = 10});
    WaitForAnyKey(p);
    // The half circle over the line, 0.02 turn below it at each end.
    CompassArc(p, {.centre = 0, .radius = 3 * p.CellSize, .start = Fraction(0.5f - 0.02f), .end = Fraction(0.02f),
                   .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .through = 3, .b = 2, .c = 3,
                   .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .b = 1, .c = 3, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 0, 4, kBlack);
    WaitForAnyKey(p);

    // 45 degrees: the bisector of the right angle.
    CompassArc(p, {.centre = 5, .through = 6, .b = 2, .c = 6,
                   .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .b = 5, .c = 6, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 0, 7, kTeal);
    Mark45(p);
    WaitForAnyKey(p);

    // 60 degrees: the equilateral triangle on the 45-degree ray.
    NextLine(p, kTeal, "60%は正三角形をかく。");
    WaitForAnyKey(p);
    EquilateralTriangle(p, 11, 12);
    Segment(p, 0, 13, kBlack);
    // Label in the colour 3 of the last text.
    AngleMark(p, P(p, 0), P(p, 11), P(p, 12), {.size = 50, .label = "60%", .shift = 1});
    WaitForAnyKey(p);

    // 30 degrees: the bisector of the 60-degree angle, the 75-degree ray.
    NextLine(p, kTeal, "30%は60%の角の二等分線をかく。");
    WaitForAnyKey(p);
    // The compass opened from 14 to 16, the same as from 15.
    CompassArc(p, {.centre = 15, .radius = Distance(P(p, 14), P(p, 16)), .b = 14, .c = 16,
                   .start = RayC(-0.03f), .end = RayC(0.03f)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 14, .b = 15, .c = 16, .start = RayC(-0.03f), .end = RayC(0.03f)});
    WaitForAnyKey(p);
    Segment(p, 0, 17, kPurple);
    Mark30(p);
}

// ---- Topic 2: 75 = 60 + 15 ---------------------------------------------------

void SetAngle60Plus15Points(Quillet& p) {
    SetCells(p, 0, {{4, 1}, {8, 1}});
    Polar(p, 2, 4, 60);
    Polar(p, 3, 4, 120);
    Polar(p, 4, 2, 60);
    Polar(p, 5, 2, 120);
    Polar(p, 6, 5, 90);
    Polar(p, 7, 6, 90);
    Polar(p, 8, 2, 90);
    Polar(p, 9, 5, 75);
    Polar(p, 10, 6, 75);
}

namespace {

// The base ray from O to one cell beyond point 1, and O.
void DrawBaseRay(Quillet& p) {
    Line(p, P(p, 0), {p.PointX(1) + p.CellSize, p.PointY(1)}, kBlack);
    DotAndName(p, 0, "O", {.dx = -14, .dy = 10});
}

}  // namespace

void ShowAngle75AsSum60And15(Quillet& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "にるせさんの考えで作図しよう。");

    // The goal.
    Grid(p, kSmallFrame);
    SetAngle60Plus15Points(p);
    DrawBaseRay(p);
    Segment(p, 0, 2, kBlack);
    Segment(p, 1, 2, kBlack);
    // Label in the colour 3 of "O".
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2), {.size = 50, .label = "60%", .shift = 1});
    Segment(p, 3, 2, kBlack);
    Segment(p, 3, 0, kBlack);
    Segment(p, 6, 0, kTeal);
    Segment(p, 0, 10, kPurple);
    AngleMark(p, P(p, 0), P(p, 4), P(p, 9),
              {.size = 110, .color = kPurple, .label = "15%", .shift = 1, .labelColor = kPurple, .labelDx = 20});
    NextLine(p, kPurple, "75%=60%+15% だから 下図のような角をかけばよい。");

    // The construction.
    Grid(p, kLargeFrame);
    SetAngle60Plus15Points(p);
    DrawBaseRay(p);
    WaitForAnyKey(p);
    NextLine(p, kTeal, "60%は正三角形をかく。");
    WaitForAnyKey(p);
    EquilateralTriangle(p, 1, 2, Fraction(0.02f));   // the span passes direction 0: its end is 1.02 - 1
    Segment(p, 0, 2, kBlack);
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2), {.size = 50, .label = "60%", .shift = 1, .labelColor = kPurple});
    WaitForAnyKey(p);
    EquilateralTriangle(p, 2, 3);
    Segment(p, 0, 3, kBlack);
    AngleMark(p, P(p, 0), P(p, 2), P(p, 3), {.size = 50, .label = "60%", .shift = 1, .labelColor = kTeal});
    WaitForAnyKey(p);

    // 90 degrees: the bisector of the angle between the rays at 60 and 120.
    NextLine(p, kTeal, "30%は60%の角の二等分線をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 0, .radius = 2 * p.CellSize, .b = 4, .c = 5,
                   .start = RayC(-0.02f), .end = RayB(0.02f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .through = 6, .b = 6, .c = 5,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 5, .b = 4, .c = 6, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 0, 7, kTeal);
    // Label in the colour 3 of the last text.
    AngleMark(p, P(p, 0), P(p, 4), P(p, 8), {.size = 110, .label = "30%", .shift = 1});
    WaitForAnyKey(p);

    // 75 degrees: the bisector of the angle between the rays at 60 and 90,
    // whose compass points already lie on the last arc about O.
    NextLine(p, kTeal, "15%は30%の角の二等分線をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .through = 9, .b = 9, .c = 8,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kPurple});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 8, .b = 4, .c = 9, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kPurple});
    WaitForAnyKey(p);
    Segment(p, 0, 10, kPurple);
    AngleMark(p, P(p, 0), P(p, 4), P(p, 9),
              {.size = 180, .color = kPurple, .label = "15%", .shift = 1, .labelColor = kPurple});
}

// ---- Topic 3: 75 = 180 - 60 - 45 ---------------------------------------------

void SetAngle180Minus60Minus45Points(Quillet& p) {
    SetCells(p, 0, {{4, 1}, {8, 1}});
    SetCells(p, 3, {{6, 1}, {2, 1}, {4, 6}, {4, 7}, {4, 3}});
    Polar(p, 2, 4, 60);
    Polar(p, 8, 5, 135);
    Polar(p, 9, 6, 135);
}

namespace {

// The base line from the frame's left edge to one cell beyond point 1, and O.
void DrawBaseLine(Quillet& p) {
    Line(p, {p.GridLeft, p.PointY(1)}, {p.PointX(1) + p.CellSize, p.PointY(1)}, kBlack);
    DotAndName(p, 0, "O", {.dx = -14, .dy = 10});
}

// The 75-degree mark between the rays at 60 and 135 degrees.
void Mark75(Quillet& p) {
    AngleMark(p, P(p, 0), P(p, 2), P(p, 8),
              {.size = 60, .color = kPurple, .label = "75%", .shift = 1, .labelColor = kPurple});
}

}  // namespace

void ShowAngle75As180Minus60Minus45(Quillet& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "けずもさんの考えで作図しよう。");

    // The goal, its frame 40 px further right.
    GridFrame small = kSmallFrame;
    small.left = 40;
    Grid(p, small);
    SetAngle180Minus60Minus45Points(p);
    DrawBaseLine(p);
    Segment(p, 0, 2, kBlack);
    // Labels in the colour 3 of "O".
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2), {.size = 50, .label = "60%", .shift = 1});
    Segment(p, 0, 8, kPurple);
    AngleMark(p, P(p, 0), P(p, 8), P(p, 4), {.size = 50, .label = "45%", .shift = 1});
    Mark75(p);
    NextLine(p, kPurple, "75%=180%-60%-45% だから 下図のような角をかけばよい。");

    // The construction.
    Grid(p, kLargeFrame);
    SetAngle180Minus60Minus45Points(p);
    DrawBaseLine(p);
    WaitForAnyKey(p);

    // 60 degrees: the equilateral triangle on the base line.
    NextLine(p, kTeal, "60%は正三角形をかく。");
    WaitForAnyKey(p);
    EquilateralTriangle(p, 1, 2, Fraction(0.02f));   // the span passes direction 0: its end is 1.02 - 1
    Segment(p, 0, 2, kPurple);
    // Label in the colour 3 of the last text.
    AngleMark(p, P(p, 0), P(p, 1), P(p, 2), {.size = 50, .label = "60%", .shift = 1});
    WaitForAnyKey(p);

    // 90 degrees: the bisector of the straight angle at O.
    NextLine(p, kTeal, "45%は90%の角の二等分線をかく。");
    WaitForAnyKey(p);
    // The half circle over the line, 0.02 turn below it at each end.
    CompassArc(p, {.centre = 0, .radius = 2 * p.CellSize, .start = Fraction(0.5f - 0.02f), .end = Fraction(0.02f),
                   .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 3, .through = 5, .b = 5, .c = 4,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .b = 3, .c = 5, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 0, 6, kBlack);
    WaitForAnyKey(p);

    // 135 degrees: the bisector of the right angle on the left.
    CompassArc(p, {.centre = 7, .through = 8, .b = 8, .c = 4,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .b = 7, .c = 8, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 0, 9, kPurple);
    // Label in the colour 3 of the last text.
    AngleMark(p, P(p, 0), P(p, 8), P(p, 4), {.size = 50, .label = "45%", .shift = 1});
    WaitForAnyKey(p);
    Mark75(p);
}
