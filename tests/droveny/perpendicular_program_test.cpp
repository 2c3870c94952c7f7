// Droveny run whole on scripted keys: the main menu, the perpendicular
// lesson's goals screen and topic menu, every topic to its end and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"

namespace {

using namespace testing_support;
using namespace droveny_test;

const std::string kEnter = "{Enter}";
const std::string kCaption = "①P68Q　②例1　③例２　④問4　⑤点と直線の距離　⑥問5　⑦終了";

// The keys of each topic from its item number to its end.
const std::string kTopic1 = "1" + kEnter + Repeat("a", 12);
const std::string kTopic2 = "2" + kEnter + Repeat("a", 6);
const std::string kTopic3 = "3" + kEnter + Repeat("a", 7);
const std::string kTopic4 = "4" + kEnter + Repeat("a", 16);
const std::string kTopic5 = "5" + kEnter + "a" + Repeat("{Right}", 3) + "1" + Repeat("a", 18);
const std::string kTopic6 = "6" + kEnter + Repeat("a", 16);

TEST(PerpendicularLesson, GoalsThenTheTopicMenuUntilItemSeven) {
    // 0, 8, Enter alone and 1/0 are refused; 7 leaves the lesson.
    DrovenyFixture f("0" + kEnter + "8" + kEnter + kEnter + "1/0" + kEnter + "7" + kEnter);
    Droveny& p = f.prog;
    RunPerpendicularLesson(p);
    const auto events = f.Events();
    ExpectTexts(events, {{"<めあて>", 44, 240, 3},
                         {"1 垂線の作図を考えよう。", 44, 305, 0},
                         {"2 点と直線の距離、平行な2直線の距離を調べよう。", 44, 370, 0}});
    EXPECT_EQ(p.TextLeft, 44);
    EXPECT_EQ(p.TextLineY, 370);
    EXPECT_EQ(Captions(events, kCaption, 0), 5);
    EXPECT_EQ(p.MenuChoice, 7);
    EXPECT_EQ(p.EntryValue, 10);
    // The refusals leave the screen above the band alone.
    EXPECT_EQ(CountBoxes(events, 0, 0, 1760, 1800), 1);
    const auto boxes = Of(events, "box");
    for (std::size_t i = 1; i < boxes.size(); i++) EXPECT_GE(boxes[i]["y1"].get<double>(), 600) << boxes[i].dump();
}

struct TopicCase {
    const char* name;
    std::string keys;
    std::vector<std::string> texts;   // drawn in this order
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

class PerpendicularTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(PerpendicularTopics, RunsToItsEndAndBackToTheTopicMenu) {
    const TopicCase& c = GetParam();
    const RunResult r = RunProgramHeadless("droveny", "1" + kEnter + c.keys + "7" + kEnter + "5" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    long at = RunIndex(r.events, "<めあて>");
    ASSERT_GE(at, 0) << "item 1 did not open the perpendicular lesson";
    for (const std::string& text : c.texts) {
        at = RunIndex(r.events, text, at);
        ASSERT_GE(at, 0) << text;
    }
    // The topic menu at once over the last screen, then the main menu.
    const auto frames = Frames(r.events);
    EXPECT_GT(RunIndex(r.events, kCaption, at), at);
    EXPECT_EQ(MenuPanels(r.events), 2);
    EXPECT_EQ(Captions(r.events, kCaption, 0), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Droveny, PerpendicularTopics,
    testing::Values(
        TopicCase{"KiteQuestion", kTopic1,
                  {"AP=AQ,BP=BQ となる点Qをかき、直線PQとlの関係を調べよう。", "PQ⊥l",
                   "②たこ形をかき、点Qをみつければよい。"}},
        TopicCase{"Example1", kTopic2, {"例1 ", "④2つの円の交点を通る直線をひく。", "教科書P169 問3 をやろう。"}},
        TopicCase{"Example2", kTopic3, {"例2 ", "直線PCをひく。", "教科書P169 問3 をやろう。"}},
        TopicCase{"Answer4", kTopic4, {"問4解答"}},
        TopicCase{"PointLineDistance", kTopic5,
                  {"「P170 Q」", "<点と直線の距離>", "<平行な2直線の距離>", "教科書P170 問5 をやろう。"}},
        TopicCase{"Answer5", kTopic6, {"問5 解答", "もっとも短い…", " AC∥l"}}),
    [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

TEST(PerpendicularProgram, EveryTopicInOneRunAndBackToTheMainMenu) {
    const std::string keys = "1" + kEnter + kTopic1 + kTopic2 + kTopic3 + kTopic4 + kTopic5 + kTopic6 + "7" + kEnter +
                             "5" + kEnter;
    const RunResult r = RunProgramHeadless("droveny", keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    long at = RunIndex(r.events, "<めあて>");
    for (const char* last : {"②たこ形をかき、点Qをみつければよい。", "教科書P169 問3 をやろう。", "直線PCをひく。",
                             "問4解答", "教科書P170 問5 をやろう。", " AC∥l"}) {
        at = RunIndex(r.events, last, at);
        ASSERT_GE(at, 0) << last;
    }
    EXPECT_EQ(Captions(r.events, kCaption, 0), 7);
    EXPECT_EQ(MenuPanels(r.events), 2);
    EXPECT_GT(RunIndex(r.events, "＜Droveny　メニュー＞", at), at);
    // The pen width a topic sets stays for the main menu's panel border.
    EXPECT_EQ(Of(r.events, "box").back()["width"], 5);
}

TEST(PerpendicularProgram, MainMenuDispatchesOnTheCheckedValue) {
    // "2/2" is 1: the lesson opens. "4" and Enter alone draw the menu again.
    const RunResult r = RunProgramHeadless("droveny", "4" + kEnter + kEnter + "2/2" + kEnter + "7" + kEnter + "5" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(MenuPanels(r.events), 4);
}

}  // namespace

namespace {

class TopicVisitedTwice : public testing::TestWithParam<TopicCase> {};

TEST_P(TopicVisitedTwice, DrawsTheSameScreensAgain) {
    const TopicCase& c = GetParam();
    DrovenyFixture f(c.keys + c.keys + "7" + kEnter);
    RunPerpendicularLesson(f.prog);
    const auto visits = TopicVisits(f.Events(), kCaption);
    ASSERT_EQ(visits.size(), 3u);   // the goals screen, then the topic twice
    ASSERT_EQ(visits[1].size(), visits[2].size());
    // After the erase (whose border takes the width left before it) every
    // event is the same.
    for (std::size_t i = 1; i < visits[1].size(); i++) ASSERT_EQ(visits[1][i], visits[2][i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Droveny, TopicVisitedTwice,
                         testing::Values(TopicCase{"KiteQuestion", kTopic1, {}}, TopicCase{"Example1", kTopic2, {}},
                                         TopicCase{"Example2", kTopic3, {}}, TopicCase{"Answer4", kTopic4, {}},
                                         TopicCase{"PointLineDistance", kTopic5, {}},
                                         TopicCase{"Answer5", kTopic6, {}}),
                         [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

}  // namespace
