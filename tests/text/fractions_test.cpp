// Fraction arithmetic and formatting, and the string and number helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/support.h"
#include "tests/text/text_test_support.h"
#include "text/text.h"

namespace {

using testing_support::Fixture;
using text_test::ExpectTextArgRewrites;

// ---- FormatFraction ---------------------------------------------------------------

struct FormatCase {
    float num, den;
    float outNum, outDen, kind, sign;
    const char* upper;
    const char* lead;
    const char* signedForm;
    const char* sumEquation;
    const char* signedEquation;
    const char* leadPlain;
    const char* signedPlain;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.num << "/" << c.den; }

class FormatFractionCase : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFractionCase, NormalFormAndTexts) {
    const FormatCase& c = GetParam();
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FractionNum = c.num;
    p.FractionDen = c.den;
    FormatFraction(p);
    EXPECT_EQ(p.FractionNum, c.outNum);
    EXPECT_EQ(p.FractionDen, c.outDen);
    EXPECT_EQ(p.FractionKind, c.kind);
    EXPECT_EQ(p.FractionSign, c.sign);
    EXPECT_EQ(p.UpperText, Text(c.upper));
    EXPECT_EQ(p.FractionLead, Text(c.lead));
    EXPECT_EQ(p.FractionSigned, Text(c.signedForm));
    EXPECT_EQ(p.SumEquationText, Text(c.sumEquation));
    EXPECT_EQ(p.SignedEquationText, Text(c.signedEquation));
    EXPECT_EQ(p.FractionLeadPlain, Text(c.leadPlain));
    EXPECT_EQ(p.FractionSignedPlain, Text(c.signedPlain));
    EXPECT_EQ(p.TextArg, Text(c.signedPlain));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFractionCase,
    testing::Values(
        FormatCase{30, 360, 1, 12, 2, 1, "ﾀ30/360ﾀ", "ﾀ1/12ﾀ", "+ﾀ1/12ﾀ", "ﾀ30/360ﾀ=ﾀ1/12ﾀ", "+ﾀ30/360ﾀ=+ﾀ1/12ﾀ",
                   "1/12", "+1/12"},
        FormatCase{3, 4, 3, 4, 3, 1, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
        FormatCase{-6, 4, -3, 2, 2, -1, "ﾀ-6/4ﾀ", "-ﾀ3/2ﾀ", "-ﾀ3/2ﾀ", "ﾀ-6/4ﾀ=-ﾀ3/2ﾀ", "ﾀ-6/4ﾀ=-ﾀ3/2ﾀ", "-3/2",
                   "-3/2"},
        FormatCase{6, -4, -3, 2, 2, -1, "ﾀ6/-4ﾀ", "-ﾀ3/2ﾀ", "-ﾀ3/2ﾀ", "ﾀ6/-4ﾀ=-ﾀ3/2ﾀ", "ﾀ6/-4ﾀ=-ﾀ3/2ﾀ", "-3/2",
                   "-3/2"},
        FormatCase{-3, 4, -3, 4, 2, -1, "ﾀ-3/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4",
                   "-3/4"},
        FormatCase{-3, -4, 3, 4, 2, 1, "ﾀ-3/-4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ", "3/4",
                   "+3/4"},
        FormatCase{6, 3, 2, 1, 1, 1, "ﾀ6/3ﾀ", "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
        FormatCase{-6, 3, -2, 1, 1, -1, "ﾀ-6/3ﾀ", "-2", "-2", "ﾀ-6/3ﾀ=-2", "ﾀ-6/3ﾀ=-2", "-2", "-2"},
        FormatCase{0, 5, 0, 1, 1, 1, "ﾀ0/5ﾀ", "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
        FormatCase{7, 1, 7, 1, 1, 1, "ﾀ7/1ﾀ", "7", "+7", "ﾀ7/1ﾀ=7", "+ﾀ7/1ﾀ=+7", "7", "+7"},
        FormatCase{-7, 1, -7, 1, 1, -1, "ﾀ-7/1ﾀ", "-7", "-7", "ﾀ-7/1ﾀ=-7", "ﾀ-7/1ﾀ=-7", "-7", "-7"},
        FormatCase{90, 360, 1, 4, 2, 1, "ﾀ90/360ﾀ", "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ90/360ﾀ=ﾀ1/4ﾀ", "+ﾀ90/360ﾀ=+ﾀ1/4ﾀ",
                   "1/4", "+1/4"}));

TEST(FormatFraction, GcdAndLcmOfTheGivenValues) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FractionNum = 30;
    p.FractionDen = 360;
    FormatFraction(p);
    EXPECT_EQ(p.GcdValue, 30);
    EXPECT_EQ(p.LcmValue, 360);
    EXPECT_EQ(p.FractionNumText, Text("30"));
    EXPECT_EQ(p.FractionDenText, Text("12"));
    EXPECT_EQ(p.TextLength, 1);

    p.FractionNum = 0;
    p.FractionDen = 5;
    FormatFraction(p);
    EXPECT_EQ(p.GcdValue, 5);
    EXPECT_EQ(p.LcmValue, 0);

    p.FractionNum = -6;
    p.FractionDen = 4;
    FormatFraction(p);
    EXPECT_EQ(p.TextLength, 2);   // "-3", sign included

    // A denominator of exactly 1 leaves the divisor and the multiple alone.
    p.GcdValue = 11;
    p.LcmValue = 22;
    p.FractionNum = 7;
    p.FractionDen = 1;
    FormatFraction(p);
    EXPECT_EQ(p.GcdValue, 11);
    EXPECT_EQ(p.LcmValue, 22);
}

TEST(FormatFraction, ZeroDenominatorIsKindZeroWithoutDivision) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FractionLead = "before";
    p.FractionSigned = "+before";
    p.GcdValue = 0;   // a stale divisor of 0 must not be used
    p.FractionNum = 5;
    p.FractionDen = 0;
    FormatFraction(p);
    EXPECT_EQ(p.FractionKind, 0);
    EXPECT_EQ(p.FractionNum, 5);
    EXPECT_EQ(p.FractionDen, 0);
    EXPECT_EQ(p.FractionSign, 1);
    EXPECT_EQ(p.UpperText, Text("ﾀ5/0ﾀ"));
    EXPECT_EQ(p.FractionDenText, Text("0"));
    EXPECT_EQ(p.FractionLead, Text("before"));
    EXPECT_EQ(p.FractionSigned, Text("+before"));
    EXPECT_EQ(p.SumEquationText, Text("ﾀ5/0ﾀ=before"));
}

// ---- ComputeGcdLcm ----------------------------------------------------------------

TEST(ComputeGcdLcm, EuclidInEitherOrder) {
    struct Case {
        float a, b, gcd, lcm;
    } cases[] = {{12, 18, 6, 36}, {18, 12, 6, 36}, {7, 5, 1, 35}, {0, 5, 5, 0}, {5, 0, 5, 0},
                 {360, 30, 30, 360}, {0, 0, 0, 0}};   // two zeros: no division by zero
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    for (const Case& c : cases) {
        p.FractionNum = c.a;
        p.FractionDen = c.b;
        ComputeGcdLcm(p);
        EXPECT_EQ(p.GcdValue, c.gcd) << c.a << ", " << c.b;
        EXPECT_EQ(p.LcmValue, c.lcm) << c.a << ", " << c.b;
        EXPECT_EQ(p.FractionNum, c.a);
        EXPECT_EQ(p.FractionDen, c.b);
        EXPECT_EQ(p.SavedPenX, c.gcd);
        EXPECT_EQ(p.EuclidDivisor, 0);
    }
}

TEST(ComputeGcdLcm, NonWholeOperandsEnd) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FractionNum = 0.1f;
    p.FractionDen = 0.3f;
    ComputeGcdLcm(p);
    EXPECT_TRUE(std::isfinite(p.GcdValue));
    EXPECT_TRUE(std::isfinite(p.LcmValue));
}

// ---- StripMarkupCodes -----------------------------------------------------------------

TEST(StripMarkupCodes, RemovesTheFourCodes) {
    // In the last case the trail bytes 5E and C0 are not codes.
    ExpectTextArgRewrites(StripMarkupCodes, {{"-ﾀ3/2ﾀ", "-3/2"}, {"a^2=ﾀ1/2ﾀ", "a21/2"}, {"#!ﾝ", "#!"}, {"12", "12"},
                                             {"", ""}, {"運タ佳", "運タ佳"}});
}

// ---- AddFractions ---------------------------------------------------------------------

struct AddCase {
    float n1, d1, n2, d2;
    float den, scaled1, scaled2, sum;
    const char* upper;
    const char* firstSigned;
    const char* lead;
    const char* signedForm;
    const char* sumText;
    const char* sumSigned;
    const char* sumEquation;
    const char* expression;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.n1 << "/" << c.d1 << " + " << c.n2 << "/" << c.d2; }

class AddFractionsCase : public testing::TestWithParam<AddCase> {};

TEST_P(AddFractionsCase, CommonDenominatorAndTexts) {
    const AddCase& c = GetParam();
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FirstNumerator = c.n1;
    p.FirstDenominator = c.d1;
    p.SecondNumerator = c.n2;
    p.SecondDenominator = c.d2;
    AddFractions(p);
    EXPECT_EQ(p.FractionDen, c.den);
    EXPECT_EQ(p.ScaledFirstNumerator, c.scaled1);
    EXPECT_EQ(p.ScaledSecondNumerator, c.scaled2);
    EXPECT_EQ(p.SumNumerator, c.sum);
    EXPECT_EQ(p.UpperText, Text(c.upper));
    EXPECT_EQ(p.FirstTermSigned, Text(c.firstSigned));
    EXPECT_EQ(p.FractionLead, Text(c.lead));
    EXPECT_EQ(p.FractionSigned, Text(c.signedForm));
    EXPECT_EQ(p.SumFractionText, Text(c.sumText));
    EXPECT_EQ(p.SumFractionSigned, Text(c.sumSigned));
    EXPECT_EQ(p.SumEquationText, Text(c.sumEquation));
    EXPECT_EQ(p.SumExpressionText, Text(c.expression));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddFractionsCase,
    testing::Values(
        AddCase{1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3+2/6ﾀ",
                "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
        AddCase{1, 2, 1, 6, 6, 3, 1, 4, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ4/6ﾀ", "+ﾀ4/6ﾀ", "ﾀ3+1/6ﾀ",
                "ﾀ3/6ﾀ+ﾀ1/6ﾀ"},
        AddCase{2, 1, 3, 1, 1, 2, 3, 5, "ﾀ2/1ﾀ", "+ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ5/1ﾀ", "+ﾀ5/1ﾀ", "ﾀ2+3/1ﾀ",
                "ﾀ2/1ﾀ+ﾀ3/1ﾀ"},
        AddCase{1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ0/2ﾀ", "-ﾀ0/2ﾀ", "ﾀ1-1/2ﾀ",
                "ﾀ1/2ﾀ-ﾀ1/2ﾀ"},
        AddCase{2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ6+1/3ﾀ",
                "ﾀ6/3ﾀ+ﾀ1/3ﾀ"},
        AddCase{-1, 4, 1, -2, 4, -1, -2, -3, "-ﾀ1/4ﾀ", "-ﾀ1/4ﾀ", "-ﾀ2/4ﾀ", "-ﾀ2/4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ",
                "ﾀ-1-2/4ﾀ", "-ﾀ1/4ﾀ-ﾀ2/4ﾀ"},
        AddCase{0, 3, 1, 2, 6, 0, 3, 3, "-ﾀ0/6ﾀ", "-ﾀ0/6ﾀ", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ0+3/6ﾀ",
                "-ﾀ0/6ﾀ+ﾀ3/6ﾀ"}));

TEST(AddFractions, TextsOfTheParts) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.FirstNumerator = -1;
    p.FirstDenominator = 4;
    p.SecondNumerator = 0;
    p.SecondDenominator = 2;
    AddFractions(p);
    EXPECT_EQ(p.FirstNumeratorText, Text("1"));
    EXPECT_EQ(p.FractionNumText, Text("-1"));
    EXPECT_EQ(p.FractionDenText, Text("4"));
    EXPECT_EQ(p.SecondNumeratorDigits, Text("0"));
    EXPECT_EQ(p.SecondNumeratorText, Text("+0"));
    EXPECT_EQ(p.SumNumeratorText, Text("1"));
    EXPECT_EQ(p.FirstTermMagnitude, Text("ﾀ1/4ﾀ"));
    EXPECT_EQ(p.SecondTermMagnitude, Text("ﾀ0/4ﾀ"));
    EXPECT_EQ(p.TextArg, Text("1"));
    // The general case leaves FormatFraction's own results too.
    EXPECT_EQ(p.GcdValue, 2);
    EXPECT_EQ(p.LcmValue, 4);
    EXPECT_EQ(p.FractionKind, 1);   // 4 over 2
}

TEST(AddFractions, ZeroDenominatorsGiveASumOverZeroInsteadOfAnError) {
    struct Case {
        float d1, d2;
    } cases[] = {{2, 0}, {0, 2}, {0, 0}, {0, 1}, {1, 0}};
    for (const Case& c : cases) {
        Fixture f(nullptr, "", false);
        Program& p = *f.p;
        p.GcdValue = 0;   // stale values of an earlier call
        p.LcmValue = 0;
        p.FirstNumerator = 1;
        p.FirstDenominator = c.d1;
        p.SecondNumerator = 1;
        p.SecondDenominator = c.d2;
        ASSERT_NO_THROW(AddFractions(p)) << c.d1 << ", " << c.d2;
        EXPECT_EQ(p.FractionDen, 0) << c.d1 << ", " << c.d2;
        EXPECT_EQ(p.FractionDenText, Text("0"));
        EXPECT_TRUE(std::isfinite(p.SumNumerator));
    }
}

// ---- String and number helpers ------------------------------------------------------------

TEST(ParenthesizeNegative, WrapsATextWithAMinusSignAnywhere) {
    ExpectTextArgRewrites(ParenthesizeNegative,
                          {{"", ""}, {"5", "5"}, {"-5", "(-5)"}, {"3-2", "(3-2)"}, {"(-5)", "((-5))"}, {"－5", "－5"}});
}

TEST(StripParensAndPlus, RemovesParenthesesAndPlusSigns) {
    ExpectTextArgRewrites(StripParensAndPlus,
                          {{"", ""}, {"(+5)", "5"}, {"(-5)", "-5"}, {"a+(b+c)", "abc"}, {"（＋５）", "（＋５）"}});
}

TEST(ListDivisors, DivisorsAndQuotientsInPairs) {
    struct Case {
        float n;
        std::vector<float> divisors;
        float half;
    } cases[] = {{12, {1, 2, 3, 4, 6, 12}, 3}, {-12, {1, 2, 3, 4, 6, 12}, 3}, {7, {1, 7}, 1},
                 {0, {1}, 0},                  {0.5f, {}, 0},                   {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 4}};
    for (const Case& c : cases) {
        Fixture f(nullptr, "", false);
        Program& p = *f.p;
        p.PointX(0) = 99;
        p.Seg2Y2 = c.n;
        ListDivisors(p);
        ASSERT_EQ(p.DivisorCount, static_cast<float>(c.divisors.size())) << c.n;
        for (std::size_t i = 0; i < c.divisors.size(); ++i) {
            EXPECT_EQ(p.PointX(static_cast<int32_t>(i + 1)), c.divisors[i]);
            EXPECT_EQ(p.PointY(static_cast<int32_t>(i + 1)), std::fabs(c.n) / c.divisors[i]);
        }
        EXPECT_EQ(p.PointX(0), 99);
        EXPECT_EQ(p.HalfDivisorCount, c.half) << c.n;
        EXPECT_EQ(p.Seg2Y2, std::fabs(c.n));
        if (c.n >= 1 || c.n <= -1) {
            EXPECT_EQ(p.LoopIndex, std::fabs(c.n) + 1);
        }
    }
}

TEST(ListDivisors, StopsWhenThePointTablesAreFull) {
    // 720720 has 240 divisors; Droveny's tables hold 50.
    static const ProgramInfo droveny{"droveny", "Droveny", "作図", 50, false, nullptr};
    Fixture f(&droveny, "", false);
    Program& p = *f.p;
    p.Seg2Y2 = 720720;
    ASSERT_NO_THROW(ListDivisors(p));
    EXPECT_EQ(p.DivisorCount, 50);
    EXPECT_EQ(p.PointX(50), 99);   // the 50th divisor
    EXPECT_EQ(p.PointY(50), 7280);
}

TEST(ListDivisors, EndsWhereTheCounterCanNoLongerStep) {
    // Past 2^24 a single-precision counter stands still: the search ends
    // there for a larger number with few divisors.
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.Seg2Y2 = 33554432.0f;   // 2^25
    ListDivisors(p);
    EXPECT_EQ(p.LoopIndex, 16777216.0f);
    EXPECT_GE(p.DivisorCount, 25);
    EXPECT_LE(p.DivisorCount, 60);
}

}  // namespace
