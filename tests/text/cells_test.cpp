// Table cells (markup and plain) and plain text: where the box and the text
// go, the pen they leave for the next cell, widths and the font state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/support.h"
#include "text/text.h"

namespace {

using nlohmann::json;
using testing_support::Fixture;
using testing_support::Visible;

// The visible runs of one text routine.
std::vector<json> Runs(Fixture& f, const char* routine) {
    std::vector<json> out;
    for (const json& e : Visible(f.Events("run")))
        if (e["routine"] == routine) out.push_back(e);
    return out;
}

void SetCell(Program& p, float x, float y, float w, float h) {
    p.PenX = x;
    p.PenY = y;
    p.BoxWidth = w;
    p.GridRows = h;
    p.LineColor = 3;
    p.AccentColor = 13;
    p.PenColor = 0;
}

// ---- Markup cells ---------------------------------------------------------------

struct CellCase {
    const char* text;
    float x, y, w, h;
    float textX, textY;
};

void PrintTo(const CellCase& c, std::ostream* os) { *os << c.text << " in " << c.w << "x" << c.h << " at " << c.x << "," << c.y; }

class MarkupCell : public testing::TestWithParam<CellCase> {};

TEST_P(MarkupCell, CentresTheTextAndReturnsTheTopRightCorner) {
    const CellCase& c = GetParam();
    Fixture f;
    SetCell(*f.p, c.x, c.y, c.w, c.h);
    f.p->TextArg = c.text;
    f.ClearEvents();
    DrawMarkupTableCell(*f.p);
    auto boxes = f.Events("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["x1"], c.x);
    EXPECT_EQ(boxes[0]["y1"], c.y);
    EXPECT_EQ(boxes[0]["x2"], c.x + c.w);
    EXPECT_EQ(boxes[0]["y2"], c.y + c.h);
    EXPECT_EQ(boxes[0]["color"], 3);
    EXPECT_EQ(boxes[0]["fill"], 13);
    auto runs = Runs(f, "DrawMarkupText");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]["text"], c.text);
    EXPECT_EQ(runs[0]["x"], c.textX);
    EXPECT_EQ(runs[0]["y"], c.textY);
    EXPECT_EQ(f.p->PenX, c.x + c.w);
    EXPECT_EQ(f.p->PenY, c.y);
    EXPECT_TRUE(f.p->TextCell.empty());
    // What a row of cells relies on stays as it was.
    EXPECT_EQ(f.p->BoxWidth, c.w);
    EXPECT_EQ(f.p->GridRows, c.h);
    EXPECT_EQ(f.p->LineColor, 3);
    EXPECT_EQ(f.p->AccentColor, 13);
    EXPECT_EQ(f.p->PenColor, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkupCell,
    testing::Values(CellCase{"ﾀ1/4ﾀ倍", 40, 30, 160, 80, 87, 45},
                    CellCase{"P164 基本の問題", 40, 30, 396, 50, 40 + (396 - 305) / 2.0f, 33},
                    CellCase{"ﾀ1/12ﾀ", 40, 30, 396, 50, 40 + 166, 30},
                    CellCase{"P164", 40, 30, 396, 80, 40 + 144, 48},
                    CellCase{"ﾀ1/12ﾀ", 40, 30, 396, 80, 40 + 166, 45},
                    CellCase{"1", 40, 30, 40, 51, 46.5f, 33},   // INT of 3.5
                    CellCase{"佳", 0, 0, 34, 50, 0, 3},          // 佳 is 89 C0: no fraction mark
                    CellCase{"中心角と弧の長さ", 10, 10, 120, 50, 10, 13},   // wider than the cell
                    CellCase{"AB", 0, 100, 100, 40, 23, 98},     // a low cell puts the text above it
                    CellCase{"", 0, 0, 120, 50, 60, 3}));

TEST(MarkupCell, CellDrawnAgainReplacesTheOldOne) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    SetCell(p, 100, 100, 160, 80);
    p.TextArg = "";
    DrawMarkupTableCell(p);
    SetCell(p, 100, 100, 160, 80);
    p.TextArg = "2倍";
    DrawMarkupTableCell(p);
    SetCell(p, 100, 100, 160, 80);
    p.TextArg = "ﾀ1/12ﾀ倍";
    DrawMarkupTableCell(p);
    // The fraction bar of the last text: from x 100 + (160 - 98) / 2 at y
    // 115 + 25.
    EXPECT_EQ(f.rt->PixelColor(131 + 10, 140), 0);
    int inked = 0;
    for (int x = 100; x < 260; ++x)
        for (int y = 100; y < 180; ++y) inked += f.rt->PixelColor(x, y) == 0;
    Fixture g(nullptr, "", false);
    SetCell(*g.p, 100, 100, 160, 80);
    g.p->TextArg = "ﾀ1/12ﾀ倍";
    DrawMarkupTableCell(*g.p);
    int expected = 0;
    for (int x = 100; x < 260; ++x)
        for (int y = 100; y < 180; ++y) expected += g.rt->PixelColor(x, y) == 0;
    EXPECT_EQ(inked, expected);
}

TEST(MarkupCell, RaisedCellKeepsTheTextOnThePensLine) {
    for (const char* text : {"AB", "ﾀ1/2ﾀ"}) {
        Fixture f;
        SetCell(*f.p, 100, 100, 120, 50);
        f.p->TextArg = text;
        f.ClearEvents();
        DrawRaisedMarkupTableCell(*f.p);
        auto boxes = f.Events("box");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0]["y1"], 97);
        EXPECT_EQ(boxes[0]["y2"], 147);
        auto runs = Runs(f, "DrawMarkupText");
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0]["y"], 100);
        EXPECT_EQ(f.p->PenX, 220);
        EXPECT_EQ(f.p->PenY, 100);
    }
}

TEST(MarkupCell, TwoLineCellPlacesEachLine) {
    struct Case {
        const char* upper;
        const char* lower;
        float upperY;
        float lowerY;   // -1: nothing drawn below
        float width;    // TextWidth afterwards: the lower text's
    } cases[] = {
        {"中心角", "30%", 3, 47, 66},
        {"中心角", "", 28, -1, 0},
        {"中心角", "ﾀ1/12ﾀ", 3, 50, 64},
        {"ﾀ1/12ﾀ", "2", 0, 47, 27},
    };
    for (const Case& c : cases) {
        Fixture f;
        SetCell(*f.p, 0, 0, 200, 100);
        f.p->UpperText = c.upper;
        f.p->FractionLead = c.lower;
        f.ClearEvents();
        DrawTwoLineMarkupTableCell(*f.p);
        auto runs = Runs(f, "DrawMarkupText");
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[0]["y"], c.upperY) << c.upper << "/" << c.lower;
        if (c.lowerY >= 0) {
            EXPECT_EQ(runs[1]["y"], c.lowerY) << c.upper << "/" << c.lower;
        } else {
            EXPECT_EQ(runs[1]["text"], "");
        }
        EXPECT_EQ(runs[0]["x"], (200 - 102) / 2.0f * (std::string(c.upper) == "中心角") +
                                    (200 - 64) / 2.0f * (std::string(c.upper) != "中心角"));
        EXPECT_EQ(f.p->TextWidth, c.width);
        EXPECT_EQ(f.p->PenX, 200);
        EXPECT_EQ(f.p->PenY, 0);
        EXPECT_EQ(f.Events("box").size(), 1u);
    }
}

// Each cell measures a line, then draws its box, then writes the line on the
// fill; a two-line cell measures and writes its lower line after the upper.
TEST(Cells, MeasureThenBoxThenText) {
    struct Case {
        const char* name;
        void (*cell)(Program&);
        const char* order;   // M measuring, B the box, T visible text and strokes
    } cases[] = {
        {"markup", DrawMarkupTableCell, "MBT"},
        {"raised", DrawRaisedMarkupTableCell, "MBT"},
        {"twoLineMarkup", DrawTwoLineMarkupTableCell, "MBTMT"},
        {"plain", DrawPlainTableCell, "MBT"},
        {"twoLinePlain", DrawTwoLinePlainTableCell, "MBTMT"},
    };
    for (const Case& c : cases) {
        Fixture f;
        SetCell(*f.p, 40, 30, 160, 100);
        // Without a fraction: drawing one measures its parts again.
        f.p->TextArg = "中心角";
        f.p->UpperText = "中心角";
        f.p->FractionLead = "30%";
        f.ClearEvents();
        c.cell(*f.p);
        std::string order;
        for (const json& e : f.Events()) {
            const char kind = e.value("measure", false) ? 'M' : e["op"] == "box" ? 'B' : 'T';
            if (order.empty() || order.back() != kind) order += kind;
        }
        EXPECT_EQ(order, c.order) << c.name;
    }
}

// ---- Plain text -----------------------------------------------------------------

TEST(PlainText, MeasuredWidthsAreTheFixedAdvances) {
    struct Case {
        const char* text;
        float width;
    } cases[] = {{"(-2)", 60}, {"2x+y", 80}, {".5", 28}, {"a b", 60}, {"あいう", 90},
                 {"", 0},      {"　", 30},   {"X,", 28}, {"ﾀ^#", 60}};
    Fixture f;
    Program& p = *f.p;
    for (const Case& c : cases) {
        p.PenX = 7;
        p.PenY = 8;
        p.TextArg = c.text;
        f.ClearEvents();
        MeasurePlainTextWidth(p);
        EXPECT_EQ(p.TextWidth, c.width) << c.text;
        EXPECT_EQ(p.PenX, 7);
        EXPECT_EQ(p.PenY, 8);
        EXPECT_EQ(p.TextCell, Text(c.text));
        EXPECT_TRUE(Visible(f.Events()).empty()) << c.text;
    }
    EXPECT_EQ(p.TextArg, Text("#"));   // the last character measured
}

TEST(PlainText, GlyphPositionsScalesAndFonts) {
    Fixture f;
    Program& p = *f.p;
    p.PenX = 100;
    p.PenY = 200;
    p.TextCell = "(x)yXｘ.";
    f.ClearEvents();
    DrawPlainText(p);
    auto texts = f.Events("text");
    ASSERT_EQ(texts.size(), 7u);
    struct Expect {
        const char* text;
        float x, y, h, v;
        const char* font;
        float size;
        bool italic;
    } expect[] = {
        {"(", 92, 200, 3, 2, "ｺﾞｼｯｸ", 15, false},           {"x", 116, 188, 7, 4, "Times New Roman", 8, true},
        {")", 132, 200, 3, 2, "ゴシック", 15, false},        {"y", 140, 194, 3, 2, "ゴシック", 15, false},
        {"X", 160, 200, 3, 2, "ゴシック", 15, false},        {"ｘ", 180, 200, 2, 2, "ゴシック", 15, false},
        {".", 210, 200, 3, 2, "ゴシック", 15, false},
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]["text"], expect[i].text);
        EXPECT_EQ(texts[i]["x"], expect[i].x) << expect[i].text;
        EXPECT_EQ(texts[i]["y"], expect[i].y) << expect[i].text;
        EXPECT_EQ(texts[i]["hscale"], expect[i].h) << expect[i].text;
        EXPECT_EQ(texts[i]["vscale"], expect[i].v) << expect[i].text;
        EXPECT_EQ(texts[i]["font"], expect[i].font) << expect[i].text;
        EXPECT_EQ(texts[i]["size"], expect[i].size) << expect[i].text;
        EXPECT_EQ(texts[i]["italic"], expect[i].italic) << expect[i].text;
        EXPECT_EQ(texts[i]["bold"], true) << expect[i].text;
    }
    EXPECT_EQ(p.PenX, 218);
    EXPECT_EQ(p.PenY, 200);
    EXPECT_TRUE(p.TextCell.empty());
    auto runs = f.Events("run");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]["routine"], "DrawPlainText");
    EXPECT_EQ(runs[0]["text"], "(x)yXｘ.");
}

TEST(PlainText, LeavesBoldOffSizeSixteenAndTheFaceAsFound) {
    Fixture f;
    Program& p = *f.p;
    f.rt->RtSetFontName("MT Extra");
    f.rt->RtSetFontBold(-1);
    f.rt->RtSetFontSize(11);
    f.rt->RtSetDrawWidth(7);
    p.SavedDrawWidth = 2;
    p.TextCell = "1+2";
    DrawPlainText(p);
    EXPECT_FALSE(f.rt->FontBold());
    EXPECT_EQ(f.rt->FontSize(), 16);
    EXPECT_EQ(f.rt->FontName(), Text("MT Extra"));
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 7);
    EXPECT_EQ(p.SavedDrawWidth, 7);
    // An "a", "x" or "c" leaves the Gothic face.
    p.TextCell = "c";
    DrawPlainText(p);
    EXPECT_EQ(f.rt->FontName(), Text("ゴシック"));
    EXPECT_FALSE(f.rt->FontItalic());
    // An empty text draws nothing but still sets the font back.
    f.rt->RtSetFontBold(-1);
    f.rt->RtSetFontSize(13);
    p.PenX = 5;
    p.TextCell = "";
    f.ClearEvents();
    DrawPlainText(p);
    EXPECT_TRUE(f.Events("text").empty());
    EXPECT_EQ(p.PenX, 5);
    EXPECT_FALSE(f.rt->FontBold());
    EXPECT_EQ(f.rt->FontSize(), 16);
}

TEST(PlainCell, OneAndTwoLineCells) {
    struct Case {
        bool twoLine;
        const char* upper;
        const char* lower;
        std::vector<float> ys;   // y of each visible run
    } cases[] = {
        {false, "12", "", {117}},
        {true, "12", "34", {102, 132}},
        {true, "12", "", {117, 132}},
    };
    for (const Case& c : cases) {
        Fixture f;
        SetCell(*f.p, 50, 100, 120, 60);
        f.ClearEvents();
        if (c.twoLine) {
            f.p->UpperText = c.upper;
            f.p->FractionLead = c.lower;
            DrawTwoLinePlainTableCell(*f.p);
        } else {
            f.p->TextArg = c.upper;
            DrawPlainTableCell(*f.p);
        }
        auto runs = Runs(f, "DrawPlainText");
        ASSERT_EQ(runs.size(), c.ys.size());
        for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i]["y"], c.ys[i]);
        EXPECT_EQ(runs[0]["x"], 50 + 40);   // (120 - 40) / 2
        auto boxes = f.Events("box");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0]["y2"], 160);
        EXPECT_EQ(f.p->PenX, 170);
        EXPECT_EQ(f.p->PenY, 100);
        EXPECT_EQ(f.p->TextWidth, std::string(c.lower).empty() && c.twoLine ? 0 : 40);
    }
}

TEST(PlainCell, TextWiderThanTheCellStartsAtItsLeftEdge) {
    Fixture f;
    SetCell(*f.p, 50, 100, 30, 20);
    f.p->TextArg = "12345";
    f.ClearEvents();
    DrawPlainTableCell(*f.p);
    auto runs = Runs(f, "DrawPlainText");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]["x"], 50);
    EXPECT_EQ(runs[0]["y"], 97);   // a 20 px cell puts the line above its top
    EXPECT_EQ(f.p->PenX, 80);
}

}  // namespace
