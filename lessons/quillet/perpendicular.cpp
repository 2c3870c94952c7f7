// Topic 2 of the lesson on various constructions: the answer to problem 1 of
// page 175, the tangent at A as the perpendicular to ray OA at A, on a figure
// turned 30 degrees clockwise.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

void ShowPerpendicularAtRayPoint(Quillet& p) {
    BeginTopic(p);
    Grid(p, {.left = 720, .top = 100, .columns = 11, .rows = 8, .cell = 50});
    SetCells(p, 0, {{3, 4}, {6, 4}, {10, 4}, {4, 4}, {8, 4}, {6, 7}, {6, 10}, {6, 1}});
    // Points 1 to 7 turned about O by TiltAngle, clockwise as seen.
    p.TiltAngle = 30 * p.Pi / 180;
    Count(p.LoopIndex, 1, 7, [&](int i) {
        DirectionOf(p, P(p, 0), P(p, i));
        p.Distance = Distance(P(p, 0), P(p, i));
        SetP(p, i, Along(P(p, 0), p.Distance, p.DirectionAngle - p.TiltAngle));
    });
    p.Radius = 3 * p.CellSize;

    DotAndName(p, 0, "O", {.dx = -30, .dy = 10, .dotColor = kBlack});
    Circle(p, P(p, 0), p.Radius, kBlack);
    Write(p, p.TextLeft, p.TextLineY, kGrey, "教科書P175 問1 解答");
    WaitForAnyKey(p);

    NextLine(p, kTeal, "① Oから半直線OAをひく。");
    Segment(p, 0, 2, kBlack);
    DotAndName(p, 1, "A", {.dx = 10, .dy = 20, .dotColor = kBlack});
    WaitForAnyKey(p);

    // The circle about A through its two crossings with OA, on the side where
    // the perpendicular will go.
    NextLine(p, kTeal, "② Aを中心として、適当な半径の円をかく。");
    CompassArc(p, {.centre = 1, .through = 3, .b = 4, .c = 3,
                   .start = RayC(-0.05f), .end = RayB(0.03f), .centreDot = false});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③ OAとの2つの交点から、");
    IndentedLine(p, kTeal, "等しい半径の円をかく。", 60);
    CompassArc(p, {.centre = 3, .through = 5, .b = 4, .c = 5,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 4, .b = 5, .c = 3, .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④ 交点とAを通る直線をひく。");
    Segment(p, 6, 7, kPurple);
    RightAngle(p, 1, 6, 0, {.size = 20, .shift = -1.0f});
}
