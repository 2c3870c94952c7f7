#include "platform/trace.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstring>
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

Trace::Trace(const std::string& path) : file_(std::fopen(path.c_str(), "w")), path_(path) {
    if (!file_) throw std::runtime_error("cannot write the trace file " + path);
}

Trace::~Trace() { Close(); }

void Trace::Fail() {
    if (!failed_) reason_ = std::strerror(errno);
    failed_ = true;
}

bool Trace::Write(const nlohmann::json& event) {
    if (failed_ || !file_) return false;
    // Invalid UTF-8 is replaced, never allowed to stop the program.
    std::string line = event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) Fail();
    return !failed_;
}

bool Trace::Flush() {
    if (failed_ || !file_) return false;
    if (std::fflush(file_) != 0) Fail();
    return !failed_;
}

bool Trace::Close() {
    if (!file_) return !failed_;
    Flush();
    if (std::fclose(file_) != 0) Fail();
    file_ = nullptr;
    return !failed_;
}

}  // namespace plat
