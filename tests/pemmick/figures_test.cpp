// What each Pemmick topic draws: its compass arcs and circles, its texts and
// labels, and the counts that show its loops are right.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "pemmick/pemmick_fixture.h"

namespace {

using namespace testing_support;
using namespace pemmick_test;

// The events of each topic, run once on its keys.
const std::vector<json>& EventsOf(const std::string& topic) {
    static std::map<std::string, std::vector<json>> cache;
    auto it = cache.find(topic);
    if (it == cache.end()) it = cache.emplace(topic, RunTopic(TopicNamed(topic))).first;
    return it->second;
}

// ---- Circles and compass arcs -------------------------------------------------------

struct ArcCase {
    const char* topic;
    const char* what;
    double x, y, r;
    int color;
    double start, end;  // 0, 0: the whole circle
};

std::ostream& operator<<(std::ostream& os, const ArcCase& c) { return os << c.topic << " " << c.what; }

const double kRoot20 = 60 * std::sqrt(20.0), kRoot13 = 60 * std::sqrt(13.0), kRoot8 = 60 * std::sqrt(8.0);

const ArcCase kArcs[] = {
    {"RegularHexagon", "circle", 1000, 300, 200, 0, 0, 0},
    {"RegularHexagon", "compass at corner 1", 1000, 100, 200, 7, 1.0 / 12 - 0.04, 1.0 / 12 + 0.04},
    {"RegularHexagon", "compass at corner 2", 1173.205, 200, 200, 7, 3.0 / 12 - 0.04, 3.0 / 12 + 0.04},
    {"RegularHexagon", "compass at corner 3", 1173.205, 400, 200, 7, 5.0 / 12 - 0.04, 5.0 / 12 + 0.04},
    {"RegularHexagon", "compass at corner 4", 1000, 500, 200, 7, 7.0 / 12 - 0.04, 7.0 / 12 + 0.04},
    {"RegularHexagon", "compass at corner 5", 826.795, 400, 200, 7, 9.0 / 12 - 0.04, 9.0 / 12 + 0.04},
    {"RegularHexagon", "compass at corner 6", 826.795, 200, 200, 7, 11.0 / 12 - 0.04, 11.0 / 12 + 0.04},
    {"CircleTerms", "circle", 1000, 290, 200, 0, 0, 0},
    {"CircleTerms", "circle taken away", 1000, 290, 200, 15, 0, 0},
    {"CircleTerms", "arc AB over the top", 1000, 290, 200, 5, 0.5, 7.0 / 9},
    {"RulerCompassAnswer", "a1 takes AB", 850, 250, 200, 3, 0.97, 0.03},
    {"RulerCompassAnswer", "a2 lays off AB", 250, 500, 200, 3, 0.97, 0.03},
    {"RulerCompassAnswer", "a3 takes BC", 850, 300, 250, 7, 0.97, 0.03},
    {"RulerCompassAnswer", "a4 aimed at C", 450, 500, 250, 7, 0.562416, 0.652416},
    {"RulerCompassAnswer", "a5 takes CA", 850, 350, 150, 0, 0.97, 0.03},
    {"RulerCompassAnswer", "a6 straight up", 250, 500, 150, 0, 0.72, 0.78},
    {"RulerCompassAnswer", "a7 lays off 6", 250, 500, 300, 5, 0.97, 0.03},
    {"RulerCompassAnswer", "a8 aimed at the apex", 250, 500, 300, 5, 0.793333, 0.873333},
    {"RulerCompassAnswer", "a9 crosses a8", 550, 500, 300, 5, 0.626667, 0.716667},
    {"CircleSymmetry", "one circle", 180, 310, 120, 0, 0, 0},
    {"CircleSymmetry", "(2) about A", 500, 310, 120, 0, 0, 0},
    {"CircleSymmetry", "(2) about C", 660, 310, 100, 0, 0, 0},
    {"CircleSymmetry", "(3) about A", 940, 310, 120, 0, 0, 0},
    {"CircleSymmetry", "(3) about C", 1100, 310, 120, 0, 0, 0},
    {"TwoCirclesAnswer", "about A", 720, 370, 240, 0, 0, 0},
    {"TwoCirclesAnswer", "about B", 1040, 370, 200, 0, 0, 0},
    {"KiteAndRhombus", "kite about A", 780, 180, kRoot20, 5, 0.896208, 0.163792},
    {"KiteAndRhombus", "kite about B", 1200, 180, kRoot13, 9, 0.256417, 0.623583},
    {"KiteAndRhombus", "rhombus about A", 500, 480, kRoot20, 5, 0.796208, 0.163792},
    {"KiteAndRhombus", "rhombus about B", 980, 480, kRoot20, 9, 0.276208, 0.703792},
    {"KiteConstruction", "about A through P and S", 460, 420, kRoot20, 7, 0.896208, 0.103792},
    {"KiteConstruction", "about B through S and P", 880, 420, kRoot13, 9, 0.376417, 0.623583},
    {"TwoEquidistantPoints", "about P through B and A", 980, 210, kRoot13, 7, 0.126417, 0.373583},
    {"OneEquidistantPoint", "about A round S", 860, 390, kRoot8, 7, 0.025, 0.225},
    {"OneEquidistantPoint", "about B round S", 1100, 390, kRoot8, 9, 0.275, 0.475},
    {"VerticalKite", "about P through B and A", 980, 210, kRoot13, 7, 0.126417, 0.373583},
    {"VerticalKite", "about A round S", 860, 390, kRoot8, 9, 0.025, 0.225},
    {"VerticalKite", "about B round S", 1100, 390, kRoot8, 9, 0.275, 0.475},
};

class TopicArcs : public testing::TestWithParam<ArcCase> {};

TEST_P(TopicArcs, CentreRadiusColourAndFractions) {
    const ArcCase& c = GetParam();
    const auto candidates = OutlinesAt(EventsOf(c.topic), c.x, c.y, c.r, c.color, 0.01);
    ASSERT_FALSE(candidates.empty()) << "no arc or circle there";
    int found = 0;
    for (const auto& e : candidates) {
        if (!Near(e["start"], c.start, 2e-5) || !Near(e["end"], c.end, 2e-5)) continue;
        ++found;
        // Pen width 5, except the highlighted arc AB at 10.
        EXPECT_EQ(e["width"], std::string(c.what) == "arc AB over the top" ? 10 : 5);
    }
    EXPECT_EQ(found, 1) << "first candidate from " << candidates[0]["start"] << " to " << candidates[0]["end"];
}

INSTANTIATE_TEST_SUITE_P(Pemmick, TopicArcs, testing::ValuesIn(kArcs));

// ---- Texts and labels -------------------------------------------------------------------

struct TextCase {
    const char* topic;
    const char* text;
    double x, y;  // x < 0: not checked (the text goes on from the one before)
    int color;
    bool last = false;  // the last run of the text rather than the first
};

std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << c.topic << " " << c.text; }

const TextCase kTexts[] = {
    {"RegularHexagon", "「教科書P165Q」正六角形をかこう。", 40, 30, 3},
    {"RegularHexagon", "正六角形がかけるわけを説明しよう。", 40, 80, 7},
    {"RegularHexagon", "合同な正三角形6つに分けられるから、", 40, 130, 0},
    {"RegularHexagon", "辺の長さはすべて等しく、", 40, 180, 5},
    {"RegularHexagon", "角の大きさもすべて120%で等しくなる。", 40, 230, 5},
    {"RegularHexagon", "したがって、正六角形である。", 40, 280, 3},
    {"CircleTerms", "O", 970, 260, 0},
    {"CircleTerms", "中心", 966, 215, 3},
    {"CircleTerms", "円O", 40, 30, 5},
    {"CircleTerms", "…中心がOである円", -1, 30, 0},
    {"CircleTerms", "円周", 40, 80, 3},
    {"CircleTerms", "円周", 1110, 66.8, 3, true},
    {"CircleTerms", "<弧と弦>", 140, 150, 5},
    {"CircleTerms", "弧AB", 40, 220, 5},
    {"CircleTerms", "…AからBまでの円周の部分 ", -1, 220, 0},
    {"CircleTerms", "AB", -1, 220, 3},
    {"CircleTerms", "と表す", -1, 220, 0},
    {"CircleTerms", "弦AB", 40, 270, 5},
    {"CircleTerms", "<作図>", 140, 340, 5},
    {"CircleTerms", "定規とコンパスのみを使って図をかくこと", 40, 390, 0},
    {"CircleTerms", "①定規の役割", 40, 450, 3},
    {"CircleTerms", "②コンパスの役割", 40, 510, 3},
    {"CircleTerms", "…円をかく。等しい長さをとる。線分を移す。", -1, 510, 0},
    {"CircleTerms", "教科書P166 問1 をやろう。", 40, 580, 7},
    {"RulerCompassAnswer", "教科書P166 問1 解答", 40, 30, 3},
    {"RulerCompassAnswer", "問2 をやろう", 40, 100, 7},
    {"RulerCompassAnswer", "A", 813, 225, 0},
    {"RulerCompassAnswer", "B", 1060, 225, 0},
    {"RulerCompassAnswer", "C", 1110, 275, 0},
    {"RulerCompassAnswer", "B", 460, 510, 0, true},
    {"RulerCompassAnswer", "C", 236, 290, 0, true},
    {"CircleSymmetry", "「教科書P167 Q」対称の軸をかき、調べよう。", 40, 30, 3},
    {"CircleSymmetry", "(1)", 40, 100, 0},
    {"CircleSymmetry", "(2)半径が異なるとき", 340, 100, 0},
    {"CircleSymmetry", "(3)半径が等しいとき", 780, 100, 0},
    {"CircleSymmetry", "対称の軸…", 40, 470, 7},
    {"CircleSymmetry", "直径", -1, 470, 3},
    {"CircleSymmetry", "両方の円の中心を通る直線", 340, 470, 3},
    {"CircleSymmetry", "両方の円の中心を通る直線", 780, 470, 3, true},
    {"CircleSymmetry", "円の交点を通る直線", 780, 520, 3},
    {"CircleSymmetry", "四角形ABCD…", 340, 570, 7},
    {"CircleSymmetry", "たこ形", -1, 570, 5},
    {"CircleSymmetry", "四角形ABCD…", 780, 570, 7, true},
    {"CircleSymmetry", "ひし形", -1, 570, 5},
    {"CircleSymmetry", "教科書P167 問1,問2 をやろう。", 40, 620, 3},
    {"TwoCirclesAnswer", "問1 解答", 40, 30, 3},
    {"TwoCirclesAnswer", "M", 877.5, 320, 3},
    {"TwoCirclesAnswer", "(1)", 40, 80, 3},
    {"TwoCirclesAnswer", "APとAQ,", -1, 80, 5},
    {"TwoCirclesAnswer", "PMとQM", -1, 80, 5},
    {"TwoCirclesAnswer", "(2)", 40, 130, 3},
    {"TwoCirclesAnswer", "∠QAB", -1, 130, 5},
    {"TwoCirclesAnswer", "(3)", 40, 180, 3},
    {"TwoCirclesAnswer", "PQ⊥AB", -1, 180, 5},
    {"TwoCirclesAnswer", "問2 をやろう。", 40, 230, 3},
    {"TwoCirclesAnswer", "2つの円の半径が等しい場合", 40, 280, 5},
    {"KiteAndRhombus", "<たこ形の性質>", 40, 30, 3},
    {"KiteAndRhombus", "①", 40, 80, 3},
    {"KiteAndRhombus", "AC=AD,BC=BD", -1, 80, 0},
    {"KiteAndRhombus", "AB⊥CD,CM=DM", -1, 130, 0},
    {"KiteAndRhombus", "∠BAC=∠BAD", -1, 180, 0},
    {"KiteAndRhombus", "M", 990, 130, 3},
    {"KiteAndRhombus", "<ひし形の性質>", 40, 250, 3},
    {"KiteAndRhombus", "①", 40, 300, 3, true},
    {"KiteAndRhombus", "AC=AD=BC=BD", -1, 300, 0},
    {"KiteAndRhombus", "AB⊥CD,CM=DM,AM=BM", -1, 350, 0},
    {"KiteAndRhombus", "∠BAC=∠BAD", -1, 400, 0, true},
    {"KiteAndRhombus", "M", 710, 430, 3, true},
    {"KiteConstruction", "課1 ", 40, 30, 3},
    {"KiteConstruction", "直線l上に2点A,Bをとるとき、たこ形ASBPをかきなさい。", -1, 30, 0},
    {"KiteConstruction", "l", 380, 370, 3},
    {"KiteConstruction", "P", 710, 275, 3},
    {"KiteConstruction", "A", 446, 370, 3},
    {"KiteConstruction", "B", 866, 370, 3},
    {"KiteConstruction", "①", 40, 80, 3},
    {"KiteConstruction", "AP=AS だから ", -1, 80, 0},
    {"KiteConstruction", "Aを中心として、半径APの円をかく。", -1, 80, 3},
    {"KiteConstruction", "②", 40, 130, 3},
    {"KiteConstruction", "BP=BS だから ", -1, 130, 0},
    {"KiteConstruction", "③", 40, 180, 3},
    {"KiteConstruction", "交点をSとして、たこ形ASBPをかく。", -1, 180, 3},
    {"KiteConstruction", "S", 710, 515, 3},
    {"TwoEquidistantPoints", "課2 ", 40, 30, 3},
    {"TwoEquidistantPoints", "l", 780, 340, 3},
    {"TwoEquidistantPoints", "P", 990, 185, 3},
    {"TwoEquidistantPoints", "PA=PB だから ", -1, 80, 0},
    {"TwoEquidistantPoints", "Pを中心として、", -1, 80, 3},
    {"TwoEquidistantPoints", "適当な半径の円をかく。", 74, 130, 3},
    {"TwoEquidistantPoints", "②交点をA,Bとする。", 40, 180, 3},
    {"TwoEquidistantPoints", "A", 846, 340, 5},
    {"TwoEquidistantPoints", "B", 1086, 340, 5},
    {"OneEquidistantPoint", "課3 ", 40, 30, 3},
    {"OneEquidistantPoint", "AS=BS となる点Sを直線lについて、点Pと反対側にかきなさい。", -1, 30, 0},
    {"OneEquidistantPoint", "A", 846, 340, 3},
    {"OneEquidistantPoint", "Aを中心として、", -1, 80, 3},
    {"OneEquidistantPoint", "適当な半径の円をかく。", 74, 130, 3},
    {"OneEquidistantPoint", "②", 40, 180, 3},
    {"OneEquidistantPoint", "①と等しい半径の円をかく。", 74, 230, 3},
    {"OneEquidistantPoint", "③交点をSとする。", 40, 280, 3},
    {"OneEquidistantPoint", "S", 990, 485, 5},
    {"VerticalKite", "課3 ", 40, 30, 3},
    {"VerticalKite", "下図のようなたこ形PASBをかきなさい。", -1, 30, 0},
    {"VerticalKite", "l", 367.5, 480, 3},
    {"VerticalKite", "l", 780, 340, 3, true},
    {"VerticalKite", "P", 545, 370, 3},
    {"VerticalKite", "S", 545, 595, 3},
    {"VerticalKite", "P", 990, 185, 3, true},
    {"VerticalKite", "①", 40, 80, 3},
    {"VerticalKite", "Pを中心として、適当な半径の円をかく。", -1, 80, 3},
    {"VerticalKite", "②交点をA,Bとする。", 40, 130, 3},
    {"VerticalKite", "③", 40, 180, 3},
    {"VerticalKite", "④", 40, 230, 3},
    {"VerticalKite", "AS=BS だから ", -1, 230, 0},
    {"VerticalKite", "③と等しい半径の円をかく。", 74, 280, 3},
    {"VerticalKite", "⑤交点をSとして、", 40, 330, 3},
    {"VerticalKite", "たこ形ASBPをかく。", 74, 380, 3},
    {"VerticalKite", "S", 990, 485, 3, true},
};

class TopicTexts : public testing::TestWithParam<TextCase> {};

TEST_P(TopicTexts, PlaceAndColour) {
    const TextCase& c = GetParam();
    const auto& events = EventsOf(c.topic);
    const json run = c.last ? FindLastRun(events, c.text) : FindRun(events, c.text);
    ASSERT_FALSE(run.is_null()) << "not drawn";
    if (c.x >= 0) EXPECT_TRUE(Near(run["x"], c.x, 0.01)) << "x " << run["x"];
    else EXPECT_GT(run["x"].get<double>(), 40);
    EXPECT_TRUE(Near(run["y"], c.y, 0.01)) << "y " << run["y"];
    EXPECT_EQ(run["color"], c.color);
}

INSTANTIATE_TEST_SUITE_P(Pemmick, TopicTexts, testing::ValuesIn(kTexts));

// ---- Counts and marks of single topics ------------------------------------------------

TEST(RegularHexagon, TwelveTicksAndTheAngleMarksAtTheTopCorner) {
    const auto& ev = EventsOf("RegularHexagon");
    EXPECT_EQ(LinesOfLength(ev, 5, 30), 12);
    // Two 60-degree sectors (outline 0, fill 3) and the 120-degree arc.
    int sectors = 0;
    for (const auto& e : ev)
        sectors += IsCircle(e) && IsFilled(e) && e["fill"] == 3 && e["color"] == 0 && Near(e["x"], 1000) &&
                   Near(e["y"], 100) && Near(e["r"], 30);
    EXPECT_EQ(sectors, 2);
    const auto arc120 = OutlinesAt(ev, 1000, 100, 52, 5);
    ASSERT_EQ(arc120.size(), 1u);
    EXPECT_NEAR(arc120[0]["start"].get<double>(), 1.0 / 12, 1e-4);
    EXPECT_NEAR(arc120[0]["end"].get<double>(), 5.0 / 12, 1e-4);
    EXPECT_EQ(CountRuns(ev, "60%"), 2);
    EXPECT_EQ(FindRun(ev, "120%")["color"], 5);
}

TEST(CircleTerms, TheDotsCloseIntoARingPassByPass) {
    PemmickFixture f(Repeat("x", 19));
    ShowCircleTerms(f.prog);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 20u);
    // Frame k holds what was drawn before key k + 1: the first dots come with
    // the radii, then one pass per key, then a key with no new dot.
    const int expected[] = {1, 0, 13, 13, 15, 19, 25, 37, 73, 181, 0};
    for (int k = 0; k < 11; ++k) EXPECT_EQ(Discs(frames[k], 3, 0).size(), static_cast<std::size_t>(expected[k])) << k;
}

TEST(CircleTerms, TheArcSignOverABIsTenPixelsHigh) {
    const auto& ev = EventsOf("CircleTerms");
    double top = 1e9;
    int dots = 0;
    for (const auto& e : Discs(ev, 0.5, 3))
        if (e.x < 700) {  // not the dots along the chord
            ++dots;
            top = std::min(top, e.y);
        }
    EXPECT_EQ(dots, 181);
    EXPECT_NEAR(top, 210, 0.01);
}

TEST(CircleTerms, TheTwoArcLabelsStandOnOppositeSides) {
    const auto& ev = EventsOf("CircleTerms");
    std::vector<json> labels;
    for (const auto& e : MarkupRuns(ev))
        if (e["text"] == "弧AB" && e["x"].get<double>() > 500) labels.push_back(e);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0]["color"], 5);
    EXPECT_LT(labels[0]["x"].get<double>(), 1000);
    EXPECT_LT(labels[0]["y"].get<double>(), 290);
    EXPECT_EQ(labels[1]["color"], 0);
    EXPECT_GT(labels[1]["x"].get<double>(), 1000);
    EXPECT_GT(labels[1]["y"].get<double>(), 290);
}

TEST(RulerCompassAnswer, ApexAndTheDottedThirdSide) {
    PemmickFixture f(Repeat("x", 15));
    ShowRulerCompassAnswer1(f.prog);
    EXPECT_NEAR(f.prog.PointX(11), 400, 1e-3);
    EXPECT_NEAR(f.prog.PointY(11), 240.19, 0.01);
    const auto dots = Discs(f.Events(), 0.5, 0);
    ASSERT_EQ(dots.size(), 37u);
    EXPECT_TRUE(Near(dots.front().x, 550) && Near(dots.front().y, 500));
    EXPECT_TRUE(Near(dots.back().x, 400, 0.01) && Near(dots.back().y, 240.19, 0.01));
    // The 60-degree sector from the ray to the apex to the base line.
    int sectors = 0;
    for (const auto& e : f.Events())
        sectors += IsCircle(e) && IsFilled(e) && e["fill"] == 5 && Near(e["start"], 0.833333, 1e-5) &&
                   Near(e["end"], 1.0, 1e-5);
    EXPECT_EQ(sectors, 1);
}

TEST(CircleSymmetry, DiametersCrossingPointsTicksAndLabelColours) {
    PemmickFixture f(Repeat("x", 14));
    ShowCircleSymmetryP167(f.prog);
    const auto ev = f.Events();
    EXPECT_TRUE(HasLine(ev, 320, 310, 40, 309.9996, 5, 0.001));
    EXPECT_TRUE(HasLine(ev, 180, 170, 180, 450, 5, 0.01));
    EXPECT_TRUE(HasLine(ev, 360, 310, 780, 310, 5, 0.01));
    EXPECT_TRUE(HasLine(ev, 800, 310, 1240, 310, 5, 0.01));
    EXPECT_TRUE(HasLine(ev, 1020, 180.56, 1020, 439.44, 5, 0.01));
    const Pemmick& p = f.prog;
    EXPECT_NEAR(p.PointX(5), 593.75, 0.01);
    EXPECT_NEAR(p.PointY(5), 235.09, 0.01);
    EXPECT_NEAR(p.PointY(6), 384.91, 0.01);
    EXPECT_NEAR(p.PointX(15), 1020, 0.01);
    EXPECT_NEAR(p.PointY(15), 220.56, 0.01);
    EXPECT_NEAR(p.PointY(16), 399.44, 0.01);
    // Kite: 2 + 2 + 1 + 1 strokes; rhombus: 2 on each side.
    EXPECT_EQ(LinesOfLength(ev, 7, 16), 14);
    std::vector<int> colours;
    for (const auto& e : MarkupRuns(ev))
        if (e["text"] == "A" || e["text"] == "D") colours.push_back(e["color"].get<int>());
    EXPECT_EQ(colours, (std::vector<int>{3, 3, 5, 5}));
}

TEST(TwoCirclesAnswer, CrossingPointsTicksAngleDotsAndRightAngle) {
    PemmickFixture f(Repeat("x", 9));
    ShowTwoCirclesAnswer1(f.prog);
    const auto ev = f.Events();
    const Pemmick& p = f.prog;
    EXPECT_NEAR(p.PointX(5), 907.5, 0.01);
    EXPECT_NEAR(p.PointY(5), 220.19, 0.01);
    EXPECT_NEAR(p.PointY(6), 519.81, 0.01);
    EXPECT_NEAR(p.PointY(7), 370, 0.01);
    EXPECT_EQ(LinesOfLength(ev, 7, 16), 3 + 3 + 2 + 2 + 1 + 1);
    const auto dots = Discs(ev, 8, 7);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_TRUE(Near(dots[0].x, 757.75, 0.01) && Near(dots[0].y, 356.77, 0.01));
    EXPECT_TRUE(Near(dots[1].x, 757.75, 0.01) && Near(dots[1].y, 383.23, 0.01));
    const auto corners = Of(ev, "polyline");
    ASSERT_EQ(corners.size(), 1u);
    EXPECT_EQ(corners[0]["color"], 5);
    std::vector<std::string> labels;
    for (const auto& e : MarkupRuns(ev))
        if (e["text"] == "A" || e["text"] == "Q" || e["text"] == "B" || e["text"] == "P")
            labels.push_back(e["text"].get<std::string>());
    EXPECT_EQ(labels, (std::vector<std::string>{"A", "Q", "B", "P"}));
}

TEST(KiteAndRhombus, AngleDotsAndTicks) {
    const auto& ev = EventsOf("KiteAndRhombus");
    const auto dots = Discs(ev, 8, 7);
    ASSERT_EQ(dots.size(), 4u);
    const double expected[4][2] = {{838.39, 166.21}, {838.39, 193.79}, {558.39, 466.21}, {558.39, 493.79}};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Near(dots[i].x, expected[i][0], 0.01) && Near(dots[i].y, expected[i][1], 0.01)) << i;
    // Kite: 3 + 3 + 2 + 2 and 1 + 1; rhombus: 3 x 4 and 1 + 1 + 2 + 2.
    EXPECT_EQ(LinesOfLength(ev, 7, 30), 12 + 18);
    EXPECT_EQ(Of(ev, "polyline").size(), 2u);
}

TEST(KiteConstruction, LeavesItsPointsInPixelsAndItsCells) {
    PemmickFixture f(Repeat("x", 10));
    ShowKiteConstruction(f.prog);
    const Pemmick& p = f.prog;
    EXPECT_EQ(p.PointX(4), 700);
    EXPECT_EQ(p.PointY(4), 540);
    EXPECT_EQ(p.MarkShift, 1);
    EXPECT_EQ(p.LineColor, 5);
    EXPECT_TRUE(p.MarkLabel.empty());
    // The finished kite A-S-B-P in colour 5.
    const auto ev = f.Events();
    EXPECT_TRUE(HasLine(ev, 460, 420, 700, 540, 5));
    EXPECT_TRUE(HasLine(ev, 880, 420, 700, 300, 5));
}

TEST(VerticalKite, ModelFromItsOwnFrameAndTheConstructionFromTheCells) {
    PemmickFixture f(Repeat("x", 11));
    ShowVerticalKite(f.prog);
    const auto ev = f.Events();
    EXPECT_TRUE(HasLine(ev, 377.5, 530, 692.5, 530, 0));
    EXPECT_TRUE(HasLine(ev, 770, 390, 1190, 390, 0));
    EXPECT_EQ(LinesOfLength(ev, 7, 24), 1 + 1 + 2 + 2);
    const Pemmick& p = f.prog;
    const float want[4][2] = {{860, 390}, {1100, 390}, {980, 210}, {980, 510}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.PointX(i + 1), want[i][0]) << i;
        EXPECT_EQ(p.PointY(i + 1), want[i][1]) << i;
    }
    EXPECT_EQ(p.MarkShift, -1);
    EXPECT_EQ(p.LineColor, 5);
    EXPECT_TRUE(HasLine(ev, 860, 390, 980, 510, 5));
}

}  // namespace
