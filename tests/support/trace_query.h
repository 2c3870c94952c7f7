// Reading what a run drew: queries over the trace events of a Fixture or of a
// whole-program run (RunResult), shared by every test folder.
//
// Places are compared with a tolerance. Where a query takes one, its default
// is what most tests want; a test that needs another passes it (kExact for
// the value itself), so the difference shows where it is asked.
#pragma once

#include <cmath>
#include <numbers>
#include <ostream>
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

// Why a whole-program run ended, as the trace's last event says ("finished",
// ...; "" for an empty trace).
inline std::string EndReason(const RunResult& r) {
    return r.events.empty() ? "" : r.events.back().value("reason", "");
}

// ---- Numbers and events ------------------------------------------------------

// How near a place must come by default (pixels), and the tolerance that asks
// for the value itself.
inline constexpr double kPlaceTolerance = 0.02;
inline constexpr double kExact = 0;

inline bool Near(const json& v, double expected, double tolerance = kPlaceTolerance) {
    return v.is_number() && std::fabs(v.get<double>() - expected) <= tolerance;
}

inline bool Near(double v, double expected, double tolerance = kPlaceTolerance) {
    return std::fabs(v - expected) <= tolerance;
}

// The events of one kind ("line", "box", "run", ...), in order.
inline std::vector<json> Of(const std::vector<json>& events, const std::string& op) {
    std::vector<json> out;
    for (const auto& e : events)
        if (e.value("op", "") == op) out.push_back(e);
    return out;
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

// Frame n of `events` (see Frames), or no events when the run read fewer keys.
inline std::vector<json> Frame(const std::vector<json>& events, std::size_t n) {
    const auto frames = Frames(events);
    return n < frames.size() ? frames[n] : std::vector<json>{};
}

inline std::vector<json> Frame(const RunResult& r, std::size_t n) { return Frame(r.events, n); }

// ---- Texts drawn -------------------------------------------------------------

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

// True for a run of `text` drawn (not measured) by any text routine: markup,
// or the wide text of the menus and bars.
inline bool IsDrawnRunOf(const json& e, const std::string& text) {
    return e.value("op", "") == "run" && !e.value("measure", false) && e.value("text", "") == text;
}

// The first run of `text` by any text routine (a null json when there is none).
inline json FindAnyRun(const std::vector<json>& events, const std::string& text) {
    for (const auto& e : events)
        if (IsDrawnRunOf(e, text)) return e;
    return json();
}

// How many runs of `text` any text routine drew.
inline int CountAnyRuns(const std::vector<json>& events, const std::string& text) {
    int n = 0;
    for (const auto& e : events) n += IsDrawnRunOf(e, text);
    return n;
}

// Where in `events` the first run of `text` by any text routine stands, from
// index `from` on (-1: none there).
inline long RunIndex(const std::vector<json>& events, const std::string& text, long from = 0) {
    for (long i = from; i < static_cast<long>(events.size()); ++i)
        if (IsDrawnRunOf(events[static_cast<std::size_t>(i)], text)) return i;
    return -1;
}

inline long RunIndex(const RunResult& r, const std::string& text, long from = 0) {
    return RunIndex(r.events, text, from);
}

// A colour that a query or an expectation leaves unchecked.
inline constexpr int kAnyColor = -1;

// Where a sub-menu writes its caption: as wide text at the left of the bottom
// band.
inline constexpr double kCaptionX = 16, kCaptionY = 666;

// True for the sub-menu caption `caption` written on the bottom band (in
// `color`, when that is not kAnyColor).
inline bool IsCaption(const json& e, const std::string& caption, int color = kAnyColor) {
    return e.value("op", "") == "run" && e["routine"] == "DrawWideText" && e["text"] == caption &&
           e["x"] == kCaptionX && e["y"] == kCaptionY && (color == kAnyColor || e["color"] == color);
}

// How many times the caption `caption` was written on the bottom band.
inline int Captions(const std::vector<json>& events, const std::string& caption, int color = kAnyColor) {
    int n = 0;
    for (const auto& e : events) n += IsCaption(e, caption, color);
    return n;
}

// ---- Key waits ---------------------------------------------------------------

// The prompt WaitForAnyKey writes in its box on the bottom band.
inline const std::string kKeyWaitPrompt = "何かキーを押して下さい。";

// True for WaitForAnyKey's prompt drawn: one key wait.
inline bool IsKeyWait(const json& e) {
    return IsDrawnRunOf(e, kKeyWaitPrompt) && e.value("routine", "") == "DrawWideText";
}

// How many times a run waited for any key (WaitForAnyKey's prompt drawn).
inline int KeyWaits(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : events) n += IsKeyWait(e);
    return n;
}

inline int KeyWaits(const RunResult& r) { return KeyWaits(r.events); }

// ---- Texts expected at their places ------------------------------------------

// A coordinate of TextAt that is not checked (a label that finds its own
// place, a text going on where the last one ended).
inline constexpr double kAnyPlace = -1e9;

// How near a text must come to its place by default (pixels).
inline constexpr double kTextTolerance = 0.01;

// A text expected drawn at (x, y) in `color`. An x or y of kAnyPlace is not
// checked; any other x below zero stands for "right after the text before
// it": the text must start right of -x.
struct TextAt {
    std::string text;
    double x, y;
    int color;
};

inline std::ostream& operator<<(std::ostream& os, const TextAt& t) {
    return os << "\"" << t.text << "\" at (" << t.x << ", " << t.y << ") in " << t.color;
}

// Expects the drawn run `run` at want's place (within `tolerance`) in want's
// colour; its text is the caller's to match.
inline void ExpectRunPlaced(const json& run, const TextAt& want, double tolerance = kTextTolerance) {
    if (want.x == kAnyPlace) {
    } else if (want.x < 0) {
        EXPECT_GT(run["x"].get<double>(), -want.x) << want << ": " << run.dump();
    } else {
        EXPECT_TRUE(Near(run["x"], want.x, tolerance)) << want << ": x " << run["x"];
    }
    if (want.y != kAnyPlace) {
        EXPECT_TRUE(Near(run["y"], want.y, tolerance)) << want << ": y " << run["y"];
    }
    EXPECT_EQ(run["color"], want.color) << want;
}

// The first markup run of `text` is drawn at (x, y) in `color`.
inline void ExpectRun(const std::vector<json>& events, const std::string& text, double x, double y, int color,
                      double tolerance = kTextTolerance) {
    const json run = FindRun(events, text);
    ASSERT_FALSE(run.is_null()) << text << " is not drawn";
    ExpectRunPlaced(run, {text, x, y, color}, tolerance);
}

// The last markup run of `text` is drawn at (x, y) in `color`.
inline void ExpectLastRun(const std::vector<json>& events, const std::string& text, double x, double y, int color,
                          double tolerance = kTextTolerance) {
    const json run = FindLastRun(events, text);
    ASSERT_FALSE(run.is_null()) << text << " is not drawn";
    ExpectRunPlaced(run, {text, x, y, color}, tolerance);
}

// Each text's first markup run is drawn at its place, in any order and among
// any other texts.
inline void ExpectTexts(const std::vector<json>& events, const std::vector<TextAt>& texts,
                        double tolerance = kTextTolerance) {
    for (const TextAt& t : texts) {
        const json run = FindRun(events, t.text);
        ASSERT_FALSE(run.is_null()) << t.text << " is not drawn";
        ExpectRunPlaced(run, t, tolerance);
    }
}

// The texts are drawn with markup in this order, each at its place, with any
// other texts between them; a text drawn more than once is matched in turn.
inline void ExpectTextsInOrder(const std::vector<json>& events, const std::vector<TextAt>& texts,
                               double tolerance = kTextTolerance) {
    const auto runs = MarkupRuns(events);
    std::size_t at = 0;
    for (const TextAt& t : texts) {
        while (at < runs.size() && runs[at]["text"] != t.text) ++at;
        ASSERT_LT(at, runs.size()) << t.text << " missing or out of order";
        ExpectRunPlaced(runs[at], t, tolerance);
        ++at;
    }
}

// The texts drawn with markup (not measured, not empty) are exactly these, in
// this order, each at its place.
inline void ExpectOnlyTexts(const std::vector<json>& events, const std::vector<TextAt>& want,
                            double tolerance = kTextTolerance) {
    std::vector<json> shown;
    for (const auto& r : MarkupRuns(events))
        if (!r.value("text", "").empty()) shown.push_back(r);
    ASSERT_EQ(shown.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].text);
        EXPECT_EQ(shown[i]["text"], want[i].text);
        ExpectRunPlaced(shown[i], want[i], tolerance);
    }
}

// ---- Boxes -------------------------------------------------------------------

// A "box" event from (x1, y1) to (x2, y2) in `color` with `fill`.
inline bool IsBox(const json& e, double x1, double y1, double x2, double y2, int color, int fill,
                  double tolerance = kPlaceTolerance) {
    return e.value("op", "") == "box" && Near(e["x1"], x1, tolerance) && Near(e["y1"], y1, tolerance) &&
           Near(e["x2"], x2, tolerance) && Near(e["y2"], y2, tolerance) && e["color"] == color && e["fill"] == fill;
}

// How many times the rectangle from (x1, y1) to (x2, y2) was erased (a box in
// the background colour, filled with it).
inline int CountBoxes(const std::vector<json>& events, double x1, double y1, double x2, double y2,
                      double tolerance = kPlaceTolerance) {
    int n = 0;
    for (const auto& e : events) n += IsBox(e, x1, y1, x2, y2, 15, 15, tolerance);
    return n;
}

// The erase of the whole screen.
inline bool IsWholeScreenErase(const json& e, double tolerance = kPlaceTolerance) {
    return IsBox(e, 0, 0, 1760, 1800, 15, 15, tolerance);
}

// The main menu's panel, drawn each time the main menu is.
inline bool IsMenuPanel(const json& e, double tolerance = kPlaceTolerance) {
    return IsBox(e, 22, 10, 1342, 610, 15, 10, tolerance);
}

// How many times the main menu's panel was drawn.
inline int MenuPanels(const std::vector<json>& events, double tolerance = kPlaceTolerance) {
    int n = 0;
    for (const auto& e : events) n += IsMenuPanel(e, tolerance);
    return n;
}

inline int MenuPanels(const RunResult& r, double tolerance = kPlaceTolerance) {
    return MenuPanels(r.events, tolerance);
}

// ---- Lines -------------------------------------------------------------------

// A segment event ("line") from (x1, y1) to (x2, y2) in `color`.
inline bool IsLine(const json& e, double x1, double y1, double x2, double y2, int color,
                   double tolerance = kPlaceTolerance) {
    return e.value("op", "") == "line" && e["color"] == color && Near(e["x1"], x1, tolerance) &&
           Near(e["y1"], y1, tolerance) && Near(e["x2"], x2, tolerance) && Near(e["y2"], y2, tolerance);
}

inline bool HasLine(const std::vector<json>& events, double x1, double y1, double x2, double y2, int color,
                    double tolerance = kPlaceTolerance) {
    for (const auto& e : events)
        if (IsLine(e, x1, y1, x2, y2, color, tolerance)) return true;
    return false;
}

// The segments in `color` drawn at pen width `width`, in order.
inline std::vector<json> LinesOf(const std::vector<json>& events, int color, int width) {
    std::vector<json> out;
    for (const auto& e : Of(events, "line"))
        if (e["color"] == color && e["width"] == width) out.push_back(e);
    return out;
}

inline int CountLines(const std::vector<json>& events, int color, int width) {
    return static_cast<int>(LinesOf(events, color, width).size());
}

// ---- Circles, arcs and dots --------------------------------------------------

// A "circle" event: a whole circle (start and end both 0), an arc running
// clockwise from `start` to `end` (fractions of a turn), a dot or a sector;
// the pen width it was drawn with, and its fill colour (-1: not filled).
struct Round {
    double x, y, r, start, end;
    int color;
    bool filled;
    int width;
    int fill;
    bool Whole() const { return start == 0 && end == 0; }
};

inline Round RoundOf(const json& e) {
    return {e["x"].get<double>(),     e["y"].get<double>(),  e["r"].get<double>(),
            e["start"].get<double>(), e["end"].get<double>(), e["color"].get<int>(),
            e["filled"].get<bool>(),  e["width"].get<int>(),  e["fill"].is_null() ? -1 : e["fill"].get<int>()};
}

inline std::ostream& operator<<(std::ostream& os, const Round& c) {
    os << (c.filled ? "disc" : "circle") << " (" << c.x << ", " << c.y << ") r " << c.r << " from " << c.start
       << " to " << c.end << " in " << c.color << " width " << c.width;
    if (c.filled) os << " fill " << c.fill;
    return os;
}

// The circle events that pass `keep`, in drawing order.
template <class Keep>
std::vector<Round> RoundsWhere(const std::vector<json>& events, Keep keep) {
    std::vector<Round> out;
    for (const auto& e : Of(events, "circle")) {
        const Round c = RoundOf(e);
        if (keep(c)) out.push_back(c);
    }
    return out;
}

// Every circle event, in drawing order.
inline std::vector<Round> Rounds(const std::vector<json>& events) {
    return RoundsWhere(events, [](const Round&) { return true; });
}

// The outlines: whole circles and arcs, not filled.
inline std::vector<Round> Outlines(const std::vector<json>& events) {
    return RoundsWhere(events, [](const Round& c) { return !c.filled; });
}

// The outline arcs (not whole circles).
inline std::vector<Round> Arcs(const std::vector<json>& events) {
    return RoundsWhere(events, [](const Round& c) { return !c.filled && !c.Whole(); });
}

// The whole outline circles.
inline std::vector<Round> Circles(const std::vector<json>& events) {
    return RoundsWhere(events, [](const Round& c) { return !c.filled && c.Whole(); });
}

// The point dots: filled discs of radius 6.
inline std::vector<Round> Dots(const std::vector<json>& events) {
    return RoundsWhere(events, [](const Round& c) { return c.filled && c.r == 6; });
}

// A point dot at (x, y) (within 0.01 px) in `color`.
inline bool IsDot(const Round& c, double x, double y, int color) {
    return c.filled && c.r == 6 && Near(c.x, x, 0.01) && Near(c.y, y, 0.01) && c.color == color;
}

// How near a radius must come to be the one asked for, by default.
inline constexpr double kRadiusTolerance = 1e-4;

// The filled discs of radius r in `color`.
inline std::vector<Round> Discs(const std::vector<json>& events, double r, int color,
                                double tolerance = kRadiusTolerance) {
    return RoundsWhere(events,
                       [&](const Round& c) { return c.filled && c.color == color && Near(c.r, r, tolerance); });
}

inline int CountDiscs(const std::vector<json>& events, double r, int color, double tolerance = kRadiusTolerance) {
    return static_cast<int>(Discs(events, r, color, tolerance).size());
}

// How many circle events, filled or not, have radius r and `color`.
inline int CountCircles(const std::vector<json>& events, double r, int color, double tolerance = kPlaceTolerance) {
    return static_cast<int>(
        RoundsWhere(events, [&](const Round& c) { return c.color == color && Near(c.r, r, tolerance); }).size());
}

// True when the arc runs through the point (x, y): the point lies on its
// circle (within `px`) and its direction lies in the arc's span, which runs
// clockwise from start to end, across 1 to 0 when end is the smaller.
inline bool ArcPasses(const Round& arc, double x, double y, double px = 0.5) {
    const double d = std::hypot(x - arc.x, y - arc.y);
    if (std::fabs(d - arc.r) > px) return false;
    double f = std::atan2(y - arc.y, x - arc.x) / (2 * std::numbers::pi);   // clockwise as seen
    if (f < 0) f += 1;
    double span = arc.end - arc.start;
    if (span < 0) span += 1;
    double at = f - arc.start;
    while (at < 0) at += 1;
    while (at >= 1) at -= 1;
    return at <= span;
}

// How near a drawn arc must come to an expected one: each coordinate of its
// centre and its radius (pixels), its start and end (fractions of a turn).
struct ArcTolerance {
    double centre, radius, turn;
    constexpr ArcTolerance WithTurn(double t) const { return {centre, radius, t}; }
};

inline constexpr ArcTolerance kArcTolerance{0.06, 0.06, 0.0002};

// An expected arc: centre, radius, start and end, colour; and, for this arc
// alone, a tolerance of its centre and radius (px) or of its ends (turn)
// other than the one ExpectArcs is given (a negative one: that one).
struct ArcAt {
    double x, y, r, start, end;
    int color;
    double px = -1;
    double turn = -1;
};

// The arcs drawn are `want`, in order.
inline void ExpectArcs(const std::vector<Round>& got, const std::vector<ArcAt>& want,
                       const ArcTolerance& tolerance = kArcTolerance) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("arc " + std::to_string(i));
        const ArcAt& w = want[i];
        const double centre = w.px >= 0 ? w.px : tolerance.centre;
        const double radius = w.px >= 0 ? w.px : tolerance.radius;
        const double turn = w.turn >= 0 ? w.turn : tolerance.turn;
        EXPECT_NEAR(got[i].x, w.x, centre) << got[i];
        EXPECT_NEAR(got[i].y, w.y, centre) << got[i];
        EXPECT_NEAR(got[i].r, w.r, radius) << got[i];
        EXPECT_NEAR(got[i].start, w.start, turn) << got[i];
        EXPECT_NEAR(got[i].end, w.end, turn) << got[i];
        EXPECT_EQ(got[i].color, w.color) << got[i];
    }
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
        if (IsWholeScreenErase(e)) {
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
