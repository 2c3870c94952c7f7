// Cells of Pemmick's lessons that neither the shared library nor the other
// programs' lessons use.
#pragma once

#include "platform/text.h"

struct PemmickVars {
    // The three sides of the triangle of two circle centres and a crossing
    // point, in pixels: the distance of the centres, the radius about the
    // second centre (the side opposite the angle at the first) and the radius
    // about the first.
    float GraphCoefA = 0, GraphCoefB = 0, GraphCoefC = 0;
};
