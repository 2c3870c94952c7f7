// The square grid: frame cells, line order, colours and widths.
#include <gtest/gtest.h>

#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

TEST(DrawGrid, FrameOnlyDrawsNothingAndKeepsAccentAndCounter) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(5);
    p.AccentColor = 4;
    p.LoopIndex = 77;
    SetGrid(p, 0, 0, 80, 4, 4, 15);
    f.ClearEvents();
    DrawGrid(p);
    EXPECT_TRUE(f.Events("line").empty());
    EXPECT_EQ(p.GridLeft, 0);
    EXPECT_EQ(p.GridTop, 0);
    EXPECT_EQ(p.GridRight, 320);
    EXPECT_EQ(p.GridBottom, 320);
    EXPECT_EQ(p.OriginX, 0);
    EXPECT_EQ(p.OriginY, 320);
    EXPECT_EQ(p.Pi, 3.14159f);
    EXPECT_EQ(p.AccentColor, 4);
    EXPECT_EQ(p.LoopIndex, 77);
    EXPECT_EQ(p.SavedDrawWidth, 5);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 5);
}

TEST(DrawGrid, SevenBySixHeavyLinesAnchoredAtTheBottomLeft) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(5);
    SetGrid(p, 100, 50, 40, 7, 6, 0);
    f.ClearEvents();
    DrawGrid(p);
    const auto lines = Segments(f);
    ASSERT_EQ(lines.size(), 15u);   // 8 columns, then 7 rows
    for (int i = 0; i <= 7; ++i) {
        SCOPED_TRACE(i);
        const Segment& l = lines[i];
        const bool heavy = i % 5 == 0;
        EXPECT_EQ(l.x1, 100 + 40 * i);
        EXPECT_EQ(l.x2, l.x1);
        EXPECT_EQ(l.y1, 50);
        EXPECT_EQ(l.y2, 290);
        EXPECT_EQ(l.color, heavy ? 14 : 0);
        EXPECT_EQ(l.width, heavy ? 3 : 1);
    }
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const Segment& l = lines[8 + i];
        const bool heavy = i % 5 == 0;
        EXPECT_EQ(l.y1, 290 - 40 * i);   // bottom to top
        EXPECT_EQ(l.y2, l.y1);
        EXPECT_EQ(l.x1, 100);
        EXPECT_EQ(l.x2, 380);
        EXPECT_EQ(l.color, heavy ? 14 : 0);
        EXPECT_EQ(l.width, heavy ? 3 : 1);
    }
    EXPECT_EQ(p.AccentColor, 14);
    EXPECT_EQ(p.LoopIndex, 7);   // rows + 1
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 5);
    EXPECT_EQ(p.OriginY, 290);
}

TEST(DrawGrid, ZeroAndNegativeCountsStillDrawLineZero) {
    Fixture f;
    auto& p = *f.p;
    SetGrid(p, 10, 10, 20, 0, -3, 1);
    f.ClearEvents();
    DrawGrid(p);
    const auto lines = Segments(f);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 10);   // the left edge, heavy
    EXPECT_EQ(lines[0].width, 3);
    EXPECT_EQ(lines[1].x1, lines[1].x2);   // a row line of length 0
    EXPECT_EQ(p.LoopIndex, 1);
}

TEST(DrawGrid, HugeCountsEndSoon) {
    Fixture f(nullptr, "", false);
    auto& p = *f.p;
    SetGrid(p, 0, 0, 0.001f, 1e30f, 3, 0);
    DrawGrid(p);
    EXPECT_EQ(p.LoopIndex, 4);
    EXPECT_EQ(p.GridBottom, 0.003f);
}

TEST(DrawGrid, LeavesAccentColorForTheNextAngleMark) {
    Fixture f;
    auto& p = *f.p;
    SetGrid(p, 0, 0, 40, 2, 2, 0);
    p.AccentColor = 2;
    DrawGrid(p);
    SetAngle(p, 300, 300, 400, 300, 300, 200);
    p.MarkCount = 1;
    p.MarkSize = 40;
    f.ClearEvents();
    DrawAngleMark(p);
    const auto circles = f.Events("circle");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0]["color"], 14);
}

}  // namespace
