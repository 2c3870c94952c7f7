#include "lessons/varnel/hexagon_triangles.h"

#include "lessons/common/kit.h"

using namespace kit;

void BuildHexagonTriangles(Program& p) {
    // The centre, given in grid cells, then in pixels.
    SetCells(p, 0, {{5, 5}});
    PenWidth(p, 7);
    p.Radius = p.CellSize * 4;
    p.Radius2 = p.CellSize * 2;
    HexagonAngles(p, 150);
    PointsAtAngles(p, 1, p.Radius);    // the corners
    PointsAtAngles(p, 7, p.Radius2);   // the middles of the spokes
}

void DrawHexagonTriangles(Program& p) {
    NumberHexagonCorners(p);
    Polyline(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6), P(p, 1)}, kBlack);
    Count(p.LoopIndex, 1, 6, [&](int i) {
        Segment(p, 0, i, kBlack);
        // The cut from corner i to the middle of the spoke before it.
        p.ToPoint = i == 1 ? 12.0f : static_cast<float>(i + 5);
        Line(p, P(p, i), P(p, static_cast<int>(p.ToPoint)), kBlack);
    });
    // Triangle ウ (A, C, B), then triangle エ (A', C', B).
    FilledPolygon(p, 1, 12, 0, kBlack, kPink);
    FilledPolygon(p, 3, 8, 0, kBlack, kPink);
    Label(p, p.PointX(12) - 60, p.PointY(12) + 25, kTeal, "ウ");
    Name(p, 1, "A", {.dx = -35, .dy = -25, .color = kBlack});
    Name(p, 0, "B", {.dx = 40, .dy = -25, .color = kBlack});
    Name(p, 12, "C", {.dx = 10, .dy = -25, .color = kBlack});
    Label(p, p.PointX(8) + 40, p.PointY(8), kTeal, "エ");
}

void LabelHexagonTriangles(Program& p) {
    Name(p, 3, "A'", {.dx = -14, .dy = 4});
    Name(p, 8, "C'", {.dx = -14, .dy = -50});
}
