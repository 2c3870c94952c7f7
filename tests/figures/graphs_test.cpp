// Graph points and function graphs: where the dots, lines and labels go, and
// what the routines leave in the cells.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/plane_test_support.h"

namespace {

using namespace figure_test;
using namespace plane_test;

// ---- Graph point -------------------------------------------------------------------

struct PointCase {
    const char* name;
    float px, py, stepX, stepY, dx, dy;
    float dotX, dotY, labelX, labelY;
};

TEST(DrawGraphPoint, DotAndLabel) {
    const PointCase cases[] = {
        {"steps 1", 2, 3, 1, 1, 0, 0, 740, 430, 720, 390},
        {"steps 0.5", 1, 1.5f, 0.5f, 0.5f, 0, 0, 740, 430, 720, 390},
        {"steps 0 are 1", 2, 3, 0, 0, 0, 0, 740, 430, 720, 390},
        {"offsets", 2, 3, 1, 1, 30, 50, 740, 430, 750, 440},
        {"a negative step stays", 2, 3, -1, -1, 0, 0, 540, 730, 520, 690},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        p.rt.RtSetDrawWidth(2);
        SetFrame(p, 50, 640, 580, 180, 580);
        p.GraphPointX = c.px;
        p.GraphPointY = c.py;
        p.GraphStepX = c.stepX;
        p.GraphStepY = c.stepY;
        p.GraphLabelDX = c.dx;
        p.GraphLabelDY = c.dy;
        p.Distance = 6;
        p.AccentColor = 13;
        p.MarkLabel = "A";
        f.ClearEvents();
        DrawGraphPoint(p);
        const auto dots = GraphDots(f);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_FLOAT_EQ(dots[0].x, c.dotX);
        EXPECT_FLOAT_EQ(dots[0].y, c.dotY);
        EXPECT_EQ(dots[0].r, 6);
        EXPECT_EQ(dots[0].color, 13);
        EXPECT_TRUE(dots[0].filled);
        EXPECT_EQ(dots[0].width, 2);
        const auto runs = DrawnRuns(f);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].routine, "DrawMarkupText");
        EXPECT_EQ(runs[0].text, "A");
        EXPECT_FLOAT_EQ(runs[0].x, c.labelX);
        EXPECT_FLOAT_EQ(runs[0].y, c.labelY);
        EXPECT_EQ(runs[0].color, 13);
        EXPECT_FLOAT_EQ(p.GraphPixelX, c.dotX);
        EXPECT_FLOAT_EQ(p.GraphPixelY, c.dotY);
        EXPECT_EQ(p.PenColor, 13);
        EXPECT_FLOAT_EQ(p.PenY, c.labelY);
        EXPECT_GT(p.PenX, c.labelX);
        EXPECT_TRUE(p.TextCell.empty());
        EXPECT_EQ(p.MarkLabel, Text("A"));
        EXPECT_EQ(p.GraphStepX, 1);
        EXPECT_EQ(p.GraphStepY, 1);
        EXPECT_EQ(p.GraphLabelDX, 0);
        EXPECT_EQ(p.GraphLabelDY, 0);
        EXPECT_EQ(p.SavedDrawWidth, 2);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
    }
}

TEST(DrawGraphPoint, EmptyLabelLeavesThePenAtTheLabelCorner) {
    Fixture f;
    auto& p = *f.p;
    SetFrame(p, 50, 640, 580, 180, 580);
    p.GraphPointX = 2;
    p.GraphPointY = 3;
    p.GraphLabelDX = 5;
    p.GraphLabelDY = -5;
    p.Distance = 4;
    p.AccentColor = 2;
    f.ClearEvents();
    DrawGraphPoint(p);
    EXPECT_EQ(GraphDots(f).size(), 1u);
    EXPECT_TRUE(DrawnRuns(f).empty());
    EXPECT_EQ(p.PenX, 725);
    EXPECT_EQ(p.PenY, 385);
}

TEST(DrawGraphPoint, ASecondCallStartsFromStepOneAndNoOffsets) {
    Fixture f;
    auto& p = *f.p;
    SetFrame(p, 50, 640, 580, 180, 580);
    p.GraphPointX = 1;
    p.GraphPointY = 1;
    p.GraphStepX = 0.5f;
    p.GraphStepY = 0.25f;
    p.GraphLabelDX = 40;
    p.Distance = 3;
    p.AccentColor = 1;
    DrawGraphPoint(p);
    EXPECT_EQ(p.GraphPixelX, 740);
    EXPECT_EQ(p.GraphPixelY, 380);
    DrawGraphPoint(p);
    EXPECT_EQ(p.GraphPixelX, 690);
    EXPECT_EQ(p.GraphPixelY, 530);
    EXPECT_EQ(p.PenX, 670);
}

// ---- Function graph -----------------------------------------------------------------

// The frame of the worked graphs: a plane for x from -5 to 5 and y from 0 to
// 8 with its top-left corner at (390, 180), cell 50.
void SetGraphFrame(Program& p) {
    SetFrame(p, 50, 640, 580, 180, 580);
    p.GraphStepX = 1;
    p.GraphStepY = 1;
    p.GraphXMin = -5;
    p.GraphXMax = 5;
    p.GraphYMin = 0;
    p.GraphYMax = 8;
    p.GraphLabelDX = 0;
    p.GraphLabelDY = 0;
    p.AccentColor = 9;
}

void SetGraph(Program& p, float type, float a, float b, float c, const char* label) {
    p.GraphType = type;
    p.GraphCoefA = a;
    p.GraphCoefB = b;
    p.GraphCoefC = c;
    p.MarkLabel = label;
}

TEST(DrawFunctionGraph, ParabolaDrawsOnlyTheDotsInsideTheBand) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(3);
    SetGraphFrame(p);
    SetGraph(p, 2, 1, 0, 0, "y=x^2");
    f.ClearEvents();
    DrawFunctionGraph(p);
    const auto dots = GraphDots(f);
    // x from about -2.83 to 2.83 in steps of 0.002.
    EXPECT_NEAR(static_cast<double>(dots.size()), 2829, 3);
    for (const Dot& d : dots) {
        EXPECT_GE(d.y, 180);
        EXPECT_LE(d.y, 580);
        EXPECT_EQ(d.r, 1);
        EXPECT_EQ(d.color, 9);
        EXPECT_EQ(d.width, 3);   // the pen width in force
        EXPECT_TRUE(d.filled);
    }
    EXPECT_NEAR(dots.front().x, 640 - 50 * std::sqrt(8.0f), 0.2f);
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "y=x^2");
    EXPECT_NEAR(runs[0].x, 781, 1);
    EXPECT_NEAR(runs[0].y, 180, 1);
    EXPECT_EQ(runs[0].color, 9);
    EXPECT_EQ(p.LoopIndex, 5001);
    EXPECT_EQ(p.BoxWidth, 5000);
    EXPECT_FLOAT_EQ(p.TickWholePart, 0.002f);
    EXPECT_EQ(p.SavedPenX, -5);
    EXPECT_EQ(p.SavedPenY, 25);
    EXPECT_EQ(p.GraphStepX, 1);
    EXPECT_EQ(p.GraphStepY, 1);
    EXPECT_EQ(p.PenColor, 9);
    EXPECT_TRUE(p.TextCell.empty());
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 3);
}

TEST(DrawFunctionGraph, LineFromWhereItEntersTheBand) {
    Fixture f;
    auto& p = *f.p;
    SetGraphFrame(p);
    p.GraphLabelDX = 7;
    p.GraphLabelDY = -3;
    SetGraph(p, 3, 0.5f, 1, 0, "L");
    f.ClearEvents();
    DrawFunctionGraph(p);
    const auto dots = GraphDots(f);
    ASSERT_FALSE(dots.empty());
    EXPECT_NEAR(dots.front().x, 540, 0.2f);   // x = -2, y = 0 on GridBottom
    EXPECT_NEAR(dots.back().x, 890, 0.2f);
    EXPECT_NEAR(dots.back().y, 405, 0.2f);
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].x, 897, 0.2f);
    EXPECT_NEAR(runs[0].y, 402, 0.2f);
    EXPECT_EQ(p.GraphLabelDX, 0);
    EXPECT_EQ(p.GraphLabelDY, 0);
}

TEST(DrawFunctionGraph, VerticalLineForTypeFourWithoutY) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(2);
    SetGraphFrame(p);
    SetGraph(p, 4, 2, 0, 6, "x=3");
    f.ClearEvents();
    DrawFunctionGraph(p);
    ExpectSegments(Segments(f), {{790, 580, 790, 180, 9, 5}});
    EXPECT_TRUE(GraphDots(f).empty());
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].x, 800);
    EXPECT_EQ(runs[0].y, 180);
    EXPECT_EQ(p.GraphCoefC, 3);
    EXPECT_EQ(p.GraphType, 4);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
    // Called again with the same cells, c is divided by a once more.
    SetGraphFrame(p);
    DrawFunctionGraph(p);
    EXPECT_EQ(p.GraphCoefC, 1.5f);
}

TEST(DrawFunctionGraph, TypeFourWithYIsRewrittenAsALine) {
    Fixture f;
    auto& p = *f.p;
    SetGraphFrame(p);
    SetGraph(p, 4, 1, 2, 4, "");
    f.ClearEvents();
    DrawFunctionGraph(p);
    EXPECT_EQ(p.GraphType, 3);
    EXPECT_EQ(p.GraphCoefA, -0.5f);
    EXPECT_EQ(p.GraphCoefB, 2);
    EXPECT_EQ(p.GraphCoefC, 4);
    // y = -0.5x + 2 from 4.5 down to -0.5: inside the band up to x = 4.
    EXPECT_NEAR(static_cast<double>(GraphDots(f).size()), 4501, 2);
}

// Type 4 with a = b = 0 describes no line: nothing is drawn, c is kept and
// the label goes to the caller's pen plus the offsets.
TEST(DrawFunctionGraph, NoLineForZeroCoefficients) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(4);
    SetGraphFrame(p);
    SetGraph(p, 4, 0, 0, 6, "?");
    p.PenX = 100;
    p.PenY = 200;
    p.GraphLabelDX = 10;
    p.GraphLabelDY = 20;
    p.GraphStepX = 0.5f;
    f.ClearEvents();
    DrawFunctionGraph(p);
    EXPECT_TRUE(Segments(f).empty());
    EXPECT_TRUE(GraphDots(f).empty());
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].x, 110);
    EXPECT_EQ(runs[0].y, 220);
    EXPECT_EQ(p.GraphCoefC, 6);
    EXPECT_EQ(p.GraphStepX, 1);
    EXPECT_EQ(p.GraphLabelDX, 0);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 4);
}

// Where x = 0 lies on the plotted positions: type 3 evaluates it, every
// other type steps over it (and so ends one increment further right); a
// start at 0 moves to 0.002 except for type 3.
TEST(DrawFunctionGraph, TheValueZeroOfX) {
    struct Case {
        const char* name;
        float type, xmin, xmax;
        float firstX, plotXAfter;
        bool dotAtZero;
    } cases[] = {
        {"type 3 plots x = 0", 3, -2500, 2500, -2500, 2501, true},
        {"type 1 steps over it", 1, -2500, 2500, -2500, 2502, false},
        {"type 2 steps over it", 2, -2500, 2500, -2500, 2502, false},
        {"type 0 steps over it", 0, -2500, 2500, -2500, 2502, false},
        {"type 7 steps over it", 7, -2500, 2500, -2500, 2502, false},
        {"type 1 starts at 0.002", 1, 0, 5000, 0.002f, 5001.002f, false},
        {"type 3 starts at 0", 3, 0, 5000, 0, 5001, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        // A band that holds every value: each position tried leaves a dot.
        SetFrame(p, 1, 640, 580, -1e30f, 1e30f);
        p.GraphXMin = c.xmin;
        p.GraphXMax = c.xmax;
        SetGraph(p, c.type, 0, 0, 0, "");
        p.AccentColor = 1;
        f.ClearEvents();
        DrawFunctionGraph(p);
        const auto dots = GraphDots(f);
        ASSERT_EQ(dots.size(), 5001u);
        EXPECT_FLOAT_EQ(p.SavedPenX, c.firstX);
        EXPECT_FLOAT_EQ(dots.front().x, 640 + c.firstX);
        EXPECT_NEAR(p.PlotX, c.plotXAfter, 0.01f);
        bool atZero = false;
        for (const Dot& d : dots) atZero = atZero || d.x == 640;
        EXPECT_EQ(atZero, c.dotAtZero);
    }
}

TEST(DrawFunctionGraph, SpecialRanges) {
    struct Case {
        const char* name;
        float type, a, b, xmin, xmax;
        std::size_t dots;
    } cases[] = {
        {"equal ends: all dots on one spot", 3, 1, 1, 2, 2, 5001},
        {"no dot inside the band", 3, 0, 100, -5, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetGraphFrame(p);
        p.GraphXMin = c.xmin;
        p.GraphXMax = c.xmax;
        SetGraph(p, c.type, c.a, c.b, 0, "L");
        p.PenX = 33;
        p.PenY = 44;
        p.GraphLabelDX = 1;
        p.GraphLabelDY = 2;
        f.ClearEvents();
        DrawFunctionGraph(p);
        const auto dots = GraphDots(f);
        ASSERT_EQ(dots.size(), c.dots);
        for (const Dot& d : dots) {
            EXPECT_EQ(d.x, 740);
            EXPECT_EQ(d.y, 430);
        }
        const auto runs = DrawnRuns(f);
        ASSERT_EQ(runs.size(), 1u);
        if (c.dots == 0) {
            EXPECT_EQ(runs[0].x, 34);
            EXPECT_EQ(runs[0].y, 46);
        } else {
            EXPECT_EQ(runs[0].x, 741);
            EXPECT_EQ(runs[0].y, 432);
        }
    }
}

// Values whose screen position is not finite (a x² with a huge a) draw no
// dot and do not move the pen.
TEST(DrawFunctionGraph, ValuesThatAreNotFiniteDrawNoDot) {
    Fixture f;
    auto& p = *f.p;
    SetFrame(p, 50, 640, 580, -INFINITY, INFINITY);
    p.GraphXMin = -1;
    p.GraphXMax = 1;
    SetGraph(p, 2, 3e38f, 0, 0, "");
    p.AccentColor = 1;
    f.ClearEvents();
    DrawFunctionGraph(p);
    const auto dots = GraphDots(f);
    EXPECT_GT(dots.size(), 0u);
    EXPECT_LT(dots.size(), 5001u);
    for (const Dot& d : dots) EXPECT_TRUE(std::isfinite(d.y));
    EXPECT_TRUE(std::isfinite(p.PenY));
}

}  // namespace
