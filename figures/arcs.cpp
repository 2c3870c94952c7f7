// The half-ellipse over a segment: the dotted dimension arc and the fold
// path that carries a vertex to its mirror image.
//
// Both lay the segment A-B out horizontally from A to the right, take the
// ellipse point there (centre O = (A.x + HalfSpan, A.y) in MarkCX/MarkCY) and
// turn it about A by the direction of A->B (BaseDirection).
#include <cmath>

#include "figures/figures.h"

namespace {

// At most this many dots per arc: a tiny dot step (or a sweep of millions of
// degrees) would otherwise draw for minutes.
constexpr int kMostDots = 36000;

// HalfSpan, the layout centre and BaseDirection for the segment A-B.
void LayOutSegment(Program& p) {
    p.Seg2X1 = p.MarkBX - p.MarkAX;
    p.Seg2Y1 = p.MarkBY - p.MarkAY;
    p.HalfSpan = std::sqrt(p.Seg2X1 * p.Seg2X1 + p.Seg2Y1 * p.Seg2Y1) / 2;
    p.MarkCX = p.MarkAX + p.HalfSpan;
    p.MarkCY = p.MarkAY;
    ComputeDirectionAngle(p);
    p.BaseDirection = p.DirectionAngle;
}

// The ellipse point at parameter `theta` (radians) with semi-axis `bulge`
// across the segment, laid out (ArcPointX/Y, also MarkBX/BY) and turned onto
// the segment (TipX/Y). A segment of length 0 has A as its only point (the
// old layout divided the bulge by the half length 0).
void EllipsePoint(Program& p, float theta, float bulge) {
    p.ArcPointX = p.MarkCX + p.HalfSpan * std::cos(theta);
    p.ArcPointY = p.HalfSpan == 0 ? p.MarkCY : p.MarkCY - (bulge / p.HalfSpan) * p.HalfSpan * std::sin(theta);
    p.MarkBX = p.ArcPointX;
    p.MarkBY = p.ArcPointY;
    ComputeDirectionAngle(p);
    const float dx = p.ArcPointX - p.MarkAX;
    const float dy = p.ArcPointY - p.MarkAY;
    p.Distance = std::sqrt(dx * dx + dy * dy);
    p.TipX = p.MarkAX + p.Distance * std::cos(p.BaseDirection + p.DirectionAngle);
    p.TipY = p.MarkAY - p.Distance * std::sin(p.BaseDirection + p.DirectionAngle);
}

}  // namespace

void DrawDottedDimensionArc(Program& p) {
    if (p.ArcBulge > 0 && p.ArcBulge < 16) {
        p.ArcBulge = p.ArcBulge * 16;
    } else if (p.ArcBulge < 0) {
        p.ArcBulge = std::fabs(p.ArcBulge);
    }
    const float bulge = p.ArcBulge;
    p.SavedMarkAX = p.MarkAX;
    p.SavedMarkAY = p.MarkAY;
    p.SavedMarkBX = p.MarkBX;
    p.SavedMarkBY = p.MarkBY;
    LayOutSegment(p);

    // Parameter range in degrees: 180..360 lies right of A->B as seen, from A
    // to B; 0..180 left of it, from B to A.
    float start = 0;
    float end = 180;
    if (p.ArcSide > 0) {
        start = 180;
        end = p.ArcSweep > 0 ? 180 + p.ArcSweep : 360;
    } else if (p.ArcSide < 0 && p.ArcSweep > 0) {
        end = p.ArcSweep;
    }

    // A segment of length 0 gets no dots (the old routine divided by zero).
    const bool drawable = p.HalfSpan != 0;
    const float step = p.BoxWidth;
    int dots = 0;
    p.LoopIndex = start;
    for (;;) {
        p.AngleDegrees = p.LoopIndex * p.Pi / 180;   // radians, despite the name
        EllipsePoint(p, p.AngleDegrees, bulge);
        if (drawable) p.rt.RtCircle(p.TipX, p.TipY, 0.5f, p.LineColor, 1, 0, 0, true);
        ++dots;
        const float next = p.LoopIndex + step;
        const bool moved = next != p.LoopIndex;
        p.LoopIndex = next;
        // A step of 0 draws one dot, as a negative step does (the old loop
        // never ended); so does a step too small to move the counter.
        if (!(step > 0) || !moved || dots >= kMostDots) break;
        if (!(p.LoopIndex <= end)) break;
    }

    // The middle of the arc, where the label goes.
    EllipsePoint(p, (start + end) / 2 * p.Pi / 180, bulge);
    p.MarkCX = p.SavedMarkBX;
    p.MarkCY = p.SavedMarkBY;
    p.MarkBX = p.SavedMarkAX;
    p.MarkBY = p.SavedMarkAY;
    p.MarkAX = p.TipX;
    p.MarkAY = p.TipY;
    p.MarkSize = 0;
    // The ray exchange turns the bisector outward on either side.
    p.MarkShift = p.ArcSide;
    PlaceVertexLabel(p);
    p.MarkLabel = "";
    p.ArcSweep = 0;
}

void PointOnArcOverSegment(Program& p) {
    LayOutSegment(p);
    EllipsePoint(p, p.ArcAngle * p.Pi / 180, p.ArcBulge);
}
