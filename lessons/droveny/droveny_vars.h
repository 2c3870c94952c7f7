// Cells of Droveny's lessons that neither the shared library nor the other
// programs' lessons use.
#pragma once

#include "platform/text.h"

struct DrovenyVars {
    // Point numbers of the vertex and the two sides of a right-angle mark
    // (IndexA, the vertex, is a shared scratch cell).
    float IndexB = 0, IndexC = 0;
    // Further distances along the bisector in the angle-bisector lesson.
    float Radius3 = 0, Radius4 = 0;
};
