#include "window/xvfb.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace window_test {
namespace {

// A screen smaller than the surface, so that the window shows it scaled.
constexpr const char* kScreen = "1280x1024x24";

struct Server {
    pid_t pid = -1;
    std::string display;
    std::string problem = "the X server was not started";
};

Server& TheServer() {
    static Server server;
    return server;
}

// Starts Xvfb with `screen` and returns its display (":N") once it accepts
// clients, or "" when it did not start (the caller stops what `pid` names).
std::string StartXvfb(const char* screen, pid_t& pid) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(fds[1]);
        // -displayfd: Xvfb takes the first free display number and writes
        // it to the pipe once it accepts clients. -noreset: the server
        // must not reset (and drop new clients) each time the last client
        // leaves, between two tests.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char c;
        if (read(fds[0], &c, 1) != 1) break;   // Xvfb ended (or is missing)
        if (c == '\n') break;
        number += c;
    }
    close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

void StopXvfb(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    int status;
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    pid = -1;
}

constexpr const char* kNotStarted = "Xvfb did not start (is it installed? scripts/setup.sh installs it)";

class XvfbEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Server& s = TheServer();
        s.display = StartXvfb(kScreen, s.pid);
        if (s.display.empty()) {
            s.problem = kNotStarted;
            StopXvfb(s.pid);
            return;
        }
        setenv("DISPLAY", s.display.c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        s.problem.clear();
    }
    void TearDown() override { StopXvfb(TheServer().pid); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new XvfbEnvironment);

}  // namespace

bool XServerRunning() { return TheServer().problem.empty(); }
std::string XServerProblem() { return TheServer().problem; }

OtherXServer::OtherXServer(const char* screen) {
    if (const char* display = std::getenv("DISPLAY")) previous_ = display;
    const std::string display = StartXvfb(screen, pid_);
    if (display.empty()) {
        problem_ = kNotStarted;
        StopXvfb(pid_);
        return;
    }
    setenv("DISPLAY", display.c_str(), 1);
}

OtherXServer::~OtherXServer() {
    StopXvfb(pid_);
    if (previous_.empty()) unsetenv("DISPLAY");
    else setenv("DISPLAY", previous_.c_str(), 1);
}

}  // namespace window_test
