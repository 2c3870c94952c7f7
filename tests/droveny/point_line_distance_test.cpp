// Topic 5 of the perpendicular lesson: A stepped along l until "1", then the
// distance from a point to a line and between two parallel lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"

namespace {

using namespace testing_support;
using namespace droveny_test;

// The x of A's dot (on l, y 255) drawn among `events`; -1 when none is.
double AX(const std::vector<json>& events) {
    double x = -1;
    for (const auto& e : Dots(events))
        if (Near(e.y, 255)) x = e.x;
    return x;
}

int StepPrompts(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : Of(events, "run"))
        n += e["routine"] == "DrawWideText" && e["text"] == "１で次のステップ。他のキーで動かす。";
    return n;
}

TEST(PointLineDistance, AStartsAtThreeCellsThenStepsFromTheStartOfItsTrack) {
    // The question's picture, then 13 moves and "1", then the 18 pauses.
    DrovenyFixture f(std::string("a") + Repeat("x", 13) + "1" + Repeat("a", 18));
    Droveny& p = f.prog;
    ShowPointLineDistance(p);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 1u + 1 + 14 + 18);
    EXPECT_EQ(AX(frames[0]), 950);
    ExpectTexts(frames[0], {{"A", 936, 205, 3}, {"P", 1026, 85, 3}, {"l", 800, 230, 3}});
    // Frame 1 + k holds A after k moves: 860, 890, ..., 1220, then 860 again
    // on the 13th; never on the end of l at 845.
    for (int k = 0; k <= 13; k++) {
        SCOPED_TRACE(k);
        EXPECT_EQ(AX(frames[1 + k]), k < 13 ? 860 + 30 * k : 860);
        EXPECT_EQ(StepPrompts(frames[1 + k]), 1);
    }
    // Moving erases frame 1 first; "1" erases nothing in the loop.
    EXPECT_EQ(CountBoxes(frames[2], 800, 75, 1250, 435), 1);
    EXPECT_EQ(p.PointX2(1), 860);
    EXPECT_EQ(p.PointY2(1), 255);
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(KeyWaits(f.Events()), 19);
}

TEST(PointLineDistance, OneAtTheFirstPromptLeavesNoA) {
    DrovenyFixture f(std::string("a1") + Repeat("a", 18));
    ShowPointLineDistance(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 21u);
    EXPECT_EQ(AX(frames[1]), 860);
    // After the loop: frame 1 erased and drawn without A, PQ in colour 5.
    EXPECT_EQ(CountBoxes(frames[2], 800, 75, 1250, 435), 1);
    EXPECT_EQ(AX(frames[2]), -1);
    EXPECT_EQ(CountRuns(frames[2], "A"), 0);
    EXPECT_TRUE(HasLine(frames[2], 1040, 135, 1040, 255, 5));
}

TEST(PointLineDistance, TheMirrorFigureMarksPQAndQPEqual) {
    DrovenyFixture f("a1");
    RunUntilKeysEnd(f, ShowPointLineDistance);
    const auto frames = Frames(f.Events());
    const auto& loop = frames[1];
    ExpectTexts(loop, {{"P'", 1026, 385, 3}, {"Q", 1048, 265, 3}});
    // The right angle at Q above l on the right of PQ.
    const auto corner = Of(loop, "polyline").at(0);
    const double want[3][2] = {{1040, 230}, {1065, 230}, {1065, 255}};
    for (int i = 0; i < 3; i++) {
        EXPECT_TRUE(Near(corner["points"][i][0], want[i][0], 0.001)) << corner.dump();
        EXPECT_TRUE(Near(corner["points"][i][1], want[i][1], 0.001)) << corner.dump();
    }
    // One 24-px tick across the middle of PQ and of QP'.
    EXPECT_TRUE(HasLine(loop, 1052, 195, 1028, 195, 3));
    EXPECT_TRUE(HasLine(loop, 1052, 315, 1028, 315, 3));
    // A joined to P and P'.
    EXPECT_TRUE(HasLine(loop, 860, 255, 1040, 135, 0));
    EXPECT_TRUE(HasLine(loop, 860, 255, 1040, 375, 0));
}

TEST(PointLineDistance, DefinitionsAndTheParallelLines) {
    DrovenyFixture f(std::string("a1") + Repeat("a", 18));
    Droveny& p = f.prog;
    ShowPointLineDistance(p);
    const auto events = f.Events();
    ExpectTexts(events, {{"「P170 Q」", 40, 30, 3},
                         {"点Pと直線lについて対称な点P'をとると", 40, 80, 0},
                         {"点Pと直線l上の点を結ぶ線分が、", 40, 130, 3},
                         {"直線lに垂直になるとき。", 40, 180, 3},
                         {"<点と直線の距離>", 40, 260, 5},
                         {"点Pから直線lにひいた", 40, 310, 3},
                         {"<平行な2直線の距離>", 40, 390, 5},
                         {"直線m∥直線nのとき", 40, 440, 0},
                         {"m", 765, 370, 3},
                         {"n", 765, 520, 3},
                         {"点をm上のどこにとっても距離は一定", 40, 490, 3},
                         {"m上の点からnにひいた", 40, 540, 0},
                         {"教科書P170 問5 をやろう。", 40, 600, 7}});
    EXPECT_TRUE(Near(FindRun(events, "垂線PQの長さ")["y"], 310));
    EXPECT_EQ(FindRun(events, "垂線PQの長さ")["color"], 5);
    // The lower part of frame 1 goes, from 60 px below l.
    EXPECT_EQ(CountBoxes(events, 800, 315, 1250, 435), 1);
    // Frame 2 below frame 1: m and n, chevrons, four perpendiculars with
    // their right angles above n and one tick each.
    EXPECT_EQ(p.GridTop, 345);
    EXPECT_TRUE(HasLine(events, 810, 395, 1210, 395, 0));
    EXPECT_TRUE(HasLine(events, 810, 545, 1210, 545, 0));
    for (float x : {910.0f, 1010.0f, 1110.0f, 1210.0f}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(HasLine(events, x, 395, x, 545, 3));
        EXPECT_TRUE(HasLine(events, x - 12, 470, x + 12, 470, 5) || HasLine(events, x + 12, 470, x - 12, 470, 5));
    }
    int corners = 0;
    for (const auto& e : Of(events, "polyline")) {
        corners += e["color"] == 5 && Near(e["points"][1][1], 520, 0.001) && Near(e["points"][2][1], 545, 0.001);
    }
    EXPECT_EQ(corners, 4);
    // The chevron on m: its tip one sixth along 810..910 plus 16 px.
    EXPECT_TRUE(HasLine(events, 817.67, 382.5, 842.67, 395, 7, 0.01));
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

}  // namespace
