// The files a run writes (the trace, the pictures) and how each is checked
// and opened, so that an output touches only the file it names: a descriptor
// the program already holds is written where it stands, a link the user made
// stays a link, and a write that fails removes only what the run made.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace plat {

// The descriptor a path names that the program already holds (/dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N) when it is open; -1 otherwise.
int HeldDescriptor(const std::string& path);

// Why no file can be written at `path`, or "" when one can. Tried without
// opening anything that is there (a named pipe would hand its one reader to
// the trial): a file that is there is asked for write permission, and a new
// one is made and removed again. Folders and named pipes are refused.
std::string CheckWritableFile(const std::string& path);

// Why `path` cannot be the folder the shots go into, or "". A folder that is
// there is tried with a file of a name nobody else uses; a missing one is
// made for the trial and removed again.
std::string CheckUsableFolder(const std::string& path);

// Opens a stream output (the trace): a held descriptor is duplicated and
// written where it stands, truncating nothing; any other path is opened as
// the shell's `>` opens it (through links, emptied). -1 with errno set when
// it cannot be. `held` says which of the two it was.
int OpenOutputStream(const std::string& path, bool& held);

// Writes a whole file (a picture) with `write`. A held descriptor or a device
// is written straight. A file is written under a new name beside it and takes
// its place only once complete, so a failed write leaves the file that was
// there as it was and nothing beside it (in a folder the user may not write
// in, a file there that may be written is written where it stands). With `followLinks` a link at `path`
// is followed and the file it leads to is replaced (the link stays); without,
// the name itself is replaced, whatever it held. False, with errno set, when
// the file could not be written.
bool WriteWholeFile(const std::string& path, bool followLinks, const std::function<bool(std::FILE*)>& write);

}  // namespace plat
