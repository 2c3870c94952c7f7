// The coordinate plane (frame, unit and 5-unit lines, numbers, axes and the
// labels x, 0, y) and the decimal labels of its numbered lines.
#include <cmath>
#include <cstdint>

#include "figures/figures.h"
#include "figures/finite_drawing.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/wide_text.h"

using namespace figures_detail;

namespace {

constexpr float kInk = 0;          // lines, numbers and labels
constexpr float kHeavyColor = 1;   // the lines every 5 units
constexpr int kUnitWidth = 1;
constexpr int kHeavyWidth = 3;
constexpr int kAxisWidth = 4;
constexpr float kSmallLabelSize = 26;
constexpr float kLargeLabelSize = 30;
constexpr float kLargeCellFrom = 40;
constexpr float kTextSize = 16;

// The text of a unit count for the heavy line at i: empty at the origin and
// when the numbers are hidden. Leaves it in TextArg and TextCell.
void UnitNumberText(Program& p, float i) {
    p.TextArg = RtStrSingle(i);
    StripSpaces(p);
    p.TextCell = p.TextArg;
    if (i == 0 || p.HideTickNumbers == -1) p.TextCell = Text();
}

float Chars(const Text& t) { return static_cast<float>(RtCharLen(t)); }

// The grid of the plane: unit lines, then heavy lines with their numbers,
// each pass counting in LoopIndex.
void DrawPlaneGrid(Program& p) {
    const int64_t columns = UnitPasses(p.GraphXMin, p.GraphXMax);
    const int64_t rows = UnitPasses(p.GraphYMin, p.GraphYMax);
    // Unit lines lie half a pixel left of (above) their unit.
    for (int64_t k = 0; k < columns; ++k) {
        const float i = p.LoopIndex = UnitIndex(p.GraphXMin, k);
        p.rt.RtSetDrawWidth(kUnitWidth);
        const float x = p.OriginX + p.CellSize * i - 0.5f;
        FiniteLine(p, x, p.GridTop, x, p.GridBottom, kInk);
    }
    if (columns > 0) p.LoopIndex = UnitIndex(p.GraphXMin, columns);
    for (int64_t k = 0; k < rows; ++k) {
        const float i = p.LoopIndex = UnitIndex(p.GraphYMin, k);
        const float y = p.OriginY - p.CellSize * i - 0.5f;
        FiniteLine(p, p.GridLeft, y, p.GridRight, y, kInk);
    }
    if (rows > 0) p.LoopIndex = UnitIndex(p.GraphYMin, rows);

    for (int64_t k = 0; k < columns; ++k) {
        const float i = p.LoopIndex = UnitIndex(p.GraphXMin, k);
        if (!NearestIsMultipleOfFive(i)) continue;
        p.rt.RtSetDrawWidth(kHeavyWidth);
        const float x = p.OriginX + p.CellSize * i;
        FiniteLine(p, x, p.GridTop, x, p.GridBottom, kHeavyColor);
        // Centred under the line, its top on the x axis.
        UnitNumberText(p, i);
        p.PenColor = kInk;
        p.PenX = x - (Chars(p.TextCell) / 2) * p.LineWidth;
        p.PenY = p.OriginY;
        FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, p.TextCell);
    }
    if (columns > 0) p.LoopIndex = UnitIndex(p.GraphXMin, columns);
    for (int64_t k = 0; k < rows; ++k) {
        const float i = p.LoopIndex = UnitIndex(p.GraphYMin, k);
        if (!NearestIsMultipleOfFive(i)) continue;
        p.rt.RtSetDrawWidth(kHeavyWidth);
        const float y = p.OriginY - p.CellSize * i;
        FiniteLine(p, p.GridLeft, y, p.GridRight, y, kHeavyColor);
        // Ending at the y axis, level with the line.
        UnitNumberText(p, i);
        p.PenColor = kInk;
        p.PenX = p.OriginX - p.LineWidth * Chars(p.TextCell);
        p.PenY = y - p.LineWidth / 2 - 4;
        FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, p.TextCell);
    }
    if (rows > 0) p.LoopIndex = UnitIndex(p.GraphYMin, rows);
}

// A unit of 0 counts as 1, a negative one by its size.
void MakeUnitPositive(float& step) {
    if (step == 0) {
        step = 1;
    } else if (step < 0) {
        step = std::fabs(step);
    }
}

}  // namespace

void DrawCoordinatePlane(Program& p) {
    Runtime& rt = p.rt;
    const int32_t entryWidth = rt.RtGetDrawWidth();
    p.SavedDrawWidth = static_cast<float>(entryWidth);
    MakeUnitPositive(p.GraphStepX);
    MakeUnitPositive(p.GraphStepY);
    p.GraphXMin = p.GraphXMin / p.GraphStepX;
    p.GraphXMax = p.GraphXMax / p.GraphStepX;
    p.GraphYMin = p.GraphYMin / p.GraphStepY;
    p.GraphYMax = p.GraphYMax / p.GraphStepY;
    if (p.GridOriginX == 0 && p.GridOriginY == 0) {
        p.GridOriginX = 640;
        p.GridOriginY = 180;
    }
    p.OriginX = p.GridOriginX + p.CellSize * std::fabs(p.GraphXMin);
    p.OriginY = p.GridOriginY + p.CellSize * p.GraphYMax;
    p.GridLeft = p.GridOriginX;
    p.GridTop = p.GridOriginY;
    p.GridRight = p.OriginX + p.CellSize * p.GraphXMax;
    p.GridBottom = p.OriginY + p.CellSize * std::fabs(p.GraphYMin);
    p.LineWidth = p.CellSize < kLargeCellFrom ? kSmallLabelSize : kLargeLabelSize;
    rt.RtSetFontSize(p.LineWidth);

    if (p.LineColor != 0) DrawPlaneGrid(p);

    rt.RtSetDrawWidth(kAxisWidth);
    FiniteLine(p, p.OriginX, p.GridTop, p.OriginX, p.GridBottom, kInk);
    rt.RtSetDrawWidth(kAxisWidth);
    FiniteLine(p, p.GridLeft, p.OriginY, p.GridRight, p.OriginY, kInk);

    rt.RtSetFontBold(-1);
    rt.RtSetFontName("Times New Roman");
    rt.RtSetFontSize(0.8f * p.LineWidth);
    rt.RtSetFontItalic(-1);
    p.PenColor = kInk;
    p.PenX = p.GridRight - 0.8f * p.LineWidth;
    p.PenY = p.OriginY - 1.5f * p.LineWidth;
    FiniteSymbol(p, p.PenX, p.PenY, 3, 2, p.PenColor, "x");

    rt.RtSetFontName("ゴシック");
    rt.RtSetFontSize(p.LineWidth);
    rt.RtSetFontItalic(0);
    p.PenColor = kInk;
    p.PenX = p.OriginX - p.LineWidth;
    p.PenY = p.OriginY;
    p.TextCell = "0";
    FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, p.TextCell);
    p.PenColor = kInk;
    p.PenX = p.OriginX;
    p.PenY = p.GridTop - p.LineWidth / 2;
    p.TextCell = "y";
    FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, p.TextCell);

    rt.RtSetFontBold(0);
    rt.RtSetFontSize(kTextSize);
    rt.RtSetDrawWidth(entryWidth);
    p.HideTickNumbers = 0;
}

namespace {

// The label of the value v = i * step: TickWholePart and TickTenths (the
// value cut after its tenths) and their texts, the whole part signed. False
// for a value that is not finite, which gets no label.
bool SplitTickValue(Program& p, float value) {
    // Rounded to four decimals first, so that the noise of the product (0.02
    // * 5 = 0.099999994) cannot cut a tenth off (the old labels cut the bare
    // product and read 0 there).
    const double scaled = std::round(std::fabs(static_cast<double>(value)) * 1e4);
    if (!std::isfinite(scaled)) return false;
    const double belowWhole = std::fmod(scaled, 1e4);
    p.TickWholePart = static_cast<float>((scaled - belowWhole) / 1e4);
    p.TickTenths = static_cast<float>(std::floor(belowWhole / 1e3));
    const bool negative = value < 0 && scaled > 0;
    p.TextArg = RtStrSingle(p.TickWholePart);
    StripSpaces(p);
    p.TickWholeText = negative ? Text("-") + p.TextArg : p.TextArg;
    p.TextArg = RtStrSingle(p.TickTenths);
    StripSpaces(p);
    p.TickTenthsText = p.TextArg;
    return true;
}

// The label of line i at (labelX(chars), labelY) and, with tenths, its point
// 6 px left of the seam between the whole part and the tenths and `pointDrop`
// px lower than the digits.
template <class LabelX>
void DrawTickLabel(Program& p, float i, float step, LabelX labelX, float labelY, float pointDrop) {
    if (!SplitTickValue(p, i * step)) return;
    if (i == 0 || !NearestIsMultipleOfFive(i)) return;
    p.TextCell = p.TickTenths == 0 ? p.TickWholeText : p.TickWholeText + p.TickTenthsText;
    p.PenColor = kInk;
    p.PenX = labelX(Chars(p.TextCell));
    p.PenY = labelY;
    FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, p.TextCell);
    if (p.TickTenths != 0) {
        p.PenColor = kInk;
        p.PenX = p.PenX + p.LineWidth * Chars(p.TickWholeText) - 6;
        p.PenY = labelY + pointDrop;
        FiniteSymbol(p, p.PenX, p.PenY, 2, 1, p.PenColor, ".");
    }
}

// A label size the runtime takes as a font size.
bool UsableSize(float size) { return std::isfinite(size) && size >= 0 && size <= 10000; }

}  // namespace

void DrawDecimalTickLabels(Program& p) {
    if (UsableSize(p.LineWidth)) {
        p.rt.RtSetFontSize(p.LineWidth);
        const int64_t columns = UnitPasses(p.GraphXMin, p.GraphXMax);
        for (int64_t k = 0; k < columns; ++k) {
            const float i = p.LoopIndex = UnitIndex(p.GraphXMin, k);
            // Centred under the line, 4 px below the x axis.
            const float lineX = p.OriginX + p.CellSize * i;
            DrawTickLabel(
                p, i, p.GraphStepX, [&](float chars) { return lineX - (chars / 2) * p.LineWidth; }, p.OriginY + 4,
                4);
        }
        if (columns > 0) p.LoopIndex = UnitIndex(p.GraphXMin, columns);
        const int64_t rows = UnitPasses(p.GraphYMin, p.GraphYMax);
        for (int64_t k = 0; k < rows; ++k) {
            const float i = p.LoopIndex = UnitIndex(p.GraphYMin, k);
            // Ending at the y axis, centred on the line.
            DrawTickLabel(
                p, i, p.GraphStepY, [&](float chars) { return p.OriginX - p.LineWidth * chars; },
                p.OriginY - p.CellSize * i - p.LineWidth / 2, 4);
        }
        if (rows > 0) p.LoopIndex = UnitIndex(p.GraphYMin, rows);
    }
    p.rt.RtSetFontSize(kTextSize);
}
