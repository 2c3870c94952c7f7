// Measures a program as a user meets it, with a real window on an X server
// (run it through bench/window_bench.sh, which starts one), beside the
// headless run of the same binary:
//   - start to first paint: from starting the program to the first time its
//     window shows the picture (a white pixel in its middle row);
//   - start to menu, headless: the same binary with --headless and no keys
//     runs to the main menu and ends there;
//   - CPU used while the window waits at the main menu (cursor blinking);
//   - peak resident memory with a window and headless;
//   - the cost of one --shots picture against the key it follows, on keys
//     of the program's own (bench/shot_keys.h);
//   - how long the program takes to end when its window is closed.
//
// Usage: geo_window_probe PROGRAM [--runs N] [--idle-seconds S]
//                                 [--pictures DIR]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/shot_keys.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Windows may go away under the probe (SDL can make its window twice):
// requests about them fail quietly.
int IgnoreXError(::Display*, XErrorEvent*) { return 0; }

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

pid_t Start(const std::string& program, const std::vector<std::string>& args, bool quiet = true) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        if (quiet) {
            int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

struct Ended {
    int status = -1;
    double maxRssMiB = 0;
};

Ended Wait(pid_t pid) {
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    return {status, ru.ru_maxrss / 1024.0};
}

// Time on a processor of all the threads of a process, in nanoseconds.
long long CpuNs(pid_t pid) {
    long long total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& t : fs::directory_iterator(dir)) {
        std::ifstream in(t.path() / "schedstat");
        long long ns = 0;
        if (in >> ns) total += ns;
    }
    return total;
}

double RssMiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// Runs the program headless with no keys: it draws the main menu, finds no
// key and ends.
std::pair<double, double> HeadlessStartToMenu(const std::string& program) {
    const auto t0 = Clock::now();
    pid_t pid = Start(program, {"--headless"});
    Ended e = Wait(pid);
    return {Ms(Clock::now() - t0), e.maxRssMiB};
}

double TimedHeadless(const std::string& program, const std::vector<std::string>& args) {
    const auto t0 = Clock::now();
    Wait(Start(program, args));
    return Ms(Clock::now() - t0);
}

class XServer {
public:
    XServer() {
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) {
            std::fprintf(stderr, "cannot open the X display (DISPLAY=%s)\n", std::getenv("DISPLAY") ?: "");
            std::exit(2);
        }
        XSetErrorHandler(IgnoreXError);
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
    }
    ~XServer() { XCloseDisplay(dpy_); }
    ::Display* get() { return dpy_; }

    // The next top-level window mapped, within `timeoutMs`.
    std::optional<Window> WaitMapped(int timeoutMs) {
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < end) {
            while (XPending(dpy_)) {
                XEvent ev;
                XNextEvent(dpy_, &ev);
                if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy_)) return ev.xmap.window;
            }
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, 5);
        }
        return std::nullopt;
    }

    // A top-level window mapped since the last call, if any.
    std::optional<Window> NewlyMapped() {
        std::optional<Window> w;
        while (XPending(dpy_)) {
            XEvent ev;
            XNextEvent(dpy_, &ev);
            if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy_)) w = ev.xmap.window;
        }
        return w;
    }

    // True when the middle row of the window holds a white pixel.
    bool ShowsPicture(Window w) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(dpy_, w, &a) || a.width <= 0) return false;
        XImage* img = XGetImage(dpy_, w, 0, a.height / 2, a.width, 1, AllPlanes, ZPixmap);
        if (!img) return false;
        bool white = false;
        for (int x = 0; x < a.width && !white; ++x) white = (XGetPixel(img, x, 0) & 0xFFFFFF) == 0xFFFFFF;
        XDestroyImage(img);
        return white;
    }

    void Close(Window w) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.message_type = XInternAtom(dpy_, "WM_PROTOCOLS", False);
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy_, "WM_DELETE_WINDOW", False));
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy_, w, False, NoEventMask, &ev);
        XFlush(dpy_);
    }

    bool Save(Window w, const std::string& path) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(dpy_, w, &a)) return false;
        XImage* img = XGetImage(dpy_, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        if (!img) return false;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, a.width, a.height);
        unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                uint32_t px = static_cast<uint32_t>(XGetPixel(img, x, y)) & 0xFFFFFF;
                std::memcpy(data + y * stride + x * 4, &px, 4);
            }
        cairo_surface_mark_dirty(s);
        const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(s);
        XDestroyImage(img);
        return ok;
    }

    void Resize(Window w, int width, int height) {
        XMoveResizeWindow(dpy_, w, 0, 0, width, height);
        XSync(dpy_, False);
    }

private:
    ::Display* dpy_ = nullptr;
};

struct WindowRun {
    double firstPaintMs = -1;
    double rssAtMenuMiB = 0;
    double idleCpuPercent = -1;
    double closeMs = -1;
    Ended ended;
};

WindowRun RunWindow(XServer& x, const std::string& program, int idleSeconds, const std::string& pictures) {
    WindowRun r;
    const auto t0 = Clock::now();
    pid_t pid = Start(program, {});
    auto w = x.WaitMapped(10000);
    if (w) {
        const auto end = t0 + std::chrono::seconds(10);
        while (Clock::now() < end) {
            if (auto again = x.NewlyMapped()) w = again;
            if (x.ShowsPicture(*w)) {
                r.firstPaintMs = Ms(Clock::now() - t0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        // Settled at the menu.
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        if (auto again = x.NewlyMapped()) w = again;
        r.rssAtMenuMiB = RssMiB(pid);
        if (idleSeconds > 0) {
            const long long before = CpuNs(pid);
            const auto c0 = Clock::now();
            std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
            const long long used = CpuNs(pid) - before;
            r.idleCpuPercent = 100.0 * used / 1e6 / Ms(Clock::now() - c0);
        }
        if (!pictures.empty()) {
            fs::create_directories(pictures);
            x.Save(*w, pictures + "/window.png");
            // Another shape: the picture keeps its proportions, centred.
            x.Resize(*w, 700, 700);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            x.Save(*w, pictures + "/resized-tall.png");
            x.Resize(*w, 1300, 500);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            x.Save(*w, pictures + "/resized-wide.png");
        }
        const auto c0 = Clock::now();
        x.Close(*w);
        for (int i = 0; i < 5000; ++i) {
            int status;
            rusage ru{};
            if (wait4(pid, &status, WNOHANG, &ru) == pid) {
                r.closeMs = Ms(Clock::now() - c0);
                r.ended = {status, ru.ru_maxrss / 1024.0};
                return r;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    kill(pid, SIGKILL);
    r.ended = Wait(pid);
    return r;
}

// True when a headless run on `keys` reads every one of its `count` keys,
// each key draws some of the lesson (more than a cursor's blink) before the
// next is read, and the run ends because the keys ran out: only then do the
// keys measure what they are meant to.
bool ReadsEveryKey(const std::string& program, const std::string& keys, int count, const fs::path& trace) {
    Wait(Start(program, {"--headless", "--keys", keys, "--trace", trace.string()}));
    std::ifstream in(trace);
    int read = 0, drawn = bench::kLeastDrawnPerKey;
    bool ranOut = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find("\"op\":\"key\"") != std::string::npos) {
            if (drawn < bench::kLeastDrawnPerKey) return false;
            ++read;
            drawn = 0;
        } else if (line.find("\"op\":\"end\"") != std::string::npos) {
            ranOut = line.find("\"keys ran out\"") != std::string::npos;
        } else if (line.find("\"measure\":true") == std::string::npos) {
            ++drawn;
        }
    }
    return read == count && drawn >= bench::kLeastDrawnPerKey && ranOut;
}

// A lesson screen as the window shows it, reached by a key script.
void SaveLessonPicture(XServer& x, const std::string& program, const std::string& keys, const std::string& path) {
    pid_t pid = Start(program, {"--keys", keys});
    if (auto w = x.WaitMapped(10000)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        if (auto again = x.NewlyMapped()) w = again;
        x.Save(*w, path);
        x.Close(*w);
    }
    for (int i = 0; i < 1000; ++i) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid, SIGKILL);
    Wait(pid);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [--runs N] [--idle-seconds S] [--pictures DIR]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[1];
    int runs = 5, idleSeconds = 6;
    std::string pictures;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
        else if (opt == "--idle-seconds") idleSeconds = std::atoi(argv[i + 1]);
        else if (opt == "--pictures") pictures = argv[i + 1];
    }

    // Headless: one warm-up, then the runs.
    HeadlessStartToMenu(program);
    std::vector<double> headlessMs, headlessRss;
    for (int i = 0; i < runs; ++i) {
        auto [ms, rss] = HeadlessStartToMenu(program);
        headlessMs.push_back(ms);
        headlessRss.push_back(rss);
    }

    // With a window: one warm-up, the runs, and one run that waits at the
    // menu to measure the processor time.
    XServer x;
    RunWindow(x, program, 0, "");
    std::vector<double> paintMs, windowRss, menuRss, closeMs;
    for (int i = 0; i < runs; ++i) {
        WindowRun r = RunWindow(x, program, 0, "");
        paintMs.push_back(r.firstPaintMs);
        windowRss.push_back(r.ended.maxRssMiB);
        menuRss.push_back(r.rssAtMenuMiB);
        closeMs.push_back(r.closeMs);
    }
    WindowRun idle = RunWindow(x, program, idleSeconds, pictures);
    const bench::ShotKeys* own = bench::ShotKeysFor(program);
    if (!pictures.empty() && own) SaveLessonPicture(x, program, bench::Repeated(*own, 1), pictures + "/lesson.png");

    // Shots on the program's own keys: the lesson screen, then some 200 keys
    // of its steps; the same with a picture before every key. The figure is
    // given only when the keys do what they are meant to.
    // In a folder of our own (a fresh name, mode 0700) under TMPDIR.
    std::string tmpName = (fs::temp_directory_path() / "geo-window-probe.XXXXXX").string();
    if (!mkdtemp(tmpName.data())) {
        std::fprintf(stderr, "cannot make a folder %s: %s\n", tmpName.c_str(), std::strerror(errno));
        return 1;
    }
    const fs::path tmp = tmpName;
    std::vector<double> keyMs, shotMs;
    std::string notMeasured;
    if (!own) {
        notMeasured = "no keys of its own in bench/shot_keys.h";
    } else {
        const int stepKeys = bench::KeyCount(own->step);
        const std::string lead = own->lead, tour = bench::Repeated(*own, std::max(1, 200 / stepKeys));
        const int leadCount = bench::KeyCount(lead), tourCount = bench::KeyCount(tour);
        if (!ReadsEveryKey(program, tour, tourCount, tmp / "trace.jsonl")) {
            notMeasured = std::string("its keys (") + own->screen + ") do not go through the steps";
        } else {
            for (int i = 0; i <= 3; ++i) {
                const double base = TimedHeadless(program, {"--headless", "--keys", lead});
                const double plain = TimedHeadless(program, {"--headless", "--keys", tour});
                fs::remove_all(tmp / "shots");
                const double shots =
                    TimedHeadless(program, {"--headless", "--keys", tour, "--shots", (tmp / "shots").string()});
                if (i == 0) continue;   // warm-up
                // Every key of the tour with a picture, and one at the end.
                keyMs.push_back((plain - base) / (tourCount - leadCount));
                shotMs.push_back((shots - plain) / (tourCount + 1));
            }
        }
    }
    fs::remove_all(tmp);

    const double paint = Median(paintMs), menu = Median(headlessMs);
    const double rssW = Median(windowRss), rssH = Median(headlessRss);
    const double key = Median(keyMs), shot = Median(shotMs);
    std::printf("%s (median of %d runs after a warm-up)\n", program.c_str(), runs);
    std::printf("  %-38s %9s %9s %8s  %s\n", "", "window", "headless", "ratio", "goal");
    std::printf("  %-38s %6.1f ms %6.1f ms %7.2fx  <= 2x\n", "start to first paint / to menu", paint, menu,
                paint / menu);
    std::printf("  %-38s %5.1f MiB %5.1f MiB %7.2fx  <= 2x\n", "peak resident memory", rssW, rssH, rssW / rssH);
    std::printf("  %-38s %5.1f MiB\n", "resident memory at the menu", Median(menuRss));
    std::printf("  %-38s %7.3f %%  (over %d s)          <= 0.5 %%\n", "CPU waiting at the menu, of one core",
                idle.idleCpuPercent, idleSeconds);
    std::printf("  %-38s %6.1f ms\n", "close to exit", Median(closeMs));
    if (notMeasured.empty()) {
        std::printf("  %-38s %6.2f ms %6.3f ms %7.1fx  <= 30x\n", "one shot / the key it follows", shot, key,
                    shot / key);
        std::printf("    on keys of its own: %s\n", own->screen);
    } else {
        std::printf("  %-38s not measured: %s\n", "one shot / the key it follows", notMeasured.c_str());
    }
    if (!pictures.empty()) std::printf("  pictures of the window in %s\n", pictures.c_str());
    return 0;
}
