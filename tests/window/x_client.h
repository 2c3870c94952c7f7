// A client of the test's X server beside the window's own connection: finds
// the window, reads its pixels, resizes, exposes and closes it as a desktop
// would. Xlib stays inside x_client.cpp (its macros clash with GoogleTest).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace window_test {

class XClient {
public:
    XClient();
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;
    bool ok() const { return dpy_ != nullptr; }

    // The one mapped top-level window (there is no window manager).
    std::optional<unsigned long> TopWindow();
    struct Size {
        int width;
        int height;
    };
    std::optional<Size> SizeOf(unsigned long window);
    // 0xRRGGBB of a window pixel; nothing where it cannot be read.
    std::optional<uint32_t> Pixel(unsigned long window, int x, int y);
    // Every pixel of the window, row by row (empty when it cannot be read).
    std::vector<uint32_t> Capture(unsigned long window);
    // The pixels of a rectangle of the window, row by row (empty when they
    // cannot be read).
    std::vector<uint32_t> Capture(unsigned long window, int x, int y, int width, int height);
    // Moves the window to the screen's corner with a new size.
    void Resize(unsigned long window, int width, int height);
    // The desktop uncovering (part of) the window.
    void Uncover(unsigned long window, int x, int y, int width, int height);
    // A key pressed and released in the window, by its X name ("8",
    // "Return").
    void Type(unsigned long window, const std::string& key);
    // The close button: the window manager's delete request.
    void Close(unsigned long window);
    // Waits until the server has handled every request sent.
    void Sync();

private:
    void* dpy_;
};

}  // namespace window_test
