// Chapter problems B of page 185 played on a started Quillet: the two figures
// of problem 1, the fold line and the tangent circle of problem 2.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "quillet/chapter_support.h"

namespace {

using namespace chapter_test;

TEST(ChapterBProblem1, TwoFiguresWithTheirSectorsAndTheReasoning) {
    QuilletFixture f(Repeat("k", 2));
    Quillet& p = f.prog;
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterBProblem1));
    // Figure (2) holds the points at the end.
    const XY want[] = {{890, 480}, {965, 350.1}, {1063.2, 580}, {1090, 480}, {890, 630}};
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.PointX(i), want[i].x, 0.06);
        EXPECT_NEAR(p.PointY(i), want[i].y, 0.06);
    }
    const auto events = f.Events();
    std::vector<Round> sectors;
    for (const Round& c : Rounds(Visible(events)))
        if (c.filled && c.r != 6) sectors.push_back(c);
    ASSERT_EQ(sectors.size(), 2u);
    // (1): 60 degrees from ray OC (fraction 0.8333) to ray OB (exactly 1).
    EXPECT_EQ(sectors[0].x, 790);
    EXPECT_EQ(sectors[0].y, 180);
    EXPECT_EQ(sectors[0].r, 60);
    EXPECT_NEAR(sectors[0].start, 0.8333, 0.0002);
    EXPECT_EQ(sectors[0].end, 1);
    // (2): the rays exchanged, 30 degrees from ray OB (1) to ray OC.
    EXPECT_EQ(sectors[1].x, 890);
    EXPECT_EQ(sectors[1].y, 480);
    EXPECT_EQ(sectors[1].r, 80);
    EXPECT_EQ(sectors[1].start, 1);
    EXPECT_NEAR(sectors[1].end, 0.0833, 0.0002);
    for (const Round& s : sectors) {
        EXPECT_EQ(s.color, 0);
        EXPECT_EQ(s.fill, 7);
        EXPECT_EQ(s.width, 5);
    }
    // The rays O-A, O-B, O-C, O-D of each figure at width 5.
    std::vector<json> rays;
    for (const auto& e : Of(Visible(events), "line"))
        if (e["color"] == 0) rays.push_back(e);
    ASSERT_GE(rays.size(), 8u);  // then the strokes of the texts
    EXPECT_TRUE(IsLine(rays[0], 790, 180, 660.1, 105, 0, 0.06)) << rays[0].dump();
    EXPECT_TRUE(IsLine(rays[2], 790, 180, 940, 180, 0, 0.06)) << rays[2].dump();
    EXPECT_TRUE(IsLine(rays[5], 890, 480, 1063.2, 580, 0, 0.06)) << rays[5].dump();
    EXPECT_TRUE(IsLine(rays[7], 890, 480, 890, 630, 0, 0.06)) << rays[7].dump();
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(rays[i]["width"], 5);

    const double value = 121 + 81 + 34;
    ExpectOnlyTexts(events, {
                                {"P185 章の問題B", kAnyPlace, 33, 0},
                                {"1", kAnyPlace, 33, 13},
                                {"(1)", 640, 30, 3},
                                {"O", 750, 180, 0},
                                {"A", 646.1, 115, 0},
                                {"B", 875, 25.1, 0},
                                {"C", 910, 190, 0},
                                {"D", 755, 300, 0},
                                {"(2)", 840, 330, 3},
                                {"O", 850, 480, 0},
                                {"A", 951, 360.1, 0},
                                {"B", 1073.2, 555, 0},
                                {"C", 1060, 490, 0},
                                {"D", 855, 600, 0},
                                {"(1)", 40, 100, 3},
                                {"∠AOC=∠AOB+∠BOC", 121, 100, 0},
                                {"=90%+∠BOC", value, 150, 0},
                                {"∠BOD=∠BOC+∠COD", 121, 200, 0},
                                {"=∠BOC+90%", value, 250, 0},
                                {"したがって ", 121, 300, 0},
                                {"∠AOC=∠BOD", kAnyPlace, 300, 3},
                                {"(2)", 40, 370, 3},
                                {"∠AOC=∠AOB-∠BOC", 121, 370, 0},
                                {"=90%-∠BOC", value, 420, 0},
                                {"∠BOD=∠COD-∠BOC", 121, 470, 0},
                                {"=90%-∠BOC", value, 520, 0},
                                {"したがって ", 121, 570, 0},
                                {"∠AOC=∠BOD", kAnyPlace, 570, 3},
                            }, kTextPlace);
}

TEST(ChapterBProblem2Q1, FoldLineIsThePerpendicularBisectorOfAM) {
    QuilletFixture f(Repeat("k", 5));
    Quillet& p = f.prog;
    p.PointX(0) = 7;  // nothing in this problem sets point 0
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterBProblem2Q1));
    EXPECT_EQ(p.PointX(0), 7);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 3);
    EXPECT_NEAR(p.Radius, 195, 0.01);
    const auto events = f.Events();
    const auto arcs = Arcs(events);
    ExpectArcs(arcs, {{785, 250, 195, 0.9277, 0.2199, 3}, {1045, 380, 195, 0.4277, 0.7199, 3}});
    for (const Round& a : arcs) {
        EXPECT_TRUE(ArcPasses(a, 973.1, 198.7, 0.1));
        EXPECT_TRUE(ArcPasses(a, 856.9, 431.3, 0.1));
    }
    EXPECT_EQ(ArcWidths(events), std::vector<int>(2, 3));
    // The square's sides at width 5 in colour 0, then the bisector and the
    // fold line at width 3.
    std::vector<json> lines;
    for (const auto& e : Of(Visible(events), "line")) {
        if (e["color"] == 0) {
            EXPECT_EQ(e["width"], 5);
        } else {
            lines.push_back(e);
        }
    }
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(IsLine(lines[0], 1002.2, 140.6, 798.7, 547.6, 3, 0.06)) << lines[0].dump();
    EXPECT_TRUE(IsLine(lines[1], 947.5, 250, 817.5, 510, 5, 0.01)) << lines[1].dump();
    for (const auto& l : lines) EXPECT_EQ(l["width"], 3);

    ExpectOnlyTexts(events, {
                                {"P185 章の問題B", kAnyPlace, 33, 0},
                                {"2", kAnyPlace, 33, 13},
                                {"(1)", 536, 30, 3},
                                {"A", kAnyPlace, kAnyPlace, 0},
                                {"B", kAnyPlace, kAnyPlace, 0},
                                {"C", kAnyPlace, kAnyPlace, 0},
                                {"D", kAnyPlace, kAnyPlace, 0},
                                {"M", 1055, 355, 0},
                                {"点AとMは、折れ目の線について線対称だから", 40, 100, 0},
                                {"折れ目の線は、線分AMの垂直二等分線になる。", 40, 150, 5},
                            }, kTextPlace);
}

// Many runs leave the problem's points where one run puts them.
TEST(ChapterBProblem2Q1, RepeatedRunsKeepTheFigure) {
    QuilletFixture f(Repeat("k", 5 * 4));
    Quillet& p = f.prog;
    for (int run = 0; run < 4; ++run) ASSERT_TRUE(RunsToItsEnd(f, ShowChapterBProblem2Q1));
    EXPECT_EQ(p.PointX(1), 785);
    EXPECT_EQ(p.PointY(5), 380);
    EXPECT_NEAR(p.PointX(11), 947.5, 0.01);
}

TEST(ChapterBProblem2Q2, TangentCircleCentredOnThePerpendicularAtC) {
    QuilletFixture f(Repeat("k", 13));
    Quillet& p = f.prog;
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterBProblem2Q2));
    EXPECT_EQ(p.PointX(4), 925);
    EXPECT_NEAR(p.PointY(4), 440.38, 0.05);
    EXPECT_NEAR(p.Radius, 134.62, 0.05);
    const auto events = f.Events();
    const auto arcs = Arcs(events);
    const double r2 = 189.506, r3 = 89.913;
    ExpectArcs(arcs, {{925, 575, 97.5, 0.47, 0.03, 9},
                      {827.5, 575, r2, 0.7860, 0.8860, 9, 0.1},
                      {1022.5, 575, r2, 0.6140, 0.7140, 9, 0.1},
                      {600, 575, 130, 0.845, 0.03, 7},
                      {691.92, 483.08, r3, 0.9808, 0.0808, 7, 0.1},
                      {730, 575, r3, 0.7942, 0.8942, 7, 0.1}});
    EXPECT_TRUE(ArcPasses(arcs[0], 827.5, 575) && ArcPasses(arcs[0], 1022.5, 575));
    EXPECT_TRUE(ArcPasses(arcs[1], 925, 412.5, 0.1) && ArcPasses(arcs[2], 925, 412.5, 0.1));
    EXPECT_TRUE(ArcPasses(arcs[3], 730, 575) && ArcPasses(arcs[3], 691.92, 483.08));
    EXPECT_TRUE(ArcPasses(arcs[4], 780.16, 500.38, 0.1) && ArcPasses(arcs[5], 780.16, 500.38, 0.1));
    for (const Round& a : arcs) {
        EXPECT_GE(a.start, 0);
        EXPECT_LE(a.start, 1);
        EXPECT_GE(a.end, 0);
        EXPECT_LE(a.end, 1);
    }
    // The circle touches OB at C and OA: its radius is its distance from both.
    std::vector<Round> circles;
    for (const Round& c : Rounds(Visible(events)))
        if (!c.filled && c.start == 0 && c.end == 0) circles.push_back(c);
    ASSERT_EQ(circles.size(), 1u);
    const Round& circle = circles[0];
    EXPECT_EQ(circle.color, 5);
    EXPECT_EQ(circle.x, 925);
    EXPECT_NEAR(circle.r, 575 - circle.y, 0.01);
    const double toOA = std::fabs((circle.x - 600) - (575 - circle.y)) / std::sqrt(2.0);  // line y = x through O
    EXPECT_NEAR(circle.r, toOA, 0.05);
    for (const auto& e : Visible(events))
        if (e.value("op", "") == "line" || e.value("op", "") == "circle") {
            EXPECT_EQ(e["width"], 5) << e.dump();
        }

    const auto lines = Of(Visible(events), "line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(IsLine(lines[0], 925, 250, 600, 575, 0));
    EXPECT_TRUE(IsLine(lines[1], 1120, 575, 600, 575, 0));
    EXPECT_TRUE(IsLine(lines[2], 925, 575, 925, 315, 3));
    EXPECT_TRUE(IsLine(lines[3], 600, 575, 1080.42, 376.0, 3, 0.05)) << lines[3].dump();

    ExpectOnlyTexts(events, {
                                {"P185 章の問題B", kAnyPlace, 33, 0},
                                {"2", kAnyPlace, 33, 13},
                                {"(2)", 536, 30, 3},
                                {"O", 560, 575, 0},
                                {"A", 911, 200, 0},
                                {"B", 1130, 550, 0},
                                {"C", 911, 585, 0},
                                {"点Cで辺OBに接するから、円の中心はCを通る垂線上にある。", 40, 100, 0},
                                {"辺OAにも接するから、円の中心は∠AOBの二等分線垂線上にある。", 40, 150, 0},
                                {"Cを通る垂線と∠AOBの二等分線", 40, 200, 5},
                                {"との交点を円の中心とする。", 40, 250, 5},
                                {"半径は、円の中心と", 40, 300, 5},
                                {"点Cとの距離とする。", 40, 350, 5},
                            }, kTextPlace);
}

}  // namespace
