// The key-script reader behind --keys and --keys-file: the keys it takes, and
// what it says about a script it refuses (the message reaches a terminal, so
// it never carries the script's control bytes, and it cuts a long name on a
// whole character).
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/keymap.h"
#include "platform/options.h"

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int k = 0; k < times; ++k) s += piece;
    return s;
}

// A byte a terminal would act on rather than show.
bool HasControlByte(const std::string& s) {
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return true;
    }
    return false;
}

// Well-formed UTF-8 (no stray, missing or overlong bytes, no surrogates).
bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t length = b < 0x80                ? 1
                              : b >= 0xC2 && b <= 0xDF ? 2
                              : b >= 0xE0 && b <= 0xEF ? 3
                              : b >= 0xF0 && b <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || i + length > s.size()) return false;
        unsigned code = length == 1 ? b : b & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            code = code << 6 | (c & 0x3F);
        }
        static const unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

struct ScriptCase {
    const char* name;
    std::string script;
    std::optional<std::string> keys;    // the key codes taken, or nothing: refused
    std::vector<std::string> message;   // parts of the reason a refused script gets
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }

class KeyScript : public testing::TestWithParam<ScriptCase> {};

TEST_P(KeyScript, TakesItsKeysOrSaysWhatAndWhere) {
    const ScriptCase& c = GetParam();
    std::string error;
    const auto keys = plat::ParseKeyScript(c.script, error);
    if (c.keys) {
        ASSERT_TRUE(keys.has_value()) << error;
        EXPECT_EQ(*keys, *c.keys);
        return;
    }
    ASSERT_FALSE(keys.has_value()) << "taken as " << testing::PrintToString(*keys);
    for (const std::string& part : c.message)
        EXPECT_NE(error.find(part), std::string::npos) << part << "\nin: " << error;
    EXPECT_FALSE(HasControlByte(error)) << testing::PrintToString(error);
    EXPECT_TRUE(IsUtf8(error)) << testing::PrintToString(error);
}

const std::string k39(39, 'x'), k40(40, 'x'), k41(41, 'x');
const std::string kJa = "あ";   // three bytes

// An unknown name as the message shows it.
std::string Unknown(const std::string& shown, int at) {
    return std::string("unknown key {") + shown + "} at character " + std::to_string(at) + " of the key script";
}

std::string ControlByte(const std::string& code, const std::string& hint, int at) {
    return std::string("a control byte ") + code + " is not a key" + hint + " at character " + std::to_string(at) +
           " of the key script";
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, KeyScript,
    testing::Values(
        // What is taken.
        ScriptCase{"Empty", "", "", {}},
        ScriptCase{"PrintableCharacters", "3 a.Z~", "3 a.Z~", {}},
        ScriptCase{"NamedKeysAndTheBrace", "{Enter}{BS}{Del}{Right}{Left}{Up}{Down}{Esc}{{",
                   std::string{13, 8, 12, 28, 29, 30, 31, 27, '{'}, {}},
        ScriptCase{"LineBreaksAreLayout", "\n1\r\n2\r3\n", "123", {}},
        ScriptCase{"LineBreaksInsideAName", "{Ent\ner}{Ri\r\nght}", std::string{13, 28}, {}},
        // Control bytes outside braces, by class and place.
        ScriptCase{"NulFirst", std::string("\0" "12", 3), std::nullopt, {ControlByte("0x00", "", 1)}},
        ScriptCase{"EscBetweenKeys", "12\x1b{Enter}", std::nullopt,
                   {ControlByte("0x1B", " (write {Esc} for the Escape key)", 3)}},
        ScriptCase{"EscAfterANamedKey", "{Enter}\x1b", std::nullopt, {"0x1B", "at character 8 of"}},
        ScriptCase{"EscAfterALineBreak", "3{Enter}\r\n\x1b", std::nullopt, {"0x1B", "at character 11 of"}},
        ScriptCase{"DelLast", "ab\x7f", std::nullopt, {ControlByte("0x7F", " (write {Del} for the Delete key)", 3)}},
        ScriptCase{"FormFeed", "1{Enter}\f2", std::nullopt,
                   {ControlByte("0x0C", " (write {Del} for the Delete key)", 9)}},
        ScriptCase{"Tab", "1\t2", std::nullopt, {ControlByte("0x09", " (the programs read no Tab key)", 2)}},
        ScriptCase{"Backspace", "12\b", std::nullopt, {ControlByte("0x08", " (write {BS} for the Backspace key)", 3)}},
        ScriptCase{"ArrowCode", "\x1c", std::nullopt,
                   {ControlByte("0x1C", " (write {Right} for the right arrow key)", 1)}},
        ScriptCase{"DownCode", "a\x1f", std::nullopt,
                   {ControlByte("0x1F", " (write {Down} for the down arrow key)", 2)}},
        ScriptCase{"CtrlZAtTheEnd", "3{Enter}\x1a", std::nullopt, {ControlByte("0x1A", "", 9)}},
        ScriptCase{"VerticalTab", "\v", std::nullopt, {ControlByte("0x0B", "", 1)}},
        ScriptCase{"ControlByteBeforeABadName", "\x01{Nope}", std::nullopt, {ControlByte("0x01", "", 1)}},
        // Other faults keep their messages.
        ScriptCase{"UnclosedBrace", "ab{Enter", std::nullopt, {"unclosed '{' at character 3 of the key script"}},
        ScriptCase{"BeyondAscii", std::string("1") + kJa, std::nullopt, {"not a key", "at character 2 of"}},
        // Unknown names: whole up to 40 characters, else the first 40 and "…".
        ScriptCase{"Unknown39", std::string("1{") + k39 + "}", std::nullopt, {Unknown(k39, 2)}},
        ScriptCase{"Unknown40", std::string("1{") + k40 + "}", std::nullopt, {Unknown(k40, 2)}},
        ScriptCase{"Unknown41", std::string("1{") + k41 + "}", std::nullopt, {Unknown(k40 + "…", 2)}},
        ScriptCase{"Japanese40", std::string("{") + Repeat(kJa, 40) + "}", std::nullopt, {Unknown(Repeat(kJa, 40), 1)}},
        ScriptCase{"Japanese41", std::string("{") + Repeat(kJa, 41) + "}", std::nullopt,
                   {Unknown(Repeat(kJa, 40) + "…", 1)}},
        ScriptCase{"FourByteCharacters41", std::string("{") + Repeat("😀", 41) + "}", std::nullopt,
                   {Unknown(Repeat("😀", 40) + "…", 1)}},
        ScriptCase{"JapaneseAcrossTheCut", std::string("{") + k39 + "あいう}", std::nullopt, {Unknown(k39 + "あ…", 1)}},
        ScriptCase{"LineBreakInAnUnknownName", "{Ent\r\nr}", std::nullopt, {Unknown("Entr", 1)}},
        // Bytes of a name a terminal would act on are shown by their code.
        ScriptCase{"EscInsideAName", "{En\x1b[2Jter}", std::nullopt, {Unknown("En<0x1B>[2Jter", 1)}},
        ScriptCase{"NulTabAndDelInsideAName", std::string("{a\0\t\x7f" "b}", 7), std::nullopt,
                   {Unknown("a<0x00><0x09><0x7F>b", 1)}},
        ScriptCase{"C1ControlInsideAName", "{a\xc2\x9b" "b}", std::nullopt, {Unknown("a<0xC2><0x9B>b", 1)}},
        ScriptCase{"ControlBytesAreCharactersForTheCut", std::string("{") + Repeat("\x1b", 41) + "}", std::nullopt,
                   {Unknown(Repeat("<0x1B>", 40) + "…", 1)}},
        ScriptCase{"FortyControlBytesShownWhole", std::string("{") + Repeat("\x07", 40) + "}", std::nullopt,
                   {Unknown(Repeat("<0x07>", 40), 1)}},
        // Broken UTF-8 in a name, byte by byte.
        ScriptCase{"InvalidBytesInAName", "{\xff\xfe" "ab}", std::nullopt, {Unknown("<0xFF><0xFE>ab", 1)}},
        ScriptCase{"StrayContinuationByte", "{a\x80" "b}", std::nullopt, {Unknown("a<0x80>b", 1)}},
        ScriptCase{"CharacterCutShort", "{a\xe3\x81}", std::nullopt, {Unknown("a<0xE3><0x81>", 1)}},
        ScriptCase{"OverlongSlash", "{\xc0\xaf}", std::nullopt, {Unknown("<0xC0><0xAF>", 1)}},
        ScriptCase{"Surrogate", "{\xed\xa0\x80}", std::nullopt, {Unknown("<0xED><0xA0><0x80>", 1)}},
        ScriptCase{"BeyondUnicode", "{\xf4\x90\x80\x80}", std::nullopt, {Unknown("<0xF4><0x90><0x80><0x80>", 1)}},
        ScriptCase{"InvalidBytesAcrossTheCut", std::string("{") + k39 + "\xe3\x81" "xyz}", std::nullopt,
                   {Unknown(k39 + "<0xE3>…", 1)}}),
    [](const testing::TestParamInfo<ScriptCase>& tp) { return std::string(tp.param.name); });

// Every byte on its own: printable ASCII is its key, the line breaks are
// layout, and any other byte is refused with its code and its place.
TEST(KeyScriptBytes, EachByteIsAKeyLayoutOrRefused) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string script = std::string("1") + static_cast<char>(b);
        std::string error;
        const auto keys = plat::ParseKeyScript(script, error);
        if (b == '\n' || b == '\r') {
            EXPECT_EQ(keys, std::optional<std::string>("1"));
        } else if (b == '{') {
            EXPECT_FALSE(keys.has_value());   // unclosed
        } else if (b >= 0x20 && b < 0x7F) {
            EXPECT_EQ(keys, std::optional<std::string>(script));
        } else {
            ASSERT_FALSE(keys.has_value());
            EXPECT_NE(error.find("at character 2 of the key script"), std::string::npos) << error;
            if (b < 0x80) {
                char code[8];
                std::snprintf(code, sizeof code, "0x%02X", b);
                EXPECT_NE(error.find(std::string("a control byte ") + code + " is not a key"), std::string::npos)
                    << error;
            }
            EXPECT_FALSE(HasControlByte(error)) << testing::PrintToString(error);
        }
    }
}

}  // namespace
