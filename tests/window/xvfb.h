// A private X server for the window tests: each test program starts its own
// Xvfb, which picks a free display number itself, points DISPLAY at it, and
// stops that server (by its process id) when the program ends.
#pragma once

#include <string>

namespace window_test {

// True once the server is up (DISPLAY then names it).
bool XServerRunning();
// Why it is not, for the test's failure message.
std::string XServerProblem();

}  // namespace window_test
