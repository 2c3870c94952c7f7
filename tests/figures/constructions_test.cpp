// Crossings of lines, feet of perpendiculars, points completed on a line and
// prime factors.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// ---- IntersectLines ------------------------------------------------------------------

constexpr float kKept = -777;   // CrossX/CrossY before the call

struct CrossCase {
    const char* name;
    float line[8];
    float crossX, crossY;
};

const CrossCase kCrossings[] = {
    {"general", {0, 0, 4, 2, 0, 2, 4, 0}, 2, 1},
    {"firstVertical", {100, 0, 100, 50, 0, 10, 200, 30}, 100, 20},
    {"horizontalAndVertical", {0, 40, 90, 40, 70, 0, 70, 100}, 70, 40},
    {"verticalAndHorizontal", {30, 0, 30, 90, 0, 60, 90, 60}, 30, 60},
    {"twoHorizontal", {0, 10, 50, 10, 0, 20, 50, 20}, kKept, kKept},
    {"twoVertical", {5, 0, 5, 10, 9, 0, 9, 10}, 9, kKept},
    {"equalSlopes", {0, 0, 10, 5, 0, 10, 10, 15}, kKept, kKept},
    {"equalPointsCountAsHorizontal", {20, 35, 20, 35, 50, 0, 50, 100}, 50, 35},
    {"ends exchanged", {4, 2, 0, 0, 4, 0, 0, 2}, 2, 1},
    // No tolerance: a line that rises 0.001 over 50 px is not horizontal.
    {"tinySlope", {0, 10, 50, 10.001f, 25, 0, 25, 100}, 25, 10.0005f},
    // A true slope of 1000 is not taken for a vertical line.
    {"slope1000AndVertical", {0, 0, 1, 1000, 3, 0, 3, 50}, 3, 3000},
    {"verticalAndSlope1000", {3, 0, 3, 50, 0, 0, 1, 1000}, 3, 3000},
    {"slope1000AndGeneral", {0, 0, 1, 1000, 0, 999, 1, 998}, 0.998002f, 998.002f},
};

TEST(IntersectLines, WorkedCrossings) {
    for (const auto& c : kCrossings) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        const float* l = c.line;
        SetLines(p, l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7]);
        p.CrossX = kKept;
        p.CrossY = kKept;
        p.FootX = 5;
        p.LoopIndex = 6;
        f.ClearEvents();
        IntersectLines(p);
        EXPECT_NEAR(p.CrossX, c.crossX, 1e-3f);
        EXPECT_NEAR(p.CrossY, c.crossY, 1e-2f);
        // Pure arithmetic: nothing drawn, nothing else touched.
        EXPECT_TRUE(f.Events().empty());
        EXPECT_EQ(p.FootX, 5);
        EXPECT_EQ(p.LoopIndex, 6);
        EXPECT_EQ(p.Seg1X1, l[0]);
        EXPECT_EQ(p.Seg2Y2, l[7]);
    }
}

TEST(IntersectLines, SlopeCellsStillHoldTheVerticalMarker) {
    Fixture f;
    auto& p = *f.p;
    SetLines(p, 100, 0, 100, 50, 0, 10, 200, 30);
    IntersectLines(p);
    EXPECT_EQ(p.Line1Slope, 1000);
    EXPECT_FLOAT_EQ(p.Line2Slope, 0.1f);
    EXPECT_EQ(p.Line2Intercept, 10);
    SetLines(p, 0, 40, 90, 40, 0, 0, 1, 1000);
    IntersectLines(p);
    EXPECT_EQ(p.Line1Slope, 0);
    EXPECT_EQ(p.Line1Intercept, 40);
    EXPECT_EQ(p.Line2Slope, 1000);   // a true slope, not the marker
    EXPECT_EQ(p.Line2Intercept, 0);
    EXPECT_FLOAT_EQ(p.CrossX, 0.04f);
}

TEST(IntersectLines, ANearlyVerticalFirstLineStillCrossesWhereItShould) {
    // Line 1 has slope 6e6 (x 500 to 500.0001 over 600 px); line 2 is
    // y = x / 2. In single precision the crossing's products (about 1.8e16)
    // cancel to nothing; the results, stored rounded, must still be right.
    Fixture f;
    auto& p = *f.p;
    for (const bool swapped : {false, true}) {
        if (swapped) {
            SetLines(p, 0, 0, 800, 400, 500, 0, 500.0001f, 600);
        } else {
            SetLines(p, 500, 0, 500.0001f, 600, 0, 0, 800, 400);
        }
        IntersectLines(p);
        EXPECT_NEAR(p.CrossX, 500, 0.01) << swapped;
        EXPECT_NEAR(p.CrossY, 250, 0.01) << swapped;
    }
}

// ---- DrawPerpendicularFoot -----------------------------------------------------------

struct FootCase {
    const char* name;
    float px, py, qx, qy, ax, ay;
    float footX, footY;
    bool slopes;   // whether the range cells are written
};

const FootCase kFeet[] = {
    {"general", 0, 0, 4, 2, 0, 5, 2, 1, true},
    {"beyondQ", 0, 0, 4, 2, 10, -5, 6, 3, true},
    {"vertical", 30, 10, 30, 90, 80, 45, 30, 45, false},
    {"horizontal", 10, 60, 90, 60, 80, 45, 80, 60, false},
    {"equalPoints", 20, 35, 20, 35, 80, 45, 20, 45, false},
    {"pointOnLine", 0, 0, 4, 2, 8, 4, 8, 4, true},
};

TEST(DrawPerpendicularFoot, WorkedFeet) {
    for (const auto& c : kFeet) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetLines(p, c.px, c.py, c.qx, c.qy, c.ax, c.ay, -1, -2);
        p.GraphXMin = -5;
        p.GraphYMin = 5;
        p.GraphXMax = 10;
        p.GraphYMax = -10;
        p.CrossX = 7;
        p.LineColor = 3;
        p.rt.RtSetDrawWidth(2);
        f.ClearEvents();
        DrawPerpendicularFoot(p);
        EXPECT_NEAR(p.FootX, c.footX, 1e-4f);
        EXPECT_NEAR(p.FootY, c.footY, 1e-4f);
        // One disc of radius 2 in the background colour on the foot.
        const auto events = f.Events();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]["op"], "circle");
        EXPECT_EQ(events[0]["r"].get<float>(), 2);
        EXPECT_EQ(events[0]["color"], 15);
        EXPECT_EQ(events[0]["fill"], 15);
        EXPECT_EQ(events[0]["filled"], true);
        EXPECT_EQ(events[0]["start"].get<float>(), 0);
        EXPECT_EQ(events[0]["end"].get<float>(), 0);
        EXPECT_EQ(events[0]["x"].get<float>(), p.FootX);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
        EXPECT_EQ(p.CrossX, 7);
        EXPECT_EQ(p.LineColor, 3);
        if (!c.slopes) {
            EXPECT_EQ(p.GraphXMin, -5);
            EXPECT_EQ(p.GraphYMax, -10);
        }
    }
}

TEST(DrawPerpendicularFoot, OverwritesTheCoordinatePlaneRanges) {
    Fixture f;
    auto& p = *f.p;
    SetLines(p, 0, 0, 4, 2, 0, 5, 0, 0);
    DrawPerpendicularFoot(p);
    EXPECT_EQ(p.GraphXMin, 0.5f);
    EXPECT_EQ(p.GraphYMin, 0);
    EXPECT_EQ(p.GraphXMax, -2);
    EXPECT_EQ(p.GraphYMax, 5);
}

// Both coordinate differences are non-zero, yet single precision gives the
// line a slope of 0 (or one whose reciprocal overflows) or an infinite one:
// the slope formulas would divide by zero. Such a line is taken as the
// horizontal or vertical line it is to single precision, by both routines
// that class lines so, and nothing reaches the error screen.
struct UnslopedCase {
    const char* name;
    float px, py, qx, qy;   // the line
    float ax, ay;           // the point dropped from
    bool vertical;          // taken as vertical, else as horizontal
    float footX, footY;
};

const UnslopedCase kUnsloped[] = {
    {"slopeUnderflowsToZero", 0, 0, 1e30f, 1e-20f, 5, 7, false, 5, 0},
    {"reciprocalOverflows", 0, 0, 1e10f, 1e-30f, 5, 7, false, 5, 0},
    {"slopeOverflows", 0, 0, 1e-30f, 1e20f, 5, 7, true, 0, 7},
};

TEST(DrawPerpendicularFoot, SlopeSinglePrecisionCannotHold) {
    for (const auto& c : kUnsloped) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetLines(p, c.px, c.py, c.qx, c.qy, c.ax, c.ay, 0, 0);
        p.GraphXMin = -5;
        f.ClearEvents();
        EXPECT_NO_THROW(DrawPerpendicularFoot(p));
        EXPECT_EQ(p.FootX, c.footX);
        EXPECT_EQ(p.FootY, c.footY);
        EXPECT_EQ(f.Events("circle").size(), 1u);
        EXPECT_EQ(p.GraphXMin, -5);   // as for a vertical or horizontal line
    }
}

// ---- CompletePointOnLine -------------------------------------------------------------

TEST(CompletePointOnLine, WorkedPoints) {
    const struct {
        const char* name;
        float px, py, qx, qy, qx2, qy2;   // line, then the query
        float x, y;
    } cases[] = {
        {"yFromX", 100, 400, 300, 300, 200, -1, 200, 350},
        {"xFromY", 100, 400, 300, 300, -1, 375, 150, 375},
        {"zeroIsGiven", 100, 400, 300, 300, 0, -1, 0, 450},
        {"bothMissingTheSecondRuleWins", 100, 400, 300, 300, -2, -1, -2, 451},
        {"vertical", 40, 10, 40, 90, -1, 70, 40, 70},
        {"verticalIgnoresWhichIsMissing", 40, 10, 40, 90, 5, -1, 40, -1},
        {"horizontal", 10, 80, 90, 80, 30, -1, 30, 80},
        {"equalPointsAreVertical", 20, 20, 20, 20, 7, 9, 20, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetLines(p, c.px, c.py, c.qx, c.qy, c.qx2, c.qy2, 0, 0);
        p.WorkA = 11;
        p.WorkB = 12;
        CompletePointOnLine(p);
        EXPECT_FLOAT_EQ(p.SavedPenX, c.x);
        EXPECT_FLOAT_EQ(p.SavedPenY, c.y);
        const bool sloping = c.px != c.qx && c.py != c.qy;
        EXPECT_EQ(p.WorkA, sloping ? -0.5f : 11);
        EXPECT_EQ(p.WorkB, sloping ? 450 : 12);
        EXPECT_EQ(p.Seg2X1, c.qx2);
    }
}

TEST(CompletePointOnLine, NoMissingCoordinateWritesNothing) {
    Fixture f;
    auto& p = *f.p;
    SetLines(p, 100, 400, 300, 300, 0, 25, 0, 0);
    p.SavedPenX = 1;
    p.SavedPenY = 2;
    CompletePointOnLine(p);
    EXPECT_EQ(p.SavedPenX, 1);
    EXPECT_EQ(p.SavedPenY, 2);
}

TEST(CompletePointOnLine, SlopeSinglePrecisionCannotHold) {
    for (const auto& c : kUnsloped) {
        for (bool askX : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (askX ? " x asked" : " y asked"));
            Fixture f;
            auto& p = *f.p;
            SetLines(p, c.px, c.py, c.qx, c.qy, askX ? -1 : c.ax, askX ? c.ay : -1, 0, 0);
            p.WorkA = 11;
            EXPECT_NO_THROW(CompletePointOnLine(p));
            // As on a vertical line (x from the line, y from the query) or a
            // horizontal one (x from the query, y from the line).
            EXPECT_EQ(p.SavedPenX, c.vertical ? c.px : p.Seg2X1);
            EXPECT_EQ(p.SavedPenY, c.vertical ? p.Seg2Y1 : c.py);
            EXPECT_EQ(p.WorkA, 11);
        }
    }
}

// ---- FactorizeIntoPrimes ---------------------------------------------------------------

struct FactorCase {
    float n;
    std::vector<std::pair<float, float>> rows;   // rows 1..FactorCount
    float leftOver;
    float numberAfter;
};

TEST(FactorizeIntoPrimes, Rows) {
    const FactorCase cases[] = {
        {360, {{2, 3}, {3, 2}, {5, 1}}, 1, 360},
        {-1001, {{7, 1}, {11, 1}, {13, 1}}, 1, 1001},
        {58, {{2, 1}}, 29, 58},
        {961, {}, 961, 961},
        {1, {}, 1, 1},
        {23, {{23, 1}}, 1, 23},
        {2.4f, {{2, 1}}, 1.2f, 2.4f},
    };
    const float primes[10] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        Fixture f;
        auto& p = *f.p;
        for (int k = 1; k <= 10; ++k) {
            p.PolygonVertex(k, 1) = 99;
            p.PolygonVertex(k, 2) = 99;
        }
        p.FactorNumber = c.n;
        FactorizeIntoPrimes(p);
        ASSERT_EQ(p.FactorCount, static_cast<float>(c.rows.size()));
        for (int k = 1; k <= 9; ++k) {
            const bool used = k <= static_cast<int>(c.rows.size());
            EXPECT_EQ(p.PolygonVertex(k, 1), used ? c.rows[k - 1].first : 0) << "row " << k;
            EXPECT_EQ(p.PolygonVertex(k, 2), used ? c.rows[k - 1].second : 0) << "row " << k;
        }
        EXPECT_FLOAT_EQ(p.PolygonVertex(10, 1), c.leftOver);
        EXPECT_EQ(p.PolygonVertex(10, 2), 1);
        EXPECT_EQ(p.FactorNumber, c.numberAfter);
        EXPECT_EQ(p.DivisorCount, 10);
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.PointAngle(k), primes[k - 1]);
    }
}

// Every prime divides 0: the old loop never ended.
TEST(FactorizeIntoPrimes, ZeroAndNonFiniteReturnAtOnce) {
    for (float n : {0.0f, 0.4f, -0.5f, INFINITY, NAN}) {
        SCOPED_TRACE(n);
        Fixture f;
        auto& p = *f.p;
        p.PolygonVertex(3, 1) = 99;
        p.FactorNumber = n;
        EXPECT_NO_THROW(FactorizeIntoPrimes(p));
        EXPECT_EQ(p.FactorCount, 0);
        for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.PolygonVertex(k, 1), 0);
        EXPECT_EQ(p.PointAngle(1), 2);
    }
}

}  // namespace
