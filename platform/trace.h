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
    // Throws std::runtime_error when the file cannot be written.
    explicit Trace(const std::string& path);
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    void Write(const nlohmann::json& event);
    void Flush();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace plat
