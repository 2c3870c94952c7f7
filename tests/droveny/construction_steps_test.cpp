// The construction steps Droveny's topics are written in: points from grid
// cells, the compass arc with its margins and wraps, ticks between points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"
#include "lessons/droveny/construction_steps.h"

namespace {

using namespace testing_support;
using namespace droveny_test;
using namespace droveny;

TEST(CellPoints, OnlyTheListedEntriesBecomePixels) {
    DrovenyFixture f;
    Droveny& p = f.prog;
    kit::Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    p.PointX(5) = 3;
    p.PointY(5) = 4;
    SetCellPoints(p, {{4, {5, 1}}, {6, {-0.5f, 3}}});
    EXPECT_EQ(p.PointX(4), 900);
    EXPECT_EQ(p.PointY(4), 540);
    EXPECT_EQ(p.PointX(6), 570);
    EXPECT_EQ(p.PointY(6), 420);
    EXPECT_EQ(p.PointX(5), 3);   // not listed: still in whatever it held
    EXPECT_EQ(p.PointY(5), 4);
}

struct ArcCase {
    const char* name;
    CompassStep step;
    float start, end;
};

std::ostream& operator<<(std::ostream& os, const ArcCase& c) { return os << c.name; }

class CompassArcs : public testing::TestWithParam<ArcCase> {};

// Centre (100, 100); point 2 to the right, point 3 straight below, point 4
// up and to the right.
TEST_P(CompassArcs, MarginsAndWrapsAsAsked) {
    const ArcCase& c = GetParam();
    DrovenyFixture f;
    Droveny& p = f.prog;
    kit::SetP(p, 1, {100, 100});
    kit::SetP(p, 2, {200, 100});
    kit::SetP(p, 3, {100, 180});
    kit::SetP(p, 4, {160, 40});
    const ArcSpan span = DrawCompassArc(p, c.step);
    EXPECT_NEAR(span.start, c.start, 1e-5);
    EXPECT_NEAR(span.end, c.end, 1e-5);
    const auto events = f.Events();
    // The centre's dot in the arc's colour, then the arc.
    ASSERT_EQ(Of(events, "circle").size(), 2u);
    EXPECT_TRUE(IsDot(RoundOf(Of(events, "circle")[0]), 100, 100, static_cast<int>(c.step.color)));
    const float radius = c.step.through == 2 ? 100.0f : c.step.through == 3 ? 80.0f : 84.8528f;
    ExpectArcs(Outlines(events), {{100, 100, radius, c.start, c.end, static_cast<int>(c.step.color)}},
               kCompassArcs.WithTurn(1e-5));
    EXPECT_EQ(p.WorkA, c.step.centre);
    EXPECT_EQ(p.WorkB, c.step.b);
    EXPECT_EQ(p.WorkC, c.step.c);
    EXPECT_NEAR(p.Radius, radius, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Droveny, CompassArcs,
    testing::Values(
        // Right is fraction 1 (never 0), straight down 0.25, up-right 0.875.
        ArcCase{"AcrossTheZeroUnwrapped", {.centre = 1, .through = 2, .b = 2, .c = 3, .shift = 1, .color = 7,
                                           .start = {Ray::C, -0.05f}, .end = {Ray::B, 0.05f}}, 0.2f, 1.05f},
        ArcCase{"EndWrappedBelowOne", {.centre = 1, .through = 2, .b = 2, .c = 3, .shift = 1, .color = 7,
                                       .start = {Ray::C, -0.05f}, .end = {Ray::B, 0.05f, true}}, 0.2f, 0.05f},
        ArcCase{"ExchangedRays", {.centre = 1, .through = 3, .b = 2, .c = 3, .shift = -1, .color = 9,
                                  .start = {Ray::C, -0.03f}, .end = {Ray::C, 0.03f}}, 0.97f, 1.03f},
        ArcCase{"StartWrappedAboveZero", {.centre = 1, .through = 3, .b = 3, .c = 4, .shift = 1, .color = 3,
                                          .start = {Ray::B, -0.3f, true}, .end = {Ray::C, 0.02f}}, 0.95f, 0.895f},
        ArcCase{"InsideNeedsNoWrap", {.centre = 1, .through = 4, .b = 3, .c = 4, .shift = 1, .color = 3,
                                      .start = {Ray::B, -0.1f, true}, .end = {Ray::B, 0.1f, true}}, 0.15f, 0.35f}),
    [](const testing::TestParamInfo<ArcCase>& tp) { return std::string(tp.param.name); });

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
