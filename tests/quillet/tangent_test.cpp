// The tangent to a circle: the line stepping across the circle key by key,
// bouncing at both ends, "1" stopping it at any position, and the tangent
// with its texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillet/quillet_fixture.h"

namespace {

using namespace quillet_test;

// The x of the line at positions 0 to 9, and its cuts with the circle at 0 to 6.
constexpr double kSlideX[] = {870.00, 908.82, 945.00, 976.07, 999.90, 1014.89, 1020.00, 1045.00, 1070.00, 1095.00};
constexpr double kUpperCutY[] = {150.00, 155.11, 170.10, 193.93, 225.00, 261.18, 300.00};
constexpr double kLowerCutY[] = {450.00, 444.89, 429.90, 406.07, 375.00, 338.82, 300.00};

// The x of the vertical lines (top 108, bottom 492) drawn in `events`.
std::vector<double> VerticalLines(const std::vector<json>& events) {
    std::vector<double> xs;
    for (const auto& e : Of(events, "line"))
        if (e["x1"] == e["x2"] && Near(e["y1"], 108) && Near(e["y2"], 492) && e["color"] == 0)
            xs.push_back(e["x1"].get<double>());
    return xs;
}

bool IsFrameErase(const json& e) { return IsBox(e, 720, 100, 1170, 500, 15, 15); }

// The frame erases in `events` (the message band's erase comes before them).
int FrameErases(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : events) n += IsFrameErase(e);
    return n;
}

// The right-angle mark at the foot (x, 300): its square in the upper-left
// corner, colour 5.
bool HasFootMark(const std::vector<json>& events, double x) {
    for (const auto& e : Of(events, "polyline")) {
        const auto& pts = e["points"];
        if (e["color"] == 5 && pts.size() == 3 && Near(pts[0][0], x - 20, 0.01) && Near(pts[0][1], 300, 0.01) &&
            Near(pts[1][0], x - 20, 0.01) && Near(pts[1][1], 280, 0.01) && Near(pts[2][0], x, 0.01) &&
            Near(pts[2][1], 280, 0.01))
            return true;
    }
    return false;
}

TEST(CircleTangent, TheLineStepsAcrossAndBouncesAtBothEnds) {
    // One key for the base figure, then 22 keys that are not "1".
    QuilletFixture f(Keys({"x", Repeat("a", 22)}));
    EXPECT_FALSE(RunsToItsEnd(f, ShowCircleTangent));
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 24u);
    // The first picture: the circle, the base line, O, and no moving line.
    EXPECT_TRUE(VerticalLines(frames[0]).empty());
    ASSERT_EQ(Circles(frames[0]).size(), 1u);
    EXPECT_NEAR(Circles(frames[0])[0].r, 150, 1e-3);
    EXPECT_TRUE(HasLine(frames[0], 820, 300, 1120, 300, 0));
    const int positions[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 1};
    for (int k = 1; k <= 22; ++k) {
        SCOPED_TRACE("key " + std::to_string(k));
        const auto& frame = frames[k];
        const int at = positions[k - 1];
        // Every key but the first of the animation erases the frame first.
        EXPECT_EQ(FrameErases(frame), k > 1 ? 1 : 0);
        ASSERT_EQ(VerticalLines(frame).size(), 1u);
        EXPECT_NEAR(VerticalLines(frame)[0], kSlideX[at], 0.01);
        EXPECT_TRUE(HasFootMark(frame, kSlideX[at]));
        // Dots: O, and the two cuts while the line meets the circle.
        const auto dots = Dots(frame);
        ASSERT_EQ(dots.size(), at < 7 ? 3u : 1u);
        if (at < 7) {
            EXPECT_NEAR(dots[1].x, kSlideX[at], 0.01);
            EXPECT_NEAR(dots[1].y, kUpperCutY[at], 0.01);
            EXPECT_NEAR(dots[2].y, kLowerCutY[at], 0.01);
            EXPECT_EQ(dots[1].color, 3);
        }
    }
}

class TangentStop : public testing::TestWithParam<int> {};

// "1" ends the animation at any position, inside or outside the circle; the
// final picture is always the tangent at x 1020, then five waits.
TEST_P(TangentStop, OneShowsTheTangentWhereverTheLineIs) {
    const int moves = GetParam();
    QuilletFixture f(Keys({"x", Repeat("a", moves), "1abcde"}));
    ASSERT_TRUE(RunsToItsEnd(f, ShowCircleTangent));
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), static_cast<std::size_t>(moves + 8));
    const auto& rest = frames[moves + 2];   // after "1"
    EXPECT_EQ(FrameErases(rest), 1);   // "1" erases nothing; the tangent's picture does
    ASSERT_EQ(VerticalLines(rest).size(), 1u);
    EXPECT_NEAR(VerticalLines(rest)[0], 1020, 0.01);
    EXPECT_TRUE(HasFootMark(rest, 1020));
    const auto dots = Dots(rest);
    ASSERT_EQ(dots.size(), 2u);   // O, then T
    EXPECT_NEAR(dots[1].x, 1020, 0.01);
    EXPECT_NEAR(dots[1].y, 300, 0.01);
    EXPECT_EQ(f.prog.EntryValue, 1);
}

INSTANTIATE_TEST_SUITE_P(Quillet, TangentStop, testing::Values(0, 6, 8, 9, 10, 12, 21));

TEST(CircleTangent, FewerKeysLeaveItWaiting) {
    QuilletFixture f("x1abcd");
    EXPECT_FALSE(RunsToItsEnd(f, ShowCircleTangent));
}

TEST(CircleTangent, TextsAndLabels) {
    QuilletFixture f("x1abcde");
    ASSERT_TRUE(RunsToItsEnd(f, ShowCircleTangent));
    ExpectOnlyTexts(f.Events(), {{"<円の接線>", 40, 30, 5},
                                 {"O", 840, 310, 3},
                                 {"O", 840, 310, 3},
                                 {"O", 840, 310, 3},
                                 {"① 直線が円に", 40, 80, 3},
                                 {"接する", kAnyPlace, 80, 5},
                                 {"円と直線が1点だけで出会うとき", 100, 130, 0},
                                 {"② ", 40, 180, 3},
                                 {"接線", kAnyPlace, 180, 5},
                                 {"…この直線", kAnyPlace, 180, 0},
                                 {"接線", 1030, 108, 5},
                                 {"③ ", 40, 230, 3},
                                 {"接点", kAnyPlace, 230, 5},
                                 {"…接する点", kAnyPlace, 230, 0},
                                 {"接点", 1030, 310, 5},
                                 {"④ 円の接線の性質", 40, 380, 3},
                                 {"円の接線は、接点を通る半径に垂直である。", 90, 430, 5},
                                 {"教科書P175 問1 をやろう。", 40, 500, 7}}, kTextPlace);
    EXPECT_EQ(f.prog.IndexB, 17);
    EXPECT_EQ(f.prog.IndexC, 0);
}

TEST(CircleTangent, ASecondVisitStartsAgainAtTheCentre) {
    // The first visit stops on the way back (position 8); the second one
    // starts from an erased screen with the line through O, moving right.
    QuilletFixture f(Keys({"x", Repeat("a", 11), "1abcde", "x"}));
    ASSERT_TRUE(RunsToItsEnd(f, ShowCircleTangent));
    f.ClearEvents();
    EXPECT_FALSE(RunsToItsEnd(f, ShowCircleTangent));
    const auto events = f.Events();
    EXPECT_TRUE(IsBox(events.front(), 0, 0, 1760, 1800, 15, 15));
    ASSERT_EQ(VerticalLines(events).size(), 1u);
    EXPECT_NEAR(VerticalLines(events)[0], 870, 0.01);
    EXPECT_EQ(f.prog.SlidePosition, 0);
    EXPECT_EQ(f.prog.SlideDirection, 1);
}

}  // namespace
