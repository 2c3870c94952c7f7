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

// Varnel's fractions: the item is chosen by the value, not by the numerator.
TEST(VarnelMainMenu, TypedFractionsChooseByTheirValue) {
    struct Case {
        const char* typed;
        const char* outcome;
    };
    for (const Case& c : {Case{"8/1", "ended"}, Case{"16/2", "ended"}, Case{"9/3", "chosen"}, Case{"6/2", "chosen"},
                          Case{"7/2", "chosen"}, Case{"1/2", "refused"}, Case{"18/2", "refused"},
                          Case{"-8/-1", "ended"}}) {
        const RunResult r = RunProgramHeadless("varnel", std::string(c.typed) + "{Enter}");
        EXPECT_EQ(r.status, 0) << c.typed << ": " << r.stderrText;
        EXPECT_EQ(AfterFirstEntry(r), c.outcome) << c.typed;
    }
}

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
