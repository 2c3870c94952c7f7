#include "platform/outputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

namespace plat {
namespace {

namespace fs = std::filesystem;

// Where a write at `path` lands: the descriptor it names, or the file (links
// followed when asked, a dangling one to the file it would make).
struct Place {
    int held = -1;
    fs::path file;
};

Place Locate(const std::string& path, bool followLinks) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        if (const int fd = HeldDescriptor(p.string()); fd >= 0) return {fd, p};
        struct stat st;
        if (!followLinks || lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::error_code ec;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return {-1, p};
}

fs::path FolderOf(const fs::path& file) {
    const fs::path parent = file.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// A new file in `folder` whose name starts with `stem` and is no one else's
// (made exclusively, never through a link): its descriptor and name, or -1.
int MakeNewFile(const fs::path& folder, const std::string& stem, fs::path& name) {
    for (int tries = 0; tries < 1000; ++tries) {
        name = folder / (stem + std::to_string(getpid()) + "-" + std::to_string(tries));
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes `name` when it is still the file open on `fd` (and closes `fd`):
// whatever took its place since is left alone.
void RemoveIfSame(const fs::path& name, int fd) {
    struct stat a, b;
    if (fstat(fd, &a) == 0 && lstat(name.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        unlink(name.c_str());
    close(fd);
}

std::string Reason() { return std::strerror(errno); }

// Writes through `fd` (taken over) with `write`; errno kept from the first
// failure.
bool WriteThrough(int fd, const std::function<bool(std::FILE*)>& write) {
    if (fd < 0) return false;
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        const int e = errno;
        close(fd);
        errno = e;
        return false;
    }
    bool ok = write(f);
    int e = errno;
    if (std::fflush(f) != 0 && ok) {
        ok = false;
        e = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        e = errno;
    }
    errno = e;
    return ok;
}

// Opens what is already there and is no regular file (a device), without
// waiting for a reader.
int OpenDevice(const fs::path& file) {
    const int fd = open(file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

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

std::string CheckWritableFile(const std::string& path) {
    const Place place = Locate(path, true);
    if (place.held >= 0) {
        if ((fcntl(place.held, F_GETFL) & O_ACCMODE) == O_RDONLY) return path + " is not open for writing";
        return {};
    }
    struct stat st;
    if (stat(place.file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return path + " is a folder";
        if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
            return path + " is a named pipe: name a file, or a descriptor (/dev/stdout) with the pipe behind it";
        if (access(place.file.c_str(), W_OK) != 0) return "cannot write " + path + ": " + Reason();
        return {};
    }
    std::error_code ec;
    const fs::path folder = FolderOf(place.file);
    if (!fs::is_directory(folder, ec)) return "no folder " + folder.string() + " to write " + path + " in";
    const int fd = open(place.file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return "cannot write " + path + ": " + Reason();
    RemoveIfSame(place.file, fd);
    return {};
}

std::string CheckUsableFolder(const std::string& path) {
    std::error_code ec;
    struct stat st;
    const bool there = stat(path.c_str(), &st) == 0;
    if (there && !S_ISDIR(st.st_mode)) return path + " is not a folder";
    if (!there) {
        const fs::path parent = FolderOf(fs::path(path).lexically_normal());
        if (!fs::is_directory(parent, ec)) return "no folder " + parent.string() + " to make " + path + " in";
        if (mkdir(path.c_str(), 0777) != 0) return "cannot make the folder " + path + ": " + Reason();
    }
    fs::path trial;
    const int fd = MakeNewFile(path, ".write-check-", trial);
    const std::string reason = fd < 0 ? Reason() : "";
    if (fd >= 0) RemoveIfSame(trial, fd);
    if (!there) rmdir(path.c_str());
    if (fd < 0) return "cannot write in " + path + ": " + reason;
    return {};
}

int OpenOutputStream(const std::string& path, bool& held) {
    const Place place = Locate(path, true);
    held = place.held >= 0;
    if (held) return fcntl(place.held, F_DUPFD_CLOEXEC, 3);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool WriteWholeFile(const std::string& path, bool followLinks, const std::function<bool(std::FILE*)>& write) {
    const Place place = Locate(path, followLinks);
    if (place.held >= 0) return WriteThrough(fcntl(place.held, F_DUPFD_CLOEXEC, 3), write);
    struct stat st;
    const bool there = lstat(place.file.c_str(), &st) == 0;
    if (there && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (there && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return WriteThrough(OpenDevice(place.file), write);
    fs::path part;
    std::string stem(1, '.');   // the part is hidden, named after the file
    stem += place.file.filename().string();
    stem += '.';
    const int fd = MakeNewFile(FolderOf(place.file), stem, part);
    if (fd < 0 && errno == EACCES && there && S_ISREG(st.st_mode)) {
        // A folder we may not write in, holding a file we may: the file is
        // written where it stands, as before a picture was made beside it.
        return WriteThrough(open(place.file.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC), write);
    }
    if (fd < 0) return false;
    if (there && S_ISREG(st.st_mode)) fchmod(fd, st.st_mode & 07777);   // the file it replaces keeps its mode
    const int kept = dup(fd);   // to remove the part by identity
    bool ok = WriteThrough(fd, write) && rename(part.c_str(), place.file.c_str()) == 0;
    const int e = errno;
    if (kept < 0 && !ok) unlink(part.c_str());
    if (kept >= 0 && ok) close(kept);
    if (kept >= 0 && !ok) RemoveIfSame(part, kept);
    errno = e;
    return ok;
}

}  // namespace plat
