// The window on a real X server: what it sends to the screen after a drawing,
// a cursor blink, an exposure and a resize, and that closing it ends the
// program. Each test process starts its own Xvfb (see xvfb.h).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/outputs.h"
#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/runtime.h"
#include "platform/trace.h"
#include "support/support.h"
#include "window/x_client.h"
#include "window/xvfb.h"

namespace {

using Clock = std::chrono::steady_clock;

// The prompt anchor of the menus: the entry cursor blinks in the cell there.
constexpr int kCellX = 1056, kCellY = 648, kCell = 16;
constexpr uint32_t kSurround = 0x606060;

using window_test::XClient;

// How long a test waits for a state it expects before it gives up: far
// longer than any run takes, even on a loaded machine, so that only a broken
// program meets it.
constexpr auto kPatience = std::chrono::seconds(30);

// Waits at the runtime's key wait, which handles the window's events, until
// `reached` holds; false when it never did.
template <class Reached>
bool WaitUntil(Runtime& rt, Reached reached) {
    for (const auto end = Clock::now() + kPatience; Clock::now() < end;) {
        if (reached()) return true;
        rt.WaitForKey(10);
    }
    return reached();
}

// The sizes the window is told it has (SDL's size-changed events), noted as
// the host reads its events.
class SizeWatch {
public:
    SizeWatch() { SDL_AddEventWatch(&Note, this); }
    ~SizeWatch() { SDL_DelEventWatch(&Note, this); }
    SizeWatch(const SizeWatch&) = delete;
    SizeWatch& operator=(const SizeWatch&) = delete;
    bool Saw(int width, int height) const { return width_ == width && height_ == height; }

private:
    static int Note(void* self, SDL_Event* e) {
        if (e->type == SDL_WINDOWEVENT && e->window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            static_cast<SizeWatch*>(self)->width_ = e->window.data1;
            static_cast<SizeWatch*>(self)->height_ = e->window.data2;
        }
        return 1;
    }
    int width_ = 0;
    int height_ = 0;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_test::XServerRunning()) << window_test::XServerProblem();
        rt = std::make_unique<Runtime>(std::make_unique<plat::Canvas>(), plat::CreateSdlHost("window test"), nullptr,
                                       std::string(), "12:00:00", nullptr, "");
        // Something to show, and the first wait shows it.
        rt->RtLine(22, 10, 1342, 610, 15, BoxShape::Filled, 10);
        rt->WaitForKey(0);
        first = Log();
        // Whatever the server still has to say about the new window.
        rt->WaitForKey(50);
        base = Log();
    }
    plat::PresentLog Log() { return rt->host().Presented(); }
    void Cursor(int color) { rt->RtCircle(kCellX + 8, kCellY + 8, 4, color, 1, 0, 0, true); }
    // Waits until the window has been shown whole `n` times in all.
    bool ShownWhole(long n) {
        return WaitUntil(*rt, [&] { return Log().whole >= n; });
    }

    std::unique_ptr<Runtime> rt;
    plat::PresentLog first, base;
};

TEST_F(WindowTest, FirstWaitShowsTheWholeFrameThenWaitingShowsNothing) {
    EXPECT_EQ(first.presents, 1);
    EXPECT_EQ(first.whole, 1);
    rt->WaitForKey(40);
    rt->WaitForKey(40);
    EXPECT_EQ(Log().presents, base.presents);
}

TEST_F(WindowTest, CursorBlinkShowsOnlyTheCursorCell) {
    // The pen width the menus leave set.
    rt->RtSetDrawWidth(3);
    XClient x;
    ASSERT_TRUE(x.ok());
    auto w = x.TopWindow();
    ASSERT_TRUE(w);
    auto a = x.SizeOf(*w);
    ASSERT_TRUE(a);
    const double scale = std::min(a->width / double(kSurfaceWidth), a->height / double(kSurfaceHeight));
    for (int blink = 0; blink < 4; ++blink) {
        const long before = Log().presents;
        Cursor(blink % 2 == 0 ? 5 : 15);
        rt->WaitForKey(0);
        const plat::PresentLog log = Log();
        EXPECT_EQ(log.presents, before + 1);
        EXPECT_EQ(log.whole, base.whole);
        // Inside the cell, in surface pixels...
        EXPECT_GE(log.last.x, kCellX);
        EXPECT_GE(log.last.y, kCellY);
        EXPECT_LE(log.last.x + log.last.w, kCellX + kCell);
        EXPECT_LE(log.last.y + log.last.h, kCellY + kCell);
        // ... and no larger than the cell as the window shows it (the
        // filtering reaches one window pixel further on each side).
        EXPECT_LE(log.lastWindow.w, kCell * scale + 2);
        EXPECT_LE(log.lastWindow.h, kCell * scale + 2);
    }
    // The blinking cursor is on the screen: in the middle of its cell.
    Cursor(5);
    rt->WaitForKey(0);
    x.Sync();
    const int cx = static_cast<int>((a->width - kSurfaceWidth * scale) / 2 + (kCellX + 8.5) * scale);
    const int cy = static_cast<int>((a->height - kSurfaceHeight * scale) / 2 + (kCellY + 8.5) * scale);
    EXPECT_EQ(x.Pixel(*w, cx, cy), plat::PaletteColor(5));
}

TEST_F(WindowTest, ExposureShowsTheWholeFrameOnce) {
    XClient x;
    ASSERT_TRUE(x.ok());
    auto w = x.TopWindow();
    ASSERT_TRUE(w);
    // The desktop uncovers the window twice in a row: one whole frame.
    x.Uncover(*w, 0, 0, 0, 0);
    x.Uncover(*w, 10, 10, 50, 50);
    x.Sync();
    ASSERT_TRUE(ShownWhole(base.whole + 1)) << "the exposed window was never shown again";
    EXPECT_EQ(Log().whole, base.whole + 1);
    EXPECT_EQ(Log().presents, base.presents + 1);
    rt->WaitForKey(40);
    EXPECT_EQ(Log().presents, base.presents + 1);
}

// Showing parts of the picture leaves the window exactly as showing all of
// it would: no seams where the filtered parts meet.
TEST_F(WindowTest, PartsShownMatchTheWholeFrame) {
    XClient x;
    ASSERT_TRUE(x.ok());
    auto w = x.TopWindow();
    ASSERT_TRUE(w);
    rt->RtSetDrawWidth(3);
    const Pt zigzag[] = {{100, 700}, {180, 640}, {260, 760}, {340, 650}, {420, 820}};
    for (int i = 0; i < 6; ++i) {
        rt->RtCircle(700 + 37 * i, 300 + 21 * i, 10 + 7 * i, i % 2 ? 15 : 5, 1, 0, 0, i % 3 == 0, 14);
        rt->WaitForKey(0);
        rt->RtLine(500 + 50 * i, 850, 560 + 50 * i, 700 - 20 * i, i);
        rt->RtSymbol(60 + 100 * i, 50 + 30 * i, 1, 1, 9, "図形の移動");
        rt->WaitForKey(0);
    }
    rt->RtConnect(zigzag, 13, true, 4);
    rt->WaitForKey(0);
    EXPECT_EQ(Log().whole, base.whole);
    x.Sync();
    const auto parts = x.Capture(*w);
    ASSERT_FALSE(parts.empty());
    x.Uncover(*w, 0, 0, 0, 0);
    x.Sync();
    ASSERT_TRUE(ShownWhole(base.whole + 1)) << "the exposed window was never shown again";
    ASSERT_EQ(Log().whole, base.whole + 1);
    x.Sync();
    const auto whole = x.Capture(*w);
    ASSERT_EQ(parts.size(), whole.size());
    size_t differ = 0;
    for (size_t i = 0; i < parts.size(); ++i) differ += parts[i] != whole[i];
    EXPECT_EQ(differ, 0u);
}

struct Shape {
    int width;
    int height;
    // A point of the window inside the picture and one in the surround.
    int inX, inY, outX, outY;
};

void PrintTo(const Shape& s, std::ostream* os) { *os << s.width << "x" << s.height; }

class ResizedWindow : public WindowTest, public ::testing::WithParamInterface<Shape> {};

TEST_P(ResizedWindow, ShowsThePictureWholeCentredWithItsProportions) {
    const Shape s = GetParam();
    XClient x;
    ASSERT_TRUE(x.ok());
    auto w = x.TopWindow();
    ASSERT_TRUE(w);
    // The whole surface in blue, so any part of the picture reads blue.
    rt->RtLine(0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1, 1, BoxShape::Filled);
    rt->WaitForKey(0);
    const long whole = Log().whole;
    x.Resize(*w, s.width, s.height);
    ASSERT_TRUE(ShownWhole(whole + 1)) << "the resized window was never shown again";
    EXPECT_EQ(Log().whole, whole + 1);
    x.Sync();
    EXPECT_EQ(x.Pixel(*w, s.inX, s.inY), plat::PaletteColor(1));
    if (s.outX >= 0) {
        EXPECT_EQ(x.Pixel(*w, s.outX, s.outY), kSurround);
    }
    // The picture's four corners, just inside.
    const double scale = std::min(s.width / double(kSurfaceWidth), s.height / double(kSurfaceHeight));
    const int pw = static_cast<int>(kSurfaceWidth * scale), ph = static_cast<int>(kSurfaceHeight * scale);
    const int px = (s.width - pw) / 2, py = (s.height - ph) / 2;
    for (auto [cx, cy] : {std::pair{px + 1, py + 1}, {px + pw - 2, py + 1}, {px + 1, py + ph - 2}, {px + pw - 2, py + ph - 2}})
        EXPECT_EQ(x.Pixel(*w, cx, cy), plat::PaletteColor(1)) << cx << "," << cy;
}

INSTANTIATE_TEST_SUITE_P(Shapes, ResizedWindow,
                         ::testing::Values(Shape{600, 600, 300, 300, 300, 40},     // bands above and below
                                           Shape{1200, 400, 600, 200, 100, 200},   // bands left and right
                                           Shape{1000, 625, 5, 5, -1, -1}),        // the surface's proportions
                         [](const auto& tp) {
                             return std::to_string(tp.param.width) + "x" + std::to_string(tp.param.height);
                         });

// SDL's large allocations (a frame's worth) fail on request: memory running
// out just as a frame is to be shown.
std::atomic<bool> failLargeAllocations{false};
constexpr size_t kLarge = 1 << 20;
void* MallocOrFail(size_t n) { return failLargeAllocations && n >= kLarge ? nullptr : std::malloc(n); }
void* CallocOrFail(size_t n, size_t size) {
    return failLargeAllocations && n * size >= kLarge ? nullptr : std::calloc(n, size);
}
void* ReallocOrFail(void* p, size_t n) { return failLargeAllocations && n >= kLarge ? nullptr : std::realloc(p, n); }

// A frame that could not be shown (its image could not be allocated) is
// shown whole at the next wait: after nothing more was drawn, or with the
// next small part (a cursor blink).
struct UnshownCase {
    const char* name;
    bool resized;    // the frame failed was the first at a new window size
    bool partAfter;  // a small part is drawn before the next wait
};

void PrintTo(const UnshownCase& c, std::ostream* os) { *os << c.name; }

// On a 16-bit screen the window's pixels are laid out unlike the surface's,
// so each frame is painted in an image of the surface's layout (allocated
// at the window's size) and copied over.
class WindowOn16BitScreen : public ::testing::TestWithParam<UnshownCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Running()) << server.Problem();
        SDL_GetMemoryFunctions(&malloc_, &calloc_, &realloc_, &free_);
        SDL_SetMemoryFunctions(MallocOrFail, CallocOrFail, ReallocOrFail, std::free);
        rt = std::make_unique<Runtime>(std::make_unique<plat::Canvas>(), plat::CreateSdlHost("16-bit"), nullptr,
                                       std::string(), "12:00:00", nullptr, "");
    }
    void TearDown() override {
        rt.reset();
        failLargeAllocations = false;
        if (malloc_) SDL_SetMemoryFunctions(malloc_, calloc_, realloc_, free_);
    }
    plat::PresentLog Log() { return rt->host().Presented(); }
    // A palette colour as the 16-bit screen holds it (5, 6 and 5 bits).
    static uint32_t On16Bits(int code) {
        const uint32_t c = plat::PaletteColor(code);
        return ((c >> 19) & 0x1F) << 11 | ((c >> 10) & 0x3F) << 5 | ((c >> 3) & 0x1F);
    }

    window_test::OtherXServer server{"1280x1024x16"};
    SDL_malloc_func malloc_ = nullptr;
    SDL_calloc_func calloc_ = nullptr;
    SDL_realloc_func realloc_ = nullptr;
    SDL_free_func free_ = nullptr;
    std::unique_ptr<Runtime> rt;
};

TEST_P(WindowOn16BitScreen, AFrameNotShownIsShownAtTheNextWait) {
    const UnshownCase& c = GetParam();
    XClient x;
    ASSERT_TRUE(x.ok());
    auto w = x.TopWindow();
    ASSERT_TRUE(w);
    SizeWatch sizes;
    rt->RtLine(0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1, 1, BoxShape::Filled);
    if (c.resized) {
        rt->WaitForKey(0);
        rt->WaitForKey(50);
        x.Resize(*w, 1000, 625);
    }
    const long shown = Log().presents;
    failLargeAllocations = true;
    // The frame fails at the first wait, or once the host has read the new
    // size (and tried to show the frame whole at it).
    rt->WaitForKey(0);
    const bool resizeRead = !c.resized || WaitUntil(*rt, [&] { return sizes.Saw(1000, 625); });
    failLargeAllocations = false;
    ASSERT_TRUE(resizeRead) << "the window never learnt its new size";
    ASSERT_EQ(Log().presents, shown) << "the frame was shown without its image";
    const plat::PresentLog before = Log();
    if (c.partAfter) rt->RtLine(10, 10, 20, 20, 4, BoxShape::Filled);
    rt->WaitForKey(0);
    EXPECT_EQ(Log().presents, before.presents + 1);
    EXPECT_EQ(Log().whole, before.whole + 1);
    x.Sync();
    auto size = x.SizeOf(*w);
    ASSERT_TRUE(size);
    EXPECT_EQ(x.Pixel(*w, size->width / 2, size->height / 2), On16Bits(1));
}

INSTANTIATE_TEST_SUITE_P(Frames, WindowOn16BitScreen,
                         ::testing::Values(UnshownCase{"First", false, false},
                                           UnshownCase{"FirstThenAPart", false, true},
                                           UnshownCase{"NewSize", true, false},
                                           UnshownCase{"NewSizeThenAPart", true, true}),
                         [](const auto& tp) { return std::string(tp.param.name); });

// What the window shows when the program has come where a case acts.
enum class Screen {
    First,   // the first screen: the white background below the middle
    Error,   // the error screen: its one line of text, in pink
};

// The error screen writes its one line at (288, 432) on the surface, in
// colour 13; this band of the surface holds the whole of it.
constexpr int kErrorBandX = 288, kErrorBandY = 424, kErrorBandWidth = 720, kErrorBandHeight = 32;
constexpr int kErrorTextColor = 13;

// True once the window shows `screen`.
bool Shows(XClient& x, unsigned long w, Screen screen) {
    const auto a = x.SizeOf(w);
    if (!a) return false;
    if (screen == Screen::First) return x.Pixel(w, a->width / 2, a->height * 3 / 4) == 0xFFFFFFu;
    // The band as the window shows it: the picture scaled to fit, centred.
    const double scale = std::min(a->width / double(kSurfaceWidth), a->height / double(kSurfaceHeight));
    const int left = static_cast<int>((a->width - kSurfaceWidth * scale) / 2 + kErrorBandX * scale);
    const int top = static_cast<int>((a->height - kSurfaceHeight * scale) / 2 + kErrorBandY * scale);
    const auto band = x.Capture(w, left, top, static_cast<int>(kErrorBandWidth * scale),
                                static_cast<int>(kErrorBandHeight * scale));
    return std::count(band.begin(), band.end(), plat::PaletteColor(kErrorTextColor)) > 0;
}

// The whole program with its window: it shows its first screen, then keys
// typed into the window reach it, and the close button (the window manager's
// delete request) ends it at once, from a key wait or from the error screen.
struct ProgramCase {
    const char* name;
    const char* program;
    std::vector<std::string> args;
    Screen awaited;                   // shown before the keys are typed and the window closed
    std::vector<std::string> typed;   // key names, typed into the window
    bool close;
    int status;
    std::string script = {};          // when given: a key file, passed with --keys-file
};

void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }

class WindowProgram : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(WindowProgram, ShowsTakesKeysAndEndsAtOnce) {
    const ProgramCase& c = GetParam();
    ASSERT_TRUE(window_test::XServerRunning()) << window_test::XServerProblem();
    XClient x;
    ASSERT_TRUE(x.ok());
    const std::string errPath = testing_support::TempPath(std::string(c.program) + "-stderr", ".txt");
    const std::string path = testing_support::ProgramPath(c.program);
    std::vector<std::string> args = c.args;
    const std::string keyFile = testing_support::TempPath(std::string(c.program) + "-keys", ".txt");
    if (!c.script.empty()) {
        std::ofstream(keyFile) << c.script;
        args.insert(args.end(), {"--keys-file", keyFile});
    }
    std::vector<char*> argv{const_cast<char*>(c.program)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        FILE* err = std::freopen(errPath.c_str(), "w", stderr);
        (void)err;
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    std::optional<unsigned long> w;
    bool shown = false;
    for (auto end = Clock::now() + kPatience; Clock::now() < end && !shown;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!w) w = x.TopWindow();
        shown = w && Shows(x, *w, c.awaited);
    }
    EXPECT_TRUE(shown) << "the window never showed the "
                       << (c.awaited == Screen::Error ? "error screen" : "first screen");
    if (w) {
        for (const auto& key : c.typed) x.Type(*w, key);
        if (c.close) x.Close(*w);
    }
    // At once: far sooner than the long key script (below) would end, whatever
    // the load.
    int status = 0;
    bool ended = false;
    for (auto end = Clock::now() + std::chrono::seconds(20); Clock::now() < end && !ended;) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        FAIL() << "the program did not end";
    }
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.status) << ReadAll(errPath);
    std::remove(errPath.c_str());
    std::remove(keyFile.c_str());
}

// A key script far longer than the test (the main menu's entry typed and
// cleared a million and a half times, some 45 s of work).
std::string EndlessScript() {
    std::string script;
    for (int i = 0; i < 1'500'000; ++i) script += "1{BS}";
    return script;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, WindowProgram,
    ::testing::Values(ProgramCase{"MenuClosed", "varnel", {}, Screen::First, {}, true, 0},
                      // The main menu's last item ends the program.
                      ProgramCase{"LastItemTyped", "varnel", {}, Screen::First, {"8", "Return"}, false, 0},
                      // Closed on the error screen itself: a close that came
                      // while the script's keys were still read would end
                      // the program before its error.
                      ProgramCase{"ErrorScreenClosed", "error_probe", {"--keys", "x1"}, Screen::Error, {}, true, 3},
                      // Closed while it still works through its key script.
                      ProgramCase{"ClosedDuringALongScript", "varnel", {}, Screen::First, {}, true, 0,
                                  EndlessScript()}),
    [](const auto& tp) { return std::string(tp.param.name); });

}  // namespace
