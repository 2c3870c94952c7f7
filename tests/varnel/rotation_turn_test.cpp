// Topic 2 of the rotation lesson: the set-up, the image after any number of
// arrow presses, the turn arcs (full circles at whole turns), what other keys
// do, the question to turn again, and the properties with their sectors and
// ticks.
#include <gtest/gtest.h>

#include <cmath>
#include <array>
#include <numbers>
#include <string>
#include <vector>

#include "lessons/varnel/varnel.h"
#include "text/text.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

const std::string kRight = "{Right}", kLeft = "{Left}", kEnter = "{Enter}";
const char* const kPrompt = "△ABC を ←→で動かす。Enterキーで終了";

// The redraw's erase of the figure area.
int FigureErases(const std::vector<json>& events) { return CountBoxes(events, 600, 0, 1846, 1800); }

// The turn arcs (or circles) of the vertices in `events`: radius 262 for A,
// 82 for B, 142 for C.
std::vector<json> TurnArcs(const std::vector<json>& events, double r) {
    std::vector<json> out;
    for (const auto& e : Of(events, "circle"))
        if (e["filled"] == false && Near(e["r"], r)) out.push_back(e);
    return out;
}

// The filled sectors of radius 50 about O.
std::vector<json> Sectors(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : Of(events, "circle"))
        if (e["filled"] == true && Near(e["r"], 50)) out.push_back(e);
    return out;
}

// Whether a message-bar text was written in `events`.
bool ShowsMessage(const std::vector<json>& events, const std::string& text) {
    for (const auto& e : Of(events, "run"))
        if (e.value("text", "") == text) return true;
    return false;
}

// The keys of a turn: n presses of → (n > 0) or of ← (n < 0).
std::string Presses(int n) { return n >= 0 ? Repeat(kRight, n) : Repeat(kLeft, -n); }

// ---- Set-up -----------------------------------------------------------------

TEST(RotationFigure, SetUpPlacesOAndTheTriangleAndPutsTheImageOnIt) {
    VarnelFixture f;
    Varnel& p = f.prog;
    SetUpRotationFigure(p);
    EXPECT_EQ(p.GridLeft, 646);
    EXPECT_EQ(p.GridBottom, 600);
    EXPECT_EQ(p.LineColor, 15);
    EXPECT_EQ(p.CellSize, 30);
    EXPECT_EQ(p.PointX(10), 946);
    EXPECT_EQ(p.PointY(10), 300);
    const float want[3][2] = {{676, 300}, {901, 377.94f}, {831.09f, 203.58f}};
    for (int i = 1; i <= 3; i++) {
        EXPECT_NEAR(p.PointX(i), want[i - 1][0], 0.01);
        EXPECT_NEAR(p.PointY(i), want[i - 1][1], 0.01);
        EXPECT_EQ(p.PointX(i + 3), p.PointX(i));
        EXPECT_EQ(p.PointY(i + 3), p.PointY(i));
        EXPECT_FLOAT_EQ(p.PointDirection(i + 3), p.PointDirection(i) - 2 * 3.14159f);
    }
    EXPECT_EQ(p.PointAngle(1), 270);
    EXPECT_EQ(p.PointAngle(2), 90);
    EXPECT_EQ(p.PointAngle(3), 150);
    // Pi = 3.14159 leaves A a hair above O's level.
    EXPECT_NE(p.PointY(1), 300);
    // Nothing drawn.
    EXPECT_TRUE(f.Events("line").empty());
}

// ---- The image and its arcs after n presses -------------------------------

struct TurnCase {
    const char* name;
    std::string keys;
    int clockwise;   // net presses of →, less those of ←
};

std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.name; }

class RotationTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(RotationTurn, ImageAndArcsFollowTheNetPresses) {
    const TurnCase& c = GetParam();
    VarnelFixture f(c.keys);
    RunUntilKeysEnd(f, ShowRotationDefinition);
    Varnel& p = f.prog;
    EXPECT_EQ(p.RotationPresses, c.clockwise);
    const int steps = ((c.clockwise % 36) + 36) % 36;
    const bool whole = steps == 0;
    const double dist[3] = {270, 90, 150};
    const double deg[3] = {180, 240, 140};
    for (int i = 1; i <= 3; i++) {
        const double t = (deg[i - 1] - 10.0 * c.clockwise) * std::numbers::pi / 180;
        EXPECT_NEAR(p.PointX(i + 3), 946 + dist[i - 1] * std::cos(t), 0.05) << "vertex " << i;
        EXPECT_NEAR(p.PointY(i + 3), 300 - dist[i - 1] * std::sin(t), 0.05) << "vertex " << i;
        if (whole) {
            EXPECT_EQ(p.PointX(i + 3), p.PointX(i));
            EXPECT_EQ(p.PointY(i + 3), p.PointY(i));
        }
    }
    EXPECT_EQ(p.PointX(4) == p.PointX(1), whole);

    // The last picture: one arc per vertex, clockwise from the vertex to its
    // image, or the full circle at a whole turn.
    const auto last = Frames(f.Events()).back();
    EXPECT_EQ(FigureErases(last), 1);
    const double radius[3] = {262, 82, 142};
    for (int i = 1; i <= 3; i++) {
        SCOPED_TRACE(i);
        const auto arcs = TurnArcs(last, radius[i - 1]);
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(arcs[0]["color"], 2 * i + 5);
        EXPECT_EQ(arcs[0]["width"], 4);
        if (whole) {
            EXPECT_EQ(arcs[0]["start"], 0);
            EXPECT_EQ(arcs[0]["end"], 0);
        } else {
            const double start = 1 - deg[i - 1] / 360;
            double end = start + steps / 36.0;
            if (end > 1) end -= 1;
            EXPECT_NEAR(arcs[0]["start"].get<double>(), start, 1e-4);
            // At the 0/1 seam either end is the same ray.
            const double got = arcs[0]["end"].get<double>();
            EXPECT_TRUE(std::fabs(got - end) < 1e-4 || std::fabs(std::fabs(got - end) - 1) < 1e-4) << got;
        }
    }
    // The image in colour 5 with its letters, or in colour 3 without.
    const json a = FindLastRun(last, "A'");
    EXPECT_EQ(a.is_null(), whole);
    if (!whole) {
        EXPECT_EQ(a["color"], 5);
        // The whole label lies inside the erased area.
        EXPECT_GT(a["x"].get<double>(), 600);
    }
    // The prompt saved pen width 5 to put back.
    EXPECT_EQ(p.SavedDrawWidth, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Varnel, RotationTurn,
    testing::Values(TurnCase{"NoKey", "", 0}, TurnCase{"OneRight", kRight, 1}, TurnCase{"OneLeft", kLeft, -1},
                    TurnCase{"TwelveRight", Presses(12), 12}, TurnCase{"EighteenRight", Presses(18), 18},
                    TurnCase{"EighteenLeft", Presses(-18), -18}, TurnCase{"ThirtySixRight", Presses(36), 36},
                    TurnCase{"ThirtySixLeft", Presses(-36), -36},
                    TurnCase{"EighteenAndBack", Presses(18) + Presses(-18), 0},
                    TurnCase{"ThirtySevenRight", Presses(37), 37},
                    TurnCase{"SeventyTwoLeft", Presses(-72), -72}),
    [](const testing::TestParamInfo<TurnCase>& tp) { return std::string(tp.param.name); });

// Thousands of presses: the image stands exactly where 10° a press puts it
// (no drift however long the turn, no jump at a whole turn), the picture after
// n presses is the one after n mod 36, and the image's directions still
// carry the sum of the steps, one single-precision step a press.
class RotationLongTurn : public testing::TestWithParam<int> {};

TEST_P(RotationLongTurn, ImageStaysOnItsPlace) {
    const int n = GetParam();
    VarnelFixture f(Presses(n), false);
    RunUntilKeysEnd(f, ShowRotationDefinition);
    const Varnel& p = f.prog;
    ASSERT_EQ(p.RotationPresses, n);
    const int steps = ((n % 36) + 36) % 36;
    VarnelFixture within(Presses(steps), false);
    RunUntilKeysEnd(within, ShowRotationDefinition);
    const double dist[3] = {270, 90, 150};
    const double deg[3] = {180, 240, 140};
    for (int i = 1; i <= 3; i++) {
        SCOPED_TRACE(i);
        const double t = (deg[i - 1] - 10.0 * steps) * std::numbers::pi / 180;
        EXPECT_NEAR(p.PointX(i + 3), 946 + dist[i - 1] * std::cos(t), 0.01);
        EXPECT_NEAR(p.PointY(i + 3), 300 - dist[i - 1] * std::sin(t), 0.01);
        EXPECT_EQ(p.PointX(i + 3), within.prog.PointX(i + 3));
        EXPECT_EQ(p.PointY(i + 3), within.prog.PointY(i + 3));
        float direction = p.PointDirection(i) - 2 * p.Pi;
        for (int k = 0; k < std::abs(n); k++) direction += n > 0 ? -p.AngleStep : p.AngleStep;
        EXPECT_EQ(p.PointDirection(i + 3), direction);
    }
}

INSTANTIATE_TEST_SUITE_P(Varnel, RotationLongTurn, testing::Values(1001, -1001, 5003, 5004, 5005),
                         [](const testing::TestParamInfo<int>& tp) {
                             return (tp.param < 0 ? "Left" : "Right") + std::to_string(std::abs(tp.param));
                         });

TEST(RotationTurn, FirstPictureShowsTheDefinitionAndTheFigure) {
    VarnelFixture f;
    RunUntilKeysEnd(f, ShowRotationDefinition);
    const auto events = f.Events();
    const struct {
        const char* text;
        float x, y;
        int color;
    } lines[] = {{" <回転移動>", 66, 15, 3},          {"①", 30, 65, 3},
                 {"図形を、1つの点Oを中心として、", 66, 65, 0}, {"一定の角度だけ回転させる移動", 66, 115, 0},
                 {"②", 30, 165, 3},                 {"中心とする点…", 66, 165, 0},
                 {"回転の中心", 304, 165, 3}};
    for (const auto& l : lines) {
        const json run = FindRun(events, l.text);
        ASSERT_FALSE(run.is_null()) << l.text;
        EXPECT_NEAR(run["x"].get<double>(), l.x, 0.01) << l.text;
        EXPECT_EQ(run["y"], l.y) << l.text;
        EXPECT_EQ(run["color"], l.color) << l.text;
    }
    EXPECT_TRUE(IsBox(events[0], 0, 0, 1600, 1800, 15, 15));
    // The figure follows at once: △ABC in colour 3 with its letters, the
    // image on it, full circles, spokes, O.
    EXPECT_EQ(Frames(events).size(), 1u);
    EXPECT_FALSE(FindRun(events, "A").is_null());
    EXPECT_TRUE(FindRun(events, "A'").is_null());
    EXPECT_TRUE(HasLine(events, 676, 300, 946, 300, 7, 0.01));
    const json o = FindRun(events, "O");
    ASSERT_FALSE(o.is_null());
    EXPECT_EQ(o["x"], 946);
    EXPECT_EQ(o["y"], 300);
    EXPECT_TRUE(ShowsMessage(events, kPrompt));
    // The definition's longest line ends left of the redraw's erase.
    VarnelFixture g;
    g.prog.TextCell = "図形を、1つの点Oを中心として、";
    g.prog.PenX = 66;
    DrawMarkupText(g.prog);
    EXPECT_LT(g.prog.PenX, 600);
}

TEST(RotationTurn, OtherKeysRedrawNothingAndAskAgain) {
    VarnelFixture f(kRight + "1 a{Up}{Down}{BS}");
    RunUntilKeysEnd(f, ShowRotationDefinition);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 8u);
    EXPECT_EQ(FigureErases(frames[1]), 1);
    for (std::size_t k = 2; k < frames.size(); ++k) {
        EXPECT_EQ(FigureErases(frames[k]), 0) << k;
        EXPECT_TRUE(Of(frames[k], "line").empty()) << k;
        EXPECT_TRUE(ShowsMessage(frames[k], kPrompt)) << k;
    }
    EXPECT_EQ(f.prog.RotationPresses, 1);
}

// ---- The question to turn again -----------------------------------------------

TEST(RotationTurnAgain, TheKeyAfterTheMessageDecides) {
    // "1" closes the message, "x" decides: the properties begin.
    VarnelFixture goOn(kRight + kEnter + "1x");
    RunUntilKeysEnd(goOn, ShowRotationDefinition);
    auto frames = Frames(goOn.Events());
    EXPECT_TRUE(ShowsMessage(frames[2], "もう一度動かすなら１を入力"));
    EXPECT_FALSE(FindRun(frames.back(), "OAとOA'の関係は").is_null());

    // "x" closes the message, "1" decides: the prompt again over the same
    // figure, and turning goes on from where it stood.
    VarnelFixture again(kRight + kEnter + "x1" + kRight);
    RunUntilKeysEnd(again, ShowRotationDefinition);
    frames = Frames(again.Events());
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(FigureErases(frames[4]), 0);
    EXPECT_TRUE(ShowsMessage(frames[4], kPrompt));
    EXPECT_TRUE(FindRun(frames[4], "OAとOA'の関係は").is_null());
    EXPECT_EQ(FigureErases(frames[5]), 1);
    EXPECT_EQ(again.prog.RotationPresses, 2);
    EXPECT_NEAR(again.prog.PointDirection(4), 3.14159f - 2 * 3.14159f - 2 * 3.14159f / 18, 1e-5);
}

// ---- The properties -------------------------------------------------------------

struct SectorCase {
    const char* name;
    int clockwise;
    // Expected sectors in order: colour, start, end.
    std::vector<std::array<double, 3>> sectors;
};

std::ostream& operator<<(std::ostream& os, const SectorCase& c) { return os << c.name; }

class RotationSectors : public testing::TestWithParam<SectorCase> {};

TEST_P(RotationSectors, FiveSectorsOrNoneWhereTheAngleIsEmpty) {
    const SectorCase& c = GetParam();
    // Turn, Enter, two keys for the question, then the pauses up to the
    // sectors (after steps 2, 4, 5, 6 and 7).
    VarnelFixture f(Presses(c.clockwise) + kEnter + "xn" + "abcde");
    RunUntilKeysEnd(f, ShowRotationDefinition);
    const auto sectors = Sectors(Frames(f.Events()).back());
    ASSERT_EQ(sectors.size(), c.sectors.size());
    for (std::size_t k = 0; k < sectors.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(sectors[k]["color"], static_cast<int>(c.sectors[k][0]));
        EXPECT_EQ(sectors[k]["fill"], static_cast<int>(c.sectors[k][0]));
        EXPECT_NEAR(sectors[k]["start"].get<double>(), c.sectors[k][1], 1e-4);
        EXPECT_NEAR(sectors[k]["end"].get<double>(), c.sectors[k][2], 1e-4);
    }
}

// Fractions: B 1/3, A 1/2, C 11/18 of a turn; the image's rays the same less
// the turn.
INSTANTIATE_TEST_SUITE_P(
    Varnel, RotationSectors,
    testing::Values(
        // Side by side: 60, 40, 20, 60 and 40 degrees.
        SectorCase{"TwelveRight", 12, {{3, 1.0 / 3, 0.5}, {5, 0.5, 11.0 / 18}, {0, 11.0 / 18, 2.0 / 3},
                                       {3, 2.0 / 3, 5.0 / 6}, {5, 5.0 / 6, 17.0 / 18}}},
        // B' on the ray OC: the black angle is empty and not drawn.
        SectorCase{"TenRight", 10, {{3, 1.0 / 3, 0.5}, {5, 0.5, 11.0 / 18}, {3, 11.0 / 18, 7.0 / 9},
                                    {5, 7.0 / 9, 8.0 / 9}}},
        SectorCase{"FortySixRight", 46, {{3, 1.0 / 3, 0.5}, {5, 0.5, 11.0 / 18}, {3, 11.0 / 18, 7.0 / 9},
                                         {5, 7.0 / 9, 8.0 / 9}}},
        // No turn: the black sector runs 260 degrees from OC round to OB.
        SectorCase{"NoTurn", 0, {{3, 1.0 / 3, 0.5}, {5, 0.5, 11.0 / 18}, {0, 11.0 / 18, 1.0 / 3},
                                 {3, 1.0 / 3, 0.5}, {5, 0.5, 11.0 / 18}}}),
    [](const testing::TestParamInfo<SectorCase>& tp) { return std::string(tp.param.name); });

TEST(RotationProperties, StepsPausesTicksAndSummary) {
    // No turn, then every pause of the properties.
    VarnelFixture f(kEnter + "xn" + "abcdefgh");
    RunUntilKeysEnd(f, ShowRotationDefinition);
    const auto frames = Frames(f.Events());
    // Frames: 0 figure, 1 after Enter (the question), 2 the key that closes
    // it, 3 properties steps 1-2, then one frame per pause; the last one
    // holds the closing line.
    ASSERT_EQ(frames.size(), 12u);
    const struct {
        std::size_t frame;
        const char* text;
        float x, y;
        int color;
    } texts[] = {
        {3, "問", 28, 235, 3},
        {3, "OAとOA'の関係は", 66, 235, 0},
        {4, "OA=OA'", 356 + 20, 235, 5},
        {5, "点Aの動いたあとは、どんな図形？", 66, 285, 0},
        {6, "点Oを中心とする半径OAの円の周の一部", 66, 335, 5},
        {7, "∠AOA',∠BOB',∠COC'の関係は？", 66, 385, 0},
        {9, "∠AOA'=∠BOB'=∠COC'", 66, 435, 5},
        {10, "③まとめ", 28, 485, 0},
        {10, "回転の中心と結んでできる角の大きさはすべて等しい。 ", 66, 535, 3},
        {11, "教科書P160 問6 をやろう。 ", 66, 585, 7},
    };
    for (const auto& t : texts) {
        const json run = FindRun(frames[t.frame], t.text);
        ASSERT_FALSE(run.is_null()) << t.text;
        EXPECT_NEAR(run["x"].get<double>(), t.x, 0.5) << t.text;
        EXPECT_EQ(run["y"], t.y) << t.text;
        EXPECT_EQ(run["color"], t.color) << t.text;
    }
    // Spokes OA and OA' with the question; ticks and OC' with the answer.
    EXPECT_TRUE(HasLine(frames[3], 676, 300, 946, 300, 7, 0.01));
    // Fresh TickSpacing: the vertex's tick 22 px from the middle of OA, the
    // image's 14 px (the spacing carries over from call to call).
    EXPECT_TRUE(HasLine(frames[4], 789, 285, 789, 315, 7, 0.01));
    EXPECT_TRUE(HasLine(frames[4], 797, 285, 797, 315, 7, 0.01));
    EXPECT_TRUE(HasLine(frames[4], 946, 300, 831.09, 203.58, 11, 0.01));
    // The ticks again after the equal angles, no pause before the summary.
    EXPECT_TRUE(HasLine(frames[10], 789, 285, 789, 315, 7, 0.01));
    EXPECT_EQ(f.prog.MarkShift, -30);
}

}  // namespace
