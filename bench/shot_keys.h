// The keys the window bench measures one --shots picture against, for each
// program: `lead` reaches a lesson screen, and `step`, repeated, goes on
// through it; every key draws at least kLeastDrawnPerKey operations (more
// than a blinking cursor), and a step ends where the next one begins, so any
// number of them can follow each other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench {

struct ShotKeys {
    const char* program;
    const char* lead;
    const char* step;
    const char* screen;   // what the keys go through, for the bench's output
};

inline constexpr int kLeastDrawnPerKey = 2;

inline constexpr ShotKeys kShotKeys[] = {
    {"varnel", "3{Enter}2{Enter}{Enter}", "{Right}{Left}", "the translation slide"},
    {"droveny", "1{Enter}5{Enter}a", "{Right}{Left}", "point A stepped along l"},
    {"pemmick", "1{Enter}", "1{Enter}xxxxxxxxxxxxxxx", "a construction step by step"},
    {"quillet", "3{Enter}", "1{Enter}abcdefghijklmnop", "the 75-degree angle step by step"},
};

// The keys of `program` (a name or a path ending in it), or nothing.
inline const ShotKeys* ShotKeysFor(std::string_view program) {
    const std::size_t slash = program.rfind('/');
    if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
    for (const ShotKeys& k : kShotKeys)
        if (program == k.program) return &k;
    return nullptr;
}

// The number of keys in a key script ({Enter} is one key, {{ one brace).
inline int KeyCount(std::string_view script) {
    int n = 0;
    for (std::size_t i = 0; i < script.size(); ++i, ++n) {
        if (script[i] != '{') continue;
        if (i + 1 < script.size() && script[i + 1] == '{') ++i;
        else if (const std::size_t close = script.find('}', i); close != std::string_view::npos) i = close;
    }
    return n;
}

// `lead` and then `step` `times` times.
inline std::string Repeated(const ShotKeys& k, int times) {
    std::string keys = k.lead;
    for (int i = 0; i < times; ++i) keys += k.step;
    return keys;
}

}  // namespace bench
