// The turning copy of the key-stepped animations: where BeginTurn and
// TurnStep put the copy's corners, and which cells they fill and leave.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lessons/common/kit.h"
#include "support/support.h"

namespace {

using namespace kit;
using testing_support::Fixture;

constexpr float kPi = 3.14159f;
// What a cell holds before a call that should leave it alone.
constexpr float kUntouched = 77;

struct TurnCase {
    const char* name;
    Pt centre;
    int first, last;
    float degrees;
    bool counted;        // the corners counted in LoopIndex
    bool distanceKept;   // each distance kept in Distance
    Pt corners[3];       // the copy's corners first..last as they stand
    Pt turned[3];        // the same after one step
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.name; }

class KitTurningCopy : public testing::TestWithParam<TurnCase> {};

TEST_P(KitTurningCopy, CornersKeepTheirDistanceAndTurnByTheStep) {
    const TurnCase& c = GetParam();
    Fixture f;
    Program& p = *f.p;
    p.Pi = kPi;   // as the grid frame leaves it
    p.LoopIndex = kUntouched;
    p.Distance = kUntouched;
    const int n = c.last - c.first + 1;
    for (int k = 0; k < n; k++) SetP2(p, c.first + k, c.corners[k]);
    // The entries next to the copy's stay as they are.
    const int before = c.first - 1, after = c.last + 1;
    for (int i : {before, after}) {
        SetP2(p, i, {kUntouched, kUntouched});
        p.PointDirection(i) = kUntouched;
        p.PointX2(10 + i) = kUntouched;
    }
    const TurningCopy copy{.centre = c.centre, .first = c.first, .last = c.last, .degrees = c.degrees,
                           .counter = c.counted ? &Program::LoopIndex : nullptr,
                           .distanceIn = c.distanceKept ? &Program::Distance : nullptr};

    BeginTurn(p, copy);
    EXPECT_FLOAT_EQ(p.AngleStep, c.degrees * kPi / 180);
    for (int k = 0; k < n; k++) {
        const int i = c.first + k;
        const float r = Distance(c.centre, c.corners[k]);
        EXPECT_EQ(p.PointX2(10 + i), r) << i;
        // Placed again from its direction and distance: where it stood.
        EXPECT_NEAR(p.PointX2(i), c.corners[k].x, 1e-3) << i;
        EXPECT_NEAR(p.PointY2(i), c.corners[k].y, 1e-3) << i;
        const Pt again = Along(c.centre, r, p.PointDirection(i));
        EXPECT_EQ(p.PointX2(i), again.x) << i;
        EXPECT_EQ(p.PointY2(i), again.y) << i;
    }
    EXPECT_EQ(p.LoopIndex, c.counted ? static_cast<float>(c.last) : kUntouched);
    EXPECT_EQ(p.Distance, c.distanceKept ? Distance(c.centre, c.corners[n - 1]) : kUntouched);
    // The last corner's direction, as DirectionOf leaves it.
    EXPECT_EQ(p.DirectionAngle, p.PointDirection(c.last));
    EXPECT_EQ(p.MarkAX, c.centre.x);
    EXPECT_EQ(p.MarkBX, c.corners[n - 1].x);

    float directions[3];
    for (int k = 0; k < n; k++) directions[k] = p.PointDirection(c.first + k);
    p.LoopIndex = kUntouched;
    p.Distance = kUntouched;
    TurnStep(p, copy);
    for (int k = 0; k < n; k++) {
        const int i = c.first + k;
        EXPECT_EQ(p.PointDirection(i), directions[k] + p.AngleStep) << i;
        EXPECT_NEAR(p.PointX2(i), c.turned[k].x, 1e-3) << i;
        EXPECT_NEAR(p.PointY2(i), c.turned[k].y, 1e-3) << i;
        EXPECT_EQ(p.PointX2(10 + i), Distance(c.centre, c.corners[k])) << i;
    }
    EXPECT_EQ(p.LoopIndex, c.counted ? static_cast<float>(c.last) : kUntouched);
    EXPECT_EQ(p.Distance, kUntouched);   // a step measures nothing

    for (int i : {before, after}) {
        EXPECT_EQ(p.PointX2(i), kUntouched) << i;
        EXPECT_EQ(p.PointY2(i), kUntouched) << i;
        EXPECT_EQ(p.PointDirection(i), kUntouched) << i;
        EXPECT_EQ(p.PointX2(10 + i), kUntouched) << i;
    }
    EXPECT_TRUE(f.Events().empty());   // nothing drawn
}

INSTANTIATE_TEST_SUITE_P(
    Turns, KitTurningCopy,
    testing::Values(
        // A quarter turn counter-clockwise on the screen: right goes up, up
        // goes left.
        TurnCase{"QuarterTurnCounterClockwise", {500, 300}, 1, 2, 90, false, true,
                 {{600, 300}, {500, 250}}, {{500, 200}, {450, 300}}},
        // Clockwise: right goes down.
        TurnCase{"QuarterTurnClockwise", {500, 300}, 1, 3, -90, true, false,
                 {{600, 300}, {500, 250}, {400, 300}}, {{500, 400}, {550, 300}, {500, 200}}},
        // A half turn of the corners from entry 2 on.
        TurnCase{"HalfTurnFromEntryTwo", {300, 300}, 2, 3, 180, true, true,
                 {{350, 300}, {330, 340}}, {{250, 300}, {270, 260}}},
        // The small steps of the lessons: 15 degrees, the corner 100 px away.
        TurnCase{"FifteenDegrees", {0, 0}, 1, 1, 15, false, false,
                 {{100, 0}}, {{100 * 0.9659258f, -100 * 0.2588190f}}}),
    [](const testing::TestParamInfo<TurnCase>& tested) { return std::string(tested.param.name); });

TEST(KitTurningCopy, StepsTurnOnFromTheStepTheCellHolds) {
    // A step reads AngleStep as it stands, so a topic can change the step
    // between keys; twelve steps of 30 degrees bring a corner round.
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    p.Pi = kPi;
    SetP2(p, 1, {700, 300});
    const TurningCopy copy{.centre = {600, 300}, .first = 1, .last = 1, .degrees = 30};
    BeginTurn(p, copy);
    for (int k = 0; k < 12; k++) TurnStep(p, copy);
    EXPECT_NEAR(p.PointX2(1), 700, 1e-2);
    EXPECT_NEAR(p.PointY2(1), 300, 1e-2);
    p.AngleStep = kPi / 2;
    TurnStep(p, copy);
    EXPECT_NEAR(p.PointX2(1), 600, 1e-2);
    EXPECT_NEAR(p.PointY2(1), 200, 1e-2);
}

}  // namespace
