// Varnel run whole on scripted keys: main-menu item 4, the rotation lesson's
// goal screen and topic menu, refused choices, each topic as a pupil goes
// through it, and the way back to the main menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using testing_support::RunProgramHeadless;
using testing_support::RunResult;

const std::string kEnter = "{Enter}";
const std::string kCaption = "①P145Q　②回転移動　③問6　④問7　⑤終了";

// The keys of each topic from its item number to its end.
const std::string kTopic1 = "1" + kEnter + "abcd" + Repeat("x", 12) + "1" + "efg";
const std::string kTopic2 = "2" + kEnter + Repeat("{Right}", 12) + kEnter + "xn" + "abcdefgh";
const std::string kTopic3 = "3" + kEnter + "abcdefgh";
const std::string kTopic4 = "4" + kEnter + "ab";

TEST(RotationLesson, GoalScreenThenTheTopicMenuWithoutAPause) {
    const RunResult r = RunProgramHeadless("varnel", "4" + kEnter + "5" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const long goal = RunIndex(r, "<めあて>");
    ASSERT_GE(goal, 0);
    EXPECT_EQ(r.events[goal]["x"], 44);
    EXPECT_EQ(r.events[goal]["y"], 240);
    EXPECT_EQ(r.events[goal]["color"], 3);
    const long sentence = RunIndex(r, "回転移動について考えよう。", goal);
    ASSERT_GT(sentence, goal);
    EXPECT_EQ(r.events[sentence]["y"], 305);
    EXPECT_EQ(r.events[sentence]["color"], 0);
    const long caption = RunIndex(r, kCaption, sentence);
    ASSERT_GT(caption, sentence);
    EXPECT_EQ(r.events[caption]["x"], 16);
    EXPECT_EQ(r.events[caption]["y"], 666);
    EXPECT_EQ(KeyWaits(std::vector<json>(r.events.begin() + sentence, r.events.end())), 0);
    // Item 5: the main menu drawn again from scratch.
    EXPECT_EQ(MenuPanels(r), 2);
}

struct RefusedCase {
    const char* name;
    std::string entry;
};

std::ostream& operator<<(std::ostream& os, const RefusedCase& c) { return os << c.name; }

class RotationMenuRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(RotationMenuRefuses, AsksAgainOverTheSamePicture) {
    const RunResult r = RunProgramHeadless("varnel", "4" + kEnter + GetParam().entry + kEnter + "5" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);
    EXPECT_EQ(CountAnyRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(MenuPanels(r), 2);
    // No topic began: nothing but the menu's texts after the goal.
    EXPECT_EQ(RunIndex(r, "問6 解答"), -1);
    EXPECT_EQ(RunIndex(r, " <回転移動>"), -1);
}

INSTANTIATE_TEST_SUITE_P(Varnel, RotationMenuRefuses,
                         testing::Values(RefusedCase{"Zero", "0"}, RefusedCase{"Six", "6"},
                                         RefusedCase{"MinusOne", "-1"}, RefusedCase{"EnterAlone", ""},
                                         RefusedCase{"DivisionByZero", "1/0"}),
                         [](const testing::TestParamInfo<RefusedCase>& tp) { return std::string(tp.param.name); });

TEST(RotationLesson, AFractionNamingThreeChoosesQuestion6) {
    const RunResult r = RunProgramHeadless("varnel", "4" + kEnter + "12/4" + kEnter + "abcdefgh5" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_GE(RunIndex(r, "問6 解答"), 0);
}

TEST(RotationLesson, EveryTopicInTurnAndBackToTheMainMenu) {
    const RunResult r = RunProgramHeadless(
        "varnel", "4" + kEnter + kTopic1 + kTopic2 + kTopic3 + kTopic4 + "5" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    long at = RunIndex(r, "<めあて>");
    ASSERT_GE(at, 0);
    const std::vector<std::string> texts = {
        "三角形ウをどのように移動させればエに重なるだろう。", "反時計回りに120°だけ回転させる。", kCaption,
        " <回転移動>", "∠AOA'=∠BOB'=∠COC'", "教科書P160 問6 をやろう。 ", kCaption,
        "問6 解答", "教科書P160 問7 をやろう。 ", kCaption,
        "問7 解答", "回転移動の中で、特に、１８０°の回転移動", kCaption,
    };
    for (const std::string& text : texts) {
        at = RunIndex(r, text, at + 1);
        ASSERT_GE(at, 0) << text;
    }
    // The goal screen only once; the main menu again at the end.
    EXPECT_EQ(CountAnyRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(MenuPanels(r), 2);
}

// Whatever keys come, every topic runs to its end and the lesson hands back
// to the main menu: odd keys at the prompts and pauses, a long turn both
// ways, turning again twice.
TEST(RotationLesson, OddKeysNeitherCrashNorHang) {
    const std::string odd = "{Esc}{BS}{Del}{Up}{Down}{Left}{Right}" + kEnter;   // eight keys
    const std::string topic1 = "1" + kEnter + "{Esc}{BS}{Del}{Up}" + "{Down}{Left}{Right}" + kEnter + " 0" +
                               Repeat("{Left}", 40) + "1" + "{Esc}" + kEnter + "{Right}";
    const std::string topic2 = "2" + kEnter + "{Esc}{BS}{Del}{Up}{Down}" + Repeat("{Right}", 100) + kEnter + "x1" +
                               Repeat("{Left}", 250) + kEnter + "11" + kEnter + kEnter + kEnter + odd;
    const std::string keys = "4" + kEnter + topic1 + topic2 + "3" + kEnter + odd + "4" + kEnter + "{Left}" + kEnter +
                             "5" + kEnter + "8" + kEnter;
    const RunResult r = RunProgramHeadless("varnel", keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    for (const char* text : {"反時計回りに120°だけ回転させる。", "教科書P160 問6 をやろう。 ",
                             "教科書P160 問7 をやろう。 ", "回転移動の中で、特に、１８０°の回転移動"})
        EXPECT_GE(RunIndex(r, text), 0) << text;
    EXPECT_EQ(MenuPanels(r), 2);
}

}  // namespace
