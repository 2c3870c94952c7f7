// Entry point shared by the four programs; which one is built is chosen by
// GEO_PROGRAM_INFO (varnelInfo, drovenyInfo, ...).
#include "shell/startup.h"

extern const ProgramInfo GEO_PROGRAM_INFO;

int main(int argc, char** argv) { return RunProgram(argc, argv, GEO_PROGRAM_INFO); }
