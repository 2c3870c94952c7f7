// Topic 5 of the perpendicular lesson: the distance from a point to a line.
// The pupil steps A along l, one cell per key, until "1"; then the answer,
// the distance from a point to a line, and the distance between two parallel
// lines with four perpendiculars.
#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

using namespace kit;
using namespace droveny;

// Frame 1 points: 1 P, 2 Q (the foot of the perpendicular from P), 3 P' (P
// mirrored in l), 4 and 5 the ends of l, 6 the start of A's track. A itself
// is point 1 of PointX2/PointY2.

namespace {

// l and P with their names.
void DrawLineAndP(Droveny& p) {
    Segment(p, 4, 5, kBlack);
    Name(p, 4, "l", {.dx = -45, .dy = -25});
    DotAndName(p, 1, "P", kNameAbove);
}

}  // namespace

void DrawMirrorPointFigure(Droveny& p) {
    DrawLineAndP(p);
    DotAndName(p, 3, "P'", {.dx = -14, .dy = 10});
    Segment(p, 1, 3, kBlack);
    Name(p, 2, "Q", {.dx = 8, .dy = 10});
    RightAngle(p, 2, 1, 5, {.size = 25, .shift = -1.0f});
    Ticks(p, 1, 2, {.count = 1, .size = 12, .color = kTeal, .shift = -8.0f});
    Ticks(p, 2, 3, {.count = 1, .size = 12, .color = kTeal, .shift = -8.0f});
}

void ShowPointLineDistance(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "「P170 Q」");
    WriteOn(p, kBlack, "PAがもっとも短くなるのは、どんなとき？");

    // Frame 1: Q, with P WorkB cells above and below it, and l reaching
    // WorkA cells to the left (half a cell more) and to the right.
    Grid(p, {.left = 800, .top = 75, .columns = 15, .rows = 12, .cell = 30});
    p.WorkA = 6;
    p.WorkB = 4;
    SetP(p, 2, {8, 6});
    SetP(p, 1, {p.PointX(2), p.PointY(2) + p.WorkB});
    SetP(p, 3, {p.PointX(2), p.PointY(2) - p.WorkB});
    SetP(p, 4, {p.PointX(2) - p.WorkA - 0.5f, p.PointY(2)});
    SetP(p, 5, {p.PointX(2) + p.WorkA, p.PointY(2)});
    SetP(p, 6, {p.PointX(2) - p.WorkA, p.PointY(2)});
    CellsToPixels(p, 1, 6);

    // The question's picture: A three cells along its track, joined to P.
    DrawLineAndP(p);
    SetP2(p, 1, {p.PointX(6) + 3 * p.CellSize, p.PointY(6)});
    DotAndName(p, P2(p, 1), "A", kNameAbove);
    Line(p, P2(p, 1), P(p, 1), kBlack);
    WaitForAnyKey(p);

    NextLine(p, kBlack, "点Pと直線lについて対称な点P'をとると");
    EraseFrame(p);
    // A steps one cell along l a key, from its start (point 6) back to it
    // once past the end of l (point 5), until "1".
    SetP2(p, 1, P(p, 6));
    const TickStyle equalToA{.count = 2, .size = 12, .color = kTeal, .spacing = 8.0f, .shift = -8.0f};
    const AnimationCounter alongL{
        .cell = &p.PointX2(1), .from = p.PointX(6), .by = p.CellSize, .upTo = p.PointX(5), .backTo = p.PointX(6)};
    Animate(p, {.erase = FrameArea(p), .counter = alongL}, [&] {
        DrawMirrorPointFigure(p);
        DotAndName(p, P2(p, 1), "A", kNameAbove);
        Line(p, P2(p, 1), P(p, 1), kBlack);
        Line(p, P2(p, 1), P(p, 3), kBlack);
        Ticks(p, P2(p, 1), P(p, 1), equalToA);
        Ticks(p, P2(p, 1), P(p, 3), equalToA);
    });
    EraseFrame(p);
    DrawMirrorPointFigure(p);
    Segment(p, 1, 2, kPurple);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "点Pと直線l上の点を結ぶ線分が、");
    NextLine(p, kTeal, "直線lに垂直になるとき。");
    WaitForAnyKey(p);

    // Below y 315 (two cells under l) P' and QP' go; PQ and its marks stay.
    EraseBox(p, p.GridLeft, p.PointY(2) + 2 * p.CellSize, p.GridRight, p.GridBottom);
    NextLine(p, kPurple, "<点と直線の距離>", 80);
    NextLine(p, kTeal, "点Pから直線lにひいた");
    WriteOn(p, kPurple, "垂線PQの長さ");
    WaitForAnyKey(p);

    NextLine(p, kPurple, "<平行な2直線の距離>", 80);
    NextLine(p, kBlack, "直線m∥直線nのとき");

    // Frame 2, three cells of frame 1 below Q: m (points 1, 2) over n (3, 4),
    // and point k on m over point k + 1 on n for k = 5, 7, 9, 11.
    Grid(p, {.left = 760, .top = p.PointY(2) + 3 * p.CellSize, .columns = 9, .rows = 5, .cell = 50});
    SetP(p, 1, {1, 4});
    SetP(p, 2, {9, 4});
    SetP(p, 3, {1, 1});
    SetP(p, 4, {9, 1});
    Count(p.LoopIndex, 5, 11, [&](int k) {
        SetP(p, k, {p.PointX(1) + static_cast<float>(k) - 3, p.PointY(1)});
        SetP(p, k + 1, {p.PointX(k), p.PointY(3)});
    }, 2);
    CellsToPixels(p, 1, 12);
    Segment(p, 1, 2, kBlack);
    Name(p, 1, "m", {.dx = -45, .dy = -25});
    Segment(p, 3, 4, kBlack);
    Name(p, 3, "n", {.dx = -45, .dy = -25});
    Chevrons(p, P(p, 1), P(p, 5), {.count = 1, .size = 25, .color = kGrey, .at = 1, .of = 5});
    Chevrons(p, P(p, 3), P(p, 6), {.count = 1, .size = 25, .color = kGrey, .at = 1, .of = 5});

    // The four perpendiculars with their right angles above n.
    Count(p.InnerIndex, 5, 11, [&](int k) {
        WaitForAnyKey(p);
        Dot(p, k, kTeal);
        WaitForAnyKey(p);
        Line(p, P(p, k), P(p, k + 1), kTeal);
        RightAngle(p, k + 1, k, 3, {.size = 25, .shift = -1.0f});
    }, 2);
    WaitForAnyKey(p);
    Count(p.InnerIndex, 5, 11, [&](int k) {
        Ticks(p, P(p, k), P(p, k + 1), {.count = 1, .size = 12, .color = kPurple, .spacing = 8.0f, .shift = -8.0f});
        WaitForAnyKey(p);
    }, 2);
    NextLine(p, kTeal, "点をm上のどこにとっても距離は一定");
    WaitForAnyKey(p);
    NextLine(p, kBlack, "m上の点からnにひいた");
    WriteOn(p, kPurple, "垂線の長さ");
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P170 問5 をやろう。", 60);
}
