// The markup text driver, its measuring, and stacked fractions.
#include <cstdint>
#include <utility>

#include "platform/strings.h"
#include "text/text.h"

namespace {

struct MarkupCodes {
    Text fraction{"ﾀ"}, tallRoot{"#"}, caret{"^"}, slash{"/"}, bang{"!"}, root{"√"};
};

const MarkupCodes& Codes() {
    static const MarkupCodes codes;
    return codes;
}

}  // namespace

void DrawMarkupText(Program& p) {
    const MarkupCodes& k = Codes();
    Runtime& rt = p.rt;
    rt.TraceRun("DrawMarkupText", p.PenX, p.PenY, p.PenColor, p.TextCell);
    for (;;) {
        p.SavedDrawWidth = static_cast<float>(rt.RtGetDrawWidth());
        p.TextLength = static_cast<float>(RtCharLen(p.TextCell));
        if (p.TextLength == 0) {
            rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
            return;
        }
        const auto length = static_cast<int32_t>(p.TextLength);
        p.TextArg = RtCharLeft(p.TextCell, 1);
        p.TextCell = RtCharRight(p.TextCell, length - 1);

        if (p.TextArg == k.fraction) {
            // Without a closing "ﾀ" the opening one is dropped and the rest
            // is drawn as ordinary characters.
            p.ToPoint = static_cast<float>(RtCharInstr(p.TextCell, k.fraction));
            if (p.ToPoint == 0) continue;
            const auto close = static_cast<int32_t>(p.ToPoint);
            p.TextArg = RtCharLeft(p.TextCell, close - 1);
            // The fraction's measurements run this driver again and refill
            // TextCell; the rest of the text waits here meanwhile.
            p.TextAfterFraction = RtCharRight(p.TextCell, length - close - 1);
            DrawFraction(p);
            p.TextCell = p.TextAfterFraction;
        } else if (p.TextArg == k.tallRoot) {
            rt.RtSetDrawWidth(3);
            const float x = p.PenX;
            const float y = p.PenY;
            const Pt pts[] = {{x + 38, y - 14}, {x + 30, y - 14}, {x + 16, y + 60}, {x + 8, y + 24}, {x + 4, y + 36}};
            rt.RtConnect(pts, p.PenColor);
            p.OverlineMode = 22;
            rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
            p.PenX += 32;
            p.OverlineStartX = p.PenX;
        } else if (p.TextArg == k.caret) {
            p.SuperscriptFlag = 1;
        } else {
            DrawFormulaText(p);
        }
    }
}

void MeasureMarkupTextWidth(Program& p) {
    // Each measurement keeps its own caller's pen and text: a fraction
    // measures its parts while an outer measurement is still running.
    const float callerX = p.PenX;
    const float callerY = p.PenY;
    const Text callerText = p.TextArg;
    p.PenX = 0;
    p.PenY = 1800;
    p.TextCell = p.TextArg;
    {
        Runtime::MeasureScope measuring(p.rt);
        DrawMarkupText(p);
    }
    p.TextWidth = p.PenX;
    p.PenX = callerX;
    p.PenY = callerY;
    p.TextArg = callerText;
}

void DrawFraction(Program& p) {
    const MarkupCodes& k = Codes();
    Runtime& rt = p.rt;

    p.GlyphX = p.PenX;
    p.FractionTopY = p.PenY;
    // Byte-wise, as the layout always searched: "√" may also match a byte
    // pair that spans two characters.
    const bool holdsRoot = RtByteInstr(p.TextArg, k.bang) != 0 || RtByteInstr(p.TextArg, k.root) != 0;

    // "/" is never a byte of a double-byte character, so the split is by bytes.
    const int32_t slash = RtByteInstr(p.TextArg, k.slash);
    if (slash == 0) {
        // A fraction without "/" is drawn as a numerator over an empty
        // denominator (the old program cut the text at a negative length).
        p.NumeratorText = p.TextArg;
        p.DenominatorText = Text();
    } else {
        p.NumeratorText = RtByteLeft(p.TextArg, slash - 1);
        p.DenominatorText = RtByteMid(p.TextArg, slash + 1);
    }

    p.FractionFlag = 1;
    p.TextArg = p.NumeratorText;
    MeasureMarkupTextWidth(p);
    p.NumeratorWidth = p.TextWidth;
    p.FractionFlag = 1;
    p.TextArg = p.DenominatorText;
    MeasureMarkupTextWidth(p);
    p.DenominatorWidth = p.TextWidth;
    p.FractionFlag = 0;

    p.FractionBarWidth = p.NumeratorWidth >= p.DenominatorWidth ? p.NumeratorWidth : p.DenominatorWidth;
    p.NumeratorInset = (p.FractionBarWidth - p.NumeratorWidth) / 2;
    p.DenominatorInset = (p.FractionBarWidth - p.DenominatorWidth) / 2;

    rt.RtSetDrawWidth(4);
    rt.RtLine(p.GlyphX, p.FractionTopY + 25, p.FractionBarWidth, 0, p.PenColor, BoxShape::Segment, -1, true);
    rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
    // Under a tall root the fraction carries the root's top bar.
    if (p.OverlineMode == 22) {
        rt.RtSetDrawWidth(3);
        rt.RtLine(p.GlyphX, p.FractionTopY - 14, p.FractionBarWidth, 0, p.PenColor, BoxShape::Segment, -1, true);
        rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
    }

    float denominatorTop = p.FractionTopY + 28;
    if (RtByteInstr(p.DenominatorText, k.root) != 0 || RtByteInstr(p.DenominatorText, k.caret) != 0) {
        denominatorTop = p.FractionTopY + 36;
    }
    if (holdsRoot) denominatorTop += 8;

    p.PenX = p.GlyphX + p.DenominatorInset;
    p.PenY = denominatorTop;
    p.FractionFlag = 1;
    p.TextArg = p.DenominatorText;
    DrawFormulaText(p);

    p.PenX = p.GlyphX + p.NumeratorInset;
    p.PenY = p.FractionTopY - 10;
    p.FractionFlag = 1;
    p.TextArg = p.NumeratorText;
    DrawFormulaText(p);

    p.FractionFlag = 0;
    p.PenX = p.GlyphX + p.FractionBarWidth;
    p.PenY = p.FractionTopY;
}
