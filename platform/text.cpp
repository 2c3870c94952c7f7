#include "platform/text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

namespace {

// The default hook: ReportLostCharacter, once for each character and text
// (a menu drawn again says nothing new).
void ReportLostCharacterOnce(const LostCharacter& lost) {
    static std::set<std::pair<std::string, std::string>> reported;
    if (reported.emplace(lost.character, lost.text).second) ReportLostCharacter(lost);
}

LostCharacterHook& LostCharacterHookNow() {
    static LostCharacterHook hook = ReportLostCharacterOnce;
    return hook;
}

// The bytes of the UTF-8 character `s` begins with: 1 for a byte that
// begins none (so that one bad byte costs one "?").
std::size_t Utf8Length(std::string_view s) {
    const auto c = static_cast<unsigned char>(s[0]);
    const std::size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 1;
    if (n > s.size()) return 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    return n;
}

bool IsAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// One converter per direction, opened on first use. The programs run on one
// thread; the converters are reset before each text.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an input sequence that has no counterpart is replaced by
    // `replacement` and skipped (`skip` bytes, or one UTF-8 character). From
    // UTF-8 each replaced character is reported to the lost-character hook.
    std::string Convert(std::string_view in, std::string_view replacement, bool utf8Input) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buf[256];
        while (srcLeft > 0) {
            char* dst = buf;
            size_t dstLeft = sizeof buf;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                // Invalid or unconvertible: replace one character and go on.
                out += replacement;
                size_t skip = 1;
                if (utf8Input) {
                    skip = Utf8Length(std::string_view(src, srcLeft));
                } else if (IsLeadByte(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
                    skip = 2;
                }
                if (skip > srcLeft) skip = srcLeft;
                if (utf8Input) LostCharacterHookNow()({std::string(src, skip), std::string(in)});
                src += skip;
                srcLeft -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

Converter& ToCp932() {
    static Converter c("CP932", "UTF-8");
    return c;
}
Converter& FromCp932() {
    static Converter c("UTF-8", "CP932");
    return c;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return ToCp932().Convert(utf8, "?", true);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932)) return std::string(cp932);
    return FromCp932().Convert(cp932, "\xEF\xBF\xBD", false);
}

Text::Text(const char* utf8) : bytes_(Utf8ToCp932(utf8 ? std::string_view(utf8) : std::string_view())) {}
Text::Text(std::string_view utf8) : bytes_(Utf8ToCp932(utf8)) {}
Text::Text(const char8_t* utf8) : Text(reinterpret_cast<const char*>(utf8)) {}

Text Text::FromBytes(std::string cp932) {
    Text t;
    t.bytes_ = std::move(cp932);
    return t;
}

std::string Text::utf8() const { return Cp932ToUtf8(bytes_); }

LostCharacterHook SetLostCharacterHook(LostCharacterHook hook) {
    LostCharacterHook old = LostCharacterHookNow();
    LostCharacterHookNow() = hook ? hook : ReportLostCharacterOnce;
    return old;
}

std::string DescribeLostCharacter(const LostCharacter& lost) {
    // The code point, or the bytes when they are no UTF-8 character.
    const auto* b = reinterpret_cast<const unsigned char*>(lost.character.data());
    const std::size_t n = lost.character.size();
    uint32_t cp = 0;
    bool valid = n > 0;
    if (n == 1 && b[0] < 0x80) {
        cp = b[0];
    } else if (n >= 2 && n <= 4 && b[0] >= 0xC0) {
        const unsigned lead = n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07;
        cp = b[0] & lead;
        for (std::size_t i = 1; i < n; ++i) {
            if ((b[i] & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (b[i] & 0x3F);
        }
    } else {
        valid = false;
    }
    char code[48];
    if (valid) {
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    } else {
        std::string hex = "bytes";
        for (std::size_t i = 0; i < n; ++i) {
            char h[4];
            std::snprintf(h, sizeof h, " %02X", b[i]);
            hex += h;
        }
        std::snprintf(code, sizeof code, "%s", hex.c_str());
    }
    return "text: \"" + (valid ? lost.character : std::string("?")) + "\" (" + code +
           ") has no code page 932 form; drawn as \"?\" in \"" + lost.text + "\"";
}

void ReportLostCharacter(const LostCharacter& lost) {
    std::fprintf(stderr, "%s\n", DescribeLostCharacter(lost).c_str());
}
