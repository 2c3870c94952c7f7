// Topic 3 of the lesson on various constructions, example 1: the point P at
// equal distance from lines AC, AB and BD as the meet of two angle
// bisectors, constructed with compasses, and the circle about P that touches
// all three lines.
#include "lessons/common/kit.h"
#include "lessons/quillet/compass.h"
#include "lessons/quillet/quillet.h"

using namespace kit;
using namespace quillet;

namespace {

// The next line of the text column, `gap` px down.
void NextLine(Quillet& p, float color, const Text& text, float gap = 50) {
    Write(p, p.TextLeft, p.TextLineY + gap, color, text);
}

// The right-angle mark at the foot `vertex` between the line towards `along`
// and the perpendicular towards `to` (the rays exchanged).
void FootMark(Quillet& p, int vertex, int along, int to, float size) {
    p.IndexA = static_cast<float>(vertex);
    p.IndexB = static_cast<float>(along);
    p.IndexC = static_cast<float>(to);
    RightAngle(p, P(p, vertex), P(p, along), P(p, to), {.size = size, .shift = -1.0f});
}

// P as a dot in colour 5 with its name above it.
void MarkP(Quillet& p) {
    DotAndName(p, 0, "P", {.dx = -14, .dy = -55, .color = kPurple});
}

}  // namespace

void DrawEquidistantPointFigure(Quillet& p) {
    Segment(p, 1, 2, kBlack);
    Segment(p, 1, 3, kBlack);
    Segment(p, 2, 4, kBlack);
    Name(p, 1, "A", {.dx = -20, .dy = 10});
    Name(p, 2, "B", {.dx = 10, .dy = 10});
    Name(p, 3, "C", {.dx = -40, .dy = 10});
    Name(p, 4, "D", {.dx = 10, .dy = 10});
}

void ShowEquidistantPointExample1(Quillet& p) {
    BeginTopic(p);
    Grid(p, {.left = 720, .top = 100, .columns = 11, .rows = 8, .cell = 50});
    SetCells(p, 1, {{3, 1}, {9, 1}, {1, 7}, {10, 7}});

    // The bisectors of angles CAB and DBA, 3 and 6 cells long, and P where
    // they meet.
    Range(p, 1, 2, 3);
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 6 * p.CellSize;
    SetP(p, 7, Along(P(p, 1), p.Radius, p.BisectorAngle));
    SetP(p, 17, Along(P(p, 1), p.Radius2, p.BisectorAngle));
    Range(p, 2, 4, 1);
    SetP(p, 10, Along(P(p, 2), p.Radius, p.BisectorAngle));
    SetP(p, 20, Along(P(p, 2), p.Radius2, p.BisectorAngle));
    SetP(p, 0, Crossing(p, P(p, 7), P(p, 1), P(p, 10), P(p, 2)));
    // The compass points on the sides, 2 cells from A and from B.
    SetP(p, 6, {p.PointX(1) + 2 * p.CellSize, p.PointY(1)});
    SetP(p, 8, {p.PointX(2) - 2 * p.CellSize, p.PointY(1)});
    p.Distance = 2 * p.CellSize;
    SetP(p, 9, Along(P(p, 2), p.Distance, DirectionOf(p, P(p, 2), P(p, 4))));
    SetP(p, 5, Along(P(p, 1), p.Distance, DirectionOf(p, P(p, 1), P(p, 3))));
    // E, the foot of P on AB, and the feet on AC and BD (each foot routine
    // leaves its small background-coloured disc on the blank screen).
    SetP(p, 12, {p.PointX(0), p.PointY(1)});
    SetP(p, 11, Foot(p, P(p, 1), P(p, 3), P(p, 0)));
    SetP(p, 13, Foot(p, P(p, 2), P(p, 4), P(p, 0)));
    DrawEquidistantPointFigure(p);

    Write(p, p.TextLeft, p.TextLineY, kTeal, "例1 AC,AB,BDまでの距離が等しい点Pの作図");
    WaitForAnyKey(p);

    // P with its three equal perpendiculars.
    Segment(p, 0, 11, kBlack);
    Segment(p, 0, 12, kBlack);
    Segment(p, 0, 13, kBlack);
    FootMark(p, 11, 1, 0, 20);
    FootMark(p, 12, 2, 0, 20);
    FootMark(p, 13, 4, 0, 20);
    for (int foot : {11, 12, 13}) {
        p.InnerIndex = static_cast<float>(foot);
        Ticks(p, P(p, foot), P(p, 0), {.count = 1, .size = 20, .color = kPurple, .spacing = 8.0f, .shift = -8.0f});
    }
    MarkP(p);
    WaitForAnyKey(p);
    NextLine(p, kPurple, "角の2辺までの距離が等しい点は、");
    NextLine(p, kPurple, "角の二等分線上にある。");
    WaitForAnyKey(p);
    Segment(p, 1, 17, kTeal);
    WaitForAnyKey(p);
    Segment(p, 2, 20, kTeal);
    WaitForAnyKey(p);
    EraseBox(p, p.GridLeft, p.GridTop, p.GridRight, p.GridBottom);
    DrawEquidistantPointFigure(p);
    WaitForAnyKey(p);

    // Each construction: (a) an arc about the vertex across both sides, (b) the
    // compass on one side point, an arc across the line to the meeting point,
    // (c) the same opening on the other side point, whose arc meets the last
    // there, (d) the line.
    // 1: the bisector of angle CAB. Side AB has the direction 0 (fraction 1),
    // so the spans that pass it give their ends reduced by 1.
    NextLine(p, kBlack, "① ∠CABの二等分線をひく。");
    OpenCompass(p, 1, 5);
    Range(p, 1, 6, 5);
    CompassArc(p, 1, kGrey, p.ArcFractionC - 0.03f, 0.03f);
    WaitForAnyKey(p);
    Dot(p, 5, kGrey);
    OpenCompass(p, 5, 7);
    Range(p, 5, 6, 7);
    CompassArc(p, 5, kGrey, p.ArcFractionC - 0.05f, p.ArcFractionC + 0.05f - 1);
    WaitForAnyKey(p);
    Dot(p, 6, kGrey);
    Range(p, 6, 7, 5);
    CompassArc(p, 6, kGrey, p.ArcFractionB - 0.03f, p.ArcFractionB + 0.03f);
    WaitForAnyKey(p);
    Segment(p, 1, 17, kBlack);
    WaitForAnyKey(p);

    // 2: the bisector of angle DBA.
    NextLine(p, kBlack, "② ∠DBAの二等分線をひく。");
    OpenCompass(p, 2, 8);
    Range(p, 2, 9, 8);
    CompassArc(p, 2, kBrightBlue, p.ArcFractionC - 0.03f, p.ArcFractionB + 0.03f);
    WaitForAnyKey(p);
    Dot(p, 8, kBrightBlue);
    OpenCompass(p, 8, 10);
    Range(p, 8, 9, 10);
    CompassArc(p, 8, kBrightBlue, p.ArcFractionC - 0.05f, p.ArcFractionC + 0.05f);
    WaitForAnyKey(p);
    Dot(p, 9, kBrightBlue);
    Range(p, 9, 10, 8);
    CompassArc(p, 9, kBrightBlue, p.ArcFractionB - 0.03f, p.ArcFractionB + 0.03f);
    WaitForAnyKey(p);
    Segment(p, 2, 20, kBlack);
    WaitForAnyKey(p);

    NextLine(p, kBlack, "③ 交点をPとする。");
    MarkP(p);
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P175 問2 をやろう。", 60);
    WaitForAnyKey(p);
    NextLine(p, kTeal, "PからABに垂線PEをひき、");
    NextLine(p, kTeal, "PEを半径とする円をかく。");
    WaitForAnyKey(p);

    // 3: the perpendicular from P to AB, its compass points 2 cells either
    // side of E and its arcs meeting 3 cells below E.
    SetP(p, 21, {p.PointX(12) - 2 * p.CellSize, p.PointY(12)});
    SetP(p, 22, {p.PointX(12) + 2 * p.CellSize, p.PointY(12)});
    SetP(p, 23, {p.PointX(12), p.PointY(12) + 3 * p.CellSize});
    SetP(p, 24, {p.PointX(12), p.PointY(12) + 4 * p.CellSize});
    OpenCompass(p, 0, 22);
    Range(p, 0, 21, 22);
    CompassArc(p, 0, kTeal, p.ArcFractionC - 0.03f, p.ArcFractionB + 0.03f);
    WaitForAnyKey(p);
    Dot(p, 21, kTeal);
    OpenCompass(p, 21, 23);
    Range(p, 21, 23, 22);
    CompassArc(p, 21, kTeal, p.ArcFractionB - 0.05f, p.ArcFractionB + 0.05f);
    WaitForAnyKey(p);
    Dot(p, 22, kTeal);
    Range(p, 22, 21, 23);
    CompassArc(p, 22, kTeal, p.ArcFractionC - 0.03f, p.ArcFractionC + 0.03f);
    WaitForAnyKey(p);
    Segment(p, 0, 24, kTeal);
    FootMark(p, 12, 2, 0, 30);
    Name(p, 12, "E", {.dx = -20, .dy = 6, .color = kPurple});
    WaitForAnyKey(p);

    // The circle about P through E touches all three lines.
    Circle(p, P(p, 0), p.PointY(1) - p.PointY(0), kPurple);
}
