// The reflection fold shared with Droveny, routine by routine: the figure
// turned to the typed axis, the fold at each key step, the arrow keys, the
// redraw's erase and the finished figure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lessons/common/reflection_fold.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;
using namespace varnel_test;

// A Varnel with the figure of the reflection topic set up for `axis` degrees
// and the fold at its start (what the topic does before its first redraw).
struct FoldFixture : VarnelFixture {
    explicit FoldFixture(float axis) {
        Varnel& v = prog;
        v.Pi = 3.14159f;
        v.AxisAngle = axis;
        v.TurnAngle = (90 - axis) * v.Pi / 180;
        SetUpReflectionFigure(v);
        BeginReflectionFold(v);
        ClearEvents();
    }
};

struct Expected {
    float x, y;
};

void ExpectPoint(const Varnel& p, int i, Expected want, float tolerance = 0.06f) {
    SCOPED_TRACE("point " + std::to_string(i));
    EXPECT_NEAR(p.PointX(i), want.x, tolerance);
    EXPECT_NEAR(p.PointY(i), want.y, tolerance);
}

// ---- The figure turned to the typed axis ---------------------------------------

struct TurnCase {
    const char* name;
    float axis;
    Expected end11, end12, a, aImage;
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.name; }

class TurnAboutCentre : public testing::TestWithParam<TurnCase> {};

TEST_P(TurnAboutCentre, TurnsTheWholeFigureAboutPoint10) {
    const TurnCase& c = GetParam();
    FoldFixture f(c.axis);
    const Varnel& p = f.prog;
    ExpectPoint(p, 10, {878, 330}, 1e-3f);
    ExpectPoint(p, 11, c.end11);
    ExpectPoint(p, 12, c.end12);
    ExpectPoint(p, 21, c.a);
    ExpectPoint(p, 34, c.aImage);
    // The foot of B is the centre itself; the foot of A halves AA'.
    ExpectPoint(p, 28, {878, 330}, 1e-3f);
    EXPECT_NEAR(p.PointX(27), (p.PointX(21) + p.PointX(34)) / 2, 0.01f);
    EXPECT_NEAR(p.PointY(27), (p.PointY(21) + p.PointY(34)) / 2, 0.01f);
    // Upright points stay in pixels, untouched by the turn.
    ExpectPoint(p, 1, {788, 150}, 1e-3f);
    ExpectPoint(p, 2, {638, 330}, 1e-3f);
    ExpectPoint(p, 3, {728, 510}, 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(
    Reflection, TurnAboutCentre,
    testing::Values(TurnCase{"Upright", 90, {878, 120}, {878, 540}, {788, 150}, {968, 150}},
                    TurnCase{"Horizontal", 0, {1088, 330}, {668, 330}, {1058, 240}, {1058, 420}},
                    TurnCase{"Slant45", 45, {1026.5f, 181.5f}, {729.5f, 478.5f}, {941.6f, 139.1f}, {1068.9f, 266.4f}},
                    TurnCase{"HalfTurn270", 270, {878, 540}, {878, 120}, {968, 510}, {788, 510}},
                    TurnCase{"HalfTurnMinus90", -90, {878, 540}, {878, 120}, {968, 510}, {788, 510}},
                    TurnCase{"FullTurn450", 450, {878, 120}, {878, 540}, {788, 150}, {968, 150}}),
    [](const testing::TestParamInfo<TurnCase>& tp) { return std::string(tp.param.name); });

// ---- The fold at each key step -------------------------------------------------

class FoldSteps : public testing::TestWithParam<int> {};

TEST_P(FoldSteps, DrawsTheFoldOfNStepsExactly) {
    const int n = GetParam();
    FoldFixture f(90);
    Varnel& p = f.prog;
    p.FoldStepCount = static_cast<float>(n);
    RedrawReflectionFigure(p);
    const auto events = f.Events();

    // The fold angle: exactly the start when unfolded, exactly start + Pi when
    // fully folded, n twentieths of a half turn in between.
    for (int k = 4; k <= 6; k++) {
        if (n == 0) {
            EXPECT_EQ(p.PointDirection(k), p.PointDirection(k - 3));
        } else if (n == kFullFoldSteps) {
            EXPECT_EQ(p.PointDirection(k), p.PointDirection(k - 3) + p.Pi);
        } else {
            EXPECT_NEAR(p.PointDirection(k) - p.Pi, n * p.Pi / 9, 1e-5f);
        }
    }
    // The image outline and ABC in colour 3 (6 sides); the folding triangle in
    // colour 3 only when unfolded.
    EXPECT_EQ(WideSides(events, 3), n == 0 ? 9 : 6);
    EXPECT_EQ(WideSides(events, 5), n == 0 ? 0 : 3);
    const bool labelled = !FindRun(events, "A'").is_null();
    EXPECT_EQ(labelled, n == kFullFoldSteps);
    if (labelled) {
        EXPECT_EQ(FindRun(events, "A'")["color"], 5);
        EXPECT_FALSE(FindRun(events, "C'").is_null());
        EXPECT_FALSE(FindRun(events, "B'").is_null());
    }
    // Dots every 3 degrees for B and C, every 6 for A, up to the fold.
    const int steps = 20 * n / 3;
    EXPECT_EQ(FoldDots(events), 2 * (steps + 1) + (steps / 2 + 1));
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

INSTANTIATE_TEST_SUITE_P(Reflection, FoldSteps, testing::Range(0, 10));

TEST(ReflectionFold, OneStepFromTheUprightFigureMovesEachVertexTowardsTheAxisAndDown) {
    FoldFixture f(90);
    Varnel& p = f.prog;
    p.FoldStepCount = 1;
    RedrawReflectionFigure(p);
    ExpectPoint(p, 24, {793.4f, 156.2f}, 0.1f);
    ExpectPoint(p, 25, {652.5f, 346.4f}, 0.1f);
    ExpectPoint(p, 26, {737.0f, 520.3f}, 0.1f);
    // 7 dots on B and C, 4 on A.
    EXPECT_EQ(FoldDots(f.Events()), 18);
}

TEST(ReflectionFold, FullFoldLandsOnTheMirrorImageAtAnyAxis) {
    for (float axis : {90.0f, 0.0f, 45.0f, 22.5f, 270.0f, -30.0f, 400.0f}) {
        SCOPED_TRACE(axis);
        FoldFixture f(axis);
        Varnel& p = f.prog;
        p.FoldStepCount = kFullFoldSteps;
        RedrawReflectionFigure(p);
        for (int k = 24; k <= 26; k++) ExpectPoint(p, k, {p.PointX(k + 10), p.PointY(k + 10)}, 0.05f);
    }
}

struct ClampCase {
    float before;
    float after;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.before << " to " << c.after; }

class FoldClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(FoldClamp, KeepsTheFoldBetweenUnfoldedAndFullyFolded) {
    FoldFixture f(90);
    Varnel& p = f.prog;
    p.FoldStepCount = GetParam().before;
    RedrawReflectionFigure(p);
    EXPECT_EQ(p.FoldStepCount, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Reflection, FoldClamp,
                         testing::Values(ClampCase{-1, 0}, ClampCase{-40, 0}, ClampCase{10, 9}, ClampCase{1e9f, 9},
                                         ClampCase{4, 4}));

// ---- The arrow keys --------------------------------------------------------------

struct KeyCase {
    const char* key;
    float before;
    float after;
    bool redraw;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.key << " at " << c.before; }

class ArrowKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ArrowKey, FoldsOneStepOrLeavesTheFoldAlone) {
    const KeyCase& c = GetParam();
    FoldFixture f(90);
    Varnel& p = f.prog;
    p.FoldStepCount = c.before;
    p.LastKey = Text(c.key);
    EXPECT_EQ(ApplyReflectionArrowKey(p), c.redraw);
    EXPECT_EQ(p.FoldStepCount, c.after);
    EXPECT_TRUE(f.Events().empty()) << "the key step draws nothing";
}

INSTANTIATE_TEST_SUITE_P(Reflection, ArrowKey,
                         testing::Values(KeyCase{"\x1c", 0, 1, true}, KeyCase{"\x1c", 9, 9, true},
                                         KeyCase{"\x1d", 3, 2, true}, KeyCase{"\x1d", 0, 0, true},
                                         KeyCase{"\x1e", 3, 3, false}, KeyCase{"\x1f", 3, 3, false},
                                         KeyCase{"1", 3, 3, false}, KeyCase{"", 3, 3, false}));

TEST(ReflectionFold, PromptLoopReturnsOnEnterWithTheFoldAsItStands) {
    VarnelFixture f("{Right}{Right}{Right}{Left}x{Left}{Up}{Enter}");
    Varnel& p = f.prog;
    p.Pi = 3.14159f;
    p.TurnAngle = 0;
    SetUpReflectionFigure(p);
    BeginReflectionFold(p);
    f.ClearEvents();
    RunReflectionArrowKeyLoop(p);
    EXPECT_EQ(p.FoldStepCount, 1);
    int prompts = 0;
    for (const auto& e : Visible(f.Events("run"))) prompts += e["text"] == "△ABC を ←→で動かす。Enterキーで終了";
    EXPECT_EQ(prompts, 8);
    // One redraw per arrow key: five erases of the figure area.
    EXPECT_EQ(CountBoxes(f.Events(), 587, 0, 1808, 1800), 5);
}

// ---- Nothing of the last picture survives a redraw ------------------------------

TEST(ReflectionFold, NoLabelStartsLeftOfTheErasedArea) {
    for (int axis = 0; axis < 360; axis += 5) {
        for (int n : {0, 4, 9}) {
            SCOPED_TRACE("axis " + std::to_string(axis) + ", steps " + std::to_string(n));
            FoldFixture f(static_cast<float>(axis));
            Varnel& p = f.prog;
            p.FoldStepCount = static_cast<float>(n);
            RedrawReflectionFigure(p);
            const auto events = f.Events();
            const auto boxes = Of(events, "box");
            ASSERT_FALSE(boxes.empty());
            const double left = boxes.front()["x1"].get<double>();
            EXPECT_GT(left, 586) << "the text column would be erased";
            for (const auto& e : Of(Visible(events), "text")) EXPECT_GE(e["x"].get<double>(), left) << e.dump();
        }
    }
}

// ---- The finished figure -----------------------------------------------------------

TEST(ReflectionFold, Question8FigureIsTheFullFoldWithTheCorrespondingSegments) {
    FoldFixture f(0);
    Varnel& p = f.prog;
    p.FoldStepCount = 3;
    DrawQuestion8Figure(p);
    const auto events = f.Events();
    EXPECT_EQ(p.FoldStepCount, kFullFoldSteps);
    for (int k = 24; k <= 26; k++) ExpectPoint(p, k, {p.PointX(k + 10), p.PointY(k + 10)}, 0.05f);
    EXPECT_EQ(p.PointDirection(4), p.PointDirection(1) + p.Pi);
    // AA', BB', CC' and l in colour 0 at width 5.
    for (int k = 1; k <= 3; k++)
        EXPECT_TRUE(HasLine(events, p.PointX(k + 23), p.PointY(k + 23), p.PointX(k + 20), p.PointY(k + 20), 0, 0.01));
    EXPECT_TRUE(HasLine(events, 1088, 330, 668, 330, 0, 0.06));
    EXPECT_EQ(FindRun(events, "A'")["color"], 5);
    EXPECT_EQ(FindRun(events, "A")["color"], 3);
    EXPECT_EQ(FoldDots(events), 0);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

}  // namespace
