// The number entry at the prompt anchor: label, cursor, echo positions,
// clearing and the keys it ignores, checked through the trace.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/shell.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using nlohmann::json;
using testing_support::CountBoxes;
using testing_support::IsBox;
using testing_support::kExact;

struct Glyph {
    std::string text;
    float x;
    float y;
    bool operator==(const Glyph&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Glyph& g) {
    return os << "\"" << g.text << "\"@(" << g.x << "," << g.y << ")";
}

// The glyphs drawn in `color`, in order.
std::vector<Glyph> GlyphsIn(const std::vector<json>& texts, int color) {
    std::vector<Glyph> out;
    for (const auto& e : texts)
        if (e["color"] == color) out.push_back({e["text"].get<std::string>(), e["x"].get<float>(), e["y"].get<float>()});
    return out;
}

// The field's clear box: from (PromptX, PromptY - 8), 192 by 30.
int CountClears(const std::vector<json>& events) { return CountBoxes(events, 1056, 640, 1248, 670, kExact); }

struct EchoCase {
    const char* name;
    const char* keys;
    std::vector<Glyph> echo;   // colour-5 glyphs, in order
    const char* entryText;
    float value;
    int clears;
};

void PrintTo(const EchoCase& c, std::ostream* os) { *os << c.name; }

const std::vector<EchoCase> kEchoCases = {
    {"EnterAlone", "{Enter}", {}, "", 0, 0},
    {"TwoDigits", "12{Enter}", {{"１", 1056, 648}, {"２", 1072, 648}}, "12", 12, 0},
    // "．" is drawn 4 px left of its cell and takes none.
    {"Decimal", "1.5{Enter}", {{"１", 1056, 648}, {"．", 1068, 648}, {"５", 1072, 648}}, "1.5", 1.5f, 0},
    {"Fraction", "3/4{Enter}", {{"３", 1056, 648}, {"÷", 1072, 648}, {"４", 1088, 648}}, "3/4", 0.75f, 0},
    {"NegativeFraction",
     "-2/3{Enter}",
     {{"－", 1056, 648}, {"２", 1072, 648}, {"÷", 1088, 648}, {"３", 1104, 648}},
     "-2/3",
     -2.0f / 3.0f,
     0},
    {"Backspace", "12{BS}7{Enter}", {{"１", 1056, 648}, {"２", 1072, 648}, {"７", 1056, 648}}, "7", 7, 1},
    {"KeyOfCode12", "12{Del}7{Enter}", {{"１", 1056, 648}, {"２", 1072, 648}, {"７", 1056, 648}}, "7", 7, 1},
    {"OtherKeysIgnored", "a+, Z{Right}{Left}{Up}{Down}{Esc}1{Enter}", {{"１", 1056, 648}}, "1", 1, 0},
    {"ZeroDenominator", "1/0{Enter}", {{"１", 1056, 648}, {"÷", 1072, 648}, {"０", 1088, 648}}, "1/0", 0, 0},
};

class EchoTest : public ::testing::TestWithParam<EchoCase> {};

TEST_P(EchoTest, EchoesAcceptedKeysFullWidth) {
    const EchoCase& c = GetParam();
    testing_support::Fixture f(nullptr, c.keys);
    EnterNumber(*f.p);
    ParseEntryValue(*f.p);
    const auto events = f.Events();
    EXPECT_EQ(GlyphsIn(f.Events("text"), 5), c.echo);
    EXPECT_EQ(f.p->EntryText, Text(c.entryText));
    EXPECT_FLOAT_EQ(f.p->EntryValue, c.value);
    EXPECT_EQ(f.p->LastKey, Text("\r"));
    EXPECT_EQ(CountClears(events), c.clears);
}

INSTANTIATE_TEST_SUITE_P(Keys, EchoTest, ::testing::ValuesIn(kEchoCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(EnterNumber, DrawsTheLabelAndErasesTheFieldAtTheEnd) {
    testing_support::Fixture f(nullptr, "5{Enter}");
    EnterNumber(*f.p);
    const auto texts = f.Events("text");
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(GlyphsIn(texts, 0), (std::vector<Glyph>{{"入", 1008, 648}, {"力", 1024, 648}}));
    // The last thing drawn is the erase of label and field.
    const auto events = f.Events();
    ASSERT_FALSE(events.empty());
    EXPECT_TRUE(IsBox(events.back(), 1008, 640, 1248, 670, 15, 15, kExact)) << events.back().dump();
    EXPECT_EQ(f.p->PenColor, 5);
}

TEST(EnterNumber, CursorStandsInTheMiddleOfTheNextCell) {
    testing_support::Fixture f(nullptr, "1{Enter}");
    EnterNumber(*f.p);
    std::vector<std::pair<float, float>> shown;
    for (const auto& e : f.Events("circle")) {
        EXPECT_EQ(e["r"], 4);
        EXPECT_TRUE(e["filled"].get<bool>());
        if (e["color"] == 5) shown.emplace_back(e["x"].get<float>(), e["y"].get<float>());
    }
    EXPECT_EQ(shown, (std::vector<std::pair<float, float>>{{1064, 656}, {1080, 656}}));
}

TEST(EnterNumber, FollowsThePromptAnchor) {
    testing_support::Fixture f(nullptr, "2{Enter}");
    f.p->PromptX = 500;
    f.p->PromptY = 300;
    EnterNumber(*f.p);
    const auto texts = f.Events("text");
    EXPECT_EQ(GlyphsIn(texts, 0), (std::vector<Glyph>{{"入", 452, 300}, {"力", 468, 300}}));
    EXPECT_EQ(GlyphsIn(texts, 5), (std::vector<Glyph>{{"２", 500, 300}}));
}

TEST(EnterNumber, TenCharactersAreShownAndTheEleventhKeyClears) {
    testing_support::Fixture f(nullptr, "12345678901{Enter}");
    EnterNumber(*f.p);
    const auto echo = GlyphsIn(f.Events("text"), 5);
    ASSERT_EQ(echo.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(echo[i].x, 1056 + 16 * i);
    EXPECT_EQ(echo[9].text, "０");
    EXPECT_EQ(CountClears(f.Events()), 1);
    EXPECT_EQ(f.p->EntryText, Text(""));
}

TEST(EnterNumber, EnterAfterTenCharactersClearsAndTheEntryGoesOn) {
    testing_support::Fixture f(nullptr, "1234567890{Enter}5{Enter}");
    EnterNumber(*f.p);
    ParseEntryValue(*f.p);
    const auto echo = GlyphsIn(f.Events("text"), 5);
    ASSERT_EQ(echo.size(), 11u);
    EXPECT_EQ(echo[10], (Glyph{"５", 1056, 648}));
    EXPECT_EQ(f.p->EntryText, Text("5"));
    EXPECT_EQ(f.p->EntryValue, 5);
}

TEST(EnterNumber, NineCharactersAreConfirmed) {
    testing_support::Fixture f(nullptr, "123456789{Enter}");
    EnterNumber(*f.p);
    ParseEntryValue(*f.p);
    EXPECT_EQ(f.p->EntryText, Text("123456789"));
    EXPECT_EQ(f.p->EntryValue, 123456789.0f);
}

}  // namespace
