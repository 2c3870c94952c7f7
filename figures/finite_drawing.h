// Drawing calls of the plane and graph routines that skip, rather than raise
// the runtime error for, a position that is not finite: cell values that
// overflow (a huge unit, a graph value near a pole) draw nothing.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "figures/figures.h"
#include "text/text.h"

namespace figures_detail {

inline bool AllFinite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

inline void FiniteLine(Program& p, float x1, float y1, float x2, float y2, float color) {
    if (AllFinite({x1, y1, x2, y2})) p.rt.RtLine(x1, y1, x2, y2, color);
}

inline void FiniteSymbol(Program& p, float x, float y, float hscale, float vscale, float color, const Text& text) {
    if (AllFinite({x, y})) p.rt.RtSymbol(x, y, hscale, vscale, color, text);
}

// A filled dot in `color`, outlined at the pen width in force. A radius
// below 0 draws nothing.
inline void FiniteDot(Program& p, float x, float y, float r, float color) {
    if (AllFinite({x, y, r}) && r >= 0) p.rt.RtCircle(x, y, r, color, 1, 0, 0, true);
}

// TextCell through DrawMarkupText at the pen; with a pen that is not finite
// the text is consumed without drawing.
inline void FiniteMarkupText(Program& p) {
    if (AllFinite({p.PenX, p.PenY})) {
        DrawMarkupText(p);
    } else {
        p.TextCell = Text();
    }
}

// The passes of a loop from `first` to `last` in steps of 1 that tests at its
// end (so the first index is always handled): none for a range that is not
// finite or spans more than kMostUnits units, where the old loop, stepping a
// float, could run for ever.
inline constexpr double kMostUnits = 10000;
inline int64_t UnitPasses(float first, float last) {
    if (!std::isfinite(first) || !std::isfinite(last)) return 0;
    const double span = static_cast<double>(last) - static_cast<double>(first);
    if (span > kMostUnits) return 0;
    if (span < 0) return 1;
    return static_cast<int64_t>(std::floor(span)) + 1;
}

// Pass k of such a loop: first + k, in single precision as the counter held it.
inline float UnitIndex(float first, int64_t k) { return static_cast<float>(static_cast<double>(first) + k); }

// The whole number nearest to i, halves away from zero, is a multiple of 5.
inline bool NearestIsMultipleOfFive(float i) { return std::fmod(std::round(static_cast<double>(i)), 5.0) == 0; }

}  // namespace figures_detail
