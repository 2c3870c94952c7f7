// The --trace file: JSON Lines, one object per event, in the order they
// happen.
#pragma once

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

namespace plat {

// A float as a JSON number that prints in its shortest form ("0.1", not
// "0.10000000149011612"); whole values as integers.
nlohmann::json Num(float v);
nlohmann::json Num(double v);

class Trace {
public:
    // Throws std::runtime_error when the file cannot be opened.
    explicit Trace(const std::string& path);
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    // Each returns false once the file could not take what was written (a
    // full disk, a closed pipe): nothing is written after that.
    bool Write(const nlohmann::json& event);
    bool Flush();
    // Flushes and closes the file.
    bool Close();
    bool Failed() const { return failed_; }
    // Why the file could not take it ("No space left on device").
    const std::string& Reason() const { return reason_; }
    const std::string& Path() const { return path_; }

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool failed_ = false;
    std::string reason_;
    void Fail();
};

}  // namespace plat
