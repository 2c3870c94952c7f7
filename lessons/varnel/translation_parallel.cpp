// Topic 4 of the translation lesson: a segment CD parallel to AB and as long,
// constructed in nine steps with two set squares and compasses.
#include <cmath>

#include "figures/figures.h"
#include "lessons/varnel/lesson_steps.h"
#include "lessons/varnel/set_squares.h"
#include "lessons/varnel/varnel.h"
#include "shell/shell.h"
#include "text/text.h"

using varnel::WriteLabel;
using varnel::WriteText;

namespace {

float& X(Program& p, int n) { return p.PointX(n); }
float& Y(Program& p, int n) { return p.PointY(n); }

// A segment between two points in `color`; `shifted` draws it 5 px higher,
// so that it shows just above the edge of a set square laid on it.
void Segment(Program& p, int from, int to, float color, bool shifted) {
    p.FromPoint = static_cast<float>(from);
    p.ToPoint = static_cast<float>(to);
    const float up = shifted ? 5.0f : 0.0f;
    p.rt.RtLine(X(p, from), Y(p, from) - up, X(p, to), Y(p, to) - up, color);
}

// The label of a point: colour 3, 4 px right of and 50 px above it.
void PointName(Program& p, int n, const Text& name) { WriteLabel(p, X(p, n) + 4, Y(p, n) - 50, 3, name); }

// The circled number of a step in colour 3, then its sentence, one line down.
void StepHeader(Program& p, const Text& number, const Text& sentence) {
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 3, number);
    WriteText(p, p.TextEndX, p.TextLineY, 0, sentence);
}

// The length of segment AB (points 1 and 2).
float LengthOfAB(Program& p) {
    return std::sqrt((X(p, 1) - X(p, 2)) * (X(p, 1) - X(p, 2)) + (Y(p, 1) - Y(p, 2)) * (Y(p, 1) - Y(p, 2)));
}

// Wipes the figure's frame box (the text column stays) and draws segment AB
// with its names again.
void RedrawSegmentAB(Program& p) {
    p.rt.RtLine(p.GridLeft, p.GridTop, p.GridRight, p.GridBottom, 15, BoxShape::Filled, 15);
    Segment(p, 1, 2, 3, false);
    PointName(p, 1, "A");
    PointName(p, 2, "B");
}

void Needle(Program& p, int n) { p.rt.RtCircle(X(p, n), Y(p, n), 6, 5, 1, 0, 0, true); }

// A short compass arc about point `centre` (radius Radius) across the ray to
// point `through`.
void CompassArc(Program& p, int centre, int other, int through) {
    p.WorkA = static_cast<float>(centre);
    p.WorkB = static_cast<float>(other);
    p.WorkC = static_cast<float>(through);
    p.MarkAX = X(p, centre);
    p.MarkAY = Y(p, centre);
    p.MarkBX = X(p, other);
    p.MarkBY = Y(p, other);
    p.MarkCX = X(p, through);
    p.MarkCY = Y(p, through);
    p.MarkShift = 1;
    ComputeAngleArcRange(p);
    const float spread = 0.03f;
    p.rt.RtCircle(X(p, centre), Y(p, centre), p.Radius, 5, 1, p.ArcFractionC - spread, p.ArcFractionC + spread);
}

void SegmentMarkInputs(Program& p, int from, int to) {
    p.Seg1X1 = X(p, from);
    p.Seg1Y1 = Y(p, from);
    p.Seg1X2 = X(p, to);
    p.Seg1Y2 = Y(p, to);
}

// One chevron a fifth of the way along from -> to.
void Chevron(Program& p, int from, int to) {
    p.FromPoint = static_cast<float>(from);
    p.ToPoint = static_cast<float>(to);
    SegmentMarkInputs(p, from, to);
    p.LineColor = 9;
    p.MarkSize = 30;
    p.MarkCount = 1;
    p.WorkA = 1;
    p.WorkB = 4;
    DrawChevronMarks(p);
}

// One equal-length tick near the middle of from -> to.
void Tick(Program& p, int from, int to) {
    p.WorkA = static_cast<float>(from);
    p.WorkB = static_cast<float>(to);
    SegmentMarkInputs(p, from, to);
    p.MarkShift = 0;
    p.TickSpacing = 8;
    p.MarkSize = 20;
    p.LineColor = 9;
    p.MarkCount = 1;
    DrawTickMarks(p);
}

}  // namespace

void ShowParallelLineConstruction(Program& p) {
    varnel::EraseBox(p, 0, 0, 1320, 1300);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft + 27;
    p.TextLineY = 30;
    p.rt.RtSetDrawWidth(5);
    varnel::SetGridFrame(p, 660, 50, 11, 9, 55);
    X(p, 1) = 3;
    Y(p, 1) = 7;
    X(p, 2) = 8;
    Y(p, 2) = 8;
    varnel::CellsToPixels(p, 1, 2);
    p.MarkAX = X(p, 1);
    p.MarkAY = Y(p, 1);
    p.MarkBX = X(p, 2);
    p.MarkBY = Y(p, 2);
    ComputeDirectionAngle(p);
    const float theta = p.DirectionAngle;
    p.SetSquareAngle = theta;
    p.PointX2(32) = X(p, 1);
    p.PointY2(32) = Y(p, 1);
    p.Radius2 = 3 * p.CellSize;
    p.SegmentLength = LengthOfAB(p);
    varnel::MovePoint(p.PointX, p.PointY, 3, 1, p.Radius2, 270 * p.Pi / 180 + theta);
    varnel::MovePoint(p.PointX, p.PointY, 4, 3, p.SegmentLength, theta);
    varnel::MovePoint(p.PointX, p.PointY, 5, 3, p.SegmentLength + 2 * p.CellSize, theta);
    p.FortyFiveSetSquareAngle = 270 * p.Pi / 180 + theta;
    p.PointX2(31) = X(p, 1) + p.CellSize * std::cos(90 * p.Pi / 180 + theta);
    p.PointY2(31) = Y(p, 1) - p.CellSize * std::sin(90 * p.Pi / 180 + theta);

    // The task.
    WriteText(p, p.ItemLeft, p.TextLineY, 3, "線分ABに平行で");
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 3, "長さが等しい線分CDをかこう！");
    Segment(p, 1, 2, 3, true);
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
    p.PointX2(32) = X(p, 3);
    p.PointY2(32) = Y(p, 3);
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);

    StepHeader(p, "④", "直線をひく。");
    Segment(p, 3, 5, 7, true);
    WaitForAnyKey(p);

    StepHeader(p, "⑤", "コンパスの針を点Aにおく。");
    RedrawSegmentAB(p);
    Segment(p, 3, 5, 7, false);
    Needle(p, 1);
    PointName(p, 3, "C");
    Chevron(p, 1, 2);
    Chevron(p, 3, 4);
    WaitForAnyKey(p);

    StepHeader(p, "⑥", "コンパスの幅を線分ABの長さにする。");
    p.Radius = LengthOfAB(p);
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
    Segment(p, 3, 4, 3, false);
    Tick(p, 1, 2);
    Tick(p, 3, 4);
    WaitForAnyKey(p);

    WriteText(p, p.TextLeft, p.TextLineY + 70, 7, "教科書P158 問3 をやろう。");
}
