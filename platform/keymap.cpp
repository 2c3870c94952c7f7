#include "platform/keymap.h"

#include <SDL.h>

#include "platform/runtime.h"

namespace plat {

std::optional<std::string> KeyText(int32_t sym, uint16_t mod) {
    auto one = [](int c) { return std::optional<std::string>(std::string(1, static_cast<char>(c))); };
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return one(kKeyEnter);
        case SDLK_BACKSPACE: return one(kKeyBackspace);
        case SDLK_DELETE: return one(kKeyClear);
        case SDLK_ESCAPE: return one(kKeyEscape);
        case SDLK_RIGHT: return one(kKeyRight);
        case SDLK_LEFT: return one(kKeyLeft);
        case SDLK_UP: return one(kKeyUp);
        case SDLK_DOWN: return one(kKeyDown);
        case SDLK_KP_MINUS: return one('-');
        case SDLK_KP_DIVIDE: return one('/');
        case SDLK_KP_PLUS: return one('+');
        case SDLK_KP_MULTIPLY: return one('*');
        default: break;
    }
    const bool numLock = (mod & KMOD_NUM) != 0;
    if (sym == SDLK_KP_PERIOD) return numLock ? one('.') : one(kKeyClear);
    if (sym == SDLK_KP_0) return numLock ? one('0') : std::nullopt;   // Insert
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) {
        const int digit = 1 + (sym - SDLK_KP_1);
        if (numLock) return one('0' + digit);
        switch (digit) {
            case 8: return one(kKeyUp);
            case 4: return one(kKeyLeft);
            case 6: return one(kKeyRight);
            case 2: return one(kKeyDown);
            default: return std::nullopt;   // Home, End, Page Up/Down, the middle key
        }
    }
    if (sym < 32 || sym > 126) return std::nullopt;
    const int c = sym;
    const bool shift = (mod & KMOD_SHIFT) != 0;
    const bool caps = (mod & KMOD_CAPS) != 0;
    if (c >= 'a' && c <= 'z') return one((shift != caps) ? c - 'a' + 'A' : c);
    if (shift) {
        static const char kFrom[] = "1234567890-=[]\\;',./`";
        static const char kTo[] = "!@#$%^&*()_+{}|:\"<>?~";
        for (int i = 0; kFrom[i]; ++i)
            if (kFrom[i] == c) return one(kTo[i]);
    }
    return one(c);
}

}  // namespace plat
