// The topics of the perpendicular lesson, each run on the keys a pupil
// presses: texts, figure points, compass arcs, marks and lines, and the cells
// a topic leaves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "droveny/droveny_fixture.h"

namespace {

using namespace testing_support;
using namespace droveny_test;

const std::string kEnter = "{Enter}";

// ---- Topic 1: the kite question ---------------------------------------------

TEST(KiteQuestion, TwelvePausesFromTheArcsToTheMethod) {
    DrovenyFixture f(Repeat("a", 12));
    ShowPerpendicularKiteQuestion(f.prog);
    const auto events = f.Events();
    EXPECT_TRUE(IsBox(Of(events, "box").at(0), 0, 0, 1760, 1800, 15, 15));
    EXPECT_EQ(KeyWaits(events), 12);
    // "②" goes on 30 px after "中心A,半径APの円をかく" (which ends at 478).
    ExpectTexts(events, {{"AP=AQ,BP=BQ となる点Qをかき、直線PQとlの関係を調べよう。", 66, 20, 3},
                         {"l", 680, 340, 3},
                         {"P", 950, 185, 3},
                         {"A", 746, 340, 3},
                         {"B", 1046, 340, 3},
                         {"①", 30, 70, 7},
                         {"中心A,半径APの円をかく", 64, 70, 0},
                         {"②", 508, 70, 7},
                         {"中心B,半径BPの円をかく", 542, 70, 0},
                         {"③", 30, 120, 7},
                         {"交点をQとする", 64, 120, 0},
                         {"Q", 950, 545, 3},
                         {"④", 30, 170, 7},
                         {"直線PQとlの関係は?", 64, 170, 3},
                         {"PQ⊥l", 66, 220, 5},
                         {"2円の中心を通る直線は垂直だから)", 66, 270, 0},
                         {"この垂線PQを作図する方法を考えよう。", 30, 320, 5},
                         {"直線l上に2点A,Bをとり、4点を結ぶと", 30, 370, 0},
                         {"AP=AQ,BP=BQ だから ", 66, 420, 0},
                         {"たこ形AQBPができる。", 66, 470, 3},
                         {"①直線l上に、2点A,Bをとり", 66, 520, 5},
                         {"②たこ形をかき、点Qをみつければよい。", 66, 570, 5}});
    // "(2円の..." and "したがって、" go on the line of the text before them.
    const json reason = FindRun(events, "(2円の交点を通る直線と");
    EXPECT_TRUE(Near(reason["y"], 220)) << reason.dump();
    EXPECT_GT(reason["x"].get<double>(), 66 + 4 * 27);
    EXPECT_TRUE(Near(FindRun(events, "したがって、")["y"], 470));

    // The two arcs pass through P and Q; the centre dots take their colours.
    ExpectArcs(Outlines(events), {{760, 390, 254.56f, 0.845f, 0.155f, 7}, {1060, 390, 216.33f, 0.3136f, 0.6864f, 9}},
               kCompassArcs);
    EXPECT_TRUE(HasLine(events, 670, 390, 1090, 390, 0));   // l
    EXPECT_TRUE(HasLine(events, 940, 210, 940, 570, 3));    // PQ
    // The right angle at the crossing, above l on the right of PQ.
    const auto corner = Of(events, "polyline").at(0);
    ASSERT_EQ(corner["points"].size(), 3u);
    const double want[3][2] = {{940, 360}, {970, 360}, {970, 390}};
    for (int i = 0; i < 3; i++) {
        EXPECT_TRUE(Near(corner["points"][i][0], want[i][0], 0.001)) << corner.dump();
        EXPECT_TRUE(Near(corner["points"][i][1], want[i][1], 0.001)) << corner.dump();
    }
    EXPECT_EQ(corner["color"], 5);
    // Every stroke of the topic is 5 wide, and the width stays 5.
    for (const auto& e : Of(events, "line")) EXPECT_EQ(e["width"], 5) << e.dump();
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

TEST(KiteQuestion, DotsTurnToTheArcColourThenBack) {
    DrovenyFixture f(Repeat("a", 12));
    ShowPerpendicularKiteQuestion(f.prog);
    const auto dots = Dots(f.Events());
    // P, A, B; A in 7 and B in 9 as compass centres; Q; A and B back in 3.
    ASSERT_EQ(dots.size(), 8u);
    EXPECT_TRUE(IsDot(dots[0], 940, 210, 3));
    EXPECT_TRUE(IsDot(dots[3], 760, 390, 7));
    EXPECT_TRUE(IsDot(dots[4], 1060, 390, 9));
    EXPECT_TRUE(IsDot(dots[5], 940, 570, 3));
    EXPECT_TRUE(IsDot(dots[6], 760, 390, 3));
    EXPECT_TRUE(IsDot(dots[7], 1060, 390, 3));
}

TEST(KiteQuestion, TheKiteAndItsEqualSides) {
    DrovenyFixture f(Repeat("a", 12));
    ShowPerpendicularKiteQuestion(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 13u);
    // Pause 11 follows the kite A-Q-B-P in colour 3.
    const std::vector<Segment> kite = {{760, 390, 940, 570, 3, 5}, {940, 570, 1060, 390, 3, 5},
                                       {1060, 390, 940, 210, 3, 5}, {940, 210, 760, 390, 3, 5}};
    std::vector<Segment> got;
    for (const auto& e : Of(frames[10], "line"))
        got.push_back({e["x1"].get<float>(), e["y1"].get<float>(), e["x2"].get<float>(), e["y2"].get<float>(),
                       e["color"].get<int>(), e["width"].get<int>()});
    ExpectSegments(got, kite);
    // Ticks: 3 on AP and AQ, 2 on BP and BQ, in colour 7.
    EXPECT_EQ(Of(frames[11], "line").size(), 10u);
    for (const auto& e : Of(frames[11], "line")) EXPECT_EQ(e["color"], 7);
}

TEST(KiteQuestion, PointsItDoesNotSetKeepTheirValues) {
    DrovenyFixture f(Repeat("a", 12));
    Droveny& p = f.prog;
    p.PointX(8) = 123;
    p.PointY(8) = 45;
    p.PointX(1) = -999;   // whatever an earlier topic left
    ShowPerpendicularKiteQuestion(p);
    EXPECT_EQ(p.PointX(8), 123);
    EXPECT_EQ(p.PointY(8), 45);
    EXPECT_EQ(p.PointX(1), 760);
    EXPECT_EQ(p.PointY(5), 390);
}

// ---- Topic 2: example 1 -------------------------------------------------------

TEST(Example1, SketchThenTheConstructionOnTheLargeFigure) {
    DrovenyFixture f(Repeat("a", 6));
    Droveny& p = f.prog;
    p.PointX(5) = 77;
    ShowPerpendicularExample1(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 6);
    ExpectTexts(events, {{"例1 ", 40, 30, 3},
                         {"直線l上にない点Pを通る、直線lの垂線をかきなさい。", 128, 30, 0},
                         {"下図のようなたこ形をかけばよいから", 40, 80, 0},
                         {"①直線l上に適当な2点A,Bをとる。", 40, 130, 3},
                         {"②Aを中心として、半径APの円をかく。", 40, 180, 3},
                         {"③Bを中心として、半径BPの円をかく。", 40, 230, 3},
                         {"④2つの円の交点を通る直線をひく。", 40, 280, 3},
                         {"教科書P169 問3 をやろう。", 360, 600, 7}});
    // The first arc ends below its start: it is the short arc through 0.
    ExpectArcs(Outlines(events), {{660, 420, 268.33f, 0.8962f, 0.1038f, 7}, {1080, 420, 216.33f, 0.3764f, 0.6236f, 9}},
               kCompassArcs);
    EXPECT_TRUE(HasLine(events, 280, 430, 280, 630, 5));   // the sketch's diagonal
    EXPECT_TRUE(HasLine(events, 900, 250, 900, 590, 5));   // the perpendicular
    EXPECT_TRUE(HasLine(events, 60, 530, 460, 530, 0));    // l of the sketch
    EXPECT_EQ(CountRuns(events, "l"), 3);                  // large, sketch, large again
    EXPECT_EQ(p.PointX(5), 77);                            // entry 5 is not the topic's
    EXPECT_EQ(p.GridLeft, 600);
    EXPECT_EQ(p.GridBottom, 600);
}

TEST(Example1, TheConstructionLandsOnTheLargeFigure) {
    DrovenyFixture f(Repeat("a", 6));
    ShowPerpendicularExample1(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 7u);
    // Step ①: A and B in colour 3 on l of the large figure.
    const auto step1 = Dots(frames[2]);
    ASSERT_GE(step1.size(), 3u);
    EXPECT_TRUE(IsDot(step1[step1.size() - 2], 660, 420, 3));
    EXPECT_TRUE(IsDot(step1.back(), 1080, 420, 3));
    // The centres of the arcs take the arcs' colours.
    EXPECT_TRUE(IsDot(Dots(frames[3]).at(0), 660, 420, 7));
    EXPECT_TRUE(IsDot(Dots(frames[4]).at(0), 1080, 420, 9));
}

// ---- Topic 3: example 2 -------------------------------------------------------

TEST(Example2, KiteOnTheLeftConstructionOnTheRight) {
    DrovenyFixture f(Repeat("a", 7));
    Droveny& p = f.prog;
    ShowPerpendicularExample2(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 7);
    ExpectTexts(events, {{"例2 ", 40, 30, 3},
                         {"直線l上にない点Pを通る、直線lの垂線をかきなさい。", 128, 30, 0},
                         {"下図のようなたこ形でもよいから", 40, 80, 0},
                         {"①Pを中心として、適当な半径の円をかく。", 40, 130, 3},
                         {"②交点をA,Bとする。", 40, 180, 3},
                         {"③", 40, 230, 3},
                         {"Aを中心として、適当な半径の円をかく。", 74, 230, 3},
                         {"④Bを中心として、③と等しい半径の円をかく。", 40, 280, 3},
                         {"⑤交点をCとして、", 40, 330, 3},
                         {"直線PCをひく。", 74, 380, 3},
                         {"教科書P169 問3 をやろう。", 560, 570, 7}});
    // The names: "l" left of l's end in the kite, right of it in the figure.
    EXPECT_TRUE(Near(FindRun(events, "l")["x"], 780));
    const auto ls = MarkupRuns(events);
    int leftL = 0;
    for (const auto& e : ls) leftL += e["text"] == "l" && Near(e["x"], 287.5) && Near(e["y"], 480);
    EXPECT_EQ(leftL, 1);
    ExpectArcs(Outlines(events), {{980, 210, 216.33f, 0.1264f, 0.3736f, 7},
                                  {860, 390, 169.71f, 0.025f, 0.225f, 9},
                                  {1100, 390, 169.71f, 0.275f, 0.475f, 9}}, kCompassArcs);
    EXPECT_TRUE(HasLine(events, 455, 375, 455, 640, 5));   // the kite's axis
    EXPECT_TRUE(HasLine(events, 980, 160, 980, 560, 5));   // the perpendicular
    EXPECT_EQ(p.OriginX, 800);
    EXPECT_EQ(p.PointX(4), 980);
    EXPECT_EQ(p.PointY(4), 510);
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

// ---- Topic 4: answers to question 4 --------------------------------------------

TEST(Answer4, TenCompassStepsOverTwoFigures) {
    DrovenyFixture f(Repeat("a", 16));
    Droveny& p = f.prog;
    ShowPerpendicularAnswer4(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 16);
    // Arcs 1 and 2 are wrapped into 0..1; arcs 8 and 10 end below their start
    // unwrapped and pass through 0.
    ExpectArcs(Outlines(events), {{145, 410, 253.83f, 0.8306f, 0.0218f, 7},
                                  {307.5f, 215, 185.44f, 0.9686f, 0.0686f, 7},
                                  {398.5f, 397, 185.44f, 0.7838f, 0.8838f, 7},
                                  {307.5f, 215, 234.36f, 0.1264f, 0.3736f, 3},
                                  {177.5f, 410, 183.85f, 0.075f, 0.175f, 3},
                                  {437.5f, 410, 183.85f, 0.325f, 0.425f, 3},
                                  {990, 410, 260, 0.47f, 0.8824f, 7},
                                  {892.5f, 215, 253.83f, 0.9718f, 0.3906f, 7},
                                  {990, 410, 218.02f, 0.2938f, 0.7062f, 3},
                                  {730, 410, 253.83f, 0.8406f, 0.1694f, 3}}, kCompassArcs);
    // The perpendiculars and the extension of BC.
    EXPECT_TRUE(HasLine(events, 145, 410, 491.667, 236.667, 5, 0.01));
    EXPECT_TRUE(HasLine(events, 307.5, 215, 307.5, 540, 5));
    EXPECT_TRUE(HasLine(events, 405, 410, 535, 410, 0));
    EXPECT_TRUE(HasLine(events, 730, 410, 1146, 202, 5, 0.01));
    EXPECT_TRUE(HasLine(events, 892.5, 215, 892.5, 605, 5));
    // Both triangles are labelled A, B, C; the text is only the heading.
    EXPECT_EQ(CountRuns(events, "A"), 2);
    EXPECT_EQ(CountRuns(events, "C"), 2);
    ExpectTexts(events, {{"問4解答", 40, 30, 3}});
    // The feet are blanked in colour 15 before the triangles cover them.
    int feet = 0;
    for (const auto& e : Of(events, "circle")) feet += e["filled"].get<bool>() && e["color"] == 15 && e["r"] == 2;
    EXPECT_EQ(feet, 4);
    EXPECT_EQ(p.GridRight, 1250);
    EXPECT_NEAR(p.FromPoint, 1, 1e-6);   // the last perpendicular's ends
    EXPECT_EQ(p.ToPoint, 5);
}

TEST(Answer4, TheCentreDotsTakeTheArcColours) {
    DrovenyFixture f(Repeat("a", 16));
    ShowPerpendicularAnswer4(f.prog);
    const auto arcs = Outlines(f.Events());
    const auto dots = Dots(f.Events());
    // One centre dot per arc, just before it, in its colour.
    ASSERT_EQ(dots.size(), arcs.size());
    for (std::size_t i = 0; i < arcs.size(); i++) {
        EXPECT_EQ(dots[i].x, arcs[i].x);
        EXPECT_EQ(dots[i].y, arcs[i].y);
        EXPECT_EQ(dots[i].color, arcs[i].color);
    }
}

// ---- Topic 6: answer to question 5 ---------------------------------------------

TEST(Answer5, PerpendicularsWithTheirLengthsInGridUnits) {
    DrovenyFixture f(Repeat("a", 16));
    Droveny& p = f.prog;
    ShowPerpendicularAnswer5(p);
    const auto events = f.Events();
    EXPECT_EQ(KeyWaits(events), 16);
    ExpectTexts(events, {{"問5 解答", 57, 30, 3},
                         {"l", 560, 250, 0},
                         {"A", 666, 140, 0},
                         {"B", 766, 90, 0},
                         {"C", 866, 140, 0},
                         {"D", 716, 375, 0},
                         {"E", 816, 425, 0},
                         {"F", 891, 350, 0},
                         {"2", 668, 225, 5},
                         {"3", 768, 200, 5},
                         {"1.5", 718, 312.5f, 5},
                         {"2.5", 818, 337.5f, 5},
                         {"1", 893, 300, 5},
                         {"(1)", 30, 110, 7},
                         {"もっとも短い…", 57, 170, 0},
                         {"もっとも長い…", 57, 230, 0},
                         {"(2)", 30, 310, 7},
                         {" AC∥l", 57, 370, 5}});
    EXPECT_EQ(CountRuns(events, "2"), 2);
    EXPECT_TRUE(Near(FindRun(events, "点F")["y"], 170));
    EXPECT_TRUE(Near(FindRun(events, "点B")["y"], 230));
    EXPECT_TRUE(HasLine(events, 710, 375, 710, 300, 3));   // D's perpendicular
    EXPECT_TRUE(HasLine(events, 560, 200, 960, 200, 0));   // AC across the grid
    EXPECT_TRUE(HasLine(events, 560, 300, 960, 300, 0));   // l
    // The grid is drawn (heavy lines in 14 every five cells).
    int gridLines = 0;
    for (const auto& e : Of(events, "line")) gridLines += e["color"] == 1 || e["color"] == 14;
    EXPECT_EQ(gridLines, 18);
    EXPECT_EQ(p.TableTextB(4), "1.5");
    EXPECT_EQ(p.FromPoint, 1);
    EXPECT_EQ(p.PointLabel(6), "F");
}

TEST(Answer5, EachPerpendicularThenItsLengthOneKeyApart) {
    DrovenyFixture f(Repeat("a", 16));
    ShowPerpendicularAnswer5(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 17u);
    // Frame 0 has the six points and no perpendicular; frames 1, 3, ... one
    // perpendicular each; frames 2, 4, ... one length each.
    EXPECT_EQ(Dots(frames[0]).size(), 6u);
    const char* lengths[] = {"2", "3", "2", "1.5", "2.5", "1"};
    for (int i = 0; i < 6; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Of(frames[1 + 2 * i], "line").size(), 1u);
        const auto runs = MarkupRuns(frames[2 + 2 * i]);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0]["text"], lengths[i]);
    }
}

}  // namespace
