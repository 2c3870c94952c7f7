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

// The name of a point: colour 3, 4 px right of and 50 px above it.
void PointName(Varnel& p, int n, const Text& name) { Label(p, p.PointX(n) + 4, p.PointY(n) - 50, kTeal, name); }

// The circled number of a step in colour 3, then its sentence, one line down.
void StepHeader(Varnel& p, const Text& number, const Text& sentence) {
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, number);
    WriteOn(p, kBlack, sentence);
}

// Wipes the figure's frame box (the text column stays) and draws segment AB
// with its names again.
void RedrawSegmentAB(Varnel& p) {
    EraseBox(p, p.GridLeft, p.GridTop, p.GridRight, p.GridBottom);
    Segment(p, 1, 2, kTeal);
    PointName(p, 1, "A");
    PointName(p, 2, "B");
}

// The compass needle on point n.
void Needle(Varnel& p, int n) { Disc(p, P(p, n), 6, kPurple); }

// A short compass arc about point `centre` (radius Radius) across the ray to
// point `through` (the angle's other ray goes to `other`).
void CompassArc(Varnel& p, int centre, int other, int through) {
    p.WorkA = static_cast<float>(centre);
    p.WorkB = static_cast<float>(other);
    p.WorkC = static_cast<float>(through);
    AngleRange(p, P(p, centre), P(p, other), P(p, through), 1);
    const float spread = 0.03f;
    Arc(p, P(p, centre), p.Radius, kPurple, p.ArcFractionC - spread, p.ArcFractionC + spread);
}

// One chevron a fifth of the way along i -> j (FromPoint, ToPoint name them).
void Chevron(Varnel& p, int i, int j) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Chevrons(p, P(p, i), P(p, j), {.size = 30, .color = kBrightBlue});
}

// One tick near the middle of i -> j (WorkA, WorkB name them).
void Tick(Varnel& p, int i, int j) {
    p.WorkA = static_cast<float>(i);
    p.WorkB = static_cast<float>(j);
    Ticks(p, P(p, i), P(p, j), {.size = 20, .color = kBrightBlue});
}

}  // namespace

void ShowParallelLineConstruction(Varnel& p) {
    EraseBox(p, 0, 0, 1320, 1300);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft + 27;
    p.TextLineY = 30;
    PenWidth(p, 5);
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
    PointName(p, 1, "A");
    PointName(p, 2, "B");
    WaitForAnyKey(p);

    StepHeader(p, "①", "線分ABに三角定規をあてる。");
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);

    StepHeader(p, "②", "別の定規を垂直にあてる。");
    DrawFortyFiveSetSquare(p);
    WaitForAnyKey(p);

    StepHeader(p, "③", "最初の定規をずらす。");
    RedrawSegmentAB(p);
    DrawFortyFiveSetSquare(p);
    SetP2(p, 32, P(p, 3));
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);

    StepHeader(p, "④", "直線をひく。");
    RaisedSegment(p, 3, 5, kGrey);
    WaitForAnyKey(p);

    StepHeader(p, "⑤", "コンパスの針を点Aにおく。");
    RedrawSegmentAB(p);
    Segment(p, 3, 5, kGrey);
    Needle(p, 1);
    PointName(p, 3, "C");
    Chevron(p, 1, 2);
    Chevron(p, 3, 4);
    WaitForAnyKey(p);

    StepHeader(p, "⑥", "コンパスの幅を線分ABの長さにする。");
    p.Radius = Distance(P(p, 1), P(p, 2));
    CompassArc(p, 1, 4, 2);
    WaitForAnyKey(p);

    StepHeader(p, "⑦", "コンパスの針を点Cにおく。");
    Needle(p, 3);
    WaitForAnyKey(p);

    StepHeader(p, "⑧", "点Dを求める。");
    CompassArc(p, 3, 2, 4);
    PointName(p, 4, "D");
    WaitForAnyKey(p);

    StepHeader(p, "⑨", "線分CDをひく。");
    Segment(p, 3, 4, kTeal);
    Tick(p, 1, 2);
    Tick(p, 3, 4);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 70, kGrey, "教科書P158 問3 をやろう。");
}
