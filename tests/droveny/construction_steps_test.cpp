// The construction steps Droveny's topics are written in on top of the kit:
// ticks between points. (The compass arc and the points from grid cells are
// the kit's, tested in tests/kit.)
#include <gtest/gtest.h>

#include "droveny/droveny_fixture.h"
#include "lessons/droveny/construction_steps.h"

namespace {

using namespace testing_support;
using namespace droveny_test;
using namespace droveny;

TEST(TicksBetweenPoints, OneAcrossTheMiddleThenTowardsTheSecondPoint) {
    DrovenyFixture f;
    Droveny& p = f.prog;
    kit::SetP(p, 1, {100, 100});
    kit::SetP(p, 2, {200, 100});
    p.TickSpacing = 30;   // left over from an earlier call
    TicksBetween(p, 1, 2, 2, 12, 7);
    ExpectSegments(Segments(f), {{150, 88, 150, 112, 7}, {158, 88, 158, 112, 7}});
    EXPECT_EQ(p.WorkA, 1);
    EXPECT_EQ(p.WorkB, 2);
}

}  // namespace
