// The fixture of Droveny's lesson tests: a started Droveny on a key script,
// and how near its compass arcs must come.
#pragma once

#include <string>
#include <vector>

#include "lessons/droveny/droveny.h"
#include "support/support.h"
#include "support/trace_query.h"

struct DrovenyFixture : testing_support::ProgramFixture<Droveny> {
    explicit DrovenyFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Droveny>(drovenyInfo, keys, trace) {}
};

namespace droveny_test {

using nlohmann::json;

// How near the compass arcs of a construction must come to the expected ones:
// centre to 0.01 px, radius to 0.05 px, ends to 0.0006 of a turn.
inline constexpr testing_support::ArcTolerance kCompassArcs{0.01, 0.05, 0.0006};

}  // namespace droveny_test
