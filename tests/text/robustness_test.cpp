// Odd texts through every text routine: each ends, consumes what it should,
// keeps the pen's line and the pen width, and measures what it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "text/wide_text.h"
#include "support/support.h"
#include "text/text.h"

namespace {

using testing_support::Fixture;

// Unclosed, empty and doubled fractions, codes alone and in runs, roots
// left open, lone lead bytes, lead bytes before the codes' bytes, a long run.
std::vector<Text> OddTexts() {
    std::vector<Text> texts;
    for (const char* utf8 : {"", "ﾀ", "ﾀﾀ", "ﾀﾀﾀ", "ﾀ/ﾀ", "ﾀ//ﾀ", "ﾀ#/#ﾀ", "ﾀ^/^ﾀ", "ﾀ!/√ﾀ", "ﾀ\\/\\ﾀ", "^", "\\",
                             "ﾝ", "#", "#ﾝ", "!", "^^^^", "\\\\^", "!!!!2", "ﾀ1/2ﾀﾀ", "#ﾀ^/^ﾀ", "ﾀ1/2", " ", "　",
                             "ﾀ 1 / 2 ﾀ", "ﾀl/l=lﾀ", "&＃&＃", ".'%=.'%=", "ﾀa/x/cﾀ", "佳胃タソ"}) {
        texts.emplace_back(utf8);
    }
    for (const char* bytes : {"\x81", "1\x81", "\x81\xC0", "ﾀ1\x81/2ﾀ", "\xFC\xFC\xFC", "\x81^", "\xC0\x81"})
        texts.push_back(Text::FromBytes(bytes));
    Text longText;
    for (int i = 0; i < 100; ++i) longText += Text("ﾀ1/2ﾀ!3ﾝ^2");
    texts.push_back(longText);
    return texts;
}

// Clears the modes that carry from one text to the next, so that a draw and
// a measurement of the same text start alike.
void ClearModes(Program& p) {
    p.SuperscriptFlag = 0;
    p.RaiseFlag = 0;
    p.OverlineMode = 0;
    p.FractionFlag = 0;
}

TEST(OddTexts, MarkupTextEndsAndMeasuresWhatItDraws) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.rt.RtSetDrawWidth(7);
    for (const Text& text : OddTexts()) {
        SCOPED_TRACE(text.utf8());
        ClearModes(p);
        p.PenX = 100;
        p.PenY = 200;
        p.TextCell = text;
        ASSERT_NO_THROW(DrawMarkupText(p));
        const float advance = p.PenX - 100;
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_EQ(p.PenY, 200);
        EXPECT_GE(advance, 0);
        EXPECT_EQ(p.FractionFlag, 0);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);

        ClearModes(p);
        p.PenX = 5;
        p.PenY = 6;
        p.TextArg = text;
        ASSERT_NO_THROW(MeasureMarkupTextWidth(p));
        EXPECT_EQ(p.TextWidth, advance);
        EXPECT_EQ(p.PenX, 5);
        EXPECT_EQ(p.PenY, 6);
        EXPECT_EQ(p.TextArg, text);
        EXPECT_TRUE(p.TextCell.empty());

        for (float fractionFlag : {0.0f, 1.0f}) {
            ClearModes(p);
            p.FractionFlag = fractionFlag;
            p.PenX = 100;
            p.TextArg = text;
            ASSERT_NO_THROW(DrawFormulaText(p));
            EXPECT_GE(p.PenX, 100);
            EXPECT_EQ(p.PenY, 6);
            EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
        }
    }
}

TEST(OddTexts, WideAndPlainTextEnd) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    for (const Text& text : OddTexts()) {
        SCOPED_TRACE(text.utf8());
        p.PenX = 100;
        p.PenY = 200;
        p.TextCell = text;
        ASSERT_NO_THROW(DrawWideText(p));
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_GE(p.PenX, 100);
        EXPECT_EQ(p.PenY, 200);

        p.PenX = 100;
        p.TextArg = text;
        ASSERT_NO_THROW(DrawWideString(p));
        EXPECT_GE(p.GlyphX, 100);
        EXPECT_EQ(p.PenX, 100);

        p.PenX = 100;
        p.TextCell = text;
        ASSERT_NO_THROW(DrawPlainText(p));
        const float advance = p.PenX - 100;
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_EQ(p.PenY, 200);
        p.PenX = 100;
        p.TextArg = text;
        ASSERT_NO_THROW(MeasurePlainTextWidth(p));
        EXPECT_EQ(p.TextWidth, advance);
        EXPECT_EQ(p.PenX, 100);
    }
}

TEST(OddTexts, CellsReturnTheTopRightCorner) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    for (const Text& text : OddTexts()) {
        SCOPED_TRACE(text.utf8());
        for (void (*cell)(Program&) :
             {DrawMarkupTableCell, DrawRaisedMarkupTableCell, DrawTwoLineMarkupTableCell, DrawPlainTableCell,
              DrawTwoLinePlainTableCell}) {
            ClearModes(p);
            p.PenX = 40;
            p.PenY = 300;
            p.BoxWidth = 120;
            p.GridRows = 50;
            p.LineColor = 0;
            p.AccentColor = 15;
            p.PenColor = 0;
            p.TextArg = text;
            p.UpperText = text;
            p.FractionLead = text;
            ASSERT_NO_THROW(cell(p));
            EXPECT_EQ(p.PenX, 160);
            EXPECT_EQ(p.PenY, 300);
            EXPECT_TRUE(std::isfinite(p.TextWidth));
        }
    }
}

}  // namespace
