#include "core/program.h"

std::unique_ptr<Program> CreateProgram(Runtime& runtime, const ProgramInfo& info) {
    if (info.create) return info.create(runtime, info);
    return std::make_unique<Program>(runtime, info);
}
