// The --trace file: JSON Lines, one object per event, in the order they
// happen.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace plat {

// A float as a JSON number that prints in its shortest form ("0.1", not
// "0.10000000149011612"); whole values as integers.
nlohmann::json Num(float v);
nlohmann::json Num(double v);

class Trace {
public:
    // Throws std::runtime_error when the file cannot be opened. A path that
    // names a descriptor the program holds (/dev/stdout) is written where
    // that descriptor stands; any other file is emptied first.
    explicit Trace(const std::string& path);
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    // Each returns false once the file could not take what was written (a
    // full disk, a closed pipe): nothing is written after that.
    bool Write(const nlohmann::json& event);
    bool Flush();
    // Writes the run's last event. After a failed write (this one
    // included) a file of the trace's own is kept to its last whole line and
    // ends with `failedEvent`, for which the last lines give way when there
    // is no room left (a size limit); a pipe or a descriptor gets nothing.
    void WriteLast(const nlohmann::json& event, const nlohmann::json& failedEvent);
    // Flushes and closes the file.
    bool Close();
    bool Failed() const { return failed_; }
    // Why the file could not take it ("No space left on device").
    const std::string& Reason() const { return reason_; }
    // True when the write that failed was given up for a stop signal (a
    // pipe nobody read): the run ends by the signal, not by a failed output.
    bool Interrupted() const { return interrupted_; }
    const std::string& Path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
    std::string pending_;   // whole lines not written yet
    bool ownFile_ = false;  // a regular file opened here, which may be cut back
    long long whole_ = 0;   // bytes of whole lines written
    std::vector<long long> lineEnds_;   // where the last of them end, in a file of its own
    bool failed_ = false;
    std::string reason_;
    bool interrupted_ = false;
    void Fail();
    // Writes what is pending; after a failure cuts an own file back to its
    // last whole line.
    void Drain();
    static std::string Line(const nlohmann::json& event);
};

}  // namespace plat
