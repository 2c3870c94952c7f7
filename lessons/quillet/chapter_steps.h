// Small steps the chapter-problem screens share: dots on the point tables and
// compass arcs whose ends are kept within one turn.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

namespace chapter {

// The dot of point i: a disc of radius 6 in `color`.
inline void Dot(Quillet& p, int i, float color) { kit::Disc(p, kit::P(p, i), 6, color); }

// The ends of a compass arc kept within 0..1: an end above 1 loses a turn, a
// start below 0 gains one; an end of exactly 0 or 1 passes unchanged. The arc
// about point `centre` with radius Radius runs from the start to the end; the
// fractions drawn are left in `startCell` and `endCell`.
inline void WrappedArc(Quillet& p, int centre, float color, float start, float end, float& startCell,
                       float& endCell) {
    if (end > 1) end -= 1;
    if (start < 0) start += 1;
    startCell = start;
    endCell = end;
    kit::Arc(p, kit::P(p, centre), p.Radius, color, start, end);
}
// The same with the start left in ArcFractionC and the end in ArcFractionB.
inline void WrappedArc(Quillet& p, int centre, float color, float start, float end) {
    WrappedArc(p, centre, color, start, end, p.ArcFractionC, p.ArcFractionB);
}

}  // namespace chapter
