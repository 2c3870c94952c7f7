// Every text the key tours draw can be drawn: no character was lost on the
// way to code page 932 (it would show as "?") or back (U+FFFD), and the face
// that draws each character has a glyph for it (else it shows as an empty
// box or nothing). The texts come from the tours' traces, so a lesson is
// covered as soon as its tour is in tours::All(). The error screen is checked
// the same way.
#include <gtest/gtest.h>

#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "platform/runtime.h"
#include "platform/text.h"
#include "support/support.h"
#include "tour/tours.h"

namespace {

using nlohmann::json;

// The code points of a UTF-8 text (U+FFFD for a byte that begins none).
std::vector<char32_t> CodePoints(const std::string& utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > utf8.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

std::string Hex(char32_t c) {
    std::ostringstream out;
    out << "U+" << std::hex << std::uppercase << std::setw(4) << std::setfill('0') << static_cast<uint32_t>(c);
    return out.str();
}

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The text a lost-character line names, as the program drew it (its lost
// characters as "?").
std::string DrawnFormOfLostLine(const std::string& line) {
    const std::string mark = testing_support::kLostCharacterMark;
    const std::size_t at = line.find(mark);
    if (at == std::string::npos || line.size() < at + mark.size() + 1) return "";
    const std::string source = line.substr(at + mark.size(), line.size() - at - mark.size() - 1);
    struct Quiet {
        LostCharacterHook previous = SetLostCharacterHook([](const LostCharacter&) {});
        ~Quiet() { SetLostCharacterHook(previous); }
    } quiet;
    return Cp932ToUtf8(Utf8ToCp932(source));
}

// Where in a tour something was drawn: the frame (what was drawn after the
// n-th key read) and the key that began it.
struct Place {
    int frame = 0;
    std::string key = "start";
};

std::ostream& operator<<(std::ostream& os, const Place& place) {
    return os << "frame " << place.frame << " (after key " << place.key << ")";
}

// Whether the face a font name stands for has a glyph for `c`, asked of a
// runtime of our own (the same fonts the programs find), memoised.
bool Has(const std::string& font, bool bold, bool italic, char32_t c) {
    static const auto rt = Runtime::CreateHeadless();
    static std::map<std::tuple<std::string, bool, bool, char32_t>, bool> known;
    const auto key = std::make_tuple(font, bold, italic, c);
    auto it = known.find(key);
    if (it == known.end()) it = known.emplace(key, rt->FontHasCharacter(Text(font), bold, italic, c)).first;
    return it->second;
}

// Checks every text of a run named `name`, failing once for each fault.
void CheckDrawnTexts(const std::string& name, const testing_support::RunResult& r) {
    // Texts that lost a character on the way to code page 932, each as drawn.
    std::vector<std::pair<std::string, std::string>> lost;   // (line, drawn form)
    for (const auto& line : r.LostCharacterLines()) lost.emplace_back(line, DrawnFormOfLostLine(line));
    std::set<std::string> lostFound;

    Place place;
    std::set<std::string> reported;   // each fault once per run
    int texts = 0;
    for (const auto& e : r.events) {
        const std::string op = e.value("op", "");
        if (op == "key") {
            ++place.frame;
            place.key = e.dump();
            continue;
        }
        if (op != "text" && op != "run") continue;
        const std::string text = e.value("text", "");
        for (const auto& [line, drawn] : lost) {
            if (lostFound.count(line) || text.find('?') == std::string::npos) continue;
            if (!drawn.empty() && (drawn.find(text) != std::string::npos || text.find(drawn) != std::string::npos)) {
                lostFound.insert(line);
                ADD_FAILURE() << name << " " << place << ": \"" << text << "\" lost a character: " << line;
            }
        }
        if (op != "text") continue;
        ++texts;
        const std::string font = e.value("font", "");
        const bool bold = e.value("bold", false), italic = e.value("italic", false);
        for (char32_t c : CodePoints(text)) {
            std::string fault;
            if (c == U'\uFFFD')
                fault = "holds U+FFFD (bytes that are no code page 932 character)";
            else if (!Has(font, bold, italic, c))
                fault = Hex(c) + " \"" + Utf8Of(c) + "\" is not in the face \"" + font + "\"" + (bold ? " bold" : "") +
                        (italic ? " italic" : "");
            if (fault.empty() || !reported.insert(fault + "|" + text).second) continue;
            ADD_FAILURE() << name << " " << place << ": \"" << text << "\" at (" << e["x"].dump() << ", "
                          << e["y"].dump() << ") " << fault;
        }
    }
    EXPECT_GT(texts, 0) << name << " drew no text";
    for (const auto& [line, drawn] : lost)
        if (!lostFound.count(line)) ADD_FAILURE() << name << " (not found among the drawn texts): " << line;
}

class DrawnText : public testing::TestWithParam<tours::Tour> {};

TEST_P(DrawnText, EveryCharacterIsKeptAndInItsFace) {
    const tours::Tour& tour = GetParam();
    const auto r = testing_support::RunProgramHeadless(tour.program, tour.keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    CheckDrawnTexts(tour.name, r);
}

// The error screen, which any lesson may reach (the probe program's keys 1 to
// 3 raise the three kinds of error, with a bold font current).
TEST(DrawnErrorScreen, KeepsEveryCharacterInItsFace) {
    for (const char* key : {"1", "2", "3"}) {
        const auto r = testing_support::RunProgramHeadless("error_probe", key);
        ASSERT_EQ(r.status, 3) << r.stderrText;
        CheckDrawnTexts(std::string("error screen of key ") + key, r);
    }
}

INSTANTIATE_TEST_SUITE_P(Tours, DrawnText, testing::ValuesIn(tours::All()),
                         [](const testing::TestParamInfo<tours::Tour>& tp) { return tours::TestName(tp.param); });

}  // namespace
