// Cells of Quillet's lessons that neither the shared library nor the other
// programs' lessons use.
#pragma once

#include "platform/text.h"

struct QuilletVars {
    // The moving line of the tangent topic: its position 0..9 and its step
    // (+1 or -1).
    float SlidePosition = 0, SlideDirection = 0;
    // The turn of the figure of the perpendicular at a point of a ray.
    float TiltAngle = 0;
    // Point numbers of a right-angle mark's vertex and rays (IndexA is the
    // text area's cell).
    float IndexB = 0, IndexC = 0;
};
