// The wide-character glyph text: look-up tables, 16 px cells, the full stop
// that takes no cell, the narrow mark "^" and what carries over between calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/wide_text.h"
#include "support/support.h"
#include "tests/text/text_test_support.h"

namespace {

using testing_support::Fixture;

struct Glyph {
    std::string text;
    float x;
    float y;
};

std::vector<Glyph> Glyphs(Fixture& f) {
    std::vector<Glyph> out;
    for (const auto& e : f.Events("text")) out.push_back({e["text"], e["x"], e["y"]});
    return out;
}

// The glyphs with a visible character (an empty pass draws nothing visible).
std::vector<Glyph> VisibleGlyphs(Fixture& f) {
    std::vector<Glyph> out;
    for (const Glyph& g : Glyphs(f))
        if (!g.text.empty() && g.text != "　") out.push_back(g);
    return out;
}

// The same glyphs at the same places, in order.
void ExpectGlyphs(const std::vector<Glyph>& got, const std::vector<Glyph>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_EQ(got[i].x, want[i].x);
        EXPECT_EQ(got[i].y, want[i].y);
    }
}

void DrawWide(Fixture& f, const char* text, float x = 100, float y = 200) {
    f.p->PenX = x;
    f.p->PenY = y;
    f.p->TextCell = text;
    f.ClearEvents();
    DrawWideText(*f.p);
}

struct Conversion {
    const char* narrow;
    const char* wide;
    float raise;   // how much higher than the pen the glyph stands
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << c.narrow; }

class WideConversion : public testing::TestWithParam<Conversion> {};

TEST_P(WideConversion, OneCharacterTakesOneCellInItsWideForm) {
    const Conversion& c = GetParam();
    Fixture f;
    DrawWide(f, c.narrow);
    auto glyphs = VisibleGlyphs(f);
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs[0].text, c.wide);
    EXPECT_EQ(glyphs[0].x, 100);
    EXPECT_EQ(glyphs[0].y, 200 - c.raise);
    EXPECT_EQ(f.p->PenX, 116);
    EXPECT_EQ(f.p->CurChar, Text(c.wide));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WideConversion,
    testing::Values(Conversion{"A", "Α", 0},   // Greek capital alpha, not "Ａ"
                    Conversion{"B", "Ｂ", 0}, Conversion{"X", "Ｘ", 0}, Conversion{"Y", "Ｙ", 0},
                    Conversion{"Z", "Ｚ", 0}, Conversion{"x", "χ", 0}, Conversion{"y", "ｙ", 0},
                    Conversion{"a", "ａ", 0}, Conversion{"w", "ｗ", 0}, Conversion{"0", "０", 0},
                    Conversion{"9", "９", 0}, Conversion{"%", "°", 0}, Conversion{"ﾀ", "―", 0},
                    Conversion{"'", "∠", 0}, Conversion{"~", "△", 0}, Conversion{"/", "÷", 0},
                    Conversion{"*", "×", 0}, Conversion{"-", "－", 0}, Conversion{"+", "＋", 0},
                    Conversion{"?", "∽", 0}, Conversion{"!", "√", 0}, Conversion{"$", "≡", 0},
                    Conversion{"@", "±", 0}, Conversion{"&", "π", 0}, Conversion{"[", "≦", 0},
                    Conversion{"]", "≧", 0}, Conversion{"<", "＜", 0}, Conversion{">", "＞", 0},
                    Conversion{"(", "（", 0}, Conversion{")", "）", 0}, Conversion{",", "，", 0},
                    Conversion{":", "：", 0}, Conversion{"=", "＝", 0},
                    // In neither table: kept, and a one-byte character stands 4 px higher.
                    Conversion{"z", "z", 4}, Conversion{"#", "#", 4}, Conversion{";", ";", 4},
                    Conversion{"ﾝ", "ﾝ", 4}, Conversion{"倍", "倍", 0}, Conversion{"Ａ", "Ａ", 0},
                    // Trail bytes 41 ("A") and 5E ("^"): whole characters, never looked up or marked.
                    Conversion{"ア", "ア", 0}, Conversion{"タ", "タ", 0}));

// UTF-8 of one code point of the Basic Multilingual Plane.
std::string Utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Every capital, digit and small letter of the two tables lands on its own
// full-width form: a table shifted by one position would show here.
TEST(WideText, EveryLetterAndDigitOfTheTables) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    struct Expect {
        char narrow;
        char32_t wide;
    };
    std::vector<Expect> expect;
    for (char c = 'B'; c <= 'Z'; ++c) expect.push_back({c, U'Ｂ' + static_cast<char32_t>(c - 'B')});
    expect.push_back({'A', U'Α'});   // the Greek capital alpha
    for (char c = '0'; c <= '9'; ++c) expect.push_back({c, U'０' + static_cast<char32_t>(c - '0')});
    for (char c = 'a'; c <= 'w'; ++c) expect.push_back({c, U'ａ' + static_cast<char32_t>(c - 'a')});
    expect.push_back({'x', U'χ'});   // the Greek small chi
    expect.push_back({'y', U'ｙ'});
    expect.push_back({'z', U'z'});   // in neither table
    for (const Expect& e : expect) {
        p.CurChar = std::string(1, e.narrow);
        ToWideChar(p);
        EXPECT_EQ(p.CurChar, Text(Utf8(e.wide))) << e.narrow;
    }
}

TEST(WideText, WideFormsAreTheCodePage932CharactersNamed) {
    EXPECT_EQ(Text("Α").bytes(), "\x83\x9F");
    EXPECT_EQ(Text("χ").bytes(), "\x83\xD4");
    EXPECT_EQ(Text("―").bytes(), "\x81\x5C");
    EXPECT_EQ(Text("－").bytes(), "\x81\x7C");
    EXPECT_EQ(Text("．").bytes(), "\x81\x44");
    EXPECT_EQ(Text("ﾀ").bytes(), "\xC0");
}

TEST(WideText, ToWideCharLeavesWhereEachTableFoundTheCharacter) {
    Fixture f;
    Program& p = *f.p;
    p.CurChar = " ";   // the letters table holds the space first and wins
    ToWideChar(p);
    EXPECT_EQ(p.CurChar, Text("　"));
    EXPECT_EQ(p.IndexA, 1);
    EXPECT_EQ(p.ToPoint, 0);
    p.CurChar = "5";
    ToWideChar(p);
    EXPECT_EQ(p.CurChar, Text("５"));
    EXPECT_EQ(p.IndexA, 0);
    EXPECT_EQ(p.ToPoint, 7);
    p.CurChar = "倍";
    ToWideChar(p);
    EXPECT_EQ(p.CurChar, Text("倍"));
    EXPECT_EQ(p.IndexA, 0);
    EXPECT_EQ(p.ToPoint, 0);
}

TEST(WideText, EmptyTextDrawsNothingAndKeepsThePen) {
    Fixture f;
    DrawWide(f, "");
    EXPECT_TRUE(Glyphs(f).empty());
    EXPECT_EQ(f.p->PenX, 100);
    EXPECT_EQ(f.p->PenY, 200);
}

// A text drawn from (100, 200): its glyphs in order and where the pen ends.
struct LayoutCase {
    const char* name;
    const char* text;
    bool visibleOnly;   // a blank cell may draw a glyph of its own: not compared
    std::vector<Glyph> glyphs;
    float penX;
};

const LayoutCase kLayouts[] = {
    // Double-byte characters take one cell each.
    {"doubleByte", "入力", false, {{"入", 100, 200}, {"力", 116, 200}}, 132},
    // The full stop stands in the corner of the cell before and takes none.
    {"fullStop", "3.5", false, {{"３", 100, 200}, {"．", 112, 200}, {"５", 116, 200}}, 132},
    // A blank cell uses up the caret: the "2" after it is wide and level.
    {"blankAfterCaret", "^ 2", true, {{"２", 116, 200}}, 132},
};

TEST(WideText, Layouts) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.name);
        Fixture f;
        DrawWide(f, c.text);
        ExpectGlyphs(c.visibleOnly ? VisibleGlyphs(f) : Glyphs(f), c.glyphs);
        EXPECT_EQ(f.p->PenX, c.penX);
    }
}

TEST(WideText, LeavesTheLastCharacterInTextArgAndTextCellEmpty) {
    Fixture f;
    DrawWide(f, "入力");
    EXPECT_TRUE(f.p->TextCell.empty());
    EXPECT_EQ(f.p->TextLength, 0);
    EXPECT_EQ(f.p->TextArg, Text("力"));
}

TEST(WideText, SpaceLeavesABlankCellInDrawWideTextButNoneInDrawWideString) {
    Fixture f;
    DrawWide(f, "a b");
    ExpectGlyphs(VisibleGlyphs(f), {{"ａ", 100, 200}, {"ｂ", 132, 200}});
    EXPECT_EQ(f.p->PenX, 148);
    EXPECT_EQ(f.p->TextArg, Text("b"));
    DrawWide(f, "a ");
    EXPECT_TRUE(f.p->TextArg.empty());   // the last space, taken out by StripSpaces
    EXPECT_EQ(f.p->PenX, 132);

    f.ClearEvents();
    f.p->PenX = 100;
    f.p->TextArg = "a b";
    DrawWideString(*f.p);
    const auto glyphs = VisibleGlyphs(f);
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[1].x, 116);
    EXPECT_EQ(f.p->GlyphX, 132);
    EXPECT_EQ(f.p->PenX, 100);
    EXPECT_EQ(f.p->TextArg, Text("ab"));
}

TEST(WideText, EmptyOrBlankStringStillTakesOneCell) {
    for (const char* text : {"", " ", "   "}) {
        Fixture f;
        f.p->PenX = 50;
        f.p->PenY = 60;
        f.p->TextArg = text;
        f.ClearEvents();
        DrawWideString(*f.p);
        EXPECT_TRUE(VisibleGlyphs(f).empty()) << '"' << text << '"';
        EXPECT_EQ(f.p->GlyphX, 66) << '"' << text << '"';
    }
}

TEST(WideText, CaretKeepsTheNextCharacterNarrowAndRaised) {
    Fixture f;
    DrawWide(f, "^2");
    ExpectGlyphs(Glyphs(f), {{"2", 100, 196}});
    EXPECT_EQ(f.p->PenX, 116);
    EXPECT_EQ(f.p->SuperscriptFlag, 0);

    // A kept "." is no longer the full stop: a whole cell.
    DrawWide(f, "^.5");
    ExpectGlyphs(Glyphs(f), {{".", 100, 196}, {"５", 116, 200}});
}

TEST(WideText, CaretAtTheEndCarriesIntoTheNextText) {
    Fixture f;
    DrawWide(f, "X^");
    EXPECT_EQ(f.p->SuperscriptFlag, 1);
    EXPECT_EQ(f.p->TextArg, Text("^"));
    EXPECT_EQ(f.p->PenX, 116);
    DrawWide(f, "2");
    ExpectGlyphs(Glyphs(f), {{"2", 100, 196}});   // raised by the carried caret
    EXPECT_EQ(f.p->SuperscriptFlag, 0);
}

TEST(WideText, LeavesBoldOnAndTheFaceAsFound) {
    Fixture f;
    f.rt->RtSetFontBold(0);
    f.rt->RtSetFontSize(13);
    DrawWide(f, "1");
    EXPECT_TRUE(f.rt->FontBold());
    EXPECT_EQ(f.rt->FontSize(), 13);
    EXPECT_EQ(f.rt->FontName(), Text("ｺﾞｼｯｸ"));
    auto e = f.Events("text");
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0]["bold"], true);
    EXPECT_EQ(e[0]["hscale"], 1);
    EXPECT_EQ(e[0]["vscale"], 1);
}

TEST(WideText, EachCallRecordsItsRun) {
    Fixture f;
    f.p->PenColor = 5;
    DrawWide(f, "入 X");
    auto runs = f.Events("run");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0]["routine"], "DrawWideText");
    EXPECT_EQ(runs[0]["text"], "入 X");
    EXPECT_EQ(runs[0]["x"], 100);
    EXPECT_EQ(runs[0]["y"], 200);
    EXPECT_EQ(runs[0]["color"], 5);
    EXPECT_EQ(runs[1]["routine"], "DrawWideString");
    EXPECT_EQ(runs[1]["text"], "入");
    EXPECT_EQ(runs[2]["text"], " ");
    EXPECT_EQ(runs[3]["text"], "X");
    EXPECT_EQ(runs[3]["x"], 132);
}

TEST(StripSpaces, RemovesHalfWidthSpacesOnly) {
    text_test::ExpectTextArgRewrites(
        StripSpaces, {{"", ""}, {" 5", "5"}, {"-0.5", "-0.5"}, {" 1 2　3 ", "12　3"}, {"ﾀ1 / 2ﾀ", "ﾀ1/2ﾀ"}});
}

}  // namespace
