// The fixture of Pemmick's lesson tests: a started Pemmick on a key script,
// the table of its topics, and queries for what its topics draw.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "lessons/pemmick/pemmick.h"
#include "support/support.h"
#include "support/trace_query.h"

struct PemmickFixture : testing_support::ProgramFixture<Pemmick> {
    explicit PemmickFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Pemmick>(pemmickInfo, keys, trace) {}
};

namespace pemmick_test {

using nlohmann::json;
using testing_support::Near;

// One topic: its lesson (main-menu item), its sub-menu item, its routine and
// the keys it waits for.
struct Topic {
    const char* name;
    int lesson;
    int item;
    void (*routine)(Pemmick&);
    int waits;
};

// Test output names a topic by its name.
inline void PrintTo(const Topic& t, std::ostream* os) { *os << t.name; }

inline const std::vector<Topic>& Topics() {
    static const std::vector<Topic> topics{
        {"RegularHexagon", 1, 1, ShowRegularHexagonP165, 15},
        {"CircleTerms", 1, 2, ShowCircleTerms, 19},
        {"RulerCompassAnswer", 1, 3, ShowRulerCompassAnswer1, 15},
        {"CircleSymmetry", 2, 1, ShowCircleSymmetryP167, 14},
        {"TwoCirclesAnswer", 2, 2, ShowTwoCirclesAnswer1, 9},
        {"KiteAndRhombus", 2, 3, ShowKiteAndRhombus, 11},
        {"KiteConstruction", 2, 4, ShowKiteConstruction, 10},
        {"TwoEquidistantPoints", 2, 5, ShowTwoEquidistantPoints, 4},
        {"OneEquidistantPoint", 2, 6, ShowOneEquidistantPoint, 6},
        {"VerticalKite", 2, 7, ShowVerticalKite, 11},
    };
    return topics;
}

inline const Topic& TopicNamed(const std::string& name) {
    for (const Topic& t : Topics())
        if (name == t.name) return t;
    throw std::runtime_error("no topic " + name);
}

// The sub-menu captions of the two lessons.
inline const char* Caption(int lesson) {
    return lesson == 1 ? " ①P165Q　②円説明　③問１　④終了"
                       : "①P167Q　②問1　③たこ形・ひし形　④たこ形作図　⑤等距離2点　⑥等距離1点　⑦縦たこ　⑧終了";
}

// Runs a topic on as many keys as it waits for; returns what it drew.
inline std::vector<json> RunTopic(const Topic& t) {
    PemmickFixture f(testing_support::Repeat("x", t.waits));
    t.routine(f.prog);
    return f.Events();
}

inline bool IsCircle(const json& e) { return e.value("op", "") == "circle"; }
inline bool IsFilled(const json& e) { return e.value("filled", false); }

// Outline circles and arcs (not filled) about (x, y) of radius r in `color`.
inline std::vector<json> OutlinesAt(const std::vector<json>& events, double x, double y, double r, int color,
                                    double tolerance = 0.05) {
    std::vector<json> out;
    for (const auto& e : events)
        if (IsCircle(e) && !IsFilled(e) && e["color"] == color && Near(e["x"], x, tolerance) &&
            Near(e["y"], y, tolerance) && Near(e["r"], r, tolerance))
            out.push_back(e);
    return out;
}

// The "line" events of `color` whose length is `length` (within 0.05 px).
inline int LinesOfLength(const std::vector<json>& events, int color, double length) {
    int n = 0;
    for (const auto& e : testing_support::Of(events, "line")) {
        if (e["color"] != color) continue;
        const double dx = e["x2"].get<double>() - e["x1"].get<double>();
        const double dy = e["y2"].get<double>() - e["y1"].get<double>();
        n += std::fabs(std::hypot(dx, dy) - length) < 0.05;
    }
    return n;
}

}  // namespace pemmick_test
