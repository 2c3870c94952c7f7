// Construction geometry: crossings of lines, feet of perpendiculars, points
// completed on a line, and prime factors.
#include <cmath>

#include "figures/figures.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace {

// The slope cells hold this for a vertical line.
constexpr float kVerticalSlope = 1000;

// Slope and intercept of the line through (x1, y1) and (x2, y2); a vertical
// line puts its x into CrossX instead of an intercept. Returns true for a
// vertical line. Two equal points count as a horizontal line.
bool LineSlope(Program& p, float x1, float y1, float x2, float y2, float& slope, float& intercept) {
    if (y1 == y2) {
        slope = 0;
        intercept = y1;
        return false;
    }
    if (x1 == x2) {
        slope = kVerticalSlope;
        p.CrossX = x1;
        return true;
    }
    slope = (y2 - y1) / (x2 - x1);
    intercept = y1 - slope * x1;
    return false;
}

enum class LineKind { Vertical, Horizontal, Sloping };

// How the foot and the completed point take line Seg1: vertical when its two
// x are equal (two equal points included), else horizontal when its two y
// are equal, else sloping, with no tolerance. A slant that single precision
// cannot hold as a slope counts as the nearer of the two: a slope that comes
// out infinite as vertical, one that comes out 0 (or whose reciprocal
// overflows) as horizontal; the old routines divided by such a slope.
LineKind KindOfLine(const Program& p) {
    if (p.Seg1X1 == p.Seg1X2) return LineKind::Vertical;
    if (p.Seg1Y1 == p.Seg1Y2) return LineKind::Horizontal;
    const float slope = (p.Seg1Y2 - p.Seg1Y1) / (p.Seg1X2 - p.Seg1X1);
    if (!std::isfinite(slope)) return LineKind::Vertical;
    if (!std::isfinite(1 / slope)) return LineKind::Horizontal;
    return LineKind::Sloping;
}

}  // namespace

void IntersectLines(Program& p) {
    // Whether a line is vertical is kept apart from its slope cell, so a line
    // of true slope 1000 is not taken for a vertical one (the old routine
    // told them apart by the slope alone).
    const bool vertical1 = LineSlope(p, p.Seg1X1, p.Seg1Y1, p.Seg1X2, p.Seg1Y2, p.Line1Slope, p.Line1Intercept);
    const bool vertical2 = LineSlope(p, p.Seg2X1, p.Seg2Y1, p.Seg2X2, p.Seg2Y2, p.Line2Slope, p.Line2Intercept);
    const float m1 = p.Line1Slope;
    const float b1 = p.Line1Intercept;
    const float m2 = p.Line2Slope;
    const float b2 = p.Line2Intercept;
    // Parallel or identical lines: no crossing; CrossY keeps its value.
    if (vertical1 && vertical2) return;
    if (!vertical1 && !vertical2 && m1 == m2) return;
    if (vertical1) {
        p.CrossY = Checked(m2 * p.CrossX + b2);
    } else if (vertical2) {
        p.CrossY = Checked(m1 * p.CrossX + b1);
    } else {
        // Each result is computed in double from the stored single-precision
        // cells and stored rounded: for a nearly vertical line (slope 1e6) the
        // single-precision products cancel and put the crossing pixels off.
        const double dm1 = m1, db1 = b1, dm2 = m2, db2 = b2;
        p.CrossX = static_cast<float>(Checked((db1 - db2) / (dm2 - dm1)));
        p.CrossY = static_cast<float>(Checked((db1 * (dm2 - dm1) - dm1 * (db2 - db1)) / (dm2 - dm1)));
    }
}

void DrawPerpendicularFoot(Program& p) {
    const LineKind kind = KindOfLine(p);
    if (kind == LineKind::Vertical) {
        p.FootX = p.Seg1X1;
        p.FootY = p.Seg2Y1;
    } else if (kind == LineKind::Horizontal) {
        p.FootX = p.Seg2X1;
        p.FootY = p.Seg1Y1;
    } else {
        // Slopes and intercepts of the line and of the perpendicular through
        // the point, kept in the coordinate plane's range cells.
        p.GraphXMin = Checked((p.Seg1Y2 - p.Seg1Y1) / (p.Seg1X2 - p.Seg1X1));
        p.GraphYMin = Checked(p.Seg1Y1 - p.GraphXMin * p.Seg1X1);
        p.GraphXMax = Checked(-1 / p.GraphXMin);
        p.GraphYMax = Checked(p.Seg2Y1 - p.GraphXMax * p.Seg2X1);
        const float m = p.GraphXMin;
        const float b = p.GraphYMin;
        const float n = p.GraphXMax;
        const float c = p.GraphYMax;
        p.FootX = Checked((c - b) / (m - n));
        p.FootY = Checked((m * c - n * b) / (m - n));
    }
    // A dot of background colour blanks the foot in whatever is drawn there.
    p.rt.RtCircle(p.FootX, p.FootY, 2, kBackgroundColor, 1, 0, 0, true);
}

void CompletePointOnLine(Program& p) {
    const LineKind kind = KindOfLine(p);
    if (kind == LineKind::Vertical) {
        p.SavedPenX = p.Seg1X1;
        p.SavedPenY = p.Seg2Y1;
        return;
    }
    if (kind == LineKind::Horizontal) {
        p.SavedPenX = p.Seg2X1;
        p.SavedPenY = p.Seg1Y1;
        return;
    }
    p.WorkA = Checked((p.Seg1Y2 - p.Seg1Y1) / (p.Seg1X2 - p.Seg1X1));
    p.WorkB = Checked(p.Seg1Y1 - p.WorkA * p.Seg1X1);
    // A negative coordinate marks the one asked for.
    if (p.Seg2X1 < 0) {
        p.SavedPenX = Checked((p.Seg2Y1 - p.WorkB) / p.WorkA);
        p.SavedPenY = p.Seg2Y1;
    }
    if (p.Seg2Y1 < 0) {
        p.SavedPenY = Checked(p.WorkA * p.Seg2X1 + p.WorkB);
        p.SavedPenX = p.Seg2X1;
    }
}

void FactorizeIntoPrimes(Program& p) {
    static constexpr float kPrimes[10] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 1; k <= 10; ++k) {
        p.PolygonVertex(k, 1) = 0;
        p.PolygonVertex(k, 2) = 0;
    }
    for (int k = 1; k <= 10; ++k) p.PointAngle(k) = kPrimes[k - 1];
    p.FactorNumber = std::fabs(p.FactorNumber);
    const float original = p.FactorNumber;
    p.DivisorCount = 1;
    p.FactorCount = 1;
    // 0 (or what rounds to it) is divisible by every prime, and a number that
    // is not finite has no whole value: no factors, and no endless loop.
    if (!std::isfinite(p.FactorNumber) || (p.FactorNumber < 1 && RtCInt(p.FactorNumber) == 0)) {
        p.FactorCount = 0;
        return;
    }
    for (;;) {
        if (p.DivisorCount == 10) {
            p.FactorCount = p.FactorCount - 1;
            p.PolygonVertex(10, 1) = p.FactorNumber;
            p.PolygonVertex(10, 2) = 1;
            p.FactorNumber = original;
            return;
        }
        const float prime = p.PointAngle(static_cast<double>(p.DivisorCount));
        const double row = p.FactorCount;
        if (RtCInt(p.FactorNumber) % RtCInt(prime) == 0) {
            p.PolygonVertex(row, 1.0) = prime;
            p.PolygonVertex(row, 2.0) = p.PolygonVertex(row, 2.0) + 1;
            p.FactorNumber = p.FactorNumber / prime;
            continue;
        }
        if (p.PolygonVertex(row, 1.0) != 0) p.FactorCount = p.FactorCount + 1;
        p.DivisorCount = p.DivisorCount + 1;
    }
}
