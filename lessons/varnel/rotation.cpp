// The rotation lesson: its goal screen and topic menu, the turning question on
// the hexagon pattern (topic 1) and the answers to questions 6 and 7 (topics 3
// and 4). Topic 2, the definition with the arrow-key turn, is in
// rotation_turn.cpp.
#include "lessons/common/kit.h"
#include "lessons/varnel/hexagon_triangles.h"
#include "lessons/varnel/set_squares.h"
#include "lessons/varnel/topic_pages.h"
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
    NextLine(p, kBlack, "回転移動について考えよう。", 65);
}

void ShowRotationTopicMenu(Varnel& p) {
    RunSubMenu(p, "①P145Q　②回転移動　③問6　④問7　⑤終了",
               {ShowRotationQuestionP145, ShowRotationDefinition, ShowRotationAnswer6, ShowRotationAnswer7});
}

// ---- Topic 1: the hexagon pattern -------------------------------------------

namespace {

// The turning copy of ウ: its corners 1 (A) and 2 (C) turn about corner 3,
// the fixed centre B; one step is 10 degrees.
TurningCopy HexagonTurn(const Varnel& p) {
    return {.centre = P2(p, 3), .first = 1, .last = 2, .degrees = 10, .distanceIn = &Program::Distance};
}

// The copy starts on ウ.
void BeginHexagonTurn(Varnel& p) {
    SetP2(p, 3, P(p, 0));
    SetP2(p, 1, P(p, 1));
    SetP2(p, 2, P(p, 12));
    BeginTurn(p, HexagonTurn(p));
}

// The angle from ray BA to ray BA' (120 degrees, on the side of corner 2),
// one arc of radius 80 in colour 5, with `label` in colour 5 on its
// bisector, moved down by `labelDy` (empty: LabelOffsetY as it stands).
void MarkTurnAngle(Varnel& p, const Text& label, std::optional<float> labelDy = {}) {
    AngleMark(p, 0, 1, 3,
              {.size = 80, .arcs = 1, .color = kPurple, .label = label, .shift = 1, .labelColor = kPurple,
               .labelDy = labelDy});
}

}  // namespace

void ShowRotationQuestionP145(Varnel& p) {
    BeginTopic(p, kQuestionColumn);
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "三角形ウをどのように移動させればエに重なるだろう。");
    BuildHexagonTriangles(p);
    DrawHexagonTriangles(p);
    WaitForAnyKey(p);
    NumberedLine(p, "(1)", kBlack, "A',C'はどこ？");
    WaitForAnyKey(p);
    LabelHexagonTriangles(p);
    WaitForAnyKey(p);
    NumberedLine(p, "(2)", kBlack, "三角形ウを");
    NextLine(p, kBlack, "三角形エに重ねる移動は？");
    WaitForAnyKey(p);

    // A copy of ウ turns 10 degrees about B per key, without end, until "1".
    // The step taken on "1" is never drawn: the answer erases the area first.
    BeginHexagonTurn(p);
    Animate(
        p, {.erase = QuestionFigureArea(p)},
        [&] {
            DrawHexagonTriangles(p);
            LabelHexagonTriangles(p);
            Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3)}, {.width = 7, .color = kGrey});
        },
        [&] { TurnStep(p, HexagonTurn(p)); });

    Erase(p, QuestionFigureArea(p));
    DrawHexagonTriangles(p);
    LabelHexagonTriangles(p);
    Polyline(p, {P(p, 3), P(p, 0), P(p, 8), P(p, 3)}, kGrey);
    WaitForAnyKey(p);
    MarkTurnAngle(p, "");
    WaitForAnyKey(p);
    MarkTurnAngle(p, "120%", 20);   // the size, 20 px lower
    WaitForAnyKey(p);
    NextLine(p, kPurple, "三角形アを点Bを中心として、");
    NextLine(p, kPurple, "反時計回りに120°だけ回転させる。");
}

// ---- Topics 3 and 4: the answers --------------------------------------------

namespace {

// The centre O of question 6 and △ABC with its letters.
void DrawQuestion6Triangle(Varnel& p) {
    DotAndName(p, 0, "O", {.dx = -30, .dy = 0, .color = kPurple});
    Triangle(p, 1, 2, 3, {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});
}

}  // namespace

// Topic 3: the image of △ABC under the quarter turn about O, A' constructed
// one step per key.
void ShowRotationAnswer6(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
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
    // The compass about O opened to A, then an arc across the line through
    // A' (0.03 of a turn either side of each ray; C, point 3, is the range's
    // other ray).
    CompassArc(p, {.centre = 0, .through = 1, .b = 3, .c = 1, .start = RayC(-0.03f), .end = RayC(0.03f),
                   .color = kPurple, .centreDot = false});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 0, .through = 4, .b = 3, .c = 4, .start = RayC(-0.03f), .end = RayC(0.03f),
                   .color = kPurple, .centreDot = false});
    WaitForAnyKey(p);
    DotAndName(p, 4, "A'", {.dx = -20, .dy = -50, .color = kPurple});
    WaitForAnyKey(p);

    // The construction cleared, the whole answer.
    EraseFrame(p);
    DrawQuestion6Triangle(p);
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 4, kBlack);
    Segment(p, 0, 2, kBlack);
    Segment(p, 0, 5, kBlack);
    NameImageVertices(p);
    Triangle(p, 4, 5, 6, {.width = 5, .color = kPurple, .distance = 10, .labels = "1", .labelColor = kPurple});
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P160 問7 をやろう。 ", 450);
}

void DrawRotationAnswerFigure(Varnel& p) {
    EraseBox(p, p.GridLeft, 0, p.GridLeft + 1200, 1800);
    Count(p.InnerIndex, 1, 3, [&](int i) {
        p.PointDirection(i + 3) = p.PointDirection(i) + p.Pi;
        SetP(p, i + 3, Along(P(p, 10), p.PointAngle(i), p.PointDirection(i + 3)));
    });
    // Each vertex joined to its image through O, a colour per pair.
    Count(p.InnerIndex, 1, 3, [&](int i) {
        const float color = static_cast<float>(2 * (i + 2) + 1);
        Segment(p, i, 10, color);
        Segment(p, i + 3, 10, color);
    });
    Triangle(p, 1, 2, 3, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    NameImageVertices(p);
    Triangle(p, 4, 5, 6, {.width = 7, .color = kPurple, .distance = 0, .labels = "1", .labelColor = kPurple});
    Disc(p, P(p, 10), 3, kPurple);
    Name(p, 10, "O", {.dx = 0, .dy = 0, .color = kBlack});
}

// Topic 4: the half turn about O.
void ShowRotationAnswer7(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    SetUpRotationFigure(p);
    DrawRotationAnswerFigure(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問7 解答");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "△ABCを、点Oを中心として180°だけ");
    NextLine(p, kPurple, "回転移動させれば、△A'B'C'に重なる。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 250, kTeal, "  <点対称移動>");
    NextLine(p, kBlack, "回転移動の中で、特に、１８０°の回転移動");
}
