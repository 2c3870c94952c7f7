// The angle-bisector lesson: its goals screen and topic menu, example 4
// (topic 2) and the bisector of the straight angle (topic 5). Topic 1 is in
// angle_fold.cpp, topics 3 and 4 in angle_bisector_points.cpp.
#include "lessons/droveny/angle_bisector_steps.h"

using namespace kit;
using namespace droveny;

// ---- Entry, goals screen and topic menu -------------------------------------

void RunAngleBisectorLesson(Droveny& p) {
    ShowAngleBisectorGoals(p);
    ShowAngleBisectorTopicMenu(p);
}

// Points: 0 O, 1 A, 2 B, 3 where the name C stands on the bisector, 4 the
// bisector's end.
void ShowAngleBisectorGoals(Droveny& p) {
    EraseScreen(p);
    PenWidth(p, 5);
    GoalHeading(p);
    NextLine(p, kBlack, "角の二等分線の作図を考えよう。", 65);
    NextLine(p, kPurple, "<角の二等分線>");
    NextLine(p, kBlack, "1つの角を2等分する半直線");
    NextLine(p, kPurple, "∠AOBの二等分線は、半直線OC");

    Grid(p, {.left = 720, .top = 200, .columns = 8, .rows = 7, .cell = 50});
    SetCells(p, {{0, {1, 3}}});
    PlaceAboutVertex(p, 1, 250, 30);
    PlaceAboutVertex(p, 2, 250, -30);
    PlaceAboutVertex(p, 3, 250, 0);
    PlaceAboutVertex(p, 4, 300, 0);

    Name(p, 0, "O", {.dx = -40, .dy = -25});
    Segment(p, 0, 1, kBlack);
    Name(p, 1, "A", {.dx = -20, .dy = -50});
    Segment(p, 0, 2, kBlack);
    Name(p, 2, "B", {.dx = -20, .dy = 10});
    Segment(p, 0, 4, kPurple);
    Name(p, 3, "C", {.dx = -20, .dy = -50, .color = kPurple});
    AngleDot(p, 0, 3, 1, {.distance = 50});
    AngleDot(p, 0, 2, 3, {.distance = 50});
}

void ShowAngleBisectorTopicMenu(Droveny& p) {
    RunSubMenu(p, "①P173Q　②例4作図　③二等分線上の点　④問9　⑤P174Q　⑥終了",
               {ShowAngleFoldP173, ShowAngleBisectorExample4, ShowPointsOnAngleBisector, ShowAngleBisectorAnswer9,
                ShowStraightAngleBisectorP174});
}

// ---- Topic 2: example 4 ------------------------------------------------------
// Points: 0 O, 1 A, 2 B, 3 C on OA and 4 D on OB equally far from O, 5 E on
// the bisector, 6 the end of the ray OE; the same cells in the angle frame
// and in the small kite.

namespace {

// Points 0 to 6 in the frame in force: C and D 3 cells, E 5 and the ray's
// end 7 cells from O.
void SetExample4Points(Droveny& p) {
    SetCells(p, {{0, {1, 1}}, {1, {6, 5}}, {2, {7, 1}}});
    AngleRange(p, 0, 2, 1);
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 5 * p.CellSize;
    p.Radius3 = 7 * p.CellSize;
    SetP(p, 3, Along(P(p, 0), p.Radius, p.RayAngleC));
    SetP(p, 4, Along(P(p, 0), p.Radius, p.RayAngleB));
    SetP(p, 5, Along(P(p, 0), p.Radius2, p.BisectorAngle));
    SetP(p, 6, Along(P(p, 0), p.Radius3, p.BisectorAngle));
}

}  // namespace

void DrawExample4AngleFigure(Droveny& p) {
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetExample4Points(p);
    DrawAngleAOB(p);
}

void ShowAngleBisectorExample4(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    // The title says example 3 although this is example 4: kept as the
    // lesson has always shown it.
    Write(p, p.TextLeft, p.TextLineY, kTeal, "例3 ");
    WriteOn(p, kPurple, "∠AOBの二等分線の作図");
    DrawExample4AngleFigure(p);
    WaitForAnyKey(p);

    // The idea: a kite OCED, sketched small on the left.
    NextLine(p, kBlack, "下図のようなたこ形をかけばよいから");
    Grid(p, {.left = 80, .top = 400, .columns = 9, .rows = 6, .cell = 40});
    SetExample4Points(p);
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 2, kBlack);
    Segment(p, 5, 3, kBlack);
    Segment(p, 5, 4, kBlack);
    NameAngleAOB(p);
    DotAndName(p, 3, "C", {.dx = -10, .dy = -50});
    DotAndName(p, 4, "D", {.dx = 10, .dy = 0});
    DotAndName(p, 5, "E", {.dx = 10, .dy = -29});
    Ticks(p, 0, 3, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, 0, 4, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, 3, 5, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, 4, 5, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    // Back to the angle frame: the angle is drawn over itself and its points
    // are those of the large figure again.
    DrawExample4AngleFigure(p);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "① Oを中心として、適当な半径の円をかき、交点をC,Dとする。");
    // On past OB, whose fraction is 0.
    CompassArc(p, {.centre = 0, .through = 3, .b = 4, .c = 3, .start = RayC(-0.03f), .end = Fraction(0.03f),
                   .color = kGrey});
    DotAndName(p, 3, "C", {.dx = -10, .dy = -50});
    DotAndName(p, 4, "D", {.dx = 10, .dy = 0});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "② Cを中心として、適当な半径の円をかく。");
    CompassArc(p, {.centre = 3, .through = 5, .b = 2, .c = 5,
                   .start = RayC(1 - 0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③ Dを中心として、②と等しい半径の円をかく。");
    CompassArc(p, {.centre = 4, .through = 5, .b = 5, .c = 3,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④ 交点をEとして、半直線OEをひく。");
    DotAndName(p, 5, "E", {.dx = 10, .dy = -60});
    Segment(p, 0, 6, kPurple);
    WaitForAnyKey(p);

    AngleDot(p, 0, 5, 3, {.distance = 70});
    AngleDot(p, 0, 4, 5, {.distance = 70});
    WaitForAnyKey(p);

    Write(p, p.TextLeft + 360, p.GridBottom, kBlack, "教科書P173 問8 をやろう。");
}

// ---- Topic 5: the bisector of the straight angle -----------------------------
// Points: 0 O on AB, 1 C and 2 D where the circle about O cuts AB, 3 E where
// the equal circles about C and D meet, 5 A and 6 B the ends of the line.

namespace {

// The steps written under the figure: the number in teal, the sentence 10 px
// after it.
constexpr NumberStyle kStepNumber{.numberColor = kTeal, .space = 10};

}  // namespace

void ShowStraightAngleBisectorP174(Droveny& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 30, .firstLineY = 30});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "P174Q 点Oを通り、直線AB に垂直な直線をかこう。");
    Grid(p, {.left = 600, .top = 250, .columns = 8, .rows = 5, .cell = 60});
    SetCells(p, {{0, {4, 1}}, {1, {2, 1}}, {2, {6, 1}}, {3, {4, 4}}, {5, {0.5f, 1}}, {6, {7.5f, 1}}});
    Segment(p, 5, 6, kBlack);
    DotAndName(p, 0, "O", {.dx = -30, .dy = 10});
    Name(p, 5, "A", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 6, "B", {.dx = 0, .dy = 10, .color = kBlack});
    WaitForAnyKey(p);

    // The half of the circle above AB, on 0.03 turn below it at both ends.
    CompassArc(p, {.centre = 0, .through = 1, .start = Fraction(0.47f), .end = Fraction(0.03f), .color = kGrey});
    WaitForAnyKey(p);

    Name(p, 1, "C", {.dx = -30, .dy = 10});
    Name(p, 2, "D", {.dx = 4, .dy = 10});
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "点Oを中心とする円をかき、直線ABとの交点をC,Dとする。", kStepNumber);
    WaitForAnyKey(p);

    CompassArc(p, {.centre = 1, .through = 3, .b = 2, .c = 3,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    // The same opening about D.
    CompassArc(p, {.centre = 2, .b = 1, .c = 3, .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    Name(p, 3, "E", {.dx = -30, .dy = 10});
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "点C,Dを中心とする等しい半径の円をかき、交点をEとする。",
                 kStepNumber);
    WaitForAnyKey(p);

    // OE, on one cell beyond O and beyond E.
    Line(p, {p.PointX(0), p.PointY(0) + p.CellSize}, {p.PointX(3), p.PointY(3) - p.CellSize}, kPurple);
    RightAngle(p, 0, 1, 3, {.shift = -1.0f});
    WaitForAnyKey(p);

    NumberedLine(p, "③", kBlack, "直線OEをひく。", kStepNumber);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "実際に作図しよう。", 60);
    WaitForAnyKey(p);

    NextLine(p, kGrey, "垂直になる理由は?", 80);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "∠AOB=180%で、");
    NextLine(p, kTeal, "直線OEはその角の二等分線だから");
    NextLine(p, kPurple, "∠AOE=90%となる。");
}
