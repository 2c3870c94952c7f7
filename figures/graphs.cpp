// Graph points and function graphs on a coordinate plane.
#include <cstdint>

#include "figures/figures.h"
#include "figures/finite_drawing.h"
#include "platform/numbers.h"

using namespace figures_detail;

namespace {

constexpr float kPlotSteps = 5000;       // x steps of a plotted curve (5001 dots)
constexpr float kOffZero = 0.002f;       // where a curve that starts at x = 0 starts instead
constexpr float kPlotDotRadius = 1;
constexpr int kVerticalLineWidth = 5;

// Graph units per grid cell: 0 is taken as 1 (and written back).
void StepsAtLeastNonZero(Program& p) {
    if (p.GraphStepX == 0) p.GraphStepX = 1;
    if (p.GraphStepY == 0) p.GraphStepY = 1;
}

// The per-call options go back to their defaults.
void ResetGraphOptions(Program& p) {
    p.GraphLabelDX = 0;
    p.GraphLabelDY = 0;
    p.GraphStepX = 1;
    p.GraphStepY = 1;
}

float ScreenX(const Program& p, float gx) { return p.OriginX + p.CellSize * gx / p.GraphStepX; }
float ScreenY(const Program& p, float gy) { return p.OriginY - p.CellSize * gy / p.GraphStepY; }

// The plotted function at x: a / x (type 1), a x^2 (type 2), a x + b (any
// other type).
float PlottedValue(const Program& p, float x) {
    if (p.GraphType == 1) return p.GraphCoefA / x;
    if (p.GraphType == 2) return p.GraphCoefA * (x * x);
    return p.GraphCoefA * x + p.GraphCoefB;
}

}  // namespace

void DrawGraphPoint(Program& p) {
    StepsAtLeastNonZero(p);
    p.GraphPixelX = ScreenX(p, p.GraphPointX);
    p.GraphPixelY = ScreenY(p, p.GraphPointY);
    FiniteDot(p, p.GraphPixelX, p.GraphPixelY, p.Distance, p.AccentColor);
    p.PenColor = p.AccentColor;
    p.PenX = p.GraphPixelX - 20 + p.GraphLabelDX;
    p.PenY = p.GraphPixelY - 40 + p.GraphLabelDY;
    p.TextCell = p.MarkLabel;
    FiniteMarkupText(p);
    ResetGraphOptions(p);
}

void PlotFunctionPoints(Program& p) {
    const bool linear = p.GraphType == 3;
    p.SavedPenX = p.GraphXMin;
    p.BoxWidth = kPlotSteps;
    if (!linear && p.SavedPenX == 0) p.SavedPenX = kOffZero;
    p.SavedPenY = PlottedValue(p, p.SavedPenX);
    p.PlotX = p.SavedPenX;
    p.PlotY = p.SavedPenY;
    p.TickWholePart = (p.GraphXMax - p.GraphXMin) / p.BoxWidth;
    const float dx = p.TickWholePart;
    const auto passes = static_cast<int32_t>(p.BoxWidth) + 1;
    for (int32_t k = 0; k < passes; ++k) {
        p.LoopIndex = static_cast<float>(k);
        p.GraphPixelX = ScreenX(p, p.PlotX);
        p.GraphPixelY = ScreenY(p, p.PlotY);
        // Only y is held to the frame; a value that is not finite has no dot.
        if (p.GridTop <= p.GraphPixelY && p.GraphPixelY <= p.GridBottom &&
            AllFinite({p.GraphPixelX, p.GraphPixelY})) {
            p.PenX = p.GraphPixelX;
            p.PenY = p.GraphPixelY;
            FiniteDot(p, p.PenX, p.PenY, kPlotDotRadius, p.AccentColor);
        }
        p.PlotX = p.PlotX + dx;
        if (!linear && p.PlotX == 0) p.PlotX = p.PlotX + dx;
        p.PlotY = PlottedValue(p, p.PlotX);
    }
    p.LoopIndex = static_cast<float>(passes);
}

void DrawVerticalGraphLine(Program& p) {
    p.rt.RtSetDrawWidth(kVerticalLineWidth);
    const float x = ScreenX(p, p.GraphCoefC);
    const float top = ScreenY(p, p.GraphYMax);
    FiniteLine(p, x, ScreenY(p, p.GraphYMin), x, top, p.AccentColor);
    p.PenX = x + 10;
    p.PenY = top;
}

void DrawFunctionGraph(Program& p) {
    const int32_t entryWidth = p.rt.RtGetDrawWidth();
    StepsAtLeastNonZero(p);
    if (p.GraphType == 4 && p.GraphCoefB == 0) {
        // With a = 0 as well the equation describes no line: nothing is
        // drawn and c is kept (the old routine divided by zero here).
        if (p.GraphCoefA != 0) {
            p.GraphCoefC = p.GraphCoefC / p.GraphCoefA;
            DrawVerticalGraphLine(p);
        }
    } else if (p.GraphType == 4) {
        p.GraphCoefA = -p.GraphCoefA / p.GraphCoefB;
        p.GraphCoefB = p.GraphCoefC / p.GraphCoefB;
        p.GraphType = 3;
        PlotFunctionPoints(p);
    } else {
        PlotFunctionPoints(p);
    }
    p.PenColor = p.AccentColor;
    p.PenX = p.PenX + p.GraphLabelDX;
    p.PenY = p.PenY + p.GraphLabelDY;
    p.TextCell = p.MarkLabel;
    FiniteMarkupText(p);
    ResetGraphOptions(p);
    p.rt.RtSetDrawWidth(entryWidth);
}
