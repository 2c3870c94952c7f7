// Hosts: where the picture is shown and the keys come from. The SDL host
// opens the window; the headless host has none. Both show the same canvas.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace plat {

class Canvas;

class Host {
public:
    virtual ~Host() = default;
    // Shows the picture and blocks until a key is pressed (returned as its
    // one-character key text) or `timeoutMs` has passed (-1: no timeout).
    // Throws ProgramExit when the window is closed; the headless host, which
    // has no keyboard, throws it at once.
    virtual std::optional<std::string> WaitKey(int timeoutMs, const Canvas& canvas) = 0;
    // A key already pressed, without waiting.
    virtual std::optional<std::string> PollKey(const Canvas& canvas) = 0;
    // True when a person can still press keys (a window).
    virtual bool Interactive() const = 0;
    virtual void Maximize() {}
};

std::unique_ptr<Host> CreateHeadlessHost();
// Opens the window (maximised, resizable); throws std::runtime_error when no
// window can be opened.
std::unique_ptr<Host> CreateSdlHost(const std::string& title);

}  // namespace plat
