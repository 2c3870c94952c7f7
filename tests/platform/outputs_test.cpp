// Where the outputs of a run land: what a folder holds before, the name an
// option gives, and what the folder holds after, for the checks made before
// a run and the writes made during it. The cases that need a second user (a
// link or a file of another user's in a shared folder, a folder the runner
// may not write in) run their parts as `nobody`.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/outputs.h"
#include "platform/trace.h"
#include "support/support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FileContent;
using testing_support::Listing;

// A picture's bytes: its signature and enough after it that a size limit of
// a few kilobytes cuts it.
const std::string& Picture() {
    static const std::string bytes = [] {
        std::string b = "\x89PNG\r\n\x1a\n";
        for (int i = 0; b.size() < 20'000; ++i) b += static_cast<char>('a' + i % 26);
        return b;
    }();
    return bytes;
}

bool IsPicture(const fs::path& file) { return FileContent(file.string()) == Picture(); }

enum class Act {
    CheckFile,        // CheckWritableFile
    CheckFolder,      // CheckUsableFolder
    Follow,           // PlaceFile, Links::Follow (a --screenshot)
    Replace,          // PlaceFile, Links::Replace
    Stream,           // OpenOutputStream, then a line written (the trace)
    TakeFolder,       // ShotsFolder, then 0001.png placed in it
    TakeFolderTwice,  // a second ShotsFolder while the first holds it
    CheckTakenFolder, // CheckUsableFolder while a ShotsFolder holds it
};

// How parts are named: as the runtime names them, with names only, with
// names whose first one is taken, or as the runtime makes them with names
// that cannot be made (so a part that took a name fails the write).
enum class Parts { AsTheRuntime, Named, FirstNameTaken, NoNameToBeHad };

struct OutputCase {
    const char* name;
    const char* setup;    // bash, as the test's user, in the case's folder
    const char* other;    // bash, as the second user, after the setup ("": none)
    Act act;
    std::string given;    // the name the act is given
    bool asSecondUser;    // the act runs as the second user
    bool ok;
    const char* why;      // part of the reason given when not ok
    std::vector<std::string> after;   // the folder afterwards, as Listing gives it
    std::vector<std::string> kept;    // files that hold what the set-up left in them
    std::function<void(const fs::path&)> check = nullptr;
    long sizeLimit = 0;   // the file size limit the act runs under (bytes)
    Parts parts = Parts::AsTheRuntime;
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

// Part names for Parts::FirstNameTaken: ".taken" first, then fresh ones.
std::string TakenFirst(const std::string&, int attempt) {
    return attempt == 0 ? ".taken" : ".fresh-" + std::to_string(attempt);
}

std::string Unmakeable(const std::string&, int) { return "no-such-folder/part"; }

plat::PartMaking MakingFor(Parts parts) {
    plat::PartMaking how;
    switch (parts) {
        case Parts::AsTheRuntime: break;
        case Parts::Named: how.unnamed = false; break;
        case Parts::FirstNameTaken: how.unnamed = false; how.name = TakenFirst; break;
        case Parts::NoNameToBeHad: how.name = Unmakeable; break;
    }
    return how;
}

struct ActResult {
    bool ok = false;
    std::string why;
};

ActResult Perform(const OutputCase& c) {
    ActResult r;
    const plat::PartMaking how = MakingFor(c.parts);
    try {
        switch (c.act) {
            case Act::CheckFile: r.why = plat::CheckWritableFile(c.given); r.ok = r.why.empty(); break;
            case Act::CheckFolder: r.why = plat::CheckUsableFolder(c.given); r.ok = r.why.empty(); break;
            case Act::Follow: r.ok = plat::PlaceFile(c.given, plat::Links::Follow, Picture(), r.why, how); break;
            case Act::Replace: r.ok = plat::PlaceFile(c.given, plat::Links::Replace, Picture(), r.why, how); break;
            case Act::Stream: {
                bool held = false;
                const int fd = plat::OpenOutputStream(c.given, held, r.why);
                r.ok = fd >= 0 && write(fd, "trace\n", 6) == 6;
                if (fd >= 0) close(fd);
                break;
            }
            case Act::TakeFolder: {
                plat::ShotsFolder folder(c.given);
                r.ok = folder.Place("0001.png", Picture(), r.why, how);
                break;
            }
            case Act::TakeFolderTwice: {
                plat::ShotsFolder first(c.given);
                plat::ShotsFolder second(c.given);
                r.ok = true;
                break;
            }
            case Act::CheckTakenFolder: {
                plat::ShotsFolder first(c.given);
                r.why = plat::CheckUsableFolder(c.given);
                r.ok = r.why.empty();
                break;
            }
        }
    } catch (const std::runtime_error& e) {
        r.ok = false;
        r.why = e.what();
    }
    return r;
}

// Runs the case's act in a child of its own: as the second user when the
// case says so, under its size limit, in `folder`.
ActResult PerformInChild(const OutputCase& c, const fs::path& folder, const testing_support::SecondUser* user) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {false, "no pipe"};
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        if (user && !testing_support::BecomeSecondUser(*user)) _exit(3);
        if (chdir(folder.c_str()) != 0) _exit(3);
        if (c.sizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);   // as the programs do: a write past the limit fails
            const rlimit limit{static_cast<rlim_t>(c.sizeLimit), static_cast<rlim_t>(c.sizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const ActResult r = Perform(c);
        const std::string message = (r.ok ? "1" : "0") + r.why;
        const bool sent = write(pipeFds[1], message.data(), message.size()) == static_cast<ssize_t>(message.size());
        _exit(sent ? 0 : 3);
    }
    close(pipeFds[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        message.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || message.empty()) return {false, "the act's child failed"};
    return {message[0] == '1', message.substr(1)};
}

class Outputs : public testing::TestWithParam<OutputCase> {};

TEST_P(Outputs, TouchOnlyWhatTheyName) {
    const OutputCase& c = GetParam();
    std::string problem;
    const auto user = testing_support::FindSecondUser(problem);
    const bool needsUser = c.asSecondUser || *c.other || std::string(c.setup).find("SECOND_") != std::string::npos;
    if (needsUser && !user) GTEST_SKIP() << "no second user: " << problem;
    // In SharedDir() when a second user takes part (the folder is open to
    // them on the way), else in this process's own folder.
    const std::string& base = needsUser ? testing_support::SharedDir() : testing_support::PrivateDir();
    const fs::path folder = fs::path(base) / (std::string("o-") + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms(0755));
    if (c.parts == Parts::NoNameToBeHad && !testing_support::MakesUnnamedFiles(folder))
        GTEST_SKIP() << folder << ": this file system makes no file without a name";
    const auto setup = testing_support::RunIn(folder.string(), c.setup);
    ASSERT_EQ(setup.status, 0) << c.setup << ": " << setup.err;
    if (*c.other) {
        const auto other = testing_support::RunIn(folder.string(), c.other, true);
        ASSERT_EQ(other.status, 0) << c.other << ": " << other.err;
    }
    std::vector<std::string> before;
    for (const auto& name : c.kept) before.push_back(FileContent((folder / name).string()));

    const ActResult r = PerformInChild(c, folder, c.asSecondUser ? &*user : nullptr);
    EXPECT_EQ(r.ok, c.ok) << r.why;
    if (!c.ok) {
        EXPECT_NE(r.why.find(c.why), std::string::npos) << r.why;
    }
    EXPECT_EQ(Listing(folder.string()), c.after);
    for (std::size_t i = 0; i < c.kept.size(); ++i) {
        const std::string now = FileContent((folder / c.kept[i]).string());
        EXPECT_TRUE(now == before[i]) << c.kept[i] << " was changed: " << before[i].size() << " bytes before, "
                                      << now.size() << " after";
    }
    if (c.check) c.check(folder);
    fs::remove_all(folder);
}

struct stat StatOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(lstat(file.c_str(), &st), 0) << file;
    return st;
}

// The second user's ids, as the cases' checks see them.
unsigned SecondUid() {
    std::string why;
    const auto user = testing_support::FindSecondUser(why);
    return user ? user->uid : ~0u;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Outputs,
    testing::Values(
        // ---- Links in a shared folder (sticky, open to all, as /tmp) --------
        // Another user's link is not followed: their link would lead the
        // runner's picture or trace into any file of the runner's.
        OutputCase{"AnotherUsersLinkIsNotFollowedByAPicture", "chmod 1777 .; echo notes > notes.txt",
                   "ln -s notes.txt result.png", Act::Follow, "result.png", false, false,
                   "the link result.png belongs to another user, in the shared folder",
                   {"notes.txt", "result.png -> notes.txt"}, {"notes.txt"}},
        OutputCase{"AnotherUsersLinkIsRefusedByTheCheck", "chmod 1777 .; echo notes > notes.txt",
                   "ln -s notes.txt result.png", Act::CheckFile, "result.png", false, false,
                   "the link result.png belongs to another user", {"notes.txt", "result.png -> notes.txt"},
                   {"notes.txt"}},
        OutputCase{"AnotherUsersLinkIsNotFollowedByTheTrace", "chmod 1777 .; echo notes > notes.txt",
                   "ln -s notes.txt t.jsonl", Act::Stream, "t.jsonl", false, false,
                   "the link t.jsonl belongs to another user", {"notes.txt", "t.jsonl -> notes.txt"}, {"notes.txt"}},
        OutputCase{"AnotherUsersLinkAtTheEndOfAChainIsNotFollowed",
                   "chmod 1777 .; echo notes > notes.txt; ln -s b.png a.png", "ln -s notes.txt b.png", Act::Follow,
                   "a.png", false, false, "the link ./b.png belongs to another user",
                   {"a.png -> b.png", "b.png -> notes.txt", "notes.txt"}, {"notes.txt"}},
        // The runner's own link, and the folder owner's, are followed.
        OutputCase{"TheRunnersOwnLinkIsFollowed",
                   "chmod 1777 .; echo notes > notes.txt; ln -s notes.txt result.png", "", Act::Follow, "result.png",
                   false, true, "", {"notes.txt", "result.png -> notes.txt"}, {},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "notes.txt")); }},
        OutputCase{"TheFolderOwnersLinkIsFollowed", "chmod 1777 .; ln -s made.png result.png", "", Act::Follow,
                   "result.png", true, true, "", {"made.png", "result.png -> made.png"}, {},
                   [](const fs::path& d) {
                       EXPECT_TRUE(IsPicture(d / "made.png"));
                       EXPECT_EQ(StatOf(d / "made.png").st_uid, SecondUid());
                   }},
        // Where the folder is not shared, the kernel follows any link, and
        // so does a run.
        OutputCase{"AnotherUsersLinkInAFolderNotSharedIsFollowed", "chmod 0777 .; echo notes > notes.txt",
                   "ln -s notes.txt result.png", Act::Follow, "result.png", false, true, "",
                   {"notes.txt", "result.png -> notes.txt"}, {},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "notes.txt")); }},

        // ---- Files of another user's in a shared folder -----------------------
        OutputCase{"AnotherUsersFileIsNotWrittenOverByAPicture", "chmod 1777 .", "echo theirs > f.png; chmod 666 f.png",
                   Act::Follow, "f.png", false, false, "f.png belongs to another user, in the shared folder", {"f.png"},
                   {"f.png"}},
        OutputCase{"AnotherUsersFileIsRefusedByTheCheck", "chmod 1777 .", "echo theirs > f.png; chmod 666 f.png",
                   Act::CheckFile, "f.png", false, false, "f.png belongs to another user", {"f.png"}, {"f.png"}},
        OutputCase{"AnotherUsersFileIsNotEmptiedByTheTrace", "chmod 1777 .", "echo theirs > t.jsonl; chmod 666 t.jsonl",
                   Act::Stream, "t.jsonl", false, false, "t.jsonl belongs to another user", {"t.jsonl"}, {"t.jsonl"}},
        // The folder owner's file may be written, but the sticky bit keeps
        // another user from putting a file in its place: it is written where
        // it stands.
        OutputCase{"TheFolderOwnersFileIsWrittenWhereItStands", "chmod 1777 .; echo mine > f.png; chmod 666 f.png", "",
                   Act::Follow, "f.png", true, true, "", {"f.png"}, {},
                   [](const fs::path& d) {
                       EXPECT_TRUE(IsPicture(d / "f.png"));
                       EXPECT_EQ(StatOf(d / "f.png").st_uid, 0u);
                   }},

        // ---- A folder the runner may not write in --------------------------
        // The runner's own file there is written where it stands, and when
        // the write fails (a size limit) what it covered is put back.
        OutputCase{"InAClosedFolderTheFileIsWrittenWhereItStands",
                   "head -c 30000 /dev/urandom > pic.png; chown \"$SECOND_UID\" pic.png", "", Act::Follow, "pic.png",
                   true, true, "", {"pic.png"}, {},
                   [](const fs::path& d) {
                       EXPECT_TRUE(IsPicture(d / "pic.png"));
                       EXPECT_EQ(StatOf(d / "pic.png").st_uid, SecondUid());
                   }},
        OutputCase{"InAClosedFolderAFailedWriteLeavesTheFileAsItWas",
                   "head -c 30000 /dev/urandom > pic.png; chown \"$SECOND_UID\" pic.png", "", Act::Follow, "pic.png",
                   true, false, "File too large", {"pic.png"}, {"pic.png"}, nullptr, 4096},
        OutputCase{"InAClosedFolderAFileThatCannotBeReadBackIsRefused",
                   "echo old > pic.png; chown \"$SECOND_UID\" pic.png; chmod 200 pic.png", "", Act::CheckFile,
                   "pic.png", true, false, "Permission denied", {"pic.png"}, {}},
        OutputCase{"InAClosedFolderNoNewFileIsMade", "", "", Act::CheckFile, "new.png", true, false,
                   "Permission denied", {}},

        // ---- What the replaced file keeps ------------------------------------
        OutputCase{"TheReplacedFileKeepsItsMode", "echo old > pic.png; chmod 640 pic.png", "", Act::Follow, "pic.png",
                   false, true, "", {"pic.png"}, {},
                   [](const fs::path& d) {
                       EXPECT_TRUE(IsPicture(d / "pic.png"));
                       EXPECT_EQ(StatOf(d / "pic.png").st_mode & 07777, 0640u);
                   }},
        OutputCase{"TheReplacedFileKeepsItsOwner",
                   "echo old > pic.png; chmod 600 pic.png; chown \"$SECOND_UID:$SECOND_GID\" pic.png", "",
                   Act::Follow, "pic.png", false, true, "", {"pic.png"}, {},
                   [](const fs::path& d) {
                       EXPECT_TRUE(IsPicture(d / "pic.png"));
                       EXPECT_EQ(StatOf(d / "pic.png").st_uid, SecondUid());
                       EXPECT_EQ(StatOf(d / "pic.png").st_mode & 07777, 0600u);
                   }},
        OutputCase{"ALinkReplacedAsAShotDoesNotLeadTheWrite", "echo notes > notes.txt; ln -s notes.txt 0001.png", "",
                   Act::Replace, "0001.png", false, true, "", {"0001.png", "notes.txt"}, {"notes.txt"},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "0001.png")); }},
        OutputCase{"APipeUnderAShotNameIsReplaced", "mkfifo 0001.png", "", Act::Replace, "0001.png", false, true, "",
                   {"0001.png"}, {}, [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "0001.png")); }},
        OutputCase{"ADanglingLinkLeadsToTheFileItNames", "ln -s made.png latest.png", "", Act::Follow, "latest.png",
                   false, true, "", {"latest.png -> made.png", "made.png"}, {},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "made.png")); }},

        // ---- Parts ---------------------------------------------------------
        // A part's name that is taken (a run killed with a reused pid, or a
        // name made on purpose) is neither written through nor removed.
        OutputCase{"ATakenPartNameLinkedToAFileIsNotWrittenThrough", "echo notes > notes.txt; ln -s notes.txt .taken",
                   "", Act::Follow, "pic.png", false, true, "", {".taken -> notes.txt", "notes.txt", "pic.png"},
                   {"notes.txt"}, [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "pic.png")); }, 0,
                   Parts::FirstNameTaken},
        OutputCase{"ATakenPartNameHoldingAFileIsLeftAlone", "echo kept > .taken; echo old > pic.png", "", Act::Follow,
                   "pic.png", false, true, "", {".taken", "pic.png"}, {".taken"},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "pic.png")); }, 0, Parts::FirstNameTaken},
        // A new picture, and a shot, never has a name before it is whole: a
        // killed run leaves no part behind.
        OutputCase{"ANewPictureHasNoNameBeforeItIsWhole", "", "", Act::Follow, "pic.png", false, true, "",
                   {"pic.png"}, {}, [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "pic.png")); }, 0,
                   Parts::NoNameToBeHad},
        OutputCase{"AShotHasNoNameBeforeItIsWhole", "", "", Act::TakeFolder, "pics", false, true, "",
                   {"pics/", "pics/0001.png"}, {}, nullptr, 0, Parts::NoNameToBeHad},
        // A name as long as a name may be still leaves room for its part's.
        OutputCase{"TheLongestNameStillHasAPart", "", "", Act::Follow, std::string(251, 'x') + ".png", false, true, "",
                   {std::string(251, 'x') + ".png"}, {}, nullptr, 0, Parts::Named},
        OutputCase{"TheLongestJapaneseNameStillHasAPart", "", "", Act::Follow,
                   [] {
                       std::string n;
                       for (int i = 0; i < 83; ++i) n += "図";
                       return n + ".png";
                   }(),
                   false, true, "",
                   {[] {
                       std::string n;
                       for (int i = 0; i < 83; ++i) n += "図";
                       return n + ".png";
                   }()},
                   {}, nullptr, 0, Parts::Named},
        OutputCase{"ALongNameOverAFileStillHasAPart", "touch \"$(printf 'x%.0s' {1..251}).png\"", "", Act::Follow,
                   std::string(251, 'x') + ".png", false, true, "", {std::string(251, 'x') + ".png"}, {}, nullptr, 0,
                   Parts::AsTheRuntime},

        // ---- Names that are no file ------------------------------------------
        OutputCase{"AnEmptyNameIsNoFile", "", "", Act::CheckFile, "", false, false, "an empty name", {}},
        OutputCase{"AnEmptyNameIsNoFolder", "", "", Act::CheckFolder, "", false, false, "an empty name", {}},
        OutputCase{"AFolderIsNoFile", "mkdir pics", "", Act::CheckFile, "pics/", false, false, "is a folder",
                   {"pics/"}},
        OutputCase{"AFolderIsNotWrittenOver", "mkdir pic.png", "", Act::Follow, "pic.png", false, false, "is a folder",
                   {"pic.png/"}},
        OutputCase{"ANamedPipeIsNoFile", "mkfifo pic.png", "", Act::CheckFile, "pic.png", false, false, "named pipe",
                   {"pic.png|"}},

        // ---- Shots folders ---------------------------------------------------
        // The check makes nothing and removes nothing.
        OutputCase{"ANewShotsFolderIsCheckedWithoutBeingMade", "", "", Act::CheckFolder, "pics", false, true, "", {}},
        OutputCase{"ANewShotsFolderMayEndInASlash", "", "", Act::CheckFolder, "pics/", false, true, "", {}},
        OutputCase{"AnEmptyShotsFolderIsKeptByTheCheck", "mkdir pics", "", Act::CheckFolder, "pics", false, true, "",
                   {"pics/"}},
        OutputCase{"ANewShotsFolderIsMadeForTheRun", "", "", Act::TakeFolder, "pics/", false, true, "",
                   {"pics/", "pics/0001.png"}, {},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "pics/0001.png")); }},
        OutputCase{"NoFolderToMakeTheShotsFolderIn", "", "", Act::CheckFolder, "a/b/", false, false,
                   "no folder a to make a/b in", {}},
        // The shots a run before left are cleared; nothing else is touched.
        OutputCase{"TheShotsOfARunBeforeAreCleared",
                   "mkdir pics; cd pics; for n in 0001 0002 0003 0011 9999 A00010000; do echo old > $n.png; done; "
                   "echo kept > notes.txt; echo kept > 0001.png.txt; echo kept > 00001.png; echo kept > 0000.png; "
                   "echo kept > A0001.png; ln -s notes.txt 0004.png",
                   "", Act::TakeFolder, "pics", false, true, "",
                   {"pics/", "pics/0000.png", "pics/00001.png", "pics/0001.png", "pics/0001.png.txt", "pics/A0001.png",
                    "pics/notes.txt"},
                   {"pics/notes.txt", "pics/0001.png.txt", "pics/00001.png", "pics/0000.png", "pics/A0001.png"},
                   [](const fs::path& d) { EXPECT_TRUE(IsPicture(d / "pics/0001.png")); }},
        OutputCase{"AFolderUnderAShotNameIsRefusedByTheCheck", "mkdir -p pics/0002.png", "", Act::CheckFolder, "pics",
                   false, false, "pics/0002.png is a folder", {"pics/", "pics/0002.png/"}},
        OutputCase{"AFolderUnderAShotNameIsRefusedAtTheStart", "mkdir -p pics/0002.png; echo old > pics/0001.png", "",
                   Act::TakeFolder, "pics", false, false, "pics/0002.png is a folder",
                   {"pics/", "pics/0001.png", "pics/0002.png/"}},
        OutputCase{"AnotherUsersShotInASharedFolderIsRefused", "chmod 1777 .", "echo theirs > 0001.png",
                   Act::CheckFolder, ".", false, false, "0001.png belongs to another user", {"0001.png"},
                   {"0001.png"}},
        // One run at a time in a folder.
        OutputCase{"AFolderARunHoldsIsRefusedToASecondRun", "mkdir pics", "", Act::TakeFolderTwice, "pics", false,
                   false, "another run is writing its shots in pics", {"pics/"}},
        OutputCase{"AFolderARunHoldsIsRefusedByTheCheck", "mkdir pics", "", Act::CheckTakenFolder, "pics", false,
                   false, "another run is writing its shots in pics", {"pics/"}}),
    [](const testing::TestParamInfo<OutputCase>& tp) { return std::string(tp.param.name); });

// ---- The trace cut back to its last whole line --------------------------------

struct CutCase {
    const char* name;
    long sizeLimit;     // bytes (0: none)
    int events;         // written before the last one
    int eventBytes;     // about how long each is
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class TraceCutBack : public testing::TestWithParam<CutCase> {};

TEST_P(TraceCutBack, KeepsWholeLinesAndEndsWithTheLastEvent) {
    const CutCase& c = GetParam();
    const std::string path = testing_support::TempPath("cut", ".jsonl");
    const auto event = [&](int i) {
        const std::string pad(static_cast<std::size_t>(c.eventBytes), 'p');
        return nlohmann::json{{"op", "line"}, {"n", i}, {"pad", pad}};
    };
    const nlohmann::json last{{"op", "end"}, {"status", 0}, {"reason", "keys ran out"}};
    const nlohmann::json failed{{"op", "end"}, {"status", 4}, {"reason", "output failed"}};
    const pid_t pid = fork();
    if (pid == 0) {
        if (c.sizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(c.sizeLimit), static_cast<rlim_t>(c.sizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        plat::Trace trace(path);
        for (int i = 0; i < c.events; ++i) trace.Write(event(i));
        trace.WriteLast(last, failed);
        trace.Close();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string text = FileContent(path);
    if (c.sizeLimit > 0) {
        EXPECT_LE(static_cast<long>(text.size()), c.sizeLimit);
    }
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n') << "the trace ends inside a line";
    std::vector<nlohmann::json> lines;
    for (std::size_t from = 0, to; (to = text.find('\n', from)) != std::string::npos; from = to + 1) {
        lines.push_back(nlohmann::json::parse(text.substr(from, to - from), nullptr, false));
        ASSERT_FALSE(lines.back().is_discarded()) << "not a whole event: " << text.substr(from, 80);
    }
    // The events that stayed are the first ones, in order, then the end.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i], event(static_cast<int>(i)));
    const bool fits = c.sizeLimit == 0;
    EXPECT_EQ(lines.back(), fits ? last : failed);
    if (fits) {
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(c.events) + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TraceCutBack,
                         testing::Values(CutCase{"NoLimit", 0, 300, 100},
                                         CutCase{"LimitInsideALine", 4096, 300, 100},
                                         CutCase{"LimitLeavesNoRoomForTheEnd", 4096, 300, 4000},
                                         CutCase{"LimitBelowOneLine", 150, 10, 200},
                                         CutCase{"ManyShortLines", 20'000, 5000, 10}),
                         [](const testing::TestParamInfo<CutCase>& tp) { return std::string(tp.param.name); });

}  // namespace
