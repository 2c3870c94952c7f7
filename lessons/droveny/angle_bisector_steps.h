// The steps the angle-bisector lesson's topics share, on top of the lesson kit
// and Droveny's construction steps: points placed about the vertex, the
// equal-angle mark and compass arcs that keep the opening.
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

// The equal-angle mark of the angle at `vertex` between the rays to `b` and
// `c`: a disc of radius 8 in purple `size` px from the vertex along the
// bisector of the angle (ComputeAngleArcRange with MarkShift 1, so the
// bisector is turned half a turn when the direction of b is the larger).
// Leaves WorkA..WorkC = vertex, b, c, MarkSize = size, MarkShift 1, the arc
// range cells, and PenX, PenY at the disc's centre.
void EqualAngleDisc(Droveny& p, int vertex, int b, int c, float size);

// The arc range of the angle at point `centre` between the rays to `b` and
// `c` (MarkShift 1), with WorkA..WorkC = centre, b, c.
void CompassRange(Droveny& p, int centre, int b, int c);

// A numbered line of text 50 px below the last: the number `mark` at TextLeft
// in `markColor`, the sentence 10 px after it in `color`.
void NumberedLine(Droveny& p, const Text& mark, float markColor, const Text& sentence, float color);

// A compass arc about point `centre` with the opening Radius kept from the
// step before: the centre's dot in `color`, the arc range of the rays to `b`
// and `c`, and the arc `half` of a turn to each side of the ray to c (the
// second arc of a pair, which must meet the first).
void KeptRadiusArc(Droveny& p, int centre, int b, int c, float color, float half = 0.05f);

}  // namespace droveny
