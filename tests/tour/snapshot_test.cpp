// The tours' traces against the kept snapshots (tests/snapshots/<tour>.txt):
// any change to what a program draws on a tour shows up here. A snapshot
// keeps one line per frame (what was drawn between two key reads): the key
// that began it, its number of events and a 64-bit FNV-1a digest of its
// bytes, so a mismatch names the first frame that changed.
//
// After a change that alters a screen on purpose, run this test with
// GEO_UPDATE_SNAPSHOTS=1, look at the new pictures (--shots) and commit the
// rewritten snapshots.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "support/support.h"
#include "tour/tours.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The snapshot text of a trace: a line per frame.
std::string Snapshot(const std::string& trace) {
    std::ostringstream out;
    std::istringstream in(trace);
    std::string line, key = "start";
    uint64_t hash = 14695981039346656037ull;
    int count = 0, frame = 0;
    auto flush = [&] {
        out << frame << ' ' << key << ' ' << count << ' ' << std::hex << std::setw(16) << std::setfill('0') << hash
            << std::dec << '\n';
    };
    while (std::getline(in, line)) {
        const auto event = nlohmann::json::parse(line, nullptr, false);
        if (event.is_object() && event.value("op", "") == "key") {
            flush();
            ++frame;
            key = event.dump();
            hash = 14695981039346656037ull;
            count = 0;
        }
        for (unsigned char c : line + "\n") {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        ++count;
    }
    flush();
    return out.str();
}

std::string LineAt(const std::string& text, std::size_t number) {
    std::istringstream in(text);
    std::string line;
    for (std::size_t i = 0; i < number && std::getline(in, line); ++i) {
    }
    return line;
}

std::size_t FirstDifferentLine(const std::string& a, const std::string& b) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) return line;
        if (a[i] == '\n') ++line;
    }
    return line;
}

class TourSnapshot : public testing::TestWithParam<tours::Tour> {};

TEST_P(TourSnapshot, TraceIsUnchanged) {
    const tours::Tour& tour = GetParam();
    const auto r = testing_support::RunProgramHeadless(tour.program, tour.keys);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const std::string now = Snapshot(r.traceText);
    const fs::path snapshot = fs::path(GEO_SNAPSHOT_DIR) / (tour.name + ".txt");
    const char* update = std::getenv("GEO_UPDATE_SNAPSHOTS");
    if (update && std::strcmp(update, "1") == 0) {
        std::ofstream out(snapshot, std::ios::binary);
        out << now;
        ASSERT_TRUE(out.good()) << "cannot write " << snapshot;
        return;
    }
    ASSERT_TRUE(fs::exists(snapshot)) << "no snapshot " << snapshot
                                      << "; run with GEO_UPDATE_SNAPSHOTS=1 to make it, then look at the pictures";
    const std::string kept = ReadFile(snapshot);
    if (kept != now) {
        fs::create_directories(GEO_ACTUAL_DIR);
        const fs::path actual = fs::path(GEO_ACTUAL_DIR) / (tour.name + "-actual.jsonl");
        std::ofstream(actual, std::ios::binary) << r.traceText;
        const std::size_t line = FirstDifferentLine(kept, now);
        ADD_FAILURE() << tour.name << ": the trace differs from the snapshot " << snapshot << " from frame "
                      << line - 1 << " on\n  kept: " << LineAt(kept, line) << "\n  now:  " << LineAt(now, line)
                      << "\n  the whole new trace is " << actual;
    }
}

INSTANTIATE_TEST_SUITE_P(Tours, TourSnapshot, testing::ValuesIn(tours::All()),
                         [](const testing::TestParamInfo<tours::Tour>& tp) { return tours::TestName(tp.param); });

}  // namespace
