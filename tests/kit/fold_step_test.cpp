// The key step shared by the fold animations: which key stops, which erases,
// and how the fold parameter steps and starts again.
#include <gtest/gtest.h>

#include <string>

#include "lessons/common/fold_step.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace testing_support;

struct StepCase {
    const char* name;
    std::string key;
    float angleBefore;
    float angleAfter;
    float entryAfter;
    bool erased;
};

std::ostream& operator<<(std::ostream& os, const StepCase& c) { return os << c.name; }

class FoldStep : public testing::TestWithParam<StepCase> {};

TEST_P(FoldStep, KeyFlagEraseAndAngle) {
    const StepCase& c = GetParam();
    Fixture f(nullptr, c.key);
    Program& p = *f.p;
    p.GridLeft = 720;
    p.GridTop = 150;
    p.GridRight = 1200;
    p.GridBottom = 630;
    p.EntryValue = 5;
    p.ArcAngle = c.angleBefore;
    StepFoldAngleByKey(p);
    EXPECT_EQ(p.ArcAngle, c.angleAfter);
    EXPECT_EQ(p.EntryValue, c.entryAfter);
    EXPECT_EQ(CountBoxes(f.Events(), 720, 150, 1200, 630), c.erased ? 1 : 0);
    bool prompted = false;
    for (const auto& e : f.Events("run")) prompted |= e["text"] == "１で次のステップ。他のキーで動かす。";
    EXPECT_TRUE(prompted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FoldStep,
    testing::Values(StepCase{"LetterSteps", "a", 180, 190, 5, true},
                    StepCase{"ArrowSteps", "{Right}", 250, 260, 5, true},
                    StepCase{"EnterStepsOntoTheEnd", "{Enter}", 350, 360, 5, true},
                    StepCase{"PastTheEndStartsAgain", "x", 360, 180, 5, true},
                    StepCase{"OneStopsWithoutErasing", "1", 250, 250, 1, false},
                    StepCase{"OneAtTheEndKeepsIt", "1", 360, 360, 1, false},
                    StepCase{"OtherDigitSteps", "2", 180, 190, 5, true}),
    [](const testing::TestParamInfo<StepCase>& tested) { return std::string(tested.param.name); });

TEST(FoldStep, StoppedFoldNoLongerTurns) {
    // A fold loop that goes on after the flag is set (its position update)
    // sees the angle unchanged, also past the end of the range.
    Fixture f;
    Program& p = *f.p;
    p.EntryValue = 1;
    p.ArcAngle = 170;
    AdvanceFoldAngle(p, 0, 180);
    EXPECT_EQ(p.ArcAngle, 170);
    p.ArcAngle = 190;
    AdvanceFoldAngle(p, 0, 180);
    EXPECT_EQ(p.ArcAngle, 0);
    p.EntryValue = 5;
    p.ArcAngle = 180;
    AdvanceFoldAngle(p, 0, 180);
    EXPECT_EQ(p.ArcAngle, 0);
}

}  // namespace
