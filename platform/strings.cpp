#include "platform/strings.h"

#include <vector>

namespace {

// Byte offsets where each character of `t` starts, plus the end.
std::vector<size_t> CharStarts(const std::string& b) {
    std::vector<size_t> starts;
    starts.reserve(b.size() + 1);
    size_t i = 0;
    while (i < b.size()) {
        starts.push_back(i);
        i += (IsLeadByte(static_cast<unsigned char>(b[i])) && i + 1 < b.size()) ? 2 : 1;
    }
    starts.push_back(b.size());
    return starts;
}

// Characters [first, first + n) by 0-based index, clamped.
Text CharSlice(const Text& t, int64_t first, int64_t n) {
    if (n <= 0 || first < 0) return {};
    auto starts = CharStarts(t.bytes());
    int64_t count = static_cast<int64_t>(starts.size()) - 1;
    if (first >= count) return {};
    int64_t last = first + n > count ? count : first + n;
    return Text::FromBytes(t.bytes().substr(starts[first], starts[last] - starts[first]));
}

Text ByteSlice(const Text& t, int64_t first, int64_t n) {
    const auto& b = t.bytes();
    int64_t size = static_cast<int64_t>(b.size());
    if (n <= 0 || first < 0 || first >= size) return {};
    int64_t len = first + n > size ? size - first : n;
    return Text::FromBytes(b.substr(static_cast<size_t>(first), static_cast<size_t>(len)));
}

}  // namespace

int32_t RtCharLen(const Text& t) { return static_cast<int32_t>(CharStarts(t.bytes()).size()) - 1; }

Text RtCharLeft(const Text& t, int32_t n) { return CharSlice(t, 0, n); }

Text RtCharMid(const Text& t, int32_t start, int32_t n) {
    if (start < 1) return {};
    return CharSlice(t, static_cast<int64_t>(start) - 1, n);
}

Text RtCharRight(const Text& t, int32_t n) {
    if (n <= 0) return {};
    int64_t len = RtCharLen(t);
    return CharSlice(t, n >= len ? 0 : len - n, n);
}

int32_t RtCharInstr(int32_t start, const Text& t, const Text& what) {
    if (start < 1) return 0;
    auto starts = CharStarts(t.bytes());
    int32_t count = static_cast<int32_t>(starts.size()) - 1;
    if (what.empty()) return start <= count ? start : 0;
    // Matches begin on character boundaries only.
    for (int32_t i = start - 1; i < count; ++i)
        if (t.bytes().compare(starts[i], what.bytes().size(), what.bytes()) == 0) return i + 1;
    return 0;
}

int32_t RtByteLen(const Text& t) { return static_cast<int32_t>(t.bytes().size()); }

Text RtByteLeft(const Text& t, int32_t n) { return ByteSlice(t, 0, n); }

Text RtByteMid(const Text& t, int32_t start, int32_t n) {
    if (start < 1) return {};
    return ByteSlice(t, static_cast<int64_t>(start) - 1, n);
}

Text RtByteRight(const Text& t, int32_t n) {
    if (n <= 0) return {};
    int64_t len = RtByteLen(t);
    return ByteSlice(t, n >= len ? 0 : len - n, n);
}

int32_t RtByteInstr(int32_t start, const Text& t, const Text& what) {
    if (start < 1) return 0;
    const auto& b = t.bytes();
    if (static_cast<size_t>(start) > b.size()) return 0;
    size_t pos = b.find(what.bytes(), static_cast<size_t>(start) - 1);
    return pos == std::string::npos ? 0 : static_cast<int32_t>(pos) + 1;
}

Text RtChr(int32_t code) {
    if (code < 0) return {};
    if (code < 256) return Text::FromBytes(std::string(1, static_cast<char>(code)));
    std::string s;
    s += static_cast<char>((code >> 8) & 0xFF);
    s += static_cast<char>(code & 0xFF);
    return Text::FromBytes(s);
}

int32_t RtAsc(const Text& t) {
    const auto& b = t.bytes();
    if (b.empty()) return 0;
    auto lead = static_cast<unsigned char>(b[0]);
    if (IsLeadByte(lead) && b.size() >= 2) return lead * 256 + static_cast<unsigned char>(b[1]);
    return lead;
}
