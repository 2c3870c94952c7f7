// Wide-character glyph text: one line in 16 px cells, half-width letters,
// digits and signs turned into their full-width glyphs through two pairs of
// look-up tables.
#include "text/wide_text.h"

#include <cstdint>

#include "platform/strings.h"

namespace {

// The look-up tables: the character at position n of a narrow table turns
// into the character at position n of its wide table. The fourth wide letter
// is the Greek capital alpha, not the full-width Latin A; "x" becomes the
// Greek chi; "ﾀ" (C0) becomes the horizontal bar.
struct WideTables {
    Text narrowLetters{" XYABCDEFGHIJKLMNOPQRSTUVWZ"};
    Text wideLetters{"　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ"};
    Text narrowSymbols{" 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:"};
    Text wideSymbols{
        "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△："};
    Text space{" "};
    Text caret{"^"};
    Text fullStop{"．"};
};

const WideTables& Tables() {
    static const WideTables tables;
    return tables;
}

}  // namespace

void ToWideChar(Program& p) {
    const WideTables& t = Tables();
    p.IndexA = static_cast<float>(RtByteInstr(t.narrowLetters, p.CurChar));
    if (p.IndexA != 0) p.CurChar = RtCharMid(t.wideLetters, static_cast<int32_t>(p.IndexA), 1);
    p.ToPoint = static_cast<float>(RtByteInstr(t.narrowSymbols, p.CurChar));
    if (p.ToPoint != 0) p.CurChar = RtCharMid(t.wideSymbols, static_cast<int32_t>(p.ToPoint), 1);
}

void StripSpaces(Program& p) {
    // Byte by byte: the trail byte of a double-byte character is never 20h,
    // so those characters (the ideographic space too) pass whole.
    std::string kept;
    for (char byte : p.TextArg.bytes()) {
        if (byte != ' ') kept += byte;
    }
    p.TextArg = Text::FromBytes(std::move(kept));
}

void DrawWideString(Program& p) {
    const WideTables& t = Tables();
    p.rt.TraceRun("DrawWideString", p.PenX, p.PenY, p.PenColor, p.TextArg);
    StripSpaces(p);
    p.ArgLength = static_cast<float>(RtCharLen(p.TextArg));
    p.GlyphX = p.PenX;
    p.rt.RtSetFontBold(-1);
    // The test comes after the body, so an empty text still takes one cell.
    p.CharIndex = 1;
    do {
        p.CurChar = RtCharMid(p.TextArg, static_cast<int32_t>(p.CharIndex), 1);
        if (p.CurChar == t.caret) {
            p.SuperscriptFlag = 1;
        } else {
            if (p.SuperscriptFlag != 1) {
                ToWideChar(p);
            } else {
                p.SuperscriptFlag = 0;
            }
            p.RaiseY = RtByteLen(p.CurChar) == 1 ? 4.0f : 0.0f;
            // The full stop sits in the corner of the cell before it.
            const bool fullStop = p.CurChar == t.fullStop;
            if (fullStop) p.GlyphX -= 4;
            p.rt.RtSymbol(p.GlyphX, p.PenY - p.RaiseY, 1, 1, p.PenColor, p.CurChar);
            if (fullStop) p.GlyphX -= 12;
            p.GlyphX += 16;
        }
        p.CharIndex += 1;
    } while (p.CharIndex <= p.ArgLength);
}

void DrawWideText(Program& p) {
    const WideTables& t = Tables();
    p.rt.TraceRun("DrawWideText", p.PenX, p.PenY, p.PenColor, p.TextCell);
    for (;;) {
        p.TextLength = static_cast<float>(RtCharLen(p.TextCell));
        if (p.TextLength == 0) return;
        p.TextArg = RtCharLeft(p.TextCell, 1);
        p.TextCell = RtCharRight(p.TextCell, static_cast<int32_t>(p.TextLength) - 1);
        if (p.TextArg == t.caret) {
            p.SuperscriptFlag = 1;
            continue;
        }
        DrawWideString(p);
        p.PenX = p.GlyphX;
    }
}
