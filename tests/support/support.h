// Test helpers: a headless program run for unit tests, whole-program runs
// through the command line, the trace they write, and reference pictures.
#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/runtime.h"
#include "core/program.h"

namespace testing_support {

// A headless runtime plus a Program on it, with start-up already run (font
// "ｺﾞｼｯｸ" 16, pen width 3, the arrays created), so a test can set cells and
// call a routine. `info` defaults to Varnel's. Pass a trace path to record
// the routine's drawing; Events() reads it back.
struct Fixture {
    explicit Fixture(const ProgramInfo* info = nullptr, const std::string& keys = "", bool trace = true);
    ~Fixture();
    std::unique_ptr<Runtime> rt;
    std::unique_ptr<Program> p;
    // The program as its own type (Varnel, ...), when `info` makes one.
    template <class P>
    P& As() {
        return dynamic_cast<P&>(*p);
    }
    std::string tracePath;
    // The events recorded so far (the trace is flushed first).
    std::vector<nlohmann::json> Events();
    // Events of one kind ("text", "line", "run", ...) recorded so far.
    std::vector<nlohmann::json> Events(const std::string& op);
    // Forgets the events recorded so far.
    void ClearEvents();

private:
    std::size_t skip_ = 0;
};

// A Fixture on the program `info` makes, which `prog` names as its own type
// (Varnel, Droveny, ...).
template <class P>
struct ProgramFixture : Fixture {
    explicit ProgramFixture(const ProgramInfo& info, const std::string& keys = "", bool trace = true)
        : Fixture(&info, keys, trace), prog(As<P>()) {}
    P& prog;
};

// The events that reached the window: all but those recorded while a routine
// only measured (they carry "measure": true).
std::vector<nlohmann::json> Visible(const std::vector<nlohmann::json>& events);

// This test process's own folder for the files its tests write: made on first
// use under TMPDIR (or /tmp) with a fresh name and mode 0700, and removed with
// everything in it when the process ends.
const std::string& PrivateDir();

// A path no other call returns, in PrivateDir(): <stem>-<n><ext>. Nothing is
// made there; a test that keeps a file it wrote may leave it to the folder's
// removal.
std::string TempPath(const std::string& stem, const std::string& ext);

// ---- Files, folders and a second user -------------------------------------------

// What a bash line run by RunIn ended with: its exit status (128 + N after a
// signal) and what it wrote on stderr.
struct ShellRun {
    int status = -1;
    std::string err;
};

// Runs a bash line in `folder`, stdout to the null device and stderr kept,
// with the built programs in $PROGRAM (varnel) and $PROBE (error_probe) and
// the second user's ids in $SECOND_UID and $SECOND_GID (when there is one);
// as the second user when `asSecondUser`. A line that has not ended within
// two minutes (a program waiting on a named pipe) is stopped with all it
// started, and the test fails instead of hanging. A sanitizer's report on
// stderr fails the test.
ShellRun RunIn(const std::string& folder, const std::string& line, bool asSecondUser = false);

// A whole file's bytes ("" when it cannot be read).
std::string FileContent(const std::string& path);

// Everything in `folder`, below it too, hidden entries included, sorted: a
// folder as "name/", a link as "name -> where", a named pipe as "name|".
std::vector<std::string> Listing(const std::string& folder);

// A user other than the one running the tests (nobody), for what one user's
// files in a shared folder do to another user's run.
struct SecondUser {
    unsigned uid = 0;
    unsigned gid = 0;
};
// The second user, or nothing with the reason in `why` (a test skips with
// it): acting as another user needs root, a user nobody, and SharedDir()
// within that user's reach.
std::optional<SecondUser> FindSecondUser(std::string& why);
// Becomes the second user (groups, group and user), in a forked child;
// false when it cannot.
bool BecomeSecondUser(const SecondUser& user);
// A folder of this process's own that every user may pass through (mode
// 0755) for folders that a test opens to the second user; made on first use
// under TMPDIR (or /tmp), removed with everything in it when the process
// ends.
const std::string& SharedDir();

// True when the file system at `folder` makes files with no name
// (O_TMPFILE), as the programs' pictures are made until they are whole.
bool MakesUnnamedFiles(const std::string& folder);

// ---- Key scripts ------------------------------------------------------------

// A key text repeated n times ("{Right}" x 12).
inline std::string Repeat(const std::string& key, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += key;
    return out;
}

// Key scripts (or any texts) joined in order, each appended in place (which
// keeps GCC 12's string warnings quiet where a long chain of + would not).
inline std::string Keys(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto& part : parts) out += part;
    return out;
}

// ---- Whole-program runs ------------------------------------------------------

// The path of a built program (varnel, error_probe, ...): in the build's bin
// folder, or in the folder GEO_TEST_BIN_DIR names when it is set
// (tests/spaced_paths.sh runs a test program against a copy of the programs
// in a folder whose path holds a blank).
std::string ProgramPath(const std::string& program);

// `text` as one word of a shell command line, whatever it holds (blanks,
// Japanese, quotes, `$`): in single quotes, each of its own single quotes
// written as '\''. Every path a test hands to a shell goes through this: a
// clone or a TMPDIR may lie in a folder such as "~/ダウンロード/geo lessons".
std::string ShellQuoted(const std::string& text);

// Result of running a built program headless.
struct RunResult {
    int status = -1;                      // exit status
    std::vector<nlohmann::json> events;   // the trace
    std::string traceText;                // the trace file as written
    std::string stderrText;
    std::string shotsDir;                 // with shots = true
    // The events of one kind.
    std::vector<nlohmann::json> Of(const std::string& op) const;
    // The texts of all "run" events (whole texts drawn), in order, UTF-8.
    std::vector<std::string> RunTexts() const;
    // True when some "run" event's text equals `text`.
    bool DrewRun(const std::string& text) const;
    // The program's stderr lines that report a character lost to code page
    // 932 (DescribeLostCharacter's lines). RunProgramHeadless fails the test
    // on each.
    std::vector<std::string> LostCharacterLines() const;
};

// How DescribeLostCharacter's lines begin, and what each holds.
inline constexpr const char* kLostCharacterPrefix = "text: \"";
inline constexpr const char* kLostCharacterMark = ") has no code page 932 form; drawn as \"?\" in \"";

// Runs ProgramPath(program) --headless --keys <keys> --clock <clock> --trace ...
// (plus `extraArgs`), waits for it (at most `timeoutSec`) and reads the trace.
RunResult RunProgramHeadless(const std::string& program, const std::string& keys,
                             const std::vector<std::string>& extraArgs = {}, bool shots = false,
                             const std::string& clock = "12:00:00", int timeoutSec = 60);

// The report of AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer
// in a program's stderr (from its first line on), or "" when there is none.
// RunProgramHeadless fails the test on one; other ways of starting a program
// check its stderr with this.
std::string SanitizerReport(const std::string& stderrText);

// Compares the surface with tests/reference/<name>.png pixel by pixel. On a
// mismatch writes <build>/test-pictures/<name>-actual.png and
// <name>-diff.png and fails with the number of changed pixels and where the
// pictures are. With GEO_UPDATE_REFERENCES=1 in the environment the reference
// is (re)written instead; look at it before you commit it.
void ExpectMatchesReference(const Runtime& rt, const std::string& name);

}  // namespace testing_support
