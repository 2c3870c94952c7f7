// The combined-moves lesson (main-menu item 6) run whole on the keys a pupil
// types: its goal screen and menu, example 1 with its three stepped
// animations and its answer, and the answer to question 11.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using namespace varnel_test;

const std::string E = "{Enter}";
const std::string kMenu = "①P163Q　②例　③問１１　④終了";

// The run from the main menu into the lesson, `keys` in it, and out again.
RunResult RunLesson(const std::string& keys) {
    RunResult r = RunProgramHeadless("varnel", "6" + E + keys + "4" + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    return r;
}

// ---- Goal screen and menu ----------------------------------------------------------

TEST(CombinedMovesLesson, GoalScreenRefusedChoicesAndItemFour) {
    const RunResult r = RunLesson("0" + E + "5" + E + "-1" + E + "1/0" + E + E + "2.5/0" + E);
    ExpectRun(r.events, "<めあて>", 44, 240, 3);
    ExpectRun(r.events, "移動を使って、いろいろな問題を考えよう。", 44, 305, 0);
    // Six refusals, then item 4: the caption seven times, the goal screen once,
    // and the main menu again.
    EXPECT_EQ(Captions(r.events, kMenu), 7);
    EXPECT_EQ(CountRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(CountRuns(r.events, "8　終了"), 2);
}

// ---- Example 1 ---------------------------------------------------------------------

// Keys up to the first frame of each animation: the lesson's item 2, the key
// after the figure, and "1" plus a key for each animation before it.
const std::string kToTranslation = "2" + E + "a";
const std::string kToRotation = kToTranslation + "1a";
const std::string kToFold = kToRotation + "1a";
constexpr int kFirstFrame[] = {5, 7, 9};   // frames counted from the main menu's "6"
// The keys after the fold: its pause, the pause on the figure and the three
// answer lines.
const std::string kAfterFold = "aaaa";

struct AnimationCase {
    const char* name;
    int animation;       // 0 translation, 1 rotation, 2 fold
    int keys;            // keys before "1"
    double ax, ay, bx, by;   // side A-B of the moving triangle in the last frame
};

std::ostream& operator<<(std::ostream& os, const AnimationCase& c) { return os << c.name; }

class Example1Animations : public testing::TestWithParam<AnimationCase> {};

TEST_P(Example1Animations, MovingTriangleAndEndFrame) {
    const AnimationCase& c = GetParam();
    const std::string before[] = {kToTranslation, kToRotation, kToFold};
    // Arrows, Enter and letters all step.
    const std::string steps = Repeat("{Right}", c.keys / 2) + Repeat(E, c.keys % 2 ? 1 : 0) + Repeat("x", c.keys / 2);
    const RunResult r = RunLesson(before[c.animation] + steps + "1a" + Repeat("1a", 2 - c.animation) + kAfterFold);
    const auto frames = Frames(r.events);
    const int last = kFirstFrame[c.animation] + c.keys;
    ASSERT_GT(frames.size(), static_cast<std::size_t>(last + 1));
    // The moving triangle, grey: a bold outline, or plain lines in the fold.
    const auto moving = LinesOf(frames[last], 7, c.animation == 2 ? 5 : 7);
    ASSERT_EQ(moving.size(), 3u);
    EXPECT_TRUE(IsLine(moving[0], c.ax, c.ay, c.bx, c.by, 7, 0.05)) << moving[0];
    // The end frame: the grid erased, then the exact result in bold teal.
    const auto& end = frames[last + 1];
    EXPECT_EQ(CountBoxes(end, 200, 100, 965, 550), 1);
    const auto result = LinesOf(end, 3, 7);
    ASSERT_EQ(result.size(), 3u);
    const double resultB[][2] = {{515, 505}, {681.819, 547.739}, {681.819, 547.739}};
    EXPECT_TRUE(IsLine(result[0], 650, 325, resultB[c.animation][0], resultB[c.animation][1], 3, 0.01)) << result[0];
    EXPECT_TRUE(LinesOf(end, 7, 7).empty());   // the moving triangle is gone
    if (c.animation == 2) {
        // The target turns grey with its names and the whole path is dotted.
        EXPECT_EQ(LinesOf(end, 7, 5).size(), 3u);
        EXPECT_TRUE(HasLine(end, 650, 325, 777.28, 452.28, 7, 0.01));
        EXPECT_EQ(PathDots(end, 1e-4), 61);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Example1Animations,
    testing::Values(AnimationCase{"TranslationAtOnce", 0, 0, 380, 325, 245, 505},
                    AnimationCase{"TranslationOntoTheMiddleTriangle", 0, 6, 650, 325, 515, 505},
                    AnimationCase{"TranslationInColumn15", 0, 11, 875, 325, 740, 505},
                    AnimationCase{"TranslationBackOnABC", 0, 12, 380, 325, 245, 505},
                    AnimationCase{"RotationAtOnce", 1, 0, 650, 325, 515, 505},
                    AnimationCase{"RotationBy45", 1, 3, 650, 325, 681.819, 547.739},
                    AnimationCase{"RotationPastTheResult", 1, 5, 650, 325, 788.926, 501.987},
                    AnimationCase{"RotationFullTurn", 1, 24, 650, 325, 515, 505},
                    AnimationCase{"FoldAtOnce", 2, 0, 650, 325, 681.819, 547.739},
                    AnimationCase{"FoldHalfway", 2, 9, 650, 325, 791.42, 466.42},
                    AnimationCase{"FoldOntoTheTarget", 2, 18, 650, 325, 872.739, 356.821},
                    AnimationCase{"FoldBackAfterTheTarget", 2, 19, 650, 325, 681.819, 547.739}),
    [](const testing::TestParamInfo<AnimationCase>& tested) { return std::string(tested.param.name); });

TEST(CombinedMovesExample1, FoldDotsItsPathUpToB) {
    // Dots every 3 degrees from B2 to B: none on the first pass, then
    // (ArcAngle - 180) / 3 + 1; after the pass on B' the fold starts again
    // with B back on B2 and no dots.
    const RunResult r = RunLesson(kToFold + Repeat("f", 20) + "1a" + kAfterFold);
    const auto frames = Frames(r.events);
    for (int k = 0; k <= 20; k++) {
        const int angle = 180 + 10 * (k % 19);
        const int expected = angle > 180 ? (angle - 180) / 3 + 1 : 0;
        EXPECT_EQ(PathDots(frames[kFirstFrame[2] + k], 1e-4), expected) << "after " << k << " keys";
    }
}

TEST(CombinedMovesExample1, AnswerLinesWhereverTheAnimationsStopped) {
    for (const std::string& keys :
         {std::string("1a1a1a"), "abc1a" + Repeat("{Left}", 7) + "1a" + Repeat("{Up}", 25) + "1a"}) {
        SCOPED_TRACE(keys);
        const RunResult r = RunLesson(kToTranslation + keys + kAfterFold);
        ExpectRun(r.events, "例1", 40, 30, 3);
        const json question = FindRun(r.events, " △ABCを△A'B'C'に重ね合わせる移動は？");
        ASSERT_FALSE(question.is_null());
        EXPECT_GT(question["x"].get<double>(), 40);
        // Each coloured word goes on where its line's text ended (a wide
        // character 34 px, a narrow one 27, "'" and "°" 12), "する。" after it.
        const struct {
            const char* text;
            double x, y;
            int color;
        } lines[] = {
            {"まず、△ABCを点Aから点A'の方向に線分AA'の長さだけ", 40, 80, 0}, {"平行移動", 933, 80, 5},
            {"次に、点Aを中心として反時計回りに45°だけ", 40, 130, 0},          {"回転移動", 745, 130, 5},
            {"さらに、直線ACを対称の軸として", 40, 180, 0},                    {"対称移動", 570, 180, 5},
        };
        for (const auto& l : lines) ExpectRun(r.events, l.text, l.x, l.y, l.color);
        const auto runs = MarkupRuns(r.events);
        for (std::size_t i = 0; i + 1 < runs.size(); i++)
            if (runs[i]["color"] == 5 && runs[i]["y"].get<double>() <= 180) {
                EXPECT_EQ(runs[i + 1]["text"], "する。");
                EXPECT_TRUE(Near(runs[i + 1]["x"], runs[i]["x"].get<double>() + 4 * 34)) << runs[i + 1];
            }
        ExpectRun(r.events, "教科書P163 問11 をやろう。 ", 40, 600, 7);
        EXPECT_EQ(CountRuns(r.events, "する。"), 3);
        // The band above the triangles is cleared once, after the answer's
        // first figure; the sub-menu comes back after the last line.
        EXPECT_EQ(CountBoxes(r.events, 200, 100, 2200, 235), 1);
        EXPECT_EQ(Captions(r.events, kMenu), 2);
    }
}

// ---- Question 11 -------------------------------------------------------------------

TEST(CombinedMovesAnswer11, FourPausesTwoMovesAndTheTargetTurningGrey) {
    const RunResult r = RunLesson("3" + E + "abcd");
    const auto frames = Frames(r.events);
    ExpectRun(r.events, "問11 解答", 78, 30, 3);
    ExpectRun(r.events, "△ABCを、点Cを中心として時計回りに90°だけ", 78, 445, 0);
    ExpectRun(r.events, "回転移動", FindRun(r.events, "回転移動")["x"].get<double>(), 445, 5);
    ExpectRun(r.events, "点Cから点C'の方向に線分CC'の長さだけ", 78, 495, 0);
    ExpectRun(r.events, "平行移動", FindRun(r.events, "平行移動")["x"].get<double>(), 495, 5);
    // Frames: 6, Enter, 3, Enter, then the four pauses.
    const auto& first = frames[4];
    EXPECT_EQ(LinesOf(first, 5, 5).size(), 3u);   // A'B'C' in purple
    EXPECT_TRUE(HasLine(first, 425, 235, 245, 370, 3));
    const auto& turned = frames[5];
    ASSERT_EQ(LinesOf(turned, 7, 5).size(), 3u);  // B's image, C, A's image, no names
    EXPECT_TRUE(HasLine(turned, 425, 190, 425, 370, 7));
    EXPECT_TRUE(HasLine(turned, 425, 370, 560, 370, 7));
    const auto& redrawn = frames[7];
    EXPECT_EQ(CountBoxes(redrawn, 200, 100, 740, 415), 1);
    EXPECT_TRUE(LinesOf(redrawn, 5, 5).empty());
    EXPECT_EQ(LinesOf(redrawn, 7, 5).size(), 6u);  // the target, now grey, and the turned triangle
    EXPECT_EQ(CountRuns(redrawn, "A'"), 1);
    // The menu's caption follows the last line at once.
    EXPECT_EQ(Captions(frames[8], kMenu), 1);
}

}  // namespace
