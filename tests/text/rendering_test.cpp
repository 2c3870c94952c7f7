// Reference pictures of typical lesson lines: sentences with fractions, roots
// with their overlines, superscripts, parallelogram signs, italic letters,
// the wide prompt text, plain text and table cells. A changed pixel fails;
// the message says where the new picture and the difference are.
#include <gtest/gtest.h>

#include <initializer_list>

#include "text/wide_text.h"
#include "support/support.h"
#include "text/text.h"

namespace {

using testing_support::ExpectMatchesReference;
using testing_support::Fixture;

void Markup(Program& p, float x, float y, float color, const char* text) {
    p.PenX = x;
    p.PenY = y;
    p.PenColor = color;
    p.TextCell = text;
    DrawMarkupText(p);
}

// A row of markup cells 160 px wide and `height` high from (40, y).
void MarkupRow(Program& p, float y, float height, float color, std::initializer_list<const char*> texts) {
    p.PenX = 40;
    p.PenY = y;
    p.GridRows = height;
    p.PenColor = color;
    for (const char* text : texts) {
        p.BoxWidth = 160;
        p.TextArg = text;
        DrawMarkupTableCell(p);
    }
}

TEST(TextRendering, MarkupLines) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    Markup(p, 44, 40, 3, "<めあて>");
    Markup(p, 44, 105, 0, "おうぎ形の弧の長さは、2πr*ﾀa/360ﾀ です。");
    Markup(p, 44, 200, 0, "面積は π*24^2=576π で、その ﾀ1/12ﾀ 倍。");
    Markup(p, 44, 300, 5, "!2ﾝ*!3ﾝ=!6ﾝ、  #ﾀ1/2ﾀﾝ=ﾀ!2ﾝ/2ﾀ");
    Markup(p, 44, 420, 0, "x^2+y^2=c^2、 a-x=l、 ∠A'=45%");
    Markup(p, 44, 520, 2, "&ABCD と ＃EFGH で、AB=DC");
    Markup(p, 44, 620, 0, "ﾀ中心角/360ﾀ*2π、 ﾀx/2ﾀ+ﾀa-c/3ﾀ、 5\\2 cm");
    ExpectMatchesReference(*f.rt, "text-markup");
}

TEST(TextRendering, PromptsPlainTextAndCells) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.PenX = 44;
    p.PenY = 40;
    p.PenColor = 0;
    p.TextCell = "番号を入力して下さい。 'ABC=45%, X=3.5, x^2";
    DrawWideText(p);

    p.PenX = 44;
    p.PenY = 100;
    p.PenColor = 1;
    p.TextCell = "(-2)x+y=3.5, ABC 面積";
    DrawPlainText(p);

    // A page header and a small table, as the lessons lay them out.
    p.rt.RtSetDrawWidth(3);
    p.PenX = 40;
    p.PenY = 180;
    p.BoxWidth = 396;
    p.GridRows = 50;
    p.LineColor = 3;
    p.AccentColor = 13;
    p.PenColor = 0;
    p.TextArg = "P164 基本の問題";
    DrawMarkupTableCell(p);
    p.PenX += 30;
    p.BoxWidth = 40;
    p.LineColor = 4;
    p.AccentColor = 3;
    p.PenColor = 13;
    p.TextArg = "1";
    DrawMarkupTableCell(p);

    p.LineColor = 0;
    p.AccentColor = 15;
    MarkupRow(p, 280, 50, 3, {"中心角", "弧の長さ", "面積"});
    MarkupRow(p, 330, 80, 5, {"30%", "ﾀ1/12ﾀ倍", "2倍"});

    p.PenX = 40;
    p.PenY = 460;
    p.BoxWidth = 160;
    p.GridRows = 100;
    p.PenColor = 0;
    p.UpperText = "中心角";
    p.FractionLead = "30%";
    DrawTwoLineMarkupTableCell(p);
    p.UpperText = "ﾀ1/12ﾀ倍";
    p.FractionLead = "";
    DrawTwoLineMarkupTableCell(p);
    p.UpperText = "3/4";
    p.FractionLead = "x+1";
    DrawTwoLinePlainTableCell(p);
    p.TextArg = "(a+b)";
    DrawPlainTableCell(p);
    ExpectMatchesReference(*f.rt, "text-cells");
}

}  // namespace
