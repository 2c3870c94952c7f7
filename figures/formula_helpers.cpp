// Formula routines for lesson texts: simplified square roots, the sign in
// front of a term, a left brace and two equations summed in columns.
#include <cmath>
#include <cstdint>

#include "figures/figures.h"
#include "figures/finite_drawing.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/wide_text.h"

using namespace figures_detail;

namespace {

constexpr float kFirstTrialFactor = 2;
constexpr float kLastTrialFactor = 200;
// The largest radicand whose remainder a 64-bit integer takes: below 2^63.
constexpr float kMostRadicand = 9223372036854775808.0f;

// A whole number of at least 1 that fits a 64-bit integer.
bool WholeRadicand(float n) { return std::isfinite(n) && n >= 1 && n < kMostRadicand && n == std::floor(n); }

// TextArg := text, blanks removed, and back.
void Strip(Program& p, Text& text) {
    p.TextArg = text;
    StripSpaces(p);
    text = p.TextArg;
}

}  // namespace

void SimplifySquareRoot(Program& p) {
    p.RootCoefficient = 1;
    p.RootTrialFactor = kFirstTrialFactor;
    p.RadicandInput = p.Radicand;
    if (!WholeRadicand(p.Radicand)) {
        // Outside the domain (0, negative, fractional, not finite, too large):
        // no trial and no texts, where the old search never ended on 0.
        p.RootPartText = Text();
        p.RootCoefficientText = Text();
        p.SimplifiedRootText = Text();
        p.InputRootText = Text();
        p.RootOnlyText = Text();
        p.TextArg = p.RootOnlyText;
        return;
    }
    // Every hit divides the radicand by at least 4, so the search ends.
    while (p.RootTrialFactor != kLastTrialFactor + 1) {
        const auto n = static_cast<int64_t>(p.Radicand);
        const auto factor = static_cast<int64_t>(p.RootTrialFactor);
        if (n % (factor * factor) != 0) {
            p.RootTrialFactor += 1;
        } else {
            p.RootCoefficient = p.RootCoefficient * p.RootTrialFactor;
            p.Radicand = p.Radicand / (p.RootTrialFactor * p.RootTrialFactor);
            p.RootTrialFactor = kFirstTrialFactor;
        }
    }
    p.RootPartText = p.Radicand == 1 ? Text() : Text("!") + RtStrSingle(p.Radicand);
    if (p.Radicand == 1 && p.RootCoefficient == 1) {
        p.RootCoefficientText = "1";
    } else if (p.RootCoefficient == 1) {
        p.RootCoefficientText = Text();
    } else {
        p.RootCoefficientText = RtStrSingle(p.RootCoefficient);
    }
    static const Text overlineEnd{"ﾝ"};
    p.SimplifiedRootText = p.RootCoefficientText + p.RootPartText + overlineEnd;
    p.InputRootText =
        p.Radicand == p.RadicandInput ? Text() : Text("!") + RtStrSingle(p.RadicandInput) + Text("ﾝ=");
    p.RootOnlyText = p.RootPartText + overlineEnd;
    Strip(p, p.RootCoefficientText);
    Strip(p, p.SimplifiedRootText);
    Strip(p, p.InputRootText);
    Strip(p, p.RootOnlyText);
}

// ---- Term signs ------------------------------------------------------------------

namespace {

const Text& Minus() {
    static const Text minus{"-"};
    return minus;
}
const Text& Plus() {
    static const Text plus{"+"};
    return plus;
}

// ArgLength := the characters of TextArg; the first character and the rest.
void SplitTerm(Program& p, Text& first, Text& rest) {
    p.ArgLength = static_cast<float>(RtCharLen(p.TextArg));
    first = RtCharLeft(p.TextArg, 1);
    rest = RtCharMid(p.TextArg, 2);
}

}  // namespace

void NegateSignedTerm(Program& p) {
    Text first, rest;
    SplitTerm(p, first, rest);
    if (p.ArgLength == 0) return;
    if (first == Minus()) {
        p.TextArg = Plus() + rest;
    } else if (first == Plus()) {
        p.TextArg = Minus() + rest;
    } else {
        p.TextArg = Minus() + p.TextArg;
    }
}

void DropLeadingPlus(Program& p) {
    Text first, rest;
    SplitTerm(p, first, rest);
    if (first == Plus()) p.TextArg = rest;
}

void DropLeadingSign(Program& p) {
    Text first, rest;
    SplitTerm(p, first, rest);
    if (first == Plus() || first == Minus()) p.TextArg = rest;
}

// ---- Left brace and column sum -------------------------------------------------

void DrawLeftBrace(Program& p) {
    p.SavedPenX = p.PenX + 35;
    p.EuclidDivisor = p.SavedPenX - 12;
    p.GcdValue = p.EuclidDivisor;
    p.LcmValue = p.EuclidDivisor - 15;
    const int32_t entryWidth = p.rt.RtGetDrawWidth();
    p.SavedDrawWidth = static_cast<float>(entryWidth);
    p.SavedPenY = p.PenY + 5;
    p.BraceBottomY = p.PenY + p.BoxWidth - 10;
    p.CellTextY2 = (p.SavedPenY + p.BraceBottomY) / 2;
    p.CellTextY = p.SavedPenY + 3;
    p.CellBottomY = p.CellTextY2 - 7;
    p.BraceBelowTipY = p.CellTextY2 + 7;
    p.BraceStemBottomY = p.BraceBottomY - 3;
    p.rt.RtSetDrawWidth(5);
    const Pt points[] = {
        {p.SavedPenX, p.BraceBottomY},    {p.EuclidDivisor, p.BraceStemBottomY}, {p.GcdValue, p.BraceBelowTipY},
        {p.LcmValue, p.CellTextY2},       {p.GcdValue, p.CellBottomY},           {p.EuclidDivisor, p.CellTextY},
        {p.SavedPenX, p.SavedPenY},
    };
    bool finite = true;
    for (const Pt& pt : points) finite = finite && AllFinite({pt.x, pt.y});
    if (finite) p.rt.RtConnect(points, p.PenColor);
    p.rt.RtSetDrawWidth(entryWidth);
}

void DrawEquationColumnSum(Program& p) {
    const float x0 = p.PenX;
    const float y0 = p.PenY;
    const float h = p.ArcBulge;
    p.SavedPenX = x0;
    p.SavedPenY = y0;
    const int32_t entryWidth = p.rt.RtGetDrawWidth();
    p.SavedDrawWidth = static_cast<float>(entryWidth);

    p.TextArg = p.UpperText;
    MeasureMarkupTextWidth(p);
    p.CellInsetX = p.TextWidth;
    p.TextArg = p.FractionLead;
    MeasureMarkupTextWidth(p);
    p.LowerTextWidth = p.TextWidth;
    p.WiderTextWidth = p.CellInsetX > p.LowerTextWidth ? p.CellInsetX : p.LowerTextWidth;

    p.PenX = x0 + 54;
    p.PenY = y0;
    p.TextCell = p.UpperText;
    FiniteMarkupText(p);
    // The operator and its parenthesis stand 6 px lower than the lower line.
    p.PenX = x0;
    p.PenY = y0 + h + 6;
    p.TextCell = p.ColumnSumOperator;
    FiniteMarkupText(p);
    p.PenY = y0 + h + 6;
    p.TextCell = ")";
    FiniteMarkupText(p);
    p.PenX = x0 + 54;
    p.PenY = y0 + h;
    p.TextCell = p.FractionLead;
    FiniteMarkupText(p);

    p.rt.RtSetDrawWidth(3);
    const float ruleY = y0 + 2 * h;
    FiniteLine(p, x0 + 27, ruleY, x0 + 27 + (p.WiderTextWidth + 30), ruleY, p.LineColor);
    p.rt.RtSetDrawWidth(entryWidth);
    p.SavedDrawWidth = static_cast<float>(entryWidth);

    // The right end of the wider equation (the old routine left a value far
    // right of the block here).
    p.TextEndX = x0 + 54 + p.WiderTextWidth;
    p.TextLineY = y0 + h;
    p.EquationLeftX = x0 + 54;
}
