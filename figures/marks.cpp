// Segment marks (chevrons and ticks), angle marks and the right-angle mark.
#include <array>
#include <cmath>

#include "figures/figures.h"
#include "platform/numbers.h"

namespace {

constexpr float kChevronStep = 16;   // px between two chevrons
constexpr float kArcStep = 8;        // px between two angle arcs
constexpr float kMostMarks = 6;

// d = Q - P in Seg2X1/Seg2Y1, |PQ| in WorkD and the unit vector u from P to Q
// in Seg2X2/Seg2Y2. False for a segment of length 0, whose u is left (0, 0)
// and which gets no marks (the old routines divided by zero there).
bool SegmentDirection(Program& p) {
    p.Seg2X1 = p.Seg1X2 - p.Seg1X1;
    p.Seg2Y1 = p.Seg1Y2 - p.Seg1Y1;
    p.WorkD = std::sqrt(p.Seg2X1 * p.Seg2X1 + p.Seg2Y1 * p.Seg2Y1);
    if (p.WorkD == 0) {
        p.Seg2X2 = 0;
        p.Seg2Y2 = 0;
        return false;
    }
    p.Seg2X2 = p.Seg2X1 / p.WorkD;
    p.Seg2Y2 = p.Seg2Y1 / p.WorkD;
    return true;
}

}  // namespace

void DrawChevronMarks(Program& p) {
    bool drawable = SegmentDirection(p);
    const float ux = p.Seg2X2;
    const float uy = p.Seg2Y2;
    // The point dividing PQ in the ratio WorkA : WorkB. A ratio summing to 0
    // gives no marks (the old routine divided by zero).
    const float ratioSum = p.WorkA + p.WorkB;
    if (ratioSum == 0) drawable = false;
    const float divisor = ratioSum == 0 ? 1.0f : ratioSum;
    const float weight = ratioSum == 0 ? 0.0f : p.WorkA;
    p.ChevronTipX = p.Seg1X1 + p.Seg2X1 * weight / divisor;
    p.ChevronTipY = p.Seg1Y1 + p.Seg2Y1 * weight / divisor;
    p.FootX = p.ChevronTipX - p.MarkSize * ux;
    p.FootY = p.ChevronTipY - p.MarkSize * uy;
    const float wing = p.MarkSize / 2;
    p.MarkStartX = p.FootX - wing * uy;
    p.MarkStartY = p.FootY + wing * ux;
    p.CrossX = p.FootX + wing * uy;
    p.CrossY = p.FootY - wing * ux;
    if (p.MarkCount <= 0 || p.MarkCount > kMostMarks) p.MarkCount = 1;
    const float count = p.MarkCount;
    p.LoopIndex = 1;
    do {
        p.ChevronTipX = p.ChevronTipX + kChevronStep * ux;
        p.ChevronTipY = p.ChevronTipY + kChevronStep * uy;
        p.MarkStartX = p.MarkStartX + kChevronStep * ux;
        p.MarkStartY = p.MarkStartY + kChevronStep * uy;
        p.CrossX = p.CrossX + kChevronStep * ux;
        p.CrossY = p.CrossY + kChevronStep * uy;
        if (drawable) {
            p.rt.RtLine(p.MarkStartX, p.MarkStartY, p.ChevronTipX, p.ChevronTipY, p.LineColor);
            p.rt.RtLine(p.CrossX, p.CrossY, p.ChevronTipX, p.ChevronTipY, p.LineColor);
        }
        p.LoopIndex = p.LoopIndex + 1;
    } while (p.LoopIndex <= count);
}

void DrawTickMarks(Program& p) {
    if (p.TickSpacing == 0 || p.TickSpacing > 30) p.TickSpacing = 8;
    const bool drawable = SegmentDirection(p);
    const float ux = p.Seg2X2;
    const float uy = p.Seg2Y2;
    p.FootX = (p.Seg1X1 + p.Seg1X2) / 2;
    p.FootY = (p.Seg1Y1 + p.Seg1Y2) / 2;
    p.FootX = p.FootX + p.MarkShift * ux;
    p.FootY = p.FootY + p.MarkShift * uy;
    if (p.MarkCount < 0 || p.MarkCount > kMostMarks) p.MarkCount = 1;
    p.TickStep = p.TickSpacing;
    const float count = p.MarkCount;
    p.LoopIndex = 1;
    do {
        const float cx = p.FootX + p.TickSpacing * ux;
        const float cy = p.FootY + p.TickSpacing * uy;
        p.MarkStartX = cx + p.MarkSize * uy;
        p.MarkStartY = cy - p.MarkSize * ux;
        p.CrossX = cx - p.MarkSize * uy;
        p.CrossY = cy + p.MarkSize * ux;
        if (drawable) p.rt.RtLine(p.MarkStartX, p.MarkStartY, p.CrossX, p.CrossY, p.LineColor);
        // Not put back: the next call spaces its ticks by what is left here.
        p.TickSpacing = p.TickSpacing + p.TickStep;
        p.LoopIndex = p.LoopIndex + 1;
    } while (p.LoopIndex <= count);
}

void DrawAngleMark(Program& p) {
    ComputeAngleArcRange(p);
    if (p.MarkCount > kMostMarks) p.MarkCount = 1;
    if (p.info.wrapAngleFractions) {
        // Varnel brings fractions that stray a hair outside 0..1 back in.
        if (p.ArcFractionC < 0) p.ArcFractionC = p.ArcFractionC + 1;
        if (p.ArcFractionC > 1) p.ArcFractionC = p.ArcFractionC - 1;
        if (p.ArcFractionB < 0) p.ArcFractionB = p.ArcFractionB + 1;
        if (p.ArcFractionB > 1) p.ArcFractionB = p.ArcFractionB - 1;
    }
    // Arcs and sectors of radius 0 or less are not drawn.
    if (p.MarkCount > 0) {
        p.MarkSizeCopy = p.MarkSize;
        const float count = p.MarkCount;
        p.LoopIndex = 1;
        do {
            p.MarkSizeCopy = p.MarkSizeCopy - kArcStep;
            if (p.MarkSizeCopy > 0) {
                p.rt.RtCircle(p.MarkAX, p.MarkAY, p.MarkSizeCopy, p.AccentColor, 1, p.ArcFractionC,
                              p.ArcFractionB);
            }
            p.LoopIndex = p.LoopIndex + 1;
        } while (p.LoopIndex <= count);
    } else if (p.MarkSize > 0) {
        p.rt.RtCircle(p.MarkAX, p.MarkAY, p.MarkSize, p.LineColor, 1, p.ArcFractionC, p.ArcFractionB, true,
                      p.AccentColor);
    }
    PlaceVertexLabel(p);
    p.MarkShift = 0;
    p.MarkLabel = "";
}

void DrawRightAngleMark(Program& p) {
    ComputeAngleArcRange(p);
    const float r = p.MarkSize;
    const float cb = std::cos(p.RayAngleB);
    const float sb = std::sin(p.RayAngleB);
    const float cc = std::cos(p.RayAngleC);
    const float sc = std::sin(p.RayAngleC);
    p.ArcPointX = p.MarkAX + r * cb;
    p.ArcPointY = p.MarkAY - r * sb;
    const Pt second{p.MarkAX + r * cc, p.MarkAY - r * sc};
    const Pt corner{p.ArcPointX + r * cc, p.ArcPointY - r * sc};
    const std::array<Pt, 3> stroke{second, corner, Pt{p.ArcPointX, p.ArcPointY}};
    p.rt.RtConnect(stroke, p.LineColor);
}
