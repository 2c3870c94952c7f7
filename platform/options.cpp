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

std::optional<std::string> ParseKeyScript(const std::string& script, std::string& error) {
    static const std::pair<const char*, int> kNamed[] = {
        {"Enter", kKeyEnter}, {"BS", kKeyBackspace}, {"Del", kKeyClear}, {"Right", kKeyRight},
        {"Left", kKeyLeft},   {"Up", kKeyUp},        {"Down", kKeyDown}, {"Esc", kKeyEscape},
    };
    std::string keys;
    size_t i = 0;
    auto at = [](size_t pos) { return " at character " + std::to_string(pos + 1) + " of the key script"; };
    while (i < script.size()) {
        char c = script[i];
        if (c == '{') {
            if (i + 1 < script.size() && script[i + 1] == '{') {
                keys += '{';
                i += 2;
                continue;
            }
            size_t close = script.find('}', i);
            if (close == std::string::npos) {
                error = "unclosed '{'" + at(i);
                return std::nullopt;
            }
            std::string name;
            for (size_t j = i + 1; j < close; ++j)
                if (script[j] != '\n' && script[j] != '\r') name += script[j];   // layout, as outside braces
            bool found = false;
            for (const auto& [n, code] : kNamed) {
                if (name == n) {
                    keys += static_cast<char>(code);
                    found = true;
                }
            }
            if (!found) {
                // A long one is cut: the start says which it is.
                constexpr size_t kShown = 40;
                if (name.size() > kShown) {
                    size_t cut = kShown;
                    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;   // whole characters
                    name = name.substr(0, cut) + "…";
                }
                error = "unknown key {" + name + "}" + at(i);
                return std::nullopt;
            }
            i = close + 1;
            continue;
        }
        if (c == '\n' || c == '\r') {   // line breaks in a keys file are layout
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            error = "a character that is not a key (only ASCII keys can be typed)" + at(i);
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
