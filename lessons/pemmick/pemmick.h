// Pemmick's lessons. Each routine works on the shared cells of the running
// program, as the library routines do.
#pragma once

#include "core/program.h"
#include "lessons/pemmick/pemmick_vars.h"

// The running Pemmick: the shared cells and Pemmick's own.
struct Pemmick : Program, PemmickVars {
    using Program::Program;
};

extern const ProgramInfo pemmickInfo;
