// The translation lesson: its goal screen and topic menu, the opening question
// on the hexagon lattice (topic 1) and the answers to questions 1 to 3
// (topics 3 and 5). Topic 2 is in translation_slide.cpp, topic 4 in
// translation_parallel.cpp.
#include <array>
#include <cmath>

#include "figures/figures.h"
#include "lessons/varnel/lesson_steps.h"
#include "lessons/varnel/varnel.h"
#include "shell/shell.h"
#include "text/text.h"

using varnel::EraseBox;
using varnel::EraseScreen;
using varnel::WriteLabel;
using varnel::WriteText;

// ---- Entry, goal screen and topic menu --------------------------------------

namespace {
// Items 1 to 5 of the topic menu; item 6 returns to the main menu.
constexpr SubMenuTopic kTranslationTopics[] = {
    ShowTranslationQuestionP156, ShowTranslationDefinition, ShowTranslationAnswers1And2,
    ShowParallelLineConstruction, ShowTranslationAnswer3,
};
}  // namespace

void RunTranslationLesson(Program& p) {
    ShowTranslationLessonGoal(p);
    // Every topic ends back here, with its last screen still shown.
    for (;;) {
        ShowTranslationTopicMenu(p);
        const int item = static_cast<int>(p.MenuChoice);
        if (item == 6) return;
        kTranslationTopics[item - 1](p);
    }
}

void ShowTranslationLessonGoal(Program& p) {
    EraseScreen(p);
    p.TextLeft = 44;
    p.TextLineY = 240;
    WriteText(p, p.TextLeft, p.TextLineY, 3, "<めあて>");
    WriteText(p, p.TextLeft, p.TextLineY + 65, 0, "平行移動について考えよう。");
    WriteText(p, p.TextLeft, p.TextLineY + 65, 3, "移動");
    WriteText(p, p.TextEndX, p.TextLineY, 0, "…ある図形を形や大きさを変えずに他の位置へ移すこと");
}

void ShowTranslationTopicMenu(Program& p) {
    AskSubMenuChoice(p, "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了", 6);
}

// ---- Topic 1: the hexagon lattice -------------------------------------------

void BuildTranslationFigure(Program& p) {
    p.PointX(0) = p.OriginX + 5 * p.CellSize;
    p.PointY(0) = p.OriginY - 5 * p.CellSize;
    p.rt.RtSetDrawWidth(7);
    p.Radius = 4 * p.CellSize;
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PointAngle(i) = static_cast<float>((i - 1) * 60 + 120) * p.Pi / 180;
    }
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PointX(i) = p.PointX(0) + p.Radius * std::cos(p.PointAngle(i));
        p.PointY(i) = p.PointY(0) - p.Radius * std::sin(p.PointAngle(i));
    }
    // Point 7: middle of the top side; point 8: middle of the bottom side.
    p.LoopIndex = 7;
    p.WorkA = 1;
    p.WorkB = 6;
    p.PointX(p.LoopIndex) = (p.PointX(p.WorkA) + p.PointX(p.WorkB)) / 2;
    p.PointY(p.LoopIndex) = (p.PointY(p.WorkA) + p.PointY(p.WorkB)) / 2;
    p.FromPoint = 8;
    p.WorkA = 3;
    p.WorkB = 4;
    p.PointX(p.FromPoint) = (p.PointX(p.WorkA) + p.PointX(p.WorkB)) / 2;
    p.PointY(p.FromPoint) = (p.PointY(p.WorkA) + p.PointY(p.WorkB)) / 2;
    // Point 9: below A, on the horizontal diameter.
    p.PointX(9) = p.PointX(1);
    p.PointY(9) = p.PointY(2);
}

namespace {

Pt PointOf(Program& p, int i) { return Pt{p.PointX(i), p.PointY(i)}; }

// A segment between two points of PointX/PointY.
void LineOfPoints(Program& p, int from, int to, float color) {
    p.FromPoint = static_cast<float>(from);
    p.ToPoint = static_cast<float>(to);
    p.rt.RtLine(p.PointX(from), p.PointY(from), p.PointX(to), p.PointY(to), color);
}

// A closed triangle of points a, b, c, filled or outlined.
void TriangleOfPoints(Program& p, int a, int b, int c, float color, bool filled, float fill) {
    const std::array<Pt, 4> points{PointOf(p, a), PointOf(p, b), PointOf(p, c), PointOf(p, a)};
    p.rt.RtConnect(points, color, filled, fill);
}

// An arrow with one head from point `from` to point `to` in `color`.
void ArrowOfPoints(Program& p, int from, int to, float color) {
    p.FromPoint = static_cast<float>(from);
    p.ToPoint = static_cast<float>(to);
    p.MarkAX = p.PointX(from);
    p.MarkAY = p.PointY(from);
    p.TipX = p.PointX(to);
    p.TipY = p.PointY(to);
    p.ArrowDirection = 1;
    p.ArrowHeadMode = 1;
    p.LineColor = color;
    p.MarkSize = 30;
    DrawArrow(p);
}

// The names A', B', C' of the image of triangle ア.
void LabelImagePoints(Program& p) {
    WriteLabel(p, p.PointX(0) + 12, p.PointY(0) - 45, 3, "A'");
    WriteLabel(p, p.PointX(3) - 30, p.PointY(3) + 10, 3, "B'");
    WriteLabel(p, p.PointX(8), p.PointY(8) + 10, 3, "C'");
}

// Points 1 to N of PointX/PointY from grid cells (x right, y up), then in
// pixels.
template <std::size_t N>
void PointsFromCells(Program& p, const float (&cells)[N][2]) {
    for (int i = 1; i <= static_cast<int>(N); i++) {
        p.PointX(i) = cells[i - 1][0];
        p.PointY(i) = cells[i - 1][1];
    }
    varnel::CellsToPixels(p, 1, static_cast<int>(N));
}

}  // namespace

void DrawTranslationFigure(Program& p) {
    p.WorkA = 1;
    p.WorkB = 2;
    p.WorkC = 3;
    p.WorkD = 4;
    p.WorkE = 5;
    p.WorkF = 6;
    const std::array<Pt, 7> hexagon{PointOf(p, 1), PointOf(p, 2), PointOf(p, 3), PointOf(p, 4),
                                    PointOf(p, 5), PointOf(p, 6), PointOf(p, 1)};
    p.rt.RtConnect(hexagon, 0);
    for (int i = 1; i <= 6; i++) {
        p.LoopIndex = static_cast<float>(i);
        LineOfPoints(p, 0, i, 0);
    }
    LineOfPoints(p, 7, 8, 0);
    LineOfPoints(p, 1, 3, 0);
    LineOfPoints(p, 6, 4, 0);
    TriangleOfPoints(p, 1, 2, 9, 0, true, 13);
    TriangleOfPoints(p, 0, 3, 8, 0, true, 13);
    WriteLabel(p, p.PointX(2) + 60, p.PointY(2) - 70, 3, "ア");
    WriteLabel(p, p.PointX(1) - 14, p.PointY(1) - 50, 0, "A");
    WriteLabel(p, p.PointX(2) - 30, p.PointY(2) - 25, 0, "B");
    WriteLabel(p, p.PointX(9) + 4, p.PointY(9) - 50, 0, "C");
    WriteLabel(p, p.PointX(3) + 50, p.PointY(8) - 70, 3, "イ");
}

void DrawCorrespondingSegments(Program& p) {
    LabelImagePoints(p);
    LineOfPoints(p, 1, 0, 3);
    LineOfPoints(p, 2, 3, 3);
    LineOfPoints(p, 9, 8, 3);
}

void ShowTranslationQuestionP156(Program& p) {
    EraseScreen(p);
    varnel::SetGridFrame(p, 640, 50, 10, 10, 60);
    p.ItemLeft = 30;
    p.TextLeft = p.ItemLeft + 54;
    p.TextLineY = 20;
    p.rt.RtSetDrawWidth(5);
    WriteText(p, p.ItemLeft, p.TextLineY, 3, "三角形アをどのように移動させればイに重なるだろう。");
    BuildTranslationFigure(p);
    DrawTranslationFigure(p);
    WaitForAnyKey(p);
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 7, "(1)");
    WriteText(p, p.TextEndX, p.TextLineY, 0, "A',B',C'はどこ？");
    WaitForAnyKey(p);
    LabelImagePoints(p);
    WaitForAnyKey(p);
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 7, "(2)");
    WriteText(p, p.TextEndX, p.TextLineY, 0, "AとA',BとB',CとC'");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 0, "を結ぶ直線をかこう。");
    WaitForAnyKey(p);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 7, "(3)");
    WriteText(p, p.TextEndX, p.TextLineY, 0, "かいた線分の関係は?");
    WaitForAnyKey(p);
    WriteText(p, p.TextLeft, p.TextLineY + 50, 5, "平行でその長さが等しい。");
    WaitForAnyKey(p);
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 7, "(4)");
    WriteText(p, p.TextEndX, p.TextLineY, 0, "三角形アの移動は？");
    WaitForAnyKey(p);

    // The copy of ア slides a tenth of AA' per key, back onto ア once it has
    // passed A', until the key "1".
    p.EntryValue = 5;
    p.Seg2X2 = (p.PointX(0) - p.PointX(1)) / 10;
    p.Seg2Y2 = (p.PointY(0) - p.PointY(1)) / 10;
    const auto putCopyOnA = [&p] {
        const int sources[3] = {1, 2, 9};
        for (int i = 1; i <= 3; i++) {
            p.PointX2(i) = p.PointX(sources[i - 1]);
            p.PointY2(i) = p.PointY(sources[i - 1]);
        }
    };
    putCopyOnA();
    while (p.EntryValue != 1) {
        DrawTranslationFigure(p);
        DrawCorrespondingSegments(p);
        for (int i = 1; i <= 3; i++) {
            p.PolygonVertex(i, 1) = p.PointX2(i);
            p.PolygonVertex(i, 2) = p.PointY2(i);
        }
        p.LineWidth = 7;
        p.LineColor = 7;
        p.VertexCount = 3;
        p.MarkSize = 10;
        p.MarkLabel = "";
        DrawPolygon(p);
        p.TextCell = "１で次のステップ。他のキーで動かす。";
        ShowMessageAndWaitKey(p);
        if (p.LastKey == "1") {
            p.EntryValue = 1;
        } else {
            EraseBox(p, p.GridLeft, p.GridTop + 20, 1600, 2400);
        }
        for (int i = 1; i <= 3; i++) {
            p.PointX2(i) += p.Seg2X2;
            p.PointY2(i) += p.Seg2Y2;
        }
        if (p.PointX2(1) > p.PointX(0) + 5) putCopyOnA();
    }

    EraseBox(p, p.GridLeft, p.GridTop + 20, 1600, 2400);
    DrawTranslationFigure(p);
    DrawCorrespondingSegments(p);
    p.WorkA = 0;
    p.WorkB = 3;
    p.WorkC = 8;
    TriangleOfPoints(p, 0, 3, 8, 7, false, 0);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    ArrowOfPoints(p, 1, 0, 5);
    WaitForAnyKey(p);
    WriteText(p, p.TextLeft, p.TextLineY + 50, 3, "三角形アをAからA'の方向に");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 3, "線分AA'の長さだけ");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 3, "移動させる。");
}

// ---- Topics 3 and 5: the answers --------------------------------------------

namespace {

// An erased screen with the answer pages' text column: numbers at x 40, texts
// at 78, from line 30; pen width 5.
void BeginAnswerPage(Program& p) {
    EraseScreen(p);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft + 38;
    p.TextLineY = 30;
    p.rt.RtSetDrawWidth(5);
}

// A', B', C' in the name table, for DrawTriangleOfPoints with the label "1".
void NameImageVertices(Program& p) {
    p.PointLabel(1) = "A'";
    p.PointLabel(2) = "B'";
    p.PointLabel(3) = "C'";
}

}  // namespace

// Topic 3: answers to questions 1 and 2.
void ShowTranslationAnswers1And2(Program& p) {
    BeginAnswerPage(p);
    WriteText(p, p.TextLeft, p.TextLineY, 3, "問1 解答");
    varnel::SetGridFrame(p, 560, 50, 16, 12, 35);
    const float cells[8][2] = {{5, 6}, {1, 1}, {6, 1}, {13, 8}, {9, 3}, {14, 3}, {5, 8}, {13, 10}};
    PointsFromCells(p, cells);
    varnel::DrawTriangleOfPoints(p, 1, 5, 0, 10, "A");
    NameImageVertices(p);
    varnel::DrawTriangleOfPoints(p, 4, 5, 0, 10, "1");
    ArrowOfPoints(p, 7, 8, 3);
    p.WorkA = 7;
    WriteLabel(p, p.PointX(7) - 14, p.PointY(7) - 50, 0, "O");
    p.WorkA = 8;
    WriteLabel(p, p.PointX(8) - 14, p.PointY(8) - 50, 0, "P");
    WaitForAnyKey(p);
    for (int i = 1; i <= 3; i++) LineOfPoints(p, i, i + 3, 5);
    WaitForAnyKey(p);
    WriteText(p, p.ItemLeft, p.TextLineY + 50, 0, "(2)");
    WriteText(p, p.TextEndX, p.TextLineY, 5, "平行で、その長さが等しい");
    WaitForAnyKey(p);
    WriteText(p, p.TextLeft, p.TextLineY + 70, 3, "問2 解答");
    WaitForAnyKey(p);
    WriteText(p, p.TextLeft, p.TextLineY + 50, 5, "AA'∥BB',AA'=BB'");
}

// Topic 5: answer to question 3.
void ShowTranslationAnswer3(Program& p) {
    BeginAnswerPage(p);
    varnel::SetGridFrame(p, 200, 50, 16, 12, 35);
    WriteText(p, p.TextLeft, p.TextLineY, 3, "問3 解答");
    const float cells[6][2] = {{5, 6}, {1, 1}, {6, 1}, {13, 8}, {9, 3}, {14, 3}};
    PointsFromCells(p, cells);
    varnel::DrawTriangleOfPoints(p, 1, 5, 0, 10, "A");
    ArrowOfPoints(p, 1, 4, 3);
    WaitForAnyKey(p);
    LineOfPoints(p, 2, 5, 3);
    WaitForAnyKey(p);
    LineOfPoints(p, 3, 6, 3);
    WaitForAnyKey(p);
    NameImageVertices(p);
    varnel::DrawTriangleOfPoints(p, 4, 5, 5, 10, "1");
}
