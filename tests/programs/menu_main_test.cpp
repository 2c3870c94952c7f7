// The main menus of the four programs, run whole with scripted keys: layout,
// the end item, refused numbers, typed fractions, blank items and the echo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/support.h"
#include "support/trace_query.h"

namespace {

using nlohmann::json;
using testing_support::IsBox;
using testing_support::IsMenuPanel;
using testing_support::IsWholeScreenErase;
using testing_support::kExact;
using testing_support::MenuPanels;
using testing_support::RunProgramHeadless;
using testing_support::RunResult;

struct MenuCase {
    const char* program;
    const char* heading;
    std::vector<std::string> items;
};

std::ostream& operator<<(std::ostream& os, const MenuCase& c) { return os << c.program; }

const MenuCase kMenus[] = {
    {"varnel",
     "＜Varnel　メニュー＞",
     {"1　導入", "2　基本事項", "3　平行移動", "4　回転移動", "5　対称移動", "6　移動の組み合せ", "7　P164 基本の問題",
      "8　終了"}},
    {"droveny", "＜Droveny　メニュー＞", {"1　垂線", "2　垂直二等分線", "3　角の二等分線", "4　", "5　終了"}},
    {"pemmick", "＜Pemmick　メニュー＞", {"1　作図のしかた", "2　交わる2円の性質", "3　", "4　", "5　終了"}},
    {"quillet",
     "＜Quillet　メニュー＞",
     {"1　いろいろな作図", "2　P176 基本の問題", "3　角の作図", "4　おうぎ形", "5　P184章の問題A",
      "6　P185章の問題B", "7　", "8　終了"}},
};

// The boxes the menus draw, exactly where they draw them.
bool IsPromptLineErase(const json& e) { return IsBox(e, 416, 640, 1472, 690, 15, 15, kExact); }
bool IsWorkAreaErase(const json& e) { return IsBox(e, 0, 54, 1440, 900, 15, 15, kExact); }

// The not-measuring runs of `routine`, in order.
std::vector<json> Runs(const RunResult& r, const std::string& routine) {
    std::vector<json> out;
    for (const auto& e : r.Of("run"))
        if (e.value("routine", "") == routine && !e.value("measure", false)) out.push_back(e);
    return out;
}

// What happens after the prompt line is erased for the first time: "refused"
// (the menu is drawn again), "chosen" (the screen is erased for an item) or
// "ended" (nothing more is drawn).
std::string AfterFirstEntry(const RunResult& r) {
    std::size_t i = 0;
    while (i < r.events.size() && !IsPromptLineErase(r.events[i])) ++i;
    if (i == r.events.size()) return "no entry";
    for (++i; i < r.events.size(); ++i) {
        const json& e = r.events[i];
        if (IsWorkAreaErase(e)) return "refused";
        if (IsWholeScreenErase(e, kExact)) return "chosen";
        if (e.value("op", "") == "end") return "ended";
        return "drew " + e.dump();
    }
    return "no end";
}

class MainMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MainMenu, DrawsHeadingItemsAndPrompt) {
    const MenuCase& c = GetParam();
    const RunResult r = RunProgramHeadless(c.program, "");
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(MenuPanels(r, kExact), 1);

    const auto markup = Runs(r, "DrawMarkupText");
    ASSERT_EQ(markup.size(), c.items.size() + 1);
    EXPECT_EQ(markup[0]["text"], c.heading);
    EXPECT_EQ(markup[0]["x"], 264);
    EXPECT_EQ(markup[0]["y"], 30);
    EXPECT_EQ(markup[0]["color"], 15);
    for (std::size_t k = 1; k <= c.items.size(); ++k) {
        const json& item = markup[k];
        EXPECT_EQ(item["text"], c.items[k - 1]) << "item " << k;
        EXPECT_EQ(item["x"], 44) << "item " << k;
        EXPECT_EQ(item["y"], 120 + 60 * (k - 1)) << "item " << k;
        EXPECT_EQ(item["color"], k % 2 == 1 ? 13 : 15) << "item " << k;
    }

    const auto wide = Runs(r, "DrawWideText");
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(wide[0]["text"], "番号を入力して下さい。");
    EXPECT_EQ(wide[0]["x"], 816);
    EXPECT_EQ(wide[0]["y"], 648);
    EXPECT_EQ(wide[0]["color"], 0);

    // The order of the erases before the panel: work area, then the whole screen.
    std::vector<std::string> order;
    for (const auto& e : r.events) {
        if (IsWorkAreaErase(e)) order.push_back("work area");
        if (IsWholeScreenErase(e, kExact)) order.push_back("screen");
        if (IsMenuPanel(e, kExact)) {
            order.push_back("panel");
            break;
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"work area", "screen", "panel"}));
}

TEST_P(MainMenu, TheProgramsNameIsWrittenInGothicLetters) {
    // Every glyph of the heading up to its first wide space is a Gothic
    // letter at the heading's scale, 27 px apart: no italic serif or script
    // letter in a name.
    const MenuCase& c = GetParam();
    const RunResult r = RunProgramHeadless(c.program, "");
    const auto texts = r.Of("text");
    ASSERT_GT(texts.size(), 2u);
    EXPECT_EQ(texts[0]["text"], "＜");
    std::string name;
    float x = 298;
    for (std::size_t i = 1; i < texts.size() && texts[i]["text"] != "　"; ++i) {
        EXPECT_EQ(texts[i]["font"], "ゴシック") << texts[i].dump();
        EXPECT_EQ(texts[i]["hscale"], 3) << texts[i].dump();
        EXPECT_EQ(texts[i]["x"].get<float>(), x) << texts[i].dump();
        EXPECT_EQ(texts[i]["y"], 30) << texts[i].dump();
        name += texts[i]["text"].get<std::string>();
        x += 27;
    }
    EXPECT_EQ("＜" + name + "　メニュー＞", c.heading);
}

TEST_P(MainMenu, LastItemEndsTheProgramAtOnce) {
    const MenuCase& c = GetParam();
    const RunResult r = RunProgramHeadless(c.program, std::to_string(c.items.size()) + "{Enter}");
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(AfterFirstEntry(r), "ended");
    EXPECT_EQ(MenuPanels(r, kExact), 1);
}

TEST_P(MainMenu, RefusedNumbersDrawTheMenuAgain) {
    const MenuCase& c = GetParam();
    const std::string n = std::to_string(c.items.size());
    for (const std::string& typed :
         {std::string("0"), std::string("-1"), std::to_string(c.items.size() + 1), n + ".5", std::string(""),
          std::string("1/0"), std::string("0/0"), std::string("/"), std::string("5/"), std::string("0.4"),
          std::string("-")}) {
        const RunResult r = RunProgramHeadless(c.program, typed + "{Enter}");
        EXPECT_EQ(r.status, 0) << typed << ": " << r.stderrText;
        EXPECT_EQ(AfterFirstEntry(r), "refused") << typed;
        EXPECT_EQ(MenuPanels(r, kExact), 2) << typed;
    }
}

TEST_P(MainMenu, ATypedFractionWorthTheLastItemEndsTheProgram) {
    const MenuCase& c = GetParam();
    const std::string n = std::to_string(c.items.size());
    for (const std::string& typed : {n + "/1", std::to_string(2 * c.items.size()) + "/2", n + ".0"}) {
        const RunResult r = RunProgramHeadless(c.program, typed + "{Enter}");
        EXPECT_EQ(r.status, 0) << typed;
        EXPECT_EQ(AfterFirstEntry(r), "ended") << typed;
    }
}

TEST_P(MainMenu, AChoiceJustBelowTheLastItemNamesNoLesson) {
    // The value passes the range test but rounds to the last item, which is no
    // lesson: the menu is drawn again rather than the program ending.
    const MenuCase& c = GetParam();
    const std::string typed = std::to_string(c.items.size() - 1) + ".6";
    const RunResult r = RunProgramHeadless(c.program, typed + "{Enter}");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(AfterFirstEntry(r), "refused") << typed;
}

TEST_P(MainMenu, BlankItemsEraseTheScreenAndDrawTheMenuAgain) {
    const MenuCase& c = GetParam();
    for (std::size_t k = 1; k < c.items.size(); ++k) {
        if (c.items[k - 1] != std::to_string(k) + "　") continue;
        const RunResult r = RunProgramHeadless(c.program, std::to_string(k) + "{Enter}");
        EXPECT_EQ(r.status, 0) << "item " << k;
        EXPECT_EQ(AfterFirstEntry(r), "chosen") << "item " << k;
        EXPECT_EQ(MenuPanels(r, kExact), 2) << "item " << k;
    }
}

TEST_P(MainMenu, EveryItemBeforeTheLastIsChosen) {
    const MenuCase& c = GetParam();
    for (std::size_t k = 1; k < c.items.size(); ++k) {
        const RunResult r = RunProgramHeadless(c.program, std::to_string(k) + "{Enter}");
        EXPECT_EQ(r.status, 0) << "item " << k << ": " << r.stderrText;
        EXPECT_EQ(AfterFirstEntry(r), "chosen") << "item " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, MainMenu, ::testing::ValuesIn(kMenus),
                         [](const auto& tp) { return std::string(tp.param.program); });

// A typed entry against what it leads to. The end and range tests look at the
// entry's value (a typed fraction divided out); the item is the number the
// typed text starts with, made whole (a half to the even number), so a
// fraction opens its numerator's item. A number that names no lesson (outside
// 1 to N - 1) draws the menu again.
struct EntryCase {
    const char* program;
    const char* typed;
    enum Outcome { kOpens, kMenuAgain, kEnds } outcome;
    int item;   // with kOpens: the item whose plain number gives the same run
};

std::ostream& operator<<(std::ostream& os, const EntryCase& c) {
    return os << c.program << " \"" << c.typed << "\"";
}

constexpr EntryCase Opens(const char* program, const char* typed, int item) {
    return {program, typed, EntryCase::kOpens, item};
}
constexpr EntryCase MenuAgain(const char* program, const char* typed) {
    return {program, typed, EntryCase::kMenuAgain, 0};
}
constexpr EntryCase Ends(const char* program, const char* typed) { return {program, typed, EntryCase::kEnds, 0}; }

const EntryCase kEntries[] = {
    // Varnel, N = 8.
    Opens("varnel", "7/2", 7),        // 3.5 passes; 7 is the numerator
    Opens("varnel", "6/2", 6),        // 3
    Opens("varnel", "7/2/1", 7),      // 7 over "2/1", read as 2
    Opens("varnel", "2/0.5", 2),      // 4
    Opens("varnel", "1.5/0.5", 2),    // 3; 1.5 made whole is 2
    MenuAgain("varnel", "9/2"),       // 4.5 passes, but 9 names no item
    MenuAgain("varnel", "9/3"),       // 3 passes, 9 names no item
    MenuAgain("varnel", "8/2"),       // 4 passes; 8 is the end item, not a lesson
    MenuAgain("varnel", "14/2"),      // 7
    MenuAgain("varnel", "-7/-2"),     // 3.5
    MenuAgain("varnel", "1/2"),       // 0.5 is out of range
    MenuAgain("varnel", "18/2"),      // 9 is out of range
    MenuAgain("varnel", "/2"),        // 0
    Ends("varnel", "8/1"),
    Ends("varnel", "16/2"),
    Ends("varnel", "-8/-1"),
    Ends("varnel", "8.0"),
    Opens("varnel", "3.9", 4),
    Opens("varnel", "3.4", 3),
    Opens("varnel", "3.5", 4),
    Opens("varnel", "2.5", 2),
    Opens("varnel", "6.5", 6),
    MenuAgain("varnel", "7.5"),       // 7.5 made whole is 8
    Opens("varnel", "2.", 2),
    Opens("varnel", "07", 7),
    Opens("varnel", "3-", 3),
    Opens("varnel", "3..5", 3),
    MenuAgain("varnel", "-1"),
    MenuAgain("varnel", "-"),
    MenuAgain("varnel", ""),
    // Droveny, N = 5; item 4 is blank.
    Opens("droveny", "4/2", 4),       // 2 passes; item 4 erases and draws the menu again
    Opens("droveny", "3/2", 3),       // 1.5
    Opens("droveny", "2/0.5", 2),     // 4
    MenuAgain("droveny", "5/2"),      // 2.5 passes; 5 is the end item
    MenuAgain("droveny", "6/2"),      // 3
    MenuAgain("droveny", "-4/-2"),    // 2
    MenuAgain("droveny", "/2"),
    Ends("droveny", "10/2"),
    Opens("droveny", "1.5", 2),
    Opens("droveny", "2.5", 2),
    Opens("droveny", "3.9", 4),
    MenuAgain("droveny", "4.6"),
    Opens("droveny", "2.", 2),
    Opens("droveny", "01", 1),
    MenuAgain("droveny", "-1"),
    MenuAgain("droveny", ""),
    // Pemmick, N = 5; items 3 and 4 are blank.
    Opens("pemmick", "3/2", 3),
    Opens("pemmick", "4/1.5", 4),     // 2.67
    Opens("pemmick", "2/2", 2),
    MenuAgain("pemmick", "8/2"),      // 4
    // Quillet, N = 8; item 7 is blank.
    Opens("quillet", "7/2", 7),
    Opens("quillet", "5/4", 5),       // 1.25
    MenuAgain("quillet", "12/2"),     // 6
    Ends("quillet", "24/3"),
};

// The trace after the prompt line is erased for the first time: everything
// the typed entry led to, up to the end of the keys.
std::vector<json> AfterThePromptLine(const RunResult& r) {
    std::size_t i = 0;
    while (i < r.events.size() && !IsPromptLineErase(r.events[i])) ++i;
    return i == r.events.size() ? std::vector<json>{} : std::vector<json>(r.events.begin() + i + 1, r.events.end());
}

// A short name of where a run went: the caption of the first sub-menu drawn,
// the menu drawn again, or the end.
std::string WhereItWent(const RunResult& r) {
    const std::string after = AfterFirstEntry(r);
    if (after != "chosen") return after;
    const std::vector<json> events = AfterThePromptLine(r);
    for (const auto& e : events) {
        if (IsMenuPanel(e, kExact)) return "chosen, menu again";
        if (e.value("op", "") == "run" && e.value("routine", "") == "DrawWideText" && e["x"] == 16 && e["y"] == 666)
            return "lesson " + e["text"].get<std::string>();
    }
    return "chosen, no sub-menu";
}

class MainMenuEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(MainMenuEntry, LeadsWhereItsTextSays) {
    const EntryCase& c = GetParam();
    const RunResult r = RunProgramHeadless(c.program, std::string(c.typed) + "{Enter}");
    ASSERT_EQ(r.status, 0) << r.stderrText;
    switch (c.outcome) {
        case EntryCase::kEnds:
            EXPECT_EQ(AfterFirstEntry(r), "ended");
            EXPECT_EQ(MenuPanels(r, kExact), 1);
            break;
        case EntryCase::kMenuAgain:
        case EntryCase::kOpens: {
            // The same run as the plain number of the item (or 0, refused).
            const std::string plain = c.outcome == EntryCase::kOpens ? std::to_string(c.item) : "0";
            const RunResult expected = RunProgramHeadless(c.program, plain + "{Enter}");
            EXPECT_EQ(WhereItWent(r), WhereItWent(expected)) << "as if " << plain << " were typed";
            EXPECT_TRUE(AfterThePromptLine(r) == AfterThePromptLine(expected))
                << "the trace differs from the one of " << plain;
            if (c.outcome == EntryCase::kMenuAgain) {
                EXPECT_EQ(AfterFirstEntry(r), "refused");
                EXPECT_EQ(MenuPanels(r, kExact), 2);
            }
            break;
        }
    }
}

std::string EntryCaseName(const ::testing::TestParamInfo<EntryCase>& info) {
    std::string name = std::string(info.param.program) + "_";
    const std::string typed = info.param.typed;
    if (typed.empty()) name += "empty";
    for (const char ch : typed) {
        if (ch == '/') name += "_over_";
        else if (ch == '.') name += "_point_";
        else if (ch == '-') name += "minus_";
        else name += ch;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Typed, MainMenuEntry, ::testing::ValuesIn(kEntries), EntryCaseName);

// The echo of the entry beside the menu prompt: full-width glyphs from
// (1056,648), "．" 4 px into the previous cell, Backspace and the eleventh key
// clearing the field.
TEST(VarnelMainMenu, EchoesTheTypedNumber) {
    const RunResult r = RunProgramHeadless("varnel", "1.5{BS}12345678901{Del}3/4{Enter}");
    struct Glyph {
        std::string text;
        float x;
    };
    std::vector<Glyph> echo;
    for (const auto& e : r.Of("text"))
        if (e["color"] == 5 && e["y"] == 648) echo.push_back({e["text"].get<std::string>(), e["x"].get<float>()});
    const std::vector<Glyph> expected = {
        {"１", 1056}, {"．", 1068}, {"５", 1072},   // "1.5", then Backspace
        {"１", 1056}, {"２", 1072}, {"３", 1088}, {"４", 1104}, {"５", 1120},
        {"６", 1136}, {"７", 1152}, {"８", 1168}, {"９", 1184}, {"０", 1200},   // ten shown; the eleventh clears
        {"３", 1056}, {"÷", 1072}, {"４", 1088},   // "3/4" after {Del}: 0.75 is refused
    };
    ASSERT_EQ(echo.size(), expected.size());
    for (std::size_t i = 0; i < echo.size(); ++i) {
        EXPECT_EQ(echo[i].text, expected[i].text) << i;
        EXPECT_EQ(echo[i].x, expected[i].x) << i;
    }
    EXPECT_EQ(AfterFirstEntry(r), "refused");
}

TEST(VarnelMainMenu, ManyRefusedNumbersNeverEndTheProgram) {
    std::string keys;
    for (int i = 0; i < 200; ++i) keys += "0{Enter}1/0{Enter}";
    keys += "8{Enter}";
    const RunResult r = RunProgramHeadless("varnel", keys);
    EXPECT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(MenuPanels(r, kExact), 401);
}

}  // namespace
