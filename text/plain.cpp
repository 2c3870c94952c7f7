// Plain text: one line with fixed advances, no markup, no wide forms; its
// measuring and its table cells.
#include <cmath>
#include <cstdint>

#include "platform/strings.h"
#include "text/text.h"

namespace {

struct PlainCodes {
    Text gothic{"ゴシック"}, times{"Times New Roman"};
    Text dot{"."}, comma{","}, open{"("}, close{")"}, space{" "};
    Text a{"a"}, x{"x"}, c{"c"}, y{"y"};
};

const PlainCodes& Codes() {
    static const PlainCodes codes;
    return codes;
}

void DrawPlainCharacter(Program& p) {
    const PlainCodes& k = Codes();
    Runtime& rt = p.rt;
    const Text& ch = p.CurChar;
    auto glyph = [&](float dx, float dy, float hscale, float vscale) {
        rt.RtSymbol(p.WorkPenX + dx, p.WorkPenY + dy, hscale, vscale, p.PenColor, ch);
    };
    if (ch == k.dot || ch == k.comma) {
        glyph(0, 0, 3, 2);
        p.WorkPenX += 8;
    } else if (ch == k.open) {
        glyph(-8, 0, 3, 2);
        p.WorkPenX += 12;
    } else if (ch == k.close) {
        glyph(0, 0, 3, 2);
        p.WorkPenX += 8;
    } else if (ch == k.space) {
        p.WorkPenX += 20;
    } else if (RtByteLen(ch) == 2) {
        glyph(0, 0, 2, 2);
        p.WorkPenX += 30;
    } else if (ch == k.a || ch == k.x || ch == k.c) {
        rt.RtSetFontName(k.times);
        rt.RtSetFontSize(8);
        rt.RtSetFontItalic(-1);
        glyph(4, -12, 7, 4);
        rt.RtSetFontName(k.gothic);
        rt.RtSetFontItalic(0);
        p.WorkPenX += 20;
    } else if (ch == k.y) {
        p.WorkPenY -= 6;
        glyph(0, 0, 3, 2);
        p.WorkPenY += 6;
        p.WorkPenX += 20;
    } else {
        glyph(0, 0, 3, 2);
        p.WorkPenX += 20;
    }
}

float WholePart(float value) { return std::floor(value); }

void MeasurePlainCellText(Program& p) {
    MeasurePlainTextWidth(p);
    p.CellInsetX = (p.BoxWidth - p.TextWidth) / 2;
    if (p.CellInsetX < 0) p.CellInsetX = 0;
}

void DrawPlainCellText(Program& p, float y) {
    p.PenX = p.SavedPenX + p.CellInsetX;
    p.PenY = y;
    p.TextCell = p.CellText;
    DrawPlainText(p);
}

void DrawPlainCellBox(Program& p) {
    p.rt.RtLine(p.SavedPenX, p.SavedPenY, p.SavedPenX + p.BoxWidth, p.CellBottomY, p.LineColor, BoxShape::Filled,
                p.AccentColor);
}

}  // namespace

void DrawPlainText(Program& p) {
    Runtime& rt = p.rt;
    rt.TraceRun("DrawPlainText", p.PenX, p.PenY, p.PenColor, p.TextCell);
    for (;;) {
        p.WorkPenX = p.PenX;
        p.WorkPenY = p.PenY;
        p.SavedDrawWidth = static_cast<float>(rt.RtGetDrawWidth());
        p.TextLength = static_cast<float>(RtCharLen(p.TextCell));
        if (p.TextLength == 0) {
            rt.RtSetFontBold(0);
            rt.RtSetDrawWidth(static_cast<int32_t>(p.SavedDrawWidth));
            rt.RtSetFontSize(16);
            return;
        }
        p.TextArg = RtCharLeft(p.TextCell, 1);
        p.TextCell = RtCharRight(p.TextCell, static_cast<int32_t>(p.TextLength) - 1);
        p.WorkText = p.TextArg;
        p.WorkTextLength = static_cast<float>(RtCharLen(p.WorkText));
        rt.RtSetFontBold(-1);
        rt.RtSetFontSize(15);
        for (p.CharIndex = 1; p.CharIndex <= p.WorkTextLength; p.CharIndex += 1) {
            p.CurChar = RtCharMid(p.WorkText, static_cast<int32_t>(p.CharIndex), 1);
            DrawPlainCharacter(p);
        }
        p.PenX = p.WorkPenX;
        p.PenY = p.WorkPenY;
    }
}

void MeasurePlainTextWidth(Program& p) {
    const float callerX = p.PenX;
    const float callerY = p.PenY;
    const Text measured = p.TextArg;
    p.PenX = 0;
    p.PenY = 1800;
    p.TextCell = p.TextArg;
    {
        Runtime::MeasureScope measuring(p.rt);
        DrawPlainText(p);
    }
    p.TextWidth = p.PenX;
    p.PenX = callerX;
    p.PenY = callerY;
    // TextArg keeps the last character drawn; the text goes back to TextCell.
    p.TextCell = measured;
}

void DrawPlainTableCell(Program& p) {
    p.SavedPenX = p.PenX;
    p.SavedPenY = p.PenY;
    p.CellText = p.TextArg;
    MeasurePlainCellText(p);
    p.CellTextY = p.SavedPenY + WholePart((p.GridRows - 26) / 2);
    p.CellBottomY = p.SavedPenY + p.GridRows;
    DrawPlainCellBox(p);
    DrawPlainCellText(p, p.CellTextY);
    p.PenX = p.SavedPenX + p.BoxWidth;
    p.PenY = p.SavedPenY;
}

void DrawTwoLinePlainTableCell(Program& p) {
    p.SavedPenX = p.PenX;
    p.SavedPenY = p.PenY;
    p.CellText = p.UpperText;
    p.TextArg = p.UpperText;
    MeasurePlainCellText(p);
    p.CellTextY = p.SavedPenY + WholePart((p.GridRows / 2 - 26) / 2);
    p.CellBottomY = p.SavedPenY + p.GridRows;
    DrawPlainCellBox(p);
    p.UpperTextY = p.FractionLead.empty() ? p.CellTextY + 15 : p.CellTextY;
    DrawPlainCellText(p, p.UpperTextY);
    p.CellText = p.FractionLead;
    p.TextArg = p.FractionLead;
    MeasurePlainCellText(p);
    p.CellTextY2 = p.CellTextY + 30;
    DrawPlainCellText(p, p.CellTextY2);
    p.PenX = p.SavedPenX + p.BoxWidth;
    p.PenY = p.SavedPenY;
}
