// Topics 1, 3 and 4 of the rotation lesson key by key: the turning question
// on the hexagon pattern, the constructed answer to question 6 and the half
// turn of question 7.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessons/varnel/varnel.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

// The erase of the hexagon's figure area.
int HexagonErases(const std::vector<json>& events) { return CountBoxes(events, 640, 70, 2240, 2470); }

// Segments in colour 7 at pen width 7: the turning copy of ウ.
std::vector<json> CopySides(const std::vector<json>& events) { return LinesOf(events, 7, 7); }

// How near the texts of these topics must come to their places (pixels).
const double kTextPlace = 0.05;

// ---- Topic 1 ---------------------------------------------------------------------

TEST(RotationQuestionP145, QuestionsBeforeTheTurn) {
    VarnelFixture f("abcd");
    RunUntilKeysEnd(f, ShowRotationQuestionP145);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 5u);
    ExpectRun(frames[0], "三角形ウをどのように移動させればエに重なるだろう。", 30, 20, 3, kTextPlace);
    ExpectRun(frames[0], "ウ", 880, 255, 3, kTextPlace);
    EXPECT_TRUE(FindRun(frames[0], "A'").is_null());
    ExpectRun(frames[1], "(1)", 30, 70, 7, kTextPlace);
    ExpectRun(frames[1], "A',C'はどこ？", 111, 70, 0, kTextPlace);
    ExpectRun(frames[2], "A'", 926, 594, 3, kTextPlace);
    ExpectRun(frames[2], "C'", 822.08, 360, 3, kTextPlace);
    ExpectRun(frames[3], "(2)", 30, 120, 7, kTextPlace);
    ExpectRun(frames[3], "三角形ウを", 111, 120, 0, kTextPlace);
    ExpectRun(frames[3], "三角形エに重ねる移動は？", 84, 170, 0, kTextPlace);
    // The copy of ウ over ウ, and the prompt.
    const auto sides = CopySides(frames[4]);
    ASSERT_EQ(sides.size(), 3u);
    EXPECT_TRUE(IsLine(sides[0], 732.15, 230, 940, 230, 7, 0.01));
    EXPECT_TRUE(f.prog.TextCell.empty());
}

struct TurnCase {
    const char* name;
    int steps;
    float ax, ay, cx, cy;   // where the copy's A and C are drawn
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.name; }

class RotationHexagonTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(RotationHexagonTurn, EachKeyTurnsTheCopyTenDegreesAboutB) {
    const TurnCase& c = GetParam();
    VarnelFixture f("abcd" + Repeat("x", c.steps));
    RunUntilKeysEnd(f, ShowRotationQuestionP145);
    const auto last = Frames(f.Events()).back();
    EXPECT_EQ(HexagonErases(last), c.steps > 0 ? 1 : 0);
    const auto sides = CopySides(last);
    ASSERT_EQ(sides.size(), 3u);
    // Sides A-C, C-B, B-A of the copy.
    EXPECT_TRUE(IsLine(sides[0], c.ax, c.ay, c.cx, c.cy, 7, 0.05)) << sides[0];
    EXPECT_TRUE(IsLine(sides[1], c.cx, c.cy, 940, 350, 7, 0.05)) << sides[1];
    // The pattern and its seven labels are drawn under it on every step.
    EXPECT_FALSE(FindRun(last, "エ").is_null());
    EXPECT_FALSE(FindRun(last, "C'").is_null());
    EXPECT_EQ(f.prog.EntryValue, 5);
}

INSTANTIATE_TEST_SUITE_P(Varnel, RotationHexagonTurn,
                         testing::Values(TurnCase{"None", 0, 732.15f, 230, 940, 230},
                                         TurnCase{"SixOnTheNextPair", 6, 732.15f, 470, 836.08f, 290},
                                         TurnCase{"TwelveOnE", 12, 940, 590, 836.08f, 410},
                                         TurnCase{"ThirtySixBackOnU", 36, 732.15f, 230, 940, 230}),
                         [](const testing::TestParamInfo<TurnCase>& tp) { return std::string(tp.param.name); });

TEST(RotationQuestionP145, OneEndsTheTurnAndTheAnswerFollows) {
    // "1" at the first prompt, then the three pauses of the answer.
    VarnelFixture f("abcd1efg");
    RunUntilKeysEnd(f, ShowRotationQuestionP145);
    Varnel& p = f.prog;
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 9u);
    // The answer screen: the area erased, the pattern, エ outlined in colour 7,
    // and no copy of ウ.
    const auto& answer = frames[5];
    EXPECT_EQ(HexagonErases(answer), 1);
    EXPECT_TRUE(CopySides(answer).empty());
    const auto outlines = Of(answer, "polyline");
    ASSERT_FALSE(outlines.empty());
    EXPECT_EQ(outlines.back()["color"], 7);
    EXPECT_EQ(outlines.back()["points"].size(), 4u);
    // The angle: one arc of radius 72 about B from the ray BA' to the ray BA.
    for (std::size_t k : {6u, 7u}) {
        const auto arcs = Of(frames[k], "circle");
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(arcs[0]["r"], 72);
        EXPECT_EQ(arcs[0]["color"], 5);
        EXPECT_EQ(arcs[0]["width"], 7);
        EXPECT_NEAR(arcs[0]["start"].get<double>(), 0.25, 1e-4);
        EXPECT_NEAR(arcs[0]["end"].get<double>(), 0.5833, 1e-4);
    }
    EXPECT_TRUE(FindRun(frames[6], "120%").is_null());
    const json label = FindRun(frames[7], "120%");
    ASSERT_FALSE(label.is_null());
    EXPECT_NEAR(label["x"].get<double>(), 784, 0.5);
    EXPECT_NEAR(label["y"].get<double>(), 399, 0.5);
    EXPECT_EQ(label["color"], 5);
    ExpectRun(frames[8], "三角形アを点Bを中心として、", 84, 220, 5, kTextPlace);
    ExpectRun(frames[8], "反時計回りに120°だけ回転させる。", 84, 270, 5, kTextPlace);
    // What the topic leaves behind: the step taken on "1" (one past ウ).
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.PenColor, 5);
    EXPECT_EQ(p.TextLineY, 270);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 7);
    EXPECT_NEAR(p.PointDirection(1), (150 + 10) * 3.14159f / 180, 1e-5);
}

// ---- Topic 3 ---------------------------------------------------------------------

TEST(RotationAnswer6, OneConstructionStepPerKeyThenTheWholeAnswer) {
    VarnelFixture f("abcdefgh");
    RunUntilKeysEnd(f, ShowRotationAnswer6);
    Varnel& p = f.prog;
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 9u);
    ExpectRun(frames[0], "問6 解答", 78, 30, 3, kTextPlace);
    ExpectRun(frames[0], "O", 605, 460, 5, kTextPlace);
    EXPECT_FALSE(FindRun(frames[0], "C").is_null());
    EXPECT_TRUE(Of(frames[0], "polyline").empty());   // no grid, no set square yet
    EXPECT_TRUE(HasLine(frames[1], 635, 460, 905, 235, 0));
    const auto square = Of(frames[2], "polyline");
    ASSERT_EQ(square.size(), 2u);
    EXPECT_EQ(square[0]["fill"], 14);
    EXPECT_NEAR(p.SetSquareAngle, 2.2655, 1e-3);
    EXPECT_TRUE(HasLine(frames[3], 630, 460, 360, 136, 7));
    const double centres[2] = {0.8894, 0.6394};
    for (int k = 0; k < 2; k++) {
        const auto arcs = Of(frames[4 + k], "circle");
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_NEAR(arcs[0]["r"].get<double>(), 351.46, 0.01);
        EXPECT_NEAR(arcs[0]["start"].get<double>(), centres[k] - 0.03, 1e-4);
        EXPECT_NEAR(arcs[0]["end"].get<double>(), centres[k] + 0.03, 1e-4);
        EXPECT_EQ(arcs[0]["color"], 5);
    }
    ExpectRun(frames[6], "A'", 390, 140, 5, kTextPlace);
    // The seventh key clears the construction and shows the answer.
    const auto& answer = frames[7];
    EXPECT_EQ(CountBoxes(answer, 320, 100, 1040, 550), 1);
    for (const auto& end : {std::pair{905.0, 235.0}, {410.0, 190.0}, {725.0, 460.0}, {635.0, 370.0}})
        EXPECT_TRUE(HasLine(answer, 635, 460, end.first, end.second, 0)) << end.first;
    EXPECT_TRUE(HasLine(answer, 410, 190, 635, 370, 5));
    EXPECT_FALSE(FindRun(answer, "C'").is_null());
    EXPECT_TRUE(HasLine(answer, 360, 136, 630, 460, 7) == false);
    ExpectRun(frames[8], "教科書P160 問7 をやろう。 ", 78, 480, 7, kTextPlace);
    EXPECT_EQ(p.PointLabel(1), "A'");
}

// ---- Topic 4 ---------------------------------------------------------------------

TEST(RotationAnswer7, TheHalfTurnAndItsName) {
    VarnelFixture f("ab");
    RunUntilKeysEnd(f, ShowRotationAnswer7);
    Varnel& p = f.prog;
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(CountBoxes(frames[0], 646, 0, 1846, 1800), 1);
    EXPECT_NEAR(p.PointX(4), 1216, 0.01);
    EXPECT_NEAR(p.PointY(4), 300, 0.01);
    EXPECT_NEAR(p.PointX(5), 991, 0.01);
    EXPECT_NEAR(p.PointY(5), 222.06, 0.01);
    EXPECT_NEAR(p.PointX(6), 1060.91, 0.01);
    EXPECT_NEAR(p.PointY(6), 396.42, 0.01);
    // Each vertex joined to its image through O, a colour per pair.
    EXPECT_TRUE(HasLine(frames[0], 676, 300, 946, 300, 7, 0.01));
    EXPECT_TRUE(HasLine(frames[0], 1216, 300, 946, 300, 7, 0.01));
    EXPECT_TRUE(HasLine(frames[0], 991, 222.06, 946, 300, 9, 0.01));
    EXPECT_TRUE(HasLine(frames[0], 1060.91, 396.42, 946, 300, 11, 0.01));
    EXPECT_TRUE(HasLine(frames[0], 1216, 300, 991, 222.06, 5, 0.01));
    ExpectRun(frames[0], "O", 946, 300, 0, kTextPlace);
    ExpectRun(frames[0], "問7 解答", 78, 30, 3, kTextPlace);
    ExpectRun(frames[1], "△ABCを、点Oを中心として180°だけ", 78, 80, 5, kTextPlace);
    ExpectRun(frames[1], "回転移動させれば、△A'B'C'に重なる。", 78, 130, 5, kTextPlace);
    ExpectRun(frames[2], "  <点対称移動>", 40, 380, 3, kTextPlace);
    ExpectRun(frames[2], "回転移動の中で、特に、１８０°の回転移動", 78, 430, 0, kTextPlace);
}

}  // namespace
