// Topic 4 of the translation lesson: a segment CD parallel to AB and as long,
// constructed in nine steps with two set squares and compasses.
#include "lessons/common/kit.h"
#include "lessons/varnel/set_squares.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

// Segment i-j in `color`, drawn 5 px higher so that it shows just above the
// edge of a set square laid on it.
void RaisedSegment(Varnel& p, int i, int j, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Line(p, {p.PointX(i), p.PointY(i) - 5}, {p.PointX(j), p.PointY(j) - 5}, color);
}

// The names of the points: colour 3, 4 px right of and 50 px above them.
constexpr NameStyle kAbove{.dx = 4, .dy = -50};

// The circled numbers of the steps, in colour 3.
constexpr NumberStyle kStepNumber{.numberColor = kTeal};

// Wipes the figure's frame box (the text column stays) and draws segment AB
// with its names again.
void RedrawSegmentAB(Varnel& p) {
    EraseFrame(p);
    Segment(p, 1, 2, kTeal);
    Name(p, 1, "A", kAbove);
    Name(p, 2, "B", kAbove);
}

// One chevron a fifth of the way along i -> j (FromPoint, ToPoint name them).
void Chevron(Varnel& p, int i, int j) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Chevrons(p, P(p, i), P(p, j), {.size = 30, .color = kBrightBlue});
}

}  // namespace

void ShowParallelLineConstruction(Varnel& p) {
    Erase(p, {0, 0, 1320, 1300});
    SetTextColumn(p, {.itemLeft = 40, .textLeft = 67, .firstLineY = 30});
    Grid(p, {.left = 660, .top = 50, .columns = 11, .rows = 9, .cell = 55});
    SetCells(p, 1, {{3, 7}, {8, 8}});
    // The 30-60-90 set square lies on AB, its right angle on A; C is three
    // cells below A across AB, CD and the line through C go along AB; the
    // 45-degree set square stands on the line through A and C.
    const float theta = DirectionOf(p, P(p, 1), P(p, 2));
    p.SetSquareAngle = theta;
    SetP2(p, 32, P(p, 1));
    p.Radius2 = 3 * p.CellSize;
    p.SegmentLength = Distance(P(p, 1), P(p, 2));
    SetP(p, 3, Along(P(p, 1), p.Radius2, 270 * p.Pi / 180 + theta));
    SetP(p, 4, Along(P(p, 3), p.SegmentLength, theta));
    SetP(p, 5, Along(P(p, 3), p.SegmentLength + 2 * p.CellSize, theta));
    p.FortyFiveSetSquareAngle = 270 * p.Pi / 180 + theta;
    SetP2(p, 31, Along(P(p, 1), p.CellSize, 90 * p.Pi / 180 + theta));

    // The task.
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "線分ABに平行で");
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, "長さが等しい線分CDをかこう！");
    RaisedSegment(p, 1, 2, kTeal);
    Name(p, 1, "A", kAbove);
    Name(p, 2, "B", kAbove);
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "線分ABに三角定規をあてる。", kStepNumber);
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "別の定規を垂直にあてる。", kStepNumber);
    DrawFortyFiveSetSquare(p);
    WaitForAnyKey(p);

    NumberedLine(p, "③", kBlack, "最初の定規をずらす。", kStepNumber);
    RedrawSegmentAB(p);
    DrawFortyFiveSetSquare(p);
    SetP2(p, 32, P(p, 3));
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);

    NumberedLine(p, "④", kBlack, "直線をひく。", kStepNumber);
    RaisedSegment(p, 3, 5, kGrey);
    WaitForAnyKey(p);

    NumberedLine(p, "⑤", kBlack, "コンパスの針を点Aにおく。", kStepNumber);
    RedrawSegmentAB(p);
    Segment(p, 3, 5, kGrey);
    Dot(p, 1, kPurple);   // the compass needle
    Name(p, 3, "C", kAbove);
    Chevron(p, 1, 2);
    Chevron(p, 3, 4);
    WaitForAnyKey(p);

    NumberedLine(p, "⑥", kBlack, "コンパスの幅を線分ABの長さにする。", kStepNumber);
    // About A, opened to B: an arc 0.03 of a turn either side of B.
    CompassArc(p, {.centre = 1, .through = 2, .b = 4, .c = 2, .start = RayC(-0.03f), .end = RayC(0.03f),
                   .color = kPurple, .centreDot = false});
    WaitForAnyKey(p);

    NumberedLine(p, "⑦", kBlack, "コンパスの針を点Cにおく。", kStepNumber);
    Dot(p, 3, kPurple);
    WaitForAnyKey(p);

    NumberedLine(p, "⑧", kBlack, "点Dを求める。", kStepNumber);
    // About C, the opening AB kept from step ⑥: an arc across the line
    // through C, 0.03 of a turn either side of D.
    CompassArc(p, {.centre = 3, .b = 2, .c = 4, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kPurple,
                   .centreDot = false});
    Name(p, 4, "D", kAbove);
    WaitForAnyKey(p);

    NumberedLine(p, "⑨", kBlack, "線分CDをひく。", kStepNumber);
    Segment(p, 3, 4, kTeal);
    Ticks(p, 1, 2, {.size = 20, .color = kBrightBlue});
    Ticks(p, 3, 4, {.size = 20, .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kGrey, "教科書P158 問3 をやろう。", 70);
}
