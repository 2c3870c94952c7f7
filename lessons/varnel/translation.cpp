// The translation lesson: its goal screen and topic menu, the opening question
// on the hexagon lattice (topic 1) and the answers to questions 1 to 3
// (topics 3 and 5). Topic 2 is in translation_slide.cpp, topic 4 in
// translation_parallel.cpp.
#include "lessons/common/kit.h"
#include "lessons/varnel/topic_pages.h"
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
    NextLine(p, kBlack, "平行移動について考えよう。", 65);
    NextLine(p, kTeal, "移動", 65);
    WriteOn(p, kBlack, "…ある図形を形や大きさを変えずに他の位置へ移すこと");
}

void ShowTranslationTopicMenu(Varnel& p) {
    RunSubMenu(p, "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了",
               {ShowTranslationQuestionP156, ShowTranslationDefinition, ShowTranslationAnswers1And2,
                ShowParallelLineConstruction, ShowTranslationAnswer3});
}

// ---- Topic 1: the hexagon lattice -------------------------------------------

void BuildTranslationFigure(Varnel& p) {
    SetCells(p, 0, {{5, 5}});   // the centre
    PenWidth(p, 7);
    p.Radius = 4 * p.CellSize;
    // Points 1 to 6: the hexagon's corners, from the top left, counter-clockwise.
    HexagonAngles(p, 120);
    PointsAtAngles(p, 1, p.Radius);
    // Point 7: middle of the top side (sides 1-6); point 8: middle of the
    // bottom side (3-4); point 9: below A, on the horizontal diameter. The
    // point numbers stay in the cells, which no later step reads: LoopIndex 7,
    // FromPoint 8, WorkA and WorkB the ends of the last side (Mid names them).
    p.LoopIndex = 7;
    SetP(p, 7, Mid(P(p, 1), P(p, 6)));
    p.FromPoint = 8;
    SetP(p, 8, Mid(p, 3, 4));
    SetP(p, 9, {p.PointX(1), p.PointY(2)});
}

namespace {

// The names A', B', C' of the image of triangle ア.
void LabelImagePoints(Varnel& p) {
    Name(p, 0, "A'", {.dx = 12, .dy = -45});
    Name(p, 3, "B'", {.dx = -30, .dy = 10});
    Name(p, 8, "C'", {.dx = 0, .dy = 10});
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
    Name(p, 1, "A", {.dx = -14, .dy = -50, .color = kBlack});
    Name(p, 2, "B", {.dx = -30, .dy = -25, .color = kBlack});
    Name(p, 9, "C", {.dx = 4, .dy = -50, .color = kBlack});
    Label(p, p.PointX(3) + 50, p.PointY(8) - 70, kTeal, "イ");
}

void DrawCorrespondingSegments(Varnel& p) {
    LabelImagePoints(p);
    Segment(p, 1, 0, kTeal);
    Segment(p, 2, 3, kTeal);
    Segment(p, 9, 8, kTeal);
}

void ShowTranslationQuestionP156(Varnel& p) {
    BeginTopic(p, kQuestionColumn);
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "三角形アをどのように移動させればイに重なるだろう。");
    BuildTranslationFigure(p);
    DrawTranslationFigure(p);
    WaitForAnyKey(p);
    NumberedLine(p, "(1)", kBlack, "A',B',C'はどこ？");
    WaitForAnyKey(p);
    LabelImagePoints(p);
    WaitForAnyKey(p);
    NumberedLine(p, "(2)", kBlack, "AとA',BとB',CとC'");
    NextLine(p, kBlack, "を結ぶ直線をかこう。");
    WaitForAnyKey(p);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    NumberedLine(p, "(3)", kBlack, "かいた線分の関係は?");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "平行でその長さが等しい。");
    WaitForAnyKey(p);
    NumberedLine(p, "(4)", kBlack, "三角形アの移動は？");
    WaitForAnyKey(p);

    // The copy of ア slides a tenth of AA' per key, back onto ア once it has
    // passed A', until the key "1".
    p.Seg2X2 = (p.PointX(0) - p.PointX(1)) / 10;
    p.Seg2Y2 = (p.PointY(0) - p.PointY(1)) / 10;
    PutCopyOnA(p);
    Animate(
        p, {.erase = QuestionFigureArea(p)},
        [&] {
            DrawTranslationFigure(p);
            DrawCorrespondingSegments(p);
            Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3)}, {.width = 7, .color = kGrey, .distance = 10});
        },
        [&] {
            for (int i = 1; i <= 3; i++) SetP2(p, i, {p.PointX2(i) + p.Seg2X2, p.PointY2(i) + p.Seg2Y2});
            if (p.PointX2(1) > p.PointX(0) + 5) PutCopyOnA(p);
        });

    Erase(p, QuestionFigureArea(p));
    DrawTranslationFigure(p);
    DrawCorrespondingSegments(p);
    // The copy at rest on A'B'C'; WorkA..WorkC keep its points (no step reads them).
    p.WorkA = 0;
    p.WorkB = 3;
    p.WorkC = 8;
    Polyline(p, {P(p, 0), P(p, 3), P(p, 8), P(p, 0)}, kGrey);
    DrawCorrespondingSegments(p);
    WaitForAnyKey(p);
    ArrowOfPoints(p, 1, 0, kPurple);
    WaitForAnyKey(p);
    NextLine(p, kTeal, "三角形アをAからA'の方向に");
    NextLine(p, kTeal, "線分AA'の長さだけ");
    NextLine(p, kTeal, "移動させる。");
}

// ---- Topics 3 and 5: the answers --------------------------------------------

namespace {

// Triangle ABC (points 1 to 3) and its image (4 to 6) in the answer style.
void AnswerTriangle(Varnel& p, int first, float color, const Text& labels) {
    Triangle(p, first, first + 1, first + 2, {.width = 5, .color = color, .distance = 10, .labels = labels,
                                              .labelColor = color});
}

}  // namespace

// Topic 3: answers to questions 1 and 2.
void ShowTranslationAnswers1And2(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問1 解答");
    Grid(p, {.left = 560, .top = 50, .columns = 16, .rows = 12, .cell = 35});
    SetCells(p, 1, {{5, 6}, {1, 1}, {6, 1}, {13, 8}, {9, 3}, {14, 3}, {5, 8}, {13, 10}});
    AnswerTriangle(p, 1, kBlack, "A");
    NameImageVertices(p);
    AnswerTriangle(p, 4, kBlack, "1");
    ArrowOfPoints(p, 7, 8, kTeal);
    // WorkA keeps the point last named (no step reads it).
    p.WorkA = 7;
    Name(p, 7, "O", {.dx = -14, .dy = -50, .color = kBlack});
    p.WorkA = 8;
    Name(p, 8, "P", {.dx = -14, .dy = -50, .color = kBlack});
    WaitForAnyKey(p);
    for (int i = 1; i <= 3; i++) Segment(p, i, i + 3, kPurple);
    WaitForAnyKey(p);
    NumberedLine(p, "(2)", kPurple, "平行で、その長さが等しい", {.numberColor = kBlack});
    WaitForAnyKey(p);
    NextLine(p, kTeal, "問2 解答", 70);
    WaitForAnyKey(p);
    NextLine(p, kPurple, "AA'∥BB',AA'=BB'");
}

// Topic 5: answer to question 3.
void ShowTranslationAnswer3(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
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
