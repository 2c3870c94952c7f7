// The introduction lesson on tessellation: its goal screen and topic menu, the
// patchwork of hexagon tiles (topic 1) and the honeycomb both topics tile the
// screen with. Topic 2 is in hexagon_patterns.cpp.
#include <cmath>

#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunIntroductionLesson(Varnel& p) {
    ShowIntroductionLessonGoal(p);
    ShowIntroductionTopicMenu(p);
}

void ShowIntroductionLessonGoal(Varnel& p) {
    // No erase: the main menu has just erased the screen.
    GoalHeading(p);
    NextLine(p, kBlack, "しきつめ模様をつくってみよう。", 65);
}

void ShowIntroductionTopicMenu(Varnel& p) {
    RunSubMenu(p, " ①P154　②P155　③終了", {ShowPatchworkTilingP154, ShowHexagonPatternP155});
}

// ---- The honeycomb of tiles -------------------------------------------------

void DrawHoneycomb(Varnel& p, void (*tile)(Varnel&)) {
    const float root3 = std::sqrt(3.0f);
    Count(p.LoopIndex3, 1, 4, [&](int row) {
        // The tile routine overwrites WorkA: the row's shift is read first.
        p.WorkA = (row == 1 || row == 3) ? 1.0f : 2.0f;
        p.PointX(0) = -p.WorkA * root3 * p.CellSize;
        p.PointY(0) = 3.0f * static_cast<float>(row - 1) * p.CellSize;
        Count(p.InnerIndex, 1, 6, [&](int) {
            p.PointX(0) = p.PointX(0) + 2 * root3 * p.CellSize;
            tile(p);
        });
    });
}

// ---- Topic 1: the patchwork -------------------------------------------------

void DrawPatchworkTile(Varnel& p) {
    PenWidth(p, 7);
    p.Radius = 2 * p.CellSize;
    p.Radius2 = p.CellSize;
    HexagonAngles(p, 90);
    // Corners V1..V6 and spoke middles M1..M6.
    PointsAtAngles(p, 1, p.Radius);
    PointsAtAngles(p, 13, p.Radius2);
    // Side middles E1..E6: Ei between Vi and the next corner.
    Count(p.LoopIndex, 1, 6, [&](int i) { SetP(p, 6 + i, Mid(p, i, i % 6 + 1)); });
    Polygon(p, {P(p, 1), P(p, 2), P(p, 3), P(p, 4), P(p, 5), P(p, 6)},
            {.width = 7, .color = p.LineColor, .distance = 10, .labels = "", .labelColor = kBlack, .labelDx = 0});
    // The inner lines: C to Mi, Mi to Ei and Mi to Ei-1 (E6 before E1).
    Count(p.LoopIndex, 1, 6, [&](int i) {
        Segment(p, 0, 12 + i, p.AccentColor);
        Segment(p, 12 + i, 6 + i, p.AccentColor);
        Segment(p, 12 + i, i == 1 ? 12 : 5 + i, p.AccentColor);
    });
}

namespace {

// The rhombus through four points of the marked tile, filled in colour 13.
void FillRhombus(Varnel& p, int a, int b, int c, int d) {
    FilledPolygon(p, {P(p, a), P(p, b), P(p, c), P(p, d)}, kBlack, kPink);
}

}  // namespace

void ShowPatchworkTilingP154(Varnel& p) {
    EraseScreen(p);
    // An invisible frame: it only sets Pi for the tiles.
    Grid(p, {.left = 0, .top = 0, .columns = 4, .rows = 4, .cell = 80, .color = kWhite});
    p.LineColor = kBlack;
    p.AccentColor = kBlack;
    DrawHoneycomb(p, DrawPatchworkTile);
    // The marked tile lies on lines of the pattern: it only fills the point
    // table for the rhombi.
    const float root3 = std::sqrt(3.0f);
    SetP(p, 0, {4.5f * root3 * p.CellSize, 4.5f * p.CellSize});
    DrawPatchworkTile(p);
    WaitForAnyKey(p);

    // The question over the top of the patchwork.
    Erase(p, {0, 0, 1760, 80});
    SetTextColumn(p, {.itemLeft = {}, .textLeft = 40, .firstLineY = 30, .penWidth = 7});
    Write(p, p.TextLeft, p.TextLineY, kPurple, "パッチワークの模様は、どんな図形でしきつめられていますか？");
    WaitForAnyKey(p);

    // The small hexagon about M1, one rhombus a key.
    FillRhombus(p, 0, 13, 7, 14);
    WaitForAnyKey(p);
    FillRhombus(p, 0, 13, 12, 18);
    WaitForAnyKey(p);
    FillRhombus(p, 1, 7, 13, 12);
    WaitForAnyKey(p);
    // The small hexagons about M3 and M5 at once.
    FillRhombus(p, 0, 14, 8, 15);
    FillRhombus(p, 0, 15, 9, 16);
    FillRhombus(p, 15, 8, 3, 9);
    FillRhombus(p, 0, 17, 11, 18);
    FillRhombus(p, 0, 16, 10, 17);
    FillRhombus(p, 17, 10, 5, 11);
    WaitForAnyKey(p);

    EraseScreen(p);
    p.LineColor = kPurple;
    p.AccentColor = kGreen;
    DrawHoneycomb(p, DrawPatchworkTile);
}
