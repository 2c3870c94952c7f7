// Hosts: where the picture is shown and the keys come from. The SDL host
// opens the window; the headless host has none. Both show the same canvas.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/canvas.h"

namespace plat {

// What a host has shown so far: how many times it put surface pixels on the
// screen, how many of those showed the whole frame, and the last part it
// showed, in surface pixels and in window pixels.
struct PresentLog {
    long presents = 0;
    long whole = 0;
    Rect last;
    Rect lastWindow;
};

class Host {
public:
    virtual ~Host() = default;
    // Shows what was drawn since the last wait (nothing when nothing was) and
    // blocks until a key is pressed (returned as its one-character key text)
    // or `timeoutMs` has passed (-1: no timeout). Throws ProgramExit when the
    // window is closed; the headless host, which has no keyboard, throws it
    // at once.
    virtual std::optional<std::string> WaitKey(int timeoutMs, Canvas& canvas) = 0;
    // A key already pressed, without waiting.
    virtual std::optional<std::string> PollKey(Canvas& canvas) = 0;
    // Handles what the window has pending apart from keys (a close request
    // throws ProgramExit; an exposure shows the whole frame), leaving the
    // keys pressed for later. Called as each scripted key is taken, so that a
    // long key script never keeps the window from closing.
    virtual void HandlePending(Canvas&) {}
    // True when a person can still press keys (a window).
    virtual bool Interactive() const = 0;
    virtual void Maximize() {}
    virtual PresentLog Presented() const { return {}; }
};

std::unique_ptr<Host> CreateHeadlessHost();
// Opens the window (maximised, resizable); throws std::runtime_error when no
// window can be opened.
std::unique_ptr<Host> CreateSdlHost(const std::string& title);

}  // namespace plat
