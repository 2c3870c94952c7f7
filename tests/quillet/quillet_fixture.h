// The fixture of Quillet's lesson tests: a started Quillet on a key script,
// whether a topic ran to its end, and where an arc runs.
#pragma once

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lessons/quillet/quillet.h"
#include "support/support.h"
#include "support/trace_query.h"

struct QuilletFixture : testing_support::ProgramFixture<Quillet> {
    explicit QuilletFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Quillet>(quilletInfo, keys, trace) {}
};

namespace quillet_test {

using nlohmann::json;
using namespace testing_support;

// Runs `topic` on the fixture's keys. True when the topic came back to its
// menu before the keys ran out; false when it was still waiting for a key.
inline bool RunsToItsEnd(QuilletFixture& f, void (*topic)(Quillet&)) {
    try {
        topic(f.prog);
    } catch (const ProgramExit&) {
        return false;
    }
    return true;
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

// How near a text must come to its place in Quillet's tests (pixels).
inline constexpr double kTextPlace = 0.06;

}  // namespace quillet_test
