#include "platform/outputs.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "platform/signals.h"

namespace plat {
namespace {

// A descriptor, closed when it goes.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    void Reset() {
        if (fd_ >= 0) {
            const int e = errno;
            close(fd_);
            errno = e;
        }
        fd_ = -1;
    }
    int fd_ = -1;
};

std::string Reason(int e) { return std::strerror(e); }

bool Fail(int e, std::string& why, std::string text) {
    why = std::move(text);
    errno = e;
    return false;
}

// A folder where every user may make files and the sticky bit keeps each
// one's files to themselves (/tmp).
bool OpenToAll(const struct stat& folder) { return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH); }

// The kernel's protected_symlinks: in such a folder a link is followed only
// when it is the runner's own or the folder owner's. Another user could
// otherwise lead the runner's output to any file of the runner's.
bool MayFollow(const struct stat& folder, const struct stat& link) {
    return !OpenToAll(folder) || link.st_uid == geteuid() || link.st_uid == folder.st_uid;
}

// The kernel's protected_regular (at its stricter level): in a sticky folder
// others may write in, a file of another user's (not the folder owner's) is
// not written over. Another user could otherwise have the runner's output
// land in a file they read, or fail it at its end.
bool MayReplace(const struct stat& folder, const struct stat& file) {
    return !(folder.st_mode & S_ISVTX) || !(folder.st_mode & (S_IWOTH | S_IWGRP)) || file.st_uid == geteuid() ||
           file.st_uid == folder.st_uid;
}

// The sticky bit: only the file's owner, the folder's owner (or root) may
// put another file in a file's place there.
bool MayRenameOver(const struct stat& folder, const struct stat& file) {
    return !(folder.st_mode & S_ISVTX) || file.st_uid == geteuid() || folder.st_uid == geteuid() || geteuid() == 0;
}

std::string NotFollowed(const std::string& link, const std::string& folder) {
    return "the link " + link + " belongs to another user, in the shared folder " + folder +
           ": a link there is followed only when it is yours or the folder owner's";
}

std::string NotReplaced(const std::string& file, const std::string& folder) {
    return file + " belongs to another user, in the shared folder " + folder +
           ": a file there is written over only when it is yours or the folder owner's";
}

std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Where a path lands: the descriptor it names, or the folder that holds its
// last name (open) and that name, as it stands.
struct Landing {
    int held = -1;
    Fd folder;   // O_PATH
    std::string folderPath;
    struct stat folderStat {};
    std::string name;
    std::string shown;   // the path, or where the links it followed led
    bool there = false;
    struct stat st {};   // the name itself, not followed
};

// Finds where `path` lands, following a link at its end with Links::Follow
// where the kernel would (the folders on the way are the kernel's to
// follow). False with errno set and the reason in `why`; `making` says what
// the folder was wanted for ("write", "make").
bool Locate(const std::string& path, Links links, Landing& place, std::string& why, const char* making) {
    std::string p = path;
    for (int hops = 0; hops <= 40; ++hops) {
        if (const int fd = HeldDescriptor(p); fd >= 0) {
            place.held = fd;
            place.shown = p;
            return true;
        }
        const auto slash = p.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : p.substr(0, slash);
        const std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
        Fd dir(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!dir) {
            const int e = errno;
            if (e == ENOENT || e == ENOTDIR)
                return Fail(e, why, "no folder " + folder + " to " + making + " " + path + " in");
            return Fail(e, why, "cannot " + std::string(making) + " " + path + ": " + Reason(e));
        }
        if (name.empty() || name == "." || name == "..") {
            // The path ends in a folder itself ("dir/", ".", ".."): it is its
            // own place, held open, under the name ".".
            Fd self(open(p.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (!self || fstat(self.get(), &place.st) != 0)
                return Fail(errno, why, "cannot " + std::string(making) + " " + path + ": " + Reason(errno));
            place.folderStat = place.st;
            place.folder = std::move(self);
            place.folderPath = p;
            place.name = ".";
            place.shown = p;
            place.there = true;
            return true;
        }
        if (fstat(dir.get(), &place.folderStat) != 0)
            return Fail(errno, why, "cannot " + std::string(making) + " " + path + ": " + Reason(errno));
        place.there = fstatat(dir.get(), name.c_str(), &place.st, AT_SYMLINK_NOFOLLOW) == 0;
        if (!place.there && errno != ENOENT)
            return Fail(errno, why, "cannot " + std::string(making) + " " + path + ": " + Reason(errno));
        if (place.there && S_ISLNK(place.st.st_mode) && links == Links::Follow) {
            if (!MayFollow(place.folderStat, place.st)) return Fail(EACCES, why, NotFollowed(p, folder));
            char target[4096];
            const ssize_t n = readlinkat(dir.get(), name.c_str(), target, sizeof target);
            if (n < 0 || n == static_cast<ssize_t>(sizeof target))
                return Fail(n < 0 ? errno : ENAMETOOLONG, why,
                            "cannot " + std::string(making) + " " + path + ": " + Reason(n < 0 ? errno : ENAMETOOLONG));
            const std::string to(target, static_cast<std::size_t>(n));
            p = to.starts_with('/') ? to : folder + "/" + to;
            continue;
        }
        place.folder = std::move(dir);
        place.folderPath = folder;
        place.name = name;
        place.shown = p;
        return true;
    }
    return Fail(ELOOP, why, "cannot " + std::string(making) + " " + path + ": " + Reason(ELOOP));
}

// A hidden name beside `file` that nobody can foresee:
// ".<file>.<10 random letters and digits>", the file's part cut (on a whole
// UTF-8 character) so that the whole fits in a name.
std::string HiddenName(const std::string& file) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::size_t kRandom = 10;
    constexpr std::size_t kMostName = 255;
    unsigned char bytes[kRandom];
    if (getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // No entropy yet (early boot): the clock and the process still make
        // a name of its own; O_EXCL keeps it from taking anyone else's.
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        unsigned long long x = static_cast<unsigned long long>(now.tv_nsec) * 6364136223846793005ull ^
                               static_cast<unsigned long long>(getpid()) << 32 ^
                               static_cast<unsigned long long>(now.tv_sec);
        for (auto& b : bytes) {
            x = x * 6364136223846793005ull + 1442695040888963407ull;
            b = static_cast<unsigned char>(x >> 56);
        }
    }
    std::size_t keep = std::min(file.size(), kMostName - 2 - kRandom);
    while (keep > 0 && keep < file.size() && (static_cast<unsigned char>(file[keep]) & 0xC0) == 0x80) --keep;
    std::string name(1, '.');
    name.append(file, 0, keep);
    name += '.';
    for (unsigned char b : bytes) name += kAlphabet[b % (sizeof kAlphabet - 1)];
    return name;
}

std::string PartName(const PartMaking& how, const std::string& file, int attempt) {
    return how.name ? how.name(file, attempt) : HiddenName(file);
}

// The file systems that make no file without a name say so with one of these.
bool NoUnnamedFiles(int e) { return e == EOPNOTSUPP || e == EISDIR || e == EINVAL || e == ENOENT; }

constexpr int kNameAttempts = 100;

// A new file in `folder`, no one else's: with no name where the file system
// makes such files (O_TMPFILE: a killed run leaves nothing), else under a
// fresh hidden name (in `part`), made exclusively and never through a link.
// -1 with errno set.
int MakePart(int folder, const std::string& file, const PartMaking& how, std::string& part) {
    part.clear();
    if (how.unnamed) {
        const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0 || !NoUnnamedFiles(errno)) return fd;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        part = PartName(how, file, attempt);
        const int fd = openat(folder, part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Removes `name` from `folder` when it is still the file open on `fd`:
// whatever took its place since is left alone.
void RemoveIfSame(int folder, const std::string& name, int fd) {
    const int e = errno;
    struct stat a, b;
    if (fstat(fd, &a) == 0 && fstatat(folder, name.c_str(), &b, AT_SYMLINK_NOFOLLOW) == 0 && a.st_dev == b.st_dev &&
        a.st_ino == b.st_ino)
        unlinkat(folder, name.c_str(), 0);
    errno = e;
}

bool WriteStraight(int fd, std::string_view bytes, std::string& why) {
    if (fd < 0) return Fail(errno, why, Reason(errno));
    if (WriteAll(fd, bytes) != bytes.size()) return Fail(errno, why, Reason(errno));
    return true;
}

// Gives the part of no name open on `fd` the name `name` in `folder`
// (EEXIST when the name is taken: linking never replaces).
bool LinkUnnamed(int fd, int folder, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != ENOENT) return false;
    return linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;   // no /proc
}

// Puts the written part in the place of `name`: a named part is renamed over
// it; a part of no name is linked in, straight under the name when it is
// free (nothing named is ever left), else under a fresh hidden name that is
// then renamed over it.
bool PutInPlace(int folder, int fd, const std::string& part, const std::string& name, bool there,
                const PartMaking& how) {
    if (!part.empty()) return renameat(folder, part.c_str(), folder, name.c_str()) == 0;
    if (!there) {
        if (LinkUnnamed(fd, folder, name)) return true;
        if (errno != EEXIST) return false;   // taken meanwhile: replaced below
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temp = PartName(how, name, attempt);
        if (!LinkUnnamed(fd, folder, temp)) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (renameat(folder, temp.c_str(), folder, name.c_str()) == 0) return true;
        RemoveIfSame(folder, temp, fd);
        return false;
    }
    errno = EEXIST;
    return false;
}

// In a folder the runner may not write in, a file there that the runner may
// read and write is written where it stands. Only the bytes the write
// reaches change, and those are kept first: a write that fails (a full disk,
// a size limit) puts them back, and the file is as it was.
bool WriteInPlace(int folder, const std::string& name, const std::string& shown, std::string_view bytes,
                  std::string& why) {
    Fd fd(openat(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (!fd || fstat(fd.get(), &st) != 0) return Fail(errno, why, Reason(errno));
    if (!S_ISREG(st.st_mode)) return Fail(EINVAL, why, shown + " is no longer a file");
    const std::size_t oldSize = static_cast<std::size_t>(st.st_size);
    std::string kept(std::min(oldSize, bytes.size()), '\0');
    for (std::size_t got = 0; got < kept.size();) {
        const ssize_t n = pread(fd.get(), kept.data() + got, kept.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail(n == 0 ? EIO : errno, why, Reason(n == 0 ? EIO : errno));
        got += static_cast<std::size_t>(n);
    }
    const std::size_t landed = WriteAll(fd.get(), bytes, 0);
    // Cut to the new length only once all of it is there.
    if (landed == bytes.size() &&
        (bytes.size() >= oldSize || ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0))
        return true;
    const int e = errno;
    WriteAll(fd.get(), std::string_view(kept).substr(0, std::min(landed, kept.size())), 0);
    if (landed > oldSize) (void)!ftruncate(fd.get(), static_cast<off_t>(oldSize));
    return Fail(e, why, Reason(e));
}

// Writes `bytes` as the file `name` in `folder` (as it stood when looked at:
// `there`, `st`), as PlaceFile says.
bool PlaceIn(int folder, const struct stat& folderStat, const std::string& folderPath, const std::string& name,
             bool there, const struct stat& st, const std::string& shown, Links links, std::string_view bytes,
             std::string& why, const PartMaking& how) {
    if (there && S_ISDIR(st.st_mode)) return Fail(EISDIR, why, shown + " is a folder");
    if (there && !MayReplace(folderStat, st)) return Fail(EACCES, why, NotReplaced(shown, folderPath));
    if (there && links == Links::Follow && !S_ISREG(st.st_mode)) {
        if (!S_ISCHR(st.st_mode) && !S_ISBLK(st.st_mode))
            return Fail(EINVAL, why, shown + " is a named pipe or a socket, not a file");
        // A device (the null device, a terminal) takes the bytes as they come.
        Fd fd(openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd) fcntl(fd.get(), F_SETFL, fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
        return WriteStraight(fd.get(), bytes, why);
    }
    // The folder owner's file in a shared folder may be written, but not
    // replaced: it is written where it stands.
    if (there && S_ISREG(st.st_mode) && !MayRenameOver(folderStat, st))
        return WriteInPlace(folder, name, shown, bytes, why);
    std::string part;
    Fd fd(MakePart(folder, name, how, part));
    if (!fd) {
        const int e = errno;
        if ((e == EACCES || e == EPERM) && there && S_ISREG(st.st_mode))
            return WriteInPlace(folder, name, shown, bytes, why);
        return Fail(e, why, Reason(e));
    }
    if (there && S_ISREG(st.st_mode)) {
        // The file it replaces keeps its owner (where the runner may give it,
        // as root may) and its mode.
        (void)!fchown(fd.get(), st.st_uid, st.st_gid);
        fchmod(fd.get(), st.st_mode & 07777);
    }
    if (WriteAll(fd.get(), bytes) != bytes.size() || !PutInPlace(folder, fd.get(), part, name, there, how)) {
        const int e = errno;
        if (!part.empty()) RemoveIfSame(folder, part, fd.get());
        // A part of no name that cannot be linked (no /proc and no right to
        // link by descriptor) is made again with a name.
        if (part.empty() && (e == ENOENT || e == EPERM || e == EACCES) && how.unnamed) {
            PartMaking named = how;
            named.unnamed = false;
            return PlaceIn(folder, folderStat, folderPath, name, there, st, shown, links, bytes, why, named);
        }
        return Fail(e, why, Reason(e));
    }
    return true;
}

// Why the shot names in the folder open on `dir` cannot be cleared for a
// run, or "".
std::string ShotNamesInTheWay(int dir, const std::string& path, bool clear) {
    struct stat folder;
    if (fstat(dir, &folder) != 0) return "cannot read the folder " + path + ": " + Reason(errno);
    const int copy = fcntl(dir, F_DUPFD_CLOEXEC, 3);
    DIR* listing = copy >= 0 ? fdopendir(copy) : nullptr;
    if (!listing) {
        if (copy >= 0) close(copy);
        return "cannot read the folder " + path + ": " + Reason(errno);
    }
    rewinddir(listing);
    std::string why;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (!IsShotName(name)) continue;
        const std::string shown = (std::filesystem::path(path) / name).string();
        struct stat st;
        if (fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;   // gone meanwhile
        if (S_ISDIR(st.st_mode)) {
            why = shown + " is a folder, where the run's shot of that name would go";
            break;
        }
        if (!MayReplace(folder, st)) {
            why = NotReplaced(shown, path) + " (a run clears the shots a run before left)";
            break;
        }
        if (clear && unlinkat(dir, name.c_str(), 0) != 0 && errno != ENOENT) {
            why = "cannot clear " + shown + ", which a run before left: " + Reason(errno);
            break;
        }
    }
    closedir(listing);
    return why;
}

// Takes the folder open on `dir` for one run's shots; false when another run
// has it.
bool LockForTheRun(int dir) {
    while (flock(dir, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

std::string AnotherRun(const std::string& path) {
    return "another run is writing its shots in " + path + ": give each run a folder of its own";
}

}  // namespace

std::string ShotName(long number) {
    // 0001.png to 9999.png; past them a letter and twice the digits:
    // A00010000.png to A99999999.png, then B and 16 digits, C and 32 (more
    // than any count can reach). A letter sorts after every digit, and the
    // names under one letter have one width, so a listing by name (in any
    // locale) is the order of the shots.
    std::string prefix;
    int width = 4;
    long limit = 10'000;
    char letter = 'A';
    while (width < 32 && number >= limit) {
        prefix = std::string(1, letter++);
        width *= 2;
        if (width < 32) limit *= limit;
    }
    char digits[40];
    std::snprintf(digits, sizeof digits, "%0*ld", width, number);
    return prefix + digits + ".png";
}

bool IsShotName(std::string_view name) {
    if (!name.ends_with(".png")) return false;
    name.remove_suffix(4);
    // The width of the digits under each leading letter, and the least
    // number written that way (ShotName uses a letter only past the widths
    // before it).
    std::size_t width = 4;
    std::string_view least = "0001";
    if (!name.empty() && name.front() >= 'A' && name.front() <= 'C') {
        const int step = name.front() - 'A' + 1;
        width = std::size_t{4} << step;
        least = step == 1 ? "00010000" : step == 2 ? "0000000100000000" : "00000000000000010000000000000000";
        name.remove_prefix(1);
    }
    if (name.size() != width) return false;
    for (char c : name)
        if (c < '0' || c > '9') return false;
    return name >= least;
}

int HeldDescriptor(const std::string& path) {
    int fd = -1;
    if (path == "/dev/stdin") fd = 0;
    else if (path == "/dev/stdout") fd = 1;
    else if (path == "/dev/stderr") fd = 2;
    else {
        for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
            if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
            const char* first = path.data() + prefix.size();
            const char* last = path.data() + path.size();
            const auto [end, ec] = std::from_chars(first, last, fd);
            if (ec != std::errc() || end != last) fd = -1;
        }
    }
    if (fd < 0 || fcntl(fd, F_GETFD) == -1) return -1;
    return fd;
}

std::size_t WriteAll(int fd, std::string_view bytes, long long offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = offset < 0 ? write(fd, bytes.data() + done, bytes.size() - done)
                                     : pwrite(fd, bytes.data() + done, bytes.size() - done,
                                              static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR && !StopInterrupts(errno)) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
        // A write a signal cut short returns what it wrote: a stop signal
        // ends the run rather than waiting on (a pipe nobody reads).
        if (done < bytes.size() && PendingStopSignal() != 0) {
            errno = EINTR;
            break;
        }
    }
    return done;
}

std::string CheckWritableFile(const std::string& path) {
    if (path.empty()) return "an empty name names no file";
    Landing place;
    std::string why;
    if (!Locate(path, Links::Follow, place, why, "write")) return why;
    if (place.held >= 0) {
        if ((fcntl(place.held, F_GETFL) & O_ACCMODE) == O_RDONLY) return path + " is not open for writing";
        return {};
    }
    const int folder = place.folder.get();
    const char* name = place.name.c_str();
    if (place.there) {
        const struct stat& st = place.st;
        if (S_ISDIR(st.st_mode)) return path + " is a folder";
        if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
            return path + " is a named pipe: name a file, or a descriptor (/dev/stdout) with the pipe behind it";
        if (!MayReplace(place.folderStat, st)) return NotReplaced(path, place.folderPath);
        if (faccessat(folder, name, W_OK, AT_EACCESS) != 0) return "cannot write " + path + ": " + Reason(errno);
        // Written where it stands when it cannot be replaced, and then it
        // must be read too, to be put back if the write fails.
        const bool inPlace = !MayRenameOver(place.folderStat, st) || faccessat(folder, ".", W_OK, AT_EACCESS) != 0;
        if (S_ISREG(st.st_mode) && inPlace && faccessat(folder, name, R_OK, AT_EACCESS) != 0)
            return "cannot write " + path + ": " + Reason(EACCES);
        return {};
    }
    std::string part;
    const Fd trial(MakePart(folder, place.name, {}, part));
    if (!trial) return "cannot write " + path + ": " + Reason(errno);
    if (!part.empty()) RemoveIfSame(folder, part, trial.get());
    return {};
}

std::string CheckUsableFolder(const std::string& given) {
    if (given.empty()) return "an empty name names no folder";
    const std::string path = StripTrailingSlashes(given);
    Landing place;
    std::string why;
    if (!Locate(path, Links::Follow, place, why, "make")) return why;
    if (place.held >= 0 || (place.there && !S_ISDIR(place.st.st_mode))) return given + " is not a folder";
    std::string part;
    if (!place.there) {
        // Whatever may be made in the folder that is to hold it: tried with
        // a file, nothing left.
        const Fd trial(MakePart(place.folder.get(), place.name, {}, part));
        if (!trial) return "cannot make the folder " + given + ": " + Reason(errno);
        if (!part.empty()) RemoveIfSame(place.folder.get(), part, trial.get());
        return {};
    }
    const Fd dir(openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!dir) return "cannot write in " + given + ": " + Reason(errno);
    if (!LockForTheRun(dir.get())) return AnotherRun(given);
    flock(dir.get(), LOCK_UN);
    const Fd trial(MakePart(dir.get(), "shot", {}, part));
    if (!trial) return "cannot write in " + given + ": " + Reason(errno);
    if (!part.empty()) RemoveIfSame(dir.get(), part, trial.get());
    return ShotNamesInTheWay(dir.get(), given, false);
}

int OpenOutputStream(const std::string& path, bool& held, std::string& why) {
    held = false;
    // A link that takes the name between the look and the open is looked at
    // again (the open itself never follows one).
    for (int looks = 0; looks < 8; ++looks) {
        Landing place;
        if (!Locate(path, Links::Follow, place, why, "write")) return -1;
        if (place.held >= 0) {
            held = true;
            const int fd = fcntl(place.held, F_DUPFD_CLOEXEC, 3);
            if (fd < 0) why = Reason(errno);
            return fd;
        }
        if (place.there) {
            const struct stat& st = place.st;
            if (S_ISDIR(st.st_mode)) return Fail(EISDIR, why, path + " is a folder"), -1;
            if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
                return Fail(EINVAL, why, path + " is a named pipe or a socket, not a file"), -1;
            if (!MayReplace(place.folderStat, st)) return Fail(EACCES, why, NotReplaced(path, place.folderPath)), -1;
        }
        const int fd = openat(place.folder.get(), place.name.c_str(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0 && errno == ELOOP) continue;
        if (fd < 0) return Fail(errno, why, Reason(errno)), -1;
        struct stat st;
        if (fstat(fd, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
            close(fd);
            return Fail(EINVAL, why, path + " is a named pipe or a socket, not a file"), -1;
        }
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return fd;
    }
    return Fail(ELOOP, why, Reason(ELOOP)), -1;
}

bool PlaceFile(const std::string& path, Links links, std::string_view bytes, std::string& why,
               const PartMaking& how) {
    if (path.empty()) return Fail(ENOENT, why, "an empty name names no file");
    Landing place;
    if (!Locate(path, links, place, why, "write")) return false;
    if (place.held >= 0) {
        const Fd fd(fcntl(place.held, F_DUPFD_CLOEXEC, 3));
        return WriteStraight(fd.get(), bytes, why);
    }
    return PlaceIn(place.folder.get(), place.folderStat, place.folderPath, place.name, place.there, place.st,
                   place.shown, links, bytes, why, how);
}

ShotsFolder::ShotsFolder(const std::string& given) : path_(given) {
    const std::string path = StripTrailingSlashes(given);
    Landing place;
    std::string why;
    if (!Locate(path, Links::Follow, place, why, "make")) throw std::runtime_error(why);
    if (place.held >= 0 || (place.there && !S_ISDIR(place.st.st_mode)))
        throw std::runtime_error(given + " is not a folder");
    if (!place.there && mkdirat(place.folder.get(), place.name.c_str(), 0777) != 0 && errno != EEXIST)
        throw std::runtime_error("cannot make the folder " + given + ": " + Reason(errno));
    fd_ = openat(place.folder.get(), place.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) throw std::runtime_error("cannot write in " + given + ": " + Reason(errno));
    if (!LockForTheRun(fd_)) {
        close(fd_);
        throw std::runtime_error(AnotherRun(given));
    }
    // Looked through whole before anything is cleared: a run refused here
    // leaves the folder as it was.
    std::string inTheWay = ShotNamesInTheWay(fd_, given, false);
    if (inTheWay.empty()) inTheWay = ShotNamesInTheWay(fd_, given, true);
    if (!inTheWay.empty()) {
        close(fd_);
        throw std::runtime_error(inTheWay);
    }
}

ShotsFolder::~ShotsFolder() {
    if (fd_ >= 0) close(fd_);
}

bool ShotsFolder::Place(const std::string& name, std::string_view bytes, std::string& why, const PartMaking& how) {
    struct stat folder, st;
    if (fstat(fd_, &folder) != 0) return Fail(errno, why, Reason(errno));
    const bool there = fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    const std::string shown = (std::filesystem::path(path_) / name).string();
    return PlaceIn(fd_, folder, path_, name, there, st, shown, Links::Replace, bytes, why, how);
}

}  // namespace plat
