// Quillet's figures in detail: the point tables of the 75-degree topics in
// both frames, the tangent's step rule, the equal perpendiculars and the
// touching circle of example 1, the broken plate, and the table cells of the
// page 176 problems with the cells each topic leaves behind.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lessons/common/kit.h"
#include "quillet/quillet_fixture.h"

namespace {

using namespace quillet_test;

// ---- Point tables of the 75-degree topics -------------------------------------

struct PointAt {
    int index;
    double x, y;
};

struct PointTableCase {
    const char* name;
    void (*set)(Quillet&);
    kit::GridFrame frame;
    std::vector<PointAt> points;
};

std::ostream& operator<<(std::ostream& os, const PointTableCase& c) { return os << c.name; }

constexpr kit::GridFrame kSmall{.left = 0, .top = 375, .columns = 9, .rows = 8, .cell = 30};
constexpr kit::GridFrame kSmallRight{.left = 40, .top = 375, .columns = 9, .rows = 8, .cell = 30};
constexpr kit::GridFrame kLarge{.left = 640, .top = 150, .columns = 9, .rows = 8, .cell = 60};

class AnglePointTables : public testing::TestWithParam<PointTableCase> {};

TEST_P(AnglePointTables, PointsOfTheFrameInForce) {
    const PointTableCase& c = GetParam();
    QuilletFixture f("", false);
    // Leftovers of another figure must not matter.
    for (int i = 0; i <= 20; i++) f.prog.PointX(i) = f.prog.PointY(i) = 999;
    kit::Grid(f.prog, c.frame);
    c.set(f.prog);
    for (const PointAt& pt : c.points) {
        SCOPED_TRACE(pt.index);
        EXPECT_NEAR(f.prog.PointX(pt.index), pt.x, 0.06);
        EXPECT_NEAR(f.prog.PointY(pt.index), pt.y, 0.06);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quillet, AnglePointTables,
    testing::Values(
        PointTableCase{"Sum45And30Small", SetAngle45Plus30Points, kSmall,
                       {{0, 120, 585}, {1, 30, 585}, {2, 210, 585}, {3, 120, 435}, {4, 120, 405}, {5, 120, 495},
                        {6, 240, 465}, {7, 270, 435}, {11, 204.9, 500.1}, {12, 88.9, 469.1}, {13, 81.2, 440.1},
                        {14, 183.6, 521.4}, {15, 96.7, 498.1}, {16, 158.8, 440.1}, {17, 166.6, 411.1}}},
        PointTableCase{"Sum45And30Large", SetAngle45Plus30Points, kLarge,
                       {{0, 880, 570}, {1, 700, 570}, {2, 1060, 570}, {3, 880, 270}, {4, 880, 210}, {5, 880, 390},
                        {6, 1120, 330}, {7, 1180, 270}, {11, 1049.7, 400.3}, {12, 817.9, 338.2},
                        {13, 802.4, 280.2}, {14, 1007.3, 442.7}, {15, 833.4, 396.1}, {16, 957.6, 280.2},
                        {17, 973.2, 222.3}}},
        PointTableCase{"Sum60And15Small", SetAngle60Plus15Points, kSmall,
                       {{0, 120, 585}, {1, 240, 585}, {2, 180.0, 481.1}, {3, 60.0, 481.1}, {4, 150.0, 533.0},
                        {5, 90.0, 533.0}, {6, 120.0, 435.0}, {7, 120.0, 405.0}, {8, 120.0, 525.0},
                        {9, 158.8, 440.1}, {10, 166.6, 411.1}}},
        PointTableCase{"Sum60And15Large", SetAngle60Plus15Points, kLarge,
                       {{0, 880, 570}, {1, 1120, 570}, {2, 1000.0, 362.2}, {3, 760.0, 362.2}, {4, 940.0, 466.1},
                        {5, 820.0, 466.1}, {6, 880.0, 270.0}, {7, 880.0, 210.0}, {8, 880.0, 450.0},
                        {9, 957.6, 280.2}, {10, 973.2, 222.3}}},
        PointTableCase{"From180Small", SetAngle180Minus60Minus45Points, kSmallRight,
                       {{0, 160, 585}, {1, 280, 585}, {2, 220.0, 481.1}, {3, 220, 585}, {4, 100, 585}, {5, 160, 435},
                        {6, 160, 405}, {7, 160, 525}, {8, 53.9, 478.9}, {9, 32.7, 457.7}}},
        PointTableCase{"From180Large", SetAngle180Minus60Minus45Points, kLarge,
                       {{0, 880, 570}, {1, 1120, 570}, {2, 1000.0, 362.2}, {3, 1000, 570}, {4, 760, 570},
                        {5, 880, 270}, {6, 880, 210}, {7, 880, 450}, {8, 667.9, 357.9}, {9, 625.4, 315.4}}}),
    [](const testing::TestParamInfo<PointTableCase>& tp) { return std::string(tp.param.name); });

// ---- The tangent's step rule ----------------------------------------------------

struct StepCase {
    float at, direction, nextAt, nextDirection;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << "at " << c.at << " going " << c.direction; }

class TangentStepRule : public testing::TestWithParam<StepCase> {};

TEST_P(TangentStepRule, EachEndIsShownTwice) {
    const StepCase& c = GetParam();
    QuilletFixture f("", false);
    f.prog.SlidePosition = c.at;
    f.prog.SlideDirection = c.direction;
    StepTangentSlide(f.prog);
    EXPECT_EQ(f.prog.SlidePosition, c.nextAt);
    EXPECT_EQ(f.prog.SlideDirection, c.nextDirection);
}

INSTANTIATE_TEST_SUITE_P(Quillet, TangentStepRule,
                         testing::Values(StepCase{0, 1, 1, 1}, StepCase{8, 1, 9, 1}, StepCase{9, 1, 9, -1},
                                         StepCase{9, -1, 8, -1}, StepCase{1, -1, 0, -1}, StepCase{0, -1, 0, 1}));

// ---- Example 1: the point at equal distance from three lines ----------------------

TEST(EquidistantPoint, EqualPerpendicularsAndACircleTouchingAllThreeLines) {
    QuilletFixture f(Repeat("a", 21));
    ASSERT_TRUE(RunsToItsEnd(f, ShowEquidistantPointExample1));
    Quillet& p = f.prog;
    const auto events = f.Events();
    // P's three perpendiculars, drawn black from P to the feet 11, 12, 13.
    std::vector<double> lengths;
    for (int foot : {11, 12, 13}) {
        SCOPED_TRACE(foot);
        ASSERT_TRUE(HasLine(events, p.PointX(0), p.PointY(0), p.PointX(foot), p.PointY(foot), 0, 1e-3));
        lengths.push_back(std::hypot(p.PointX(foot) - p.PointX(0), p.PointY(foot) - p.PointY(0)));
    }
    EXPECT_NEAR(lengths[0], 191.3, 0.06);
    EXPECT_NEAR(lengths[1], lengths[0], 0.01);
    EXPECT_NEAR(lengths[2], lengths[0], 0.01);
    // The last drawing: the circle about P through E, of radius PE.
    const auto circles = Circles(events);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(circles[0].x, p.PointX(0), 1e-3);
    EXPECT_NEAR(circles[0].y, p.PointY(0), 1e-3);
    EXPECT_NEAR(circles[0].r, lengths[1], 1e-3);
    EXPECT_EQ(circles[0].color, 5);
    // The feet of the two oblique lines are left as small background dots.
    int footDots = 0;
    for (const auto& e : Of(events, "circle")) footDots += e["filled"] == true && e["r"] == 2 && e["color"] == 15;
    EXPECT_EQ(footDots, 2);
    // What the topic leaves: the last right-angle mark's settings.
    EXPECT_EQ(p.MarkShift, -1);
    EXPECT_EQ(p.LineColor, 5);
    EXPECT_EQ(p.MarkSize, 30);
    EXPECT_EQ(p.PenColor, 5);
}

// ---- Circle through three points: the broken plate ----------------------------------

TEST(CircleThroughThreePoints, TheBrokenPlateAndTheCircleOverItsRim) {
    QuilletFixture f(Repeat("a", 12));
    ASSERT_TRUE(RunsToItsEnd(f, ShowCircleThroughThreePointsP176));
    const auto events = f.Events();
    // The sector: filled in 13, outlined in 15, from 280 to 130 degrees.
    const auto circles = Of(events, "circle");
    ASSERT_FALSE(circles.empty());
    const Round sector = RoundOf(circles[0]);
    EXPECT_TRUE(sector.filled);
    EXPECT_EQ(circles[0]["fill"], 13);
    EXPECT_EQ(sector.color, 15);
    EXPECT_NEAR(sector.r, 200, 1e-3);
    EXPECT_NEAR(sector.start, 0.222222, 1e-5);
    EXPECT_NEAR(sector.end, 0.638889, 1e-5);
    // Its inner part cut away, then the broken edge in black.
    const auto polylines = Of(events, "polyline");
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0]["filled"], true);
    EXPECT_EQ(polylines[0]["fill"], 15);
    EXPECT_EQ(polylines[0]["points"].size(), 5u);
    EXPECT_EQ(polylines[1]["filled"], false);
    EXPECT_EQ(polylines[1]["color"], 0);
    EXPECT_TRUE(Near(polylines[1]["points"][0][0], 1054.7, 0.06));
    EXPECT_TRUE(Near(polylines[1]["points"][4][1], 146.8, 0.06));
    // The circle found lies on the rim.
    const auto whole = Circles(events);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_NEAR(whole[0].x, 1020, 1e-3);
    EXPECT_NEAR(whole[0].y, 300, 1e-3);
    EXPECT_NEAR(whole[0].r, 200, 1e-3);
    EXPECT_EQ(whole[0].color, 5);
    EXPECT_EQ(f.prog.Radius, 200);
}

// ---- Page 176: the table cells --------------------------------------------------------

TEST(P176Problems, CellsOfProblems1And2) {
    QuilletFixture f(Repeat("a", 11));
    ASSERT_TRUE(RunsToItsEnd(f, ShowP176Problems1And2));
    const auto events = f.Events();
    int title = 0, one = 0, two = 0;
    for (const auto& e : events) {
        title += IsBox(e, 40, 30, 436, 80, 3, 13);
        one += IsBox(e, 40, 90, 80, 140, 4, 3);
        two += IsBox(e, 40, 150, 80, 200, 4, 3);
    }
    EXPECT_EQ(title, 1);
    EXPECT_EQ(one, 1);
    EXPECT_EQ(two, 1);   // its own height of 50, not the grid's 8 rows
}

TEST(P176Problems, CellsOfProblem3AndWhatItLeaves) {
    QuilletFixture f(Repeat("a", 4));
    ASSERT_TRUE(RunsToItsEnd(f, ShowP176Problem3));
    const auto events = f.Events();
    int title = 0, three = 0;
    for (const auto& e : events) {
        title += IsBox(e, 40, 30, 436, 80, 3, 13);
        three += IsBox(e, 456, 30, 496, 80, 4, 3);
    }
    EXPECT_EQ(title, 1);
    EXPECT_EQ(three, 1);
    EXPECT_EQ(f.prog.GridRows, 8);
    EXPECT_EQ(f.prog.MarkShift, 1);
}

}  // namespace
