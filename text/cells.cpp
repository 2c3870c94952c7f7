// Boxed table cells with a markup text centred in them.
#include <cmath>
#include <cstdint>

#include "platform/strings.h"
#include "text/text.h"

namespace {

const Text& FractionMark() {
    static const Text mark{"ﾀ"};
    return mark;
}

// The line height a cell allows: 44 px, 50 when the line holds a fraction.
float LineHeight(const Program& p) { return p.IndexA == 0 ? 44.0f : 50.0f; }

// The runtime's whole-part function on the offsets of a line in its cell.
float WholePart(float value) { return std::floor(value); }

// Width of CellText (held in TextArg as well), position of its fraction mark
// and the inset that centres it across the cell.
void MeasureCellText(Program& p) {
    // The character-aware search: a trail byte C0 is not the mark.
    p.IndexA = static_cast<float>(RtCharInstr(p.CellText, FractionMark()));
    MeasureMarkupTextWidth(p);
    p.CellInsetX = (p.BoxWidth - p.TextWidth) / 2;
    if (p.CellInsetX < 0) p.CellInsetX = 0;
}

void DrawCellBox(Program& p, float top, float bottom) {
    p.rt.RtLine(p.SavedPenX, top, p.SavedPenX + p.BoxWidth, bottom, p.LineColor, BoxShape::Filled, p.AccentColor);
}

void DrawCellText(Program& p, float y) {
    p.PenX = p.SavedPenX + p.CellInsetX;
    p.PenY = y;
    p.TextCell = p.CellText;
    DrawMarkupText(p);
}

}  // namespace

void DrawMarkupTableCell(Program& p) {
    p.SavedPenX = p.PenX;
    p.SavedPenY = p.PenY;
    p.CellText = p.TextArg;
    MeasureCellText(p);
    p.CellTextY = p.SavedPenY + WholePart((p.GridRows - LineHeight(p)) / 2);
    p.CellBottomY = p.SavedPenY + p.GridRows;
    DrawCellBox(p, p.SavedPenY, p.CellBottomY);
    DrawCellText(p, p.CellTextY);
    p.PenX = p.SavedPenX + p.BoxWidth;
    p.PenY = p.SavedPenY;
}

void DrawRaisedMarkupTableCell(Program& p) {
    p.SavedPenX = p.PenX;
    p.SavedPenY = p.PenY;
    p.CellText = p.TextArg;
    MeasureCellText(p);
    // The box is placed by the 44 px line also for a text with a fraction,
    // as it always was.
    const float offset = WholePart((p.GridRows - 44) / 2);
    p.CellTextY = p.SavedPenY - offset;
    p.CellBottomY = p.SavedPenY + p.GridRows - offset;
    DrawCellBox(p, p.CellTextY, p.CellBottomY);
    DrawCellText(p, p.SavedPenY);
    p.PenX = p.SavedPenX + p.BoxWidth;
    p.PenY = p.SavedPenY;
}

void DrawTwoLineMarkupTableCell(Program& p) {
    p.SavedPenX = p.PenX;
    p.SavedPenY = p.PenY;
    p.CellText = p.UpperText;
    p.TextArg = p.UpperText;
    MeasureCellText(p);
    p.CellTextY = p.SavedPenY + WholePart((p.GridRows / 2 - LineHeight(p)) / 2);
    p.CellBottomY = p.SavedPenY + p.GridRows;
    DrawCellBox(p, p.SavedPenY, p.CellBottomY);
    p.UpperTextY = p.FractionLead.empty() ? p.CellTextY + 25 : p.CellTextY;
    DrawCellText(p, p.UpperTextY);

    p.CellText = p.FractionLead;
    p.TextArg = p.FractionLead;
    MeasureCellText(p);
    const float lineHeight = LineHeight(p);
    p.CellTextY2 = p.SavedPenY + lineHeight + WholePart((p.GridRows / 2 - lineHeight) / 2);
    DrawCellText(p, p.CellTextY2);
    p.PenX = p.SavedPenX + p.BoxWidth;
    p.PenY = p.SavedPenY;
}
