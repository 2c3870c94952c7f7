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

namespace example4 {
constexpr int kO = 0, kA = 1, kB = 2, kC = 3, kD = 4, kE = 5, kRayEnd = 6;
}  // namespace example4

// Points 0 to 6 in the frame in force: C and D 3 cells, E 5 and the ray's
// end 7 cells from O.
void SetExample4Points(Droveny& p) {
    using namespace example4;
    SetCells(p, {{kO, {1, 1}}, {kA, {6, 5}}, {kB, {7, 1}}});
    AngleRange(p, kO, kB, kA);
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 5 * p.CellSize;
    p.Radius3 = 7 * p.CellSize;
    SetP(p, kC, Along(P(p, kO), p.Radius, p.RayAngleC));
    SetP(p, kD, Along(P(p, kO), p.Radius, p.RayAngleB));
    SetP(p, kE, Along(P(p, kO), p.Radius2, p.BisectorAngle));
    SetP(p, kRayEnd, Along(P(p, kO), p.Radius3, p.BisectorAngle));
}

}  // namespace

void DrawExample4AngleFigure(Droveny& p) {
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    SetExample4Points(p);
    DrawAngleAOB(p);
}

void ShowAngleBisectorExample4(Droveny& p) {
    using namespace example4;
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
    Segment(p, kO, kA, kBlack);
    Segment(p, kO, kB, kBlack);
    Segment(p, kE, kC, kBlack);
    Segment(p, kE, kD, kBlack);
    NameAngleAOB(p);
    DotAndName(p, kC, "C", {.dx = -10, .dy = -50});
    DotAndName(p, kD, "D", {.dx = 10, .dy = 0});
    DotAndName(p, kE, "E", {.dx = 10, .dy = -29});
    Ticks(p, kO, kC, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kO, kD, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kC, kE, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kD, kE, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    // Back to the angle frame: the angle is drawn over itself and its points
    // are those of the large figure again.
    DrawExample4AngleFigure(p);
    WaitForAnyKey(p);

    NextLine(p, kTeal, "① Oを中心として、適当な半径の円をかき、交点をC,Dとする。");
    // On past OB, whose fraction is 0.
    CompassArc(p, {.centre = kO, .through = kC, .b = kD, .c = kC, .start = RayC(-0.03f), .end = Fraction(0.03f),
                   .color = kGrey});
    DotAndName(p, kC, "C", {.dx = -10, .dy = -50});
    DotAndName(p, kD, "D", {.dx = 10, .dy = 0});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "② Cを中心として、適当な半径の円をかく。");
    CompassArc(p, {.centre = kC, .through = kE, .b = kB, .c = kE,
                   .start = RayC(1 - 0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③ Dを中心として、②と等しい半径の円をかく。");
    CompassArc(p, {.centre = kD, .through = kE, .b = kE, .c = kC,
                   .start = RayB(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "④ 交点をEとして、半直線OEをひく。");
    DotAndName(p, kE, "E", {.dx = 10, .dy = -60});
    Segment(p, kO, kRayEnd, kPurple);
    WaitForAnyKey(p);

    AngleDot(p, kO, kE, kC, {.distance = 70});
    AngleDot(p, kO, kD, kE, {.distance = 70});
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

namespace straight_angle {
constexpr int kO = 0, kC = 1, kD = 2, kE = 3, kA = 5, kB = 6;
}  // namespace straight_angle

}  // namespace

void ShowStraightAngleBisectorP174(Droveny& p) {
    using namespace straight_angle;
    BeginTopic(p, {.itemLeft = 30, .textLeft = 30, .firstLineY = 30});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "P174Q 点Oを通り、直線AB に垂直な直線をかこう。");
    Grid(p, {.left = 600, .top = 250, .columns = 8, .rows = 5, .cell = 60});
    SetCells(p, {{kO, {4, 1}}, {kC, {2, 1}}, {kD, {6, 1}}, {kE, {4, 4}}, {kA, {0.5f, 1}}, {kB, {7.5f, 1}}});
    Segment(p, kA, kB, kBlack);
    DotAndName(p, kO, "O", {.dx = -30, .dy = 10});
    Name(p, kA, "A", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, kB, "B", {.dx = 0, .dy = 10, .color = kBlack});
    WaitForAnyKey(p);

    // The half of the circle above AB, on 0.03 turn below it at both ends.
    CompassArc(p, {.centre = kO, .through = kC, .start = Fraction(0.47f), .end = Fraction(0.03f), .color = kGrey});
    WaitForAnyKey(p);

    Name(p, kC, "C", {.dx = -30, .dy = 10});
    Name(p, kD, "D", {.dx = 4, .dy = 10});
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "点Oを中心とする円をかき、直線ABとの交点をC,Dとする。", kStepNumber);
    WaitForAnyKey(p);

    CompassArc(p, {.centre = kC, .through = kE, .b = kD, .c = kE,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    // The same opening about D.
    CompassArc(p, {.centre = kD, .b = kC, .c = kE, .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);

    Name(p, kE, "E", {.dx = -30, .dy = 10});
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "点C,Dを中心とする等しい半径の円をかき、交点をEとする。",
                 kStepNumber);
    WaitForAnyKey(p);

    // OE, on one cell beyond O and beyond E.
    Line(p, {p.PointX(kO), p.PointY(kO) + p.CellSize}, {p.PointX(kE), p.PointY(kE) - p.CellSize}, kPurple);
    RightAngle(p, kO, kC, kE, {.shift = -1.0f});
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
