// The message bar's question: what AskKey draws and leaves, and which key
// answers AskToMoveAgain.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "lessons/common/kit.h"
#include "platform/strings.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace kit;
using namespace testing_support;

// The message's box: from (16, 657), 480 by 36, bordered in kPink and filled
// in kAmber; its text at (48, 666) in kBrightBlue; the band it erases.
bool IsMessageBox(const json& e) { return IsBox(e, 16, 657, 496, 693, 13, 4); }
int MessageBoxes(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : events) n += IsMessageBox(e);
    return n;
}
int BandErases(const std::vector<json>& events) { return CountBoxes(events, 0, 657, 992, 720); }

struct KeyCase {
    const char* name;
    std::string key;             // the key script
    std::optional<float> style;  // the style's pen colour: empty keeps PenColor
    float penBefore;
    float penAfter;
    int code;                    // what AskKey returns
};

std::ostream& operator<<(std::ostream& os, const KeyCase& c) { return os << c.name; }

class KitAskKey : public testing::TestWithParam<KeyCase> {};

TEST_P(KitAskKey, DrawsTheMessageReadsOneKeyAndErasesTheBand) {
    const KeyCase& c = GetParam();
    Fixture f(nullptr, c.key);
    Program& p = *f.p;
    p.PenColor = c.penBefore;
    PenWidth(p, 5);
    const int code = AskKey(p, "移動先　点D を←→↑↓で動かす。Enterキーで決定", {.penColor = c.style});

    EXPECT_EQ(code, c.code);
    EXPECT_EQ(KeyCode(p.LastKey), c.code);
    EXPECT_TRUE(p.TextCell.empty());   // written out from the cell
    EXPECT_EQ(p.PenColor, c.penAfter);
    EXPECT_EQ(p.SavedPenColor, c.penAfter);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);   // set back after the box's width 3

    // Before the key: the box and the text in it; after it: the band erased.
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(MessageBoxes(frames[0]), 1);
    const json run = FindAnyRun(frames[0], "移動先　点D を←→↑↓で動かす。Enterキーで決定");
    ASSERT_FALSE(run.is_null());
    EXPECT_TRUE(Near(run["x"], 48));
    EXPECT_TRUE(Near(run["y"], 666));
    EXPECT_EQ(run["color"], 9);
    EXPECT_EQ(BandErases(frames[0]), 0);
    EXPECT_EQ(BandErases(frames[1]), 1);
    EXPECT_EQ(MessageBoxes(frames[1]), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KitAskKey,
    testing::Values(KeyCase{"EnterLeavesBlack", "{Enter}", kBlack, kTeal, kBlack, kKeyEnter},
                    KeyCase{"ArrowLeavesBlack", "{Left}", kBlack, kPurple, kBlack, kKeyLeft},
                    KeyCase{"AGivenPenColour", "x", kGrey, kTeal, kGrey, 'x'},
                    KeyCase{"NoPenColourKeepsIt", "1", std::nullopt, kPurple, kPurple, '1'}),
    [](const testing::TestParamInfo<KeyCase>& tested) { return std::string(tested.param.name); });

TEST(KitAskKey, BlackUnlessTold) {
    Fixture f(nullptr, "a");
    Program& p = *f.p;
    p.PenColor = kTeal;
    AskKey(p, "△ABC を ←→で動かす。Enterキーで終了");
    EXPECT_EQ(p.PenColor, kBlack);
}

struct AgainCase {
    const char* name;
    DecidingKey deciding;
    std::string keys;
    bool again;
    std::string lastKey;
    int keysRead;
    int bandErases;
};

std::ostream& operator<<(std::ostream& os, const AgainCase& c) { return os << c.name; }

class KitAskToMoveAgain : public testing::TestWithParam<AgainCase> {};

TEST_P(KitAskToMoveAgain, TheDecidingKeyAnswers) {
    const AgainCase& c = GetParam();
    Fixture f(nullptr, c.keys);
    Program& p = *f.p;
    p.PenColor = kTeal;
    p.SavedPenColor = kTeal;
    EXPECT_EQ(AskToMoveAgain(p, c.deciding), c.again);
    EXPECT_EQ(p.LastKey, Text(c.lastKey));
    EXPECT_EQ(p.PenColor, kBlack);

    const auto events = f.Events();
    EXPECT_EQ(static_cast<int>(Of(events, "key").size()), c.keysRead);
    EXPECT_EQ(CountAnyRuns(events, "もう一度動かすなら１を入力"), 1);
    EXPECT_EQ(MessageBoxes(events), 1);
    EXPECT_EQ(BandErases(events), c.bandErases);
    // The question stands while the first key is read.
    const auto frames = Frames(events);
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(CountAnyRuns(frames[0], "もう一度動かすなら１を入力"), 1);
    // With the next key deciding, the band is erased before the question.
    if (c.deciding == DecidingKey::Next) {
        EXPECT_TRUE(!frames[0].empty() && IsBox(frames[0][0], 0, 657, 992, 720, 15, 15));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KitAskToMoveAgain,
    testing::Values(AgainCase{"ClosingOne", DecidingKey::Closing, "1", true, "1", 1, 1},
                    AgainCase{"ClosingOther", DecidingKey::Closing, "x", false, "x", 1, 1},
                    AgainCase{"ClosingReadsNoMore", DecidingKey::Closing, "1x", true, "1", 1, 1},
                    AgainCase{"ClosingEnter", DecidingKey::Closing, "{Enter}", false, "\r", 1, 1},
                    AgainCase{"NextOne", DecidingKey::Next, "x1", true, "1", 2, 3},
                    AgainCase{"NextOtherAfterOne", DecidingKey::Next, "1x", false, "x", 2, 3},
                    AgainCase{"NextOneAfterOne", DecidingKey::Next, "11", true, "1", 2, 3},
                    AgainCase{"NextEnter", DecidingKey::Next, "x{Enter}", false, "\r", 2, 3}),
    [](const testing::TestParamInfo<AgainCase>& tested) { return std::string(tested.param.name); });

}  // namespace
