// The command line every program takes.
#pragma once

#include <optional>
#include <string>
#include <cstddef>
#include <vector>

namespace plat {

struct Options {
    bool headless = false;
    std::string keys;                // the key script, one key code per byte
    std::string clock;               // "HH:MM:SS", empty: the real time of day
    std::string trace;
    std::string screenshot;
    std::string shots;
    std::string windowTitle;         // set by the program, not on the command line
};

// Opens the null device on each of the descriptors 0 to 2 that is closed.
// Called before any file opens: a file would otherwise take such a
// descriptor, and every message meant for stderr would land in it.
void OpenStandardStreams();

// Parses the command line. Returns the options, or the exit status when the
// program should stop at once (0 after --help or --version, 2 after a
// message for a bad option or value, both printed here). Two outputs on one
// file, the trace or the screenshot in the --shots folder, or the key file
// there, are a bad command line; the null device takes any of the outputs.
// Nothing is opened, made or emptied here (see outputs.h).
struct ParseResult {
    std::optional<Options> options;
    int exitStatus = 0;
};
ParseResult ParseOptions(int argc, char** argv, const std::string& program, const std::string& description);

// A key script: printable ASCII characters stand for themselves; {Enter},
// {BS}, {Del}, {Right}, {Left}, {Up}, {Down}, {Esc} and {{ for the keys and
// the brace; line breaks (\n, \r) are ignored, inside a {Name} too. Any other
// control byte (below 0x20, or 0x7F) outside braces is refused, as is a
// character beyond ASCII: an editor's stray Escape or page break would
// otherwise be a key press. Returns the key codes, one per byte, or nothing
// for a malformed script, with the reason and its place (in characters) in
// `error`. An unknown {Name} is echoed whole up to 40 characters, a longer
// one by its first 40 and "…"; a byte that is no printable character (a
// control byte, broken UTF-8) counts as one and is shown by its code, as
// <0x1B>, so that no control byte of the script reaches a terminal.
// A key file's leading byte-order mark is skipped when it is read.
std::optional<std::string> ParseKeyScript(const std::string& script, std::string& error);

// The largest key file read (a generous bound: a whole lesson tour is a few
// kilobytes).
inline constexpr std::size_t kMostKeyFileBytes = 8u << 20;

// True for a valid "HH:MM:SS" (00-23, 00-59, 00-59).
bool ValidClock(const std::string& clock);

}  // namespace plat
