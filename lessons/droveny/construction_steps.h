// The steps Droveny's construction topics are written in, on top of the
// lesson kit: a topic's opening and text block, figure points given in grid
// cells, point dots and letters, lines and radii between points of the point
// tables, equal-length ticks, and the compass arc.
//
// A point is named by its entry in PointX/PointY. Each call says which cells
// it leaves, since later steps of a topic read them.
#pragma once

#include <initializer_list>

#include "lessons/common/kit.h"
#include "lessons/droveny/droveny.h"

namespace droveny {

// ---- Figure points ----------------------------------------------------------

using kit::CellPoint;
// Stores the points in grid cells, then turns exactly those entries into
// pixels of the current frame (LoopIndex counts); every other entry keeps its
// value.
void SetCellPoints(Program& p, std::initializer_list<CellPoint> points);
// Turns the listed entries from grid cells into pixels of the current frame
// (LoopIndex counts).
void EntriesToPixels(Program& p, std::initializer_list<int> entries);

// A point's letter: `text` in `color` with its top-left corner at the point
// moved by (dx, dy). The text block's cells stay.
void Letter(Program& p, int entry, float dx, float dy, const Text& text, float color = kit::kTeal);
void LetterAt(Program& p, Pt at, float dx, float dy, const Text& text, float color = kit::kTeal);
// A named point: its dot and its letter, both in teal.
void DotAndName(Program& p, int entry, float dx, float dy, const Text& name);

// ---- Lines, radii and ticks between points ----------------------------------

// The line from point i to point j (FromPoint := i, ToPoint := j) drawn on
// past each end by `beyond` px straight up and down: from (xi, yi - beyond)
// to (xj, yj + beyond), for i above j on a vertical line.
void StretchedSegment(Program& p, int i, int j, float beyond, float color);
// Radius := the distance from point `centre` to point `other` (WorkA :=
// centre, WorkC := other); returns it.
float RadiusBetween(Program& p, int centre, int other);
// Equal-length ticks on the segment from point i to point j (WorkA := i,
// WorkB := j): `count` strokes of half-length `size`, 8 px apart, the group
// moved `shift` px along i-j (MarkShift := shift; with -8 the first stroke
// crosses the middle and the next go 8 px further towards j).
void TicksBetween(Program& p, int i, int j, int count, float size, float color, float shift = -8);

// The right-angle mark of side `size` at point `vertex` between the rays to
// `b` and `c` in purple, joined from c's side with MarkShift -1 (from b's
// with 1); IndexA..IndexC := vertex, b, c.
void RightAngleAt(Droveny& p, int vertex, int b, int c, float size = 20, float shift = -1);

// ---- Compass arcs -----------------------------------------------------------

// The ray whose arc fraction an end of an arc starts from: ArcFractionB or
// ArcFractionC as ComputeAngleArcRange leaves them.
enum class Ray { B, C };
// One end of a compass arc: the fraction of `ray` plus `offset` of a turn;
// with `wrap` a result outside 0..1 is brought back by one turn.
struct ArcEnd {
    Ray ray = Ray::C;
    float offset = 0;
    bool wrap = false;
};
// One compass step: the centre's dot drawn again in the arc's colour, Radius
// from the centre to `through`, the arc range of the angle at the centre
// between the rays to `b` and `c` (exchanged when `shift` is -1), and the arc
// of that radius from `start` to `end`, clockwise, passing through fraction 0
// when the end is below the start.
struct CompassStep {
    int centre = 1;
    int through = 2;
    int b = 2;
    int c = 3;
    float shift = 1;
    float color = kit::kGrey;
    ArcEnd start;
    ArcEnd end;
};
using kit::ArcSpan;
// Draws the step. Leaves Radius, WorkA = centre, WorkB = b, WorkC = c,
// MarkShift = shift and the arc range cells (ArcFractionB, ArcFractionC,
// RayAngleB, RayAngleC, BisectorAngle) unwrapped; returns the fractions
// drawn.
ArcSpan DrawCompassArc(Program& p, const CompassStep& step);

}  // namespace droveny
