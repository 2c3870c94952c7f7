// Directions, arc fractions, bisectors and angle sizes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// Points B and C of the angle; A stays where it is.
void SetRays(Program& p, float bx, float by, float cx, float cy) {
    p.MarkBX = bx;
    p.MarkBY = by;
    p.MarkCX = cx;
    p.MarkCY = cy;
}

struct DirectionCase {
    const char* name;
    float bx, by;            // B, with A at (200, 200)
    float direction;         // DirectionAngle
    float degrees;           // AngleDegrees
    float fraction;          // the arc fraction of that direction
    float tolerance;         // 0: equal up to 4 ulps
};

// The values single precision gives with Pi = 3.14159 against the true arc
// tangent: 45 degrees comes out as 0.7853969, not pi/4 = 0.7853982.
const DirectionCase kDirections[] = {
    {"right", 300, 200, 0, 0, 1, 0},
    {"left", 100, 200, 3.1415901f, 180, 0.5f, 0},
    {"onA", 200, 200, 3.1415901f, 180, 0.5f, 0},
    {"up", 200, 100, 1.5707951f, 90, 0.75f, 0},
    {"down", 200, 300, 4.7123852f, 270, 0.25f, 0},
    {"upRight45", 300, 100, 0.7853969f, 44.99996f, 0.8750001f, 0},
    {"upRight30", 200 + 173.20508f, 100, 0.5235979f, 29.99995f, 0.9166667f, 2e-5f},
    {"downRight300", 250, 200 + 86.60254f, 5.2359846f, 300.00003f, 0.1666667f, 2e-5f},
};

void ExpectNear(float actual, float expected, float tolerance, const char* what) {
    if (tolerance == 0) {
        EXPECT_FLOAT_EQ(actual, expected) << what;
    } else {
        EXPECT_NEAR(actual, expected, tolerance) << what;
    }
}

TEST(ComputeDirectionAngle, WorkedDirections) {
    for (const auto& c : kDirections) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 200, 200, c.bx, c.by);
        ComputeDirectionAngle(p);
        EXPECT_EQ(p.Pi, 3.14159f);
        ExpectNear(p.DirectionAngle, c.direction, c.tolerance, "DirectionAngle");
        ExpectNear(p.AngleDegrees, c.degrees, c.tolerance * 60, "AngleDegrees");
        // The same point as the first ray of ComputeAngleArcRange.
        p.MarkCX = c.bx;
        p.MarkCY = c.by;
        ComputeAngleArcRange(p);
        ExpectNear(p.ArcFractionB, c.fraction, c.tolerance, "ArcFractionB");
        EXPECT_EQ(p.RayAngleB, p.DirectionAngle);
    }
}

TEST(ComputeDirectionAngle, ExactQuarterTurnsInDegrees) {
    Fixture f;
    auto& p = *f.p;
    SetEnds(p, 50, 50, 50, 10);
    ComputeDirectionAngle(p);
    EXPECT_EQ(p.AngleDegrees, 90.0f);
    p.MarkBY = 90;
    ComputeDirectionAngle(p);
    EXPECT_EQ(p.AngleDegrees, 270.0f);
}

TEST(ComputeDirectionAngle, TouchesOnlyItsResults) {
    Fixture f;
    auto& p = *f.p;
    SetEnds(p, 0, 0, 10, -10);
    p.RayAngleB = 7;
    p.BisectorAngle = 8;
    p.LoopIndex = 9;
    ComputeDirectionAngle(p);
    EXPECT_EQ(p.RayAngleB, 7);
    EXPECT_EQ(p.BisectorAngle, 8);
    EXPECT_EQ(p.LoopIndex, 9);
}

TEST(ComputeAngleArcRange, RoundingStepsAroundTheRightDirection) {
    Fixture f;
    auto& p = *f.p;
    // B one step above level, C one step below.
    SetAngle(p, 0, 100, 100, std::nextafter(100.0f, 0.0f), 100, std::nextafter(100.0f, 200.0f));
    ComputeAngleArcRange(p);
    EXPECT_LT(p.RayAngleB, 0);
    EXPECT_GT(p.RayAngleB, -2e-6f);
    EXPECT_GT(p.ArcFractionB, 1);
    EXPECT_LT(p.ArcFractionB, 1.0000003f);
    EXPECT_GT(p.RayAngleC, 2 * p.Pi);
    EXPECT_LE(p.RayAngleC, 6.2831817f);
    EXPECT_LT(p.ArcFractionC, 0);
    EXPECT_GT(p.ArcFractionC, -3e-7f);
}

struct RangeCase {
    const char* name;
    float bx, by, cx, cy, shift;
    float bisector;
};

// A at (0, 0); screen y grows downward, so "up" is negative y.
const RangeCase kRanges[] = {
    {"straightAngle", 100, 0, -100, 0, 0, 1.5707951f},
    {"straightAngleShifted", 100, 0, -100, 0, -1, 4.7123852f},
    {"from300to30", 50, 86.60254f, 86.60254f, -50, 0, 6.0213809f},
    {"from30to300", 86.60254f, -50, 50, 86.60254f, 0, 2.8797908f},
    {"sameDirection", 30, -40, 60, -80, 0, 0.9272952f},
};

TEST(ComputeAngleArcRange, Bisectors) {
    for (const auto& c : kRanges) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetRays(p, c.bx, c.by, c.cx, c.cy);
        p.MarkShift = c.shift;
        ComputeAngleArcRange(p);
        EXPECT_NEAR(p.BisectorAngle, c.bisector, 2e-5f);
        EXPECT_EQ(p.MarkShift, c.shift);   // never cleared here
        EXPECT_EQ(p.DirectionAngle, c.shift == -1 ? p.RayAngleB : p.RayAngleC);   // the direction of C
    }
}

TEST(ComputeAngleArcRange, SameDirectionGivesEqualRaysAndFractions) {
    Fixture f;
    auto& p = *f.p;
    SetRays(p, 30, -40, 60, -80);
    ComputeAngleArcRange(p);
    EXPECT_EQ(p.RayAngleB, p.RayAngleC);
    EXPECT_EQ(p.BisectorAngle, p.RayAngleB);
    EXPECT_EQ(p.ArcFractionB, p.ArcFractionC);
}

TEST(ComputeAngleArcRange, OnlyMinusOneExchangesTheRays) {
    for (float shift : {1.0f, 0.0f, -8.0f, -1.0f}) {
        SCOPED_TRACE(shift);
        Fixture f;
        auto& p = *f.p;
        SetRays(p, 100, 0, 0, -100);   // B right (fraction 1), C up (fraction 0.75)
        p.MarkShift = shift;
        ComputeAngleArcRange(p);
        const bool exchanged = shift == -1;
        EXPECT_EQ(p.ArcFractionB, exchanged ? 0.75f : 1.0f);
        EXPECT_EQ(p.ArcFractionC, exchanged ? 1.0f : 0.75f);
        EXPECT_EQ(p.RayAngleB, exchanged ? 1.5707951f : 0.0f);
    }
}

struct FormatCase {
    const char* name;
    float bx, by, cx, cy;
    float degrees;
    const char* text;
};

const FormatCase kFormats[] = {
    {"rightThenUp", 100, 0, 0, -100, 90, "90"},
    {"upThenRight", 0, -100, 100, 0, 270, "270"},
    {"rightThen45", 100, 0, 100, -100, 44.99996f, "45"},   // the nearest tenth, not "44.9"
    {"rightThen30", 100, 0, 173.20508f, -100, 29.99995f, "30"},
    {"rightThenLeft", 100, 0, -100, 0, 180, "180"},
    {"tenthOfADegree", 1000, 0, 1000, -1.745331f, 0.1f, "0.1"},
};

TEST(FormatAngleDegrees, SizeAndText) {
    for (const auto& c : kFormats) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetRays(p, c.bx, c.by, c.cx, c.cy);
        FormatAngleDegrees(p);
        EXPECT_NEAR(p.AngleDegrees, c.degrees, 1e-4f);
        EXPECT_EQ(p.AngleText.utf8(), c.text);
        EXPECT_EQ(p.TextArg, p.AngleText);
        // The size in radians is left in BisectorAngle.
        EXPECT_NEAR(p.BisectorAngle, c.degrees * p.Pi / 180, 1e-5f);
    }
}

}  // namespace
