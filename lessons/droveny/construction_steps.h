// The steps Droveny's construction topics share on top of the lesson kit
// (lessons/common/kit.h, where the compass steps, the points' dots and names,
// the marks and the text column are): a line between points of the point
// tables drawn on past its ends.
//
// A point is named by its entry in PointX/PointY. Each call says which cells
// it leaves, since later steps of a topic read them.
//
// The topics' equal-length ticks are the kit's Ticks with shift -8 (the first
// stroke crosses the middle, the next go 8 px further towards the second
// point), and their right angles the kit's RightAngle, mostly with shift -1
// (the corner joined from the side of the second ray).
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

}  // namespace droveny
