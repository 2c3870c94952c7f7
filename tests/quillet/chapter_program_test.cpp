// Quillet run whole on scripted keys: main-menu items 5 and 6, the chapter
// problems' menus, every problem played to its end, and repeated use.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "quillet/chapter_support.h"

namespace {

using namespace chapter_test;

struct Lesson {
    const char* name;
    std::string item;     // main-menu item
    std::string caption;  // the problem menu
    int items;            // the last one returns to the main menu
};

void PrintTo(const Lesson& lesson, std::ostream* os) { *os << lesson.name; }

const Lesson kLessons[] = {
    {"A", "5", kMenuA, 5},
    {"B", "6", kMenuB, 4},
};

class ChapterMenu : public testing::TestWithParam<Lesson> {};

// The menu stands alone on the erased screen; refused entries (out of range,
// a zero denominator, nothing typed) ask again without touching the screen;
// the last item goes back to the main menu.
TEST_P(ChapterMenu, RefusesOutOfRangeAndReturnsOnItsLastItem) {
    const Lesson& lesson = GetParam();
    const std::string last = std::to_string(lesson.items);
    const std::string beyond = std::to_string(lesson.items + 1);
    const std::string refused = "0" + E + beyond + E + "-1" + E + "1/0" + E + E;
    const RunResult r = RunProgramHeadless("quillet", lesson.item + E + refused + last + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(EndReason(r), "finished");
    EXPECT_EQ(CountAnyRuns(r.events, lesson.caption), 6);
    // After the lesson's first screen (the erase and the caption) and until
    // the main menu comes back, nothing is drawn above the bottom band.
        bool inLesson = false;
    for (const auto& frame : Frames(r.events)) {
        if (inLesson && CountAnyRuns(frame, kMainMenuHeading) > 0) break;
        if (inLesson) {
            for (const auto& e : Visible(frame)) {
                const std::string op = e.value("op", "");
                if ((op == "box" || op == "line" || op == "circle") && e.value("y1", e.value("y", 700.0)) < 600)
                    ADD_FAILURE() << "drawn above the band: " << e.dump();
            }
        }
        if (CountAnyRuns(frame, lesson.caption) > 0) inLesson = true;
    }
    // Back in the main menu after the last item.
    EXPECT_EQ(CountAnyRuns(r.events, kMainMenuHeading), 2);
}

INSTANTIATE_TEST_SUITE_P(Quillet, ChapterMenu, testing::ValuesIn(kLessons),
                         [](const testing::TestParamInfo<Lesson>& tp) { return std::string(tp.param.name); });

struct Problem {
    const char* name;
    std::string item;  // main-menu item
    std::string choice;
    std::string last;  // the menu's last item
    int waits;
    int headingWidth;
};

void PrintTo(const Problem& problem, std::ostream* os) { *os << problem.name; }

const Problem kProblems[] = {
    {"A1and2", "5", "1", "5", 4, 5}, {"A3", "5", "2", "5", 8, 5},  {"A4", "5", "3", "5", 21, 5},
    {"A5", "5", "4", "5", 2, 5},     {"B1", "6", "1", "4", 2, 3},  {"B2part1", "6", "2", "4", 5, 3},
    {"B2part2", "6", "3", "4", 13, 5},
};

class ChapterProblem : public testing::TestWithParam<Problem> {};

// Each problem erases the screen, draws its heading, waits exactly its number
// of keys and comes back to its menu with no wait after the last drawing.
TEST_P(ChapterProblem, PlaysToItsEndWithItsWaits) {
    const Problem& pr = GetParam();
    const RunResult r = RunProgramHeadless(
        "quillet", pr.item + E + pr.choice + E + Repeat("k", pr.waits) + pr.last + E + "8" + E);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(EndReason(r), "finished");
    EXPECT_EQ(KeyWaits(r), pr.waits);
    // The heading: the title cell and the number cell at their places, in
    // the problem's pen width, right after the full-screen erase.
    int titles = 0, numbers = 0, erases = 0;
    for (const auto& e : r.events) {
        if (e.value("op", "") != "box") continue;
        erases += IsBox(e, 0, 0, 1760, 1800, 15, 15);
        if (IsBox(e, 40, 30, 436, 80, 3, 13)) {
            ++titles;
            EXPECT_EQ(e["width"], pr.headingWidth);
        }
        if (IsBox(e, 466, 30, 506, 80, 4, 3)) {
            ++numbers;
            EXPECT_EQ(e["width"], pr.headingWidth);
        }
    }
    EXPECT_EQ(titles, 1);
    EXPECT_GE(numbers, 1);
    EXPECT_GE(erases, 1);
}

INSTANTIATE_TEST_SUITE_P(Quillet, ChapterProblem, testing::ValuesIn(kProblems),
                         [](const testing::TestParamInfo<Problem>& tp) { return std::string(tp.param.name); });

// Problems that convert their point tables from cells to pixels, chosen many
// times in one run, never reach the error screen.
TEST(ChapterProblemRepeats, ManyRunsOfTheSquareAndTheFoldEndCleanly) {
    const RunResult a4 =
        RunProgramHeadless("quillet", "5" + E + Repeat("3" + E + Repeat("k", 21), 24) + "5" + E + "8" + E);
    EXPECT_EQ(a4.status, 0) << a4.stderrText;
    EXPECT_EQ(EndReason(a4), "finished");
    EXPECT_EQ(KeyWaits(a4), 24 * 21);

    const RunResult b21 =
        RunProgramHeadless("quillet", "6" + E + Repeat("2" + E + Repeat("k", 5), 22) + "4" + E + "8" + E);
    EXPECT_EQ(b21.status, 0) << b21.stderrText;
    EXPECT_EQ(EndReason(b21), "finished");
    EXPECT_EQ(KeyWaits(b21), 22 * 5);
}

}  // namespace
