// The basic problems of page 164 (main-menu item 7) run whole on the keys a
// pupil types: the menu without a goal screen, problem 1 and problem 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

const std::string E = "{Enter}";
const std::string kMenu = "P164 基本の問題 ①　②　③終了";

RunResult RunProblems(const std::string& keys) {
    RunResult r = RunProgramHeadless("varnel", "7" + E + keys + "3" + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    return r;
}

TEST(BasicProblemsP164, MenuWithoutGoalScreenAndRefusals) {
    const RunResult r = RunProblems("0" + E + "4" + E + "-2" + E + "1/0" + E);
    EXPECT_EQ(Captions(r.events, kMenu), 5);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 0);
    EXPECT_EQ(CountRuns(r.events, "8　終了"), 2);   // item 3 goes back to the main menu
}

TEST(BasicProblemsP164, Problem1) {
    const RunResult r = RunProblems("1" + E + "abc");
    const auto frames = Frames(r.events);
    // Keys: 7, Enter, 1, Enter, then a key after the figure and after answers 1 and 2.
    const auto& figure = frames[4];
    ExpectTextsInOrder(figure, {{"P164 基本の問題", -40, 33, 0}, {"1", -466, 33, 13},
                                {"ア", 520, 220, 3}, {"イ", 760, 400, 3}, {"ウ", 880, 280, 3}});
    auto hasBox = [&](double x1, double y1, double x2, double y2, int color, int fill) {
        for (const auto& e : Of(figure, "box"))
            if (IsBox(e, x1, y1, x2, y2, color, fill)) return true;
        return false;
    };
    EXPECT_TRUE(hasBox(40, 30, 436, 80, 3, 13));   // the title cell
    EXPECT_TRUE(hasBox(466, 30, 506, 80, 4, 3));   // the number cell
    EXPECT_TRUE(HasLine(figure, 520, 160, 460, 280, 3));   // ア
    EXPECT_TRUE(HasLine(figure, 760, 340, 700, 460, 3));   // イ
    EXPECT_TRUE(HasLine(figure, 820, 280, 940, 220, 3));   // ウ
    ExpectTextsInOrder(frames[5], {{"(1)", 40, 100, 3}, {"ア", -40, 100, 5}, {"(1)", 440, 110, 5}});
    EXPECT_TRUE(HasLine(frames[5], 520, 160, 760, 340, 5));   // the arrow's shaft, head at point 4
    ExpectTextsInOrder(frames[6], {{"(2)", 40, 150, 3}, {"図の通り", -40, 150, 5}, {"(2)", 550, 370, 5}});
    EXPECT_TRUE(HasLine(frames[6], 640, 280, 520, 400, 5));
    ExpectTextsInOrder(frames[7], {{"(3)", 40, 200, 3}, {"イとウ", -40, 200, 5}, {"(3)", 610, 110, 5}});
    EXPECT_TRUE(HasLine(frames[7], 580, 100, 1000, 520, 5));
    // The menu asks again at once, over the whole answer.
    EXPECT_EQ(Captions(frames[7], kMenu), 1);
}

TEST(BasicProblemsP164, Problem2OneQuestionAKey) {
    const RunResult r = RunProblems("2" + E + "abcdef" + "2" + E + "abcdef");
    const auto frames = Frames(r.events);
    // Each frame holds the answers of the line shown and the next question's number.
    ExpectTextsInOrder(frames[4], {{"P164 基本の問題", -40, 33, 0}, {"2", -466, 33, 13}, {"(1)", 40, 100, 3}});
    EXPECT_EQ(MarkupRuns(frames[4]).size(), 3u);
    ExpectTextsInOrder(frames[5], {{"①", -40, 100, 0}, {"直線AB", -40, 100, 5}, {"②", -40, 100, 0},
                                   {"線分AB", -40, 100, 5}, {"③", -40, 100, 0}, {"半直線AB", -40, 100, 5},
                                   {"(2)", 40, 170, 3}});
    ExpectTextsInOrder(frames[6], {{"④", -40, 170, 0}, {"△ABC", -40, 170, 5}, {"(3)", 40, 240, 3}});
    ExpectTextsInOrder(frames[7], {{"⑤", -40, 240, 0}, {"AB∥CD", -40, 240, 5}, {"(4)", 40, 310, 3}});
    ExpectTextsInOrder(frames[8], {{"⑥", -40, 310, 0}, {"∠AOB", -40, 310, 5}, {"(5)", 40, 380, 3}});
    ExpectTextsInOrder(frames[9], {{"⑦", -40, 380, 0}, {"垂線", -40, 380, 5}, {"⑧", -40, 380, 0},
                                   {"AB⊥CD", -40, 380, 5}, {"(6)", 40, 450, 3}});
    ExpectTextsInOrder(frames[10], {{"⑨", -40, 450, 0}, {"中点", -40, 450, 5}, {"⑩", -40, 450, 0},
                                    {"垂直二等分線", -40, 450, 5}});
    EXPECT_EQ(Captions(frames[10], kMenu), 1);
    // Line 1 keeps 30 px between its answers; line 5 none: "⑧" starts where
    // "垂線" ends. "①" starts where "(1)" ended.
    auto x = [&](const char* text) { return FindRun(r.events, text)["x"].get<double>(); };
    EXPECT_GT(x("②"), x("直線AB") + 30);
    EXPECT_GT(x("⑧"), x("垂線"));
    EXPECT_GT(x("①"), 40);
    // Choosing ② again rebuilds the sheet from an erased screen.
    EXPECT_EQ(CountRuns(r.events, "垂直二等分線"), 2);
    const auto& again = frames[12];   // after 2, Enter a second time
    EXPECT_EQ(CountBoxes(again, 0, 0, 1760, 1800), 1);
    ExpectTextsInOrder(again, {{"(1)", 40, 100, 3}});
}

}  // namespace
