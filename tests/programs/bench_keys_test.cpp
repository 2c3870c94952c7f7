// The keys the window bench measures a --shots picture against: each
// program's own, read to the last, each drawing a step of the lesson.
#include <gtest/gtest.h>

#include <string>

#include "bench/shot_keys.h"
#include "support/support.h"

namespace {

class BenchKeys : public testing::TestWithParam<const char*> {};

TEST_P(BenchKeys, GoThroughTheProgramsOwnSteps) {
    const bench::ShotKeys* keys = bench::ShotKeysFor(GetParam());
    ASSERT_NE(keys, nullptr);
    const int steps = 20;
    const auto r = testing_support::RunProgramHeadless(GetParam(), bench::Repeated(*keys, steps));
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.back().value("reason", ""), "keys ran out");
    EXPECT_EQ(static_cast<int>(r.Of("key").size()), bench::KeyCount(keys->lead) + steps * bench::KeyCount(keys->step));
    // Every key does some of the lesson's work: more than a cursor's blink.
    int drawn = bench::kLeastDrawnPerKey, keysRead = 0;
    for (const auto& e : testing_support::Visible(r.events)) {
        if (e.value("op", "") == "key") {
            EXPECT_GE(drawn, bench::kLeastDrawnPerKey) << "key " << keysRead << " drew " << drawn;
            drawn = 0;
            ++keysRead;
        } else if (e.value("op", "") != "end") {
            ++drawn;
        }
    }
    EXPECT_GE(drawn, bench::kLeastDrawnPerKey) << "the last key drew " << drawn;
}

INSTANTIATE_TEST_SUITE_P(Programs, BenchKeys, testing::Values("varnel", "droveny", "pemmick", "quillet"));

TEST(BenchKeys, CountsKeysAsTheScriptHasThem) {
    EXPECT_EQ(bench::KeyCount("3{Enter}2{Enter}{Enter}"), 5);
    EXPECT_EQ(bench::KeyCount("{{a{Right}"), 3);
    EXPECT_EQ(bench::ShotKeysFor("/some/build/bin/droveny"), bench::ShotKeysFor("droveny"));
    EXPECT_EQ(bench::ShotKeysFor("error_probe"), nullptr);
}

}  // namespace
