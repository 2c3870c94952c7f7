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

    // ---- Sector lesson ----
    // The pizza figure: the rim angles (radians) of the M and L cut points
    // being placed, and the counter of its cut loops (the dotted cuts count
    // in LoopIndex themselves).
    float RingAngle = 0, RingAngle2 = 0, SliceIndex = 0;
    // Start angles (degrees) of the two fixed 30-degree sectors, and the fill
    // and dot colours of the slice being drawn.
    float FirstSectorStart = 0, SecondSectorStart = 0;
    float SliceFillColor = 0, SliceDotColor = 0;
};
