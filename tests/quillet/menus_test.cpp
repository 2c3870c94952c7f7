// Quillet's main menu and its three own lessons run whole on scripted keys:
// each lesson's entry (goal screen, heading or none), its topic menu with
// refused numbers, and its last item back to the main menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillet/quillet_fixture.h"

namespace {

using namespace quillet_test;

const std::string E = "{Enter}";

struct LessonCase {
    const char* name;
    std::string item;                // main-menu number
    std::string caption;             // the topic menu's caption
    std::string refused;             // entries the topic menu refuses
    int refusals;
    std::string last;                // the menu's last item
    int fullErases;                  // whole-screen erases before the caption
    std::vector<TextAt> entryTexts;  // the goal screen or heading
};

std::ostream& operator<<(std::ostream& os, const LessonCase& c) { return os << c.name; }

class QuilletLessons : public testing::TestWithParam<LessonCase> {};

TEST_P(QuilletLessons, EntryThenTheTopicMenuUntilItsLastItem) {
    const LessonCase& c = GetParam();
    const RunResult r = RunProgramHeadless("quillet", c.item + E + c.refused + c.last + E + "8" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const auto frames = Frames(r.events);
    // Frames: 0 the menu, 1 after the item's digit, 2 after its Enter: the
    // lesson's entry and its first caption.
    ASSERT_GE(frames.size(), 3u);
    const auto& entry = frames[2];
    int erases = 0, captions = 0;
    for (const auto& e : entry) {
        if (IsCaption(e, c.caption, 0)) break;
        erases += IsWholeScreenErase(e);
    }
    for (const auto& e : entry) captions += IsCaption(e, c.caption, 0);
    EXPECT_EQ(erases, c.fullErases);
    EXPECT_EQ(captions, 1);
    ExpectOnlyTexts(entry, c.entryTexts, kTextPlace);

    // Each refused number draws the caption again and nothing else of the
    // screen; the last item goes back to the main menu, drawn whole.
    int panels = 0, fullErasesAfter = 0;
    captions = 0;
    for (std::size_t i = 3; i < frames.size(); ++i)
        for (const auto& e : frames[i]) {
            captions += IsCaption(e, c.caption, 0);
            panels += IsMenuPanel(e);
            fullErasesAfter += IsWholeScreenErase(e);
        }
    EXPECT_EQ(captions, c.refusals);
    EXPECT_EQ(panels, 1);
    EXPECT_EQ(fullErasesAfter, 1);   // the main menu's own
    EXPECT_TRUE(MarkupRuns(std::vector<json>(frames.back().begin(), frames.back().end())).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Quillet, QuilletLessons,
    testing::Values(
        LessonCase{"VariousConstructions", "1", " ①円の接線　②問１　③例１　④P176Q　⑤終了",
                   "0" + E + "6" + E + "1/0" + E + "-1" + E + E, 5, "5", 1,
                   {{"<めあて>", 44, 240, 3},
                    {"1 円の接線を作図しよう。", 44, 305, 0},
                    {"2 基本的な作図を利用して、いろいろな作図を考えよう。", 44, 370, 0}}},
        LessonCase{"BasicProblemsP176", "2", "P176 基本の問題 ①1,2　②3　③終了",
                   "0" + E + "4" + E + "1/0" + E, 3, "3", 1, {}},
        LessonCase{"AngleConstruction", "3", "①P177Q　②にるせ　③けずも　④終了",
                   "0" + E + "5" + E + "9/0" + E + "0.4" + E, 4, "4", 2,
                   {{"<めあて>", 44, 240, 3}, {"75%の角を作図しよう。", 44, 305, 0}}}),
    [](const testing::TestParamInfo<LessonCase>& tp) { return std::string(tp.param.name); });

// A fraction inside the range picks the item it rounds to; the menu checks
// and dispatches on the same value.
TEST(QuilletLessons, AFractionChoosesTheItemItStandsFor) {
    // 7/2 is 3.5, inside 1 to 4, and stands for item 4 of the angle lesson
    // (a half goes to the even number): back to the main menu.
    const RunResult r = RunProgramHeadless("quillet", "3" + E + "7/2" + E + "8" + E);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    int panels = 0;
    for (const auto& e : r.events) panels += IsMenuPanel(e);
    EXPECT_EQ(panels, 2);
}

}  // namespace

namespace {

// Any keys at any wait: every lesson and topic takes them without an error
// screen and the run ends when the keys do.
TEST(QuilletLessons, ArbitraryKeysNeverReachTheErrorScreen) {
    const std::string mix[] = {"1", E, "{Esc}", "2", "{Right}", "0", E, "3", "{BS}", "4", E, "/", "5", E,
                               "{Up}", "-", E, "9", "6", E, "x", "7", E};
    for (const std::string item : {"1", "2", "3"}) {
        SCOPED_TRACE(item);
        std::string keys = item;
        keys += E;
        for (int round = 0; round < 40; ++round)
            for (const std::string& k : mix) keys += k;
        const RunResult r = RunProgramHeadless("quillet", keys);
        EXPECT_EQ(r.status, 0) << r.stderrText;
        for (const auto& e : r.events)
            EXPECT_FALSE(e.value("op", "") == "cls") << "the error screen clears the screen";
    }
}

}  // namespace
