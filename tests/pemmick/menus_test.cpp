// Pemmick's two lessons behind its main menu, run whole on scripted keys:
// goal screens, the sub-menu captions, refused numbers and the way back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pemmick/pemmick_fixture.h"

namespace {

using namespace testing_support;
using namespace pemmick_test;

const std::string E = "{Enter}";

struct LessonCase {
    const char* name;
    int item;
    const char* goal;         // the goal screen's second line
    bool goalErases;          // the goal screen erases the whole screen first
    int lastItem;
};

std::ostream& operator<<(std::ostream& os, const LessonCase& c) { return os << c.name; }

const LessonCase kLessons[] = {
    {"RulerCompass", 1, "定規とコンパスだけを使って図形をかこう。", false, 4},
    {"TwoCircles", 2, "交わる2円の性質を調べよう。", true, 8},
};

std::vector<json> CaptionRuns(const RunResult& r, int lesson) {
    std::vector<json> out;
    for (const auto& e : r.Of("run"))
        if (e["routine"] == "DrawWideText" && e["text"] == Caption(lesson)) out.push_back(e);
    return out;
}

class PemmickLesson : public testing::TestWithParam<LessonCase> {};

TEST_P(PemmickLesson, GoalScreenThenTheCaptionOnTheBottomBand) {
    const LessonCase& c = GetParam();
    const RunResult r = RunProgramHeadless("pemmick", std::to_string(c.item) + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const json goal = FindRun(r.events, "<めあて>");
    ASSERT_FALSE(goal.is_null());
    EXPECT_EQ(goal["x"], 44);
    EXPECT_EQ(goal["y"], 240);
    EXPECT_EQ(goal["color"], 3);
    const json second = FindRun(r.events, c.goal);
    ASSERT_FALSE(second.is_null());
    EXPECT_EQ(second["x"], 44);
    EXPECT_EQ(second["y"], 305);
    EXPECT_EQ(second["color"], 0);
    // The menu erases the screen once for the lesson; the second goal screen
    // erases it again itself.
    int erases = 0;
    for (const auto& e : r.events) {
        if (e.value("op", "") == "run" && e["text"] == "<めあて>") break;
        erases += IsWholeScreenErase(e);
    }
    EXPECT_EQ(erases, 2 + (c.goalErases ? 1 : 0));
    const auto captions = CaptionRuns(r, c.item);
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0]["x"], 16);
    EXPECT_EQ(captions[0]["y"], 666);
    EXPECT_EQ(captions[0]["color"], 0);
}

TEST_P(PemmickLesson, RefusedNumbersOnlyAskAgainAndTheLastItemGoesBack) {
    const LessonCase& c = GetParam();
    const std::string refused = "0" + E + "9" + E + "1/0" + E + "0/0" + E + E + "-1" + E +
                                std::to_string(c.lastItem + 1) + E + "-" + E + "/" + E + "." + E + "999999999" + E;
    const RunResult r =
        RunProgramHeadless("pemmick", std::to_string(c.item) + E + refused + std::to_string(c.lastItem) + E + "5" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CaptionRuns(r, c.item).size(), 12u);
    // Nothing but the bottom band changes while the entries are refused: the
    // only whole-screen erases are the menu's, and the menu is drawn twice.
    EXPECT_EQ(MenuPanels(r), 2);
    int erases = 0;
    for (const auto& e : r.events) erases += IsWholeScreenErase(e);
    EXPECT_EQ(erases, 2 + (c.goalErases ? 1 : 0) + 1);
    EXPECT_EQ(r.events.back()["op"], "end");
}

TEST_P(PemmickLesson, ChoosingTheLessonAgainShowsItsGoalAgain) {
    const LessonCase& c = GetParam();
    const std::string item = std::to_string(c.item) + E;
    const RunResult r = RunProgramHeadless("pemmick", item + std::to_string(c.lastItem) + E + item);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 2);
    EXPECT_EQ(CaptionRuns(r, c.item).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Pemmick, PemmickLesson, testing::ValuesIn(kLessons),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(PemmickMainMenu, BlankItemsAndOutOfRangeNumbersDrawTheMenuAgainAndFiveEnds) {
    const RunResult r = RunProgramHeadless("pemmick", "3" + E + "4" + E + "0" + E + "6" + E + "5.0" + E + "1" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(MenuPanels(r), 5);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 0);  // 5.0 ended the program before the "1"
    EXPECT_EQ(r.events.back()["op"], "end");
}

TEST(PemmickTopics, AfterATopicTheCaptionComesBackWithoutTheGoalScreen) {
    const RunResult r = RunProgramHeadless("pemmick", "1" + E + "3" + E + Repeat("x", 15) + "2" + E + Repeat("x", 19));
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(CaptionRuns(r, 1).size(), 3u);
}

TEST(PemmickTopics, ALongTourThroughMenusAndTopicsRunsToTheEnd) {
    std::string keys;
    for (int i = 0; i < 25; ++i)
        keys += "1" + E + "1" + E + Repeat("x", 15) + "4" + E + "2" + E + "5" + E + Repeat("x", 4) + "8" + E;
    const RunResult r = RunProgramHeadless("pemmick", keys + "5" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountRuns(r.events, "「教科書P165Q」正六角形をかこう。"), 25);
    EXPECT_EQ(CountRuns(r.events, "②交点をA,Bとする。"), 25);
    EXPECT_EQ(r.events.back()["op"], "end");
}

}  // namespace
