// The steps the angle-bisector lesson's topics share, on top of the lesson kit
// and Droveny's construction steps: points placed about the vertex and the
// angle AOB with its names.
#pragma once

#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

namespace droveny {

// Point `entry` at `radius` px from point 0 in the direction `degrees`
// (counter-clockwise as seen): Radius := radius, PointAngle(1) := the
// direction in radians (with Pi as the frame left it).
void PlaceAboutVertex(Droveny& p, int entry, float radius, float degrees);

// The names O, A, B of points 0 to 2 in teal: O 32 px left of the vertex, A
// and B 8 px right of their ends, all 25 px up.
void NameAngleAOB(Droveny& p);
// The sides OA and OB (points 0 to 1 and 0 to 2) in black, then their names.
void DrawAngleAOB(Droveny& p);

}  // namespace droveny
