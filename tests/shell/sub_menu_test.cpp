// The sub-menu convention: caption on the band, refused numbers ask again,
// the chosen item as a whole number, topics and the last item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/shell.h"
#include "support/support.h"

namespace {

using nlohmann::json;

const Text kCaption = "①直線　②交点、角　③終了";

// Times the caption was written at (16,666): its first glyph there.
int CaptionsDrawn(const std::vector<json>& texts) {
    int n = 0;
    for (const auto& e : texts)
        if (e["text"] == "①" && e["x"] == 16 && e["y"] == 666 && e["color"] == 0) ++n;
    return n;
}

int BandErases(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : events)
        if (e["op"] == "box" && e["x1"] == 0 && e["y1"] == 657 && e["x2"] == 992 && e["y2"] == 720 && e["fill"] == 15)
            ++n;
    return n;
}

TEST(AskSubMenuChoice, RefusedNumbersAskAgain) {
    // 0, a number above the items, a negative one, Enter alone, a zero
    // denominator and 3.6 are refused; 1.6 is item 2.
    testing_support::Fixture f(nullptr, "0{Enter}4{Enter}-1{Enter}{Enter}1/0{Enter}3.6{Enter}1.6{Enter}");
    Program& p = *f.p;
    const int choice = AskSubMenuChoice(p, kCaption, 3);
    EXPECT_EQ(choice, 2);
    EXPECT_EQ(p.MenuChoice, 2);
    EXPECT_EQ(p.EntryValue, 10);
    EXPECT_EQ(CaptionsDrawn(f.Events("text")), 7);
    EXPECT_EQ(BandErases(f.Events()), 7);
}

TEST(AskSubMenuChoice, ATypedFractionChoosesByItsValue) {
    struct Case {
        const char* keys;
        int choice;
    };
    for (const Case& c : {Case{"6/2{Enter}", 3}, Case{"4/2{Enter}", 2}, Case{"5/2{Enter}", 2}, Case{"11/4{Enter}", 3},
                          Case{"1{Enter}", 1}}) {
        testing_support::Fixture f(nullptr, c.keys, false);
        EXPECT_EQ(AskSubMenuChoice(*f.p, kCaption, 3), c.choice) << c.keys;
        EXPECT_EQ(f.p->MenuChoice, c.choice) << c.keys;
    }
}

TEST(MenuSelector, RoundsToTheNearestWholeNumberHalvesToEven) {
    EXPECT_EQ(MenuSelector(1), 1);
    EXPECT_EQ(MenuSelector(1.4f), 1);
    EXPECT_EQ(MenuSelector(1.6f), 2);
    EXPECT_EQ(MenuSelector(2.5f), 2);
    EXPECT_EQ(MenuSelector(3.5f), 4);
    EXPECT_EQ(MenuSelector(7.6f), 8);
}

// Topics that note their visits in cells a test can read.
void FirstTopic(Program& p) {
    p.WorkA += 1;
    p.LoopIndex = p.EntryValue;   // what a topic starts with
}
void SecondTopic(Program& p) { p.WorkB += 1; }

TEST(RunSubMenu, RunsTheChosenTopicsUntilTheLastItem) {
    testing_support::Fixture f(nullptr, "1{Enter}2{Enter}9{Enter}1{Enter}3{Enter}");
    Program& p = *f.p;
    p.WorkA = 0;   // start-up left the random seed there
    constexpr SubMenuTopic kTopics[] = {FirstTopic, SecondTopic};
    RunSubMenu(p, kCaption, kTopics);
    EXPECT_EQ(p.WorkA, 2);
    EXPECT_EQ(p.WorkB, 1);
    EXPECT_EQ(p.LoopIndex, 10);
    EXPECT_EQ(p.MenuChoice, 3);
    EXPECT_EQ(CaptionsDrawn(f.Events("text")), 5);
}

TEST(RunSubMenu, ANullTopicAsksAgain) {
    testing_support::Fixture f(nullptr, "1{Enter}2{Enter}3{Enter}", false);
    Program& p = *f.p;
    constexpr SubMenuTopic kTopics[] = {nullptr, SecondTopic};
    RunSubMenu(p, kCaption, kTopics);
    EXPECT_EQ(p.WorkB, 1);
}

TEST(RunSubMenu, ManyVisitsRunInOneLoop) {
    // A thousand topic visits and refusals: the loop neither recurses nor
    // stops early.
    std::string keys;
    for (int i = 0; i < 500; ++i) keys += "1{Enter}0{Enter}";
    keys += "3{Enter}";
    testing_support::Fixture f(nullptr, keys, false);
    Program& p = *f.p;
    p.WorkA = 0;   // start-up left the random seed there
    constexpr SubMenuTopic kTopics[] = {FirstTopic, SecondTopic};
    RunSubMenu(p, kCaption, kTopics);
    EXPECT_EQ(p.WorkA, 500);
}

}  // namespace
