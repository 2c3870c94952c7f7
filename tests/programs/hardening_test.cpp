// What a user or a reviewer meets when things go wrong around a program:
// outputs that cannot be written, bad key scripts, no display, and what the
// end of a run tells about itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>

#include "support/support.h"

namespace {

namespace fs = std::filesystem;

struct Shell {
    int status = -1;
    std::string err;
};

// Runs a shell command line (stderr captured) and returns its exit status.
Shell RunShell(const std::string& command) {
    const fs::path errFile = testing_support::TempPath("shell", ".err");
    const int raw = std::system((command + " 2>" + errFile.string()).c_str());
    Shell r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    std::ifstream in(errFile);
    std::stringstream ss;
    ss << in.rdbuf();
    r.err = ss.str();
    fs::remove(errFile);
    const std::string report = testing_support::SanitizerReport(r.err);
    if (!report.empty()) ADD_FAILURE() << command << " was stopped by a sanitizer:\n" << report;
    return r;
}

std::string Bin(const std::string& program) { return std::string(GEO_BIN_DIR) + "/" + program; }

struct OutputCase {
    const char* name;
    std::string args;
    int status;
    const char* message;   // part of what stderr says
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

class FailedOutputs : public testing::TestWithParam<OutputCase> {};

TEST_P(FailedOutputs, AreReportedWithTheirOwnStatus) {
    const OutputCase& c = GetParam();
    const std::string keys = c.args.find("--keys") == std::string::npos ? " --keys '3{Enter}1{Enter}abc'" : "";
    const Shell r = RunShell("bash -c \"" + Bin("varnel") + " --headless" + keys + " " + c.args + "\"");
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, FailedOutputs,
    testing::Values(
        // Found while the program runs: status 4 and the file named.
        OutputCase{"FullDisk", "--trace /dev/full", 4, "cannot write the trace file /dev/full"},
        // Far more trace than a pipe holds (the slide of topic 1, 80 steps),
        // so the reader has surely closed it while the program still writes.
        OutputCase{"ClosedPipe",
                   "--keys '3{Enter}1{Enter}abcdefgh" + std::string(80, 'x') +
                       "' --trace /dev/stdout | head -c 100 >/dev/null; exit \\${PIPESTATUS[0]}",
                   4,
                   "cannot write the trace file /dev/stdout"},
        // Found before anything opens: a bad value, status 2 and the usage.
        OutputCase{"TraceWhereNothingCanBeWritten", "--trace /sys/x.jsonl", 2, "Usage:"},
        OutputCase{"ScreenshotInAMissingFolder", "--screenshot /proc/x.png", 2, "Usage:"},
        OutputCase{"ShotsWhereNoFolderCanBeMade", "--shots /proc/nonexist", 2, "Usage:"},
        OutputCase{"KeyFileWithoutEnd", "--keys-file /dev/zero", 2, "larger than"},
        // Write-only, whoever runs the test (root too).
        OutputCase{"KeyFileThatCannotBeRead", "--keys-file /proc/self/clear_refs", 2,
                   "cannot read the key file /proc/self/clear_refs"}),
    [](const testing::TestParamInfo<OutputCase>& tp) { return std::string(tp.param.name); });

TEST(KeyScripts, ABadTokenIsNamedWithItsPlace) {
    try {
        testing_support::Fixture f(nullptr, "1{Entr}2");
        ADD_FAILURE() << "a script with {Entr} was taken";
    } catch (const std::invalid_argument& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("{Entr}"), std::string::npos) << what;
        EXPECT_NE(what.find("character 2"), std::string::npos) << what;
    }
    const Shell r = RunShell(Bin("varnel") + " --headless --keys '1{Entr}2'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("{Entr} at character 2"), std::string::npos) << r.err;
}

TEST(Window, WithNoDisplayTheProgramSaysSoAndEnds) {
    const Shell r = RunShell("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + Bin("varnel"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot open a window: no display; --headless runs without one"), std::string::npos)
        << r.err;
}

struct EndCase {
    const char* name;
    const char* program;
    const char* keys;
    int status;
    const char* reason;
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

class EndOfRun : public testing::TestWithParam<EndCase> {};

TEST_P(EndOfRun, TheLastEventSaysWhy) {
    const EndCase& c = GetParam();
    const auto r = testing_support::RunProgramHeadless(c.program, c.keys);
    ASSERT_FALSE(r.events.empty());
    const auto& end = r.events.back();
    EXPECT_EQ(end["op"], "end");
    EXPECT_EQ(end["status"], c.status);
    EXPECT_EQ(end["reason"], c.reason);
    EXPECT_EQ(r.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, EndOfRun,
    testing::Values(EndCase{"LastMenuItem", "varnel", "8{Enter}", 0, "finished"},
                    EndCase{"KeysRanOut", "varnel", "3", 0, "keys ran out"},
                    EndCase{"ErrorScreen", "error_probe", "1", 3, "error"}),
    [](const testing::TestParamInfo<EndCase>& tp) { return std::string(tp.param.name); });

TEST(EndOfRun, TheErrorScreenNamesItsCodeAndLineInTheTraceAndOnStderr) {
    const auto r = testing_support::RunProgramHeadless("error_probe", "1");
    const auto& end = r.events.back();
    EXPECT_EQ(end["code"], 11);
    EXPECT_GT(end["line"].get<int>(), 0);
    // "file:line function: code message"
    const std::string expected = "error_probe.cpp:" + std::to_string(end["line"].get<int>());
    EXPECT_NE(r.stderrText.find(expected), std::string::npos) << r.stderrText;
    EXPECT_NE(r.stderrText.find("Innermost"), std::string::npos) << r.stderrText;
    EXPECT_NE(r.stderrText.find(": 11 division by zero"), std::string::npos) << r.stderrText;
}

}  // namespace
