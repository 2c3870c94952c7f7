#include "platform/trace.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/outputs.h"
#include "platform/signals.h"

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

namespace {

// Pending lines are written out once they pass this size.
constexpr std::size_t kTraceBuffer = 16 * 1024;
// How many of the last line ends are kept (the end event is shorter than
// any few lines).
constexpr std::size_t kLinesKept = 64;

}  // namespace

Trace::Trace(const std::string& path) : path_(path) {
    bool held = false;
    std::string why;
    fd_ = OpenOutputStream(path, held, why);
    if (fd_ < 0) throw std::runtime_error("cannot write the trace file " + path + ": " + why);
    struct stat st;
    ownFile_ = !held && fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
}

Trace::~Trace() { Close(); }

void Trace::Fail() {
    if (!failed_) {
        reason_ = std::strerror(errno);
        interrupted_ = StopInterrupts(errno);
    }
    failed_ = true;
}

std::string Trace::Line(const nlohmann::json& event) {
    // Invalid UTF-8 is replaced, never allowed to stop the program.
    return event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
}

void Trace::Drain() {
    if (failed_ || fd_ < 0 || pending_.empty()) return;
    const std::size_t landed = WriteAll(fd_, pending_);
    // Where the last whole lines end, for a file that may be cut back.
    const long long start = whole_;
    for (std::size_t at = pending_.find('\n'); at < landed; at = pending_.find('\n', at + 1)) {
        whole_ = start + static_cast<long long>(at) + 1;
        if (ownFile_) lineEnds_.push_back(whole_);
    }
    if (lineEnds_.size() > 2 * kLinesKept) lineEnds_.erase(lineEnds_.begin(), lineEnds_.end() - kLinesKept);
    if (landed < pending_.size()) {
        Fail();
        if (ownFile_ && ftruncate(fd_, whole_) == 0) lseek(fd_, whole_, SEEK_SET);
    }
    pending_.clear();
}

bool Trace::Write(const nlohmann::json& event) {
    if (failed_ || fd_ < 0) return false;
    pending_ += Line(event);
    if (pending_.size() >= kTraceBuffer) Drain();
    return !failed_;
}

void Trace::WriteLast(const nlohmann::json& event, const nlohmann::json& failedEvent) {
    if (fd_ < 0) return;
    if (!failed_) {
        pending_ += Line(event);
        Drain();
        if (!failed_) return;
    }
    if (!ownFile_) return;
    // The last event says why the run ended, and here that the trace could
    // not be written whole: when it does not fit in the room the failure
    // left (a size limit), the last lines give way to it.
    const int e = errno;
    const std::string line = Line(failedEvent);
    while (WriteAll(fd_, line) != line.size()) {
        if (ftruncate(fd_, whole_) != 0) break;   // what went in of it
        while (!lineEnds_.empty() && lineEnds_.back() >= whole_) lineEnds_.pop_back();
        if (lineEnds_.empty()) {
            lseek(fd_, whole_, SEEK_SET);
            break;
        }
        whole_ = lineEnds_.back();
        if (ftruncate(fd_, whole_) != 0 || lseek(fd_, whole_, SEEK_SET) < 0) break;
    }
    errno = e;
}

bool Trace::Flush() {
    Drain();
    return !failed_;
}

bool Trace::Close() {
    if (fd_ < 0) return !failed_;
    Drain();
    if (::close(fd_) != 0 && errno != EINTR) Fail();
    fd_ = -1;
    return !failed_;
}

}  // namespace plat
