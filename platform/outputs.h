// The files a run writes (the trace, the pictures) and how each is checked
// and placed, so that an output touches only the file it names:
// - a descriptor the program already holds is written where it stands;
// - a link is followed only where the kernel would follow it (in a sticky
//   folder open to all, such as /tmp, only a link of the runner's own or of
//   the folder's owner), and a file of another user's in a sticky folder is
//   not written over (the kernel's protected_symlinks and protected_regular);
// - a picture is written whole before its name shows it, by a part with no
//   name where the file system makes one (nothing is left by a killed run),
//   so a failed write leaves the file that was there as it was;
// - a folder of shots is the run's alone while it runs.
#pragma once

#include <string>
#include <string_view>

namespace plat {

// What a picture's name is taken for when it holds a link.
enum class Links {
    Follow,    // the file the link leads to is replaced, and the link stays (--screenshot)
    Replace,   // the name itself is replaced, whatever non-folder it held (a shot)
};

// The file name of the `number`-th --shots picture, counted from 1:
// 0001.png to 9999.png, then A00010000.png on (names sort in shot order).
std::string ShotName(long number);
// True when `name` is one that ShotName gives.
bool IsShotName(std::string_view name);

// The descriptor a path names that the program already holds (/dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N) when it is open; -1 otherwise.
int HeldDescriptor(const std::string& path);

// Why no file can be written at `path`, or "" when one can. Tried without
// opening anything that is there (a named pipe would hand its one reader to
// the trial) and without making anything with a name: a file that is there
// is asked for write permission, the folder is tried with a part of no name.
// Folders, named pipes, links and files the rules above keep from being
// followed or written over are refused.
std::string CheckWritableFile(const std::string& path);

// Why `path` cannot be the folder the shots go into, or "". Nothing is made:
// a missing folder is tried in the folder that is to hold it. A folder that
// another run is writing its shots in is refused, and so is one that holds a
// folder under a shot's name, or in a sticky folder another user's file
// under a shot's name (the run clears those names as it starts).
std::string CheckUsableFolder(const std::string& path);

// Opens a stream output (the trace): a held descriptor is duplicated and
// written where it stands, truncating nothing; any other path is opened as
// the shell's `>` opens it (through the links it may follow, emptied). -1,
// with errno set and the reason in `why`, when it cannot be. `held` says
// which of the two it was.
int OpenOutputStream(const std::string& path, bool& held, std::string& why);

// Writes all of `bytes` to `fd`, at `offset` (where the file stands when
// -1), again where a signal cut a write short, unless a stop signal waits to
// end the run (a pipe nobody reads would hold it for good). How much landed;
// errno set when short.
std::size_t WriteAll(int fd, std::string_view bytes, long long offset = -1);

// How a picture's part is made; tests choose the named way and the names.
struct PartMaking {
    bool unnamed = true;   // a part of no name where the file system has them
    // The name of the `attempt`-th named part for the file `file` (a
    // hidden, random one when empty).
    std::string (*name)(const std::string& file, int attempt) = nullptr;
};

// Writes `bytes` as the whole file `path` (a picture). A held descriptor or a
// device is written straight. Otherwise the bytes go into a part beside the
// file, which takes the file's place once complete, with the mode and owner
// of the file it replaces. In a folder the runner may not write in, a file
// there that the runner may read and write is written where it stands, and
// put back as it was when the write fails. False, with errno set and the
// reason in `why`, when the file could not be written.
bool PlaceFile(const std::string& path, Links links, std::string_view bytes, std::string& why,
               const PartMaking& how = {});

// The folder the shots go into, for the run: made when missing, locked for
// the run (a second run into it is refused), and cleared of the names shots
// take (what a run before left there; nothing else is touched).
class ShotsFolder {
public:
    // Throws std::runtime_error with the reason when the folder cannot be
    // had.
    explicit ShotsFolder(const std::string& path);
    ~ShotsFolder();
    ShotsFolder(const ShotsFolder&) = delete;
    ShotsFolder& operator=(const ShotsFolder&) = delete;
    // Writes the picture `bytes` under `name` in the folder (Links::Replace).
    bool Place(const std::string& name, std::string_view bytes, std::string& why, const PartMaking& how = {});
    const std::string& Path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace plat
