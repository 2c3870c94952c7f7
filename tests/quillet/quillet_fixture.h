// The fixture of Quillet's lesson tests: a started Quillet on a key script,
// and whether a topic ran to its end.
#pragma once

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

// How near a text must come to its place in Quillet's tests (pixels).
inline constexpr double kTextPlace = 0.06;

}  // namespace quillet_test
