// The crossing points of two circles, which two of Pemmick's topics find.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/pemmick/pemmick.h"

namespace pemmick {

// The two points where the circle of radius GraphCoefC about `a` meets the
// circle of radius GraphCoefB about a centre GraphCoefA to the right of it
// (law of cosines): the upper one goes to point `upper`, the lower one to
// point `lower`.
void CirclesCrossing(Pemmick& p, Pt a, int upper, int lower);

}  // namespace pemmick
