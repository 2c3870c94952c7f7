#include "window/x_client.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace window_test {
namespace {

Display* D(void* p) { return static_cast<Display*>(p); }

}  // namespace

XClient::XClient() : dpy_(XOpenDisplay(nullptr)) {
    // A failed request (a window gone, a point off the screen) reads as no
    // pixel rather than ending the test program.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XClient::~XClient() {
    if (dpy_) XCloseDisplay(D(dpy_));
}

std::optional<unsigned long> XClient::TopWindow() {
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    std::optional<unsigned long> found;
    if (XQueryTree(D(dpy_), DefaultRootWindow(D(dpy_)), &root, &parent, &children, &n)) {
        for (unsigned i = 0; i < n; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(D(dpy_), children[i], &a) && a.map_state == IsViewable) found = children[i];
        }
        if (children) XFree(children);
    }
    return found;
}

std::optional<XClient::Size> XClient::SizeOf(unsigned long window) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(D(dpy_), window, &a)) return std::nullopt;
    return Size{a.width, a.height};
}

std::optional<uint32_t> XClient::Pixel(unsigned long window, int x, int y) {
    XImage* img = XGetImage(D(dpy_), window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) return std::nullopt;
    const auto px = static_cast<uint32_t>(XGetPixel(img, 0, 0)) & 0xFFFFFF;
    XDestroyImage(img);
    return px;
}

std::vector<uint32_t> XClient::Capture(unsigned long window) {
    auto size = SizeOf(window);
    if (!size) return {};
    return Capture(window, 0, 0, size->width, size->height);
}

std::vector<uint32_t> XClient::Capture(unsigned long window, int x0, int y0, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    XImage* img = XGetImage(D(dpy_), window, x0, y0, width, height, AllPlanes, ZPixmap);
    if (!img) return {};
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.push_back(static_cast<uint32_t>(XGetPixel(img, x, y)) & 0xFFFFFF);
    XDestroyImage(img);
    return out;
}

void XClient::Resize(unsigned long window, int width, int height) {
    XMoveResizeWindow(D(dpy_), window, 0, 0, width, height);
    Sync();
}

void XClient::Uncover(unsigned long window, int x, int y, int width, int height) {
    XClearArea(D(dpy_), window, x, y, width, height, True);
}

void XClient::Type(unsigned long window, const std::string& key) {
    XEvent ev{};
    ev.xkey.display = D(dpy_);
    ev.xkey.window = window;
    ev.xkey.root = DefaultRootWindow(D(dpy_));
    ev.xkey.subwindow = None;
    ev.xkey.time = CurrentTime;
    ev.xkey.same_screen = True;
    ev.xkey.keycode = XKeysymToKeycode(D(dpy_), XStringToKeysym(key.c_str()));
    for (int type : {KeyPress, KeyRelease}) {
        ev.xkey.type = type;
        XSendEvent(D(dpy_), window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &ev);
    }
    Sync();
}

void XClient::Close(unsigned long window) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(D(dpy_), "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(D(dpy_), "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(D(dpy_), window, False, NoEventMask, &ev);
    Sync();
}

void XClient::Sync() { XSync(D(dpy_), False); }

}  // namespace window_test
