// Quillet's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/quillet/quillet_vars.h"

// The running Quillet: the shared cells and Quillet's own.
struct Quillet : Program, QuilletVars {
    using Program::Program;
};

extern const ProgramInfo quilletInfo;
