// The value of a typed entry: plain numbers, fractions divided out, and the
// zero denominators that must never reach the error screen.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/shell.h"
#include "support/support.h"

namespace {

struct ParseCase {
    const char* name;
    const char* text;
    float value;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

const ParseCase kParseCases[] = {
    {"Empty", "", 0},
    {"Digit", "3", 3},
    {"TwoDigits", "12", 12},
    {"Decimal", "1.5", 1.5f},
    {"Negative", "-1", -1},
    {"NineDigits", "123456789", 123456789.0f},
    {"MinusAlone", "-", 0},
    {"PointAlone", ".", 0},
    {"SecondPointEndsTheNumber", "1.5.2", 1.5f},
    {"Fraction", "3/4", 0.75f},
    {"NegativeFraction", "-2/3", -2.0f / 3.0f},
    {"FractionToWhole", "16/2", 8},
    {"HalfOfSeven", "7/2", 3.5f},
    {"EmptyNumerator", "/5", 0},
    {"DecimalDenominator", "3/.5", 6},
    // Everything after the first slash is read as one number: "2/3" reads 2.
    {"SecondSlash", "1/2/3", 0.5f},
    // A zero or missing denominator gives 0 instead of a division error.
    {"OneOverZero", "1/0", 0},
    {"ZeroOverZero", "0/0", 0},
    {"SlashAlone", "/", 0},
    {"NothingAfterSlash", "5/", 0},
    {"ZeroPointZero", "7/0.0", 0},
    {"MinusAfterSlash", "4/-", 0},
    {"DoubleSlash", "4//2", 0},
};

class ParseEntryValueTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseEntryValueTest, GivesTheValueOfTheText) {
    const ParseCase& c = GetParam();
    testing_support::Fixture f(nullptr, "", false);
    f.p->EntryValue = 99;
    f.p->EntryText = c.text;
    ParseEntryValue(*f.p);
    EXPECT_TRUE(std::isfinite(f.p->EntryValue));
    EXPECT_FLOAT_EQ(f.p->EntryValue, c.value) << "entry \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Entries, ParseEntryValueTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(ParseEntryValue, LeavesTheTwoPartsOfAFraction) {
    testing_support::Fixture f(nullptr, "", false);
    f.p->EntryText = "-12/34";
    ParseEntryValue(*f.p);
    EXPECT_EQ(f.p->TextLength, 6);
    EXPECT_EQ(f.p->ToPoint, 4);
    EXPECT_EQ(f.p->TextArg, Text("-12"));
    EXPECT_EQ(f.p->CurChar, Text("34"));
    EXPECT_FLOAT_EQ(f.p->EntryValue, -12.0f / 34.0f);
}

TEST(ParseEntryValue, WithoutSlashLeavesTextArgAndCurChar) {
    testing_support::Fixture f(nullptr, "", false);
    f.p->TextArg = "kept";
    f.p->CurChar = "k";
    f.p->EntryText = "42";
    ParseEntryValue(*f.p);
    EXPECT_EQ(f.p->EntryValue, 42);
    EXPECT_EQ(f.p->TextLength, 2);
    EXPECT_EQ(f.p->ToPoint, 0);
    EXPECT_EQ(f.p->TextArg, Text("kept"));
    EXPECT_EQ(f.p->CurChar, Text("k"));
}

}  // namespace
