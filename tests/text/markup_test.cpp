// The markup driver, the formula glyph renderer and stacked fractions:
// advances, glyph rows, overlines, fraction layout, measuring and the state
// that carries from one text call to the next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/wide_text.h"
#include "support/support.h"
#include "text/text.h"

namespace {

using nlohmann::json;
using testing_support::Fixture;
using testing_support::Visible;

// Draws `text` with DrawMarkupText from (100, 200) and returns the advance.
float Advance(Fixture& f, const char* text) {
    f.p->PenX = 100;
    f.p->PenY = 200;
    f.p->TextCell = text;
    f.ClearEvents();
    DrawMarkupText(*f.p);
    return f.p->PenX - 100;
}

// Draws `text` with DrawFormulaText at (100, 200) under the given FractionFlag.
void Formula(Fixture& f, const char* text, float fractionFlag = 0) {
    f.p->PenX = 100;
    f.p->PenY = 200;
    f.p->FractionFlag = fractionFlag;
    f.p->TextArg = text;
    f.ClearEvents();
    DrawFormulaText(*f.p);
}

struct AdvanceCase {
    const char* text;
    float advance;
};

void PrintTo(const AdvanceCase& c, std::ostream* os) { *os << c.text; }

class MarkupAdvance : public testing::TestWithParam<AdvanceCase> {};

TEST_P(MarkupAdvance, PenMovesBySumOfAdvances) {
    Fixture f;
    EXPECT_EQ(Advance(f, GetParam().text), GetParam().advance) << GetParam().text;
    EXPECT_TRUE(f.p->TextCell.empty());
    EXPECT_EQ(f.p->PenY, 200);
    EXPECT_EQ(f.p->FractionFlag, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, MarkupAdvance,
    testing::Values(AdvanceCase{"", 0}, AdvanceCase{"AB", 54}, AdvanceCase{"120%", 93},
                    AdvanceCase{"しきつめ模様", 34 * 6}, AdvanceCase{"π*24^2=", 171},
                    AdvanceCase{"ﾀ1/4ﾀ倍", 66}, AdvanceCase{"ﾀ1/12ﾀ", 64}, AdvanceCase{"2πr*ﾀa/360ﾀ", 211},
                    AdvanceCase{"ﾀ中心角/360ﾀ", 114}, AdvanceCase{"ﾀ1/2", 81}, AdvanceCase{"1ﾀ", 27},
                    AdvanceCase{"#", 32}, AdvanceCase{"!2ﾝ", 55}, AdvanceCase{"√2ﾝ", 55}, AdvanceCase{"45%", 66},
                    AdvanceCase{"45°", 66}, AdvanceCase{"A'", 39}, AdvanceCase{"3.5", 62}, AdvanceCase{"=", 32},
                    AdvanceCase{"axc", 81}, AdvanceCase{"l", 32}, AdvanceCase{"L", 27}, AdvanceCase{"-+", 54},
                    AdvanceCase{"*/@", 81}, AdvanceCase{"×÷±", 81}, AdvanceCase{" ", 27}, AdvanceCase{"　", 34},
                    AdvanceCase{"&＃", 72}, AdvanceCase{"^\\ﾝ", 0}, AdvanceCase{"\\2", 24},
                    AdvanceCase{"^ﾀ1/2ﾀ", 32},   // the numerator takes the mark while it is measured
                    AdvanceCase{"ﾀ12ﾀ", 64},     // no "/": a numerator over an empty denominator
                    AdvanceCase{"ﾀ/3ﾀ", 32}, AdvanceCase{"ﾀﾀ", 0},
                    // Trail bytes 5E, 5C and C0 of a double-byte character are no codes.
                    AdvanceCase{"タ2", 34 + 27}, AdvanceCase{"ソ2", 34 + 27}, AdvanceCase{"ﾀ佳/2ﾀ", 38},
                    AdvanceCase{"佳ﾀ1/2ﾀ", 34 + 32}));

TEST(MarkupText, EmptyTextDrawsNothing) {
    Fixture f;
    EXPECT_EQ(Advance(f, ""), 0);
    EXPECT_TRUE(f.Events("text").empty());
    EXPECT_TRUE(f.Events("line").empty());
    EXPECT_EQ(f.p->PenY, 200);
}

TEST(MarkupText, SuperscriptMarkIsUsedOrCarriedOver) {
    Fixture f;
    Advance(f, "π*24^2=");
    EXPECT_EQ(f.p->SuperscriptFlag, 0);
    Advance(f, "x^");
    EXPECT_EQ(f.p->SuperscriptFlag, 1);
    // The next call's first plain glyph is the superscript; "=" before it
    // leaves the mark set.
    EXPECT_EQ(Advance(f, "=2"), 32 + 24);
    EXPECT_EQ(f.p->SuperscriptFlag, 0);
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1]["text"], "2");
    EXPECT_EQ(texts[1]["hscale"], 3);
    EXPECT_EQ(texts[1]["vscale"], 2);
}

TEST(MarkupText, SuperscriptMarkIsSharedWithTheWideText) {
    Fixture f;
    Program& p = *f.p;
    Advance(f, "12^");
    p.PenX = 100;
    p.TextCell = "2";
    f.ClearEvents();
    DrawWideText(p);   // kept narrow and raised by the markup text's mark
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]["text"], "2");
    EXPECT_EQ(texts[0]["y"], 196);

    p.TextCell = "^";
    DrawWideText(p);
    EXPECT_EQ(Advance(f, "5"), 24);   // the wide text's mark makes a superscript here
    EXPECT_EQ(p.SuperscriptFlag, 0);
}

TEST(MarkupText, TallRootDrawsItsSignAndStartsTheOverline) {
    Fixture f;
    f.rt->RtSetDrawWidth(7);
    EXPECT_EQ(Advance(f, "#"), 32);
    EXPECT_EQ(f.p->OverlineMode, 22);
    EXPECT_EQ(f.p->OverlineStartX, 132);
    auto polys = f.Events("polyline");
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0]["points"], json::parse("[[138,186],[130,186],[116,260],[108,224],[104,236]]"));
    EXPECT_EQ(polys[0]["width"], 3);
    EXPECT_EQ(polys[0]["filled"], false);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 7);
    EXPECT_EQ(f.p->SavedDrawWidth, 7);

    // The overline of what follows lies 14 px above the line top and ends
    // with "ﾝ".
    EXPECT_EQ(Advance(f, "2ﾝ3"), 54);
    auto lines = f.Events("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["x1"], 132);
    EXPECT_EQ(lines[0]["x2"], 127);
    EXPECT_EQ(lines[0]["y1"], 186);
    EXPECT_EQ(f.p->OverlineMode, 0);
}

TEST(MarkupText, FractionUnderATallRootCarriesTheRootsBar) {
    Fixture f;
    Advance(f, "#ﾀ1/2ﾀﾝ");
    std::vector<json> bars;
    for (const json& e : Visible(f.Events("line"))) bars.push_back(e);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0]["y1"], 225);   // the fraction bar
    EXPECT_EQ(bars[0]["width"], 4);
    EXPECT_EQ(bars[1]["x1"], 132);   // the second bar, level with the root's top
    EXPECT_EQ(bars[1]["x2"], 164);
    EXPECT_EQ(bars[1]["y1"], 186);
    EXPECT_EQ(bars[1]["width"], 3);
}

TEST(MarkupText, RecordsOneRunPerCallAndMarksMeasuringRuns) {
    Fixture f;
    f.p->PenColor = 5;
    Advance(f, "ﾀ1/4ﾀ倍");
    auto runs = f.Events("run");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0]["routine"], "DrawMarkupText");
    EXPECT_EQ(runs[0]["text"], "ﾀ1/4ﾀ倍");
    EXPECT_EQ(runs[0]["x"], 100);
    EXPECT_EQ(runs[0]["y"], 200);
    EXPECT_EQ(runs[0]["color"], 5);
    EXPECT_FALSE(runs[0].contains("measure"));
    EXPECT_EQ(runs[1]["text"], "1");
    EXPECT_EQ(runs[1]["measure"], true);
    EXPECT_EQ(runs[1]["y"], 1800);
    EXPECT_EQ(runs[2]["text"], "4");
    EXPECT_EQ(runs[2]["measure"], true);
}

// ---- Measuring ----------------------------------------------------------------

TEST(MeasureMarkupTextWidth, GivesTheCallerItsPenAndTextBack) {
    Fixture f;
    Program& p = *f.p;
    for (const AdvanceCase& c : {AdvanceCase{"ﾀ1/4ﾀ倍", 66}, AdvanceCase{"", 0}, AdvanceCase{"2πr*ﾀa/360ﾀ", 211}}) {
        p.PenX = 321;
        p.PenY = 123;
        p.TextArg = c.text;
        p.TextCell = "left over";
        f.ClearEvents();
        MeasureMarkupTextWidth(p);
        EXPECT_EQ(p.TextWidth, c.advance) << c.text;
        EXPECT_EQ(p.PenX, 321);
        EXPECT_EQ(p.PenY, 123);
        EXPECT_EQ(p.TextArg, Text(c.text));
        EXPECT_TRUE(p.TextCell.empty());
        // Every mark of a measurement is off the window and marked as such.
        EXPECT_TRUE(Visible(f.Events()).empty()) << c.text;
        for (const json& e : f.Events("text")) EXPECT_GT(e["y"].get<double>(), 1700);
    }
}

TEST(MeasureMarkupTextWidth, MeasuresUnderTheCallersModes) {
    Fixture f;
    Program& p = *f.p;
    p.TextArg = "a1倍*";
    p.FractionFlag = 1;
    MeasureMarkupTextWidth(p);
    EXPECT_EQ(p.TextWidth, 32 + 32 + 38 + 38);
    p.FractionFlag = 0;
    p.SuperscriptFlag = 1;
    p.TextArg = "2";
    MeasureMarkupTextWidth(p);
    EXPECT_EQ(p.TextWidth, 24);
    EXPECT_EQ(p.SuperscriptFlag, 0);
}

// The in-fraction advance of every row of the notation, as a fraction's part
// is measured.
TEST(MeasureMarkupTextWidth, InFractionAdvanceOfEveryRow) {
    const AdvanceCase cases[] = {
        {"#", 32}, {"^2", 24}, {"\\2", 24}, {"ﾝ", 0}, {"!", 26}, {"√", 26}, {"&", 36}, {"＃", 36},
        {".", 8}, {"%", 12}, {"°", 12}, {"'", 12}, {"=", 32}, {"a", 32}, {"x", 32}, {"c", 32},
        {"l", 32}, {"-", 32}, {"+", 32}, {"*", 38}, {"/", 38}, {"@", 38}, {"×", 38}, {"±", 38},
        {" ", 27}, {"　", 38}, {"π", 38}, {"7", 32}, {"L", 32}, {"(", 32},
    };
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    for (const AdvanceCase& c : cases) {
        p.SuperscriptFlag = 0;
        p.RaiseFlag = 0;
        p.OverlineMode = 0;
        p.FractionFlag = 1;
        p.TextArg = c.text;
        MeasureMarkupTextWidth(p);
        EXPECT_EQ(p.TextWidth, c.advance) << c.text;
    }
}

// ---- Glyph rows ---------------------------------------------------------------

struct GlyphRow {
    const char* name;
    const char* text;
    float fractionFlag;
    const char* drawn;
    float dx, dy, hscale, vscale;
    const char* font;
    float size;
    bool bold, italic;
    float advance;
};

void PrintTo(const GlyphRow& c, std::ostream* os) { *os << c.name; }

class FormulaGlyph : public testing::TestWithParam<GlyphRow> {};

TEST_P(FormulaGlyph, DrawsTheRowsGlyph) {
    const GlyphRow& r = GetParam();
    Fixture f;
    f.rt->RtSetFontName("ｺﾞｼｯｸ");
    Formula(f, r.text, r.fractionFlag);
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 1u);
    const json& g = texts[0];
    EXPECT_EQ(g["text"], r.drawn);
    EXPECT_EQ(g["x"], 100 + r.dx);
    EXPECT_EQ(g["y"], 200 + r.dy);
    EXPECT_EQ(g["hscale"], r.hscale);
    EXPECT_EQ(g["vscale"], r.vscale);
    EXPECT_EQ(g["font"], r.font);
    EXPECT_EQ(g["size"], r.size);
    EXPECT_EQ(g["bold"], r.bold);
    EXPECT_EQ(g["italic"], r.italic);
    EXPECT_EQ(f.p->PenX, 100 + r.advance);
    EXPECT_EQ(f.p->PenY, 200);
    // Every row leaves the formula face and size, bold off, italic off.
    EXPECT_EQ(f.rt->FontName(), Text("ゴシック"));
    EXPECT_EQ(f.rt->FontSize(), 16);
    EXPECT_FALSE(f.rt->FontBold());
    EXPECT_FALSE(f.rt->FontItalic());
}

const GlyphRow kGlyphRows[] = {
    {"Dot", ".", 0, ".", -3, 14, 3, 2, "ゴシック", 16, true, false, 8},
    {"Prime", "'", 0, "'", 0, 0, 3, 3, "ゴシック", 16, true, false, 12},
    {"PercentIsDegree", "%", 0, "°", 0, 0, 3, 3, "ゴシック", 16, true, false, 12},
    {"Degree", "°", 1, "°", 0, 0, 3, 3, "ゴシック", 16, true, false, 12},
    {"Equals", "=", 0, "=", 4, 0, 3, 3, "ゴシック", 14, true, false, 32},
    {"ItalicA", "a", 0, "a", 4, -22, 10, 7, "Times New Roman", 8, true, true, 27},
    {"ItalicX", "x", 0, "x", 4, -22, 10, 7, "Times New Roman", 8, true, true, 27},
    {"ItalicCInFraction", "c", 1, "c", 4, -16, 12, 5, "Times New Roman", 8, true, true, 32},
    {"CapitalXIsPlain", "X", 0, "X", 0, 0, 3, 3, "ゴシック", 16, true, false, 27},
    {"ScriptL", "l", 0, "l", 0, 0, 6, 3, "MT Extra", 16, true, false, 32},
    {"CapitalLIsPlain", "L", 0, "L", 0, 0, 3, 3, "ゴシック", 16, true, false, 27},
    {"StarIsTimes", "*", 0, "×", -4, 0, 2, 3, "ゴシック", 16, true, false, 27},
    {"SlashIsDivide", "/", 0, "÷", -4, 0, 2, 3, "ゴシック", 16, true, false, 27},
    {"AtIsPlusMinus", "@", 0, "±", -4, 0, 2, 3, "ゴシック", 16, true, false, 27},
    {"TimesInFraction", "*", 1, "×", 0, 0, 3, 3, "ゴシック", 11, true, false, 38},
    {"Kanji", "倍", 0, "倍", 0, 0, 2, 3, "ゴシック", 16, true, false, 34},
    {"KanjiInFraction", "倍", 1, "倍", 0, 0, 3, 3, "ゴシック", 11, true, false, 38},
    {"FullWidthSpace", "　", 0, "　", 0, 0, 2, 3, "ゴシック", 16, true, false, 34},
    {"Digit", "7", 0, "7", 0, 0, 3, 3, "ゴシック", 16, true, false, 27},
    {"DigitInFraction", "7", 1, "7", 0, 0, 4, 2, "ゴシック", 16, true, false, 32},
    {"Superscript", "^2", 0, "2", 0, 0, 3, 2, "ゴシック", 16, true, false, 24},
    {"SuperscriptInFraction", "^2", 1, "2", 0, -4, 6, 3, "ゴシック", 8, true, false, 24},
    {"Raised", "\\2", 0, "2", 0, -10, 6, 3, "ゴシック", 8, true, false, 24},
    {"SuperscriptWinsOverItalic", "^a", 0, "a", 0, 0, 3, 2, "ゴシック", 16, true, false, 24},
};

INSTANTIATE_TEST_SUITE_P(Rows, FormulaGlyph, testing::ValuesIn(kGlyphRows),
                         [](const testing::TestParamInfo<GlyphRow>& tp) { return tp.param.name; });

TEST(FormulaText, StrokeSignsAreLinesAtPenWidthFive) {
    struct Case {
        const char* text;
        float fractionFlag;
        const char* lines;   // [x1, y1, x2, y2] each
        float advance;
    } cases[] = {
        {"-", 0, "[[104,220,123,220]]", 27},
        {"+", 0, "[[104,222,123,222],[113,210,113,234]]", 27},
        {"-", 1, "[[106,214,126,214]]", 32},
        {"+", 1, "[[106,214,126,214],[116,204,116,224]]", 32},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.rt->RtSetDrawWidth(2);
        Formula(f, c.text, c.fractionFlag);
        json got = json::array();
        for (const json& e : f.Events("line")) {
            got.push_back({e["x1"], e["y1"], e["x2"], e["y2"]});
            EXPECT_EQ(e["width"], 5);
        }
        EXPECT_EQ(got, json::parse(c.lines)) << c.text << " in fraction " << c.fractionFlag;
        EXPECT_TRUE(f.Events("text").empty());
        EXPECT_EQ(f.p->PenX, 100 + c.advance);
        EXPECT_EQ(f.rt->RtGetDrawWidth(), 2);
    }
}

TEST(FormulaText, PolylineSigns) {
    struct Case {
        const char* text;
        float fractionFlag;
        const char* points;
        int width;
        float advance;
        float overlineMode;
    } cases[] = {
        {"!", 0, "[[132,196],[124,196],[116,240],[108,224],[104,236]]", 3, 28, 1},
        {"√", 0, "[[132,196],[124,196],[116,240],[108,224],[104,236]]", 3, 28, 1},
        {"!", 1, "[[126,194],[124,194],[116,229],[108,213],[104,224]]", 3, 26, 11},
        {"&", 0, "[[104,240],[111,208],[132,208],[125,240],[104,240]]", 5, 36, 0},
        {"＃", 1, "[[110,208],[132,208],[126,236],[104,236],[110,208]]", 5, 36, 0},
    };
    for (const Case& c : cases) {
        Fixture f;
        Formula(f, c.text, c.fractionFlag);
        auto polys = f.Events("polyline");
        ASSERT_EQ(polys.size(), 1u) << c.text;
        EXPECT_EQ(polys[0]["points"], json::parse(c.points)) << c.text;
        EXPECT_EQ(polys[0]["width"], c.width) << c.text;
        EXPECT_EQ(f.p->PenX, 100 + c.advance) << c.text;
        EXPECT_EQ(f.p->OverlineStartX, 100 + c.advance) << c.text;
        EXPECT_EQ(f.p->OverlineMode, c.overlineMode) << c.text;
        EXPECT_TRUE(f.Events("line").empty());
        EXPECT_EQ(f.rt->RtGetDrawWidth(), 3);
    }
}

TEST(FormulaText, RootOverlineGrowsWithTheRadicandAndSkipsParallelograms) {
    Fixture f;
    Formula(f, "!2&3ﾝ4");
    json got = json::array();
    for (const json& e : f.Events("line")) got.push_back({e["x1"], e["y1"], e["x2"], e["y2"]});
    // After "2" from the sign's end to the digit's end; "&" starts it again
    // behind itself; "ﾝ" ends it before "4".
    EXPECT_EQ(got, json::parse("[[128,196,155,196],[191,196,218,196]]"));
    EXPECT_EQ(f.p->OverlineMode, 0);
    EXPECT_EQ(f.p->OverlineStartX, 245);
    EXPECT_EQ(f.p->PenX, 245);
}

TEST(FormulaText, OpenOverlineCarriesIntoTheNextCall) {
    Fixture f;
    Formula(f, "!2");
    Formula(f, "34");
    json got = json::array();
    for (const json& e : f.Events("line")) got.push_back({e["x1"], e["x2"], e["y1"]});
    EXPECT_EQ(got, json::parse("[[128,127,196],[128,154,196]]"));
    EXPECT_EQ(f.p->OverlineMode, 1);
}

TEST(FormulaText, FractionOverlineIsSixPixelsAboveThePart) {
    Fixture f;
    Formula(f, "!2ﾝ", 1);
    auto lines = f.Events("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["x1"], 126);
    EXPECT_EQ(lines[0]["x2"], 158);
    EXPECT_EQ(lines[0]["y1"], 194);
}

TEST(FormulaText, TallRootOverlineIsLeftToTheFractionInsideOne) {
    Fixture f;
    f.p->OverlineMode = 22;
    f.p->OverlineStartX = 50;
    Formula(f, "2", 1);
    EXPECT_TRUE(f.Events("line").empty());
    EXPECT_EQ(f.p->OverlineStartX, 132);   // follows the pen
    Formula(f, "2", 0);
    auto lines = f.Events("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["x1"], 132);
    EXPECT_EQ(lines[0]["y1"], 186);
}

TEST(FormulaText, MarkersDrawNothing) {
    Fixture f;
    Formula(f, "^\\ﾝ");
    EXPECT_TRUE(f.Events().empty());
    EXPECT_EQ(f.p->PenX, 100);
    EXPECT_EQ(f.p->SuperscriptFlag, 1);
    EXPECT_EQ(f.p->RaiseFlag, 1);
    // With both marks, the raise goes first and the superscript waits.
    Formula(f, "23");
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]["y"], 190);
    EXPECT_EQ(texts[0]["size"], 8);
    EXPECT_EQ(texts[1]["y"], 200);
    EXPECT_EQ(texts[1]["vscale"], 2);
    EXPECT_EQ(f.p->PenX, 148);
    EXPECT_EQ(f.p->SuperscriptFlag, 0);
    EXPECT_EQ(f.p->RaiseFlag, 0);
}

TEST(FormulaText, SignsBeforeTheMarkedGlyphLeaveTheMarkSet) {
    Fixture f;
    Formula(f, "^.5");
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]["text"], ".");
    EXPECT_EQ(texts[0]["vscale"], 2);
    EXPECT_EQ(texts[0]["y"], 214);
    EXPECT_EQ(texts[1]["text"], "5");
    EXPECT_EQ(texts[1]["hscale"], 3);
    EXPECT_EQ(texts[1]["vscale"], 2);
    EXPECT_EQ(f.p->PenX, 132);
}

TEST(FormulaText, BoldIsOffAfterTheScriptLForTheRestOfTheCall) {
    Fixture f;
    Formula(f, "l2=3", 1);
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1]["bold"], false);
    EXPECT_EQ(texts[2]["bold"], true);   // "=" turns it on again
    EXPECT_EQ(texts[3]["bold"], true);
}

TEST(FormulaText, KeepsTheCallersPenWidth) {
    Fixture f;
    f.rt->RtSetDrawWidth(10);
    Formula(f, "!-+&ﾝ2");
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 10);
    EXPECT_EQ(f.p->SavedDrawWidth, 10);
}

TEST(FormulaText, EmptyTextMovesNothing) {
    Fixture f;
    Formula(f, "", 1);
    EXPECT_TRUE(f.Events().empty());
    EXPECT_EQ(f.p->PenX, 100);
}

// ---- Fractions ----------------------------------------------------------------

struct FractionLayout {
    const char* text;
    float barWidth;
    float numeratorX, numeratorY;     // first glyph of each part
    float denominatorX, denominatorY;
};

void PrintTo(const FractionLayout& c, std::ostream* os) { *os << c.text; }

class Fraction : public testing::TestWithParam<FractionLayout> {};

TEST_P(Fraction, StacksThePartsOverTheBar) {
    const FractionLayout& c = GetParam();
    Fixture f;
    f.rt->RtSetDrawWidth(2);
    Advance(f, c.text);
    EXPECT_EQ(f.p->PenX, 100 + c.barWidth);
    EXPECT_EQ(f.p->PenY, 200);
    EXPECT_EQ(f.p->FractionFlag, 0);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 2);
    auto lines = Visible(f.Events("line"));
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0]["x1"], 100);
    EXPECT_EQ(lines[0]["x2"], 100 + c.barWidth);
    EXPECT_EQ(lines[0]["y1"], 225);
    EXPECT_EQ(lines[0]["width"], 4);
    // The denominator is drawn first, then the numerator.
    std::vector<json> glyphs;
    for (const json& e : Visible(f.Events())) {
        if (e["op"] == "text" || e["op"] == "polyline") glyphs.push_back(e);
    }
    ASSERT_GE(glyphs.size(), 2u);
    auto firstX = [](const json& e) { return e["op"] == "text" ? e["x"] : e["points"][4][0]; };
    auto firstY = [](const json& e) { return e["op"] == "text" ? e["y"] : e["points"][0][1]; };
    const json& den = glyphs.front();
    const json& num = glyphs.back();
    if (den["op"] == "text") {
        EXPECT_EQ(firstX(den), c.denominatorX);
        EXPECT_EQ(firstY(den), c.denominatorY);
    }
    if (num["op"] == "text") {
        EXPECT_EQ(firstX(num), c.numeratorX);
        EXPECT_EQ(firstY(num), c.numeratorY);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Fraction,
    testing::Values(FractionLayout{"ﾀ1/12ﾀ", 64, 116, 190, 100, 228},
                    FractionLayout{"ﾀ中心角/360ﾀ", 114, 100 + 76, 190, 109, 228},   // last numerator glyph
                    FractionLayout{"ﾀa/360ﾀ", 96, 132 + 4, 190 - 16, 100, 228},
                    FractionLayout{"ﾀ1/2^2ﾀ", 56, 112, 190, 100, 236},
                    FractionLayout{"ﾀ1/√3ﾝﾀ", 58, 113, 190, 100 + 26, 244},   // the digit after the sign
                    FractionLayout{"ﾀ!3ﾝ/2ﾀ", 58, 100 + 26, 190, 113, 236},
                    FractionLayout{"ﾀ1/タﾀ", 38, 103, 190, 100, 236}));   // "タ" is 83 5E: a byte "^"

TEST(FractionText, FurtherSlashesStayInTheDenominatorAsDivideSigns) {
    Fixture f;
    EXPECT_EQ(Advance(f, "ﾀ1/2/3ﾀ"), 32 + 38 + 32);
    bool divide = false;
    for (const json& e : Visible(f.Events("text"))) divide = divide || e["text"] == "÷";
    EXPECT_TRUE(divide);
}

TEST(FractionText, RestOfTheTextSurvivesTheNestedMeasurement) {
    Fixture f;
    EXPECT_EQ(Advance(f, "ﾀ1/2ﾀ+ﾀ3/4ﾀ=ﾀ5/4ﾀ倍"), 32 + 27 + 32 + 32 + 32 + 34);
    EXPECT_TRUE(f.p->TextCell.empty());
    EXPECT_EQ(f.p->TextArg, Text("倍"));
    EXPECT_EQ(f.p->TextAfterFraction, Text("倍"));
}

}  // namespace
