// Cells of Pemmick's lessons that neither the shared library nor the other
// programs' lessons use. (The two-circle constructions keep the sides of the
// triangle of the centres and a crossing point, in pixels, in the library's
// GraphCoefA, GraphCoefB and GraphCoefC: the distance of the centres, the
// radius about the second centre and the radius about the first.)
#pragma once

#include "platform/text.h"

struct PemmickVars {};
