// Varnel run whole on scripted keys: main-menu item 5, each topic of the
// reflection lesson as a pupil goes through it, and the way back.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using namespace varnel_test;

const std::string E = "{Enter}";
const std::string kCaption = "①P161Q　②対称移動　③問10　④終了";
const std::string kFoldPrompt = "△ABC を ←→で動かす。Enterキーで終了";
const std::string kStepPrompt = "１で次のステップ。他のキーで動かす。";
// The waits of the properties after the fold (the fold-again question is
// answered by the first key).
const std::string kPropertyKeys = "x" + Repeat("k", 11);

struct Expected {
    double x, y;
};

RunResult RunLesson(const std::string& keys) {
    RunResult r = RunProgramHeadless("varnel", "5" + E + keys + "4" + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    return r;
}

// The frame (events between two key reads) in which `text` was drawn for the
// last time.
std::vector<nlohmann::json> LastFrameWith(const RunResult& r, const std::string& text) {
    std::vector<nlohmann::json> found;
    for (const auto& frame : Frames(r.events))
        if (CountAnyRuns(frame, text) > 0) found = frame;
    return found;
}

// The last picture of the arrow-key fold: the last frame that erased the
// figure area and asked for the arrow keys.
std::vector<nlohmann::json> LastFoldPicture(const RunResult& r) {
    std::vector<nlohmann::json> found;
    for (const auto& frame : Frames(r.events))
        if (CountAnyRuns(frame, kFoldPrompt) > 0 && CountBoxes(frame, 587, 0, 1808, 1800) > 0) found = frame;
    return found;
}

// ---- Entry and topic menu -------------------------------------------------------

TEST(ReflectionLesson, ShowsTheGoalAndRefusesNumbersOutsideTheMenu) {
    const RunResult r = RunLesson("0" + E + "5" + E + "-1" + E + E + "0/0" + E);
    const auto goal = FindRun(r.events, "<めあて>");
    ASSERT_FALSE(goal.is_null());
    EXPECT_TRUE(Near(goal["x"], 44) && Near(goal["y"], 240));
    EXPECT_EQ(goal["color"], 3);
    const auto sentence = FindRun(r.events, "対称移動について考えよう。");
    ASSERT_FALSE(sentence.is_null());
    EXPECT_TRUE(Near(sentence["x"], 44) && Near(sentence["y"], 305));
    EXPECT_EQ(sentence["color"], 0);
    // Once, then again after each of the five refused entries.
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 6);
    EXPECT_EQ(CountAnyRuns(r.events, "<めあて>"), 1);
    EXPECT_EQ(MenuPanels(r), 2);
}

// ---- Topic 1: the fold over l ------------------------------------------------------

struct P161Case {
    const char* name;
    int advances;     // keys that fold further before "1"
    int loopDots;     // path dots of the last fold picture
};

std::ostream& operator<<(std::ostream& os, const P161Case& c) { return os << c.name; }

class P161Fold : public testing::TestWithParam<P161Case> {};

TEST_P(P161Fold, DotsThePathTravelledAndAnswersWithTheWholePaths) {
    const P161Case& c = GetParam();
    const RunResult r = RunLesson("1" + E + "abcd" + Repeat("x", c.advances) + "1" + "abc");
    const auto loop = LastFrameWith(r, kStepPrompt);
    ASSERT_FALSE(loop.empty());
    EXPECT_EQ(PathDots(loop), c.loopDots);
    // The answer dots both whole paths: A every 3 degrees, B every 8.
    int answerDots = 0;
    for (const auto& frame : Frames(r.events))
        if (PathDots(frame) > 0) answerDots = PathDots(frame);
    EXPECT_EQ(answerDots, 61 + 23);
    const auto closing = FindRun(r.events, "折り返せばよい。");
    ASSERT_FALSE(closing.is_null());
    EXPECT_TRUE(Near(closing["x"], 84) && Near(closing["y"], 270));
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);
}

INSTANTIATE_TEST_SUITE_P(Reflection, P161Fold,
                         testing::Values(P161Case{"OneAtOnce", 0, 0}, P161Case{"At190", 1, 4 + 2},
                                         P161Case{"At270", 9, 31 + 12}, P161Case{"At360", 18, 61 + 23},
                                         P161Case{"WrappedTo180", 19, 0}, P161Case{"At190Again", 20, 6}),
                         [](const testing::TestParamInfo<P161Case>& tp) { return std::string(tp.param.name); });

TEST(ReflectionLesson, P161PathsAt190DegreesEndAtTheLastDotNotBeyond) {
    const RunResult r = RunLesson("1" + E + "abcd" + "x" + "1" + "abc");
    const auto loop = LastFrameWith(r, kStepPrompt);
    // A: parameters 180, 183, 186, 189 over (732.15, 230)-(1147.85, 230);
    // B: 180 and 188 over (836.08, 410)-(1043.92, 410); bulge 20 below.
    const double pi = 3.14159;
    std::vector<Expected> want;
    for (int t : {180, 183, 186, 189})
        want.push_back({940 + 207.846 * std::cos(t * pi / 180), 230 - 20 * std::sin(t * pi / 180)});
    for (int t : {180, 188})
        want.push_back({940 + 103.923 * std::cos(t * pi / 180), 410 - 20 * std::sin(t * pi / 180)});
    for (const Expected& w : want) {
        bool found = false;
        for (const auto& e : Of(loop, "circle"))
            found = found || (Near(e["r"], 0.5) && Near(e["x"], w.x, 0.05) && Near(e["y"], w.y, 0.05));
        EXPECT_TRUE(found) << w.x << ", " << w.y;
    }
}

TEST(ReflectionLesson, P161FoldMovesTheTriangleOnItsHalfEllipse) {
    // 190 degrees: A 3.16 px along and 3.47 px below the start.
    const RunResult r = RunLesson("1" + E + "abcd" + "x" + "1" + "abc");
    const auto loop = LastFrameWith(r, kStepPrompt);
    bool moved = false;
    for (const auto& e : Of(loop, "polyline")) {
        if (e["color"] != 3) continue;
        const auto& first = e["points"][0];
        moved = moved || (Near(first[0], 735.31, 0.05) && Near(first[1], 233.47, 0.05));
    }
    EXPECT_TRUE(moved);
}

// ---- Topic 2: the typed axis and the fold ------------------------------------------

struct AxisCase {
    const char* name;
    std::string axis;
    Expected a, b;       // A and B of the still picture
    Expected footA;      // P, the foot of A on l
};

std::ostream& operator<<(std::ostream& os, const AxisCase& c) { return os << c.name; }

class ReflectionAxis : public testing::TestWithParam<AxisCase> {};

TEST_P(ReflectionAxis, TurnsTheFigureAndMarksThePropertiesOnTheTurnedAxis) {
    const AxisCase& c = GetParam();
    const RunResult r = RunLesson("2" + E + c.axis + E + "x" + E + kPropertyKeys);
    EXPECT_TRUE(HasLine(r.events, c.a.x, c.a.y, c.b.x, c.b.y, 3, 0.06)) << "side AB";
    bool footDot = false;
    bool midpoint = false;
    for (const auto& e : Of(r.events, "circle")) {
        footDot = footDot || (Near(e["r"], 8) && e["color"] == 7 && Near(e["x"], c.footA.x, 0.06) &&
                              Near(e["y"], c.footA.y, 0.06));
        midpoint = midpoint || (Near(e["r"], 8) && e["color"] == 5 && Near(e["x"], 878) && Near(e["y"], 330));
    }
    EXPECT_TRUE(footDot);
    EXPECT_TRUE(midpoint);
    const auto last = FindRun(r.events, "教科書P162問10 をやろう。");
    ASSERT_FALSE(last.is_null());
    EXPECT_TRUE(Near(last["x"], 76) && Near(last["y"], 130));
    EXPECT_EQ(CountBoxes(r.events, 0, 0, 608, 230), 1);
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Reflection, ReflectionAxis,
    testing::Values(AxisCase{"Upright", "90", {788, 150}, {638, 330}, {878, 150}},
                    AxisCase{"Horizontal", "0", {1058, 240}, {878, 90}, {1058, 330}},
                    AxisCase{"HalfTurn", "-90", {968, 510}, {1118, 330}, {878, 510}},
                    AxisCase{"OverZero", "1/0", {1058, 240}, {878, 90}, {1058, 330}}),
    [](const testing::TestParamInfo<AxisCase>& tp) { return std::string(tp.param.name); });

class ReflectionOddAxis : public testing::TestWithParam<std::string> {};

TEST_P(ReflectionOddAxis, AnyEntryGivesAFiniteFigureAndTheTopicRunsToItsEnd) {
    const RunResult r = RunLesson("2" + E + GetParam() + E + "x" + Repeat("{Right}", 5) + E + kPropertyKeys);
    for (const auto& e : Of(r.events, "run"))
        EXPECT_EQ(e.value("text", "").find("エラーが発生しました"), std::string::npos) << "the error screen";
    for (const auto& e : Of(r.events, "line"))
        for (const char* k : {"x1", "y1", "x2", "y2"}) ASSERT_TRUE(e[k].is_number()) << e.dump();
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);
}

INSTANTIATE_TEST_SUITE_P(Reflection, ReflectionOddAxis,
                         testing::Values("", "-", ".", "/", "-/-", "0/0", "7/0", "-1/0", "999999999", "-99999999",
                                         "1.5.5", "--3", "45/2", "360/-0"));

TEST(ReflectionLesson, OneArrowFoldsTwentyDegrees) {
    const RunResult r = RunLesson("2" + E + "90" + E + "x{Right}" + E + kPropertyKeys);
    EXPECT_TRUE(HasLine(r.events, 793.4, 156.2, 737.0, 520.3, 5, 0.1)) << "folding side A'C'";
}

struct FoldKeysCase {
    const char* name;
    std::string keys;
    int purpleSides;   // sides of the folding triangle in colour 5, last picture
    bool labelled;     // A', C', B' on the last picture
    int dots;
};

std::ostream& operator<<(std::ostream& os, const FoldKeysCase& c) { return os << c.name; }

class ReflectionFoldKeys : public testing::TestWithParam<FoldKeysCase> {};

TEST_P(ReflectionFoldKeys, LastPictureShowsTheFoldTheKeysMade) {
    const FoldKeysCase& c = GetParam();
    const RunResult r = RunLesson("2" + E + "90" + E + "x" + c.keys + E + kPropertyKeys);
    const auto frame = LastFoldPicture(r);
    ASSERT_FALSE(frame.empty());
    EXPECT_EQ(WideSides(frame, 5), c.purpleSides);
    EXPECT_EQ(!FindRun(frame, "A'").is_null(), c.labelled);
    EXPECT_EQ(FoldDots(frame), c.dots);
}

INSTANTIATE_TEST_SUITE_P(
    Reflection, ReflectionFoldKeys,
    testing::Values(FoldKeysCase{"FirstPicture", "", 0, false, 3},
                    FoldKeysCase{"BackAtStart", "{Left}", 0, false, 3},
                    FoldKeysCase{"FullFold", Repeat("{Right}", 9), 3, true, 153},
                    FoldKeysCase{"PastFullFold", Repeat("{Right}", 11), 3, true, 153},
                    FoldKeysCase{"FullFoldAndBack", Repeat("{Right}", 9) + Repeat("{Left}", 9), 0, false, 3},
                    FoldKeysCase{"ThreeAndBack", "{Right}{Right}{Right}{Left}{Left}{Left}", 0, false, 3},
                    FoldKeysCase{"OtherKeysIgnored", "{Right}a{Up}9", 3, false, 18}),
    [](const testing::TestParamInfo<FoldKeysCase>& tp) { return std::string(tp.param.name); });

TEST(ReflectionLesson, StillPictureKeyOnlyStartsTheFold) {
    // Enter at the still picture does not leave the topic; the fold starts.
    const RunResult r = RunLesson("2" + E + "90" + E + E + E + kPropertyKeys);
    EXPECT_EQ(CountAnyRuns(r.events, kFoldPrompt), 2);
    EXPECT_EQ(CountAnyRuns(r.events, "もう一度動かすなら１を入力"), 1);
}

TEST(ReflectionLesson, FoldAgainReentersThePromptWithoutARedraw) {
    const RunResult r =
        RunLesson("2" + E + "90" + E + "x{Right}" + E + "1" + E + "1" + "{Right}" + E + kPropertyKeys);
    EXPECT_EQ(CountAnyRuns(r.events, "もう一度動かすなら１を入力"), 3);
    // Erases of the figure area: the first picture, one per arrow, and the
    // question-8 figure; none on coming back.
    EXPECT_EQ(CountBoxes(r.events, 587, 0, 1808, 1800), 1 + 2 + 1);
    // The second fold went on from the first: two steps.
    EXPECT_EQ(FoldDots(LastFoldPicture(r)), 2 * 14 + 7);
}

// ---- Topic 3: question 10 ------------------------------------------------------------

TEST(ReflectionLesson, Answer10TakesThirtyThreeKeysAndReturnsToTheMenu) {
    const RunResult r = RunLesson("3" + E + Repeat("k", 33));
    EXPECT_EQ(KeyWaits(r), 33);
    const auto last = FindRun(r.events, "対称移動させればもとの図形に重なる。");
    ASSERT_FALSE(last.is_null());
    EXPECT_EQ(last["color"], 5);
    for (const char* text : {"問10 解答", "(1)", "(2)", "(3)", "l", "m", "E", "F", "六角形ABCDEFは線対称な図形である。"})
        EXPECT_FALSE(FindRun(r.events, text).is_null()) << text;
    EXPECT_EQ(CountAnyRuns(r.events, kCaption), 2);
    // Grid (2) stands four cells of grid (1) right of it.
    EXPECT_EQ(FindRun(r.events, "(2)")["x"], 755);
}

}  // namespace
