// Varnel's basic-terms lesson (main-menu item 2) and the entries of both
// lessons on Varnel's main menu: goal screens, refused choices, and each
// topic step by step, run whole on the keys a pupil presses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

const std::string kEnter = "{Enter}";

// The number of keys a script delivers ("{Enter}" is one).
std::size_t KeyCount(const std::string& script) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < script.size(); ++n) {
        if (script[i] == '{') {
            i = script.find('}', i) + 1;
        } else {
            i += 1;
        }
    }
    return n;
}

// ---- Goal screens and refused choices -----------------------------------------

struct EntryCase {
    const char* name;
    std::string item;       // main-menu item
    std::string goal;       // the goal sentence
    std::string caption;    // the topic menu
    std::string refused;    // choices the menu asks again for
    int refusals;
    std::string leave;      // the item back to the main menu
    bool erasesFirst;       // the goal screen erases the screen itself
};

std::ostream& operator<<(std::ostream& os, const EntryCase& c) { return os << c.name; }

class LessonEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(LessonEntries, ShowTheGoalAskAgainForRefusedChoicesAndLeave) {
    const EntryCase& c = GetParam();
    const RunResult r = RunProgramHeadless("varnel", c.item + kEnter + c.refused + c.leave + kEnter + c.item + kEnter +
                                                         c.leave + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // After the item's Enter (frame 2): the main menu's erase, the goal, the caption.
    const auto goal = Frame(r, 2);
    EXPECT_EQ(CountBoxes(goal, 0, 0, 1760, 1800), c.erasesFirst ? 2 : 1);
    const json heading = FindRun(goal, "<めあて>");
    ASSERT_FALSE(heading.is_null());
    EXPECT_EQ(heading["x"], 44);
    EXPECT_EQ(heading["y"], 240);
    EXPECT_EQ(heading["color"], 3);
    const json sentence = FindRun(goal, c.goal);
    ASSERT_FALSE(sentence.is_null());
    EXPECT_EQ(sentence["x"], 44);
    EXPECT_EQ(sentence["y"], 305);
    EXPECT_EQ(sentence["color"], 0);
    const json caption = FindAnyRun(goal, c.caption);
    ASSERT_FALSE(caption.is_null());
    EXPECT_EQ(caption["x"], 16);
    EXPECT_EQ(caption["y"], 666);
    // Each refusal writes the caption again and draws no figure.
    EXPECT_EQ(CountAnyRuns(r.events, c.caption), c.refusals + 2);
    for (std::size_t k = 2; k <= 2 + KeyCount(c.refused); ++k) {
        EXPECT_TRUE(Of(Frame(r, k), "line").empty()) << k;
        EXPECT_TRUE(Of(Frame(r, k), "polyline").empty()) << k;
        EXPECT_EQ(CountBoxes(Frame(r, k), 0, 0, 1760, 1800), k == 2 ? (c.erasesFirst ? 2 : 1) : 0) << k;
    }
    // The goal screen once per visit; the main menu back after each.
    EXPECT_EQ(CountRuns(r.events, c.goal), 2);
    EXPECT_EQ(MenuPanels(r), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, LessonEntries,
    testing::Values(EntryCase{"Introduction", "1", "しきつめ模様をつくってみよう。", " ①P154　②P155　③終了",
                              "0" + kEnter + "4" + kEnter + "-1" + kEnter + kEnter + "1/0" + kEnter, 5, "3", false},
                    EntryCase{"BasicTerms", "2", "直線・角・三角形などを記号で表そう。",
                              "①直線　②交点、角　③平行、垂直　④三角形　⑤終了",
                              "0" + kEnter + "6" + kEnter + "-1" + kEnter + kEnter + "1/0" + kEnter, 5, "5", true}),
    [](const testing::TestParamInfo<EntryCase>& tested) { return std::string(tested.param.name); });

// ---- The topics step by step -------------------------------------------------

// A text expected in the frame after `key` keys of the topic (0: before the
// first key), at (x, y) in `color`.
struct Step {
    std::size_t key;
    std::string text;
    double x, y;
    int color;
};

struct TopicCase {
    const char* name;
    std::string item;
    int keys;                 // the topic's key waits
    std::vector<Step> steps;
};

std::ostream& operator<<(std::ostream& os, const TopicCase& c) { return os << c.name; }

// Main menu "2", Enter; topic item, Enter: the topic's first frame is frame 4.
constexpr std::size_t kFirstFrame = 4;

RunResult RunTopic(const TopicCase& c, const std::string& extra = "") {
    return RunProgramHeadless("varnel", "2" + kEnter + c.item + kEnter + Repeat("x", c.keys) + extra + "5" + kEnter +
                                            "8" + kEnter);
}

class BasicTermsTopics : public testing::TestWithParam<TopicCase> {};

TEST_P(BasicTermsTopics, DrawEachStepAfterItsKey) {
    const TopicCase& c = GetParam();
    const RunResult r = RunTopic(c);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    EXPECT_EQ(CountBoxes(Frame(r, kFirstFrame), 0, 0, 1760, 1800), 1);
    for (const Step& s : c.steps) {
        SCOPED_TRACE(s.text);
        const auto frame = Frame(r, kFirstFrame + s.key);
        const json run = FindRun(frame, s.text);
        ASSERT_FALSE(run.is_null()) << "not drawn after key " << s.key;
        EXPECT_TRUE(Near(run["x"], s.x, 0.05)) << run["x"];
        EXPECT_TRUE(Near(run["y"], s.y, 0.05)) << run["y"];
        EXPECT_EQ(run["color"], s.color);
    }
    // No grid line: every frame is invisible. After the last key the topic
    // menu comes at once, with no further pause.
    for (const auto& e : Of(r.events, "line")) EXPECT_NE(e["color"], 14);
    const auto last = Frame(r, kFirstFrame + static_cast<std::size_t>(c.keys));
    EXPECT_FALSE(FindAnyRun(last, "①直線　②交点、角　③平行、垂直　④三角形　⑤終了").is_null());
    EXPECT_EQ(KeyWaits(last), 0);
}

TEST_P(BasicTermsTopics, StartOverWhenChosenAgain) {
    const TopicCase& c = GetParam();
    const RunResult r = RunTopic(c, c.item + kEnter + Repeat("x", c.keys));
    ASSERT_EQ(r.status, 0) << r.stderrText;
    const std::size_t again = kFirstFrame + static_cast<std::size_t>(c.keys) + 2;
    EXPECT_EQ(CountBoxes(Frame(r, again), 0, 0, 1760, 1800), 1);
    for (const Step& s : c.steps) {
        if (s.key != 0) continue;
        EXPECT_FALSE(FindRun(Frame(r, again), s.text).is_null()) << s.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, BasicTermsTopics,
    testing::Values(
        TopicCase{"Lines",
                  "1",
                  16,
                  {{0, "<直線、線分、半直線、2点間の距離>", 40, 30, 5},
                   {0, "①", 40, 255, 0},
                   {0, "②", 40, 330, 0},
                   {0, "③", 40, 405, 0},
                   {0, "A", 166, 230, 0},
                   {0, "B", 406, 230, 0},
                   {1, "直線", 40, 80, 3},
                   {1, "…まっすぐに限りなくのびている線", 108, 80, 0},
                   {1, "直線AB", 500, 255, 3},
                   {2, "線分AB", 500, 330, 3},
                   {3, "半直線", 40, 180, 3},
                   {3, "半直線AB", 500, 405, 3},
                   {10, "１点を通る直線は何本もある。", 800, 330, 0},
                   {11, "2点を通る直線は1本しかない。", 800, 380, 3},
                   {13, "④2点ABの間の距離", 40, 500, 3},
                   {14, " 線分ABの長さが5cm", 40, 550, 0},
                   {14, "5cm", 259.5, 370, 3},
                   {15, " AB=5cm", 406, 550, 3},
                   {15, " 線分ABと線分CDの長さが等しい", 40, 600, 0},
                   {15, "線分CD", 500, 405, 3},
                   {15, "C", 166, 380, 0},
                   {15, "5cm", 259.5, 445, 7},
                   {16, " AB=CD", 583, 600, 3}}},
        TopicCase{"Angles",
                  "2",
                  4,
                  {{0, "<角の表し方>", 78, 30, 5},
                   {0, "図1", 880, 60, 7},
                   {0, "A", 1058, 30, 3},
                   {0, "B", 820, 240, 3},
                   {0, "C", 1108, 235, 3},
                   {0, "①図1のような角を角ABCといい、", 40, 80, 0},
                   {0, "∠ABC", 78, 130, 3},
                   {0, "と表す。", 78 + 34 + 3 * 27, 130, 0},
                   {1, "b", 886.69, 218.10, 3},
                   {1, "②∠ABCを", 40, 180, 0},
                   {1, "∠b", 40 + 2 * 34 + 3 * 27 + 34 + 27 + 34 + 34, 180, 3},
                   {2, "③", 40, 230, 0},
                   {2, "∠ABC=45%", 74, 230, 3},
                   {2, "と大きさを表すこともある。", 74 + 34 + 3 * 27 + 32 + 2 * 27 + 12, 230, 0},
                   {2, "45%", 912.92, 206.62, 3},
                   {3, "<交点>", 78, 310, 5},
                   {3, "図2", 880, 330, 7},
                   {3, "D", 820, 350, 3},
                   {3, "G", 1158, 355, 3},
                   {3, "O", 986, 492, 5},
                   {4, "図1の", 40, 360, 0},
                   {4, "交点", 40 + 34 * 3 + 27 + 34 * 6, 410, 3}}},
        TopicCase{"PerpendicularAndParallel",
                  "3",
                  9,
                  {{0, "<垂直・垂線>", 78, 30, 5},
                   {0, "図1", 880, 60, 7},
                   {0, "A", 808, 200, 3},
                   {0, "D", 1008, 260, 3},
                   {0, "①2直線AB,CDが交わってできる角が", 40, 80, 0},
                   {0, "直角であるとき、ABとCDは", 78, 130, 0},
                   {1, "垂直", 78 + 34 * 8 + 2 * 27 + 34 + 2 * 27 + 34, 130, 3},
                   {1, "あるといい、", 78, 180, 0},
                   {2, "AB⊥CD", 78 + 34 * 6, 180, 5},
                   {3, "②CDをABの", 40, 230, 0},
                   {4, "垂線", 40 + 34 + 2 * 27 + 34 + 2 * 27 + 34, 230, 3},
                   {5, "<平行>", 78, 310, 5},
                   {5, "図2", 880, 330, 7},
                   {5, "C", 850, 588, 3},
                   {6, "①2直線AB,CDが交わらないとき、", 40, 360, 0},
                   {6, "ABとCDは", 78, 410, 0},
                   {7, "平行", 78 + 2 * 27 + 34 + 2 * 27 + 34, 410, 3},
                   {8, "AB∥CD", 78, 460, 5},
                   {9, "②直線AB,CDを", 40, 510, 0},
                   {9, "と表すこともある。", 78, 560, 0},
                   {9, " m∥n", 78 + 34 * 9, 560, 3},
                   {9, "m", 810, 405, 7},
                   {9, "n", 810, 555, 7}}},
        TopicCase{"PolygonsAndTriangles",
                  "4",
                  9,
                  {{0, "<多角形>", 78, 30, 5},
                   {0, "①いくつかの線分で囲まれた", 40, 80, 0},
                   {0, "図形を", 78, 130, 0},
                   {0, "多角形", 78 + 34 * 3, 130, 3},
                   {2, "<三角形>", 78, 210, 5},
                   {3, "①3つの線分で囲まれた図形を", 40, 260, 0},
                   {3, "三角形", 78, 310, 3},
                   {4, "②３点A,B,Cを頂点とする", 40, 360, 0},
                   {4, "三角形ABCを", 78, 410, 0},
                   {5, "△ABC", 78 + 34 * 3 + 3 * 27 + 34, 410, 5},
                   {6, "③辺ABと辺ACが等しい", 40, 460, 0},
                   {6, "ことを", 78, 510, 0},
                   {7, "AB=AC", 78 + 34 * 3, 510, 5},
                   {8, "④∠ABCと∠ACBが等しい", 40, 560, 0},
                   {9, "∠ABC=∠ACB", 78 + 34 * 3, 610, 5}}}),
    [](const testing::TestParamInfo<TopicCase>& tested) { return std::string(tested.param.name); });

// ---- Figures of the topics -----------------------------------------------------

TEST(LinesTopic, DrawsOneLineThroughThePointPerKeyAndTheArcsUnderTheSegments) {
    const RunResult r = RunProgramHeadless("varnel", "2" + kEnter + "1" + kEnter + Repeat("x", 16) + "5" + kEnter +
                                                         "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // Key 4 shows the centre dot alone; keys 5 to 10 each add one line of 320 px.
    const auto dotOnly = Frame(r, kFirstFrame + 4);
    EXPECT_TRUE(Of(dotOnly, "line").empty());
    ASSERT_EQ(Of(dotOnly, "circle").size(), 1u);
    EXPECT_EQ(Of(dotOnly, "circle")[0]["r"], 8);
    const double ends[6][4] = {{1138.56, 95, 861.44, 255},   {1080, 36.44, 920, 313.56}, {1000, 15, 1000, 335},
                               {920, 36.44, 1080, 313.56},  {861.44, 95, 1138.56, 255}, {840, 175, 1160, 175}};
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const auto frame = Frame(r, kFirstFrame + 5 + k);
        const auto lines = Of(frame, "line");
        ASSERT_GE(lines.size(), 1u);
        EXPECT_TRUE(IsLine(lines[0], ends[k][0], ends[k][1], ends[k][2], ends[k][3], 0, 0.05)) << lines[0];
    }
    // The line through two points, in colour 5.
    EXPECT_TRUE(HasLine(Frame(r, kFirstFrame + 11), 1231.82, 112.88, 806.81, 226.76, 5, 0.05));
    // Row 3 cleared by corners (0, 380) and (660, 910).
    EXPECT_EQ(CountBoxes(Frame(r, kFirstFrame + 12), 0, 380, 660, 910), 1);
    // The dotted arc under AB: 23 dots in colour 3 of radius 0.5, the last at y 356.
    std::vector<json> dots;
    for (const auto& e : Of(Frame(r, kFirstFrame + 13), "circle"))
        if (e["r"] == 0.5) dots.push_back(e);
    ASSERT_EQ(dots.size(), 23u);
    for (const auto& e : dots) EXPECT_EQ(e["color"], 3);
    EXPECT_TRUE(Near(dots.back()["y"], 356, 0.1)) << dots.back();
    EXPECT_TRUE(Near(dots[11]["y"], 370, 0.5)) << dots[11];
}

TEST(AnglesTopic, CrossingPointOAndTheSectorsAtB) {
    const RunResult r = RunProgramHeadless("varnel", "2" + kEnter + "2" + kEnter + "xxxx" + "5" + kEnter + "8" + kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // Sectors of radius 30, then 60, filled 3, outlined 0, about B (850, 260).
    std::vector<json> sectors;
    for (const auto& e : r.Of("circle"))
        if (e.value("filled", false) && e["fill"] == 3) sectors.push_back(e);
    ASSERT_EQ(sectors.size(), 2u);
    EXPECT_EQ(sectors[0]["r"], 30);
    EXPECT_EQ(sectors[1]["r"], 60);
    for (const auto& e : sectors) {
        EXPECT_TRUE(Near(e["x"], 850) && Near(e["y"], 260)) << e;
        EXPECT_EQ(e["color"], 0);
    }
    // Figure 2's lines DE and FG; O below their crossing at (1000, 480).
    const auto figure2 = Frame(r, kFirstFrame + 3);
    EXPECT_TRUE(HasLine(figure2, 850, 380, 1150, 580, 0));
    EXPECT_TRUE(HasLine(figure2, 850, 580, 1150, 380, 0));
}

TEST(PerpendicularTopic, RightAngleMarkAndChevrons) {
    const RunResult r = RunProgramHeadless("varnel", "2" + kEnter + "3" + kEnter + Repeat("x", 9) + "5" + kEnter + "8" +
                                                         kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // The square corner at the crossing (1000, 200), side 30, colour 5.
    bool corner = false;
    for (const auto& e : Of(Frame(r, kFirstFrame), "polyline")) {
        if (e["color"] != 5) continue;
        const auto& pts = e["points"];
        corner = pts.size() == 3 && Near(pts[0][0], 1000) && Near(pts[0][1], 170) && Near(pts[1][0], 1030) &&
                 Near(pts[1][1], 170) && Near(pts[2][0], 1030) && Near(pts[2][1], 200);
        corner = corner || (pts.size() == 3 && Near(pts[2][0], 1000) && Near(pts[2][1], 170) && Near(pts[1][0], 1030) &&
                            Near(pts[1][1], 170) && Near(pts[0][0], 1030) && Near(pts[0][1], 200));
    }
    EXPECT_TRUE(corner);
    // One chevron on each line of figure 2, tip 16 px past the quarter point.
    const auto figure2 = Frame(r, kFirstFrame + 5);
    EXPECT_TRUE(HasLine(figure2, 928.5, 442.5, 953.5, 430, 3));
    EXPECT_TRUE(HasLine(figure2, 928.5, 417.5, 953.5, 430, 3));
    EXPECT_TRUE(HasLine(figure2, 928.5, 592.5, 953.5, 580, 3));
    EXPECT_TRUE(HasLine(figure2, 928.5, 567.5, 953.5, 580, 3));
}

TEST(TrianglesTopic, EqualSidesAndEqualAngles) {
    const RunResult r = RunProgramHeadless("varnel", "2" + kEnter + "4" + kEnter + Repeat("x", 9) + "5" + kEnter + "8" +
                                                         kEnter);
    ASSERT_EQ(r.status, 0) << r.stderrText;
    // Two ticks on each of AB and AC, 24 px long, colour 5, centred 8 and 16 px past the midpoint.
    const auto ticks = Of(Frame(r, kFirstFrame + 6), "line");
    ASSERT_EQ(ticks.size(), 4u);
    const double centres[4][2] = {{756.4, 487.2}, {752.8, 494.3}, {883.6, 487.2}, {887.2, 494.3}};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ticks[k]["color"], 5);
        const double cx = (ticks[k]["x1"].get<double>() + ticks[k]["x2"].get<double>()) / 2;
        const double cy = (ticks[k]["y1"].get<double>() + ticks[k]["y2"].get<double>()) / 2;
        EXPECT_NEAR(cx, centres[k][0], 0.1);
        EXPECT_NEAR(cy, centres[k][1], 0.1);
    }
    // The base angles: sectors of radius 40 at B and C, filled 5, no label.
    std::vector<json> sectors;
    for (const auto& e : Of(Frame(r, kFirstFrame + 8), "circle"))
        if (e.value("filled", false) && e["fill"] == 5) sectors.push_back(e);
    ASSERT_EQ(sectors.size(), 2u);
    EXPECT_TRUE(Near(sectors[0]["x"], 700) && Near(sectors[0]["y"], 600));
    EXPECT_TRUE(Near(sectors[1]["x"], 940) && Near(sectors[1]["y"], 600));
    EXPECT_EQ(sectors[0]["r"], 40);
    EXPECT_EQ(CountRuns(Frame(r, kFirstFrame + 8), "A") + CountRuns(Frame(r, kFirstFrame + 8), "B"), 0);
}

}  // namespace
