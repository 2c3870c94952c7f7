// A program with a fault of its own, built only with GEO_SANITIZE, so the
// tests can see that a sanitizer's report in a program the tests start fails
// the test (the options and suppressions reach it, and hide nothing of ours).
// It takes the tests' command line and looks only at --keys:
//   leak      loses an allocation (LeakSanitizer, at exit)
//   overflow  overflows a signed int (UndefinedBehaviorSanitizer)
//   anything else ends cleanly
#include <climits>
#include <cstring>
#include <string>

namespace {

int* volatile held = nullptr;

[[gnu::noinline]] void Lose() {
    held = new int[16]{1};
    held = nullptr;
}

[[gnu::noinline]] int Add(int a, int b) { return a + b; }

}  // namespace

int main(int argc, char** argv) {
    std::string keys;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keys") == 0) keys = argv[i + 1];
    if (keys == "leak") Lose();
    if (keys == "overflow") {
        volatile int big = INT_MAX;
        return Add(big, 1) > 0 ? 0 : 5;
    }
    return 0;
}
