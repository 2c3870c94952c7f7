#include "platform/options.h"

#include <CLI/CLI.hpp>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "platform/errors.h"
#include "platform/outputs.h"
#include "platform/runtime.h"

namespace plat {

namespace {

// The keys a {Name} stands for, with the word a message uses for each.
struct NamedKey {
    const char* name;
    int code;
    const char* word;
};
constexpr NamedKey kNamedKeys[] = {
    {"Enter", kKeyEnter, "Enter"},        {"BS", kKeyBackspace, "Backspace"}, {"Del", kKeyClear, "Delete"},
    {"Right", kKeyRight, "right arrow"},  {"Left", kKeyLeft, "left arrow"},   {"Up", kKeyUp, "up arrow"},
    {"Down", kKeyDown, "down arrow"},     {"Esc", kKeyEscape, "Escape"},
};

// The place of the byte at `pos`, counted in characters as an editor counts
// them.
std::string KeyScriptPlace(const std::string& script, size_t pos) {
    const auto characters = std::count_if(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(pos),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return " at character " + std::to_string(characters + 1) + " of the key script";
}

std::string ByteCode(unsigned char b) {
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[b >> 4] + kHex[b & 0xF];
}

// Why a control byte outside braces is refused: a program's key codes are
// control bytes too, so a stray one (an editor's Escape or page break) would
// be taken as a key press. The {Name} that was likely meant is offered.
std::string ControlByteError(const std::string& script, size_t pos) {
    const auto b = static_cast<unsigned char>(script[pos]);
    std::string hint;
    if (b == 0x7F) hint = " (write {Del} for the Delete key)";
    else if (b == '\t') hint = " (the programs read no Tab key)";
    for (const auto& key : kNamedKeys)
        if (key.code == b) hint = std::string(" (write {") + key.name + "} for the " + key.word + " key)";
    return "a control byte " + ByteCode(b) + " is not a key" + hint + KeyScriptPlace(script, pos);
}

// The length of the UTF-8 character at `pos` that a terminal shows as it is,
// or 0 for a byte that is no such character's start: a control character
// (C0, DEL, C1), a stray or missing continuation byte, an overlong or
// surrogate form, or a code beyond U+10FFFF.
size_t PrintableCharacterLength(const std::string& s, size_t pos) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) return b >= 0x20 && b != 0x7F ? 1 : 0;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;   // the second byte's range
    if (b >= 0xC2 && b <= 0xDF) length = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(s[pos + k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return 0;
    }
    if (b == 0xC2 && static_cast<unsigned char>(s[pos + 1]) <= 0x9F) return 0;   // U+0080-U+009F: C1 controls
    return length;
}

// A name from the script as a message shows it. A long one is cut to its
// first kShown characters and "…": the start says which it is, and the message
// stays short. A byte that is not part of a printable character (a
// control byte, broken UTF-8) counts as one character and is shown by its
// code, as <0x1B>, so that nothing of the file reaches the terminal as a
// command.
std::string ShownName(const std::string& name) {
    constexpr size_t kShown = 40;
    std::string shown;
    size_t pos = 0;
    for (size_t characters = 0; pos < name.size() && characters < kShown; ++characters) {
        if (const size_t length = PrintableCharacterLength(name, pos)) {
            shown.append(name, pos, length);
            pos += length;
        } else {
            shown += "<" + ByteCode(static_cast<unsigned char>(name[pos])) + ">";
            ++pos;
        }
    }
    if (pos < name.size()) shown += "…";
    return shown;
}

}  // namespace

std::optional<std::string> ParseKeyScript(const std::string& script, std::string& error) {
    std::string keys;
    size_t i = 0;
    while (i < script.size()) {
        const char c = script[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '{') {
            if (i + 1 < script.size() && script[i + 1] == '{') {
                keys += '{';
                i += 2;
                continue;
            }
            size_t close = script.find('}', i);
            if (close == std::string::npos) {
                error = "unclosed '{'" + KeyScriptPlace(script, i);
                return std::nullopt;
            }
            std::string name;
            for (size_t j = i + 1; j < close; ++j)
                if (script[j] != '\n' && script[j] != '\r') name += script[j];   // layout, as outside braces
            bool found = false;
            for (const auto& key : kNamedKeys) {
                if (name == key.name) {
                    keys += static_cast<char>(key.code);
                    found = true;
                }
            }
            if (!found) {
                error = "unknown key {" + ShownName(name) + "}" + KeyScriptPlace(script, i);
                return std::nullopt;
            }
            i = close + 1;
            continue;
        }
        if (c == '\n' || c == '\r') {   // line breaks in a keys file are layout
            ++i;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            error = ControlByteError(script, i);
            return std::nullopt;
        }
        if (byte >= 0x80) {
            error = "a character that is not a key (only ASCII keys can be typed)" + KeyScriptPlace(script, i);
            return std::nullopt;
        }
        keys += c;
        ++i;
    }
    return keys;
}

bool ValidClock(const std::string& clock) {
    if (clock.size() != 8 || clock[2] != ':' || clock[5] != ':') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (clock[i] < '0' || clock[i] > '9') return false;
    int h = std::stoi(clock.substr(0, 2)), m = std::stoi(clock.substr(3, 2)), s = std::stoi(clock.substr(6, 2));
    return h <= 23 && m <= 59 && s <= 59;
}

namespace {

// The file an option names can be written (tried before anything opens,
// leaving every file as it was).
std::string WritableFile(std::string& path) { return CheckWritableFile(path); }

// The folder an option names exists or can be made, and files can be made in
// it (a folder made for the trial is removed again: the run makes it when it
// starts).
std::string UsableFolder(std::string& path) { return CheckUsableFolder(path); }

// A path as the file system resolves it: absolute, without "." and "..",
// symbolic links followed as far as the path exists.
std::filesystem::path Resolved(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    std::filesystem::path p = std::filesystem::weakly_canonical(absolute, ec);
    if (ec) p = absolute.lexically_normal();   // a pipe behind /dev/stdout
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();   // "dir/"
    return p;
}

// The null device, a terminal: an output there destroys nothing.
bool KeepsNothing(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_character_file(path, ec);
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    if (stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0)   // hard links, pipes too
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return Resolved(a) == Resolved(b);
}

// True when `path` is the folder `folder` or lies anywhere below it.
bool InFolder(const std::string& path, const std::string& folder) {
    const std::filesystem::path p = Resolved(path), d = Resolved(folder);
    return std::mismatch(d.begin(), d.end(), p.begin(), p.end()).first == d.end();
}

// Two outputs on one file, or a file in the shots folder, would spoil each
// other (a picture over the trace, a trace among the shots), and an output
// on the key file would write over the user's script: why, or "".
std::string SharedOutputs(const Options& o, const std::string& keysFile) {
    for (const auto& [option, path] : {std::pair{"--trace", &o.trace}, std::pair{"--screenshot", &o.screenshot}}) {
        if (!keysFile.empty() && !path->empty() && !KeepsNothing(*path) && SameFile(*path, keysFile))
            return std::string(option) + " " + *path + " is the --keys-file: the key script would be written over";
    }
    if (!o.trace.empty() && !o.screenshot.empty() && !KeepsNothing(o.trace) && SameFile(o.trace, o.screenshot))
        return "--trace and --screenshot name one file, " + o.trace + ": each output needs a place of its own";
    if (o.shots.empty()) return {};
    if (!keysFile.empty() && InFolder(keysFile, o.shots))
        return "--keys-file " + keysFile + " lies in the --shots folder " + o.shots +
               ": a shot would be written over the key script";
    for (const auto& [option, path] : {std::pair{"--trace", &o.trace}, std::pair{"--screenshot", &o.screenshot}}) {
        if (path->empty() || KeepsNothing(*path) || !InFolder(*path, o.shots)) continue;
        return std::string(option) + " " + *path + (Resolved(*path) == Resolved(o.shots) ? " is" : " lies in") +
               " the --shots folder " + o.shots + ": each output needs a place of its own";
    }
    return {};
}

// The key file's text, at most kMostKeyFileBytes; nothing (and `error` set)
// when it cannot be read or is larger.
std::optional<std::string> ReadKeyFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the key file " + path;
        return std::nullopt;
    }
    std::string text(kMostKeyFileBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMostKeyFileBytes) {
        error = "the key file " + path + " is larger than " + std::to_string(kMostKeyFileBytes >> 20) + " MiB";
        return std::nullopt;
    }
    if (in.bad()) {
        error = "cannot read the key file " + path;
        return std::nullopt;
    }
    // The byte-order mark some editors put first is no key.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    return text;
}

}  // namespace

void OpenStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free descriptor: this one, as those below it are open.
        const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

ParseResult ParseOptions(int argc, char** argv, const std::string& program, const std::string& description) {
    CLI::App app{description, program};
    Options o;
    std::string keys, keysFile;
    app.add_flag("--headless", o.headless, "Run without a window; keys come from --keys or --keys-file");
    auto* keysOpt = app.add_option("--keys", keys,
                                   "Keys to deliver in order, one per key wait: characters stand for themselves; "
                                   "{Enter} {BS} {Del} {Right} {Left} {Up} {Down} {Esc}, {{ for a brace");
    auto* fileOpt = app.add_option("--keys-file", keysFile, "Read the key script from FILE")->check(CLI::ExistingFile);
    keysOpt->excludes(fileOpt);
    app.add_option("--clock", o.clock, "Time of day the program reads, HH:MM:SS")
        ->check(CLI::Validator([](std::string& v) { return ValidClock(v) ? std::string() : "expected HH:MM:SS"; },
                               "HH:MM:SS"));
    const CLI::Validator file(WritableFile, "FILE");
    const CLI::Validator folder(UsableFolder, "DIR");
    app.add_option("--trace", o.trace, "Write every drawing operation and key as JSON Lines to FILE")->check(file);
    app.add_option("--screenshot", o.screenshot, "Write a PNG of the screen to FILE when the program ends")
        ->check(file);
    app.add_option("--shots", o.shots, "Write a PNG of the screen to DIR at every key read, and one at the end")
        ->check(folder);
    app.set_version_flag("--version", std::string(program) + " " + GEO_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return {std::nullopt, app.exit(e)};
    } catch (const CLI::CallForVersion& e) {
        return {std::nullopt, app.exit(e)};
    } catch (const CLI::ParseError& e) {
        std::cerr << program << ": " << e.what() << "\n\n" << app.help();
        return {std::nullopt, kExitUsage};
    }
    std::string script = keys;
    std::string error;
    if (!keysFile.empty()) {
        auto text = ReadKeyFile(keysFile, error);
        if (!text) {
            std::cerr << program << ": " << error << "\n\n" << app.help();
            return {std::nullopt, kExitUsage};
        }
        script = std::move(*text);
    }
    auto parsed = ParseKeyScript(script, error);
    if (!parsed) {
        std::cerr << program << ": " << error << "\n\n" << app.help();
        return {std::nullopt, kExitUsage};
    }
    o.keys = std::move(*parsed);
    if (const std::string shared = SharedOutputs(o, keysFile); !shared.empty()) {
        std::cerr << program << ": " << shared << "\n\n" << app.help();
        return {std::nullopt, kExitUsage};
    }
    return {o, 0};
}

}  // namespace plat
