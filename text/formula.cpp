// The formula glyph renderer: each character of a markup text in the large
// formula style, with the operator substitutions, italic letters, stroke
// signs, root and parallelogram signs and the running overline of a root.
#include <cstdint>

#include "platform/strings.h"
#include "text/text.h"

namespace {

struct FormulaCodes {
    Text gothic{"ゴシック"}, times{"Times New Roman"}, mtExtra{"MT Extra"};
    // Operator substitutions.
    Text percent{"%"}, star{"*"}, slash{"/"}, at{"@"}, bang{"!"};
    Text degree{"°"}, times_{"×"}, divide{"÷"}, plusMinus{"±"}, root{"√"};
    // Markers.
    Text caret{"^"}, backslash{Text::FromBytes("\x5C")}, overlineEnd{"ﾝ"};
    // Signs and glyph classes.
    Text ampersand{"&"}, wideHash{"＃"};
    Text dot{"."}, prime{"'"}, equals{"="};
    Text a{"a"}, x{"x"}, c{"c"}, l{"l"}, minus{"-"}, plus{"+"}, space{" "};
};

const FormulaCodes& Codes() {
    static const FormulaCodes codes;
    return codes;
}

}  // namespace

void DrawFormulaText(Program& p) {
    const FormulaCodes& k = Codes();
    Runtime& rt = p.rt;

    p.WorkPenX = p.PenX;
    p.WorkPenY = p.PenY;
    p.SavedDrawWidth = static_cast<float>(rt.RtGetDrawWidth());
    p.WorkText = p.TextArg;
    p.WorkTextLength = static_cast<float>(RtCharLen(p.WorkText));
    rt.RtSetFontName(k.gothic);
    rt.RtSetFontSize(16);
    rt.RtSetFontBold(-1);

    for (p.CharIndex = 1; p.CharIndex <= p.WorkTextLength; p.CharIndex += 1) {
        Text& ch = p.CurChar;
        ch = RtCharMid(p.WorkText, static_cast<int32_t>(p.CharIndex), 1);

        // The five ASCII stand-ins for operator signs.
        if (ch == k.percent) {
            ch = k.degree;
        } else if (ch == k.star) {
            ch = k.times_;
        } else if (ch == k.slash) {
            ch = k.divide;
        } else if (ch == k.at) {
            ch = k.plusMinus;
        } else if (ch == k.bang) {
            ch = k.root;
        }

        // Markers: nothing drawn, the pen stays, no overline step.
        if (ch == k.caret) {
            p.SuperscriptFlag = 1;
            continue;
        }
        if (ch == k.backslash) {
            p.RaiseFlag = 1;
            continue;
        }
        if (ch == k.overlineEnd) {
            p.OverlineMode = 0;
            continue;
        }

        const float x = p.WorkPenX;
        const float y = p.WorkPenY;
        const bool inFraction = p.FractionFlag == 1;

        // Signs drawn as polylines; the overline (if one runs) resumes behind them.
        if (ch == k.root || ch == k.ampersand || ch == k.wideHash) {
            float advance = 36;
            if (ch == k.root) {
                rt.RtSetDrawWidth(3);
                if (inFraction) {
                    const Pt pts[] = {{x + 26, y - 6}, {x + 24, y - 6}, {x + 16, y + 29}, {x + 8, y + 13}, {x + 4, y + 24}};
                    rt.RtConnect(pts, p.PenColor);
                    p.OverlineMode = 11;
                    advance = 26;
                } else {
                    const Pt pts[] = {{x + 32, y - 4}, {x + 24, y - 4}, {x + 16, y + 40}, {x + 8, y + 24}, {x + 4, y + 36}};
                    rt.RtConnect(pts, p.PenColor);
                    p.OverlineMode = 1;
                    advance = 28;
                }
            } else if (ch == k.ampersand) {
                rt.RtSetDrawWidth(5);
                const Pt pts[] = {{x + 4, y + 40}, {x + 11, y + 8}, {x + 32, y + 8}, {x + 25, y + 40}, {x + 4, y + 40}};
                rt.RtConnect(pts, p.PenColor);
            } else {
                rt.RtSetDrawWidth(5);
                const Pt pts[] = {{x + 10, y + 8}, {x + 32, y + 8}, {x + 26, y + 36}, {x + 4, y + 36}, {x + 10, y + 8}};
                rt.RtConnect(pts, p.PenColor);
            }
            rt.RtSetDrawWidth(3);
            p.WorkPenX += advance;
            p.OverlineStartX = p.WorkPenX;
            continue;
        }

        // Glyph rows, the first that matches decides.
        auto glyph = [&](float dx, float dy, float hscale, float vscale, const Text& text) {
            rt.RtSymbol(x + dx, y + dy, hscale, vscale, p.PenColor, text);
        };
        float advance = 0;
        if (ch == k.dot) {
            glyph(-3, 14, 3, 2, ch);
            advance = 8;
        } else if (ch == k.prime || ch == k.degree) {
            glyph(0, 0, 3, 3, ch);
            advance = 12;
        } else if (ch == k.equals) {
            rt.RtSetFontSize(14);
            rt.RtSetFontBold(-1);
            glyph(4, 0, 3, 3, ch);
            rt.RtSetFontSize(16);
            advance = 32;
        } else if (p.RaiseFlag == 1) {
            rt.RtSetFontSize(8);
            glyph(0, -10, 6, 3, ch);
            rt.RtSetFontSize(16);
            p.RaiseFlag = 0;
            advance = 24;
        } else if (p.SuperscriptFlag == 1 && inFraction) {
            rt.RtSetFontSize(8);
            glyph(0, -4, 6, 3, ch);
            rt.RtSetFontSize(16);
            p.SuperscriptFlag = 0;
            advance = 24;
        } else if (p.SuperscriptFlag == 1) {
            glyph(0, 0, 3, 2, ch);
            p.SuperscriptFlag = 0;
            advance = 24;
        } else if ((ch == k.a || ch == k.x || ch == k.c) && p.PlainLetterFlag != 1) {
            rt.RtSetFontName(k.times);
            rt.RtSetFontSize(8);
            rt.RtSetFontItalic(-1);
            if (inFraction) {
                glyph(4, -16, 12, 5, ch);
                advance = 32;
            } else {
                glyph(4, -22, 10, 7, ch);
                advance = 27;
            }
            rt.RtSetFontName(k.gothic);
            rt.RtSetFontSize(16);
            rt.RtSetFontItalic(0);
        } else if (ch == k.l && p.PlainLetterFlag != 1) {
            rt.RtSetFontName(k.mtExtra);
            rt.RtSetFontSize(16);
            rt.RtSetFontBold(-1);
            glyph(0, 0, 6, 3, ch);
            rt.RtSetFontName(k.gothic);
            rt.RtSetFontSize(16);
            rt.RtSetFontBold(0);
            advance = 32;
        } else if ((ch == k.minus || ch == k.plus) && inFraction) {
            rt.RtSetDrawWidth(5);
            rt.RtLine(x + 6, y + 14, 20, 0, p.PenColor, BoxShape::Segment, -1, true);
            if (ch == k.plus) rt.RtLine(x + 16, y + 4, 0, 20, p.PenColor, BoxShape::Segment, -1, true);
            rt.RtSetDrawWidth(3);
            advance = 32;
        } else if (ch == k.minus || ch == k.plus) {
            rt.RtSetDrawWidth(5);
            if (ch == k.minus) {
                rt.RtLine(x + 4, y + 20, 19, 0, p.PenColor, BoxShape::Segment, -1, true);
            } else {
                rt.RtLine(x + 4, y + 22, 19, 0, p.PenColor, BoxShape::Segment, -1, true);
                rt.RtLine(x + 13, y + 10, 0, 24, p.PenColor, BoxShape::Segment, -1, true);
            }
            rt.RtSetDrawWidth(3);
            advance = 27;
        } else if ((ch == k.times_ || ch == k.divide || ch == k.plusMinus) && !inFraction) {
            glyph(-4, 0, 2, 3, ch);
            advance = 27;
        } else if (ch == k.space) {
            advance = 27;
        } else if (RtByteLen(ch) == 2) {
            if (inFraction) {
                rt.RtSetFontSize(11);
                glyph(0, 0, 3, 3, ch);
                rt.RtSetFontSize(16);
                advance = 38;
            } else {
                glyph(0, 0, 2, 3, ch);
                advance = 34;
            }
        } else if (inFraction) {
            glyph(0, 0, 4, 2, ch);
            advance = 32;
        } else {
            glyph(0, 0, 3, 3, ch);
            advance = 27;
        }
        p.WorkPenX += advance;

        // The running overline is drawn again from its start to this glyph's
        // end, so it grows with the radicand; without one its start follows
        // the pen.
        auto overline = [&](float above) {
            rt.RtSetDrawWidth(3);
            rt.RtLine(p.OverlineStartX, p.PenY - above, p.WorkPenX, p.PenY - above, p.PenColor);
            rt.RtSetDrawWidth(3);
        };
        if (p.OverlineMode == 1) {
            overline(4);
        } else if (p.OverlineMode == 11) {
            overline(6);
        } else if (p.OverlineMode == 22 && p.FractionFlag != 1) {
            overline(14);
        } else {
            p.OverlineStartX = p.WorkPenX;
        }
    }

    p.PenX = p.WorkPenX;
    p.PenY = p.WorkPenY;
    p.rt.RtSetFontBold(0);
    p.rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
}
