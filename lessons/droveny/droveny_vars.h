// Cells of Droveny's lessons that neither the shared library nor the other
// programs' lessons use.
#pragma once

#include "platform/text.h"

struct DrovenyVars {
    // Further distances along the bisector in the angle-bisector lesson.
    float Radius3 = 0, Radius4 = 0;
};
