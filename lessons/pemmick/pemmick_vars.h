// Cells of Pemmick's lessons that neither the shared library nor the other
// programs' lessons use.
#pragma once

#include "platform/text.h"

struct PemmickVars {
};
