// The fixture of Varnel's lesson tests: a started Varnel on a key script, and
// counts of what its moving figures leave.
#pragma once

#include <string>
#include <vector>

#include "lessons/varnel/varnel.h"
#include "support/support.h"
#include "support/trace_query.h"

struct VarnelFixture : testing_support::ProgramFixture<Varnel> {
    explicit VarnelFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Varnel>(varnelInfo, keys, trace) {}
};

namespace varnel_test {

using nlohmann::json;

// The dots of the path a moving point travels: grey circles of radius 0.5.
inline int PathDots(const std::vector<json>& events, double tolerance = testing_support::kPlaceTolerance) {
    return testing_support::CountCircles(events, 0.5, 7, tolerance);
}

// The dots a fold leaves: grey circles of radius 1.
inline int FoldDots(const std::vector<json>& events) { return testing_support::CountCircles(events, 1, 7); }

// The sides of the figures drawn at pen width 7 in `color`.
inline int WideSides(const std::vector<json>& events, int color) {
    return testing_support::CountLines(events, color, 7);
}

}  // namespace varnel_test
