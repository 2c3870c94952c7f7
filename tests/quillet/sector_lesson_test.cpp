// Quillet's sector lesson run whole on scripted keys: the topic menu and its
// refusals, every topic to its end, the turning sector key by key, the tables
// and the whole-disc figure, and the random examples for whatever they drew.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "lessons/common/kit.h"
#include "text/text.h"
#include "quillet/quillet_fixture.h"

namespace {

using namespace testing_support;
using nlohmann::json;

const std::string E = "{Enter}";
const std::string kCaption = "①P165Q　②説明　③例１　④問1　⑤問2　⑥例２　⑦例３　⑧終了";

// ---- The topic menu -----------------------------------------------------------------

TEST(SectorMenu, RefusesEveryEntryOutsideOneToEightAndLeavesTheScreen) {
    const std::string refused = "0" + E + "9" + E + "-1" + E + E + "1/2" + E + "8.5" + E + "1/0" + E + "0/0" + E +
                                "/" + E;
    const RunResult r = RunProgramHeadless("quillet", "4" + E + refused + "8" + E + "4" + E + "8" + E + "8" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(EndReason(r), "finished");
    // The first caption and one for each of the nine refusals; the second visit
    // shows the goals and the caption again.
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 11);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 2);
    EXPECT_EQ(CountRuns(r.events, "2 おうぎ形の弧の長さや面積を求めよう。"), 2);
    // While the menu refuses, nothing above the bottom band is erased: the
    // first erase above it is the main menu's, after all ten captions.
    const long first = RunIndex(r.events, kCaption);
    ASSERT_GT(first, 0);
    long erase = first;
    while (erase < static_cast<long>(r.events.size())) {
        const auto& e = r.events[static_cast<std::size_t>(erase)];
        if (e.value("op", "") == "box" && e["fill"] == 15 && e["y1"].get<double>() < 630) break;
        ++erase;
    }
    const std::vector<json> refusing(r.events.begin() + first, r.events.begin() + erase);
    EXPECT_EQ(CountAnyRuns(refusing, kCaption), 10);
    // No topic ran.
    EXPECT_EQ(RunIndex(r.events, "P179Q "), -1);
}

TEST(SectorMenu, GoalsAtTheirPlaces) {
    const RunResult r = RunProgramHeadless("quillet", "4" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const json goals = FindRun(r.events, "<めあて>");
    ASSERT_FALSE(goals.is_null());
    EXPECT_TRUE(Near(goals["x"], 44) && Near(goals["y"], 240) && Near(goals["color"], 3));
    const json second = FindRun(r.events, "2 おうぎ形の弧の長さや面積を求めよう。");
    ASSERT_FALSE(second.is_null());
    EXPECT_TRUE(Near(second["x"], 44) && Near(second["y"], 370) && Near(second["color"], 0));
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 1);
}

TEST(SectorMenu, AFractionInsideTheRangeChoosesAWholeItem) {
    // 3/2 is 1.5, which the dispatch makes item 2.
    const RunResult r = RunProgramHeadless("quillet", "4" + E + "3/2" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_GE(RunIndex(r.events, "<おうぎ形の中心角と弧・面積>"), 0);
}

// ---- Every topic to its end -------------------------------------------------------------

struct TopicCase {
    const char* name;
    std::string item;
    std::string keys;                 // exactly the keys the topic's screens ask for
    std::vector<std::string> texts;   // drawn in this order
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

class SectorTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(SectorTopics, RunToTheirEndOnTheKeysTheyAskForAndBackToTheMenu) {
    const TopicCase& c = GetParam();
    const RunResult r = RunProgramHeadless("quillet", "4" + E + c.item + E + c.keys + "8" + E + "8" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(EndReason(r), "finished");
    long at = RunIndex(r.events, kCaption);
    for (const std::string& text : c.texts) {
        at = RunIndex(r.events, text, at);
        ASSERT_GE(at, 0) << text;
    }
    EXPECT_GT(RunIndex(r.events, kCaption, at), at);
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);

    // One key fewer leaves the topic waiting: the menu does not come back.
    const RunResult shorter = RunProgramHeadless(
        "quillet", "4" + E + c.item + E + c.keys.substr(0, c.keys.size() - (c.keys.ends_with(E) ? E.size() : 1)));
    ASSERT_EQ(shorter.status, 0) << shorter.stderrText;
    EXPECT_EQ(CountAnyRuns(shorter.events, kCaption), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Quillet, SectorTopics,
    testing::Values(
        TopicCase{"PizzaQuestion", "1", Repeat("a", 17),
                  {"P179Q ", "π*24^2=", "576π", "128π", "本当だろうか?", "おうぎ形",
                   "…円の一部で、弧と2つの半径で囲まれた図形", "…2つの半径のつくる角", "中心角"}},
        TopicCase{"Explanation", "2", "a1" + Repeat("a", 19),
                  {"<おうぎ形の中心角と弧・面積>", "中心角の等しいおうぎ形の弧の長さや面積は等しい。", "2倍", "3倍",
                   "360%", "問 弧の長さと面積は円周と円の面積の何倍ですか。", "ﾀ1/4ﾀ倍", "30%", "ﾀa/360ﾀ倍"}},
        TopicCase{"ArcLengthAndArea", "3", "aaaa1" + E + "aaa" + "aaaa1" + E + "aaa",
                  {"例1① ", "l=", "2πr*ﾀa/360ﾀ", "例1② ", "S=", "πr^2*ﾀa/360ﾀ", "教科書P181 問1 をやろう。"}},
        TopicCase{"ExerciseAnswers", "4", Repeat("a", 12),
                  {"問1(1)解答", "=2π （cm^2) ", "問1(2)解答", "問1(3)解答", "問1(4)解答", "=60π （cm^2) ",
                   "教科書P181 問2 をやろう。"}},
        TopicCase{"PizzaAnswers", "5", Repeat("a", 7),
                  {"問2解答", "Mサイズのピザ1切れの面積は", "96π(cm^2)", "128π(cm^2)", "だから、", "Lサイズ"}},
        TopicCase{"AngleFromArc", "6", "aaaaa1" + E + "a",
                  {"例2 ", "のおうぎ形の中心角を求めなさい。", "中心角をx%とすると", "おうぎ形では、",
                   "ﾀ中心角/360ﾀ=ﾀ弧の長さ/円の周の長さﾀ"}},
        TopicCase{"AngleFromArea", "7", "aaaaa1" + E + "a",
                  {"例3 ", "中心角をx%とすると", "おうぎ形では、",
                   "ﾀ中心角/360ﾀ=ﾀ弧の長さ/円の周の長さﾀ=ﾀおうぎ形の面積/円の面積ﾀ"}}),
    [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

// ---- Topic 2: the turning sector ----------------------------------------------------------

struct TurnCase {
    int turns;
    float angle;                  // ArcAngle shown after that many turns
    float start = -1, end = -1;   // the turning sector's fractions, where checked
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.turns << " turns"; }

class TurningSector : public testing::TestWithParam<TurnCase> {};

TEST_P(TurningSector, TurnsThirtyDegreesOnEveryKeyButOne) {
    const TurnCase& c = GetParam();
    QuilletFixture f(Keys({"a", Repeat("x", c.turns)}));
    RunUntilKeysEnd(f, ShowSectorExplanation);   // stops at the next message
    Quillet& p = f.prog;
    EXPECT_EQ(p.ArcAngle, c.angle);
    EXPECT_EQ(p.EntryValue, 5);
    const float t = c.angle * 3.14159f / 180;
    EXPECT_NEAR(p.PointX2(1), 1020 + 180 * std::cos(t), 0.01);
    EXPECT_NEAR(p.PointY2(1), 280 - 180 * std::sin(t), 0.01);
    // Only the frame is erased, once a turn.
    const auto events = f.Events();
    EXPECT_EQ(CountBoxes(events, 840, 100, 1200, 460), c.turns);
    if (c.start >= 0) {
        json last;
        for (const auto& e : Of(events, "circle"))
            if (e["filled"] == true && e["fill"] == 7) last = e;
        ASSERT_FALSE(last.is_null());
        EXPECT_NEAR(last["start"].get<double>(), c.start, 1e-4);
        EXPECT_NEAR(last["end"].get<double>(), c.end, 1e-4);
    }
}

INSTANTIATE_TEST_SUITE_P(Quillet, TurningSector,
                         testing::Values(TurnCase{0, 90, 0.6667f, 0.75f}, TurnCase{1, 120}, TurnCase{3, 180},
                                         TurnCase{8, 330, 0, 0.0833f}, TurnCase{9, 360, 0.9167f, 0},
                                         TurnCase{10, 0, 0.9167f, 1}, TurnCase{11, 30, 0.8333f, 0.9167f},
                                         TurnCase{12, 60}, TurnCase{13, 90, 0.6667f, 0.75f}));

TEST(TurningSector, OneStopsItWhereItStands) {
    QuilletFixture f("axx1");
    RunUntilKeysEnd(f, ShowSectorExplanation);
    Quillet& p = f.prog;
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.ArcAngle, 150);
    const auto events = f.Events();
    EXPECT_EQ(CountBoxes(events, 840, 100, 1200, 460), 2);
    const json line = FindRun(events, "中心角の等しいおうぎ形の弧の長さや面積は等しい。");
    ASSERT_FALSE(line.is_null());
    EXPECT_TRUE(Near(line["x"], 40) && Near(line["y"], 140) && Near(line["color"], 5));
}

// ---- Topic 2: tables, fill-ins and the whole disc -----------------------------------------

TEST(SectorExplanation, SecondScreenShowsTheWholeDiscAndKeepsTheEmptyCellsCorners) {
    // To the wait under the second table: the 360-degree figure is drawn.
    QuilletFixture f("a1" + Repeat("a", 7));
    RunUntilKeysEnd(f, ShowSectorExplanation);
    Quillet& p = f.prog;
    json disc;
    for (const auto& e : Of(f.Events(), "circle"))
        if (e["filled"] == true && e["fill"] == 13) disc = e;
    ASSERT_FALSE(disc.is_null());
    EXPECT_EQ(disc["start"], disc["end"]);
    EXPECT_TRUE(Near(disc["start"], 0.75, 1e-4));
    for (auto [x, y] : {std::pair{1020, 400}, {900, 280}, {1140, 280}, {1020, 160}})
        EXPECT_EQ(f.rt->PixelColor(x, y), 13) << x << "," << y;
    const json label = FindRun(f.Events(), "360%");
    ASSERT_FALSE(label.is_null());
    EXPECT_TRUE(Near(label["color"], 3));
    // The corners of the empty cells: columns at 160 and 320, rows at 280,
    // 330, 410, 490 and 570.
    const float rows[] = {280, 330, 410, 490, 570};
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(p.PointX2(k), k % 2 == 1 ? 160.0f : 320.0f);
        EXPECT_EQ(p.PointY2(k), rows[(k - 1) / 2]);
    }
    EXPECT_EQ(p.TextLineY, 570);
}

TEST(SectorExplanation, FillInsGoIntoTheStoredCornersAndLeaveTheTextColumn) {
    QuilletFixture f("a1" + Repeat("a", 19));
    RunUntilKeysEnd(f, ShowSectorExplanation);
    Quillet& p = f.prog;
    EXPECT_EQ(p.TextLineY, 570);   // the last row's top: fill-ins moved nothing
    EXPECT_EQ(p.TextEndX, 480);   // the end of the last row
    // "1倍" is centred in the 160-wide cell at (160, 280); the fraction texts
    // of the 80-high rows stand lower in their cells.
    const auto runs = MarkupRuns(f.Events());
    int ones = 0;
    for (const auto& e : runs)
        if (e["text"] == "1倍") {
            ++ones;
            EXPECT_TRUE(Near(e["color"], 5));
        }
    EXPECT_EQ(ones, 2);
    const json last = FindLastRun(f.Events(), "ﾀa/360ﾀ倍");
    ASSERT_FALSE(last.is_null());
    EXPECT_GT(last["x"].get<double>(), 320);
    EXPECT_GT(last["y"].get<double>(), 570);
}

// ---- The random examples, whatever they drew -----------------------------------------------

struct Drawn {
    int r = 0, a = 0;
};

// Radius and angle from a heading's coloured half.
Drawn ParseHeading(const std::string& text, const std::regex& pattern) {
    std::smatch m;
    Drawn d;
    if (std::regex_match(text, m, pattern)) {
        d.r = std::stoi(m[1]);
        d.a = std::stoi(m[2]);
    }
    return d;
}

// The sectors of the examples (radius 180, filled in `fill`), in order.
std::vector<json> ExampleSectors(const std::vector<json>& events, int fill) {
    std::vector<json> out;
    for (const auto& e : Of(events, "circle"))
        if (e["filled"] == true && e["fill"] == fill && Near(e["r"], 180)) out.push_back(e);
    return out;
}

class RandomExamples : public testing::TestWithParam<const char*> {};

TEST_P(RandomExamples, ArcLengthAndAreaHoldForAnyDraw) {
    // Every answer but one whose value is 1 draws a new example; 2/2 ends.
    const std::vector<std::string> answers = {E, "2" + E, "1/2" + E, "1/0" + E, "0/0" + E, "/" + E, "-1" + E,
                                              "2/2" + E};
    std::string keys = "4" + E + "3" + E;
    for (const auto& answer : answers) keys += "aaaa" + answer;
    keys += "aaa" + std::string("aaaa1") + E + "aaa" + "8" + E + "8" + E;
    const RunResult r = RunProgramHeadless("quillet", keys, {}, false, GetParam());
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(EndReason(r), "finished");
    EXPECT_EQ(CountRuns(r.events, "例1① "), 8);
    EXPECT_EQ(CountRuns(r.events, "例1② "), 1);

    const std::regex heading("半径(\\d+)cm,中心角(\\d+)%");
    const auto runs = MarkupRuns(r.events);
    const auto sectors = ExampleSectors(r.events, 13);
    ASSERT_EQ(sectors.size(), 9u);
    std::size_t example = 0;
    for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
        const std::string text = runs[i]["text"];
        if (text != "例1① " && text != "例1② ") continue;
        SCOPED_TRACE(text + " " + std::to_string(example));
        EXPECT_TRUE(Near(runs[i]["x"], 40) && Near(runs[i]["y"], 30) && Near(runs[i]["color"], 0));
        const Drawn d = ParseHeading(runs[i + 1]["text"], heading);
        EXPECT_TRUE(Near(runs[i + 1]["y"], 30) && Near(runs[i + 1]["color"], 3));
        ASSERT_TRUE(d.a >= 30 && d.a <= 300 && d.a % 30 == 0) << runs[i + 1]["text"];
        const int g = std::gcd(d.a, 360);
        const int n = d.a / g, den = 360 / g;
        ASSERT_TRUE(d.r == den || d.r == 2 * den) << d.r;
        const int k = d.r / den;
        const std::string result = text == "例1① " ? Keys({"=", std::to_string(2 * k * n), "π （cm) "})
                                                     : Keys({"=", std::to_string(k * k * den * n), "π （cm^2) "});
        const long at = RunIndex(r.events, result, 0);
        ASSERT_GE(at, 0) << result;
        const json res = r.events[static_cast<std::size_t>(at)];
        EXPECT_TRUE(Near(res["x"], 200) && Near(res["y"], 360) && Near(res["color"], 5));
        // The sector runs counter-clockwise from the ray at 60 degrees.
        EXPECT_NEAR(sectors[example]["end"].get<double>(), 5.0 / 6, 1e-4);
        EXPECT_NEAR(sectors[example]["start"].get<double>(), 1 - (60.0 + d.a) / 360, 1e-4);
        ++example;
    }
    EXPECT_EQ(example, 9u);
}

TEST_P(RandomExamples, CentralAngleFromArcAndAreaHoldForAnyDraw) {
    const std::string keys = "4" + E + "6" + E + "aaaaa" + E + "aaaaa2/2" + E + "a" + "7" + E + "aaaaa3" + E +
                             "aaaaa1" + E + "a" + "8" + E + "8" + E;
    const RunResult r = RunProgramHeadless("quillet", keys, {}, false, GetParam());
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountRuns(r.events, "例2 "), 2);
    EXPECT_EQ(CountRuns(r.events, "例3 "), 2);
    const std::regex fromArc("半径(\\d+)cm,弧の長さ(\\d+)πcm");
    const std::regex fromArea("半径(\\d+)cm,面積(\\d+)πcm\\^2");
    const auto runs = MarkupRuns(r.events);
    int checked = 0;
    for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
        const std::string text = runs[i]["text"];
        if (text != "例2 " && text != "例3 ") continue;
        const std::string given = runs[i + 1]["text"];
        const Drawn d = ParseHeading(given, text == "例2 " ? fromArc : fromArea);   // r and the arc or area
        ASSERT_GT(d.r, 0) << given;
        // x from the proportion, as the pupil works it.
        const double x = text == "例2 " ? 360.0 * d.a / (2.0 * d.r) : 360.0 * d.a / (1.0 * d.r * d.r);
        ASSERT_EQ(x, std::floor(x)) << given;
        const std::string answer = "答　" + std::to_string(static_cast<int>(x)) + "%";
        long at = -1;
        for (std::size_t j = i + 2; j < runs.size() && runs[j]["text"] != "例2 " && runs[j]["text"] != "例3 "; ++j)
            if (runs[j]["text"] == answer) at = static_cast<long>(j);
        ASSERT_GE(at, 0) << answer;
        EXPECT_TRUE(Near(runs[static_cast<std::size_t>(at)]["y"], 470));
        EXPECT_TRUE(Near(runs[static_cast<std::size_t>(at)]["color"], 5));
        const json x6 = runs[static_cast<std::size_t>(at) - 1];
        EXPECT_EQ(x6["text"], "x=" + std::to_string(static_cast<int>(x)));
        EXPECT_TRUE(Near(x6["x"], 120) && Near(x6["color"], 3));
        ++checked;
    }
    EXPECT_EQ(checked, 4);
    EXPECT_EQ(ExampleSectors(r.events, 7).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Quillet, RandomExamples, testing::Values("12:00:00", "07:31:05", "16:44:59", "23:59:58"));

}  // namespace

namespace {

// ---- The example figures of topics 3, 6 and 7 ----------------------------------------------

struct FigureCase {
    const char* name;
    void (*topic)(Quillet&);
    int fill;              // the sector's fill
    int dimensionColor;    // dots and label of the radius dimension
    std::vector<std::pair<std::string, int>> labels;   // sector labels (suffix after the value) and colours
};

std::ostream& operator<<(std::ostream& os, const FigureCase& c) { return os << c.name; }

class ExampleFigures : public testing::TestWithParam<FigureCase> {};

TEST_P(ExampleFigures, DrawTheSectorItsLabelsAndTheRadiusDimension) {
    const FigureCase& c = GetParam();
    QuilletFixture f("");
    RunUntilKeysEnd(f, c.topic);   // to the first key wait: the figure is drawn
    Quillet& p = f.prog;
    const auto events = f.Events();
    const auto sectors = ExampleSectors(events, c.fill);
    ASSERT_EQ(sectors.size(), 1u);
    EXPECT_TRUE(Near(sectors[0]["x"], 1020) && Near(sectors[0]["y"], 280));
    EXPECT_EQ(sectors[0]["color"], 0);
    EXPECT_NEAR(sectors[0]["end"].get<double>(), 5.0 / 6, 1e-4);
    for (const auto& [suffix, color] : c.labels) {
        SCOPED_TRACE(suffix);
        bool found = false;
        for (const auto& e : MarkupRuns(events)) {
            const std::string text = e["text"];
            if (text.size() >= suffix.size() && text.ends_with(suffix) && Near(e["y"], 280, 200) &&
                e["x"].get<double>() > 840) {
                found = true;
                EXPECT_TRUE(Near(e["color"], color)) << text;
            }
        }
        EXPECT_TRUE(found);
    }
    const json dimension = FindRun(events, (p.TableTextB(2) + "cm").utf8());
    ASSERT_FALSE(dimension.is_null());
    EXPECT_TRUE(Near(dimension["color"], c.dimensionColor));
    int dots = 0;
    for (const auto& e : Of(events, "circle"))
        if (Near(e["r"], 0.5)) {
            ++dots;
            EXPECT_EQ(e["color"], c.dimensionColor);
        }
    EXPECT_EQ(dots, 37);   // every 5 degrees over the half-ellipse
    EXPECT_EQ(p.LabelOffsetY, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Quillet, ExampleFigures,
    testing::Values(FigureCase{"ArcLength", ShowArcLengthExample1, 13, 3, {{"%", 3}}},
                    FigureCase{"AngleFromArc", ShowCentralAngleExample2, 7, 3, {{"πcm", 3}, {"x%", 13}}},
                    FigureCase{"AngleFromArea", ShowCentralAngleFromAreaExample3, 7, 9, {{"πcm^2", 3}}}),
    [](const testing::TestParamInfo<FigureCase>& tp) { return std::string(tp.param.name); });

// The radius dimension of topic 7 stands 30 px lower than the same dimension
// without the offset would.
TEST(ExampleFigureLabels, AreaDimensionLabelIsDroppedThirtyPixels) {
    QuilletFixture f("");
    RunUntilKeysEnd(f, ShowCentralAngleFromAreaExample3);
    Quillet& p = f.prog;
    const json dropped = FindRun(f.Events(), (p.TableTextB(2) + "cm").utf8());
    ASSERT_FALSE(dropped.is_null());
    // The same dimension again without the offset.
    f.ClearEvents();
    p.PenColor = 9;
    p.LabelOffsetY = 0;
    kit::DottedArc(p, kit::P(p, 0), kit::P(p, 1),
                   {.side = 1, .bulge = 40, .step = 5, .color = 9, .label = p.TableTextB(2) + "cm"});
    const json plain = FindRun(f.Events(), (p.TableTextB(2) + "cm").utf8());
    ASSERT_FALSE(plain.is_null());
    EXPECT_NEAR(dropped["y"].get<double>() - plain["y"].get<double>(), 30, 0.01);
    EXPECT_NEAR(dropped["x"].get<double>(), plain["x"].get<double>(), 0.01);
}

}  // namespace

namespace {

// ---- The pizza figure ---------------------------------------------------------------------

class PizzaFigure : public testing::TestWithParam<float> {};

void PenWidth5AndDraw(QuilletFixture& f, float left) {
    kit::PenWidth(f.prog, 5);
    DrawPizzaFigure(f.prog, left);
}

TEST_P(PizzaFigure, DrawsBothPizzasWithTheirCutsInTheFrameAtItsLeftEdge) {
    const float left = GetParam();
    const double cx = static_cast<double>(left) + 240;   // the centre, 6 cells right of the frame's edge
    QuilletFixture f("");
    PenWidth5AndDraw(f, left);
    Quillet& p = f.prog;
    const auto events = f.Events();
    const auto circles = Of(events, "circle");
    // Pizza L, then pizza M, then 8 x 31 dots, then the centre dot.
    ASSERT_EQ(circles.size(), 2u + 8 * 31 + 1);
    EXPECT_TRUE(Near(circles[0]["x"], cx) && Near(circles[0]["y"], 330) && Near(circles[0]["r"], 240));
    EXPECT_EQ(circles[0]["fill"], 11);
    EXPECT_TRUE(Near(circles[1]["r"], 160));
    EXPECT_EQ(circles[1]["fill"], 13);
    EXPECT_TRUE(Near(circles.back()["r"], 6) && Near(circles.back()["x"], cx));
    // The dotted cut towards 45 degrees ends on the L rim.
    const auto& lastDot = circles[2 + 2 * 31 - 1];
    EXPECT_NEAR(lastDot["x"].get<double>(), cx - 169.7, 0.1);   // point 12 at 135 degrees
    EXPECT_NEAR(lastDot["y"].get<double>(), 160.3, 0.1);
    // The solid M cuts from the centre to the six rim points.
    const double rim[6][2] = {{0, 170}, {-138.6, 250}, {-138.6, 410}, {0, 490}, {138.6, 410}, {138.6, 250}};
    for (const auto& r : rim) EXPECT_TRUE(HasLine(events, cx, 330, cx + r[0], r[1], 3, 0.1)) << r[0] << "," << r[1];
    const json l = FindRun(events, "L");
    const json m = FindRun(events, "M");
    EXPECT_TRUE(Near(l["x"], cx - 40) && Near(l["y"], 120) && Near(l["color"], 5));
    EXPECT_TRUE(Near(m["x"], cx - 40) && Near(m["y"], 200) && Near(m["color"], 5));
    EXPECT_EQ(p.SliceIndex, 6);
}

INSTANTIATE_TEST_SUITE_P(Quillet, PizzaFigure, testing::Values(640.0f, 680.0f));

}  // namespace

namespace {

TEST(PizzaQuestion, SecondScreenKeepsThePizzasAndDefinesTheSector) {
    QuilletFixture f(Repeat("a", 15));   // to the wait under the sector figure
    RunUntilKeysEnd(f, ShowPizzaSectorsP179);
    auto events = f.Events();
    EXPECT_EQ(CountBoxes(events, 0, 0, 620, 1800), 1);
    EXPECT_EQ(CountBoxes(events, 0, 0, 1600, 60), 1);
    EXPECT_EQ(CountBoxes(events, 620, 60, 740, 120), 1);
    // The pizzas stay: the L disc's rim left of the centre, right of x 640.
    EXPECT_EQ(f.rt->PixelColor(660, 300), 11);
    const json arc = FindRun(events, "弧");
    ASSERT_FALSE(arc.is_null());
    EXPECT_TRUE(Near(arc["y"], 216, 0.05) && Near(arc["color"], 3));
    f.prog.TextArg = "弧";
    MeasureMarkupTextWidth(f.prog);
    EXPECT_TRUE(Near(arc["x"], 300 - f.prog.TextWidth / 2, 0.05)) << arc.dump();   // centred on O
    const json o = FindRun(events, "O");
    EXPECT_TRUE(Near(o["x"], 286) && Near(o["y"], 450));

    QuilletFixture g(Repeat("a", 17));
    RunUntilKeysEnd(g, ShowPizzaSectorsP179);
    events = g.Events();
    const json angle = FindLastRun(events, "中心角");
    ASSERT_FALSE(angle.is_null());
    EXPECT_TRUE(Near(angle["y"], 346, 0.05) && Near(angle["color"], 5));
    const json definition = FindRun(events, "…2つの半径のつくる角");
    EXPECT_TRUE(Near(definition["y"], 65));
}

}  // namespace
