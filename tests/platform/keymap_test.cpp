// The keyboard table: what each key press gives the programs.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/keymap.h"
#include "platform/runtime.h"

namespace {

struct KeyCase {
    const char* name;
    int32_t sym;
    uint16_t mod;
    int expected;   // the key code, or -1 for no key
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyMap : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMap, GivesTheProgramsKey) {
    const KeyCase& c = GetParam();
    const auto key = plat::KeyText(c.sym, c.mod);
    if (c.expected < 0) {
        EXPECT_FALSE(key.has_value());
    } else {
        ASSERT_TRUE(key.has_value());
        ASSERT_EQ(key->size(), 1u);
        EXPECT_EQ(static_cast<unsigned char>((*key)[0]), c.expected);
    }
}

constexpr uint16_t kNone = KMOD_NONE, kShift = KMOD_LSHIFT, kCaps = KMOD_CAPS, kNum = KMOD_NUM;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMap,
    testing::Values(
        // The main block.
        KeyCase{"Enter", SDLK_RETURN, kNone, kKeyEnter}, KeyCase{"Backspace", SDLK_BACKSPACE, kNone, kKeyBackspace},
        KeyCase{"Delete", SDLK_DELETE, kNone, kKeyClear}, KeyCase{"Escape", SDLK_ESCAPE, kNone, kKeyEscape},
        KeyCase{"Right", SDLK_RIGHT, kNone, kKeyRight}, KeyCase{"Left", SDLK_LEFT, kNone, kKeyLeft},
        KeyCase{"Up", SDLK_UP, kNone, kKeyUp}, KeyCase{"Down", SDLK_DOWN, kNone, kKeyDown},
        KeyCase{"Digit", SDLK_1, kNone, '1'}, KeyCase{"Letter", SDLK_a, kNone, 'a'},
        KeyCase{"Slash", SDLK_SLASH, kNone, '/'}, KeyCase{"Minus", SDLK_MINUS, kNone, '-'},
        KeyCase{"Period", SDLK_PERIOD, kNone, '.'}, KeyCase{"Space", SDLK_SPACE, kNone, ' '},
        KeyCase{"FunctionKey", SDLK_F1, kNone, -1}, KeyCase{"ShiftAlone", SDLK_LSHIFT, kShift, -1},
        // Shift and Caps Lock.
        KeyCase{"ShiftLetter", SDLK_a, kShift, 'A'}, KeyCase{"CapsLetter", SDLK_a, kCaps, 'A'},
        KeyCase{"ShiftCapsLetter", SDLK_a, kShift | kCaps, 'a'}, KeyCase{"ShiftDigit", SDLK_1, kShift, '!'},
        KeyCase{"CapsDigit", SDLK_1, kCaps, '1'}, KeyCase{"ShiftSlash", SDLK_SLASH, kShift, '?'},
        // The keypad with Num Lock on: digits and the point.
        KeyCase{"NumOn8", SDLK_KP_8, kNum, '8'}, KeyCase{"NumOn6", SDLK_KP_6, kNum, '6'},
        KeyCase{"NumOn1", SDLK_KP_1, kNum, '1'}, KeyCase{"NumOn0", SDLK_KP_0, kNum, '0'},
        KeyCase{"NumOnPoint", SDLK_KP_PERIOD, kNum, '.'},
        // The keypad with Num Lock off: the arrows and Delete; the rest is no key.
        KeyCase{"NumOff8", SDLK_KP_8, kNone, kKeyUp}, KeyCase{"NumOff4", SDLK_KP_4, kNone, kKeyLeft},
        KeyCase{"NumOff6", SDLK_KP_6, kNone, kKeyRight}, KeyCase{"NumOff2", SDLK_KP_2, kNone, kKeyDown},
        KeyCase{"NumOffPoint", SDLK_KP_PERIOD, kNone, kKeyClear}, KeyCase{"NumOffEnd", SDLK_KP_1, kNone, -1},
        KeyCase{"NumOffMiddle", SDLK_KP_5, kNone, -1}, KeyCase{"NumOffInsert", SDLK_KP_0, kNone, -1},
        // Keys the same in both states.
        KeyCase{"KeypadEnter", SDLK_KP_ENTER, kNone, kKeyEnter}, KeyCase{"KeypadDivide", SDLK_KP_DIVIDE, kNone, '/'},
        KeyCase{"KeypadMinus", SDLK_KP_MINUS, kNum, '-'}),
    [](const testing::TestParamInfo<KeyCase>& tp) { return std::string(tp.param.name); });

}  // namespace
