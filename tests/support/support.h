// Test helpers: a headless program run for unit tests, whole-program runs
// through the command line, the trace they write, and reference pictures.
#pragma once

#include <initializer_list>
#include <memory>
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
