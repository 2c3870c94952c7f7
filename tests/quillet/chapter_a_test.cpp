// Chapter problems A of page 184 played on a started Quillet: the figures,
// arcs, texts and cells of each problem.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "quillet/chapter_support.h"

namespace {

using namespace chapter_test;

// The heading texts: the title and the problem's number, centred in their
// cells 3 px below their tops.
std::vector<TextAt> Heading(const char* number) {
    return {{"P184 章の問題A", kAnyPlace, 33, 0}, {number, kAnyPlace, 33, 13}};
}

std::vector<TextAt> Join(std::vector<TextAt> a, const std::vector<TextAt>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ChapterAProblems1And2, HexagonFromTheGridsPiAndTheTriangleOAB) {
    QuilletFixture f(Repeat("k", 4));
    Quillet& p = f.prog;
    p.Pi = 0;  // the grid frame sets it before the directions use it
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblems1And2));
    EXPECT_EQ(p.Pi, 3.14159f);
    const XY want[] = {{790, 350},    {665, 133.5}, {540, 350},   {665, 566.5},
                       {915, 566.5},  {1040, 350},  {915, 133.5}};
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.PointX(i), want[i].x, 0.06);
        EXPECT_NEAR(p.PointY(i), want[i].y, 0.06);
    }
    EXPECT_EQ(p.Radius, 250);

    const auto events = f.Events();
    // The hexagon's sides at width 5, then the diagonals AD, BE, CF.
    const auto lines = Of(Visible(events), "line");
    ASSERT_GE(lines.size(), 9u);
    for (int i = 0; i < 6; ++i) {
        const XY& a = want[1 + i];
        const XY& b = want[1 + (i + 1) % 6];
        EXPECT_TRUE(IsLine(lines[static_cast<std::size_t>(i)], a.x, a.y, b.x, b.y, 0, 0.06)) << i;
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]["width"], 5);
    }
    for (int i = 0; i < 3; ++i) {
        const XY& a = want[1 + i];
        const XY& b = want[4 + i];
        EXPECT_TRUE(IsLine(lines[static_cast<std::size_t>(6 + i)], a.x, a.y, b.x, b.y, 0, 0.06)) << i;
    }
    // Triangle O, B, A filled in 13 over the dot of O.
    const auto polylines = Polylines(events);
    ASSERT_EQ(polylines.size(), 1u);
    ExpectPolyline(polylines[0], {want[0], want[2], want[1], want[0]});
    EXPECT_EQ(polylines[0]["fill"], 13);
    EXPECT_EQ(polylines[0]["color"], 0);
    EXPECT_EQ(polylines[0]["width"], 5);

    ExpectOnlyTexts(events, Join(Heading("1"), {
                                                   {"(1)", 526, 30, 0},
                                                   {"AB⊥PQ", kAnyPlace, 30, 5},
                                                   {"(2)", kAnyPlace, 30, 0},
                                                   {"PQ⊥MN", kAnyPlace, 30, 5},
                                                   {"2", kAnyPlace, 93, 13},
                                                   {"A", kAnyPlace, kAnyPlace, 0},
                                                   {"B", kAnyPlace, kAnyPlace, 0},
                                                   {"C", kAnyPlace, kAnyPlace, 0},
                                                   {"D", kAnyPlace, kAnyPlace, 0},
                                                   {"E", kAnyPlace, kAnyPlace, 0},
                                                   {"F", kAnyPlace, kAnyPlace, 0},
                                                   {"O", 776, 290, 0},
                                                   {"(1)", 121, 90, 0},
                                                   {"△FOE,△OCD", kAnyPlace, 90, 5},
                                                   {"(2)", 121, 150, 0},
                                                   {"240%", kAnyPlace, 150, 5},
                                                   {"(3)", 121, 210, 0},
                                                   {"直線BO", kAnyPlace, 210, 5},
                                               }), kTextPlace);
}

TEST(ChapterAProblems1And2, EverythingFromTheArrowsOnIsAtWidthTen) {
    QuilletFixture f(Repeat("k", 4));
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblems1And2));
    const auto events = Visible(f.Events());
    // Sides and diagonals at 5; the six arrows (shaft and two barbs each)
    // and BO at 10.
    std::vector<json> lines = Of(events, "line");
    lines.erase(lines.begin(), lines.begin() + 6);  // the sides
    ASSERT_EQ(lines.size(), 3u + 6 * 3 + 1);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(lines[i]["width"], 5);
    const XY from[] = {{665, 133.5}, {790, 350}, {540, 350}, {665, 133.5}, {540, 350}, {790, 350}};
    const XY to[] = {{790, 350}, {915, 566.5}, {665, 566.5}, {915, 133.5}, {790, 350}, {1040, 350}};
    const int colors[] = {3, 3, 3, 7, 7, 7};
    for (int a = 0; a < 6; ++a) {
        SCOPED_TRACE("arrow " + std::to_string(a + 1));
        const json& shaft = lines[static_cast<std::size_t>(3 + 3 * a)];
        EXPECT_TRUE(IsLine(shaft, from[a].x, from[a].y, to[a].x, to[a].y, colors[a], 0.06) ||
                    IsLine(shaft, to[a].x, to[a].y, from[a].x, from[a].y, colors[a], 0.06))
            << shaft.dump();
        for (int k = 0; k < 3; ++k) EXPECT_EQ(lines[static_cast<std::size_t>(3 + 3 * a + k)]["width"], 10);
    }
    EXPECT_TRUE(IsLine(lines.back(), 540, 350, 790, 350, 5, 0.06)) << lines.back().dump();
    EXPECT_EQ(lines.back()["width"], 10);

    // The 240-degree arc: radius 92 from ray OA (2/3) to ray OC (1/3).
    const auto arcs = Arcs(events);
    ExpectArcs(arcs, {{790, 350, 92, 2.0 / 3, 1.0 / 3, 5}});
    EXPECT_EQ(ArcWidths(events), std::vector<int>{10});
    // The dotted arc from A to C: a dot every 8 degrees, its middle on BO.
    std::vector<Round> dots;
    for (const Round& c : Rounds(Visible(events)))
        if (c.filled && c.r == 0.5) dots.push_back(c);
    ASSERT_EQ(dots.size(), 23u);
    for (const Round& d : dots) EXPECT_EQ(d.width, 10);
    EXPECT_NEAR(dots.front().y, 133.5, 0.5);
    EXPECT_NEAR(dots.back().y, 566.5, 3);
    const Round& middle = dots[11];
    EXPECT_NEAR(middle.x, 645, 1.5);
    EXPECT_NEAR(middle.y, 350, 8);
}

TEST(ChapterAProblem3, CompassArcsCrossOnTheBisectorsAndKeepWithinOneTurn) {
    QuilletFixture f(Repeat("k", 8));
    Quillet& p = f.prog;
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblem3));
    const XY want[] = {{0, 0},       {545, 510},     {1065, 510},    {805, 510},
                       {610, 250},   {675, 510},     {935, 510},     {727.0, 406.0},
                       {630.6, 422.8}, {572.4, 393.7}, {892.2, 335.6}, {921.3, 277.4}};
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(p.PointX(i), want[i].x, 0.06);
        EXPECT_NEAR(p.PointY(i), want[i].y, 0.06);
    }
    const auto events = f.Events();
    const auto arcs = Arcs(events);
    // Arc 1's end is 1 + 0.03 wrapped (ray CB points along +x).
    ExpectArcs(arcs, {{805, 510, 130, 0.47, 0.03, 7, 0.1},
                      {675, 510, 97.9, 0.625, 0.725, 7, 0.1},
                      {727.0, 406.0, 97.9, 0.4226, 0.5226, 7, 0.1},
                      {727.0, 406.0, 179.6, 0.8859, 0.9859, 3, 0.1},
                      {935, 510, 179.6, 0.6617, 0.7617, 3, 0.1}});
    EXPECT_TRUE(ArcPasses(arcs[0], 675, 510) && ArcPasses(arcs[0], 727.0, 406.0) && ArcPasses(arcs[0], 935, 510));
    for (int i : {1, 2}) EXPECT_TRUE(ArcPasses(arcs[static_cast<std::size_t>(i)], 630.6, 422.8, 0.1)) << i;
    for (int i : {3, 4}) EXPECT_TRUE(ArcPasses(arcs[static_cast<std::size_t>(i)], 892.2, 335.6, 0.1)) << i;
    EXPECT_EQ(ArcWidths(events), std::vector<int>(5, 5));
    // The last arc's fractions stay in the cells as drawn (start in B).
    EXPECT_NEAR(p.ArcFractionB, 0.6617, 0.0002);
    EXPECT_NEAR(p.ArcFractionC, 0.7617, 0.0002);

    const auto lines = Of(Visible(events), "line");  // then the strokes of the fractions
    ASSERT_GE(lines.size(), 4u);
    EXPECT_TRUE(IsLine(lines[0], 545, 510, 1065, 510, 0));
    EXPECT_TRUE(IsLine(lines[1], 805, 510, 610, 250, 0));
    EXPECT_TRUE(IsLine(lines[2], 805, 510, 572.4, 393.7, 5, 0.06)) << lines[2].dump();
    EXPECT_TRUE(IsLine(lines[3], 805, 510, 921.3, 277.4, 5, 0.06)) << lines[3].dump();
    ExpectOnlyTexts(events, Join(Heading("3"), {
                                                   {"A", 531, 520, 0},
                                                   {"B", 1051, 520, 0},
                                                   {"C", 791, 520, 0},
                                                   {"D", 570, 225, 0},
                                                   {"E", 580.6, 422.8, 5},
                                                   {"F", 902.2, 335.6, 5},
                                                   {"(2)", 40, 100, 0},
                                                   {"∠ECF=ﾀ1/2ﾀ*(∠ACD+∠BCD)=ﾀ1/2ﾀ*180%=", kAnyPlace, 100, 0},
                                                   {"90%", kAnyPlace, 100, 5},
                                               }), kTextPlace);
}

TEST(ChapterAProblem4, PerpendicularsAtAAndBMakeTheSquare) {
    QuilletFixture f(Repeat("k", 21));
    Quillet& p = f.prog;
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblem4));
    const auto events = f.Events();
    const double r = std::hypot(100.0, 175.0);  // 201.56
    ExpectArcs(Arcs(events), {{680, 550, 100, 0.47, 0.03, 9},
                              {580, 550, r, 0.7826, 0.8826, 9},
                              {780, 550, r, 0.6174, 0.7174, 9},
                              {680, 550, 250, 0.72, 0.03, 7},
                              {930, 550, 100, 0.47, 0.03, 9},
                              {830, 550, r, 0.7826, 0.8826, 9},
                              {1030, 550, r, 0.6174, 0.7174, 9},
                              {930, 550, 250, 0.47, 0.78, 7}});
    const auto arcs = Arcs(events);
    for (std::size_t i : {1u, 2u}) EXPECT_TRUE(ArcPasses(arcs[i], 680, 375)) << i;
    for (std::size_t i : {5u, 6u}) EXPECT_TRUE(ArcPasses(arcs[i], 930, 375)) << i;
    EXPECT_TRUE(ArcPasses(arcs[3], 680, 300) && ArcPasses(arcs[3], 930, 550));
    EXPECT_TRUE(ArcPasses(arcs[7], 930, 300) && ArcPasses(arcs[7], 680, 550));

    const auto lines = Of(Visible(events), "line");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(IsLine(lines[0], 680, 550, 930, 550, 0));
    EXPECT_TRUE(IsLine(lines[1], 480, 550, 680, 550, 0));
    EXPECT_TRUE(IsLine(lines[2], 680, 550, 680, 250, 0));
    EXPECT_TRUE(IsLine(lines[3], 930, 550, 1130, 550, 0));
    EXPECT_TRUE(IsLine(lines[4], 930, 550, 930, 250, 0));
    const auto square = Polylines(events);
    ASSERT_EQ(square.size(), 1u);
    ExpectPolyline(square[0], {{680, 550}, {680, 300}, {930, 300}, {930, 550}, {680, 550}});
    EXPECT_EQ(square[0]["color"], 5);
    EXPECT_EQ(square[0]["filled"], false);
    for (const auto& e : Visible(events))
        if (e.value("op", "") == "line" || e.value("op", "") == "circle" || e.value("op", "") == "polyline") {
            EXPECT_EQ(e["width"], 5) << e.dump();
        }

    ExpectOnlyTexts(events, Join(Heading("4"), {
                                                   {"A", 666, 560, 3},
                                                   {"B", 916, 560, 3},
                                                   {"点A,Bを通る線分ABの垂線を、それぞれ作図し、", 40, 90, 7},
                                                   {"ABと等しい長さの辺AD,BCをとる。", 40, 140, 7},
                                                   {"①", 40, 190, 3},
                                                   {"点Aを通る垂線", kAnyPlace, 190, 0},
                                                   {"②", 40, 240, 3},
                                                   {"辺AD", kAnyPlace, 240, 0},
                                                   {"D", 640, 250, 3},
                                                   {"③", 40, 290, 3},
                                                   {"点Bを通る垂線", kAnyPlace, 290, 0},
                                                   {"④", 40, 340, 3},
                                                   {"辺BC", kAnyPlace, 340, 0},
                                                   {"C", 940, 250, 3},
                                                   {"⑤", 40, 390, 3},
                                                   {"正方形ABCD", kAnyPlace, 390, 0},
                                               }), kTextPlace);
    EXPECT_EQ(p.TextLineY, 390);
}

// Only the points the problem sets become pixels: entries it never sets keep
// their values however often it runs.
TEST(ChapterAProblem4, LeavesThePointsItDoesNotSetAlone) {
    QuilletFixture f(Repeat("k", 21 * 3));
    Quillet& p = f.prog;
    for (int i : {0, 13, 14, 17, 18, 19, 20}) {
        p.PointX(i) = 7;
        p.PointY(i) = 9;
    }
    for (int run = 0; run < 3; ++run) ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblem4));
    for (int i : {0, 13, 14, 17, 18, 19, 20}) {
        EXPECT_EQ(p.PointX(i), 7) << i;
        EXPECT_EQ(p.PointY(i), 9) << i;
    }
    EXPECT_EQ(p.PointX(16), 1130);
    EXPECT_EQ(p.PointY(16), 550);
}

TEST(ChapterAProblem5, SectorOf135DegreesAndItsWorking) {
    QuilletFixture f(Repeat("k", 2));
    Quillet& p = f.prog;
    ASSERT_TRUE(RunsToItsEnd(f, ShowChapterAProblem5));
    EXPECT_NEAR(p.PointX(1), 1110, 0.06);
    EXPECT_NEAR(p.PointY(1), 124.12, 0.06);
    EXPECT_NEAR(p.PointX(2), 846.13, 0.06);
    EXPECT_NEAR(p.PointY(2), 326.59, 0.06);
    const auto events = f.Events();
    const auto rounds = Rounds(Visible(events));
    ASSERT_GE(rounds.size(), 2u);
    // The whole circle, then the sector over it from the 195-degree radius
    // over the top to the 60-degree one.
    EXPECT_FALSE(rounds[0].filled);
    EXPECT_EQ(rounds[0].start, 0);
    EXPECT_EQ(rounds[0].end, 0);
    EXPECT_EQ(rounds[0].r, 180);
    EXPECT_TRUE(rounds[1].filled);
    EXPECT_EQ(rounds[1].fill, 7);
    EXPECT_EQ(rounds[1].color, 0);
    EXPECT_EQ(rounds[1].r, 180);
    EXPECT_NEAR(rounds[1].start, 0.4583, 0.0002);
    EXPECT_NEAR(rounds[1].end, 0.8333, 0.0002);
    // The dimension's dots every 5 degrees over radius O-1, in colour 3.
    int dots = 0;
    for (const Round& c : rounds) dots += c.filled && c.r == 0.5 && c.color == 3;
    EXPECT_EQ(dots, 37);
    // "135%" inside the sector near O, "4cm" outside it beside the 60-degree radius.
    const json angle = FindRun(events, "135%");
    ASSERT_FALSE(angle.is_null());
    EXPECT_EQ(angle["color"].get<float>(), 3);
    EXPECT_LT(angle["x"].get<double>(), 1020);
    EXPECT_LT(angle["y"].get<double>(), 280);
    const json cm = FindRun(events, "4cm");
    ASSERT_FALSE(cm.is_null());
    EXPECT_GT(cm["x"].get<double>(), 1060);
    const std::vector<TextAt> lines = {
        {"弧の長さは、", 121, 90, 7},       {" 2π*4*ﾀ135/360ﾀ", 121, 160, 0}, {"=2π*4*ﾀ3/8ﾀ", 121, 230, 0},
        {"=3π (cm)", 121, 290, 5},          {"面積は、", 121, 350, 7},        {" π*4^2*ﾀ135/360ﾀ", 121, 420, 0},
        {"=π*16*ﾀ3/8ﾀ", 121, 490, 0},       {"=6π (cm^2)", 121, 550, 5},
    };
    std::vector<json> shown;
    for (const auto& run : MarkupRuns(events))
        if (run["x"] == 121) shown.push_back(run);
    ASSERT_EQ(shown.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(shown[i]["text"], lines[i].text);
        EXPECT_EQ(shown[i]["y"], lines[i].y);
        EXPECT_EQ(shown[i]["color"].get<float>(), lines[i].color);
    }
}

}  // namespace
