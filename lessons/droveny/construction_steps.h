// The steps Droveny's construction topics share on top of the lesson kit
// (lessons/common/kit.h, where the compass steps, the points' dots and names
// and the text column are): lines and equal-length ticks between points of
// the point tables, and the right-angle mark that names its points.
//
// A point is named by its entry in PointX/PointY. Each call says which cells
// it leaves, since later steps of a topic read them.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/droveny/droveny.h"

namespace droveny {

// The name of a point on a line, above its left side.
inline constexpr kit::NameStyle kNameAbove{.dx = -14, .dy = -50};

// The line from point i to point j (FromPoint := i, ToPoint := j) drawn on
// past each end by `beyond` px straight up and down: from (xi, yi - beyond)
// to (xj, yj + beyond), for i above j on a vertical line.
void StretchedSegment(Program& p, int i, int j, float beyond, float color);
// Equal-length ticks on the segment from point i to point j (WorkA := i,
// WorkB := j): `count` strokes of half-length `size`, 8 px apart, the group
// moved `shift` px along i-j (MarkShift := shift; with -8 the first stroke
// crosses the middle and the next go 8 px further towards j).
void TicksBetween(Program& p, int i, int j, int count, float size, float color, float shift = -8);

// The right-angle mark of side `size` at point `vertex` between the rays to
// `b` and `c` in purple, joined from c's side with MarkShift -1 (from b's
// with 1); IndexA..IndexC := vertex, b, c.
void RightAngleAt(Droveny& p, int vertex, int b, int c, float size = 20, float shift = -1);

}  // namespace droveny
