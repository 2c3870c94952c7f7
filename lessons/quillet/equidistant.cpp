// Topic 3 of the lesson on various constructions, example 1: the point P at
// equal distance from lines AC, AB and BD as the meet of two angle
// bisectors, constructed with compasses, and the circle about P that touches
// all three lines.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

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
    AngleRange(p, 1, 2, 3);
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 6 * p.CellSize;
    SetP(p, 7, Along(P(p, 1), p.Radius, p.BisectorAngle));
    SetP(p, 17, Along(P(p, 1), p.Radius2, p.BisectorAngle));
    AngleRange(p, 2, 4, 1);
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

    // P with its three equal perpendiculars, the right angles at their feet
    // (the rays exchanged).
    Segment(p, 0, 11, kBlack);
    Segment(p, 0, 12, kBlack);
    Segment(p, 0, 13, kBlack);
    RightAngle(p, 11, 1, 0, {.size = 20, .shift = -1.0f});
    RightAngle(p, 12, 2, 0, {.size = 20, .shift = -1.0f});
    RightAngle(p, 13, 4, 0, {.size = 20, .shift = -1.0f});
    Count(p.InnerIndex, {11, 12, 13}, [&](int foot) {
        Ticks(p, P(p, foot), P(p, 0), {.count = 1, .size = 20, .color = kPurple, .spacing = 8.0f, .shift = -8.0f});
    });
    DotAndName(p, 0, "P", {.dx = -14, .dy = -55, .color = kPurple});
    WaitForAnyKey(p);
    NextLine(p, kPurple, "角の2辺までの距離が等しい点は、");
    NextLine(p, kPurple, "角の二等分線上にある。");
    WaitForAnyKey(p);
    Segment(p, 1, 17, kTeal);
    WaitForAnyKey(p);
    Segment(p, 2, 20, kTeal);
    WaitForAnyKey(p);
    EraseFrame(p);
    DrawEquidistantPointFigure(p);
    WaitForAnyKey(p);

    // Each construction: (a) an arc about the vertex across both sides, (b) the
    // compass on one side point, an arc across the line to the meeting point,
    // (c) the same opening on the other side point, whose arc meets the last
    // there, (d) the line.
    // 1: the bisector of angle CAB. Side AB has the direction 0 (fraction 1),
    // so the spans that pass it end a turn back (the first at 0.03 itself).
    NextLine(p, kBlack, "① ∠CABの二等分線をひく。");
    CompassArc(p, {.centre = 1, .through = 5, .b = 6, .c = 5,
                   .start = RayC(-0.03f), .end = Fraction(0.03f), .centreDot = false});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 5, .through = 7, .b = 6, .c = 7, .start = RayC(-0.05f), .end = RayC(0.05f).Turned(-1)});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 6, .b = 7, .c = 5, .start = RayB(-0.03f), .end = RayB(0.03f)});
    WaitForAnyKey(p);
    Segment(p, 1, 17, kBlack);
    WaitForAnyKey(p);

    // 2: the bisector of angle DBA.
    NextLine(p, kBlack, "② ∠DBAの二等分線をひく。");
    CompassArc(p, {.centre = 2, .through = 8, .b = 9, .c = 8,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kBrightBlue, .centreDot = false});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 8, .through = 10, .b = 9, .c = 10,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 9, .b = 10, .c = 8, .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 2, 20, kBlack);
    WaitForAnyKey(p);

    NextLine(p, kBlack, "③ 交点をPとする。");
    DotAndName(p, 0, "P", {.dx = -14, .dy = -55, .color = kPurple});
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
    CompassArc(p, {.centre = 0, .through = 22, .b = 21, .c = 22,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kTeal, .centreDot = false});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 21, .through = 23, .b = 23, .c = 22,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 22, .b = 21, .c = 23, .start = RayC(-0.03f), .end = RayC(0.03f), .color = kTeal});
    WaitForAnyKey(p);
    Segment(p, 0, 24, kTeal);
    RightAngle(p, 12, 2, 0, {.size = 30, .shift = -1.0f});
    Name(p, 12, "E", {.dx = -20, .dy = 6, .color = kPurple});
    WaitForAnyKey(p);

    // The circle about P through E touches all three lines.
    Circle(p, P(p, 0), p.PointY(1) - p.PointY(0), kPurple);
}
