// Reading what a run drew: queries over the trace events of a Fixture or of a
// whole-program run (RunResult), shared by every test folder.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/support.h"

namespace testing_support {


using nlohmann::json;

// Runs `routine` on the fixture's program (as its own type P) and key script.
// When the script runs out the run stops at that key wait, with every cell as
// it stood there.
template <class P>
void RunUntilKeysEnd(Fixture& f, void (*routine)(P&)) {
    try {
        routine(f.As<P>());
    } catch (const ProgramExit&) {
    }
}

// A key text repeated n times ("{Right}" x 12).
inline std::string Repeat(const std::string& key, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += key;
    return out;
}

// The texts that DrawMarkupText drew (not measured), in order.
inline std::vector<json> MarkupRuns(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : events)
        if (e.value("op", "") == "run" && e.value("routine", "") == "DrawMarkupText" && !e.value("measure", false))
            out.push_back(e);
    return out;
}

// The first markup run of `text` (a null json when there is none).
inline json FindRun(const std::vector<json>& events, const std::string& text) {
    for (const auto& e : MarkupRuns(events))
        if (e["text"] == text) return e;
    return json();
}

// The last markup run of `text` (a null json when there is none).
inline json FindLastRun(const std::vector<json>& events, const std::string& text) {
    json found;
    for (const auto& e : MarkupRuns(events))
        if (e["text"] == text) found = e;
    return found;
}

inline int CountRuns(const std::vector<json>& events, const std::string& text) {
    int n = 0;
    for (const auto& e : MarkupRuns(events)) n += e["text"] == text;
    return n;
}

// The events between key reads: frame k holds what was drawn before the
// (k+1)-th key was read; the last frame what came after the last key.
inline std::vector<std::vector<json>> Frames(const std::vector<json>& events) {
    std::vector<std::vector<json>> frames(1);
    for (const auto& e : events) {
        if (e.value("op", "") == "key")
            frames.emplace_back();
        else
            frames.back().push_back(e);
    }
    return frames;
}

inline bool Near(const json& v, double expected, double tolerance = 0.02) {
    return v.is_number() && std::fabs(v.get<double>() - expected) <= tolerance;
}

// A segment event ("line") from (x1, y1) to (x2, y2) in `color`.
inline bool IsLine(const json& e, double x1, double y1, double x2, double y2, int color, double tolerance = 0.02) {
    return e.value("op", "") == "line" && e["color"] == color && Near(e["x1"], x1, tolerance) &&
           Near(e["y1"], y1, tolerance) && Near(e["x2"], x2, tolerance) && Near(e["y2"], y2, tolerance);
}

inline bool HasLine(const std::vector<json>& events, double x1, double y1, double x2, double y2, int color,
                    double tolerance = 0.02) {
    for (const auto& e : events)
        if (IsLine(e, x1, y1, x2, y2, color, tolerance)) return true;
    return false;
}

inline bool IsBox(const json& e, double x1, double y1, double x2, double y2, int color, int fill) {
    return e.value("op", "") == "box" && Near(e["x1"], x1) && Near(e["y1"], y1) && Near(e["x2"], x2) &&
           Near(e["y2"], y2) && e["color"] == color && e["fill"] == fill;
}

inline int CountBoxes(const std::vector<json>& events, double x1, double y1, double x2, double y2) {
    int n = 0;
    for (const auto& e : events) n += IsBox(e, x1, y1, x2, y2, 15, 15);
    return n;
}

inline std::vector<json> Of(const std::vector<json>& events, const std::string& op) {
    std::vector<json> out;
    for (const auto& e : events)
        if (e.value("op", "") == op) out.push_back(e);
    return out;
}


// ---- Segments and texts drawn by a Fixture -----------------------------------

// A "line" event (a segment). In an expected segment a colour or width of -1
// is not checked.
struct Segment {
    float x1, y1, x2, y2;
    int color = -1;
    int width = -1;
};

// The segments drawn since the last ClearEvents, in order.
inline std::vector<Segment> Segments(Fixture& f) {
    std::vector<Segment> out;
    for (const auto& e : f.Events("line"))
        out.push_back({e["x1"].get<float>(), e["y1"].get<float>(), e["x2"].get<float>(), e["y2"].get<float>(),
                       e["color"].get<int>(), e["width"].get<int>()});
    return out;
}

inline void ExpectSegment(const Segment& got, const Segment& want, float tolerance = 1e-3f) {
    EXPECT_NEAR(got.x1, want.x1, tolerance);
    EXPECT_NEAR(got.y1, want.y1, tolerance);
    EXPECT_NEAR(got.x2, want.x2, tolerance);
    EXPECT_NEAR(got.y2, want.y2, tolerance);
    if (want.color >= 0) {
        EXPECT_EQ(got.color, want.color);
    }
    if (want.width >= 0) {
        EXPECT_EQ(got.width, want.width);
    }
}

// The same segments in the same order.
inline void ExpectSegments(const std::vector<Segment>& got, const std::vector<Segment>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSegment(got[i], want[i]);
    }
}

// The "run" events of texts drawn, not measured, since the last ClearEvents.
inline std::vector<nlohmann::json> DrawnRunEvents(Fixture& f) { return testing_support::Visible(f.Events("run")); }

struct TextRun {
    std::string routine, text;
    float x, y;
    int color;
};

// The texts drawn (not measured, not empty) since the last ClearEvents.
inline std::vector<TextRun> DrawnRuns(Fixture& f) {
    std::vector<TextRun> out;
    for (const auto& e : DrawnRunEvents(f)) {
        if (e.value("text", "").empty()) continue;
        out.push_back({e["routine"].get<std::string>(), e["text"].get<std::string>(), e["x"].get<float>(),
                       e["y"].get<float>(), static_cast<int>(e["color"].get<float>())});
    }
    return out;
}

// The events of each visit of a lesson's topics (and of its goal screen): from
// a full-screen erase up to the run of the sub-menu `caption` that follows it.
inline std::vector<std::vector<json>> TopicVisits(const std::vector<json>& events, const std::string& caption) {
    std::vector<std::vector<json>> visits;
    bool inTopic = false;
    for (const auto& e : events) {
        if (IsBox(e, 0, 0, 1760, 1800, 15, 15)) {
            visits.emplace_back();
            inTopic = true;
        } else if (e.value("op", "") == "run" && e.value("text", "") == caption) {
            inTopic = false;
        }
        if (inTopic) visits.back().push_back(e);
    }
    return visits;
}

}  // namespace testing_support
