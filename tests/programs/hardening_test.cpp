// What a user or a reviewer meets when things go wrong around a program:
// outputs that cannot be written, bad key scripts, no display, and what the
// end of a run tells about itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/outputs.h"
#include "support/support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ShellQuoted;

using Shell = testing_support::ShellRun;

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
// for a full disk) is not left behind cut short. The limit is set as a user
// sets it: the signal it sends stays as the shell leaves it.
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
    const Shell r = RunShell("bash -c " + ShellQuoted("ulimit -f 4; " + Bin("varnel") + " --headless --keys 3 " +
                                                      c.option + " " + ShellQuoted(path)));
    EXPECT_EQ(r.status, 4) << r.err;
    // The message names the picture and why; no library speaks beside it.
    EXPECT_NE(r.err.find("cannot write the picture " + picture.string() + ": File too large"), std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("libpng"), std::string::npos) << r.err;
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

// ---- Outputs that touch only what they name ---------------------------------

using testing_support::FileContent;
using testing_support::Listing;
using testing_support::RunIn;

std::string Content(const fs::path& file) { return FileContent(file.string()); }

// The lines of `file` are `first` (unless empty), a whole trace that ends
// with `reason`, and `last` (unless empty).
void ExpectTraceBetween(const fs::path& file, const std::string& first, const std::string& reason,
                        const std::string& last) {
    std::vector<std::string> lines = Lines(file.string());
    if (!first.empty()) {
        ASSERT_FALSE(lines.empty()) << file;
        EXPECT_EQ(lines.front(), first) << file;
        lines.erase(lines.begin());
    }
    if (!last.empty()) {
        ASSERT_FALSE(lines.empty()) << file;
        EXPECT_EQ(lines.back(), last) << file;
        lines.pop_back();
    }
    ASSERT_FALSE(lines.empty()) << file << " holds no trace";
    for (const auto& line : lines) {
        const auto event = nlohmann::json::parse(line, nullptr, false);
        ASSERT_TRUE(event.is_object()) << file << ": not an event: " << line.substr(0, 200);
    }
    const auto end = nlohmann::json::parse(lines.back());
    EXPECT_EQ(end.value("op", ""), "end") << file << ": " << lines.back();
    EXPECT_EQ(end.value("reason", ""), reason) << file << ": " << lines.back();
}

void ExpectWholeTrace(const fs::path& file, const std::string& reason = "keys ran out") {
    ExpectTraceBetween(file, "", reason, "");
}

struct SurviveCase {
    const char* name;
    const char* setup;   // bash lines run in the case's folder first
    const char* run;     // the run, a bash line in that folder
    int status;
    std::vector<std::string> listing;   // the folder afterwards, as Listing gives it
    std::vector<std::string> kept;      // files that hold what the set-up left in them
    std::function<void(const fs::path&)> check = nullptr;   // what the written files hold
};

void PrintTo(const SurviveCase& c, std::ostream* os) { *os << c.name; }

class OutputsSurvive : public testing::TestWithParam<SurviveCase> {};

TEST_P(OutputsSurvive, OnlyWhatTheCommandLineNamesIsTouched) {
    const SurviveCase& c = GetParam();
    const fs::path folder = fs::path(testing_support::PrivateDir()) / (std::string("survive-") + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_EQ(RunIn(folder, c.setup).status, 0) << c.setup;
    std::vector<std::string> before;
    for (const auto& name : c.kept) before.push_back(Content(folder / name));
    const Shell r = RunIn(folder, c.run);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(Listing(folder), c.listing);
    for (std::size_t i = 0; i < c.kept.size(); ++i) {
        const std::string after = Content(folder / c.kept[i]);
        EXPECT_TRUE(after == before[i]) << c.kept[i] << " was changed: " << before[i].size() << " bytes before, "
                                        << after.size() << " after, beginning " << after.substr(0, 8);
    }
    if (c.check) c.check(folder);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputsSurvive,
    testing::Values(
        // A size limit fails a write instead of killing the program; the trace
        // keeps whole lines and still says how the run ended.
        SurviveCase{"SizeLimitOnTheTrace", "", "ulimit -f 4; \"$PROGRAM\" --headless --keys 3 --trace t.jsonl", 4,
                    {"t.jsonl"}, {},
                    [](const fs::path& d) { ExpectWholeTrace(d / "t.jsonl", "output failed"); }},
        // A picture that failed through a link leaves the link and the file
        // it leads to as they were.
        SurviveCase{"SizeLimitOnAScreenshotThroughALink", "printf notes > notes.txt; ln -s notes.txt link.png",
                    "ulimit -f 4; \"$PROGRAM\" --headless --keys 3 --screenshot link.png", 4,
                    {"link.png -> notes.txt", "notes.txt"}, {"notes.txt"}},
        // A dangling link stays a link: the run writes where it leads, a
        // refused line makes nothing there.
        SurviveCase{"DanglingLinkOnARefusedLine", "ln -s run2.jsonl l2",
                    "\"$PROGRAM\" --headless --keys '{Nope}' --trace l2", 2, {"l2 -> run2.jsonl"}},
        SurviveCase{"DanglingLinkAsTheTrace", "ln -s run.jsonl latest.jsonl",
                    "\"$PROGRAM\" --headless --keys 3 --trace latest.jsonl", 0,
                    {"latest.jsonl -> run.jsonl", "run.jsonl"}, {},
                    [](const fs::path& d) { ExpectWholeTrace(d / "run.jsonl"); }},
        // The shots folder is tried under a name nobody else uses.
        SurviveCase{"WriteTestLinkInTheShotsFolder", "mkdir pics; ln -s gone.txt pics/.write-test",
                    "\"$PROGRAM\" --headless --keys 3 --shots pics", 0,
                    {"pics/", "pics/.write-test -> gone.txt", "pics/0001.png", "pics/0002.png"}},
        SurviveCase{"WriteTestLinkOnARefusedLine", "mkdir pics; ln -s gone.txt pics/.write-test",
                    "\"$PROGRAM\" --headless --keys '{Nope}' --shots pics", 2,
                    {"pics/", "pics/.write-test -> gone.txt"}},
        // A shot never lands in the key script or another output.
        SurviveCase{"KeyFileInTheShotsFolder", "mkdir pics; printf 3 > pics/0001.png",
                    "\"$PROGRAM\" --headless --keys-file pics/0001.png --shots pics", 2,
                    {"pics/", "pics/0001.png"}, {"pics/0001.png"}},
        SurviveCase{"ShotNameLinkedToTheTrace", "mkdir pics; ln -s ../t.jsonl pics/0001.png",
                    "\"$PROGRAM\" --headless --keys 3 --trace t.jsonl --shots pics", 0,
                    {"pics/", "pics/0001.png", "pics/0002.png", "t.jsonl"}, {},
                    [](const fs::path& d) { ExpectWholeTrace(d / "t.jsonl"); }},
        SurviveCase{"ShotNameHardLinkedToTheTrace", "mkdir pics; : > t.jsonl; ln t.jsonl pics/0001.png",
                    "\"$PROGRAM\" --headless --keys 3 --trace t.jsonl --shots pics", 0,
                    {"pics/", "pics/0001.png", "pics/0002.png", "t.jsonl"}, {},
                    [](const fs::path& d) {
                        ExpectWholeTrace(d / "t.jsonl");
                        // The shot took the name's place: the trace is one
                        // file again, and the shot a picture of its own.
                        EXPECT_EQ(Content(d / "pics/0001.png").substr(0, 4), "\x89PNG");
                        EXPECT_EQ(fs::hard_link_count(d / "pics/0001.png"), 1u);
                        EXPECT_EQ(fs::hard_link_count(d / "t.jsonl"), 1u);
                    }},
        // An output on a descriptor the shell opened goes where it stands.
        SurviveCase{"TraceAppendedThroughStdout", "echo kept > log.txt",
                    "\"$PROGRAM\" --headless --keys 3 --trace /dev/stdout >> log.txt", 0, {"log.txt"}, {},
                    [](const fs::path& d) { ExpectTraceBetween(d / "log.txt", "kept", "keys ran out", ""); }},
        SurviveCase{"TraceBetweenAHeaderAndAFooter", "",
                    "{ echo header; \"$PROGRAM\" --headless --keys 3 --trace /dev/stdout; echo footer; } > out.txt", 0,
                    {"out.txt"}, {},
                    [](const fs::path& d) { ExpectTraceBetween(d / "out.txt", "header", "keys ran out", "footer"); }},
        SurviveCase{"ScreenshotAppendedThroughAHeldDescriptor", "echo kept > out.bin",
                    "\"$PROGRAM\" --headless --keys 3 --screenshot /dev/fd/3 3>> out.bin", 0, {"out.bin"}, {},
                    [](const fs::path& d) { EXPECT_EQ(Content(d / "out.bin").substr(0, 9), "kept\n\x89PNG"); }},
        // A named pipe is refused at once, whether anyone reads it or not.
        SurviveCase{"ScreenshotIntoANamedPipe", "mkfifo pic.png",
                    "\"$PROGRAM\" --headless --keys 3 --screenshot pic.png", 2, {"pic.png|"}},
        SurviveCase{"TraceIntoANamedPipe", "mkfifo t.jsonl", "\"$PROGRAM\" --headless --keys 3 --trace t.jsonl", 2,
                    {"t.jsonl|"}},
        // A start that fails leaves the files and folders as they were.
        SurviveCase{"NoDisplay", "echo kept > lesson.jsonl",
                    "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \"$PROGRAM\" --trace lesson.jsonl --shots pics",
                    1, {"lesson.jsonl"}, {"lesson.jsonl"}},
        SurviveCase{"NoVideoDriver", "echo kept > lesson.jsonl",
                    "SDL_VIDEODRIVER=none-such \"$PROGRAM\" --trace lesson.jsonl --shots pics --screenshot end.png", 1,
                    {"lesson.jsonl"}, {"lesson.jsonl"}},
        // A shots folder: named with a slash at its end, holding the shots a
        // run before left, a pipe or a folder under a shot's name, or left
        // empty by a refused line.
        SurviveCase{"NewShotsFolderNamedWithASlash", "", "\"$PROGRAM\" --headless --keys 3 --shots newdir/", 0,
                    {"newdir/", "newdir/0001.png", "newdir/0002.png"}},
        SurviveCase{"ShotsOfARunBeforeAreCleared",
                    "mkdir pics; \"$PROGRAM\" --headless --keys '3{Enter}1{Enter}abcdefgh' --shots pics; "
                    "echo kept > pics/notes.txt; echo kept > pics/0001.png.bak",
                    "\"$PROGRAM\" --headless --keys 3 --shots pics", 0,
                    {"pics/", "pics/0001.png", "pics/0001.png.bak", "pics/0002.png", "pics/notes.txt"},
                    {"pics/notes.txt", "pics/0001.png.bak"}},
        SurviveCase{"NamedPipeUnderAShotName", "mkdir pics; mkfifo pics/0001.png",
                    "\"$PROGRAM\" --headless --keys 3 --shots pics", 0, {"pics/", "pics/0001.png", "pics/0002.png"},
                    {}, [](const fs::path& d) { EXPECT_EQ(Content(d / "pics/0001.png").substr(0, 4), "\x89PNG"); }},
        SurviveCase{"FolderUnderAShotName", "mkdir -p pics/0002.png; echo old > pics/0001.png",
                    "\"$PROGRAM\" --headless --keys 3 --shots pics", 2, {"pics/", "pics/0001.png", "pics/0002.png/"},
                    {"pics/0001.png"}},
        SurviveCase{"EmptyShotsFolderOnARefusedLine", "mkdir pics",
                    "\"$PROGRAM\" --headless --keys '{Nope}' --shots pics", 2, {"pics/"}},
        SurviveCase{"EmptyScreenshotName", "", "\"$PROGRAM\" --headless --keys 3 --screenshot ''", 2, {}},
        // A screenshot over a file keeps that file's mode.
        SurviveCase{"ScreenshotOverAPrivateFile", "echo old > end.png; chmod 600 end.png",
                    "\"$PROGRAM\" --headless --keys 3 --screenshot end.png", 0, {"end.png"}, {},
                    [](const fs::path& d) {
                        EXPECT_EQ(Content(d / "end.png").substr(0, 4), "\x89PNG");
                        EXPECT_EQ(fs::status(d / "end.png").permissions(), fs::perms(0600));
                    }}),
    [](const testing::TestParamInfo<SurviveCase>& tp) { return std::string(tp.param.name); });

// ---- Runs in a shared folder, beside a second user ---------------------------

// The case's folder lies in a folder every user may pass through; the set-up
// runs as the test's user (root), `other` as the second user, and the run as
// either.
struct SharedCase {
    const char* name;
    const char* setup;
    const char* other;
    const char* run;
    bool asSecondUser;
    int status;
    const char* message;   // part of what stderr says ("": nothing asked)
    std::vector<std::string> listing;
    std::vector<std::string> kept;
};

void PrintTo(const SharedCase& c, std::ostream* os) { *os << c.name; }

class SharedFolders : public testing::TestWithParam<SharedCase> {};

TEST_P(SharedFolders, KeepTheKernelsRulesForOtherUsersLinksAndFiles) {
    const SharedCase& c = GetParam();
    std::string problem;
    if (!testing_support::FindSecondUser(problem)) GTEST_SKIP() << "no second user: " << problem;
    const fs::path folder = fs::path(testing_support::SharedDir()) / (std::string("shared-") + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (c.asSecondUser && RunIn(folder, "test -x \"$PROGRAM\"", true).status != 0)
        GTEST_SKIP() << "user nobody cannot run " << testing_support::ProgramPath("varnel")
                     << " (a folder on the way is closed to other users)";
    ASSERT_EQ(RunIn(folder, c.setup).status, 0) << c.setup;
    ASSERT_EQ(RunIn(folder, c.other, true).status, 0) << c.other;
    std::vector<std::string> before;
    for (const auto& name : c.kept) before.push_back(Content(folder / name));
    const Shell r = RunIn(folder, c.run, c.asSecondUser);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(Listing(folder), c.listing);
    for (std::size_t i = 0; i < c.kept.size(); ++i)
        EXPECT_TRUE(Content(folder / c.kept[i]) == before[i]) << c.kept[i] << " was changed";
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SharedFolders,
    testing::Values(
        SharedCase{"AnotherUsersLinkAsTheScreenshot", "chmod 1777 .; echo notes > notes.txt",
                   "ln -s notes.txt result.png", "\"$PROGRAM\" --headless --keys 3 --screenshot result.png", false, 2,
                   "the link result.png belongs to another user", {"notes.txt", "result.png -> notes.txt"},
                   {"notes.txt"}},
        SharedCase{"AnotherUsersLinkAsTheTrace", "chmod 1777 .; echo notes > notes.txt", "ln -s notes.txt t.jsonl",
                   "\"$PROGRAM\" --headless --keys 3 --trace t.jsonl", false, 2,
                   "the link t.jsonl belongs to another user", {"notes.txt", "t.jsonl -> notes.txt"}, {"notes.txt"}},
        SharedCase{"AnotherUsersFileAsTheScreenshot", "chmod 1777 .", "echo theirs > f.png; chmod 666 f.png",
                   "\"$PROGRAM\" --headless --keys 3 --screenshot f.png", false, 2,
                   "f.png belongs to another user", {"f.png"}, {"f.png"}},
        SharedCase{"AnotherUsersShotInTheShotsFolder", "chmod 1777 .", "echo theirs > 0001.png",
                   "\"$PROGRAM\" --headless --keys 3 --shots .", false, 2, "0001.png belongs to another user",
                   {"0001.png"}, {"0001.png"}},
        // The runner's own file in a folder the runner may not write in:
        // a write cut short puts it back as it was.
        SharedCase{"OwnFileInAClosedFolderUnderASizeLimit",
                   "head -c 30000 /dev/urandom > pic.png; chown \"$SECOND_UID\" pic.png", "true",
                   "ulimit -f 4; \"$PROGRAM\" --headless --keys 3 --screenshot pic.png", true, 4,
                   "cannot write the picture pic.png: File too large", {"pic.png"}, {"pic.png"}}),
    [](const testing::TestParamInfo<SharedCase>& tp) { return std::string(tp.param.name); });

// ---- Runs that are stopped ----------------------------------------------------

// A program started in `folder` (stdout to `out`, else with stderr to the
// null device), not waited for.
pid_t Start(const fs::path& folder, const std::vector<std::string>& args, int out = -1) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        if (null < 0 || dup2(out >= 0 ? out : null, 1) < 0 || dup2(null, 2) < 0 || chdir(folder.c_str()) != 0)
            _exit(126);
        std::vector<std::string> all{testing_support::ProgramPath("varnel")};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// Waits for `pid` to end: its status, 128 + N when a signal ended it. One
// that has not ended two minutes on is killed, and the test fails.
int Ended(pid_t pid) {
    int raw = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (waitpid(pid, &raw, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &raw, 0);
            ADD_FAILURE() << "the program did not end within two minutes of its signal";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

// Waits until `path` is there (two minutes at most: a run that never makes
// it has failed).
bool AppearsWithin(const fs::path& path, pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline || waitpid(pid, nullptr, WNOHANG) == pid) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// True when the process `pid` sleeps (blocked in a call), as /proc says.
bool Asleep(pid_t pid) {
    const std::string stat = Content("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] == 'S';
}

// Keys enough for a run that is still going when a test stops it: each key
// read writes a shot.
const std::string kManyKeys(3000, 'x');

struct StopCase {
    const char* name;
    int signal;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class StoppedRun : public testing::TestWithParam<StopCase> {};

// Stopped at several points while it writes its shots, a run leaves only
// whole shots under their own names; stopped by SIGINT or SIGTERM it ends as
// a closed window ends a run, its trace closed by an end event that names
// the signal, with the shell's status 128 + N.
TEST_P(StoppedRun, LeavesWholeShotsAndATraceThatSaysWhy) {
    const StopCase& c = GetParam();
    const fs::path folder = fs::path(testing_support::PrivateDir()) / (std::string("stopped-") + c.name);
    for (int at = 1; at <= 8; ++at) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const pid_t pid = Start(folder, {"--headless", "--keys", kManyKeys, "--shots", "pics", "--trace", "t.jsonl"});
        ASSERT_GT(pid, 0);
        const bool going = AppearsWithin(folder / "pics" / plat::ShotName(at), pid);
        kill(pid, c.signal);
        const int status = Ended(pid);
        ASSERT_TRUE(going) << "the run made no shot " << at << " (status " << status << ")";
        EXPECT_EQ(status, 128 + c.signal) << "stopped at shot " << at;
        // Only shot names, one after the other from the first.
        const auto names = Listing((folder / "pics").string());
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(names[i], plat::ShotName(static_cast<long>(i) + 1)) << "stopped at shot " << at;
        if (c.signal == SIGKILL) {
            if (!testing_support::MakesUnnamedFiles(folder))
                GTEST_SKIP() << folder << ": no unnamed files on this file system";
            continue;
        }
        for (const auto& name : names)
            EXPECT_EQ(Content(folder / "pics" / name).substr(0, 4), "\x89PNG") << name << ", stopped at shot " << at;
        const auto lines = Lines((folder / "t.jsonl").string());
        ASSERT_FALSE(lines.empty());
        const auto end = nlohmann::json::parse(lines.back(), nullptr, false);
        EXPECT_EQ(end.value("op", ""), "end") << lines.back();
        EXPECT_EQ(end.value("reason", ""), "signal") << lines.back();
        EXPECT_EQ(end.value("signal", ""), c.signal == SIGINT ? "SIGINT" : "SIGTERM") << lines.back();
        EXPECT_EQ(end.value("status", 0), 128 + c.signal) << lines.back();
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Signals, StoppedRun,
                         testing::Values(StopCase{"Interrupt", SIGINT}, StopCase{"Terminate", SIGTERM},
                                         StopCase{"Kill", SIGKILL}),
                         [](const testing::TestParamInfo<StopCase>& tp) { return std::string(tp.param.name); });

// Two runs never mix their shots in one folder: a second run into a folder a
// run is writing is refused, and the first run's shots stay its own. The
// first run writes its trace into a pipe nobody reads, so it is surely still
// going (held in that write) when the second starts, and a stop signal still
// ends it there.
TEST(ShotsFolders, ASecondRunIntoAFolderARunIsWritingIsRefused) {
    const fs::path folder = fs::path(testing_support::PrivateDir()) / "two-runs";
    fs::remove_all(folder);
    fs::create_directories(folder);
    int pipeFds[2];
    ASSERT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
    const pid_t first =
        Start(folder, {"--headless", "--keys", kManyKeys, "--shots", "pics", "--trace", "/dev/stdout"}, pipeFds[1]);
    close(pipeFds[1]);
    ASSERT_GT(first, 0);
    const bool going = AppearsWithin(folder / "pics" / "0002.png", first);
    // The first run held in its write: asleep, with the pipe no longer
    // filling (a headless run sleeps nowhere else).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (int queued = 0, before = -1; going && std::chrono::steady_clock::now() < deadline; before = queued) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_EQ(ioctl(pipeFds[0], FIONREAD, &queued), 0);
        if (queued > 0 && queued == before && Asleep(first)) break;
    }
    const Shell second = RunIn(folder, "\"$PROGRAM\" --headless --keys 3 --shots pics --screenshot end.png");
    kill(first, SIGTERM);
    const int status = Ended(first);
    close(pipeFds[0]);
    ASSERT_TRUE(going) << "the first run made no second shot (status " << status << ")";
    EXPECT_EQ(second.status, 2) << second.err;
    EXPECT_NE(second.err.find("another run is writing its shots in pics"), std::string::npos) << second.err;
    EXPECT_FALSE(fs::exists(folder / "end.png"));
    EXPECT_EQ(status, 128 + SIGTERM);
    fs::remove_all(folder);
}

// Key files as editors write them.
struct KeyFileCase {
    const char* name;
    std::string text;
    int status;
    std::vector<int> codes;             // the keys taken (status 0)
    std::vector<std::string> message;   // parts of what stderr says (status 2)
};

void PrintTo(const KeyFileCase& c, std::ostream* os) { *os << c.name; }

class KeyFiles : public testing::TestWithParam<KeyFileCase> {};

TEST_P(KeyFiles, AreReadAsTheReadmeSays) {
    const KeyFileCase& c = GetParam();
    const fs::path folder = fs::path(testing_support::PrivateDir()) / (std::string("keys-") + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "keys.txt", std::ios::binary) << c.text;
    const Shell r = RunIn(folder, "\"$PROBE\" --headless --keys-file keys.txt --trace t.jsonl");
    EXPECT_EQ(r.status, c.status) << r.err.substr(0, 500);
    // A message names the token, not all of it: one screen at most.
    EXPECT_LT(r.err.size(), 4096u);
    if (c.status == 0) {
        std::vector<int> codes;
        for (const auto& line : Lines((folder / "t.jsonl").string())) {
            const auto event = nlohmann::json::parse(line);
            if (event["op"] == "key") codes.push_back(event["code"]);
        }
        EXPECT_EQ(codes, c.codes);
    } else {
        for (const std::string& part : c.message) EXPECT_NE(r.err.find(part), std::string::npos) << part;
        EXPECT_NE(r.err.find("Usage:"), std::string::npos) << r.err.substr(0, 500);
        EXPECT_FALSE(fs::exists(folder / "t.jsonl")) << "a refused key file ran the program";
    }
    // The message echoes the file's bytes, but none a terminal would act on.
    for (const char ch : r.err) {
        const auto b = static_cast<unsigned char>(ch);
        EXPECT_TRUE(b >= 0x20 ? b != 0x7F : b == '\n') << "byte " << int(b) << " in: " << r.err.substr(0, 500);
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeyFiles,
    testing::Values(KeyFileCase{"ByteOrderMark", "\xEF\xBB\xBF" "ab{Enter}", 0, {'a', 'b', 13}, {}},
                    KeyFileCase{"LineBreakInsideAName", "a{Ent\ner}{Ri\r\nght}", 0, {'a', 13, 28}, {}},
                    KeyFileCase{"LongUnknownName", "a{" + std::string(8'000'000, 'x') + "}", 2, {},
                                {"unknown key {xxxxxxxxxx"}},
                    // A stray control byte from an editor is refused, not
                    // pressed (a raw Escape was taken as {Esc}).
                    KeyFileCase{"RawEscape", "3{Enter}\r\n\x1b" "1", 2, {},
                                {"a control byte 0x1B is not a key (write {Esc} for the Escape key) "
                                 "at character 11 of the key script"}},
                    KeyFileCase{"Nul", std::string("3\0", 2), 2, {}, {"0x00 is not a key", "at character 2 of"}},
                    KeyFileCase{"FormFeed", "\f3{Enter}", 2, {}, {"0x0C is not a key", "at character 1 of"}},
                    KeyFileCase{"EscapeSequenceInAName", "3{\x1b[2J\x1b]0;x\x07}", 2, {},
                                {"unknown key {<0x1B>[2J<0x1B>]0;x<0x07>} at character 2 of"}}),
    [](const testing::TestParamInfo<KeyFileCase>& tp) { return std::string(tp.param.name); });

}  // namespace
