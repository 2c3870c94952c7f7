// The command line, start-up, the trace and the error screen of the built
// programs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/support.h"

namespace {

using testing_support::RunProgramHeadless;
namespace fs = std::filesystem;

class EveryProgram : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryProgram, StartsHeadlessAndEndsWhenTheScriptRunsOut) {
    auto r = RunProgramHeadless(GetParam(), "");
    EXPECT_EQ(r.status, 0) << r.stderrText;
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.back().value("op", ""), "end");
    EXPECT_EQ(r.events.back().value("status", -1), 0);
}

TEST_P(EveryProgram, SameKeysAndClockGiveTheSameTrace) {
    auto a = RunProgramHeadless(GetParam(), "9{Enter}", {}, false, "07:08:09");
    auto b = RunProgramHeadless(GetParam(), "9{Enter}", {}, false, "07:08:09");
    EXPECT_EQ(a.events, b.events);
}

// Fontconfig names a font's families in the user's language first (the
// Gothic face is "IPAゴシック" under Japanese); the program still knows its
// own fonts there and says nothing about them.
TEST_P(EveryProgram, StartsWithoutAWordOnStderrInAJapaneseLocale) {
    const char* before = std::getenv("FC_LANG");
    const std::string saved = before ? before : "";
    setenv("FC_LANG", "ja", 1);
    auto r = RunProgramHeadless(GetParam(), "");
    if (before) setenv("FC_LANG", saved.c_str(), 1);
    else unsetenv("FC_LANG");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.stderrText, "");
}

TEST_P(EveryProgram, RefusesBadOptionsWithUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--no-such-option"}, {"--clock", "25:00:00"}, {"--clock", "noon"}, {"--keys", "{Nope}"},
             {"--keys-file", "/nonexistent/keys.txt"}, {"--screenshot", "/nonexistent/dir/end.png"},
             {"--shots", "/nonexistent/dir/shots"}}) {
        auto r = RunProgramHeadless(GetParam(), "", args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.stderrText.find("Usage"), std::string::npos) << r.stderrText;
        EXPECT_TRUE(r.events.empty());   // nothing opened, nothing traced
    }
}

TEST_P(EveryProgram, WritesScreenshotAndOneShotPerKeyPlusTheEnd) {
    const fs::path shot = testing_support::TempPath(std::string(GetParam()) + "-end", ".png");
    fs::remove(shot);
    auto r = RunProgramHeadless(GetParam(), "9{Enter}", {"--screenshot", shot.string()}, /*shots=*/true);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(fs::exists(shot));
    const auto keys = r.Of("key");
    int pngs = 0;
    for (const auto& entry : fs::directory_iterator(r.shotsDir)) pngs += entry.path().extension() == ".png";
    EXPECT_EQ(pngs, static_cast<int>(keys.size()) + 1);
    EXPECT_TRUE(fs::exists(fs::path(r.shotsDir) / "0001.png"));
    fs::remove_all(r.shotsDir);
    fs::remove(shot);
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgram, ::testing::Values("varnel", "droveny", "pemmick", "quillet"));

TEST(CommandLine, KeysAreTracedWithTheirCodes) {
    auto r = RunProgramHeadless("error_probe", "a{Enter}{BS}{Del}{Right}{Left}{Up}{Down}{Esc}{{");
    EXPECT_EQ(r.status, 0);
    const auto keys = r.Of("key");
    const int expected[] = {'a', 13, 8, 12, 28, 29, 30, 31, 27, '{'};
    ASSERT_EQ(keys.size(), std::size(expected));
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(keys[i].value("code", -1), expected[i]) << i;
}

TEST(CommandLine, KeysFileIsReadLikeKeys) {
    const fs::path file = testing_support::TempPath("keys", ".txt");
    const fs::path trace = testing_support::TempPath("keys-trace", ".jsonl");
    std::ofstream(file) << "ab\n{Enter}";
    const std::string cmd = testing_support::ShellQuoted(testing_support::ProgramPath("error_probe")) +
                            " --headless --keys-file " + testing_support::ShellQuoted(file.string()) + " --trace " +
                            testing_support::ShellQuoted(trace.string());
    EXPECT_EQ(WEXITSTATUS(std::system(cmd.c_str())), 0);
    std::ifstream in(trace);
    std::string line;
    std::vector<int> codes;
    while (std::getline(in, line)) {
        auto e = nlohmann::json::parse(line);
        if (e["op"] == "key") codes.push_back(e["code"]);
    }
    EXPECT_EQ(codes, (std::vector<int>{'a', 'b', 13}));   // the line break is layout, not a key
    fs::remove(file);
    fs::remove(trace);
}

TEST(CommandLine, HelpAndVersionExitZero) {
    for (const char* opt : {"--help", "--version"}) {
        const std::string cmd =
            testing_support::ShellQuoted(testing_support::ProgramPath("varnel")) + " " + opt + " > /dev/null 2>&1";
        EXPECT_EQ(WEXITSTATUS(std::system(cmd.c_str())), 0) << opt;
    }
}

struct ErrorCase {
    const char* key;
    int code;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << "key " << c.key << " code " << c.code; }

class ErrorScreen : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorScreen, NestedFailureEndsOnTheErrorScreen) {
    auto r = RunProgramHeadless("error_probe", std::string("x") + GetParam().key + "123");
    EXPECT_EQ(r.status, 3);
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.back().value("status", -1), 3);
    // The screen is cleared, then one text at (288, 432) in colour 13.
    const auto texts = r.Of("text");
    ASSERT_FALSE(texts.empty());
    const auto& last = texts.back();
    EXPECT_EQ(last.value("x", -1), 288);
    EXPECT_EQ(last.value("y", -1), 432);
    EXPECT_EQ(last.value("color", -1), 13);
    const std::string text = last.value("text", "");
    EXPECT_NE(text.find("エラーが発生しました。マウスで×をクリックして下さい。"), std::string::npos) << text;
    // " <line>, <code>" with the number texts' blanks kept.
    EXPECT_EQ(text.rfind(" ", 0), 0u) << text;
    EXPECT_NE(text.find(", " + std::to_string(GetParam().code) + "エラー"), std::string::npos) << text;
    // The keys after the failing one are never read.
    EXPECT_EQ(r.Of("key").size(), 2u);
    bool cleared = false;
    for (const auto& e : r.events) {
        if (e.value("op", "") == "cls") cleared = true;
    }
    EXPECT_TRUE(cleared);
}

INSTANTIATE_TEST_SUITE_P(Failures, ErrorScreen,
                         ::testing::Values(ErrorCase{"1", kErrDivisionByZero}, ErrorCase{"2", kErrSubscript},
                                           ErrorCase{"3", kErrOverflow}),
                         [](const auto& tp) { return std::string("Key") + tp.param.key; });

TEST(StartUpTrace, SeedAndStateComeFromTheClock) {
    // Two runs that differ only in the clock differ in nothing the probe draws,
    // but both start and end cleanly.
    auto a = RunProgramHeadless("error_probe", "", {}, false, "00:00:00");
    auto b = RunProgramHeadless("error_probe", "", {}, false, "23:59:59");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(b.status, 0);
}

// With a window (SDL's dummy video driver stands in for a display), the
// program waits for keys without using the processor, and a close request
// (SDL turns SIGTERM into one) ends it at once.
TEST(Window, IdleWaitUsesNoCpuAndCloseEndsTheProgram) {
    const std::string varnel = testing_support::ProgramPath("varnel");
    pid_t pid = fork();
    if (pid == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        FILE* err = std::freopen("/dev/null", "w", stderr);
        (void)err;
        execl(varnel.c_str(), "varnel", static_cast<char*>(nullptr));
        _exit(127);
    }
    const std::string proc = "/proc/" + std::to_string(pid);
    auto cpuTicks = [&proc] {
        std::ifstream stat(proc + "/stat");
        std::string field;
        long ticks = 0;
        for (int i = 1; i <= 15 && stat >> field; ++i)
            if (i == 14 || i == 15) ticks += std::atol(field.c_str());
        return ticks;
    };
    // SDL, once started, catches SIGTERM (and makes a close request of it).
    auto catchesTerm = [&proc] {
        std::ifstream status(proc + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
        return 0ull;
    };
    auto stop = [pid] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    };
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!catchesTerm() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!catchesTerm()) {
        stop();
        FAIL() << "the program never started its window";
    }
    // A busy loop would use about 100 ticks a second; the cursor's blink a
    // few. Start-up (the fonts, the first screen) takes the processor first,
    // for longer on a loaded machine: the first quiet second counts.
    bool quiet = false;
    while (!quiet && std::chrono::steady_clock::now() < end) {
        const long before = cpuTicks();
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        quiet = cpuTicks() - before < 20;
    }
    EXPECT_TRUE(quiet) << "the program used the processor while it waited for a key";
    kill(pid, SIGTERM);
    int status = 0;
    bool ended = false;
    for (auto closed = std::chrono::steady_clock::now() + std::chrono::seconds(20);
         !ended && std::chrono::steady_clock::now() < closed;) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) {
        stop();
        FAIL() << "the program did not end on a close request";
    }
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
