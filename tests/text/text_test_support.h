// Helpers of the text tests.
#pragma once

#include <initializer_list>

#include <gtest/gtest.h>

#include "platform/text.h"
#include "core/program.h"
#include "support/support.h"

namespace text_test {

// One input of a routine that rewrites TextArg in place, and what it leaves.
struct TextArgCase {
    const char* in;
    const char* out;
};

// Runs `routine` on each case's TextArg in turn, on one program.
inline void ExpectTextArgRewrites(void (*routine)(Program&), std::initializer_list<TextArgCase> cases) {
    testing_support::Fixture f(nullptr, "", false);
    for (const TextArgCase& c : cases) {
        f.p->TextArg = c.in;
        routine(*f.p);
        EXPECT_EQ(f.p->TextArg, Text(c.out)) << c.in;
    }
}

}  // namespace text_test
