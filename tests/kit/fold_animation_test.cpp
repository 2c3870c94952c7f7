// A fold animation on the kit's Animate, with the counter the folds step: the
// fold parameter ArcAngle from 180, 10 a key, back to 180 past 360. Which key
// stops, which erases, and how the fold parameter steps and starts again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lessons/common/kit.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace kit;
using namespace testing_support;

const std::string kPrompt = "１で次のステップ。他のキーで動かす。";
const Area kFrame{720, 150, 1200, 630};

AnimationCounter FoldCounter(Program& p) {
    return {.cell = &p.ArcAngle, .from = 180, .by = 10, .upTo = 360, .backTo = 180};
}

struct StepCase {
    const char* name;
    std::string key;
    float angleBefore;
    float angleAfter;
    float entryAfter;
    bool erased;
};

std::ostream& operator<<(std::ostream& os, const StepCase& c) { return os << c.name; }

class FoldAnimation : public testing::TestWithParam<StepCase> {};

// Letters bring the fold from 180 to angleBefore; then the key under test,
// and a 1 after it when it did not stop the fold. What that one key did:
// the prompt, the frame erased or not, the flag and the angle as the fold's
// step sees them.
TEST_P(FoldAnimation, KeyFlagEraseAndAngle) {
    const StepCase& c = GetParam();
    const int lead = static_cast<int>((c.angleBefore - 180) / 10);
    std::string keys(static_cast<std::size_t>(lead), 'a');
    keys += c.key;
    if (c.key != "1") keys += "1";
    Fixture f(nullptr, keys);
    Program& p = *f.p;
    int frames = 0;
    int steps = 0;
    bool reached = false;
    bool stepped = false;
    float angleAfter = 0;
    float entryAfter = 0;
    int boxes = 0;
    int prompts = 0;
    Animate(
        p, {.erase = kFrame, .counter = FoldCounter(p)},
        [&] {
            if (frames++ != lead) return;
            reached = true;
            EXPECT_EQ(p.ArcAngle, c.angleBefore);
            EXPECT_EQ(p.EntryValue, 5);
            f.ClearEvents();
        },
        [&] {
            if (steps++ != lead) return;
            stepped = true;
            angleAfter = p.ArcAngle;
            entryAfter = p.EntryValue;
            boxes = CountBoxes(f.Events(), kFrame.x1, kFrame.y1, kFrame.x2, kFrame.y2);
            for (const auto& e : f.Events("run")) prompts += e["text"] == kPrompt;
        });
    ASSERT_TRUE(reached);
    ASSERT_TRUE(stepped);
    EXPECT_EQ(angleAfter, c.angleAfter);
    EXPECT_EQ(entryAfter, c.entryAfter);
    EXPECT_EQ(boxes, c.erased ? 1 : 0);
    EXPECT_EQ(prompts, 1);
    // The fold stops at the 1 with the angle the key left.
    EXPECT_EQ(p.EntryValue, 1);
    if (c.key == "1") {
        EXPECT_EQ(p.ArcAngle, c.angleAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FoldAnimation,
    testing::Values(StepCase{"LetterSteps", "a", 180, 190, 5, true},
                    StepCase{"ArrowSteps", "{Right}", 250, 260, 5, true},
                    StepCase{"EnterStepsOntoTheEnd", "{Enter}", 350, 360, 5, true},
                    StepCase{"PastTheEndStartsAgain", "x", 360, 180, 5, true},
                    StepCase{"OneStopsWithoutErasing", "1", 250, 250, 1, false},
                    StepCase{"OneAtTheEndKeepsIt", "1", 360, 360, 1, false},
                    StepCase{"OtherDigitSteps", "2", 180, 190, 5, true}),
    [](const testing::TestParamInfo<StepCase>& tested) { return std::string(tested.param.name); });

// The angle each step of a fold from 0 to 180 (Varnel's rhombus folds) sees,
// one a key; `frame` runs before the figure of each key is drawn.
std::vector<float> AnglesStepsSee(const std::string& keys, const std::function<void(Program&)>& frame = {}) {
    Fixture f(nullptr, keys);
    Program& p = *f.p;
    std::vector<float> seen;
    Animate(
        p, {.erase = kFrame, .counter = {.cell = &p.ArcAngle, .from = 0, .by = 10, .upTo = 180, .backTo = 0}},
        [&] {
            if (frame) frame(p);
        },
        [&] { seen.push_back(p.ArcAngle); });
    EXPECT_EQ(p.EntryValue, 1);
    if (!seen.empty()) {
        EXPECT_EQ(p.ArcAngle, seen.back());
    }
    return seen;
}

TEST(FoldAnimation, StoppedFoldNoLongerTurns) {
    // A fold whose step goes on after the 1 (its position update) sees the
    // angle unchanged; past the end of the range it starts again, stopped or
    // not.
    const std::vector<float> stopped = AnglesStepsSee(std::string(17, 'a') + "1");
    ASSERT_EQ(stopped.size(), 18u);
    EXPECT_EQ(stopped[16], 170);
    EXPECT_EQ(stopped[17], 170);
    const std::vector<float> stoppedPastTheEnd = AnglesStepsSee("1", [](Program& p) { p.ArcAngle = 190; });
    ASSERT_EQ(stoppedPastTheEnd.size(), 1u);
    EXPECT_EQ(stoppedPastTheEnd[0], 0);
    const std::vector<float> running = AnglesStepsSee(std::string(19, 'a') + "1");
    ASSERT_EQ(running.size(), 20u);
    EXPECT_EQ(running[17], 180);
    EXPECT_EQ(running[18], 0);
}

}  // namespace
