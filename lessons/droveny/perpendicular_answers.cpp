// The answers of the perpendicular lesson: question 4 (topic 4), the
// perpendiculars from two vertices of a triangle by two methods, and question
// 5 (topic 6), the distances of six points from a line.
#include <cmath>

#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

using namespace kit;
using namespace droveny;

// ---- Topic 4: answers to question 4 ------------------------------------------
// Points: 1 A, 2 B, 3 C; 9 the foot of a perpendicular (first from B onto AC,
// then from A onto BC); 4 and 5 where the perpendiculars from B and from A
// are aimed; in the left figure also 6 a copy of A, 7 where the arc about B
// through A meets AC again, 8 and 10 where the arc about A meets BC.

namespace {

// The triangle's vertices in grid cells of the frame in force.
void SetTrianglePoints(Droveny& p) { SetCells(p, {{1, {3.5f, 4}}, {2, {1, 1}}, {3, {5, 1}}}); }

void SetFootFromBOntoAC(Droveny& p) { SetP(p, 9, Foot(p, P(p, 1), P(p, 3), P(p, 2))); }
void SetFootFromAOntoBC(Droveny& p) { SetP(p, 9, Foot(p, P(p, 2), P(p, 3), P(p, 1))); }

// The point `from` + 5/3 of the way from it to the foot (point 9): two thirds
// of its distance beyond the side.
Pt BeyondFoot(Droveny& p, int from) {
    return Pt{(5 * p.PointX(9) - 2 * p.PointX(from)) / 3, (5 * p.PointY(9) - 2 * p.PointY(from)) / 3};
}
// The point `from` mirrored in the side, through the foot (point 9).
Pt MirroredInFoot(Droveny& p, int from) {
    return Pt{2 * p.PointX(9) - p.PointX(from), 2 * p.PointY(9) - p.PointY(from)};
}

void DrawTriangleABC(Droveny& p) {
    Triangle(p, 1, 2, 3, {.width = 5, .color = kBlack, .distance = 10, .labels = "A", .labelColor = kBlack});
}

}  // namespace

void ShowPerpendicularAnswer4(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問4解答");

    // Figure 1: an arc about the vertex cuts the side's line twice, two equal
    // arcs about those points cross beyond it.
    Grid(p, {.left = 80, .top = 150, .columns = 9, .rows = 5, .cell = 65});
    SetTrianglePoints(p);
    SetFootFromBOntoAC(p);
    SetP(p, 4, BeyondFoot(p, 2));
    SetP(p, 6, P(p, 1));
    SetP(p, 7, MirroredInFoot(p, 6));
    SetFootFromAOntoBC(p);
    SetP(p, 5, BeyondFoot(p, 1));
    SetP(p, 8, {p.PointX(9) - 2 * p.CellSize, p.PointY(2)});
    SetP(p, 10, {p.PointX(9) + 2 * p.CellSize, p.PointY(2)});
    DrawTriangleABC(p);
    WaitForAnyKey(p);

    // The perpendicular from B. The first arc's end and the second arc's
    // start leave 0..1 and are brought back; the wrapped end stays in
    // ArcFractionB, the wrapped start in FromPoint.
    CompassArc(p, {.centre = 2, .through = 7, .b = 6, .c = 7, .shift = -1, .start = RayC(-0.03f),
                   .end = RayB(0.03f).Wrapped(), .color = kGrey, .endIn = &Program::ArcFractionB});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 6, .through = 4, .b = 7, .c = 4, .shift = -1, .start = RayB(-0.05f).Wrapped(),
                   .end = RayB(0.05f), .color = kGrey, .startIn = &Program::FromPoint});
    WaitForAnyKey(p);
    // The C point of this step is the centre itself: only the fraction of
    // the ray to point 4 is used.
    CompassArc(p, {.centre = 7, .through = 4, .b = 4, .c = 7, .shift = -1,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kGrey});
    WaitForAnyKey(p);
    Segment(p, 2, 4, kPurple);
    WaitForAnyKey(p);

    // The perpendicular from A, with BC drawn on past C.
    CompassArc(p, {.centre = 1, .through = 8, .b = 10, .c = 8, .shift = -1,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kTeal});
    WaitForAnyKey(p);
    Line(p, P(p, 3), {p.PointX(3) + 2 * p.CellSize, p.PointY(3)}, kBlack);
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 8, .through = 5, .b = 5, .c = 10,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 10, .through = 5, .b = 8, .c = 5,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kTeal});
    WaitForAnyKey(p);
    Segment(p, 1, 5, kPurple);
    WaitForAnyKey(p);

    // Figure 2, right of figure 1: arcs about two points of the side's line
    // through the vertex cross again in its mirror image.
    Grid(p, {.left = p.GridRight, .top = 150, .columns = 9, .rows = 5, .cell = 65});
    SetTrianglePoints(p);
    SetFootFromBOntoAC(p);
    SetP(p, 4, MirroredInFoot(p, 2));
    SetFootFromAOntoBC(p);
    SetP(p, 5, MirroredInFoot(p, 1));
    DrawTriangleABC(p);
    WaitForAnyKey(p);

    CompassArc(p, {.centre = 3, .through = 4, .b = 2, .c = 4, .shift = -1,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 1, .through = 4, .b = 2, .c = 4, .shift = -1,
                   .start = RayB(-0.02f), .end = RayC(0.03f), .color = kGrey});
    WaitForAnyKey(p);
    Segment(p, 2, 4, kPurple);
    WaitForAnyKey(p);

    CompassArc(p, {.centre = 3, .through = 5, .b = 1, .c = 5,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kTeal});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 2, .through = 5, .b = 1, .c = 5,
                   .start = RayB(-0.02f), .end = RayC(0.03f), .color = kTeal});
    WaitForAnyKey(p);
    Segment(p, 1, 5, kPurple);
}

// ---- Topic 6: answer to question 5 -------------------------------------------
// Points: 1 to 6 A to F, 7 and 8 the ends of l (grid y 4).

void ShowPerpendicularAnswer5(Droveny& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 30 + 27, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問5 解答");
    Grid(p, {.left = 560, .top = 100, .columns = 8, .rows = 8, .cell = 50, .color = kBlue});

    // The points in grid cells; their distances from l are read off before
    // they become pixels, so they are in grid units.
    const Pt cells[] = {{2, 6}, {4, 7}, {6, 6}, {3, 2.5f}, {5, 1.5f}, {6.5f, 3}, {0, 4}, {8, 4}};
    for (int i = 1; i <= 8; i++) SetP(p, i, cells[i - 1]);
    const char* const names[] = {"A", "B", "C", "D", "E", "F"};
    Count(p.LoopIndex, 1, 6, [&](int i) {
        p.PointLabel(i) = names[i - 1];
        p.TableValueB(i) = std::fabs(p.PointY(i) - 4);
    });
    FormatNumberTables(p);
    CellsToPixels(p, 1, 8);

    Segment(p, 7, 8, kBlack);
    Name(p, 7, "l", {.dx = 0, .dy = -50, .color = kBlack});
    // The names of the points above l stand 60 px higher than those below.
    Count(p.InnerIndex, 1, 6, [&](int i) {
        p.ToPoint = i <= 3 ? -60.0f : 0.0f;
        DotAndName(p, i, p.PointLabel(i), {.dx = 6, .dy = p.ToPoint, .color = kBlack, .dotColor = kTeal});
    });

    // Each point's perpendicular to l, then its length beside the middle.
    const float lineY = p.PointY(7);
    Count(p.InnerIndex, 1, 6, [&](int i) {
        WaitForAnyKey(p);
        Line(p, P(p, i), {p.PointX(i), lineY}, kTeal);
        WaitForAnyKey(p);
        Label(p, p.PointX(i) + 8, (p.PointY(i) + lineY) / 2 - 25, kPurple, p.TableTextB(i));
    });
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 80, kGrey, "(1)");
    NextLine(p, kBlack, "もっとも短い…", 60);
    WriteOn(p, kPurple, "点F");
    WaitForAnyKey(p);
    NextLine(p, kBlack, "もっとも長い…", 60);
    WriteOn(p, kPurple, "点B");
    WaitForAnyKey(p);

    // (2): A and C lie on one line parallel to l, drawn across the grid.
    Write(p, p.ItemLeft, p.TextLineY + 80, kGrey, "(2)");
    p.FromPoint = 1;
    p.ToPoint = 3;
    Line(p, {p.GridLeft, p.PointY(1)}, {p.GridRight, p.PointY(3)}, kBlack);
    WaitForAnyKey(p);
    NextLine(p, kPurple, " AC∥l", 60);
}
