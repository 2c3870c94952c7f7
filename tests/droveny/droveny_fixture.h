// The fixture of Droveny's lesson tests: a started Droveny on a key script,
// how near its compass arcs must come, and its key-wait prompts.
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

// Key waits of WaitForAnyKey: its prompt drawn.
inline int Pauses(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : testing_support::Of(events, "run"))
        n += e["routine"] == "DrawWideText" && e["text"] == "何かキーを押して下さい。";
    return n;
}

}  // namespace droveny_test
