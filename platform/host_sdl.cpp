#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>
#include <poll.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/host.h"
#include "platform/keymap.h"
#include "platform/runtime.h"

namespace plat {
namespace {

constexpr const char* kNoDisplay = "cannot open a window: no display; --headless runs without one";

// True when a display server is named in the environment.
bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

// Maps the surface onto a window of any size: scaled to fit with its aspect
// kept, centred, and filtered bilinearly. Each window pixel depends on its
// own position alone, so redrawing a part of the window gives exactly the
// pixels that redrawing all of it would.
class Scaler {
public:
    void Resize(int width, int height) {
        if (width == width_ && height == height_) return;
        width_ = width;
        height_ = height;
        const double scale = std::min(static_cast<double>(width) / kSurfaceWidth,
                                      static_cast<double>(height) / kSurfaceHeight);
        picture_.w = std::max(1, static_cast<int>(std::lround(kSurfaceWidth * scale)));
        picture_.h = std::max(1, static_cast<int>(std::lround(kSurfaceHeight * scale)));
        picture_.w = std::min(picture_.w, width);
        picture_.h = std::min(picture_.h, height);
        picture_.x = (width - picture_.w) / 2;
        picture_.y = (height - picture_.h) / 2;
        Table(picture_.w, kSurfaceWidth, x0_, fx_);
        Table(picture_.h, kSurfaceHeight, y0_, fy_);
    }
    bool Fits(int width, int height) const { return width == width_ && height == height_; }
    // Where the picture lies in the window.
    const Rect& Picture() const { return picture_; }

    // The window pixels that read any surface pixel of `part`.
    Rect Cover(const Rect& part) const {
        auto span = [](const std::vector<int>& at, const std::vector<int>& frac, int from, int to, int& lo, int& hi) {
            lo = -1;
            hi = -1;
            for (int i = 0; i < static_cast<int>(at.size()); ++i) {
                const int first = at[i], last = frac[i] > 0 ? at[i] + 1 : at[i];
                if (last >= from && first < to) {
                    if (lo < 0) lo = i;
                    hi = i;
                }
            }
        };
        int x0, x1, y0, y1;
        span(x0_, fx_, part.x, part.x + part.w, x0, x1);
        span(y0_, fy_, part.y, part.y + part.h, y0, y1);
        if (x0 < 0 || y0 < 0) return {};
        return {picture_.x + x0, picture_.y + y0, x1 - x0 + 1, y1 - y0 + 1};
    }

    // Writes the window pixels of `part` (inside Picture()) into `dst`, a
    // 32-bit xRGB image of the window's size.
    void Draw(const unsigned char* src, int srcStride, unsigned char* dst, int dstStride, const Rect& part) const {
        for (int y = part.y; y < part.y + part.h; ++y) {
            const int py = y - picture_.y;
            const int sy = y0_[py], fy = fy_[py];
            const auto* a = reinterpret_cast<const uint32_t*>(src + static_cast<size_t>(sy) * srcStride);
            const auto* b = reinterpret_cast<const uint32_t*>(src + static_cast<size_t>(std::min(sy + 1, kSurfaceHeight - 1)) * srcStride);
            auto* out = reinterpret_cast<uint32_t*>(dst + static_cast<size_t>(y) * dstStride);
            const int* at = x0_.data() - picture_.x;
            const int* frac = fx_.data() - picture_.x;
            for (int x = part.x; x < part.x + part.w; ++x) {
                const int sx = at[x], fx = frac[x];
                const int sx1 = std::min(sx + 1, kSurfaceWidth - 1);
                const uint32_t p = a[sx];
                // Most of a picture is flat colour: four equal neighbours
                // need no mixing.
                if (a[sx1] == p && b[sx] == p && b[sx1] == p) {
                    out[x] = p | 0xFF000000u;
                    continue;
                }
                uint32_t top = Mix(p, a[sx1], fx);
                if (fy > 0) top = Mix(top, Mix(b[sx], b[sx1], fx), fy);
                out[x] = top | 0xFF000000u;
            }
        }
    }

private:
    // (256 - f) parts of p and f parts of q, per channel.
    static uint32_t Mix(uint32_t p, uint32_t q, int f) {
        if (f == 0) return p;
        const uint32_t g = static_cast<uint32_t>(256 - f);
        const uint32_t rb = (((p & 0xFF00FFu) * g + (q & 0xFF00FFu) * f) >> 8) & 0xFF00FFu;
        const uint32_t gg = (((p & 0x00FF00u) * g + (q & 0x00FF00u) * f) >> 8) & 0x00FF00u;
        return rb | gg;
    }
    // For each of n window pixels: the surface pixel at or before its centre
    // and how far (in 256ths) the centre lies towards the next one.
    static void Table(int n, int size, std::vector<int>& at, std::vector<int>& frac) {
        at.resize(n);
        frac.resize(n);
        for (int i = 0; i < n; ++i) {
            double s = (i + 0.5) * size / n - 0.5;
            s = std::clamp(s, 0.0, static_cast<double>(size - 1));
            int s0 = static_cast<int>(std::floor(s));
            int f = static_cast<int>(std::lround((s - s0) * 256));
            if (f >= 256) {
                ++s0;
                f = 0;
            }
            if (s0 >= size - 1) {
                s0 = size - 1;
                f = 0;
            }
            at[i] = s0;
            frac[i] = f;
        }
    }

    int width_ = -1;
    int height_ = -1;
    Rect picture_;
    std::vector<int> x0_, fx_, y0_, fy_;
};

// SDL started (its video part) for as long as the object lives.
class SdlInit {
public:
    SdlInit() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    }
    ~SdlInit() { SDL_Quit(); }
    SdlInit(const SdlInit&) = delete;
    SdlInit& operator=(const SdlInit&) = delete;
};

struct DestroyWindow {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using WindowPtr = std::unique_ptr<SDL_Window, DestroyWindow>;
using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;

// Sets SDL up before it starts. Throws when there is no display to open a
// window on; returns true when the user chose a video driver.
bool PrepareVideo() {
    // Without this SDL would open a trial OpenGL context to decide how to
    // back the window surface, loading the whole GL driver for nothing.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Where there is no display (a server, a bare terminal) SDL would
    // open an invisible surface and wait on it for ever. A driver chosen
    // on purpose (SDL_VIDEODRIVER) is the user's to choose.
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    const bool driverChosen = chosen != nullptr && *chosen != '\0';
    if (!driverChosen && !HasDisplay()) throw std::runtime_error(kNoDisplay);
    return driverChosen;
}

// The window shows the surface through SDL's window surface: a plain image in
// shared memory that the X server copies from, with no renderer and so no
// OpenGL driver loaded. Only the part drawn since the last wait is scaled and
// sent again; exposing or resizing the window sends it whole, once.
class SdlHost final : public Host {
public:
    // SDL, then the window, each let go by its owner when a later step
    // fails.
    explicit SdlHost(const std::string& title) : driverChosen_(PrepareVideo()) {
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!driverChosen_ && driver != nullptr &&
            (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0))
            throw std::runtime_error(kNoDisplay);
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
        window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                       SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED));
        if (!window_) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
        if (!SDL_GetWindowSurface(window_.get()))
            throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());
        // On X11 a wait sleeps on the server connection. SDL's own waiting
        // would wake itself for every event by sending a message to the
        // window through a second connection, which the server may handle
        // after the window is gone (an X error that ends the program when it
        // closes).
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window_.get(), &info) && info.subsystem == SDL_SYSWM_X11)
            xFd_ = ConnectionNumber(info.info.x11.display);
        // Keys come from key events; an input method must not swallow digits.
        SDL_StopTextInput();
        // The window was just mapped: the first wait shows it whole anyway,
        // so the exposure that came with the mapping would only send it twice.
        SDL_PumpEvents();
        SDL_FlushEvent(SDL_WINDOWEVENT);
    }

    std::optional<std::string> WaitKey(int timeoutMs, Canvas& canvas) override {
        Show(canvas);
        const Uint32 startTicks = SDL_GetTicks();
        while (true) {
            int wait = -1;
            if (timeoutMs >= 0) {
                Uint32 spent = SDL_GetTicks() - startTicks;
                if (spent >= static_cast<Uint32>(timeoutMs)) return std::nullopt;
                wait = timeoutMs - static_cast<int>(spent);
            }
            SDL_Event e;
            if (xFd_ >= 0) {
                // Everything already read from the server first, then sleep
                // on the connection itself (a signal such as SIGTERM ends the
                // sleep too, and SDL turns it into a close request).
                if (!SDL_PollEvent(&e)) {
                    pollfd p{xFd_, POLLIN, 0};
                    poll(&p, 1, wait);
                    continue;
                }
            } else {
                int got = wait < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, wait);
                if (!got) continue;
            }
            if (auto key = Drain(&e, canvas)) return key;
        }
    }

    std::optional<std::string> PollKey(Canvas& canvas) override { return Drain(nullptr, canvas); }

    void HandlePending(Canvas& canvas) override {
        SDL_PumpEvents();
        // The close request and the window's own events; keys stay queued.
        SDL_Event e;
        while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_QUIT, SDL_SYSWMEVENT) > 0) Handle(e);
        if (needWhole_) Show(canvas);
    }

    bool Interactive() const override { return true; }
    void Maximize() override { SDL_MaximizeWindow(window_.get()); }
    PresentLog Presented() const override { return log_; }

private:
    // Handles `first` (when given) and every event already queued behind it,
    // up to the first key; a window that needs showing whole is shown once.
    std::optional<std::string> Drain(const SDL_Event* first, Canvas& canvas) {
        std::optional<std::string> key;
        if (first) key = Handle(*first);
        SDL_Event e;
        while (!key && SDL_PollEvent(&e)) key = Handle(e);
        if (needWhole_) Show(canvas);
        return key;
    }

    std::optional<std::string> Handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT: throw ProgramExit{kExitOk, ExitReason::WindowClosed};
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: throw ProgramExit{kExitOk, ExitReason::WindowClosed};
                    case SDL_WINDOWEVENT_SHOWN:
                    case SDL_WINDOWEVENT_EXPOSED:
                    case SDL_WINDOWEVENT_RESIZED:
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                    case SDL_WINDOWEVENT_MAXIMIZED:
                    case SDL_WINDOWEVENT_RESTORED: needWhole_ = true; break;
                    default: break;
                }
                return std::nullopt;
            case SDL_KEYDOWN: return KeyText(e.key.keysym.sym, e.key.keysym.mod);
            default: return std::nullopt;
        }
    }

    // Shows the part of the surface drawn since the last time, or all of it
    // when the window needs it. What could not be shown (the window surface
    // or an image for it missing) is kept for the next time.
    void Show(Canvas& canvas) {
        const Rect part = canvas.Dirty();
        if (!needWhole_ && part.empty()) return;
        SDL_Surface* target = SDL_GetWindowSurface(window_.get());
        if (!target || target->w <= 0 || target->h <= 0) return;
        // A window surface of a new size holds nothing yet.
        if (!scaler_.Fits(target->w, target->h)) needWhole_ = true;
        if (!Present(canvas, target, part, needWhole_)) return;
        canvas.TakeDirty();
        needWhole_ = false;
    }

    // Puts `part` of the surface (all of it when `whole`) on the window;
    // false when nothing could be put there.
    bool Present(Canvas& canvas, SDL_Surface* target, const Rect& part, bool whole) {
        scaler_.Resize(target->w, target->h);
        // The window surface is drawn in directly when it has the surface's
        // pixel layout (the usual case); else through an image that has.
        const bool direct = target->format->format == SDL_PIXELFORMAT_RGB888 ||
                            target->format->format == SDL_PIXELFORMAT_ARGB8888;
        SDL_Surface* canvasOut = target;
        if (!direct) {
            if (!staging_ || staging_->w != target->w || staging_->h != target->h) {
                staging_.reset();   // the old image goes before the new one is made
                staging_.reset(SDL_CreateRGBSurfaceWithFormat(0, target->w, target->h, 32, SDL_PIXELFORMAT_RGB888));
                if (!staging_) return false;
            }
            canvasOut = staging_.get();
        }
        cairo_surface_t* s = canvas.surface();
        cairo_surface_flush(s);
        const unsigned char* src = cairo_image_surface_get_data(s);
        const int srcStride = cairo_image_surface_get_stride(s);
        const Rect& pic = scaler_.Picture();
        SDL_Rect changed;
        if (whole) {
            // The grey surround, then the whole picture.
            const Uint32 grey = SDL_MapRGB(canvasOut->format, 96, 96, 96);
            const SDL_Rect bars[4] = {{0, 0, target->w, pic.y},
                                      {0, pic.y + pic.h, target->w, target->h - pic.y - pic.h},
                                      {0, pic.y, pic.x, pic.h},
                                      {pic.x + pic.w, pic.y, target->w - pic.x - pic.w, pic.h}};
            for (const SDL_Rect& bar : bars)
                if (bar.w > 0 && bar.h > 0) SDL_FillRect(canvasOut, &bar, grey);
            if (!Paint(src, srcStride, canvasOut, pic)) return false;
            changed = {0, 0, target->w, target->h};
        } else {
            const Rect r = scaler_.Cover(part);
            if (r.empty()) return true;   // no window pixel shows it
            if (!Paint(src, srcStride, canvasOut, r)) return false;
            changed = {r.x, r.y, r.w, r.h};
        }
        if (!direct) {
            SDL_Rect to = changed;
            if (SDL_BlitSurface(staging_.get(), &changed, target, &to) != 0) return false;
        }
        const int updated =
            whole ? SDL_UpdateWindowSurface(window_.get()) : SDL_UpdateWindowSurfaceRects(window_.get(), &changed, 1);
        if (updated != 0) return false;
        ++log_.presents;
        if (whole) ++log_.whole;
        log_.last = whole ? Rect{0, 0, kSurfaceWidth, kSurfaceHeight} : part;
        log_.lastWindow = {changed.x, changed.y, changed.w, changed.h};
        return true;
    }

    bool Paint(const unsigned char* src, int srcStride, SDL_Surface* out, const Rect& r) {
        const bool lock = SDL_MUSTLOCK(out);
        if (lock && SDL_LockSurface(out) != 0) return false;
        scaler_.Draw(src, srcStride, static_cast<unsigned char*>(out->pixels), out->pitch, r);
        if (lock) SDL_UnlockSurface(out);
        return true;
    }

    // In this order: made in it, and let go the other way round (the
    // checks before SDL starts come first).
    bool driverChosen_;
    SdlInit sdl_;
    WindowPtr window_;
    SurfacePtr staging_;   // the frame in the surface's pixel layout, when the window's differs
    int xFd_ = -1;
    Scaler scaler_;
    bool needWhole_ = true;
    PresentLog log_;
};

}  // namespace

std::unique_ptr<Host> CreateSdlHost(const std::string& title) { return std::make_unique<SdlHost>(title); }

}  // namespace plat
