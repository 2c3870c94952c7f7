#include "platform/text.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

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
    // `replacement` and skipped (`skip` bytes, or one UTF-8 character).
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
                    unsigned char c = static_cast<unsigned char>(*src);
                    skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
                } else if (IsLeadByte(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
                    skip = 2;
                }
                if (skip > srcLeft) skip = srcLeft;
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
