#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/host.h"
#include "platform/runtime.h"

namespace plat {
namespace {

// Keys as the programs read them: one character; Enter 13, Backspace 8,
// Delete 12, Esc 27, arrows 28-31; the keypad like the main block.
std::optional<std::string> KeyText(const SDL_Keysym& k) {
    auto one = [](int c) { return std::optional<std::string>(std::string(1, static_cast<char>(c))); };
    switch (k.sym) {
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
        case SDLK_KP_PERIOD: return one('.');
        case SDLK_KP_DIVIDE: return one('/');
        case SDLK_KP_PLUS: return one('+');
        case SDLK_KP_MULTIPLY: return one('*');
        case SDLK_KP_0: return one('0');
        default: break;
    }
    if (k.sym >= SDLK_KP_1 && k.sym <= SDLK_KP_9) return one('1' + (k.sym - SDLK_KP_1));
    if (k.sym < 32 || k.sym > 126) return std::nullopt;
    int c = k.sym;
    const bool shift = (k.mod & KMOD_SHIFT) != 0;
    const bool caps = (k.mod & KMOD_CAPS) != 0;
    if (c >= 'a' && c <= 'z') return one((shift != caps) ? c - 'a' + 'A' : c);
    if (shift) {
        static const char kFrom[] = "1234567890-=[]\\;',./`";
        static const char kTo[] = "!@#$%^&*()_+{}|:\"<>?~";
        for (int i = 0; kFrom[i]; ++i)
            if (kFrom[i] == c) return one(kTo[i]);
    }
    return one(c);
}

class SdlHost final : public Host {
public:
    explicit SdlHost(const std::string& title) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
        // Sized to fit the screen before it is maximised, so that it shows
        // the whole picture even where no window manager maximises it.
        int w = kSurfaceWidth, h = kSurfaceHeight;
        SDL_Rect usable;
        if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
            double fit = std::min({1.0, usable.w / static_cast<double>(kSurfaceWidth),
                                   usable.h / static_cast<double>(kSurfaceHeight)});
            w = static_cast<int>(kSurfaceWidth * fit);
            h = static_cast<int>(kSurfaceHeight * fit);
        }
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
        if (!window_) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kSurfaceWidth,
                                     kSurfaceHeight);
        if (!texture_) throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());
        // Keys come from key events; an input method must not swallow digits.
        SDL_StopTextInput();
    }
    ~SdlHost() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
    }

    std::optional<std::string> WaitKey(int timeoutMs, const Canvas& canvas) override {
        Present(canvas);
        const Uint32 startTicks = SDL_GetTicks();
        while (true) {
            int wait = -1;
            if (timeoutMs >= 0) {
                Uint32 spent = SDL_GetTicks() - startTicks;
                if (spent >= static_cast<Uint32>(timeoutMs)) return std::nullopt;
                wait = timeoutMs - static_cast<int>(spent);
            }
            SDL_Event e;
            int got = wait < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, wait);
            if (!got) {
                if (wait < 0) continue;
                return std::nullopt;
            }
            if (auto key = Handle(e, canvas)) return key;
        }
    }

    std::optional<std::string> PollKey(const Canvas& canvas) override {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (auto key = Handle(e, canvas)) return key;
        return std::nullopt;
    }

    bool Interactive() const override { return true; }
    void Maximize() override { SDL_MaximizeWindow(window_); }

private:
    std::optional<std::string> Handle(const SDL_Event& e, const Canvas& canvas) {
        switch (e.type) {
            case SDL_QUIT: throw ProgramExit{kExitOk, ExitReason::WindowClosed};
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw ProgramExit{kExitOk, ExitReason::WindowClosed};
                Present(canvas);
                return std::nullopt;
            case SDL_KEYDOWN: return KeyText(e.key.keysym);
            default: return std::nullopt;
        }
    }

    void Present(const Canvas& canvas) {
        cairo_surface_t* s = canvas.surface();
        cairo_surface_flush(s);
        SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s));
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer_, &w, &h);
        // Scaled to fit, aspect kept, centred on a grey surround.
        double scale = std::min(static_cast<double>(w) / kSurfaceWidth, static_cast<double>(h) / kSurfaceHeight);
        SDL_Rect dst;
        dst.w = static_cast<int>(kSurfaceWidth * scale);
        dst.h = static_cast<int>(kSurfaceHeight * scale);
        dst.x = (w - dst.w) / 2;
        dst.y = (h - dst.h) / 2;
        SDL_SetRenderDrawColor(renderer_, 96, 96, 96, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
        SDL_RenderPresent(renderer_);
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace

std::unique_ptr<Host> CreateSdlHost(const std::string& title) { return std::make_unique<SdlHost>(title); }

}  // namespace plat
