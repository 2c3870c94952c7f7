// Varnel run whole on scripted keys: main-menu item 3, each topic of the
// translation lesson as a pupil goes through it, and the way back to the
// main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using testing_support::RunProgramHeadless;
using testing_support::RunResult;

const std::string kEnter = "{Enter}";

// The keys of each topic from its item number to its end.
const std::string kTopic1 = "1" + kEnter + "abcdefgh" + Repeat("{Right}", 10) + "1" + "ab";
const std::string kTopic2 = "2" + kEnter + kEnter + Repeat("{Right}", 12) + kEnter + "xn" + "a";
const std::string kTopic3 = "3" + kEnter + "abcd";
const std::string kTopic4 = "4" + kEnter + "abcdefghij";
const std::string kTopic5 = "5" + kEnter + "abc";

struct TopicCase {
    const char* name;
    std::string keys;
    std::vector<std::string> texts;   // drawn in this order
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

class TranslationTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(TranslationTopics, RunsToItsEndAndBackToTheTopicMenu) {
    const TopicCase& c = GetParam();
    const RunResult r = RunProgramHeadless("varnel", "3" + kEnter + c.keys + "6" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    long at = RunIndex(r, "<めあて>");
    ASSERT_GE(at, 0) << "item 3 did not open the translation lesson";
    for (const std::string& text : c.texts) {
        at = RunIndex(r, text, at);
        ASSERT_GE(at, 0) << text;
    }
    // The topic menu again, then the main menu drawn in full.
    const long caption = RunIndex(r, "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了", at);
    EXPECT_GT(caption, at);
    EXPECT_EQ(MenuPanels(r), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, TranslationTopics,
    testing::Values(TopicCase{"P156", kTopic1,
                              {"三角形アをどのように移動させればイに重なるだろう。", "(4)", "三角形アの移動は？",
                               "移動させる。"}},
                    TopicCase{"Translation", kTopic2,
                              {" <平行移動>", "一定の距離だけ動かす移動", "②対応する点を結ぶ線分は、",
                               "AD=BE,BE=CF,CF=AD", "教科書P157問1 P158問2 をやろう。"}},
                    TopicCase{"Answers1And2", kTopic3, {"問1 解答", "(2)", "問2 解答", "AA'∥BB',AA'=BB'"}},
                    TopicCase{"ParallelSegment", kTopic4,
                              {"線分ABに平行で", "線分ABに三角定規をあてる。", "線分CDをひく。", "教科書P158 問3 をやろう。"}},
                    TopicCase{"Answer3", kTopic5, {"問3 解答", "C'"}}),
    [](const testing::TestParamInfo<TopicCase>& tp) { return std::string(tp.param.name); });

TEST(TranslationProgram, EveryTopicInOneRunAndBackToTheMainMenu) {
    const std::string keys = "3" + kEnter + kTopic1 + kTopic2 + kTopic3 + kTopic4 + kTopic5 + "0" + kEnter + "6" +
                             kEnter + "8" + kEnter;
    const RunResult r = RunProgramHeadless("varnel", keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    long at = RunIndex(r, "<めあて>");
    ASSERT_GE(at, 0);
    for (const char* last : {"移動させる。", "教科書P157問1 P158問2 をやろう。", "AA'∥BB',AA'=BB'",
                             "教科書P158 問3 をやろう。", "問3 解答"}) {
        at = RunIndex(r, last, at);
        ASSERT_GE(at, 0) << last;
    }
    // The goal screen once, the main menu at the start and after item 6.
    EXPECT_EQ(RunIndex(r, "<めあて>", RunIndex(r, "<めあて>") + 1), -1);
    EXPECT_EQ(MenuPanels(r), 2);
    EXPECT_GT(RunIndex(r, "＜Varnel　メニュー＞", at), at);
}

TEST(TranslationProgram, DInAsColumnStopsTheSlideOnTheScreen) {
    // Four ← put D below A; thirty → must leave the triangle on D, and
    // forty ← on A. Every line of the slide stays inside the figure area.
    const std::string keys = "3" + kEnter + "2" + kEnter + Repeat("{Left}", 4) + kEnter + Repeat("{Right}", 30) +
                             Repeat("{Left}", 40) + kEnter + "xn" + "a" + "6" + kEnter + "8" + kEnter;
    const RunResult r = RunProgramHeadless("varnel", keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    for (const auto& e : r.Of("line")) {
        if (e["width"] != 7) continue;
        EXPECT_GE(e["y1"].get<double>(), 60) << e.dump();
        EXPECT_LE(e["y1"].get<double>(), 630) << e.dump();
        EXPECT_LE(e["y2"].get<double>(), 630) << e.dump();
    }
    EXPECT_TRUE(r.DrewRun("教科書P157問1 P158問2 をやろう。"));
}

TEST(TranslationProgram, DOnANeverReachesTheErrorScreen) {
    const std::string keys = "3" + kEnter + "2" + kEnter + Repeat("{Left}", 4) + Repeat("{Up}", 3) + kEnter +
                             Repeat("{Right}", 3) + kEnter + "xn" + "a" + "6" + kEnter + "8" + kEnter;
    const RunResult r = RunProgramHeadless("varnel", keys);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_TRUE(r.DrewRun("AD=BE,BE=CF,CF=AD"));
    EXPECT_TRUE(r.DrewRun("教科書P157問1 P158問2 をやろう。"));
    EXPECT_EQ(MenuPanels(r), 2);
}

}  // namespace
