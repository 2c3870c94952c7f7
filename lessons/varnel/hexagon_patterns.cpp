// The four hexagon designs of the introduction lesson and its topic 2: the
// designs side by side, coloured, then each tiled over the screen.
#include <cmath>

#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- The designs ------------------------------------------------------------

namespace {

// The start every design shares: pen width 7, Radius 2c, the corner angles,
// the corners V1..V6 in points 1-6 and, with `spokeMiddles`, the points at
// `middle` px along the spokes in points 8-13; then V1 again in point 7.
void BeginHexagonTile(Varnel& p, bool spokeMiddles, float middle) {
    PenWidth(p, 7);
    p.Radius = 2 * p.CellSize;
    HexagonAngles(p, 90);
    PointsAtAngles(p, 1, p.Radius);
    if (spokeMiddles) PointsAtAngles(p, 8, middle);
    SetP(p, 7, P(p, 1));
}

// The hexagon's outline in LineColor, without labels.
void HexagonOutline(Varnel& p) {
    Polygon(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6)},
            {.width = 7, .color = p.LineColor, .distance = 10, .labels = "", .labelColor = kBlack, .labelDx = 0});
}

// The six spokes from the centre in AccentColor.
void Spokes(Varnel& p) {
    Count(p.LoopIndex, 1, 6, [&](int i) { Line(p, P(p, 0), P(p, i), p.AccentColor); });
}

// The triangle of points a, b, c filled in TileColor, outlined in AccentColor.
void TilePiece(Varnel& p, int a, int b, int c) {
    FilledPolygon(p, {P(p, a), P(p, b), P(p, c)}, p.AccentColor, p.TileColor);
}

}  // namespace

void DrawHexagonPattern1(Varnel& p) {
    BeginHexagonTile(p, true, p.CellSize);
    HexagonOutline(p);
    Spokes(p);
    Count(p.LoopIndex, 1, 6, [&](int i) { TilePiece(p, i + 7, i + 1, i); });
}

void DrawHexagonPattern2(Varnel& p) {
    BeginHexagonTile(p, true, p.CellSize);
    SetP(p, 14, P(p, 8));
    HexagonOutline(p);
    Spokes(p);
    Count(
        p.LoopIndex, 1, 5,
        [&](int i) {
            TilePiece(p, i, i + 7, i + 1);
            TilePiece(p, i + 1, 0, i + 9);
        },
        2);
}

void DrawHexagonPattern3(Varnel& p) {
    BeginHexagonTile(p, false, 0);
    Count(p.LoopIndex, 1, 6, [&](int i) { SetP(p, i + 7, Mid(P(p, i), P(p, i + 1))); });
    Spokes(p);
    Count(p.LoopIndex, 1, 6, [&](int i) { TilePiece(p, i + 7, 0, i + 1); });
    // This design draws its outline last, over its pieces.
    HexagonOutline(p);
}

void DrawHexagonPattern4(Varnel& p) {
    p.Radius2 = p.CellSize;
    BeginHexagonTile(p, true, p.Radius2);
    // Points 10, 12, 14: the middles of the sides V2-V3, V4-V5, V6-V1.
    Count(p.LoopIndex, 1, 3, [&](int j) { SetP(p, 2 * j + 8, Mid(P(p, 2 * j), P(p, 2 * j + 1))); });
    HexagonOutline(p);
    Spokes(p);
    Count(
        p.LoopIndex, 1, 5,
        [&](int i) {
            TilePiece(p, i + 8, i, 0);
            TilePiece(p, i + 2, i + 9, 0);
        },
        2);
}

// ---- Topic 2 ------------------------------------------------------------------

namespace {

using Design = void (*)(Varnel&);
constexpr Design kDesigns[] = {DrawHexagonPattern1, DrawHexagonPattern2, DrawHexagonPattern3,
                               DrawHexagonPattern4};

// Point 0 on place `place` (1 to 4) of the row of designs: side by side,
// a hexagon's width apart, at y 3.5c.
void PlaceCentre(Varnel& p, int place) {
    const float c = p.CellSize;
    SetP(p, 0, {2.5f * c + 2 * static_cast<float>(place - 1) * std::sqrt(3.0f) * c, 3.5f * c});
}

// Design `design` (1 to 4) at place `place`, filled in `fill`, outlined in
// colour 0.
void DesignAt(Varnel& p, int design, int place, float fill) {
    p.LineColor = kBlack;
    p.AccentColor = kBlack;
    p.TileColor = fill;
    PlaceCentre(p, place);
    kDesigns[design - 1](p);
}

// The screen tiled with design `design`, filled in `fill`.
void Tiling(Varnel& p, int design, float fill) {
    EraseScreen(p);
    Grid(p, {.left = 0, .top = 0, .columns = 4, .rows = 4, .cell = 80, .color = kWhite});
    p.LineColor = kBlack;
    p.AccentColor = kBlack;
    p.TileColor = fill;
    DrawHoneycomb(p, kDesigns[design - 1]);
}

}  // namespace

void ShowHexagonPatternP155(Varnel& p) {
    EraseScreen(p);
    Grid(p, {.left = 0, .top = 0, .columns = 4, .rows = 4, .cell = 85, .color = kWhite});
    DesignAt(p, 1, 1, kWhite);
    // The question over the top of the designs.
    Erase(p, {0, 0, 1760, 80});
    SetTextColumn(p, {.itemLeft = {}, .textLeft = 40, .firstLineY = 15, .penWidth = 7});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "もとになる図形で正六角形の中の模様をつくろう。");
    WaitForAnyKey(p);

    // The first piece of design 1 again, from the points it left: M1, V2, V1.
    const int piece = 1;
    p.LoopIndex = piece;
    p.LineColor = kBlack;
    p.AccentColor = kBlack;
    p.TileColor = kGrey;
    TilePiece(p, piece + 7, piece + 1, piece);
    Label(p, p.PointX(2), p.PointY(4) + 80, kTeal, "ろみねさんの考え");
    // An empty hexagon at place 3: design 3 in the background colour shows
    // only its outline, which it draws last.
    p.LineColor = kBlack;
    p.AccentColor = kWhite;
    p.TileColor = kWhite;
    PlaceCentre(p, 3);
    DrawHexagonPattern3(p);
    WaitForAnyKey(p);

    for (int design = 2; design <= 4; design++) {
        DesignAt(p, design, design, kWhite);
        WaitForAnyKey(p);
    }

    NextLine(p, kGrey, "つくった模様に色をぬろう。");
    WaitForAnyKey(p);
    // Each design keeps its colour in its tiling.
    constexpr float kFills[] = {kGrey, kBrightBlue, kGrey, kBrightBlue};
    for (int design = 1; design <= 4; design++) {
        DesignAt(p, design, design, kFills[design - 1]);
        WaitForAnyKey(p);
    }
    for (int design = 1; design <= 4; design++) {
        if (design > 1) WaitForAnyKey(p);
        Tiling(p, design, kFills[design - 1]);
    }
}
