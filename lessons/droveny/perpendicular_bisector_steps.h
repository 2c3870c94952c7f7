// The steps the perpendicular-bisector lesson's construction topics share, on
// top of the lesson kit and Droveny's construction steps: the segment AB with
// its named ends, the figure turned about its midpoint, and the pair of
// compass arcs about A and B that cross on the bisector.
#pragma once

#include "lessons/droveny/construction_steps.h"
#include "lessons/droveny/droveny.h"

namespace droveny {

// AB (points 1 and 2) in black, then A and B dotted and named above.
void DrawSegmentAB(Droveny& p);

// Points 1 to 4 turned about point `centre` clockwise as seen by 30 degrees
// (TurnAngle); each turn leaves DirectionAngle and Distance from the centre.
// Counts in LoopIndex.
void TurnFirstFourBy30(Droveny& p, int centre);

// The compass arcs of the pair, each 0.03 turn past both points it passes:
// about A (point 1) through C (3), across to D (4); about B (2) through D,
// across to C.
inline constexpr kit::CompassStyle kArcAboutA{.centre = 1, .through = 3, .b = 4, .c = 3,
                                              .start = kit::RayC(-0.03f), .end = kit::RayB(0.03f), .color = kit::kGrey};
inline constexpr kit::CompassStyle kArcAboutB{.centre = 2, .through = 4, .b = 3, .c = 4,
                                              .start = kit::RayC(-0.03f), .end = kit::RayB(0.03f), .color = kit::kGrey};

}  // namespace droveny
