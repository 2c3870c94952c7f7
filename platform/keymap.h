// The keyboard as the programs read it: one character per key; Enter 13,
// Backspace 8, Delete 12, Esc 27, the arrows 28 to 31; letters and signs as
// Shift and Caps Lock make them; the keypad as its Num Lock makes it (digits
// and "." when on; the arrows on 8, 4, 6, 2 and Delete on "." when off).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Key codes of the one-character key texts.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyClear = 12;   // Delete
inline constexpr int kKeyRight = 28;
inline constexpr int kKeyLeft = 29;
inline constexpr int kKeyUp = 30;
inline constexpr int kKeyDown = 31;
inline constexpr int kKeyEscape = 27;

namespace plat {

// The key text of a key press: `sym` and `mod` are SDL's key code and
// modifier state. Nothing for a key the programs do not read.
std::optional<std::string> KeyText(int32_t sym, uint16_t mod);

}  // namespace plat
