// A private X server for the window tests: each test program starts its own
// Xvfb, which picks a free display number itself, points DISPLAY at it, and
// stops that server (by its process id) when the program ends.
#pragma once

#include <string>
#include <sys/types.h>

namespace window_test {

// True once the server is up (DISPLAY then names it).
bool XServerRunning();
// Why it is not, for the test's failure message.
std::string XServerProblem();

// One more server, with a screen of its own ("WIDTHxHEIGHTxDEPTH"), for the
// test that creates it: DISPLAY names it while it lives, and the test
// program's server again after it.
class OtherXServer {
public:
    explicit OtherXServer(const char* screen);
    ~OtherXServer();
    OtherXServer(const OtherXServer&) = delete;
    OtherXServer& operator=(const OtherXServer&) = delete;
    bool Running() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

private:
    pid_t pid_ = -1;
    std::string previous_;
    std::string problem_;
};

}  // namespace window_test
