// The two set squares: where their outer triangle and their hole lie for a
// corner and a turn, what they leave of their inputs, and that a turn beyond
// a full circle is fine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessons/varnel/set_squares.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

struct SetSquareCase {
    const char* name;
    bool fortyFive;
    float cornerX, cornerY, angle, cell;
    float outer[3][2];   // corner, end of the hypotenuse or long leg, the third corner
    float hole[3][2];    // in the order drawn
};

std::ostream& operator<<(std::ostream& os, const SetSquareCase& c) { return os << c.name; }

class SetSquares : public testing::TestWithParam<SetSquareCase> {};

TEST_P(SetSquares, OuterTriangleAndHole) {
    const SetSquareCase& c = GetParam();
    VarnelFixture f;
    Varnel& p = f.prog;
    p.Pi = 3.14159f;
    p.CellSize = c.cell;
    p.rt.RtSetDrawWidth(5);
    if (c.fortyFive) {
        p.PointX2(31) = c.cornerX;
        p.PointY2(31) = c.cornerY;
        p.FortyFiveSetSquareAngle = c.angle;
        DrawFortyFiveSetSquare(p);
        EXPECT_EQ(p.FortyFiveSetSquareAngle, c.angle);
        EXPECT_EQ(p.PointX2(31), c.cornerX);
    } else {
        p.PointX2(32) = c.cornerX;
        p.PointY2(32) = c.cornerY;
        p.SetSquareAngle = c.angle;
        DrawThirtySixtySetSquare(p);
        EXPECT_EQ(p.SetSquareAngle, c.angle);
        EXPECT_EQ(p.PointX2(32), c.cornerX);
        EXPECT_NEAR(p.SegmentLength, 7 * c.cell, 0.001);
    }
    EXPECT_EQ(p.CellSize, c.cell);
    const auto shapes = f.Events("polyline");
    ASSERT_EQ(shapes.size(), 2u);
    const json& outer = shapes[0];
    const json& hole = shapes[1];
    EXPECT_EQ(outer["filled"], true);
    EXPECT_EQ(outer["fill"], 14);
    EXPECT_EQ(outer["color"], 0);
    EXPECT_EQ(hole["fill"], 15);
    EXPECT_EQ(hole["color"], 0);
    ASSERT_EQ(outer["points"].size(), 4u);
    ASSERT_EQ(hole["points"].size(), 4u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(Near(outer["points"][k][0], c.outer[k][0], 0.1) && Near(outer["points"][k][1], c.outer[k][1], 0.1))
            << "outer " << k << " " << outer["points"][k];
        EXPECT_TRUE(Near(hole["points"][k][0], c.hole[k][0], 0.1) && Near(hole["points"][k][1], c.hole[k][1], 0.1))
            << "hole " << k << " " << hole["points"][k];
    }
    EXPECT_EQ(outer["points"][3], outer["points"][0]);
    EXPECT_EQ(hole["points"][3], hole["points"][0]);
    EXPECT_EQ(outer["width"], 5);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, SetSquares,
    testing::Values(
        SetSquareCase{"ThirtySixtyFlat", false, 500, 500, 0, 55,
                      {{500, 500}, {885, 500}, {500, 722.3f}},
                      {{555, 555}, {679.7f, 555}, {555, 627.0f}}},
        SetSquareCase{"FortyFiveFlat", true, 500, 500, 0, 55,
                      {{500, 500}, {885, 500}, {692.5f, 692.5f}},
                      {{632.8f, 555}, {752.2f, 555}, {692.5f, 614.7f}}},
        // The 45-degree square of the parallel-segment construction: its turn
        // is the direction of AB plus 270 degrees.
        SetSquareCase{"FortyFiveOfTheConstruction", true, 814.21f, 106.07f, 4.90978f, 55,
                      {{814.2f, 106.1f}, {889.7f, 483.6f}, {663.2f, 332.6f}},
                      {{786.3f, 247.1f}, {809.7f, 364.2f}, {739.5f, 317.3f}}},
        // The rotation lesson's square.
        SetSquareCase{"ThirtySixtyOfTheRotationLesson", false, 635, 460, 2.26553f, 45,
                      {{635.0f, 460.0f}, {433.3f, 218.0f}, {774.7f, 343.6f}},
                      {{640.8f, 396.6f}, {575.4f, 318.2f}, {686.0f, 358.9f}}},
        // A turn past a full circle lays the same square as its remainder.
        SetSquareCase{"ThirtySixtyPastAFullTurn", false, 500, 500, 2 * 3.14159f, 55,
                      {{500, 500}, {885, 500}, {500, 722.3f}},
                      {{555, 555}, {679.7f, 555}, {555, 627.0f}}}),
    [](const testing::TestParamInfo<SetSquareCase>& tp) { return std::string(tp.param.name); });

TEST(SetSquares, HoleEdgesLieOneCellInsideAtEveryTurn) {
    // Every edge of the hole is parallel to its outer edge and one cell in,
    // also when the edges are vertical or horizontal.
    for (bool fortyFive : {false, true}) {
        for (int degrees = 0; degrees < 360; degrees += 15) {
            VarnelFixture f("", false);
            Varnel& p = f.prog;
            p.Pi = 3.14159f;
            p.CellSize = 40;
            const float angle = degrees * p.Pi / 180;
            if (fortyFive) {
                p.PointX2(31) = 700;
                p.PointY2(31) = 450;
                p.FortyFiveSetSquareAngle = angle;
                DrawFortyFiveSetSquare(p);
            } else {
                p.PointX2(32) = 700;
                p.PointY2(32) = 450;
                p.SetSquareAngle = angle;
                DrawThirtySixtySetSquare(p);
            }
            // Outer edges 1-3, 2-3, 1-2 and the hole's corners 4, 5, 6: the
            // hole's edge 4-6 runs along 1-3, 5-6 along 2-3, 4-5 along 1-2.
            auto X = [&](int k) { return static_cast<double>(p.PointX2(k)); };
            auto Y = [&](int k) { return static_cast<double>(p.PointY2(k)); };
            auto distance = [&](int point, int a, int b) {
                const double dx = X(b) - X(a), dy = Y(b) - Y(a);
                return std::fabs((X(point) - X(a)) * dy - (Y(point) - Y(a)) * dx) / std::hypot(dx, dy);
            };
            const int edges[3][4] = {{4, 6, 1, 3}, {5, 6, 2, 3}, {4, 5, 1, 2}};
            for (const auto& e : edges) {
                EXPECT_NEAR(distance(e[0], e[2], e[3]), 40, 0.05) << fortyFive << " " << degrees;
                EXPECT_NEAR(distance(e[1], e[2], e[3]), 40, 0.05) << fortyFive << " " << degrees;
            }
        }
    }
}

}  // namespace
