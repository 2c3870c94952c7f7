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
    Write(p, p.TextLeft, p.TextLineY + 65, kBlack, "角の二等分線の作図を考えよう。");
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "<角の二等分線>");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "1つの角を2等分する半直線");
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "∠AOBの二等分線は、半直線OC");

    Grid(p, {.left = 720, .top = 200, .columns = 8, .rows = 7, .cell = 50});
    SetCellPoints(p, {{0, {1, 3}}});
    PlaceAboutVertex(p, 1, 250, 30);
    PlaceAboutVertex(p, 2, 250, -30);
    PlaceAboutVertex(p, 3, 250, 0);
    PlaceAboutVertex(p, 4, 300, 0);

    Letter(p, 0, -40, -25, "O");
    Segment(p, 0, 1, kBlack);
    Letter(p, 1, -20, -50, "A");
    Segment(p, 0, 2, kBlack);
    Letter(p, 2, -20, 10, "B");
    Segment(p, 0, 4, kPurple);
    Letter(p, 3, -20, -50, "C", kPurple);
    EqualAngleDisc(p, 0, 3, 1, 50);
    EqualAngleDisc(p, 0, 2, 3, 50);
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
    SetCellPoints(p, {{0, {1, 1}}, {1, {6, 5}}, {2, {7, 1}}});
    CompassRange(p, 0, 2, 1);
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
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "下図のようなたこ形をかけばよいから");
    Grid(p, {.left = 80, .top = 400, .columns = 9, .rows = 6, .cell = 40});
    SetExample4Points(p);
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 2, kBlack);
    Segment(p, 5, 3, kBlack);
    Segment(p, 5, 4, kBlack);
    NameAngleAOB(p);
    DotAndName(p, 3, -10, -50, "C");
    DotAndName(p, 4, 10, 0, "D");
    DotAndName(p, 5, 10, -29, "E");
    TicksBetween(p, 0, 3, 2, 15, kGrey);
    TicksBetween(p, 0, 4, 2, 15, kGrey);
    TicksBetween(p, 3, 5, 1, 15, kGrey);
    TicksBetween(p, 4, 5, 1, 15, kGrey);
    // Back to the angle frame: the angle is drawn over itself and its points
    // are those of the large figure again.
    DrawExample4AngleFigure(p);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "① Oを中心として、適当な半径の円をかき、交点をC,Dとする。");
    Dot(p, 0, kGrey);
    RadiusBetween(p, 0, 3);
    CompassRange(p, 0, 4, 3);
    Arc(p, P(p, 0), p.Radius, kGrey, p.ArcFractionC - 0.03f, 0.03f);   // on past OB, whose fraction is 0
    DotAndName(p, 3, -10, -50, "C");
    DotAndName(p, 4, 10, 0, "D");
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "② Cを中心として、適当な半径の円をかく。");
    DrawCompassArc(p, {.centre = 3, .through = 5, .b = 2, .c = 5, .shift = 1, .color = kBrightBlue,
                       .start = {Ray::C, 1 - 0.05f}, .end = {Ray::C, 0.05f}});
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "③ Dを中心として、②と等しい半径の円をかく。");
    DrawCompassArc(p, {.centre = 4, .through = 5, .b = 5, .c = 3, .shift = 1, .color = kBrightBlue,
                       .start = {Ray::B, -0.03f}, .end = {Ray::B, 0.03f}});
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "④ 交点をEとして、半直線OEをひく。");
    DotAndName(p, 5, 10, -60, "E");
    Segment(p, 0, 6, kPurple);
    WaitForAnyKey(p);

    EqualAngleDisc(p, 0, 5, 3, 70);
    EqualAngleDisc(p, 0, 4, 5, 70);
    WaitForAnyKey(p);

    Write(p, p.TextLeft + 360, p.GridBottom, kBlack, "教科書P173 問8 をやろう。");
}

// ---- Topic 5: the bisector of the straight angle -----------------------------
// Points: 0 O on AB, 1 C and 2 D where the circle about O cuts AB, 3 E where
// the equal circles about C and D meet, 5 A and 6 B the ends of the line.

void ShowStraightAngleBisectorP174(Droveny& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 30, .firstLineY = 30});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "P174Q 点Oを通り、直線AB に垂直な直線をかこう。");
    Grid(p, {.left = 600, .top = 250, .columns = 8, .rows = 5, .cell = 60});
    SetCellPoints(p, {{0, {4, 1}}, {1, {2, 1}}, {2, {6, 1}}, {3, {4, 4}}, {5, {0.5f, 1}}, {6, {7.5f, 1}}});
    Segment(p, 5, 6, kBlack);
    DotAndName(p, 0, -30, 10, "O");
    Letter(p, 5, -14, 10, "A", kBlack);
    Letter(p, 6, 0, 10, "B", kBlack);
    WaitForAnyKey(p);

    // The half of the circle above AB, on 0.03 turn below it at both ends.
    Dot(p, 0, kGrey);
    RadiusBetween(p, 0, 1);
    Arc(p, P(p, 0), p.Radius, kGrey, 0.47f, 0.03f);
    WaitForAnyKey(p);

    Letter(p, 1, -30, 10, "C");
    Letter(p, 2, 4, 10, "D");
    WaitForAnyKey(p);

    NumberedLine(p, "①", kTeal, "点Oを中心とする円をかき、直線ABとの交点をC,Dとする。", kBlack);
    WaitForAnyKey(p);

    DrawCompassArc(p, {.centre = 1, .through = 3, .b = 2, .c = 3, .shift = 1, .color = kBrightBlue,
                       .start = {Ray::C, -0.05f}, .end = {Ray::C, 0.05f}});
    WaitForAnyKey(p);

    KeptRadiusArc(p, 2, 1, 3, kBrightBlue);
    WaitForAnyKey(p);

    Letter(p, 3, -30, 10, "E");
    WaitForAnyKey(p);

    NumberedLine(p, "②", kTeal, "点C,Dを中心とする等しい半径の円をかき、交点をEとする。", kBlack);
    WaitForAnyKey(p);

    // OE, on one cell beyond O and beyond E.
    Line(p, {p.PointX(0), p.PointY(0) + p.CellSize}, {p.PointX(3), p.PointY(3) - p.CellSize}, kPurple);
    RightAngleAt(p, 0, 1, 3);
    WaitForAnyKey(p);

    NumberedLine(p, "③", kTeal, "直線OEをひく。", kBlack);
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 60, kTeal, "実際に作図しよう。");
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 80, kGrey, "垂直になる理由は?");
    WaitForAnyKey(p);

    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "∠AOB=180%で、");
    Write(p, p.TextLeft, p.TextLineY + 50, kTeal, "直線OEはその角の二等分線だから");
    Write(p, p.TextLeft, p.TextLineY + 50, kPurple, "∠AOE=90%となる。");
}
