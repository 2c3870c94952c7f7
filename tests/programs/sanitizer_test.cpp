// In a GEO_SANITIZE build: a leak or undefined behaviour in a program the
// tests start fails the test that started it, with the sanitizer's report,
// whatever exit status the test expects.
#ifdef GEO_SANITIZE

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/support.h"

namespace {

using testing_support::RunProgramHeadless;

TEST(Sanitizers, ALeakInAStartedProgramFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(RunProgramHeadless("sanitizer_probe", "leak"), "LeakSanitizer");
}

TEST(Sanitizers, UndefinedBehaviourInAStartedProgramFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(RunProgramHeadless("sanitizer_probe", "overflow"), "signed integer overflow");
}

TEST(Sanitizers, AProgramWithoutFaultsPasses) {
    EXPECT_EQ(RunProgramHeadless("sanitizer_probe", "").status, 0);
}

}  // namespace

#endif
