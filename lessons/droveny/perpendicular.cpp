// The perpendicular lesson: its goals screen and topic menu, the kite
// question (topic 1) and the two worked examples (topics 2 and 3). Topics 4
// and 6 are in perpendicular_answers.cpp, topic 5 in
// perpendicular_distance.cpp.
#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

using namespace kit;
using namespace droveny;

// ---- Entry, goals screen and topic menu -------------------------------------

void RunPerpendicularLesson(Droveny& p) {
    ShowPerpendicularGoals(p);
    ShowPerpendicularTopicMenu(p);
}

void ShowPerpendicularGoals(Droveny& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "1 垂線の作図を考えよう。", 65);
    NextLine(p, kBlack, "2 点と直線の距離、平行な2直線の距離を調べよう。", 65);
}

void ShowPerpendicularTopicMenu(Droveny& p) {
    RunSubMenu(p, "①P68Q　②例1　③例２　④問4　⑤点と直線の距離　⑥問5　⑦終了",
               {ShowPerpendicularKiteQuestion, ShowPerpendicularExample1, ShowPerpendicularExample2,
                ShowPerpendicularAnswer4, ShowPointLineDistance, ShowPerpendicularAnswer5});
}

// ---- Topic 1: the kite question ---------------------------------------------
// Points: 1 A, 2 B (on l), 3 P, 4 Q (P mirrored in l), 5 where PQ meets l,
// 6 and 7 the ends of l.

namespace {

// The points of topics 1 to 3 (in topic 3, C stands where Q stood).
constexpr int kA = 1, kB = 2, kP = 3, kQ = 4, kC = 4, kFoot = 5, kLeftEnd = 6, kRightEnd = 7;

// l with its name and P with its name, in the frame in force.
void DrawLineAndPoint(Droveny& p, float lineNameDx) {
    Segment(p, kLeftEnd, kRightEnd, kBlack);
    Name(p, kLeftEnd, "l", {.dx = lineNameDx, .dy = -50});
    DotAndName(p, kP, "P");
}

}  // namespace

void DrawKiteQuestionFigure(Droveny& p) {
    DrawLineAndPoint(p, 10);
    Segment(p, kA, kP, kBlack);
    DotAndName(p, kA, "A", kNameAbove);
    Segment(p, kB, kP, kBlack);
    DotAndName(p, kB, "B", kNameAbove);
}

void ShowPerpendicularKiteQuestion(Droveny& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 30 + 36, .firstLineY = 20});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "AP=AQ,BP=BQ となる点Qをかき、直線PQとlの関係を調べよう。");
    Grid(p, {.left = 640, .top = 150, .columns = 8, .rows = 8, .cell = 60});
    SetCells(p, {{kA, {2, 4}}, {kB, {7, 4}}, {kP, {5, 7}}, {kQ, {5, 1}}, {kFoot, {5, 4}},
                 {kLeftEnd, {0.5f, 4}}, {kRightEnd, {7.5f, 4}}});
    DrawKiteQuestionFigure(p);
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "中心A,半径APの円をかく");
    CompassArc(p, {.centre = kA, .through = kP, .b = kQ, .c = kP,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);

    Write(p, p.TextEndX + 30, p.TextLineY, kGrey, "②");
    WriteOn(p, kBlack, "中心B,半径BPの円をかく");
    CompassArc(p, {.centre = kB, .through = kP, .b = kP, .c = kQ,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NumberedLine(p, "③", kBlack, "交点をQとする");
    DotAndName(p, kQ, "Q");
    WaitForAnyKey(p);

    NumberedLine(p, "④", kTeal, "直線PQとlの関係は?");
    Segment(p, kP, kQ, kTeal);
    WaitForAnyKey(p);

    RightAngle(p, P(p, kFoot), P(p, kP), P(p, kB), {.size = 30, .shift = -1.0f});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "PQ⊥l");
    WaitForAnyKey(p);

    WriteOn(p, kBlack, "(2円の交点を通る直線と");
    NextLine(p, kBlack, "2円の中心を通る直線は垂直だから)");
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "この垂線PQを作図する方法を考えよう。");
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "直線l上に2点A,Bをとり、4点を結ぶと");
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    WaitForAnyKey(p);

    Polygon(p, {P(p, kA), P(p, kQ), P(p, kB), P(p, kP)},
            {.width = 5, .color = kTeal, .distance = 10, .labels = "", .labelColor = kBlack});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "AP=AQ,BP=BQ だから ");
    NextLine(p, kTeal, "たこ形AQBPができる。");
    Ticks(p, kA, kP, {.count = 3, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kA, kQ, {.count = 3, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kP, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kQ, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    WriteOn(p, kBlack, "したがって、");
    NextLine(p, kPurple, "①直線l上に、2点A,Bをとり");
    NextLine(p, kPurple, "②たこ形をかき、点Qをみつければよい。");
}

// ---- Topic 2: example 1 ------------------------------------------------------
// Points: 1 A, 2 B (on l), 3 P, 4 Q (P mirrored in l), 6 and 7 the ends of l;
// the same grid cells in the large figure and in the small sketch.

namespace {

void SetExample1Points(Droveny& p) {
    SetCells(p,
             {{kA, {1, 3}}, {kB, {8, 3}}, {kP, {5, 5}}, {kQ, {5, 1}}, {kLeftEnd, {-0.5f, 3}}, {kRightEnd, {9.5f, 3}}});
}

}  // namespace

void DrawExample1KiteFigure(Droveny& p) {
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetExample1Points(p);
    DrawLineAndPoint(p, 10);
}

void ShowPerpendicularExample1(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例1 ");
    WriteOn(p, kBlack, "直線l上にない点Pを通る、直線lの垂線をかきなさい。");
    DrawExample1KiteFigure(p);
    WaitForAnyKey(p);

    // The idea: a kite AQBP, sketched small on the left.
    NextLine(p, kBlack, "下図のようなたこ形をかけばよいから");
    Grid(p, {.left = 80, .top = 450, .columns = 9, .rows = 5, .cell = 40});
    SetExample1Points(p);
    DrawLineAndPoint(p, 10);
    Polygon(p, {P(p, kA), P(p, kQ), P(p, kB), P(p, kP)},
            {.width = 5, .color = kBlack, .distance = 10, .labels = "", .labelColor = kBlack});
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    StretchedSegment(p, kP, kQ, 20, kPurple);
    Ticks(p, kA, kP, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kA, kQ, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kP, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kQ, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    // Back to the large figure: its frame and points again (the sketch
    // overwrote them); l and P are drawn over themselves.
    DrawExample1KiteFigure(p);
    NextLine(p, kTeal, "①直線l上に適当な2点A,Bをとる。");
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "②Aを中心として、半径APの円をかく。");
    CompassArc(p, {.centre = kA, .through = kP, .b = kQ, .c = kP,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);

    // The radius is measured to Q; it equals BP.
    NextLine(p, kTeal, "③Bを中心として、半径BPの円をかく。");
    CompassArc(p, {.centre = kB, .through = kQ, .b = kP, .c = kQ,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④2つの円の交点を通る直線をひく。");
    StretchedSegment(p, kP, kQ, 50, kPurple);
    WaitForAnyKey(p);

    Write(p, p.GridLeft - 240, p.GridBottom, kGrey, "教科書P169 問3 をやろう。");
}

// ---- Topic 3: example 2 ------------------------------------------------------
// Points: 1 A, 2 B (where the circle about P cuts l), 3 P, 4 C (where the
// circles about A and B meet), 6 and 7 the ends of l; the same grid cells in
// the right figure and in the kite on the left.

namespace {

void SetExample2Points(Droveny& p) {
    SetCells(p,
             {{kA, {1, 3}}, {kB, {5, 3}}, {kP, {3, 6}}, {kC, {3, 1}}, {kLeftEnd, {-0.5f, 3}}, {kRightEnd, {6.5f, 3}}});
}

}  // namespace

void DrawExample2KiteFigure(Droveny& p) {
    Grid(p, {.left = 800, .top = 150, .columns = 6, .rows = 7, .cell = 60});
    SetExample2Points(p);
    DrawLineAndPoint(p, 10);
}

void ShowPerpendicularExample2(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例2 ");
    WriteOn(p, kBlack, "直線l上にない点Pを通る、直線lの垂線をかきなさい。");
    DrawExample2KiteFigure(p);
    WaitForAnyKey(p);

    // The idea: a kite ACBP on the left.
    NextLine(p, kBlack, "下図のようなたこ形でもよいから");
    Grid(p, {.left = 320, .top = 350, .columns = 6, .rows = 7, .cell = 45});
    SetExample2Points(p);
    DrawLineAndPoint(p, -10);
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    DotAndName(p, kC, "C");
    Polygon(p, {P(p, kA), P(p, kC), P(p, kB), P(p, kP)}, {.width = 5, .color = kBlack, .distance = 10, .labels = ""});
    Ticks(p, kC, kA, {.count = 1, .size = 12, .color = kGrey, .shift = -8.0f});
    Ticks(p, kC, kB, {.count = 1, .size = 12, .color = kGrey, .shift = -8.0f});
    Ticks(p, kP, kA, {.count = 2, .size = 12, .color = kGrey, .shift = -8.0f});
    Ticks(p, kP, kB, {.count = 2, .size = 12, .color = kGrey, .shift = -8.0f});
    Line(p, {p.PointX(kP), p.PointY(kP) - 20}, {p.PointX(kC), p.PointY(kC) + 20}, kPurple);
    // Back to the right figure for the construction (nothing changes on the
    // screen).
    DrawExample2KiteFigure(p);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "①Pを中心として、適当な半径の円をかく。");
    CompassArc(p, {.centre = kP, .through = kA, .b = kB, .c = kA, .shift = -1,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "②交点をA,Bとする。");
    DotAndName(p, kA, "A", kNameAbove);
    DotAndName(p, kB, "B", kNameAbove);
    WaitForAnyKey(p);

    NumberedLine(p, "③", kTeal, "Aを中心として、適当な半径の円をかく。", {.numberColor = kTeal});
    CompassArc(p, {.centre = kA, .through = kC, .b = kP, .c = kC, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④Bを中心として、③と等しい半径の円をかく。");
    CompassArc(p, {.centre = kB, .through = kC, .b = kP, .c = kC, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "⑤交点をCとして、");
    IndentedLine(p, kTeal, "直線PCをひく。");
    DotAndName(p, kC, "C");
    Line(p, {p.PointX(kP), p.PointY(kP) - 50}, {p.PointX(kC), p.PointY(kC) + 50}, kPurple);
    WaitForAnyKey(p);

    Write(p, p.GridLeft - 240, p.GridBottom, kGrey, "教科書P169 問3 をやろう。");
}
