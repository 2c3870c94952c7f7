// Droveny's perpendicular-bisector lesson: the topic menu, the reflection
// fold over a typed axis, the sheet fold of A onto B, and the construction
// topics, run on scripted keys and read back from the trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"
#include "lessons/droveny/fold_loop.h"

namespace {

using namespace testing_support;
using namespace droveny_test;

const std::string kEnter = "{Enter}";
const std::string kCaption = "①対称移動　②P171Q　③例３　④問６　⑤二等分線上の点　⑥問7　⑦終了";

// ---- The lesson menu ----------------------------------------------------------

TEST(PerpendicularBisectorLesson, GoalsThenTheTopicMenuUntilItemSeven) {
    // 0, 8, -1, Enter alone and 1/0 are refused; 7 leaves the lesson.
    DrovenyFixture f("0" + kEnter + "8" + kEnter + "-1" + kEnter + kEnter + "1/0" + kEnter + "7" + kEnter);
    Droveny& p = f.prog;
    RunPerpendicularBisectorLesson(p);
    const auto events = f.Events();
    ExpectTexts(events, {{"<めあて>", 44, 240, 3}, {"垂直二等分線の作図を考えよう。", 44, 305, 0}});
    EXPECT_EQ(p.TextLeft, 44);
    EXPECT_EQ(p.TextLineY, 305);
    EXPECT_EQ(Captions(events, kCaption), 6);
    EXPECT_EQ(p.MenuChoice, 7);
    // The refusals leave the screen above the band alone.
    EXPECT_EQ(CountBoxes(events, 0, 0, 1760, 1800), 1);
    const auto boxes = Of(events, "box");
    for (std::size_t i = 1; i < boxes.size(); i++) EXPECT_GE(boxes[i]["y1"].get<double>(), 600) << boxes[i].dump();
}

// ---- Topic 1: the reflection fold ---------------------------------------------

// The reflection topic on `keys` until they run out.
std::vector<json> RunReflection(DrovenyFixture& f) {
    RunUntilKeysEnd(f, ShowBisectorReflectionTopic);
    return f.Events();
}

std::string Arrows(int right, int left = 0) { return Repeat("{Right}", right) + Repeat("{Left}", left); }

struct FoldCase {
    const char* name;
    std::string arrows;
    int steps;          // FoldStepCount after them
    int imageColor;     // colour of the moving triangle
    bool labelled;      // "A'", "C'", "B'" on it
    int dots;           // dots of the paths
};

std::ostream& operator<<(std::ostream& os, const FoldCase& c) { return os << c.name; }

class ReflectionFoldKeys : public testing::TestWithParam<FoldCase> {};

TEST_P(ReflectionFoldKeys, DrawsTheFoldTheKeysReached) {
    const FoldCase& c = GetParam();
    DrovenyFixture f("90" + kEnter + "x" + c.arrows);
    Droveny& p = f.prog;
    const auto frames = Frames(RunReflection(f));
    const auto& last = frames.back();
    EXPECT_EQ(p.FoldStepCount, c.steps);
    EXPECT_EQ(CountLines(last, c.imageColor, 7), c.imageColor == 3 ? 9 : 3);
    const json label = FindRun(last, "A'");
    EXPECT_EQ(!label.is_null(), c.labelled);
    if (c.labelled) {
        EXPECT_EQ(label["color"], 5);
        EXPECT_FALSE(FindRun(last, "C'").is_null());
        EXPECT_FALSE(FindRun(last, "B'").is_null());
    }
    EXPECT_EQ(CountDiscs(last, 1, 7, 1e-6), c.dots);
}

INSTANTIATE_TEST_SUITE_P(
    Folds, ReflectionFoldKeys,
    testing::Values(FoldCase{"NineRightsFoldFully", Arrows(9), 9, 5, true, 61 + 61 + 31},
                    FoldCase{"FurtherRightsStayFolded", Arrows(11), 9, 5, true, 153},
                    FoldCase{"ThreeForwardThreeBackIsUnfolded", Arrows(3, 3), 0, 3, false, 3},
                    FoldCase{"LeftAtTheStartStaysUnfolded", Arrows(0, 1), 0, 3, false, 3},
                    FoldCase{"OneRight", Arrows(1), 1, 5, false, 7 + 7 + 4}),
    [](const testing::TestParamInfo<FoldCase>& tp) { return std::string(tp.param.name); });

TEST(ReflectionFold, OneStepPlacesTheVerticesTwentyDegreesOn) {
    DrovenyFixture f("90" + kEnter + "x" + Arrows(1));
    Droveny& p = f.prog;
    RunReflection(f);
    // d cos 200°, y + 0.2 d sin 20° for d = 90, 240, 150 from the axis x 878.
    const float want[3][2] = {{793.428f, 156.156f}, {652.474f, 346.417f}, {737.046f, 520.261f}};
    for (int k = 0; k < 3; k++) {
        EXPECT_NEAR(p.PointX(24 + k), want[k][0], 0.01) << k;
        EXPECT_NEAR(p.PointY(24 + k), want[k][1], 0.01) << k;
    }
}

TEST(ReflectionFold, TheFirstKeyOnlyStartsAndOtherKeysRedrawNothing) {
    // The first prompt's → does not fold; "z" and ↑ leave the picture.
    DrovenyFixture f("90" + kEnter + "{Right}" + "z{Up}");
    Droveny& p = f.prog;
    const auto frames = Frames(RunReflection(f));
    EXPECT_EQ(p.FoldStepCount, 0);
    ASSERT_GE(frames.size(), 3u);
    for (std::size_t i = frames.size() - 2; i < frames.size(); i++) {
        EXPECT_EQ(Of(frames[i], "line").size(), 0u) << i;
        EXPECT_EQ(Of(frames[i], "polyline").size(), 0u) << i;
    }
}

TEST(ReflectionFold, EnterMidFoldShowsTheFullImageAfterwards) {
    DrovenyFixture f("90" + kEnter + "x" + Arrows(4) + kEnter + "a");
    Droveny& p = f.prog;
    const auto frames = Frames(RunReflection(f));
    EXPECT_EQ(p.FoldStepCount, 9);
    const auto& last = frames.back();
    EXPECT_EQ(FindRun(last, "A'")["color"], 5);
    EXPECT_TRUE(HasLine(last, 878 + 90, 150, 878 - 90, 150, 0, 0.01));   // A'A
}

struct AxisCase {
    const char* name;
    std::string typed;
    float axis;
};

std::ostream& operator<<(std::ostream& os, const AxisCase& c) { return os << c.name; }

class ReflectionAxis : public testing::TestWithParam<AxisCase> {};

TEST_P(ReflectionAxis, TurnsTheFigureToTheTypedAngleAndRunsToTheEnd) {
    const AxisCase& c = GetParam();
    DrovenyFixture f(c.typed + kEnter + "x" + Arrows(9) + kEnter + Repeat("a", 5));
    Droveny& p = f.prog;
    const auto events = RunReflection(f);
    EXPECT_FLOAT_EQ(p.AxisAngle, c.axis);
    EXPECT_TRUE(std::isfinite(p.TurnAngle));
    // The axis runs through (878, 330) at the typed angle, counter-clockwise.
    const float dir = std::atan2(p.PointY(12) - p.PointY(11), p.PointX(11) - p.PointX(12));
    const float want = c.axis * 3.14159f / 180;
    EXPECT_NEAR(std::remainder(dir - want, 2 * 3.14159f), 0, 1e-3) << dir;
    ExpectTexts(events, {{"BB'⊥l,BM=B'M", 76, 580, 5}, {" <中点・垂直二等分線>", 76, 380, 5}});
    EXPECT_EQ(CountDiscs(events, 8, 5, 1e-6), 1);
    for (const auto& e : Of(events, "circle"))
        if (Near(e["r"], 8, 1e-6)) {
            EXPECT_TRUE(Near(e["x"], 878, 1e-3) && Near(e["y"], 330, 1e-3)) << e.dump();
        }
}

INSTANTIATE_TEST_SUITE_P(Angles, ReflectionAxis,
                         testing::Values(AxisCase{"Upright", "90", 90}, AxisCase{"ZeroOverZeroIsFlat", "1/0", 0},
                                         AxisCase{"Down", "270", 270}, AxisCase{"BeyondATurn", "400", 400},
                                         AxisCase{"Negative", "-30", -30}),
                         [](const testing::TestParamInfo<AxisCase>& tp) { return std::string(tp.param.name); });

TEST(ReflectionFold, NoLabelInkSurvivesTheNextRedrawAndTheTextColumnStays) {
    // At 270 B' lands near x 599; one step back must leave nothing of it.
    DrovenyFixture f("270" + kEnter + "x" + Arrows(9, 1));
    RunReflection(f);
    int inked = 0;
    for (int x = 587; x < 630; x++)
        for (int y = 0; y < 640; y++) inked += f.rt->PixelColor(x, y) != 15;
    EXPECT_EQ(inked, 0);
    int text = 0;   // "折り目の直線…対称の軸" still there
    for (int x = 300; x < 440; x++)
        for (int y = 180; y < 215; y++) text += f.rt->PixelColor(x, y) == 3;
    EXPECT_GT(text, 100);
}

// ---- Topic 2: the sheet fold ----------------------------------------------------


struct SheetCase {
    int keys;      // keys after the set-up's pause
    float angle;   // ArcAngle they reach
    float x, y;    // A'
};

void PrintTo(const SheetCase& c, std::ostream* os) { *os << c.keys << " keys"; }

class SheetFoldKeys : public testing::TestWithParam<SheetCase> {};

TEST_P(SheetFoldKeys, MovesTheCornerAlongItsPathWithTheDotsSoFar) {
    const SheetCase& c = GetParam();
    DrovenyFixture f(std::string("a") + Repeat("b", c.keys));
    Droveny& p = f.prog;
    RunUntilKeysEnd(f, ShowFoldBisectorP171);
    const auto last = Frames(f.Events()).back();
    EXPECT_EQ(p.ArcAngle, c.angle);
    EXPECT_EQ(p.EntryValue, 5);
    EXPECT_NEAR(p.PointX2(1), c.x, 0.01);
    EXPECT_NEAR(p.PointY2(1), c.y, 0.01);
    // The sheet through A' (closed), the dots so far, l only when folded.
    const auto sheets = Of(last, "polyline");
    ASSERT_EQ(sheets.size(), 1u);
    const json& pts = sheets[0]["points"];
    ASSERT_EQ(pts.size(), 5u);
    EXPECT_TRUE(Near(pts[0][0], c.x, 0.01) && Near(pts[0][1], c.y, 0.01)) << pts.dump();
    EXPECT_EQ(pts[0], pts[4]);
    const int dots = c.angle == 180 ? 0 : static_cast<int>((c.angle - 180) / 3) + 1;
    EXPECT_EQ(CountDiscs(last, 0.5, 7, 1e-6), dots);
    EXPECT_EQ(HasLine(last, 780, 210, 1140, 570, 3, 0.01), c.angle == 360);
    EXPECT_TRUE(CountDiscs(last, 6, 3, 1e-6) == 3);   // A, B and A'
}

INSTANTIATE_TEST_SUITE_P(Angles, SheetFoldKeys,
                         testing::Values(SheetCase{0, 180, 1140, 210}, SheetCase{1, 190, 1133.58f, 209.05f},
                                         SheetCase{2, 200, 1121.89f, 213.60f}, SheetCase{9, 270, 938.79f, 368.78f},
                                         SheetCase{17, 350, 779.05f, 563.58f}, SheetCase{18, 360, 780, 570},
                                         SheetCase{19, 180, 1140, 210}),
                         [](const testing::TestParamInfo<SheetCase>& tp) {
                             return "Keys" + std::to_string(tp.param.keys);
                         });

TEST(SheetFold, OneAtTheFirstFrameEndsUnfoldedAndDrawsTheCreaseAllTheSame) {
    DrovenyFixture f("a1");
    Droveny& p = f.prog;
    RunUntilKeysEnd(f, ShowFoldBisectorP171);
    const auto events = f.Events();
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.ArcAngle, 180);
    EXPECT_EQ(CountDiscs(events, 0.5, 7, 1e-6), 0);
    // The flat sheet at the start: the outline of the box with corners A, B.
    int sheets = 0;
    for (const auto& e : Of(events, "box"))
        sheets += e["fill"].is_null() && e["color"] == 0 && e["x1"] == 1140 && e["y1"] == 210 && e["x2"] == 780 &&
                  e["y2"] == 570;
    EXPECT_EQ(sheets, 1);
    const auto last = Frames(events).back();
    EXPECT_EQ(CountBoxes(last, 720, 150, 1200, 630), 1);
    EXPECT_TRUE(HasLine(last, 780, 210, 1140, 570, 3, 0.01));    // l
    EXPECT_TRUE(HasLine(last, 1140, 210, 780, 570, 0, 0.01));    // AB
    ExpectTexts(last, {{"l", 740, 190, 3}});
}

TEST(SheetFold, TheMarksAtMStandWhereTheShiftLeavesThem) {
    DrovenyFixture f(std::string("a") + Repeat("b", 5) + "1a");
    RunUntilKeysEnd(f, ShowFoldBisectorP171);
    const auto last = Frames(f.Events()).back();
    const auto marks = Of(last, "polyline");
    ASSERT_EQ(marks.size(), 1u);
    const json& pts = marks[0]["points"];
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_EQ(marks[0]["color"], 5);
    EXPECT_TRUE(Near(pts[1][0], 960, 0.02) && Near(pts[1][1], 347.57, 0.02)) << pts.dump();
    // One tick on AM and one on MB, each 7 px past the middle.
    const float centres[2][2] = {{1045.05f, 304.95f}, {865.05f, 484.95f}};
    const auto ticks = Of(last, "line");
    ASSERT_EQ(ticks.size(), 2u);
    for (int i = 0; i < 2; i++) {
        const double cx = (ticks[i]["x1"].get<double>() + ticks[i]["x2"].get<double>()) / 2;
        const double cy = (ticks[i]["y1"].get<double>() + ticks[i]["y2"].get<double>()) / 2;
        EXPECT_NEAR(cx, centres[i][0], 0.02) << i;
        EXPECT_NEAR(cy, centres[i][1], 0.02) << i;
        EXPECT_EQ(ticks[i]["color"], 5);
    }
}

TEST(SheetFold, TheSharedLoopRunsAnyFrameOverAnyPath) {
    // The loop as the angle fold runs it: A (1020, 210) onto D (900, 417.85).
    DrovenyFixture f(Repeat("b", 18) + "1");
    Droveny& p = f.prog;
    p.Pi = 3.14159f;
    p.PointX(1) = 1020, p.PointY(1) = 210;
    p.PointX(3) = 900, p.PointY(3) = 417.85f;
    p.GridLeft = 720, p.GridTop = 150, p.GridRight = 1200, p.GridBottom = 630;
    static int frames = 0;
    frames = 0;
    droveny::RunSheetFold(p, {.corner = 1, .target = 3, .drawFrame = [](Droveny&) { ++frames; }});
    EXPECT_EQ(frames, 19);
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.ArcAngle, 360);
    EXPECT_NEAR(p.PointX2(1), 900, 0.01);
    EXPECT_NEAR(p.PointY2(1), 417.85, 0.01);
    const auto frameEvents = Frames(f.Events());
    ASSERT_GE(frameEvents.size(), 2u);
    EXPECT_EQ(CountDiscs(frameEvents[frameEvents.size() - 2], 0.5, 7, 1e-6), 61);   // the folded frame's path
}

// ---- Whole topics through the program ---------------------------------------------

struct TopicCase {
    const char* name;
    std::string keys;   // from the item number to the topic's end
    int keyWaits;       // WaitForAnyKey prompts
    std::vector<TextAt> texts;
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

class BisectorTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(BisectorTopics, RunsToItsEndAndBackToTheTopicMenu) {
    const TopicCase& c = GetParam();
    const RunResult r = RunProgramHeadless("droveny", "2" + kEnter + c.keys + "7" + kEnter + "5" + kEnter);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(r.events.back()["reason"], "finished");
    EXPECT_EQ(KeyWaits(r.events), c.keyWaits);
    EXPECT_EQ(Captions(r.events, kCaption), 2);
    ExpectTexts(r.events, c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Topics, BisectorTopics,
    testing::Values(
        TopicCase{"Reflection", "1" + kEnter + "90" + kEnter + "x" + Arrows(2) + kEnter + Repeat("a", 5), 5,
                  {{" <対称移動>", 76, 30, 3},
                   {"③", 38, 230, 3},
                   {"対応する点を結ぶ線分は、対称の軸", 76, 230, 0},
                   {"によって垂直に2等分される。", 76, 280, 0},
                   {"中点", 76, 430, 3},
                   {"垂直二等分線", 76, 480, 3},
                   {"中点を通り垂直に交わる直線", 76, 530, 0},
                   {"M", 843, 340, 5}}},
        TopicCase{"SheetFold", "2" + kEnter + "a" + Repeat("b", 18) + "1" + Repeat("a", 8), 9,
                  {{"教科書P171 Q をやろう。", 40, 30, 3},
                   {"線分ABの垂直二等分線", 40, 90, 5},
                   {"対称の軸によって垂直に2等分されるから)", 40, 140, 0},
                   {"直線lを作図する方法を考えよう。", 40, 190, 5},
                   {"直線l上に適当な長さで、AC=ADとなる", 40, 240, 0},
                   {"2点C,Dをとる。", 40, 290, 0},
                   {"2点C,DとBを結ぶ。", 40, 340, 0},
                   {"四角形ACBDの辺の長さはすべて等しいから", 40, 390, 0},
                   {"ひし形ACBDができる。", 40, 440, 3},
                   {"したがって、垂直二等分線lをかくには、", 40, 490, 0},
                   {"①ABを対角線とするひし形をかき", 40, 540, 5},
                   {"②もう一つの対角線をひけばよい。", 40, 590, 5},
                   {"C", 826, 220, 3},
                   {"D", 1066, 520, 3},
                   {"A", 1150, 185, 3},
                   {"B", 790, 570, 3}}},
        TopicCase{"Example3", "3" + kEnter + Repeat("a", 6), 6,
                  {{"例3 ", 40, 30, 3},
                   {"下図のようなひし形をかけばよいから", 40, 80, 0},
                   {"①Aを中心として、適当な半径の円をかく。", 40, 130, 3},
                   {"②Bを中心として、①と等しい半径の円をかく。", 40, 180, 3},
                   {"③2つの円の交点をC,Dとする。", 40, 230, 3},
                   {"④直線CDをひく。", 40, 280, 3},
                   {"教科書P172 問6 をやろう。", 400, 600, 3},
                   {"A", 646, 370, 3}}},
        TopicCase{"Answer6", "4" + kEnter + Repeat("a", 3), 3,
                  {{"問6解答", 40, 30, 3},
                   {"ABの垂直二等分線をかき、ABとの交点をMとする。", 40, 80, 3},
                   {"M", 600, 430, 5}}},
        TopicCase{"PointsOnTheBisector", "5" + kEnter + Repeat("a", 36), 36,
                  {{"垂直二等分線上の点", 40, 30, 3},
                   {"①", 40, 80, 3},
                   {"2点A,Bから等しい距離にある点は、", 74, 130, 3},
                   {"②", 40, 180, 3},
                   {"教科書P158 問7 をやろう。", 40, 580, 7},
                   {"A", 366, 380, 3}}},
        TopicCase{"Answer7", "6" + kEnter + Repeat("a", 7), 7,
                  {{"問7解答", 40, 30, 3},
                   {"ABからの距離が等しい→", 40, 80, 0},
                   {"直線l上→", 40, 130, 0},
                   {"l", 484, 500, 3}}}),
    [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

TEST(BisectorTopics, Example3DrawsBothCompassArcsThroughCAndD) {
    DrovenyFixture f(Repeat("a", 6));
    RunUntilKeysEnd(f, ShowBisectorExample3);
    const auto events = f.Events();
    ExpectArcs(Outlines(events), {{660, 420, 241.87f, 0.8874f, 0.1126f, 7}, {1080, 420, 241.87f, 0.3874f, 0.6126f, 9}},
               kCompassArcs.WithTurn(0.001));
    EXPECT_TRUE(HasLine(events, 870, 250, 870, 590, 5, 0.01));   // CD, 50 px past both
    EXPECT_TRUE(HasLine(events, 260, 430, 260, 630, 5, 0.01));   // the hint's diagonal
    EXPECT_EQ(f.prog.GridBottom, 600);
}

TEST(BisectorTopics, Answer6TurnsTheFigureAndKeepsTheFirstStartOneTurnOn) {
    DrovenyFixture f("a");
    Droveny& p = f.prog;
    RunUntilKeysEnd(f, ShowBisectorAnswer6);
    EXPECT_NEAR(p.ArcFractionC, 0.9707, 0.001);
    const float want[5][2] = {{408.13f, 315.00f}, {771.87f, 525.00f}, {650.00f, 316.08f}, {530.00f, 523.92f}, {590, 420}};
    for (int k = 0; k < 5; k++) {
        EXPECT_NEAR(p.PointX(k + 1), want[k][0], 0.01) << k;
        EXPECT_NEAR(p.PointY(k + 1), want[k][1], 0.01) << k;
    }
    DrovenyFixture g("aaa");
    RunUntilKeysEnd(g, ShowBisectorAnswer6);
    ExpectArcs(Outlines(g.Events()),
               {{408.13f, 315.0f, 241.87f, 0.9707f, 0.1960f, 7}, {771.87f, 525.0f, 241.87f, 0.4707f, 0.6960f, 7}},
               kCompassArcs.WithTurn(0.001));
}

TEST(BisectorTopics, PointsOnTheBisectorCloseUpIntoTheLine) {
    DrovenyFixture f(Repeat("a", 24));
    RunUntilKeysEnd(f, ShowPointsOnBisector);
    const auto events = f.Events();
    std::vector<int> ys;
    for (const auto& e : Dots(events))
        if (Near(e.x, 590, 1e-3) && e.color == 3) ys.push_back(static_cast<int>(std::lround(e.y)));
    for (int y = 310; y <= 550; y += 12) EXPECT_NE(std::find(ys.begin(), ys.end(), y), ys.end()) << y;
    const auto marks = Of(events, "polyline");
    ASSERT_EQ(marks.size(), 1u);
    const double corner[3][2] = {{590, 400}, {620, 400}, {620, 430}};
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(Near(marks[0]["points"][i][0], corner[i][0], 0.01) && Near(marks[0]["points"][i][1], corner[i][1], 0.01))
            << marks[0].dump();
}

TEST(BisectorTopics, Answer7FindsThePointOfLEquallyFarFromAAndB) {
    DrovenyFixture f(Repeat("a", 7));
    Droveny& p = f.prog;
    RunUntilKeysEnd(f, ShowBisectorAnswer7);
    EXPECT_NEAR(p.PointX(8), 646.1, 0.05);
    EXPECT_NEAR(p.PointY(8), 550, 0.01);
    const auto arcs = Outlines(f.Events());
    ASSERT_EQ(arcs.size(), 2u);
    for (const auto& a : arcs) EXPECT_TRUE(Near(a.r, 192.1, 0.05)) << a;
    EXPECT_TRUE(Near(arcs[0].start, 0.946, 0.001) && Near(arcs[0].end, 0.221, 0.001)) << arcs[0];
    EXPECT_TRUE(Near(arcs[1].start, 0.446, 0.001) && Near(arcs[1].end, 0.721, 0.001)) << arcs[1];
    EXPECT_TRUE(HasLine(f.Events(), 851.0, 195.1, 605.1, 621.0, 3, 0.06));
    const auto dots = Dots(f.Events());
    EXPECT_TRUE(Near(dots.back().x, 646.1, 0.05) && dots.back().color == 5) << dots.back();
}

TEST(BisectorLesson, SeveralTopicsThenTheMainMenuAndInAgain) {
    const RunResult r = RunProgramHeadless(
        "droveny", "2" + kEnter + "4" + kEnter + "aaa" + "9" + kEnter + "3" + kEnter + Repeat("a", 6) + "7" + kEnter +
                       "2" + kEnter + "6" + kEnter + Repeat("a", 7) + "7" + kEnter + "5" + kEnter);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(r.events.back()["reason"], "finished");
    EXPECT_EQ(CountRuns(r.events, "垂直二等分線の作図を考えよう。"), 2);
    EXPECT_EQ(Captions(r.events, kCaption), 6);
    EXPECT_TRUE(r.DrewRun("問7解答"));
}

}  // namespace
