// What a user or a reviewer meets when things go wrong around a program:
// outputs that cannot be written, bad key scripts, no display, and what the
// end of a run tells about itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ShellQuoted;

struct Shell {
    int status = -1;
    std::string err;
};

// Runs a shell command line (stderr captured) and returns its exit status.
// Every path in it is ShellQuoted, once for each shell that reads it.
Shell RunShell(const std::string& command) {
    const fs::path errFile = testing_support::TempPath("shell", ".err");
    const int raw = std::system((command + " 2>" + ShellQuoted(errFile.string())).c_str());
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

// A built program, as a shell command's first word.
std::string Bin(const std::string& program) { return ShellQuoted(testing_support::ProgramPath(program)); }

// A path in this test process's own folder.
std::string Tmp(const std::string& name) { return (fs::path(testing_support::PrivateDir()) / name).string(); }

// A key file of this process's own holding one key.
std::string KeyFile(const std::string& name) {
    const std::string path = Tmp(name);
    std::ofstream(path) << "3";
    return path;
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

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
    const Shell r = RunShell("bash -c " + ShellQuoted(Bin("varnel") + " --headless" + keys + " " + c.args));
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
                       "' --trace /dev/stdout | head -c 100 >/dev/null; exit ${PIPESTATUS[0]}",
                   4,
                   "cannot write the trace file /dev/stdout"},
        // Found before anything opens: a bad value, status 2 and the usage.
        OutputCase{"TraceWhereNothingCanBeWritten", "--trace /sys/x.jsonl", 2, "Usage:"},
        OutputCase{"ScreenshotInAMissingFolder", "--screenshot /proc/x.png", 2, "Usage:"},
        OutputCase{"ShotsWhereNoFolderCanBeMade", "--shots /proc/nonexist", 2, "Usage:"},
        OutputCase{"KeyFileWithoutEnd", "--keys-file /dev/zero", 2, "larger than"},
        // Write-only, whoever runs the test (root too).
        OutputCase{"KeyFileThatCannotBeRead", "--keys-file /proc/self/clear_refs", 2,
                   "cannot read the key file /proc/self/clear_refs"},
        // Two outputs on one file would destroy each other.
        OutputCase{"TraceAndScreenshotOnOneFile",
                   "--trace " + ShellQuoted(Tmp("both.out")) + " --screenshot " + ShellQuoted(Tmp("both.out")), 2,
                   "name one file"},
        OutputCase{"OneFileSpelledTwoWays",
                   "--trace " + ShellQuoted(Tmp("both.out")) + " --screenshot " +
                       ShellQuoted((fs::path(testing_support::PrivateDir()) / "." / "both.out").string()),
                   2, "name one file"},
        // An output over the key file would destroy the script it was read from.
        OutputCase{"TraceOverTheKeyFile",
                   "--keys-file " + ShellQuoted(KeyFile("keys.txt")) + " --trace " + ShellQuoted(KeyFile("keys.txt")),
                   2, "is the --keys-file"},
        OutputCase{"ScreenshotOverTheKeyFile",
                   "--keys-file " + ShellQuoted(KeyFile("shot-keys.txt")) + " --screenshot " +
                       ShellQuoted(KeyFile("shot-keys.txt")),
                   2, "is the --keys-file"}),
    [](const testing::TestParamInfo<OutputCase>& tp) { return std::string(tp.param.name); });

// A command line refused after the --shots folder was checked leaves the
// files as they were: a folder made for the check is gone again, a folder
// that was there keeps just what it held.
struct RefusedCase {
    const char* name;
    std::string args;    // DIR stands for the --shots folder
    bool folderThere;    // the folder is there before the run
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedCommandLine : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, LeavesTheShotsFolderAsItWas) {
    const RefusedCase& c = GetParam();
    const std::string dir = Tmp(std::string(c.name) + "-shots");
    fs::remove_all(dir);
    if (c.folderThere) {
        fs::create_directories(dir);
        std::ofstream(fs::path(dir) / "kept.txt") << "kept";
    }
    std::string args = c.args;
    for (std::size_t at; (at = args.find("DIR")) != std::string::npos;) args.replace(at, 3, ShellQuoted(dir));
    const std::string keys = args.find("--keys") == std::string::npos ? " --keys 3" : "";
    const Shell r = RunShell(Bin("varnel") + " --headless" + keys + " --shots " + ShellQuoted(dir) + " " + args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Usage:"), std::string::npos) << r.err;
    if (c.folderThere) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"kept.txt"});
    } else {
        EXPECT_FALSE(fs::exists(dir));
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, RefusedCommandLine,
    testing::Values(RefusedCase{"BadClock", "--clock 99:00:00", false, "HH:MM:SS"},
                    RefusedCase{"BadKeyScript", "--keys '1{Nope}'", false, "{Nope}"},
                    RefusedCase{"BadKeyScriptWithAFolderThere", "--keys '1{Nope}'", true, "{Nope}"},
                    // Another output in the shots folder.
                    RefusedCase{"TraceInTheShotsFolder", "--trace DIR/trace.jsonl", true, "the --shots folder"},
                    RefusedCase{"ScreenshotInTheShotsFolder", "--screenshot DIR/end.png", true, "the --shots folder"},
                    RefusedCase{"TraceIsTheShotsFolder", "--trace DIR", false, "the --shots folder"}),
    [](const testing::TestParamInfo<RefusedCase>& tp) { return std::string(tp.param.name); });

// The null device takes any number of outputs: nothing is kept there to be
// destroyed.
TEST(TwoOutputs, MayBothGoToTheNullDevice) {
    const Shell r = RunShell(Bin("varnel") + " --headless --keys 3 --trace /dev/null --screenshot /dev/null");
    EXPECT_EQ(r.status, 0) << r.err;
}

// A picture that could not be written whole (the file size limit stands in
// for a full disk) is not left behind cut short.
struct CutCase {
    const char* name;
    const char* option;
    const char* written;   // the picture's path below the option's value ("": the value)
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CutPicture : public testing::TestWithParam<CutCase> {};

TEST_P(CutPicture, IsRemovedAndReported) {
    const CutCase& c = GetParam();
    const std::string path = Tmp(c.name);
    fs::remove_all(path);
    const fs::path picture = *c.written ? fs::path(path) / c.written : fs::path(path);
    const Shell r = RunShell("bash -c " + ShellQuoted("trap '' XFSZ; ulimit -f 4; " + Bin("varnel") +
                                                      " --headless --keys 3 " + c.option + " " + ShellQuoted(path)));
    EXPECT_EQ(r.status, 4) << r.err;
    EXPECT_NE(r.err.find("cannot write the picture " + picture.string()), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(picture));
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::directory_iterator(path)) ADD_FAILURE() << "left behind: " << entry.path();
    }
    fs::remove_all(path);
}

INSTANTIATE_TEST_SUITE_P(Pictures, CutPicture,
                         testing::Values(CutCase{"Screenshot", "--screenshot", ""},
                                         CutCase{"Shot", "--shots", "0001.png"}),
                         [](const testing::TestParamInfo<CutCase>& tp) { return std::string(tp.param.name); });

// Started with standard streams closed, the program's messages (here the
// error report of the error screen) still never land in the trace: it stays
// JSON Lines to its last line.
struct ClosedCase {
    const char* name;
    const char* redirections;
};

void PrintTo(const ClosedCase& c, std::ostream* os) { *os << c.name; }

class ClosedStreams : public testing::TestWithParam<ClosedCase> {};

TEST_P(ClosedStreams, KeepMessagesOutOfTheTrace) {
    const std::string trace = Tmp(std::string(GetParam().name) + ".jsonl");
    const Shell r = RunShell("bash -c " + ShellQuoted(Bin("error_probe") + " --headless --keys x1 --trace " +
                                                      ShellQuoted(trace) + " " + GetParam().redirections));
    EXPECT_EQ(r.status, 3);
    const auto lines = Lines(trace);
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        const auto event = nlohmann::json::parse(line, nullptr, false);
        EXPECT_TRUE(event.is_object()) << "not an event: " << line;
    }
    EXPECT_EQ(nlohmann::json::parse(lines.back(), nullptr, false).value("reason", ""), "error") << lines.back();
    fs::remove(trace);
}

INSTANTIATE_TEST_SUITE_P(Streams, ClosedStreams,
                         testing::Values(ClosedCase{"Stderr", "2>&-"}, ClosedCase{"StdoutAndStderr", ">&- 2>&-"},
                                         ClosedCase{"AllThree", "<&- >&- 2>&-"}),
                         [](const testing::TestParamInfo<ClosedCase>& tp) { return std::string(tp.param.name); });

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
