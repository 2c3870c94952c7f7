// The three topics of the 75-degree angle lesson. Each shows the finished
// angle in a small frame on the left, then constructs it in a large frame at
// twice the scale, one compass step per key. The compass procedures of the
// second topic (the equilateral-triangle pair and the bisection) serve the
// third as well.
#include <optional>

#include "lessons/common/kit.h"
#include "lessons/quillet/compass.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using namespace quillet;

namespace {

// The two frames: the goal (small) and the construction (large).
constexpr GridFrame kSmallFrame{.left = 0, .top = 375, .columns = 9, .rows = 8, .cell = 30};
constexpr GridFrame kLargeFrame{.left = 640, .top = 150, .columns = 9, .rows = 8, .cell = 60};

// The next line of the text column, 50 px down.
void NextLine(Quillet& p, float color, const Text& text) { Write(p, p.TextLeft, p.TextLineY + 50, color, text); }

// Vertex O (point 0) as a dot in colour 3 with its label.
void MarkVertexO(Quillet& p) {
    Dot(p, 0, kTeal);
    LabelO(p);
}

// The mark of the angle at point a between the rays to b and c: one arc of
// radius size - 8 in `color`, the label `label` in PenColor at distance size
// on the bisector, moved `offsetX` px across.
void AngleMarkAt(Quillet& p, int a, int b, int c, float size, float color, const Text& label, float offsetX = 0) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    p.LabelOffsetX = offsetX;
    AngleMark(p, P(p, a), P(p, b), P(p, c),
              {.size = size, .arcs = 1, .color = color, .label = label, .shift = 1});
}

// ---- The compass procedures -------------------------------------------------
// Written once for the 60 + 15 way; the 180 - 60 - 45 way and the 45 + 30 way
// are built with the same steps.

// One arc of the equilateral-triangle pair (radius Radius, the triangle's
// side): the dot on `centre` in colour 7, then the arc from 0.02 turn beyond
// the ray to c to 0.02 turn beyond the ray to b. Where that span crosses the
// rightward direction the caller gives the end reduced by 1 (`end`).
void EquilateralTriangleArc(Quillet& p, int centre, int b, int c, std::optional<float> end = {}) {
    Dot(p, centre, kGrey);
    Range(p, centre, b, c);
    CompassArc(p, centre, kGrey, p.ArcFractionC - 0.02f, end ? *end : p.ArcFractionB + 0.02f);
}

// The equilateral triangle on O's ray to b, towards the ray to c: Radius := 4
// cells (its side), the arc about O (its end `end` as above), a key, the arc
// about b, a key.
void EquilateralTriangleArcs(Quillet& p, int b, int c, std::optional<float> end = {}) {
    p.Radius = 4 * p.CellSize;
    EquilateralTriangleArc(p, 0, b, c, end);
    WaitForAnyKey(p);
    EquilateralTriangleArc(p, b, c, 0);
    WaitForAnyKey(p);
}

// The first arc of a bisection: the dot on O (point 0) in `color`, then the
// arc of radius Radius about O from 0.02 turn beyond the ray whose fraction is
// ArcFractionC to 0.02 turn beyond the ray whose fraction is ArcFractionB, as
// the caller left them.
void BisectionArcAboutO(Quillet& p, float color) {
    Dot(p, 0, color);
    CompassArc(p, 0, color, p.ArcFractionC - 0.02f, p.ArcFractionB + 0.02f);
}

// A short arc of a bisection about one crossing of the first arc (point
// `centre`), across the direction of the target point (+- 0.03 turn); the dot
// on `centre` in `color` first. The angle is computed with the rays to b and
// c, and the target is one of them.
void CrossingArc(Quillet& p, int centre, int b, int c, int target, float color) {
    Dot(p, centre, color);
    Range(p, centre, b, c);
    const float at = target == b ? p.ArcFractionB : p.ArcFractionC;
    CompassArc(p, centre, color, at - 0.03f, at + 0.03f);
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
void Mark45(Quillet& p) { AngleMarkAt(p, 0, 2, 6, 50, kTeal, "45%"); }
// The 30-degree mark between the 45-degree ray and the 75-degree ray.
void Mark30(Quillet& p) {
    p.PenColor = kPurple;
    AngleMarkAt(p, 0, 11, 16, 120, kPurple, "30%");
}

}  // namespace

void ShowAngle75AsSum45And30(Quillet& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "教科書P177 Q をやろう。");

    // The goal.
    Grid(p, kSmallFrame);
    SetAngle45Plus30Points(p);
    Line(p, {p.PointX(0) - p.CellSize, p.PointY(0)}, {p.PointX(2) + 2 * p.CellSize, p.PointY(2)}, kBlack);
    MarkVertexO(p);
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
    MarkVertexO(p);
    WaitForAnyKey(p);
    p.Radius = 3 * p.CellSize;
    p.ArcFractionC = 0.5f;   // the half circle over the line, 0.02 turn below it at each end
    p.ArcFractionB = 0;
    BisectionArcAboutO(p, kBrightBlue);
    WaitForAnyKey(p);
    OpenCompass(p, 1, 3);
    CrossingArc(p, 1, 2, 3, 3, kBrightBlue);
    WaitForAnyKey(p);
    CrossingArc(p, 2, 1, 3, 3, kBrightBlue);
    WaitForAnyKey(p);
    Segment(p, 0, 4, kBlack);
    WaitForAnyKey(p);

    // 45 degrees: the bisector of the right angle.
    OpenCompass(p, 5, 6);
    CrossingArc(p, 5, 2, 6, 6, kBrightBlue);
    WaitForAnyKey(p);
    CrossingArc(p, 2, 5, 6, 6, kBrightBlue);
    WaitForAnyKey(p);
    Segment(p, 0, 7, kTeal);
    Mark45(p);
    WaitForAnyKey(p);

    // 60 degrees: the equilateral triangle on the 45-degree ray.
    NextLine(p, kTeal, "60%は正三角形をかく。");
    WaitForAnyKey(p);
    EquilateralTriangleArcs(p, 11, 12);
    Segment(p, 0, 13, kBlack);
    AngleMarkAt(p, 0, 11, 12, 50, kTeal, "60%");   // label in the colour 3 of the last text
    WaitForAnyKey(p);

    // 30 degrees: the bisector of the 60-degree angle, the 75-degree ray.
    NextLine(p, kTeal, "30%は60%の角の二等分線をかく。");
    WaitForAnyKey(p);
    OpenCompass(p, 14, 16);
    CrossingArc(p, 15, 14, 16, 16, kGrey);
    WaitForAnyKey(p);
    CrossingArc(p, 14, 15, 16, 16, kGrey);
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
    MarkVertexO(p);
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
    AngleMarkAt(p, 0, 1, 2, 50, kTeal, "60%");   // label in the colour 3 of "O"
    Segment(p, 3, 2, kBlack);
    Segment(p, 3, 0, kBlack);
    Segment(p, 6, 0, kTeal);
    Segment(p, 0, 10, kPurple);
    p.PenColor = kPurple;
    AngleMarkAt(p, 0, 4, 9, 110, kPurple, "15%", 20);
    NextLine(p, kPurple, "75%=60%+15% だから 下図のような角をかけばよい。");

    // The construction.
    Grid(p, kLargeFrame);
    SetAngle60Plus15Points(p);
    DrawBaseRay(p);
    WaitForAnyKey(p);
    NextLine(p, kTeal, "60%は正三角形をかく。");
    WaitForAnyKey(p);
    EquilateralTriangleArcs(p, 1, 2, 0.02f);   // the span passes direction 0: its end is 1.02 - 1
    Segment(p, 0, 2, kBlack);
    p.PenColor = kPurple;
    AngleMarkAt(p, 0, 1, 2, 50, kTeal, "60%");
    WaitForAnyKey(p);
    EquilateralTriangleArcs(p, 2, 3);
    Segment(p, 0, 3, kBlack);
    p.PenColor = kTeal;
    AngleMarkAt(p, 0, 2, 3, 50, kTeal, "60%");
    WaitForAnyKey(p);

    // 90 degrees: the bisector of the angle between the rays at 60 and 120.
    NextLine(p, kTeal, "30%は60%の角の二等分線をかく。");
    WaitForAnyKey(p);
    p.Radius = 2 * p.CellSize;
    Range(p, 0, 4, 5);
    BisectionArcAboutO(p, kBrightBlue);
    WaitForAnyKey(p);
    OpenCompass(p, 4, 6);
    CrossingArc(p, 4, 6, 5, 6, kBrightBlue);
    WaitForAnyKey(p);
    CrossingArc(p, 5, 4, 6, 6, kBrightBlue);
    WaitForAnyKey(p);
    Segment(p, 0, 7, kTeal);
    AngleMarkAt(p, 0, 4, 8, 110, kTeal, "30%");   // label in the colour 3 of the last text
    WaitForAnyKey(p);

    // 75 degrees: the bisector of the angle between the rays at 60 and 90,
    // whose compass points already lie on the last arc about O.
    NextLine(p, kTeal, "15%は30%の角の二等分線をかく。");
    WaitForAnyKey(p);
    OpenCompass(p, 4, 9);
    CrossingArc(p, 4, 9, 8, 9, kPurple);
    WaitForAnyKey(p);
    CrossingArc(p, 8, 4, 9, 9, kPurple);
    WaitForAnyKey(p);
    Segment(p, 0, 10, kPurple);
    p.PenColor = kPurple;
    AngleMarkAt(p, 0, 4, 9, 180, kPurple, "15%");
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
    MarkVertexO(p);
}

// The 75-degree mark between the rays at 60 and 135 degrees.
void Mark75(Quillet& p) {
    p.PenColor = kPurple;
    AngleMarkAt(p, 0, 2, 8, 60, kPurple, "75%");
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
    AngleMarkAt(p, 0, 1, 2, 50, kTeal, "60%");   // labels in the colour 3 of "O"
    Segment(p, 0, 8, kPurple);
    AngleMarkAt(p, 0, 8, 4, 50, kTeal, "45%");
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
    EquilateralTriangleArcs(p, 1, 2, 0.02f);   // the span passes direction 0: its end is 1.02 - 1
    Segment(p, 0, 2, kPurple);
    AngleMarkAt(p, 0, 1, 2, 50, kTeal, "60%");   // label in the colour 3 of the last text
    WaitForAnyKey(p);

    // 90 degrees: the bisector of the straight angle at O.
    NextLine(p, kTeal, "45%は90%の角の二等分線をかく。");
    WaitForAnyKey(p);
    p.Radius = 2 * p.CellSize;
    p.ArcFractionC = 0.5f;   // the half circle over the line, 0.02 turn below it at each end
    p.ArcFractionB = 0;
    BisectionArcAboutO(p, kBrightBlue);
    WaitForAnyKey(p);
    OpenCompass(p, 3, 5);
    CrossingArc(p, 3, 5, 4, 5, kBrightBlue);
    WaitForAnyKey(p);
    CrossingArc(p, 4, 3, 5, 5, kBrightBlue);
    WaitForAnyKey(p);
    Segment(p, 0, 6, kBlack);
    WaitForAnyKey(p);

    // 135 degrees: the bisector of the right angle on the left.
    OpenCompass(p, 7, 8);
    CrossingArc(p, 7, 8, 4, 8, kBrightBlue);
    WaitForAnyKey(p);
    CrossingArc(p, 4, 7, 8, 8, kBrightBlue);
    WaitForAnyKey(p);
    Segment(p, 0, 9, kPurple);
    AngleMarkAt(p, 0, 8, 4, 50, kTeal, "45%");   // label in the colour 3 of the last text
    WaitForAnyKey(p);
    Mark75(p);
}
