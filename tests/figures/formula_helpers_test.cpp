// Formula routines: simplified square roots, term signs, the left brace and
// two equations summed in columns.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"
#include "text/text.h"

namespace {

using namespace figure_test;

// ---- Square roots --------------------------------------------------------------

TEST(SimplifySquareRoot, Radicands) {
    struct Case {
        float n;
        const char *simplified, *input, *rootOnly, *coefficient;
        float m, k;
    } cases[] = {
        {1, "1ﾝ", "", "ﾝ", "1", 1, 1},
        {4, "2ﾝ", "!4ﾝ=", "ﾝ", "2", 1, 2},
        {7, "!7ﾝ", "", "!7ﾝ", "", 7, 1},
        {12, "2!3ﾝ", "!12ﾝ=", "!3ﾝ", "2", 3, 2},
        {16, "4ﾝ", "!16ﾝ=", "ﾝ", "4", 1, 4},       // 2² taken out twice
        {72, "6!2ﾝ", "!72ﾝ=", "!2ﾝ", "6", 2, 6},   // 2², then 3² from 2 again
        {44521, "!44521ﾝ", "", "!44521ﾝ", "", 44521, 1},   // 211² is beyond the trials
        {1000000, "1000ﾝ", "!1000000ﾝ=", "ﾝ", "1000", 1, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        p.Radicand = c.n;
        SimplifySquareRoot(p);
        EXPECT_EQ(p.SimplifiedRootText, Text(c.simplified));
        EXPECT_EQ(p.InputRootText, Text(c.input));
        EXPECT_EQ(p.RootOnlyText, Text(c.rootOnly));
        EXPECT_EQ(p.RootCoefficientText, Text(c.coefficient));
        EXPECT_EQ(p.Radicand, c.m);
        EXPECT_EQ(p.RootCoefficient, c.k);
        EXPECT_EQ(p.RadicandInput, c.n);
        EXPECT_EQ(p.RootTrialFactor, 201);
        EXPECT_EQ(p.TextArg, p.RootOnlyText);
        // The work text keeps the blank of the number's text.
        EXPECT_EQ(p.RootPartText, c.m == 1 ? Text() : Text("! ") + Text(std::to_string(static_cast<int>(c.m))));
    }
}

// A radicand that is not a whole number of at least 1 is refused: no trial,
// coefficient 1, the radicand as it was, empty texts.
TEST(SimplifySquareRoot, RefusesWhatIsNotAWholeNumberOfAtLeastOne) {
    for (float n : {0.0f, -4.0f, 2.5f, 0.25f, NAN, INFINITY, -INFINITY, 1e19f, 3e38f}) {
        SCOPED_TRACE(n);
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        p.Radicand = n;
        p.SimplifiedRootText = "old";
        p.InputRootText = "old";
        p.RootOnlyText = "old";
        p.RootCoefficientText = "old";
        p.RootCoefficient = 9;
        SimplifySquareRoot(p);
        if (std::isnan(n)) {
            EXPECT_TRUE(std::isnan(p.Radicand));
        } else {
            EXPECT_EQ(p.Radicand, n);
        }
        EXPECT_EQ(p.RootCoefficient, 1);
        EXPECT_EQ(p.RootTrialFactor, 2);
        EXPECT_TRUE(p.SimplifiedRootText.empty());
        EXPECT_TRUE(p.InputRootText.empty());
        EXPECT_TRUE(p.RootOnlyText.empty());
        EXPECT_TRUE(p.RootCoefficientText.empty());
    }
}

// Large whole radicands take their remainders in 64 bits: 2^62 = (2^31)².
TEST(SimplifySquareRoot, LargeRadicands) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.Radicand = std::ldexp(1.0f, 62);
    SimplifySquareRoot(p);
    EXPECT_EQ(p.Radicand, 1);
    EXPECT_EQ(p.RootCoefficient, std::ldexp(1.0f, 31));
    p.Radicand = 9e18f;   // below 2^63: still taken
    SimplifySquareRoot(p);
    EXPECT_EQ(p.RootTrialFactor, 201);
    EXPECT_FALSE(p.SimplifiedRootText.empty());
}

// ---- Term signs ----------------------------------------------------------------

TEST(TermSigns, Table) {
    struct Case {
        void (*routine)(Program&);
        const char* name;
        const char *in, *out;
        float length;
    } cases[] = {
        {NegateSignedTerm, "negate", "", "", 0},
        {DropLeadingPlus, "drop +", "", "", 0},
        {DropLeadingSign, "drop sign", "", "", 0},
        {NegateSignedTerm, "negate", "-", "+", 1},
        {NegateSignedTerm, "negate", "+", "-", 1},
        {DropLeadingSign, "drop sign", "-", "", 1},
        {DropLeadingSign, "drop sign", "+", "", 1},
        {DropLeadingPlus, "drop +", "+", "", 1},
        {DropLeadingPlus, "drop +", "-", "-", 1},
        {NegateSignedTerm, "negate", "+0", "-0", 2},
        {NegateSignedTerm, "negate", "0", "-0", 1},
        {NegateSignedTerm, "negate", "--3", "+-3", 3},
        {DropLeadingSign, "drop sign", "--3", "-3", 3},
        {NegateSignedTerm, "negate", " 3", "- 3", 2},
        {DropLeadingSign, "drop sign", " -3", " -3", 3},
        {DropLeadingPlus, "drop +", " +3", " +3", 3},
        {NegateSignedTerm, "negate", "－3", "-－3", 2},   // a full-width sign is no sign
        {DropLeadingSign, "drop sign", "＋3", "＋3", 2},
        {NegateSignedTerm, "negate", "ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", 5},
        {NegateSignedTerm, "negate", "-ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", 6},
        {DropLeadingSign, "drop sign", "-ﾀ1/2ﾀ", "ﾀ1/2ﾀ", 6},
        {NegateSignedTerm, "negate", "+３ｘ平方", "-３ｘ平方", 5},
        {DropLeadingPlus, "drop +", "+３ｘ", "３ｘ", 3},
        {NegateSignedTerm, "negate", "-#2ﾝ^2", "+#2ﾝ^2", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " of \"" + c.in + "\"");
        Fixture f;
        auto& p = *f.p;
        p.TextArg = c.in;
        p.PenX = 12;
        p.PenColor = 3;
        f.ClearEvents();
        c.routine(p);
        EXPECT_EQ(p.TextArg, Text(c.out));
        EXPECT_EQ(p.ArgLength, c.length);
        EXPECT_EQ(p.PenX, 12);
        EXPECT_EQ(p.PenColor, 3);
        EXPECT_TRUE(f.Events().empty());
    }
}

// The first character is a whole double-byte character, even when its bytes
// hold codes that look like signs or markup.
TEST(TermSigns, DoubleByteFirstCharacterStaysWhole) {
    for (const char* bytes : {"\x81\x7b" "3", "\x81\x5d" "3", "\x83\x5e" "1"}) {   // ＋, ‐, タ
        Fixture f(nullptr, "", false);
        auto& p = *f.p;
        const Text term = Text::FromBytes(bytes);
        p.TextArg = term;
        DropLeadingSign(p);
        EXPECT_EQ(p.TextArg, term);
        EXPECT_EQ(p.ArgLength, 2);
        NegateSignedTerm(p);
        EXPECT_EQ(p.TextArg, Text("-") + term);
    }
    // A lone lead byte is one character.
    Fixture f(nullptr, "", false);
    f.p->TextArg = Text::FromBytes("\x81");
    NegateSignedTerm(*f.p);
    EXPECT_EQ(f.p->TextArg, Text::FromBytes("-\x81"));
    EXPECT_EQ(f.p->ArgLength, 1);
}

// ---- Left brace ------------------------------------------------------------------

std::vector<Pt> PolylinePoints(const nlohmann::json& e) {
    std::vector<Pt> pts;
    for (const auto& pt : e["points"]) pts.push_back({pt[0].get<float>(), pt[1].get<float>()});
    return pts;
}

TEST(DrawLeftBrace, Shapes) {
    struct Case {
        const char* name;
        float x, y, height;
        std::vector<Pt> points;
    } cases[] = {
        {"100 high",
         100,
         200,
         100,
         {{135, 290}, {123, 287}, {123, 254.5f}, {108, 247.5f}, {123, 240.5f}, {123, 208}, {135, 205}}},
        {"35 high: stems of length 0",
         0,
         0,
         35,
         {{35, 25}, {23, 22}, {23, 22}, {8, 15}, {23, 8}, {23, 8}, {35, 5}}},
        {"0 high: the lower end above the upper one",
         10,
         10,
         0,
         {{45, 0}, {33, -3}, {33, 14.5f}, {18, 7.5f}, {33, 0.5f}, {33, 18}, {45, 15}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        p.rt.RtSetDrawWidth(2);
        p.PenX = c.x;
        p.PenY = c.y;
        p.BoxWidth = c.height;
        p.PenColor = 5;
        p.LineColor = 9;
        f.ClearEvents();
        DrawLeftBrace(p);
        const auto lines = f.Events("polyline");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0]["color"], 5);
        EXPECT_EQ(lines[0]["width"], 5);
        EXPECT_EQ(lines[0]["filled"], false);
        const auto pts = PolylinePoints(lines[0]);
        ASSERT_EQ(pts.size(), c.points.size());
        for (std::size_t i = 0; i < pts.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(pts[i].x, c.points[i].x);
            EXPECT_EQ(pts[i].y, c.points[i].y);
        }
        EXPECT_EQ(p.PenX, c.x);
        EXPECT_EQ(p.PenY, c.y);
        EXPECT_EQ(p.PenColor, 5);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
        EXPECT_EQ(p.SavedDrawWidth, 2);
    }
}

TEST(DrawLeftBrace, OverwritesTheFractionAndCellResults) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    p.PenX = 100;
    p.PenY = 200;
    p.BoxWidth = 100;
    DrawLeftBrace(p);
    EXPECT_EQ(p.SavedPenX, 135);
    EXPECT_EQ(p.EuclidDivisor, 123);
    EXPECT_EQ(p.GcdValue, 123);
    EXPECT_EQ(p.LcmValue, 108);
    EXPECT_EQ(p.SavedPenY, 205);
    EXPECT_EQ(p.BraceBottomY, 290);
    EXPECT_EQ(p.CellTextY2, 247.5f);
    EXPECT_EQ(p.CellTextY, 208);
    EXPECT_EQ(p.CellBottomY, 240.5f);
    EXPECT_EQ(p.BraceBelowTipY, 254.5f);
    EXPECT_EQ(p.BraceStemBottomY, 287);
}

// ---- Column sum ------------------------------------------------------------------

float MarkupWidth(Program& p, const char* text) {
    p.TextArg = text;
    MeasureMarkupTextWidth(p);
    return p.TextWidth;
}

TEST(DrawEquationColumnSum, Layout) {
    struct Case {
        const char* name;
        const char *upper, *lower, *op;
        float x0, y0, h;
    } cases[] = {
        {"wider lower", "3x+y=7", "x+ﾀ1/2ﾀy=30", "+", 40, 300, 50},
        {"wider upper", "12x+5y=100", "x=2", "-", 40, 300, 50},
        {"equal widths", "x+y=2", "x-y=2", "2*", 100, 100, 60},
        {"empty upper", "", "x=2", "+", 40, 300, 50},
        {"both empty", "", "", "+", 40, 300, 50},
        {"empty operator", "x=1", "y=2", "", 40, 300, 50},
        {"no line height", "x=1", "y=2", "+", 40, 300, 0},
        {"negative line height", "x=1", "y=2", "+", 40, 300, -15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        const float upperWidth = MarkupWidth(p, c.upper);
        const float lowerWidth = MarkupWidth(p, c.lower);
        const float opWidth = MarkupWidth(p, c.op);
        const float wider = upperWidth > lowerWidth ? upperWidth : lowerWidth;
        p.rt.RtSetDrawWidth(2);
        p.PenX = c.x0;
        p.PenY = c.y0;
        p.UpperText = c.upper;
        p.FractionLead = c.lower;
        p.ColumnSumOperator = c.op;
        p.ArcBulge = c.h;
        p.PenColor = 1;
        p.LineColor = 13;
        f.ClearEvents();
        DrawEquationColumnSum(p);

        struct Want {
            const char* text;
            float x, y;
        };
        const std::vector<Want> want = {{c.upper, c.x0 + 54, c.y0},
                                        {c.op, c.x0, c.y0 + c.h + 6},
                                        {")", c.x0 + opWidth, c.y0 + c.h + 6},
                                        {c.lower, c.x0 + 54, c.y0 + c.h}};
        const auto runs = DrawnRunEvents(f);
        ASSERT_EQ(runs.size(), want.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(runs[i]["routine"], "DrawMarkupText");
            EXPECT_EQ(runs[i]["text"], want[i].text);
            EXPECT_EQ(runs[i]["x"].get<float>(), want[i].x);
            EXPECT_EQ(runs[i]["y"].get<float>(), want[i].y);
            EXPECT_EQ(runs[i]["color"], 1);
        }
        const float ruleY = c.y0 + 2 * c.h;
        std::vector<Segment> rules;   // the texts draw in colour 1
        for (const Segment& s : Segments(f)) {
            if (s.color == 13) rules.push_back(s);
        }
        ExpectSegments(rules, {{c.x0 + 27, ruleY, c.x0 + 57 + wider, ruleY, 13, 3}});

        EXPECT_EQ(p.EquationLeftX, c.x0 + 54);
        EXPECT_EQ(p.TextLineY, c.y0 + c.h);
        EXPECT_EQ(p.TextEndX, c.x0 + 54 + wider);
        EXPECT_EQ(p.PenX, c.x0 + 54 + lowerWidth);
        EXPECT_EQ(p.PenY, c.y0 + c.h);
        EXPECT_EQ(p.SavedPenX, c.x0);
        EXPECT_EQ(p.SavedPenY, c.y0);
        EXPECT_EQ(p.CellInsetX, upperWidth);
        EXPECT_EQ(p.LowerTextWidth, lowerWidth);
        EXPECT_EQ(p.WiderTextWidth, wider);
        // A fraction measures its parts as it is drawn.
        if (std::string(c.upper).find("ﾀ") == std::string::npos &&
            std::string(c.lower).find("ﾀ") == std::string::npos) {
            EXPECT_EQ(p.TextWidth, lowerWidth);
        }
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_EQ(p.UpperText, Text(c.upper));
        EXPECT_EQ(p.FractionLead, Text(c.lower));
        EXPECT_EQ(p.ColumnSumOperator, Text(c.op));
        EXPECT_EQ(p.ArcBulge, c.h);
        EXPECT_EQ(p.PenColor, 1);
        EXPECT_EQ(p.LineColor, 13);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
        EXPECT_EQ(p.SavedDrawWidth, 2);
    }
}

}  // namespace
