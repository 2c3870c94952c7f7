// Text as the programs hold it: a code-page-932 byte string.
//
// Lesson code writes its texts as ordinary UTF-8 literals; they are converted
// to code page 932 once, on construction, so that every character count, byte
// count, cut and search works on the same bytes the lessons were written for
// (a double-byte character is one character and two bytes; the half-width
// katakana such as "ﾀ" (C0) and "ﾝ" (DD) are single bytes).
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

class Text {
public:
    Text() = default;
    // From UTF-8 (the form of every literal in the sources).
    Text(const char* utf8);                 // NOLINT(google-explicit-constructor)
    Text(std::string_view utf8);            // NOLINT(google-explicit-constructor)
    Text(const std::string& utf8) : Text(std::string_view(utf8)) {}  // NOLINT
    Text(const char8_t* utf8);              // NOLINT(google-explicit-constructor)

    // From bytes already in code page 932.
    static Text FromBytes(std::string cp932);

    const std::string& bytes() const { return bytes_; }
    std::string utf8() const;
    bool empty() const { return bytes_.empty(); }
    std::size_t byteSize() const { return bytes_.size(); }

    Text& operator+=(const Text& other) {
        bytes_ += other.bytes_;
        return *this;
    }
    friend Text operator+(Text a, const Text& b) {
        a += b;
        return a;
    }
    // Comparison is byte order, as the runtime compares strings.
    friend bool operator==(const Text& a, const Text& b) = default;
    friend std::strong_ordering operator<=>(const Text& a, const Text& b) {
        return a.bytes_.compare(b.bytes_) <=> 0;
    }

private:
    std::string bytes_;
};

// True when `lead` starts a two-byte character in code page 932.
inline bool IsLeadByte(unsigned char lead) {
    return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
}

// UTF-8 <-> code page 932. Characters outside code page 932 become "?" /
// U+FFFD; the texts of the programs never hold any.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);
