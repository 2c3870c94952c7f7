// The perpendicular-bisector lesson: its goals screen and topic menu, the
// reflection topic (topic 1) and the fold of A onto B (topic 2). Topics 3
// and 4 are in perpendicular_bisector_construction.cpp, topics 5 and 6 in
// perpendicular_bisector_points.cpp.
#include "lessons/common/reflection_fold.h"
#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"
#include "lessons/droveny/fold_loop.h"

using namespace kit;
using namespace droveny;

// ---- Entry, goals screen and topic menu -------------------------------------

void RunPerpendicularBisectorLesson(Droveny& p) {
    ShowPerpendicularBisectorGoals(p);
    ShowPerpendicularBisectorTopicMenu(p);
}

void ShowPerpendicularBisectorGoals(Droveny& p) {
    EraseScreen(p);
    GoalHeading(p);
    NextLine(p, kBlack, "垂直二等分線の作図を考えよう。", 65);
}

void ShowPerpendicularBisectorTopicMenu(Droveny& p) {
    RunSubMenu(p, "①対称移動　②P171Q　③例３　④問６　⑤二等分線上の点　⑥問7　⑦終了",
               {ShowBisectorReflectionTopic, ShowFoldBisectorP171, ShowBisectorExample3, ShowBisectorAnswer6,
                ShowPointsOnBisector, ShowBisectorAnswer7});
}

// ---- Topic 1: the reflection over a typed axis -------------------------------
// The figure and the fold are the shared reflection fold's (points 1-36 as
// lessons/common/reflection_fold.h lists them).

void ShowBisectorReflectionTopic(Droveny& p) {
    AskReflectionAxisAngle(p);
    WriteReflectionDefinition(p);
    SetUpReflectionFigure(p);
    ShowReflectionFoldPrompt(p);   // the key only starts the fold

    BeginReflectionFold(p);
    RedrawReflectionFigure(p);
    MoveTriangleByArrowKeys(p);

    WaitForAnyKey(p);
    DrawQuestion8Figure(p);
    WaitForAnyKey(p);

    // Right angles at the feet on l, between the segment to the image and l.
    for (int k = 1; k <= 3; k++) RightAngle(p, 26 + k, 23 + k, 12, {.shift = 1.0f});
    WaitForAnyKey(p);

    // Equal halves: A one tick on each half, B two (moved 20 px), C three.
    Count(p.InnerIndex, 1, 3, [&](int k) {
        const TickStyle halves{.count = k, .size = 15, .color = kTeal, .spacing = 8.0f,
                               .shift = k == 2 ? 20.0f : 0.0f};
        Ticks(p, P(p, 20 + k), P(p, 26 + k), halves);
        Ticks(p, P(p, 23 + k), P(p, 26 + k), halves);
    });
    WaitForAnyKey(p);

    Write(p, p.TextLeft - 38, p.TextLineY + 50, kTeal, "③");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "対応する点を結ぶ線分は、対称の軸");
    NextLine(p, kBlack, "によって垂直に2等分される。");
    WaitForAnyKey(p);

    NextLine(p, kPurple, " <中点・垂直二等分線>", 100);
    NextLine(p, kTeal, "中点");
    WriteOn(p, kBlack, "…Mのように2等分する点");
    // M, the midpoint of BB': B lies level with the centre of l, so its foot
    // is the centre whatever the axis angle.
    const Pt m{p.PointX(10), p.PointY(2)};
    Disc(p, m, 8, kPurple);
    Name(p, m, "M", {.dx = -35, .dy = 10, .color = kPurple});
    NextLine(p, kTeal, "垂直二等分線");
    WriteOn(p, kBlack, "…lのように、");
    NextLine(p, kBlack, "中点を通り垂直に交わる直線");
    NextLine(p, kPurple, "BB'⊥l,BM=B'M");
}

void MoveTriangleByArrowKeys(Droveny& p) {
    // Enter ends the fold where it stands; the arrows fold and redraw.
    RunReflectionArrowKeyLoop(p);
}

// ---- Topic 2: the fold of A onto B -------------------------------------------
// Points: 1 C, 2 D (on l), 3 A, 4 B, 5 M, 6 and 7 the other corners of the
// sheet, the ends of l. The moving corner A' is PointX2(1), PointY2(1).

namespace {

constexpr int kC = 1, kD = 2, kA = 3, kB = 4, kM = 5, kLTop = 6, kLBottom = 7;

// One frame of the fold: AB's fixed half with A and B, the crease once
// folded, the sheet through A', A' and the folded half A'M.
void DrawSheetFoldFrame(Droveny& p) {
    DrawFoldSegmentFigure(p);
    if (p.ArcAngle == 360) Segment(p, kLTop, kLBottom, kTeal);
    Polyline(p, {P2(p, 1), P(p, kLBottom), P(p, kB), P(p, kLTop), P2(p, 1)}, kBlack);
    Dot(p, P2(p, 1), kTeal);
    Line(p, P2(p, 1), P(p, kM), kBlack);
}

// A folded onto B.
constexpr SheetFold kSheetFold{.corner = kA, .target = kB, .drawFrame = DrawSheetFoldFrame};

}  // namespace

void DrawFoldSegmentFigure(Droveny& p) {
    Segment(p, kB, kM, kBlack);
    DotAndName(p, kB, "B", {.dx = 10, .dy = 0});
    DotAndName(p, kA, "A");
}

void ShowFoldBisectorP171(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "教科書P171 Q をやろう。");
    Grid(p, {.left = 720, .top = 150, .columns = 8, .rows = 8, .cell = 60});
    SetCells(p, {{kC, {2, 6}}, {kD, {6, 2}}, {kA, {7, 7}}, {kB, {1, 1}}, {kM, {4, 4}}, {kLTop, {1, 7}},
                 {kLBottom, {7, 1}}});
    BoxOutline(p, P(p, kA), P(p, kB), kBlack);
    DotAndName(p, kA, "A");
    DotAndName(p, kB, "B", {.dx = 10, .dy = 0});
    WaitForAnyKey(p);

    RunSheetFold(p, kSheetFold);

    // The crease l, wherever the fold stopped.
    EraseFrame(p);
    DrawFoldSegmentFigure(p);
    Segment(p, kLTop, kLBottom, kTeal);
    Segment(p, kA, kB, kBlack);
    Name(p, kLTop, "l", {.dx = -40, .dy = -20});
    WaitForAnyKey(p);

    // The right angle and the equal halves at M. The ticks keep the shift -1
    // the right angle leaves, so they stand 7 px past the middles.
    RightAngle(p, kM, kLTop, kA, {.size = 30, .shift = -1.0f});
    const TickStyle half{.count = 1, .size = 15, .color = kPurple, .spacing = 8.0f, .shift = {}};
    Ticks(p, P(p, kA), P(p, kM), half);
    Ticks(p, P(p, kM), P(p, kB), half);
    WaitForAnyKey(p);

    NextLine(p, kPurple, "線分ABの垂直二等分線", 60);
    WaitForAnyKey(p);
    WriteOn(p, kBlack, "(対称移動では、対応する点を結ぶ線分は、");
    NextLine(p, kBlack, "対称の軸によって垂直に2等分されるから)");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "直線lを作図する方法を考えよう。");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "直線l上に適当な長さで、AC=ADとなる");
    NextLine(p, kBlack, "2点C,Dをとる。");
    Segment(p, kA, kC, kTeal);
    Segment(p, kA, kD, kTeal);
    DotAndName(p, kC, "C", kNameAbove);
    DotAndName(p, kD, "D", {.dx = -14, .dy = 10});
    Ticks(p, kA, kC, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kA, kD, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "2点C,DとBを結ぶ。");
    Segment(p, kB, kC, kTeal);
    Segment(p, kB, kD, kTeal);
    WaitForAnyKey(p);

    NextLine(p, kBlack, "四角形ACBDの辺の長さはすべて等しいから");
    NextLine(p, kTeal, "ひし形ACBDができる。");
    Ticks(p, kB, kC, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kB, kD, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "したがって、垂直二等分線lをかくには、");
    NextLine(p, kPurple, "①ABを対角線とするひし形をかき");
    NextLine(p, kPurple, "②もう一つの対角線をひけばよい。");
}
