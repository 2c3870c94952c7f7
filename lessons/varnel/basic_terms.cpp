// The basic-terms lesson: its goal screen and topic menu, angles and the
// crossing point (topic 2), perpendicular and parallel lines (topic 3),
// polygons and the isosceles triangle (topic 4). Topic 1 is in
// basic_terms_lines.cpp.
#include "lessons/common/kit.h"
#include "lessons/varnel/topic_pages.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

// ---- Entry, goal screen and topic menu --------------------------------------

void RunBasicTermsLesson(Varnel& p) {
    ShowBasicTermsLessonGoal(p);
    ShowBasicTermsTopicMenu(p);
}

void ShowBasicTermsLessonGoal(Varnel& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "直線・角・三角形などを記号で表そう。", 65);
}

void ShowBasicTermsTopicMenu(Varnel& p) {
    RunSubMenu(p, "①直線　②交点、角　③平行、垂直　④三角形　⑤終了",
               {ShowLinesAndSegments, ShowAnglesAndIntersections, ShowParallelAndPerpendicular,
                ShowPolygonsAndTriangles});
}

// ---- Topic 2: angles and the crossing point ---------------------------------

namespace {

// The angle ABC of figure 1 marked at B (point WorkA) between the rays to C
// (WorkB) and A (WorkC): a sector of radius `size` in colour 3, its label in
// colour 3 on the bisector, 10 px to the right.
void MarkAngleB(Varnel& p, float size, const Text& label) {
    AngleMark(p, 2, 3, 1,
              {.size = size, .arcs = 0, .color = kBlack, .fill = kTeal, .label = label, .shift = 1,
               .labelColor = kTeal, .labelDx = 10});
}

}  // namespace

void ShowAnglesAndIntersections(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kPurple, "<角の表し方>");
    Grid(p, {.left = 800, .top = 10, .columns = 7, .rows = 6, .cell = 50, .color = kWhite});
    SetCells(p, 1, {{5, 5}, {1, 1}, {6, 1}});
    // The caption stands 50 px below the top of its frame.
    Label(p, p.OriginX + 80, p.GridTop + 50, kGrey, "図1");
    Segment(p, 1, 2, kBlack);
    Segment(p, 2, 3, kBlack);
    Name(p, 1, "A", {.dx = 8, .dy = -30});
    Name(p, 2, "B", {.dx = -30, .dy = -20});
    Name(p, 3, "C", {.dx = 8, .dy = -25});
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "①図1のような角を角ABCといい、");
    NextLine(p, kTeal, "∠ABC");
    WriteOn(p, kBlack, "と表す。");
    WaitForAnyKey(p);

    MarkAngleB(p, 30, "b");
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "②∠ABCを");
    WriteOn(p, kTeal, "∠B");
    WriteOn(p, kBlack, "や");
    WriteOn(p, kTeal, "∠b");
    WriteOn(p, kBlack, "と表すこともある。");
    WaitForAnyKey(p);

    NumberedLine(p, "③", kTeal, "∠ABC=45%", {.numberColor = kBlack});
    WriteOn(p, kBlack, "と大きさを表すこともある。");
    // The mark routine cleared its size and label: both are given again.
    MarkAngleB(p, 60, "45%");
    WaitForAnyKey(p);

    NextLine(p, kPurple, "<交点>", 80);
    Grid(p, {.left = 800, .top = 330, .columns = 8, .rows = 6, .cell = 50, .color = kWhite});
    SetCells(p, 1, {{1, 5}, {7, 1}, {1, 1}, {7, 5}});
    // O: where FG meets DE.
    SetP(p, 0, Crossing(p, P(p, 3), P(p, 4), P(p, 1), P(p, 2)));
    Label(p, p.OriginX + 80, p.GridTop, kGrey, "図2");
    Segment(p, 1, 2, kBlack);
    Segment(p, 3, 4, kBlack);
    Name(p, 1, "D", {.dx = -30, .dy = -30});
    Name(p, 2, "E", {.dx = 8, .dy = -25});
    Name(p, 3, "F", {.dx = -30, .dy = -30});
    Name(p, 4, "G", {.dx = 8, .dy = -25});
    Name(p, 0, "O", {.dx = -14, .dy = 12, .color = kPurple});
    WaitForAnyKey(p);

    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "図1の");
    WriteOn(p, kTeal, "点B");
    WriteOn(p, kBlack, "や図2の");
    WriteOn(p, kTeal, "点O");
    WriteOn(p, kBlack, "のように");
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "2つの線が交わる点を");
    WriteOn(p, kTeal, "交点");
    WriteOn(p, kBlack, "という。");
}

// ---- Topic 3: perpendicular and parallel lines ------------------------------

void ShowParallelAndPerpendicular(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kPurple, "<垂直・垂線>");
    Grid(p, {.left = 800, .top = 50, .columns = 8, .rows = 5, .cell = 50, .color = kWhite});
    SetCells(p, 1, {{0, 2}, {8, 2}, {4, 5}, {4, 0}});
    // The crossing of the vertical CD and the level AB.
    SetP(p, 0, Crossing(p, P(p, 3), P(p, 4), P(p, 1), P(p, 2)));
    // The caption stands 10 px below the top of its frame.
    Label(p, p.OriginX + 80, p.GridTop + 10, kGrey, "図1");
    Segment(p, 1, 2, kBlack);
    Segment(p, 3, 4, kBlack);
    Name(p, 1, "A", {.dx = 8, .dy = 0});
    Name(p, 2, "B", {.dx = -30, .dy = 0});
    Name(p, 3, "C", {.dx = 8, .dy = 0});
    Name(p, 4, "D", {.dx = 8, .dy = -40});
    // The right angle at the crossing, between the rays to B and to C.
    RightAngle(p, 0, 2, 3, {.size = 30, .shift = -1.0f});
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "①2直線AB,CDが交わってできる角が");
    NextLine(p, kBlack, "直角であるとき、ABとCDは");

    WaitForAnyKey(p);
    WriteOn(p, kTeal, "垂直");
    WriteOn(p, kBlack, "で");
    NextLine(p, kBlack, "あるといい、");
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "AB⊥CD");
    WriteOn(p, kBlack, "と表す。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "②CDをABの");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "垂線");
    WriteOn(p, kBlack, "という。（ABはCDの垂線）");

    WaitForAnyKey(p);
    NextLine(p, kPurple, "<平行>", 80);
    Grid(p, {.left = 800, .top = 330, .columns = 8, .rows = 6, .cell = 50, .color = kWhite});
    SetCells(p, 1, {{1, 4}, {8, 4}, {1, 1}, {8, 1}});
    Label(p, p.OriginX + 80, p.GridTop, kGrey, "図2");
    Segment(p, 1, 2, kBlack);
    Segment(p, 3, 4, kBlack);
    Name(p, 1, "A", {.dx = 0, .dy = -50});
    Name(p, 2, "B", {.dx = -30, .dy = -50});
    Name(p, 3, "C", {.dx = 0, .dy = 8});
    Name(p, 4, "D", {.dx = -30, .dy = 8});
    // One chevron on each line, a quarter of the way along, towards B and D.
    for (const int from : {1, 3}) {
        p.FromPoint = static_cast<float>(from);
        p.ToPoint = static_cast<float>(from + 1);
        Chevrons(p, P(p, from), P(p, from + 1), {.count = 1, .size = 25, .color = kTeal, .at = 1, .of = 3});
    }
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "①2直線AB,CDが交わらないとき、");
    NextLine(p, kBlack, "ABとCDは");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "平行");
    WriteOn(p, kBlack, "であるといい、");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "AB∥CD");
    WriteOn(p, kBlack, "と表す。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "②直線AB,CDを");
    WriteOn(p, kTeal, "直線m、直線n");
    NextLine(p, kBlack, "と表すこともある。");
    WriteOn(p, kTeal, " m∥n");
    Label(p, p.PointX(1) - 40, p.PointY(1) - 25, kGrey, "m");
    Label(p, p.PointX(3) - 40, p.PointY(3) - 25, kGrey, "n");
}

// ---- Topic 4: polygons and triangles ----------------------------------------

namespace {

// The sides of a polygon at width 5 in colour 0, lettered from A 10 px out in
// `labelColor`.
PolygonStyle Lettered(float labelColor) {
    return {.width = 5, .color = kBlack, .distance = 10, .labels = "A", .labelColor = labelColor};
}

// Two ticks across the side from point 1 (A) to point `to`, 8 px apart.
void EqualSideTicks(Varnel& p, int to) {
    Ticks(p, 1, to, {.count = 2, .size = 12, .color = kPurple, .spacing = 8, .shift = 0});
}

// The filled sector of radius 40 over the triangle's inner angle at `vertex`
// (the rays exchanged, no label: the polygon left MarkLabel empty).
void EqualAngleSector(Varnel& p, int vertex, int b, int c) {
    AngleMark(p, P(p, vertex), P(p, b), P(p, c),
              {.size = 40, .arcs = 0, .color = kBlack, .fill = kPurple, .label = "", .shift = -1});
}

}  // namespace

void ShowPolygonsAndTriangles(Varnel& p) {
    BeginTopic(p, kAnswerColumn);
    Write(p, p.TextLeft, p.TextLineY, kPurple, "<多角形>");
    // The quadrilateral (points 11-14) and the hexagon's centre (point 20).
    Grid(p, {.left = 560, .top = 50, .columns = 16, .rows = 7, .cell = 35, .color = kWhite});
    SetCells(p, 11, {{2, 5}, {1, 1}, {6, 1}, {5, 6}});
    SetCells(p, 20, {{12, 3.5f}});
    // The hexagon's corners (points 21-26), from the upper left counter-clockwise.
    p.Radius = p.CellSize * 3.5f;
    HexagonAngles(p, 120);
    PointsAtAngles(p, 21, p.Radius, 20);
    // The isosceles triangle ABC (points 1-3), apex A.
    Grid(p, {.left = 640, .top = 300, .columns = 6, .rows = 6, .cell = 60, .color = kWhite});
    SetCells(p, 1, {{3, 5}, {1, 1}, {5, 1}});
    Polygon(p, {P(p, 11), P(p, 12), P(p, 13), P(p, 14)}, Lettered(kBlack));
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "①いくつかの線分で囲まれた");
    NextLine(p, kBlack, "図形を");
    WriteOn(p, kTeal, "多角形");
    WriteOn(p, kBlack, "という。");

    WaitForAnyKey(p);
    Polygon(p, {P(p, 21), P(p, 22), P(p, 23), P(p, 24), P(p, 25), P(p, 26)}, Lettered(kBlack));
    WaitForAnyKey(p);
    NextLine(p, kPurple, "<三角形>", 80);
    Triangle(p, 1, 2, 3, Lettered(kTeal));
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "①3つの線分で囲まれた図形を");
    NextLine(p, kTeal, "三角形");
    WriteOn(p, kBlack, "という。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "②３点A,B,Cを頂点とする");
    NextLine(p, kBlack, "三角形ABCを");
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "△ABC");
    WriteOn(p, kBlack, "と表す。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "③辺ABと辺ACが等しい");
    NextLine(p, kBlack, "ことを");
    EqualSideTicks(p, 2);
    // The ticks left TickSpacing at 24: the second side sets 8 again.
    EqualSideTicks(p, 3);
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "AB=AC");
    WriteOn(p, kBlack, "と表す。");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kBlack, "④∠ABCと∠ACBが等しい");
    NextLine(p, kBlack, "ことを");
    EqualAngleSector(p, 2, 1, 3);
    EqualAngleSector(p, 3, 2, 1);
    WaitForAnyKey(p);
    WriteOn(p, kPurple, "∠ABC=∠ACB");
    WriteOn(p, kBlack, "と表す。");
}
