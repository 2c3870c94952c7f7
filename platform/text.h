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

// UTF-8 <-> code page 932. A character outside code page 932 becomes "?"
// (and is reported, see below); bytes that are no code page 932 character
// become U+FFFD. The texts of the programs never hold either.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);

// A character of a UTF-8 text that code page 932 cannot hold (or a byte that
// is no UTF-8), met by Utf8ToCp932: `character` is that character's UTF-8
// bytes, `text` the whole text being converted, in which it becomes "?".
struct LostCharacter {
    std::string character;
    std::string text;
};

// Called for each lost character. The default writes ReportLostCharacter's
// line on stderr, once for each character and text; the tests install a hook
// that fails the test.
using LostCharacterHook = void (*)(const LostCharacter&);
// Installs `hook` (nullptr: the default) and returns the one it replaces.
// The programs run on one thread; so does the hook.
LostCharacterHook SetLostCharacterHook(LostCharacterHook hook);
void ReportLostCharacter(const LostCharacter& lost);
// The line ReportLostCharacter writes (without its newline), e.g.
//   text: "㎠" (U+33A0) has no code page 932 form; drawn as "?" in "4㎠"
std::string DescribeLostCharacter(const LostCharacter& lost);
