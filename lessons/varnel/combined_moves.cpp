// The combined-moves lesson: its goal screen and topic menu, example 1 with
// its three stepped animations, and the answer to question 11. The rhombus
// problem (topic 1) is in combined_rhombus.cpp.
#include <functional>

#include "lessons/common/kit.h"
#include "lessons/varnel/topic_pages.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunCombinedMovesLesson(Varnel& p) {
    ShowCombinedMovesLessonGoal(p);
    RunSubMenu(p, "①P163Q　②例　③問１１　④終了",
               {ShowRhombusMovesP163, ShowCombinedMovesExample1, ShowCombinedMovesAnswer11});
}

void ShowCombinedMovesLessonGoal(Varnel& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "移動を使って、いろいろな問題を考えよう。", 65);
}

// ---- Example 1: the figure --------------------------------------------------

namespace {

// The grid of example 1: 17 by 10 cells of 45 from (200, 100).
void Example1Grid(Varnel& p) {
    Grid(p, {.left = 200, .top = 100, .columns = 17, .rows = 10, .cell = 45, .color = kBlack});
}

Pt Target(const Varnel& p, int i) { return Pt{p.TableValueB(i), p.TableValueA(i)}; }

// The target triangle A'C'B' with outline `color`; `labels` "1" names its
// corners from PointLabel.
void TargetTriangle(Varnel& p, float color, const Text& labels) {
    Polygon(p, {Target(p, 1), Target(p, 2), Target(p, 3)},
            {.width = 5, .color = color, .distance = 20, .labels = labels, .labelColor = kPurple});
}

// Triangle a-b-c of the point table as a bold outline without labels.
void BoldTriangle(Varnel& p, int a, int b, int c, float color) {
    Triangle(p, a, b, c, {.width = 7, .color = color, .distance = 10});
}

// The moving triangle (PointX2/PointY2 1 to 3) as a bold grey outline.
void MovingTriangle(Varnel& p) {
    Polygon(p, {P2(p, 1), P2(p, 2), P2(p, 3)}, {.width = 7, .color = kGrey, .distance = 10});
}

// Points 1 to 3 of the point table as the moving triangle.
void CopyToMoving(Varnel& p, int first) {
    for (int k = 0; k < 3; k++) SetP2(p, 1 + k, P(p, first + k));
}

// The key loop of the translation and the rotation: a frame is the figure and
// the moving triangle, and every key erases the grid frame and runs `step`
// (also the key 1: that position is never drawn); after the 1 the last frame
// gives way to the exact result, triangle `result`..`result` + 2.
void RunExample1Steps(Varnel& p, int result, const std::function<void()>& step) {
    Animate(
        p, {.erase = FrameArea(p)},
        [&] {
            DrawExample1Triangles(p);
            MovingTriangle(p);
        },
        step);
    EraseFrame(p);
    DrawExample1Triangles(p);
    BoldTriangle(p, result, result + 1, result + 2, kTeal);
}

}  // namespace

void SetExample1Figure(Varnel& p) {
    SetCells(p, 1, {{4, 5}, {1, 1}, {4, 1}, {10, 5}});
    SetCells(p, 7, {{10, 5}, {7, 1}, {10, 1}});
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 4 * p.CellSize;
    SetP(p, 6, Along(P(p, 4), p.Radius2, 315 * p.Pi / 180));  // C'
    SetP(p, 5, Along(P(p, 6), p.Radius, 45 * p.Pi / 180));    // B'
    SetP(p, 10, P(p, 7));
    SetP(p, 12, P(p, 6));
    SetP(p, 11, Along(P(p, 12), p.Radius, 225 * p.Pi / 180));
    // The target A'C'B' in drawing order, and its names.
    const int target[] = {4, 6, 5};
    const Text names[] = {"A'", "C'", "B'"};
    for (int i = 1; i <= 3; i++) {
        p.TableValueB(i) = p.PointX(target[i - 1]);
        p.TableValueA(i) = p.PointY(target[i - 1]);
        p.PointLabel(i) = names[i - 1];
    }
}

void DrawExample1Triangles(Varnel& p) {
    Example1Grid(p);
    Triangle(p, 1, 2, 3, {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});
    TargetTriangle(p, kPurple, "1");
}

// ---- Example 1: the animations ----------------------------------------------

void AnimateExample1Translation(Varnel& p) {
    p.Seg2X2 = p.CellSize;
    CopyToMoving(p, 1);
    RunExample1Steps(p, 7, [&] {
        for (int k = 1; k <= 3; k++) p.PointX2(k) = p.PointX2(k) + p.Seg2X2;
        // Past column 15 the triangle starts again on ABC.
        if (p.PointX2(1) > p.PointX(4) + 5 * p.CellSize)
            for (int k = 1; k <= 3; k++) p.PointX2(k) = p.PointX(k);
    });
}

void AnimateExample1Rotation(Varnel& p) {
    CopyToMoving(p, 7);
    // B and C turn about A, 15 degrees a key.
    const auto turn = [&] { return TurningCopy{.centre = P2(p, 1), .first = 2, .last = 3, .degrees = 15}; };
    BeginTurn(p, turn());
    RunExample1Steps(p, 10, [&] { TurnStep(p, turn()); });
}

namespace {

// The path of B over the fold (B2 to B'), dotted every 3 degrees: `sweep`
// degrees of it from B2, or all of it for 0.
void FoldPath(Varnel& p, float sweep) {
    DottedArc(p, P(p, 11), P(p, 5), {.side = 1, .bulge = 20, .step = 3, .sweep = sweep, .color = kGrey});
}

}  // namespace

void AnimateExample1Fold(Varnel& p) {
    CopyToMoving(p, 10);
    // The fold parameter ArcAngle runs 180, 190, ... 360 a key, then 180 again.
    Animate(
        p, {.erase = FrameArea(p), .counter = {.cell = &p.ArcAngle, .from = 180, .by = 10, .upTo = 360, .backTo = 180}},
        [&] {
            DrawExample1Triangles(p);
            BoldTriangle(p, 10, 11, 12, kTeal);
            p.LineColor = kGrey;
            Line(p, P2(p, 1), P2(p, 2), p.LineColor);
            Line(p, P2(p, 2), P2(p, 3), p.LineColor);
            Line(p, P2(p, 3), P2(p, 1), p.LineColor);
            // B has left B2 once the fold parameter has passed 180, also when a
            // turn brings it back there (every fold shows its trace so).
            if (p.ArcAngle > 180) FoldPath(p, p.ArcAngle - 180);
        },
        [&] {
            p.ArcSide = 1;
            SetP2(p, 2, PointOnArc(p, P(p, 11), P(p, 5), p.ArcAngle, 20));
        });
    EraseFrame(p);
    DrawExample1Triangles(p);
    BoldTriangle(p, 10, 11, 12, kTeal);
    TargetTriangle(p, kGrey, "");  // the outline turns grey, the names stay
    FoldPath(p, 0);
}

// ---- Example 1: the topic ---------------------------------------------------

namespace {

// An answer line: `before` in black, the move's name in purple, "する。".
void AnswerLine(Varnel& p, const Text& before, const Text& move, const Text& after) {
    NextLine(p, kBlack, before);
    WriteOn(p, kPurple, move);
    WriteOn(p, kBlack, after);
}

}  // namespace

void ShowCombinedMovesExample1(Varnel& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例1");
    WriteOn(p, kBlack, " △ABCを△A'B'C'に重ね合わせる移動は？");
    Example1Grid(p);
    SetExample1Figure(p);
    DrawExample1Triangles(p);
    WaitForAnyKey(p);

    AnimateExample1Translation(p);
    WaitForAnyKey(p);
    AnimateExample1Rotation(p);
    WaitForAnyKey(p);
    AnimateExample1Fold(p);
    WaitForAnyKey(p);

    EraseFrame(p);
    DrawExample1Triangles(p);
    WaitForAnyKey(p);
    BoldTriangle(p, 7, 8, 9, kGrey);
    // The top three rows of the grid make room for answer lines 2 and 3.
    EraseBox(p, p.GridLeft, p.GridTop, p.GridLeft + 2000, p.GridTop + 3 * p.CellSize);

    AnswerLine(p, "まず、△ABCを点Aから点A'の方向に線分AA'の長さだけ", "平行移動", "する。");
    WaitForAnyKey(p);
    AnswerLine(p, "次に、点Aを中心として反時計回りに45°だけ", "回転移動", "する。");
    BoldTriangle(p, 10, 11, 12, kTeal);
    WaitForAnyKey(p);
    AnswerLine(p, "さらに、直線ACを対称の軸として", "対称移動", "する。");
    TargetTriangle(p, kPurple, "1");
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.GridBottom + 50, kGrey, "教科書P163 問11 をやろう。 ");
}

// ---- Topic 3: the answer to question 11 -------------------------------------

namespace {

void Answer11Grid(Varnel& p) {
    Grid(p, {.left = 200, .top = 100, .columns = 12, .rows = 7, .cell = 45, .color = kBlack});
}

// Triangle ABC lettered, the target A'B'C' outlined in `targetColor` and
// named, and the turned triangle 7-8-9 in grey.
void Answer11Triangles(Varnel& p, float targetColor) {
    Triangle(p, 1, 2, 3, {.width = 5, .color = kTeal, .distance = 20, .labels = "A", .labelColor = kTeal});
    Polygon(p, {Target(p, 1), Target(p, 2), Target(p, 3)},
            {.width = 5, .color = targetColor, .distance = 20, .labels = "1", .labelColor = kPurple});
}

void TurnedTriangle(Varnel& p) { Triangle(p, 7, 8, 9, {.width = 5, .color = kGrey, .distance = 20, .labelColor = kTeal}); }

}  // namespace

void ShowCombinedMovesAnswer11(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問11 解答");
    Answer11Grid(p);
    SetCells(p, 1, {{5, 4}, {1, 1}, {5, 1}, {10, 1}, {7, 5}, {7, 1}, {5, 5}, {5, 1}, {8, 1}});
    const Text names[] = {"A'", "B'", "C'"};
    for (int i = 1; i <= 3; i++) {
        p.TableValueB(i) = p.PointX(3 + i);
        p.TableValueA(i) = p.PointY(3 + i);
        p.PointLabel(i) = names[i - 1];
    }
    Answer11Triangles(p, kPurple);
    WaitForAnyKey(p);
    TurnedTriangle(p);
    WaitForAnyKey(p);
    Write(p, p.TextLeft, p.GridBottom + 30, kBlack, "△ABCを、点Cを中心として時計回りに90°だけ");
    WriteOn(p, kPurple, "回転移動");
    WriteOn(p, kBlack, "し、");
    WaitForAnyKey(p);

    EraseFrame(p);
    Answer11Grid(p);
    Answer11Triangles(p, kGrey);
    TurnedTriangle(p);
    WaitForAnyKey(p);
    NextLine(p, kBlack, "点Cから点C'の方向に線分CC'の長さだけ");
    WriteOn(p, kPurple, "平行移動");
    WriteOn(p, kBlack, "する。");
}
