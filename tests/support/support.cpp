#include "support/support.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cairo.h>

#include "platform/canvas.h"
#include "shell/startup.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace testing_support {

namespace fs = std::filesystem;

namespace {

const ProgramInfo kDefaultInfo{"varnel", "Varnel", "移動の学習", 60, true, nullptr};

// The folder made for this process: a fresh name under TMPDIR (or /tmp),
// mode 0700, so another user's run, an earlier run's leftovers or a run at
// the same time never meet its files. It goes, with everything in it, when
// the process ends; a forked child that ends leaves its parent's folder alone.
class PrivateFolder {
public:
    explicit PrivateFolder(mode_t mode = 0700) : owner_(::getpid()) {
        std::string name = (fs::temp_directory_path() / "geo-tests.XXXXXX").string();
        if (!::mkdtemp(name.data()))
            throw std::runtime_error("cannot make a private folder " + name + ": " + std::strerror(errno));
        path_ = name;
        if (mode != 0700) ::chmod(path_.c_str(), mode);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder() {
        if (::getpid() != owner_) return;
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    pid_t owner_;
    std::string path_;
};

std::vector<nlohmann::json> ReadJsonLines(const std::string& path) {
    std::vector<nlohmann::json> events;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        events.push_back(nlohmann::json::parse(line, nullptr, false));
    }
    return events;
}

std::vector<nlohmann::json> Filter(const std::vector<nlohmann::json>& events, const std::string& op) {
    std::vector<nlohmann::json> out;
    for (const auto& e : events)
        if (e.is_object() && e.value("op", "") == op) out.push_back(e);
    return out;
}

}  // namespace

const std::string& PrivateDir() {
    static const PrivateFolder folder;
    return folder.path();
}

const std::string& SharedDir() {
    static const PrivateFolder folder(0755);
    return folder.path();
}

namespace {

std::optional<SecondUser> LookForSecondUser(std::string& why) {
    if (::geteuid() != 0) {
        why = "acting as a second user needs root (this is uid " + std::to_string(::geteuid()) + ")";
        return std::nullopt;
    }
    const passwd* pw = ::getpwnam("nobody");
    if (!pw) {
        why = "this machine has no user nobody";
        return std::nullopt;
    }
    const SecondUser user{pw->pw_uid, pw->pw_gid};
    // Every folder on the way to SharedDir() must let that user through.
    // (Made here, by this process, which removes it at its end.)
    const std::string& shared = SharedDir();
    const pid_t pid = ::fork();
    if (pid == 0) _exit(BecomeSecondUser(user) && ::access(shared.c_str(), X_OK) == 0 ? 0 : 1);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        why = "user nobody cannot reach " + SharedDir() + " (a folder on the way is closed to other users)";
        return std::nullopt;
    }
    return user;
}

}  // namespace

std::optional<SecondUser> FindSecondUser(std::string& why) {
    static std::string problem;
    static const std::optional<SecondUser> user = LookForSecondUser(problem);
    why = problem;
    return user;
}

bool BecomeSecondUser(const SecondUser& user) {
    return ::setgroups(0, nullptr) == 0 && ::setgid(user.gid) == 0 && ::setuid(user.uid) == 0;
}

ShellRun RunIn(const std::string& folder, const std::string& line, bool asSecondUser) {
    std::string why;
    const auto second = asSecondUser ? FindSecondUser(why) : std::nullopt;
    ShellRun r;
    if (asSecondUser && !second) {
        ADD_FAILURE() << "no second user for " << line << ": " << why;
        return r;
    }
    const passwd* nobody = ::getpwnam("nobody");   // for $SECOND_UID, looked up before the fork
    const fs::path errFile = TempPath("run-in", ".err");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        const int out = ::open("/dev/null", O_WRONLY);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) _exit(126);
        ::setenv("PROGRAM", ProgramPath("varnel").c_str(), 1);
        ::setenv("PROBE", ProgramPath("error_probe").c_str(), 1);
        if (nobody) {
            ::setenv("SECOND_UID", std::to_string(nobody->pw_uid).c_str(), 1);
            ::setenv("SECOND_GID", std::to_string(nobody->pw_gid).c_str(), 1);
        }
        if (asSecondUser && !BecomeSecondUser(*second)) _exit(126);
        if (::chdir(folder.c_str()) != 0) _exit(126);
        ::execl("/bin/bash", "bash", "-c", line.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "cannot start bash";
        return r;
    }
    ::setpgid(pid, pid);
    int raw = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (::waitpid(pid, &raw, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &raw, 0);
            ADD_FAILURE() << line << " did not end within two minutes";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(-pid, SIGKILL);   // whatever it left running in the background
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    r.err = FileContent(errFile.string());
    std::error_code ec;
    fs::remove(errFile, ec);
    const std::string report = SanitizerReport(r.err);
    if (!report.empty()) ADD_FAILURE() << line << " was stopped by a sanitizer:\n" << report;
    return r;
}

bool MakesUnnamedFiles(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = entry.path().lexically_relative(folder).generic_string();
        const auto status = entry.symlink_status();
        if (fs::is_symlink(status)) name += " -> " + fs::read_symlink(entry.path()).string();
        else if (fs::is_directory(status)) name += "/";
        else if (fs::is_fifo(status)) name += "|";
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string TempPath(const std::string& stem, const std::string& ext) {
    static std::atomic<int> counter{0};
    return (fs::path(PrivateDir()) / (stem + "-" + std::to_string(counter++) + ext)).string();
}

std::string ProgramPath(const std::string& program) {
    const char* dir = std::getenv("GEO_TEST_BIN_DIR");
    return (fs::path(dir && *dir ? dir : GEO_BIN_DIR) / program).string();
}

std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

std::string SanitizerReport(const std::string& stderrText) {
    static const char* const kMarkers[] = {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", ": runtime error: ",
                                           "SUMMARY: UndefinedBehaviorSanitizer"};
    std::size_t at = std::string::npos;
    for (const char* m : kMarkers) at = std::min(at, stderrText.find(m));
    if (at == std::string::npos) return {};
    const std::size_t lineStart = stderrText.rfind('\n', at);
    return stderrText.substr(lineStart == std::string::npos ? 0 : lineStart + 1, 8000);
}

Fixture::Fixture(const ProgramInfo* info, const std::string& keys, bool trace) {
    if (trace) tracePath = TempPath("fixture", ".jsonl");
    rt = Runtime::CreateHeadless(keys, "12:00:00", tracePath);
    p = CreateProgram(*rt, info ? *info : kDefaultInfo);
    StartUp(*p);
}

Fixture::~Fixture() {
    p.reset();
    rt.reset();
    if (!tracePath.empty()) {
        std::error_code ec;
        fs::remove(tracePath, ec);
    }
}

std::vector<nlohmann::json> Fixture::Events() {
    if (tracePath.empty()) return {};
    rt->FlushTrace();
    auto all = ReadJsonLines(tracePath);
    std::vector<nlohmann::json> out(all.begin() + std::min(skip_, all.size()), all.end());
    return out;
}

std::vector<nlohmann::json> Fixture::Events(const std::string& op) { return Filter(Events(), op); }

void Fixture::ClearEvents() {
    if (tracePath.empty()) return;
    rt->FlushTrace();
    skip_ = ReadJsonLines(tracePath).size();
}

std::vector<nlohmann::json> Visible(const std::vector<nlohmann::json>& events) {
    std::vector<nlohmann::json> out;
    for (const auto& e : events)
        if (!(e.is_object() && e.value("measure", false))) out.push_back(e);
    return out;
}

std::vector<nlohmann::json> RunResult::Of(const std::string& op) const { return Filter(events, op); }

std::vector<std::string> RunResult::RunTexts() const {
    std::vector<std::string> out;
    for (const auto& e : Visible(Of("run"))) out.push_back(e.value("text", ""));
    return out;
}

std::vector<std::string> RunResult::LostCharacterLines() const {
    std::vector<std::string> out;
    std::istringstream in(stderrText);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(kLostCharacterPrefix, 0) == 0 && line.find(kLostCharacterMark) != std::string::npos)
            out.push_back(line);
    return out;
}

bool RunResult::DrewRun(const std::string& text) const {
    for (const auto& t : RunTexts())
        if (t == text) return true;
    return false;
}

RunResult RunProgramHeadless(const std::string& program, const std::string& keys,
                             const std::vector<std::string>& extraArgs, bool shots, const std::string& clock,
                             int timeoutSec) {
    RunResult result;
    const std::string tracePath = TempPath(program + "-trace", ".jsonl");
    const std::string errPath = TempPath(program + "-stderr", ".txt");
    std::vector<std::string> args{ProgramPath(program), "--headless", "--keys", keys,
                                  "--clock", clock, "--trace", tracePath};
    if (shots) {
        result.shotsDir = TempPath(program + "-shots", "");
        args.push_back("--shots");
        args.push_back(result.shotsDir);
    }
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());

    pid_t pid = fork();
    if (pid == 0) {
        FILE* err = std::freopen(errPath.c_str(), "w", stderr);
        (void)err;
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSec);
    while (true) {
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << program << " did not end within " << timeoutSec << " s (keys: " << keys << ")";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.events = ReadJsonLines(tracePath);
    {
        std::ifstream trace(tracePath, std::ios::binary);
        std::stringstream text;
        text << trace.rdbuf();
        result.traceText = text.str();
    }
    std::ifstream err(errPath);
    std::stringstream ss;
    ss << err.rdbuf();
    result.stderrText = ss.str();
    // In a sanitizer build a report fails the test, whatever status it expects.
    const std::string report = SanitizerReport(result.stderrText);
    if (!report.empty()) ADD_FAILURE() << program << " (keys: " << keys << ") was stopped by a sanitizer:\n" << report;
    // A text that lost a character to the conversion fails the run's test.
    for (const auto& line : result.LostCharacterLines())
        ADD_FAILURE() << program << " (keys: " << keys << ") " << line;
    std::error_code ec;
    fs::remove(tracePath, ec);
    fs::remove(errPath, ec);
    return result;
}

void ExpectMatchesReference(const Runtime& rt, const std::string& name) {
    const fs::path ref = fs::path(GEO_REFERENCE_DIR) / (name + ".png");
    const char* update = std::getenv("GEO_UPDATE_REFERENCES");
    if (update && std::strcmp(update, "1") == 0) {
        ASSERT_TRUE(rt.WritePng(ref.string())) << "cannot write " << ref;
        std::cerr << "wrote reference " << ref << " (look at it before committing)\n";
        return;
    }
    cairo_surface_t* img = cairo_image_surface_create_from_png(ref.string().c_str());
    if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(img);
        FAIL() << "no reference picture " << ref << "; run with GEO_UPDATE_REFERENCES=1 to make it, then look at it";
    }
    const int w = cairo_image_surface_get_width(img), h = cairo_image_surface_get_height(img);
    const int stride = cairo_image_surface_get_stride(img);
    const unsigned char* data = cairo_image_surface_get_data(img);
    // Reference pixels back to colour codes.
    long changed = 0;
    int firstX = -1, firstY = -1;
    fs::create_directories(GEO_ACTUAL_DIR);
    const fs::path diffPath = fs::path(GEO_ACTUAL_DIR) / (name + "-diff.png");
    cairo_surface_t* diff = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSurfaceWidth, kSurfaceHeight);
    unsigned char* dd = cairo_image_surface_get_data(diff);
    const int dstride = cairo_image_surface_get_stride(diff);
    for (int y = 0; y < kSurfaceHeight; ++y) {
        for (int x = 0; x < kSurfaceWidth; ++x) {
            uint32_t refPx = 0xFFFFFF;
            if (x < w && y < h) {
                std::memcpy(&refPx, data + y * stride + x * 4, 4);
                refPx &= 0xFFFFFF;
            }
            int code = rt.PixelColor(x, y);
            uint32_t actual = code >= 0 ? plat::PaletteColor(code) : 0x123456;
            uint32_t out = actual == refPx ? 0xFFFFFF : 0xFF0000;
            if (actual == refPx && actual != 0xFFFFFF) out = 0xC8C8C8;
            if (actual != refPx) {
                if (changed == 0) {
                    firstX = x;
                    firstY = y;
                }
                ++changed;
            }
            std::memcpy(dd + y * dstride + x * 4, &out, 4);
        }
    }
    cairo_surface_mark_dirty(diff);
    cairo_surface_destroy(img);
    if (changed > 0 || w != kSurfaceWidth || h != kSurfaceHeight) {
        const fs::path actualPath = fs::path(GEO_ACTUAL_DIR) / (name + "-actual.png");
        rt.WritePng(actualPath.string());
        cairo_surface_write_to_png(diff, diffPath.string().c_str());
        ADD_FAILURE() << name << ": " << changed << " pixels differ from " << ref << " (first at " << firstX << ", "
                      << firstY << "); the new picture is " << actualPath << ", the differences in red in "
                      << diffPath;
    }
    cairo_surface_destroy(diff);
}

}  // namespace testing_support
