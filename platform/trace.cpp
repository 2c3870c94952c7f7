#include "platform/trace.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace plat {

nlohmann::json Num(float v) {
    if (!std::isfinite(v)) return nullptr;
    if (v == std::trunc(v) && std::abs(v) < 9.0e15f) return static_cast<int64_t>(v);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    *r.ptr = '\0';
    // The double nearest the float's shortest text prints as that text.
    return std::strtod(buf, nullptr);
}

nlohmann::json Num(double v) {
    if (!std::isfinite(v)) return nullptr;
    if (v == std::trunc(v) && std::abs(v) < 9.0e15) return static_cast<int64_t>(v);
    return v;
}

Trace::Trace(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
    if (!file_) throw std::runtime_error("cannot write the trace file " + path);
}

Trace::~Trace() {
    if (file_) std::fclose(file_);
}

void Trace::Write(const nlohmann::json& event) {
    // Invalid UTF-8 is replaced, never allowed to stop the program.
    std::string line = event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
}

void Trace::Flush() { std::fflush(file_); }

}  // namespace plat
