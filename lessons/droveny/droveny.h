// Droveny's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/droveny/droveny_vars.h"

// The running Droveny: the shared cells and Droveny's own.
struct Droveny : Program, DrovenyVars {
    using Program::Program;
};

extern const ProgramInfo drovenyInfo;
