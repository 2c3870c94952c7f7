// Start-up, the error screen and the whole run of a program.
#pragma once

#include "core/program.h"

// Start-up: error trap, window, font, pen, random seed, first values, arrays.
// Goes on to the main menu when it returns.
void StartUp(Program& p);
// Seeds the random numbers again from the clock; the seed is left in WorkA.
void ReseedRandom(Program& p);
// The error screen for `error`; never returns (the program ends when the
// window is closed).
[[noreturn]] void HandleRuntimeError(Program& p, const RuntimeError& error);

// The whole program: command line, runtime, start-up, main menu, error screen.
// Returns the process exit status.
int RunProgram(int argc, char** argv, const ProgramInfo& info);
