// The translation lesson: its goal screen and topic menu, the opening question
// on the hexagon lattice (topic 1) and the answers to questions 1 to 3
// (topics 3 and 5). Topic 2 is in translation_slide.cpp, topic 4 in
// translation_parallel.cpp.
#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunTranslationLesson(Varnel& p) {
    ShowTranslationLessonGoal(p);
    ShowTranslationTopicMenu(p);
}

void ShowTranslationLessonGoal(Varnel& p) {
    EraseScreen(p);
    GoalHeading(p);
    Write(p, p.TextLeft, p.TextLineY + 65, kBlack, "平行移動について考えよう。");
    Write(p, p.TextLeft, p.TextLineY + 65, kTeal, "移動");
    WriteOn(p, kBlack, "…ある図形を形や大きさを変えずに他の位置へ移すこと");
}

void ShowTranslationTopicMenu(Varnel& p) {
    RunSubMenu(p, "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了",
               {ShowTranslationQuestionP156, ShowTranslationDefinition, ShowTranslationAnswers1And2,
                ShowParallelLineConstruction, ShowTranslationAnswer3});
}

// ---- Topic 1: the hexagon lattice -------------------------------------------

void BuildTranslationFigure(Varnel& p) {
    SetP(p, 0, {p.OriginX + 5 * p.CellSize, p.OriginY - 5 * p.CellSize});
    PenWidth(p, 7);
    p.Radius = 4 * p.CellSize;
    // Points 1 to 6: the hexagon's corners, from the top left, counter-clockwise.
    HexagonAngles(p, 120);
    PointsAtAngles(p, 1, p.Radius);
    // Point 7: middle of the top side (sides 1-6); point 8: middle of the
    // bottom side (3-4); point 9: below A, on the horizontal diameter. The
    // point numbers stay in the cells: LoopIndex 7, FromPoint 8, WorkA and
    // WorkB the ends of the last side.
    p.LoopIndex = 7;
    SetP(p, 7, Mid(P(p, 1), P(p, 6)));
    p.FromPoint = 8;
    p.WorkA = 3;
    p.WorkB = 4;
    SetP(p, 8, Mid(P(p, 3), P(p, 4)));
    SetP(p, 9, {p.PointX(1), p.PointY(2)});
}

namespace {

// The names A', B', C' of the image of triangle ア.
void LabelImagePoints(Varnel& p) {
    Label(p, p.PointX(0) + 12, p.PointY(0) - 45, kTeal, "A'");
    Label(p, p.PointX(3) - 30, p.PointY(3) + 10, kTeal, "B'");
    Label(p, p.PointX(8), p.PointY(8) + 10, kTeal, "C'");
}

// An arrow from point i to point j; FromPoint and ToPoint name them.
void ArrowOfPoints(Varnel& p, int i, int j, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Arrow(p, P(p, i), P(p, j), {.color = color});
}

// The copy of ア that slides along AA' (points 1 to 3 of PointX2/PointY2),
// put back on ア.
void PutCopyOnA(Varnel& p) {
    SetP2(p, 1, P(p, 1));
    SetP2(p, 2, P(p, 2));
    SetP2(p, 3, P(p, 9));
}

}  // namespace

void DrawTranslationFigure(Varnel& p) {
    NumberHexagonCorners(p);
    HexagonWithSpokes(p, kBlack);
    Segment(p, 7, 8, kBlack);
    Segment(p, 1, 3, kBlack);
    Segment(p, 6, 4, kBlack);
    FilledPolygon(p, {P(p, 1), P(p, 2), P(p, 9)}, kBlack, kPink);
    FilledPolygon(p, {P(p, 0), P(p, 3), P(p, 8)}, kBlack, kPink);
    Label(p, p.PointX(2) + 60, p.PointY(2) - 70, kTeal, "ア");
    Label(p, p.PointX(1) - 14, p.PointY(1) - 50, kBlack, "A");
    Label(p, p.PointX(2) - 30, p.PointY(2) - 25, kBlack, "B");
    Label(p, p.PointX(9) + 4, p.PointY(9) - 50, kBlack, "C");
    Label(p, p.PointX(3) + 50, p.PointY(8) - 70, kTeal, "イ");
}

void DrawCorrespondingSegments(Varnel& p) {
    LabelImagePoints(p);
    Segment(p, 1, 0, kTeal);
    Segment(p, 2, 3, kTeal);
    Segment(p, 9, 8, kTeal);
}

void ShowTranslationQuestionP156(Varnel& p) {
    EraseScreen(p);
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    p.ItemLeft = 30;
    p.TextLeft = p.ItemLeft + 54;
    p.TextLineY = 20;
    PenWidth(p, 5);
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "三角形アをどのように移動させればイに重なるだろう。");
    BuildTranslationFigure(p);
    DrawTranslationFigure(p);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(1)");
    WriteOn(p, kBlack, "A',B',C'はどこ？");
    WaitForAnyKey(p);
    LabelImagePoints(p);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(2)");
    WriteOn(p, kBlack, "AとA',BとB',CとC'");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "を結ぶ直線をかこう。");
    WaitForAnyKey(p);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(3)");
    WriteOn(p, kBlack, "かいた線分の関係は?");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "平行でその長さが等しい。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(4)");
    WriteOn(p, kBlack, "三角形アの移動は？");
    WaitForAnyKey(p);

    // The copy of ア slides a tenth of AA' per key, back onto ア once it has
    // passed A', until the key "1" (EntryValue is the loop's flag).
    p.EntryValue = 5;
    p.Seg2X2 = (p.PointX(0) - p.PointX(1)) / 10;
    p.Seg2Y2 = (p.PointY(0) - p.PointY(1)) / 10;
    PutCopyOnA(p);
    while (p.EntryValue != 1) {
        DrawTranslationFigure(p);
        DrawCorrespondingSegments(p);
        Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3)}, {.width = 7, .color = kGrey, .distance = 10});
        p.TextCell = "１で次のステップ。他のキーで動かす。";
        ShowMessageAndWaitKey(p);
        if (LastKeyIs(p, '1')) {
            p.EntryValue = 1;
        } else {
            EraseBox(p, p.GridLeft, p.GridTop + 20, p.GridLeft + 1600, p.GridTop + 20 + 2400);
        }
        for (int i = 1; i <= 3; i++) SetP2(p, i, {p.PointX2(i) + p.Seg2X2, p.PointY2(i) + p.Seg2Y2});
        if (p.PointX2(1) > p.PointX(0) + 5) PutCopyOnA(p);
    }

    EraseBox(p, p.GridLeft, p.GridTop + 20, p.GridLeft + 1600, p.GridTop + 20 + 2400);
    DrawTranslationFigure(p);
    DrawCorrespondingSegments(p);
    p.WorkA = 0;
    p.WorkB = 3;
    p.WorkC = 8;
    Polyline(p, {P(p, 0), P(p, 3), P(p, 8), P(p, 0)}, kGrey);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    ArrowOfPoints(p, 1, 0, kPurple);
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "三角形アをAからA'の方向に");
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "線分AA'の長さだけ");
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "移動させる。");
}

// ---- Topics 3 and 5: the answers --------------------------------------------

namespace {

// An erased screen with the answer pages' text column: numbers at x 40, texts
// at 78, from line 30; pen width 5.
void BeginAnswerPage(Varnel& p) {
    EraseScreen(p);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft + 38;
    p.TextLineY = 30;
    PenWidth(p, 5);
}

// A', B', C' in the name table, for a triangle labelled "1".
void NameImageVertices(Varnel& p) {
    p.PointLabel(1) = "A'";
    p.PointLabel(2) = "B'";
    p.PointLabel(3) = "C'";
}

// Triangle ABC (points 1 to 3) and its image (4 to 6) in the answer style.
void AnswerTriangle(Varnel& p, int first, float color, const Text& labels) {
    Triangle(p, first, first + 1, first + 2, {.width = 5, .color = color, .distance = 10, .labels = labels,
                                              .labelColor = color});
}

}  // namespace

// Topic 3: answers to questions 1 and 2.
void ShowTranslationAnswers1And2(Varnel& p) {
    BeginAnswerPage(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問1 解答");
    Grid(p, {.left = 560, .top = 50, .columns = 16, .rows = 12, .cell = 35});
    SetCells(p, 1, {{5, 6}, {1, 1}, {6, 1}, {13, 8}, {9, 3}, {14, 3}, {5, 8}, {13, 10}});
    AnswerTriangle(p, 1, kBlack, "A");
    NameImageVertices(p);
    AnswerTriangle(p, 4, kBlack, "1");
    ArrowOfPoints(p, 7, 8, kTeal);
    p.WorkA = 7;
    Label(p, p.PointX(7) - 14, p.PointY(7) - 50, kBlack, "O");
    p.WorkA = 8;
    Label(p, p.PointX(8) - 14, p.PointY(8) - 50, kBlack, "P");
    WaitForAnyKey(p);
    for (int i = 1; i <= 3; i++) Segment(p, i, i + 3, kPurple);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "(2)");
    WriteOn(p, kPurple, "平行で、その長さが等しい");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 70, kTeal, "問2 解答");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "AA'∥BB',AA'=BB'");
}

// Topic 5: answer to question 3.
void ShowTranslationAnswer3(Varnel& p) {
    BeginAnswerPage(p);
    Grid(p, {.left = 200, .top = 50, .columns = 16, .rows = 12, .cell = 35});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問3 解答");
    SetCells(p, 1, {{5, 6}, {1, 1}, {6, 1}, {13, 8}, {9, 3}, {14, 3}});
    AnswerTriangle(p, 1, kBlack, "A");
    ArrowOfPoints(p, 1, 4, kTeal);
    WaitForAnyKey(p);
    Segment(p, 2, 5, kTeal);
    WaitForAnyKey(p);
    Segment(p, 3, 6, kTeal);
    WaitForAnyKey(p);
    NameImageVertices(p);
    AnswerTriangle(p, 4, kPurple, "1");
}
