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

class XvfbEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Server& s = TheServer();
        int fds[2];
        if (pipe(fds) != 0) {
            s.problem = "no pipe for Xvfb";
            return;
        }
        s.pid = fork();
        if (s.pid == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            const std::string fd = std::to_string(fds[1]);
            // -displayfd: Xvfb takes the first free display number and writes
            // it to the pipe once it accepts clients. -noreset: the server
            // must not reset (and drop new clients) each time the last client
            // leaves, between two tests.
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", kScreen, "-nolisten", "tcp", "-noreset",
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
        if (number.empty()) {
            s.problem = "Xvfb did not start (is it installed? scripts/setup.sh installs it)";
            Stop();
            return;
        }
        s.display = ":" + number;
        setenv("DISPLAY", s.display.c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        s.problem.clear();
    }
    void TearDown() override { Stop(); }

private:
    static void Stop() {
        Server& s = TheServer();
        if (s.pid <= 0) return;
        kill(s.pid, SIGTERM);
        int status;
        for (int i = 0; i < 200; ++i) {
            if (waitpid(s.pid, &status, WNOHANG) == s.pid) {
                s.pid = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(s.pid, SIGKILL);
        waitpid(s.pid, &status, 0);
        s.pid = -1;
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new XvfbEnvironment);

}  // namespace

bool XServerRunning() { return TheServer().problem.empty(); }
std::string XServerProblem() { return TheServer().problem; }

}  // namespace window_test
