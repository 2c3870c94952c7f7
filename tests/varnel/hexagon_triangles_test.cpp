// The hexagon of twelve triangles: its point table on the rotation lesson's
// frame, what the drawing draws, and its labels.
#include <gtest/gtest.h>

#include <cmath>

#include "lessons/common/kit.h"
#include "lessons/varnel/hexagon_triangles.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

// The frame of the opening questions: 10 by 10 cells of 60 px from (640, 50).
void LayFrame(Varnel& p) {
    kit::Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
}

TEST(HexagonTriangles, PointTableOnTheQuestionFrame) {
    VarnelFixture f;
    Varnel& p = f.prog;
    LayFrame(p);
    p.rt.RtSetDrawWidth(3);
    BuildHexagonTriangles(p);
    const float want[13][2] = {
        {940, 350},     {732.15f, 230}, {732.15f, 470}, {940, 590},     {1147.85f, 470},
        {1147.85f, 230}, {940, 110},    {836.08f, 290}, {836.08f, 410}, {940, 470},
        {1043.92f, 410}, {1043.92f, 290}, {940, 230},
    };
    for (int i = 0; i <= 12; i++) {
        // Single precision and Pi = 3.14159 leave the points a little off.
        EXPECT_NEAR(p.PointX(i), want[i][0], 0.01) << "point " << i;
        EXPECT_NEAR(p.PointY(i), want[i][1], 0.01) << "point " << i;
    }
    for (int i = 1; i <= 6; i++) EXPECT_FLOAT_EQ(p.PointAngle(i), static_cast<float>((i - 1) * 60 + 150) * 3.14159f / 180);
    EXPECT_EQ(p.Radius, 240);
    EXPECT_EQ(p.Radius2, 120);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
}

TEST(HexagonTriangles, FollowsTheFrame) {
    VarnelFixture f;
    Varnel& p = f.prog;
    kit::Grid(p, {.left = 100, .top = 0, .columns = 10, .rows = 10, .cell = 30});
    BuildHexagonTriangles(p);
    EXPECT_FLOAT_EQ(p.PointX(0), 250);
    EXPECT_FLOAT_EQ(p.PointY(0), 150);
    EXPECT_NEAR(p.PointY(6), 30, 0.01);
    EXPECT_NEAR(p.PointY(12), 90, 0.01);
}

TEST(HexagonTriangles, DrawingAndLabels) {
    VarnelFixture f;
    Varnel& p = f.prog;
    LayFrame(p);
    BuildHexagonTriangles(p);
    f.ClearEvents();
    DrawHexagonTriangles(p);
    const auto polylines = f.Events("polyline");
    ASSERT_EQ(polylines.size(), 3u);
    EXPECT_EQ(polylines[0]["filled"], false);
    EXPECT_EQ(polylines[0]["points"].size(), 7u);
    for (int k = 1; k <= 2; k++) {
        EXPECT_EQ(polylines[k]["filled"], true);
        EXPECT_EQ(polylines[k]["fill"], 13);
        EXPECT_EQ(polylines[k]["color"], 0);
    }
    const auto lines = f.Events("line");
    ASSERT_EQ(lines.size(), 12u);
    // Spoke 1 and the cut from corner 1 to the middle of spoke 6 (point 12).
    EXPECT_TRUE(IsLine(lines[0], 940, 350, 732.15, 230, 0));
    EXPECT_TRUE(IsLine(lines[1], 732.15, 230, 940, 230, 0));
    // The cut from corner 4 to the middle of spoke 3 (point 9).
    EXPECT_TRUE(IsLine(lines[7], 1147.85, 470, 940, 470, 0));
    for (const auto& e : lines) EXPECT_EQ(e["width"], 7);
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 5u);
    const struct {
        const char* text;
        float x, y, color;
    } labels[] = {{"ウ", 880, 255, 3}, {"A", 697.15f, 205, 0}, {"B", 980, 325, 0}, {"C", 950, 205, 0}, {"エ", 876.08f, 410, 3}};
    for (int k = 0; k < 5; k++) {
        EXPECT_EQ(runs[k].text, labels[k].text);
        EXPECT_NEAR(runs[k].x, labels[k].x, 0.01);
        EXPECT_NEAR(runs[k].y, labels[k].y, 0.01);
        EXPECT_EQ(runs[k].color, labels[k].color);
    }
    EXPECT_EQ(p.PenColor, 3);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);

    f.ClearEvents();
    LabelHexagonTriangles(p);
    const auto primes = DrawnRuns(f);
    ASSERT_EQ(primes.size(), 2u);
    EXPECT_EQ(primes[0].text, "A'");
    EXPECT_NEAR(primes[0].x, 926, 0.01);
    EXPECT_NEAR(primes[0].y, 594, 0.01);
    EXPECT_EQ(primes[1].text, "C'");
    EXPECT_NEAR(primes[1].x, 822.08, 0.01);
    EXPECT_NEAR(primes[1].y, 360, 0.01);
    EXPECT_EQ(p.PenColor, 3);
}

}  // namespace
