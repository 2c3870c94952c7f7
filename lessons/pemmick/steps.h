// Steps that several of Pemmick's topics take: the dot that marks an angle,
// and the crossing points of two circles.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/pemmick/pemmick.h"

namespace pemmick {

// The dot of an angle: a disc of radius 8 in colour 7, `distance` px from
// `vertex` on the bisector of the angle between the rays to b and c
// (MarkSize := distance, MarkShift := 1, then the arc range).
void AngleDot(Pemmick& p, Pt vertex, Pt b, Pt c, float distance);

// The two points where the circle of radius GraphCoefC about `a` meets the
// circle of radius GraphCoefB about a centre GraphCoefA to the right of it
// (law of cosines): the upper one goes to point `upper`, the lower one to
// point `lower`.
void CirclesCrossing(Pemmick& p, Pt a, int upper, int lower);

}  // namespace pemmick
