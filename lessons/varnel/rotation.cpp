// The rotation lesson: its goal screen and topic menu, the turning question on
// the hexagon pattern (topic 1) and the answers to questions 6 and 7 (topics 3
// and 4). Topic 2, the definition with the arrow-key turn, is in
// rotation_turn.cpp.
#include "lessons/common/kit.h"
#include "lessons/varnel/hexagon_triangles.h"
#include "lessons/varnel/set_squares.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunRotationLesson(Varnel& p) {
    ShowRotationLessonGoal(p);
    ShowRotationTopicMenu(p);
}

void ShowRotationLessonGoal(Varnel& p) {
    EraseScreen(p);
    GoalHeading(p);
    Write(p, p.TextLeft, p.TextLineY + 65, kBlack, "回転移動について考えよう。");
}

void ShowRotationTopicMenu(Varnel& p) {
    RunSubMenu(p, "①P145Q　②回転移動　③問6　④問7　⑤終了",
               {ShowRotationQuestionP145, ShowRotationDefinition, ShowRotationAnswer6, ShowRotationAnswer7});
}

// ---- Topic 1: the hexagon pattern -------------------------------------------

namespace {

// The figure area below the question line, from the frame's left edge.
void EraseHexagonArea(Varnel& p) {
    EraseBox(p, p.GridLeft, p.GridTop + 20, p.GridLeft + 1600, p.GridTop + 20 + 2400);
}

// The turning copy of ウ starts on ウ: its corners 1 (A) and 2 (C) at their
// directions from the fixed centre B (corner 3), their distances from B in
// PointX2(11) and PointX2(12); one step is 10 degrees.
void BeginHexagonTurn(Varnel& p) {
    p.EntryValue = 5;
    p.AngleStep = 10 * p.Pi / 180;
    SetP2(p, 3, P(p, 0));
    const int sources[2] = {1, 12};
    for (int k = 1; k <= 2; k++) {
        p.PointDirection(k) = DirectionOf(p, P(p, 0), P(p, sources[k - 1]));
        p.Distance = kit::Distance(P(p, 0), P(p, sources[k - 1]));
        p.PointX2(k + 10) = p.Distance;
        SetP2(p, k, Along({p.MarkAX, p.MarkAY}, p.PointX2(k + 10), p.PointDirection(k)));
    }
}

// The copy turned one step further counter-clockwise about B.
void TurnHexagonCopy(Varnel& p) {
    for (int k = 1; k <= 2; k++) {
        p.PointDirection(k) = p.PointDirection(k) + p.AngleStep;
        SetP2(p, k, Along(P2(p, 3), p.PointX2(k + 10), p.PointDirection(k)));
    }
}

// The angle from ray BA to ray BA' (120 degrees, on the side of corner 2),
// one arc of radius 72 in colour 5, with `label` below-left of B.
void MarkTurnAngle(Varnel& p, const Text& label) {
    p.WorkA = 0;
    p.WorkB = 1;
    p.WorkC = 3;
    p.PenColor = kPurple;
    AngleMark(p, P(p, 0), P(p, 1), P(p, 3),
              {.size = 80, .arcs = 1, .color = kPurple, .label = label, .shift = 1});
}

}  // namespace

void ShowRotationQuestionP145(Varnel& p) {
    EraseScreen(p);
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    p.ItemLeft = 30;
    p.TextLeft = p.ItemLeft + 54;
    p.TextLineY = 20;
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "三角形ウをどのように移動させればエに重なるだろう。");
    BuildHexagonTriangles(p);
    DrawHexagonTriangles(p);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(1)");
    WriteOn(p, kBlack, "A',C'はどこ？");
    WaitForAnyKey(p);
    LabelHexagonTriangles(p);
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kGrey, "(2)");
    WriteOn(p, kBlack, "三角形ウを");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "三角形エに重ねる移動は？");
    WaitForAnyKey(p);

    // A copy of ウ turns 10 degrees about B per key, without end, until "1".
    // The step taken on "1" is never drawn: the answer erases the area first.
    BeginHexagonTurn(p);
    while (p.EntryValue != 1) {
        DrawHexagonTriangles(p);
        LabelHexagonTriangles(p);
        Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3)}, {.width = 7, .color = kGrey});
        p.TextCell = "１で次のステップ。他のキーで動かす。";
        ShowMessageAndWaitKey(p);
        if (LastKeyIs(p, '1')) {
            p.EntryValue = 1;
        } else {
            EraseHexagonArea(p);
        }
        TurnHexagonCopy(p);
    }

    EraseHexagonArea(p);
    DrawHexagonTriangles(p);
    LabelHexagonTriangles(p);
    Polyline(p, {P(p, 3), P(p, 0), P(p, 8), P(p, 3)}, kGrey);
    WaitForAnyKey(p);
    MarkTurnAngle(p, "");
    WaitForAnyKey(p);
    p.LabelOffsetY = 20;
    MarkTurnAngle(p, "120%");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "三角形アを点Bを中心として、");
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "反時計回りに120°だけ回転させる。");
}

// ---- Topics 3 and 4: the answers --------------------------------------------

namespace {

// An erased screen with the answer pages' text column: numbers at x 40, texts
// at 78, from line 30; pen width 5.
void BeginRotationAnswerPage(Varnel& p) {
    EraseScreen(p);
    p.ItemLeft = 40;
    p.TextLeft = p.ItemLeft + 38;
    p.TextLineY = 30;
    PenWidth(p, 5);
}

// The centre O of question 6 and △ABC with its letters.
void DrawQuestion6Triangle(Varnel& p) {
    Disc(p, P(p, 0), 6, kPurple);
    Label(p, p.PointX(0) - 30, p.PointY(0), kPurple, "O");
    Triangle(p, 1, 2, 3, {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});
}

// A compass arc about O through point i: 0.06 of a turn centred on the ray
// from O to point i (C, point 3, stands on the other ray of the range).
void CompassArcThrough(Varnel& p, int i) {
    p.Radius = kit::Distance(P(p, 0), P(p, i));
    AngleRange(p, P(p, 0), P(p, 3), P(p, i), 1);
    Arc(p, P(p, 0), p.Radius, kPurple, p.ArcFractionC - 0.03f, p.ArcFractionC + 0.03f);
}

void NameImageVertices(Varnel& p) {
    p.PointLabel(1) = "A'";
    p.PointLabel(2) = "B'";
    p.PointLabel(3) = "C'";
}

}  // namespace

// Topic 3: the image of △ABC under the quarter turn about O, A' constructed
// one step per key.
void ShowRotationAnswer6(Varnel& p) {
    BeginRotationAnswerPage(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問6 解答");
    Grid(p, {.left = 320, .top = 100, .columns = 16, .rows = 10, .cell = 45});
    // O, A, B, C, their images A', B', C', and the far end of the line drawn
    // along the set square (on the ray OA', 1.2 times as far as A').
    SetCells(p, 0, {{7, 2}, {13, 7}, {9, 2}, {14, 2}, {2, 8}, {7, 4}, {7, 9}, {1, 9.2f}});
    DrawQuestion6Triangle(p);
    WaitForAnyKey(p);
    Segment(p, 0, 1, kBlack);
    WaitForAnyKey(p);
    // The set square: right angle at O, long leg along OA', short leg along OA.
    p.SetSquareAngle = DirectionOf(p, P(p, 0), P(p, 4));
    SetP2(p, 32, P(p, 0));
    DrawThirtySixtySetSquare(p);
    WaitForAnyKey(p);
    Line(p, {p.PointX(0) - 5, p.PointY(0)}, {p.PointX(7) - 5, p.PointY(7)}, kGrey);
    WaitForAnyKey(p);
    CompassArcThrough(p, 1);
    WaitForAnyKey(p);
    CompassArcThrough(p, 4);
    WaitForAnyKey(p);
    Disc(p, P(p, 4), 6, kPurple);
    Label(p, p.PointX(4) - 20, p.PointY(4) - 50, kPurple, "A'");
    WaitForAnyKey(p);

    // The construction cleared, the whole answer.
    EraseBox(p, p.GridLeft, p.GridTop, p.GridRight, p.GridBottom);
    DrawQuestion6Triangle(p);
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 4, kBlack);
    Segment(p, 0, 2, kBlack);
    Segment(p, 0, 5, kBlack);
    NameImageVertices(p);
    Triangle(p, 4, 5, 6, {.width = 5, .color = kPurple, .distance = 10, .labels = "1", .labelColor = kPurple});
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 450, kGrey, "教科書P160 問7 をやろう。 ");
}

void DrawRotationAnswerFigure(Varnel& p) {
    EraseBox(p, p.GridLeft, 0, p.GridLeft + 1200, 1800);
    for (int i = 1; i <= 3; i++) {
        p.InnerIndex = static_cast<float>(i);
        p.PointDirection(i + 3) = p.PointDirection(i) + p.Pi;
        SetP(p, i + 3, Along(P(p, 10), p.PointAngle(i), p.PointDirection(i + 3)));
    }
    // Each vertex joined to its image through O, a colour per pair.
    for (int i = 1; i <= 3; i++) {
        p.InnerIndex = static_cast<float>(i);
        const float color = static_cast<float>(2 * (i + 2) + 1);
        Segment(p, i, 10, color);
        Segment(p, i + 3, 10, color);
    }
    Triangle(p, 1, 2, 3, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    NameImageVertices(p);
    Triangle(p, 4, 5, 6, {.width = 7, .color = kPurple, .distance = 0, .labels = "1", .labelColor = kPurple});
    Disc(p, P(p, 10), 3, kPurple);
    Label(p, p.PointX(10), p.PointY(10), kBlack, "O");
}

// Topic 4: the half turn about O.
void ShowRotationAnswer7(Varnel& p) {
    BeginRotationAnswerPage(p);
    SetUpRotationFigure(p);
    DrawRotationAnswerFigure(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問7 解答");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "△ABCを、点Oを中心として180°だけ");
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "回転移動させれば、△A'B'C'に重なる。");
    WaitForAnyKey(p);
    Write(p, p.TextLeft - 38, p.TextLineY + 250, kTeal, "  <点対称移動>");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "回転移動の中で、特に、１８０°の回転移動");
}
