// The half-ellipse over a segment: the fold path and the dotted arc.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// ---- PointOnArcOverSegment ------------------------------------------------------------

struct FoldCase {
    const char* name;
    float ax, ay, bx, by, bulge, t;
    float tipX, tipY;
};

const FoldCase kFolds[] = {
    {"t0", 100, 300, 300, 300, 20, 0, 300, 300},
    {"t90", 100, 300, 300, 300, 20, 90, 200, 280},
    {"t180", 100, 300, 300, 300, 20, 180, 100, 300},
    {"t225", 100, 300, 300, 300, 20, 225, 129.289f, 314.142f},
    {"t270below", 100, 300, 300, 300, 20, 270, 200, 320},
    {"t360", 100, 300, 300, 300, 20, 360, 300, 300},
    {"t450notWrapped", 100, 300, 300, 300, 20, 450, 200, 280},
    {"upwardRight", 200, 400, 200, 200, 20, 270, 220, 300},
    {"upwardLeft", 200, 400, 200, 200, 20, 90, 180, 300},
    {"negativeBulge", 100, 300, 300, 300, -20, 270, 200, 280},
    {"smallBulgeNotScaled", 100, 300, 300, 300, 5, 270, 200, 305},
    {"slanting90", 137, 421, 305, 250, 30, 90, 199.600f, 314.475f},
    {"slanting225", 137, 421, 305, 250, 30, 225, 176.735f, 410.824f},
};

TEST(PointOnArcOverSegment, WorkedPoints) {
    for (const auto& c : kFolds) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, c.ax, c.ay, c.bx, c.by);
        p.ArcBulge = c.bulge;
        p.ArcAngle = c.t;
        p.ArcSide = -1;    // no effect
        p.ArcSweep = 40;   // no effect
        f.ClearEvents();
        PointOnArcOverSegment(p);
        EXPECT_NEAR(p.TipX, c.tipX, 0.01f);
        EXPECT_NEAR(p.TipY, c.tipY, 0.01f);
        EXPECT_TRUE(f.Events().empty());   // draws nothing
        // What the call leaves in the shared cells.
        const float half = std::hypot(c.bx - c.ax, c.by - c.ay) / 2;
        EXPECT_NEAR(p.HalfSpan, half, 1e-3f);
        EXPECT_EQ(p.MarkAX, c.ax);
        EXPECT_EQ(p.MarkCX, c.ax + p.HalfSpan);
        EXPECT_EQ(p.MarkCY, c.ay);
        EXPECT_EQ(p.MarkBX, p.ArcPointX);
        EXPECT_EQ(p.MarkBY, p.ArcPointY);
        EXPECT_EQ(p.Seg2X1, c.bx - c.ax);
        EXPECT_EQ(p.Seg2Y1, c.by - c.ay);
        EXPECT_NEAR(p.Distance, std::hypot(p.TipX - c.ax, p.TipY - c.ay), 1e-3f);
        EXPECT_EQ(p.Pi, 3.14159f);
        EXPECT_EQ(p.ArcBulge, c.bulge);
    }
}

TEST(PointOnArcOverSegment, BaseDirectionAndOverwrittenEnd) {
    Fixture f;
    auto& p = *f.p;
    SetEnds(p, 200, 400, 200, 200);
    p.ArcBulge = 20;
    p.ArcAngle = 90;
    PointOnArcOverSegment(p);
    EXPECT_FLOAT_EQ(p.BaseDirection, 1.5707951f);
    EXPECT_NEAR(p.TipX, 180, 1e-3f);
    // B now holds the laid-out point (300, 380): a second call without
    // filling B again works on another segment.
    EXPECT_NEAR(p.MarkBX, 300, 1e-3f);
    EXPECT_NEAR(p.MarkBY, 380, 1e-3f);
    PointOnArcOverSegment(p);
    EXPECT_NEAR(p.BaseDirection, std::atan2(20.0f, 100.0f), 1e-5f);
}

// Equal ends: the end point itself, no division by zero.
TEST(PointOnArcOverSegment, EqualEndsGiveTheEndPoint) {
    for (float t : {0.0f, 90.0f, 180.0f, 270.0f}) {
        SCOPED_TRACE(t);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 150, 250, 150, 250);
        p.ArcBulge = 20;
        p.ArcAngle = t;
        EXPECT_NO_THROW(PointOnArcOverSegment(p));
        EXPECT_EQ(p.TipX, 150);
        EXPECT_EQ(p.TipY, 250);
        EXPECT_EQ(p.HalfSpan, 0);
        EXPECT_EQ(p.Distance, 0);
    }
}

// ---- DrawDottedDimensionArc --------------------------------------------------------------

struct Dot {
    float x, y;
};

// The dots of a dotted dimension arc drawn since the last ClearEvents, each
// checked a filled dot of radius 0.5.
std::vector<Dot> DimensionDots(Fixture& f) {
    std::vector<Dot> out;
    for (const auto& e : f.Events("circle")) {
        EXPECT_EQ(e["r"].get<float>(), 0.5f);
        EXPECT_EQ(e["filled"], true);
        out.push_back({e["x"].get<float>(), e["y"].get<float>()});
    }
    return out;
}

struct DottedCase {
    const char* name;
    float side, sweep, step;
    std::size_t dots;
    float firstT, lastT;   // parameters of the first and last dot
    float loopAfter;
};

const DottedCase kDotted[] = {
    {"rightSideWhole", 1, 0, 5, 37, 180, 360, 365},
    {"leftSideWhole", -1, 0, 5, 37, 0, 180, 185},
    {"sideZeroIgnoresSweep", 0, 40, 5, 37, 0, 180, 185},
    {"rightSideSweep", 1, 40, 10, 5, 180, 220, 230},
    {"leftSideSweep", -1, 40, 10, 5, 0, 40, 50},
    {"step8FallsShort", 1, 0, 8, 23, 180, 356, 364},
    {"step15", 1, 0, 15, 13, 180, 360, 375},
    {"step6", -1, 0, 6, 31, 0, 180, 186},
    {"sweepPastTheEnd", 1, 270, 10, 28, 180, 450, 460},
};

TEST(DrawDottedDimensionArc, DotsAlongTheFoldPath) {
    for (const auto& c : kDotted) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 100, 300, 300, 300);
        p.ArcBulge = 20;
        p.ArcSide = c.side;
        p.ArcSweep = c.sweep;
        p.BoxWidth = c.step;
        p.LineColor = 9;
        f.ClearEvents();
        DrawDottedDimensionArc(p);
        const auto dots = DimensionDots(f);
        ASSERT_EQ(dots.size(), c.dots);
        for (const auto& e : f.Events("circle")) EXPECT_EQ(e["color"], 9);
        // The dots lie on the fold path of the same segment and bulge.
        for (float t : {c.firstT, c.lastT}) {
            Fixture g(nullptr, "", false);
            SetEnds(*g.p, 100, 300, 300, 300);
            g.p->ArcBulge = 20;
            g.p->ArcAngle = t;
            PointOnArcOverSegment(*g.p);
            const Dot& d = t == c.firstT ? dots.front() : dots.back();
            EXPECT_NEAR(d.x, g.p->TipX, 1e-3f);
            EXPECT_NEAR(d.y, g.p->TipY, 1e-3f);
        }
        EXPECT_EQ(p.LoopIndex, c.loopAfter);
        EXPECT_EQ(p.ArcSweep, 0);
        EXPECT_EQ(p.ArcSide, c.side);
        EXPECT_EQ(p.BoxWidth, c.step);
    }
}

TEST(DrawDottedDimensionArc, WholeRightSideRunsFromAToBBelowTheSegment) {
    Fixture f;
    auto& p = *f.p;
    SetEnds(p, 100, 300, 300, 300);
    p.ArcBulge = 20;
    p.ArcSide = 1;
    p.BoxWidth = 5;
    f.ClearEvents();
    DrawDottedDimensionArc(p);
    const auto dots = DimensionDots(f);
    ASSERT_EQ(dots.size(), 37u);
    EXPECT_NEAR(dots.front().x, 100, 1e-3f);
    EXPECT_NEAR(dots.front().y, 300, 1e-3f);
    EXPECT_NEAR(dots[18].x, 200, 1e-3f);   // t = 270, the apex below
    EXPECT_NEAR(dots[18].y, 320, 1e-3f);
    EXPECT_NEAR(dots.back().x, 300, 1e-3f);
    EXPECT_NEAR(dots.back().y, 300, 1e-3f);
}

TEST(DrawDottedDimensionArc, LabelOutsideTheMiddleAndTheCellsLeft) {
    for (float side : {1.0f, -1.0f}) {
        SCOPED_TRACE(side);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 100, 300, 300, 300);
        p.ArcBulge = 20;
        p.ArcSide = side;
        p.BoxWidth = 10;
        p.MarkLabel = "5cm";
        p.PenColor = 13;
        p.LabelOffsetY = 4;
        p.MarkSize = 50;
        f.ClearEvents();
        DrawDottedDimensionArc(p);
        const float middleY = side > 0 ? 320 : 280;
        // A, B and C: the arc's middle, the old A, the old B.
        EXPECT_NEAR(p.MarkAX, 200, 1e-3f);
        EXPECT_NEAR(p.MarkAY, middleY, 1e-3f);
        EXPECT_EQ(p.TipX, p.MarkAX);
        EXPECT_EQ(p.TipY, p.MarkAY);
        EXPECT_EQ(p.MarkBX, 100);
        EXPECT_EQ(p.MarkBY, 300);
        EXPECT_EQ(p.MarkCX, 300);
        EXPECT_EQ(p.MarkCY, 300);
        EXPECT_EQ(p.SavedMarkAX, 100);
        EXPECT_EQ(p.SavedMarkBX, 300);
        const auto runs = DrawnRunEvents(f);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0]["text"], "5cm");
        EXPECT_EQ(runs[0]["color"].get<float>(), 13);
        // Against the middle, on the far side from the segment: below the
        // lower arc, above the upper one; centred across.
        const float x = runs[0]["x"].get<float>();
        const float y = runs[0]["y"].get<float>();
        EXPECT_NEAR(x + p.TextWidth / 2, 200, 1e-2f);
        EXPECT_NEAR(y, side > 0 ? middleY + 4 : middleY - 44 + 4, 1e-2f);
        EXPECT_TRUE(p.MarkLabel.empty());
        EXPECT_EQ(p.MarkSize, 0);
        EXPECT_EQ(p.MarkShift, 0);
        EXPECT_EQ(p.LabelOffsetY, 0);
        EXPECT_EQ(p.Pi, 3.14159f);
    }
}

TEST(DrawDottedDimensionArc, BulgeRules) {
    const struct {
        float bulge, after;
    } cases[] = {{1, 16}, {15, 240}, {-15, 15}, {0, 0}, {16, 16}, {40, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bulge);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 100, 300, 300, 300);
        p.ArcBulge = c.bulge;
        p.ArcSide = 1;
        p.BoxWidth = 90;
        f.ClearEvents();
        DrawDottedDimensionArc(p);
        EXPECT_EQ(p.ArcBulge, c.after);
        const auto dots = DimensionDots(f);
        ASSERT_EQ(dots.size(), 3u);   // 180, 270, 360
        EXPECT_NEAR(dots[1].y, 300 + c.after, 1e-3f);
    }
    // A second call without setting the bulge again takes the converted
    // value as it stands: 15 becomes 240.
    Fixture f;
    auto& p = *f.p;
    p.ArcBulge = -15;
    SetEnds(p, 100, 300, 300, 300);
    DrawDottedDimensionArc(p);
    SetEnds(p, 100, 300, 300, 300);
    DrawDottedDimensionArc(p);
    EXPECT_EQ(p.ArcBulge, 240);
}

TEST(DrawDottedDimensionArc, FlatArcIsADottedSegmentWithItsLabelAtTheMiddle) {
    Fixture f;
    auto& p = *f.p;
    SetEnds(p, 100, 300, 300, 300);
    p.ArcBulge = 0;
    p.ArcSide = -1;
    p.BoxWidth = 5;
    f.ClearEvents();
    DrawDottedDimensionArc(p);
    const auto dots = DimensionDots(f);
    ASSERT_EQ(dots.size(), 37u);
    for (const auto& d : dots) EXPECT_NEAR(d.y, 300, 1e-3f);
    EXPECT_NEAR(p.MarkAX, 200, 1e-3f);
    EXPECT_NEAR(p.MarkAY, 300, 1e-3f);
}

// No endless loop and no division by zero: a step of 0 draws one dot, as a
// negative step does; a segment of length 0 gets no dots; an absurd sweep or
// a step too small to move the counter still ends.
TEST(DrawDottedDimensionArc, FaultyInputsEnd) {
    const struct {
        const char* name;
        float bx, step, sweep;
        std::size_t dots;
    } cases[] = {
        {"stepZero", 300, 0, 0, 1},
        {"stepNegative", 300, -5, 0, 1},
        {"stepNaN", 300, NAN, 0, 1},
        {"zeroLength", 100, 5, 0, 0},
        {"stepTooSmall", 300, 1e-6f, 0, 1},
        {"hugeSweep", 300, 1, 1e9f, 36000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetEnds(p, 100, 300, c.bx, 300);
        p.ArcBulge = 20;
        p.ArcSide = 1;
        p.ArcSweep = c.sweep;
        p.BoxWidth = c.step;
        p.MarkLabel = "L";
        p.LabelOffsetX = 5;
        f.ClearEvents();
        EXPECT_NO_THROW(DrawDottedDimensionArc(p));
        EXPECT_EQ(f.Events("circle").size(), c.dots);
        EXPECT_EQ(p.ArcSweep, 0);
        EXPECT_TRUE(p.MarkLabel.empty());
        EXPECT_EQ(p.LabelOffsetX, 0);
        if (c.name == std::string("zeroLength")) {
            EXPECT_EQ(p.MarkAX, 100);   // the middle of a point is the point
            EXPECT_EQ(p.MarkAY, 300);
            EXPECT_EQ(p.LoopIndex, 365);
        }
        if (c.name == std::string("stepZero")) {
            EXPECT_EQ(p.LoopIndex, 180);
        }
        if (c.name == std::string("stepNegative")) {
            EXPECT_EQ(p.LoopIndex, 175);
        }
    }
}

}  // namespace
