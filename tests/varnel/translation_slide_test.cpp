// Topic 2 of the translation lesson: the target point D and its range, the
// twelve-step slide and its end stops (also with D in A's column and on A),
// the repeat question, the ending and the summary figure.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lessons/varnel/varnel.h"
#include "varnel/varnel_fixture.h"

namespace {

using namespace testing_support;

const std::string kRight = "{Right}", kLeft = "{Left}", kUp = "{Up}", kDown = "{Down}", kEnter = "{Enter}";

// The figure-area erase of both loops and of the summary.
int FigureErases(const std::vector<json>& events) { return CountBoxes(events, 532, 0, 1732, 1800); }

// The disc of a target point (radius 3, colour 5) drawn in `events`, last one.
json LastTargetDisc(const std::vector<json>& events) {
    json found;
    for (const auto& e : Of(events, "circle"))
        if (e["r"] == 3 && e["color"] == 5 && e["filled"] == true) found = e;
    return found;
}

// ---- The target point ---------------------------------------------------------

struct TargetCase {
    const char* name;
    std::string keys;
    float x, y;
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class TargetPointRange : public testing::TestWithParam<TargetCase> {};

TEST_P(TargetPointRange, DStaysWhereTriangleDefFitsTheGrid) {
    const TargetCase& c = GetParam();
    VarnelFixture f(c.keys);
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    Varnel& p = f.prog;
    EXPECT_EQ(p.PointX(4), c.x);
    EXPECT_EQ(p.PointY(4), c.y);
    // The last redraw shows D there, with its label above it.
    const auto last = Frames(f.Events()).back();
    const json disc = LastTargetDisc(last);
    ASSERT_FALSE(disc.is_null());
    EXPECT_EQ(disc["x"], c.x);
    EXPECT_EQ(disc["y"], c.y);
    const json label = FindRun(last, "D");
    ASSERT_FALSE(label.is_null());
    EXPECT_EQ(label["x"], c.x - 14);
    EXPECT_EQ(label["y"], c.y - 46);
    EXPECT_EQ(label["color"], 5);
}

INSTANTIATE_TEST_SUITE_P(
    Translation, TargetPointRange,
    testing::Values(TargetCase{"FirstD", "", 982, 360}, TargetCase{"ElevenLeft", Repeat(kLeft, 11), 652, 360},
                    TargetCase{"TwelveLeft", Repeat(kLeft, 12), 652, 360},
                    TargetCase{"SevenRight", Repeat(kRight, 7), 1192, 360},
                    TargetCase{"EightRight", Repeat(kRight, 8), 1192, 360},
                    TargetCase{"TenUp", Repeat(kUp, 10), 982, 60}, TargetCase{"ElevenUp", Repeat(kUp, 11), 982, 60},
                    TargetCase{"FourDown", Repeat(kDown, 4), 982, 480},
                    TargetCase{"FiveDown", Repeat(kDown, 5), 982, 480},
                    TargetCase{"CornerAndBack", Repeat(kLeft, 20) + Repeat(kDown, 9) + kRight + kUp, 682, 450}),
    [](const testing::TestParamInfo<TargetCase>& tp) { return std::string(tp.param.name); });

TEST(TranslationTargetPoint, FirstScreenShowsAbcInColourThreeAndD) {
    VarnelFixture f("");
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    const auto events = f.Events();
    // The black triangle of the set-up is erased by the first redraw and
    // drawn again in colour 3.
    EXPECT_TRUE(HasLine(events, 862, 270, 772, 420, 0));
    const auto last = Frames(events).back();
    EXPECT_EQ(FigureErases(last), 1);
    EXPECT_TRUE(HasLine(last, 862, 270, 772, 420, 3));
    EXPECT_TRUE(HasLine(last, 772, 420, 892, 420, 3));
    EXPECT_TRUE(HasLine(last, 892, 420, 862, 270, 3));
    for (const char* name : {"A", "B", "C"}) {
        const json label = FindLastRun(last, name);
        ASSERT_FALSE(label.is_null()) << name;
        EXPECT_EQ(label["color"], 3) << name;
    }
    EXPECT_FALSE(FindRun(last, "D").is_null());
}

TEST(TranslationTargetPoint, OtherKeysOnlyBringThePromptBack) {
    // A letter and a digit in the target-point loop, then ↑, ↓, a letter and a
    // digit in the slide: none of them redraws.
    VarnelFixture f("a7" + kEnter + kRight + kUp + kDown + "b9");
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    const auto frames = Frames(f.Events());
    ASSERT_EQ(frames.size(), 9u);
    EXPECT_EQ(FigureErases(frames[0]), 1);   // first target-point screen
    EXPECT_EQ(FigureErases(frames[1]), 0);   // after "a"
    EXPECT_EQ(FigureErases(frames[2]), 0);   // after "7"
    EXPECT_EQ(FigureErases(frames[3]), 1);   // Enter: the slide's first screen
    EXPECT_EQ(FigureErases(frames[4]), 1);   // →
    for (int k = 5; k <= 8; ++k) EXPECT_EQ(FigureErases(frames[k]), 0) << k;
    EXPECT_EQ(f.prog.PointX(4), 872);
    EXPECT_EQ(f.prog.PointY(4), 277.5f);
}

// ---- The slide --------------------------------------------------------------------

struct SlideCase {
    const char* name;
    std::string placeKeys;   // in the target-point loop, before Enter
    std::string slideKeys;
    float x, y;              // A' where the keys leave it
};

void PrintTo(const SlideCase& c, std::ostream* os) { *os << c.name; }

class SlideEndStops : public testing::TestWithParam<SlideCase> {};

TEST_P(SlideEndStops, APrimeStaysBetweenAAndD) {
    const SlideCase& c = GetParam();
    VarnelFixture f(c.placeKeys + kEnter + c.slideKeys);
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    EXPECT_EQ(f.prog.PointX(4), c.x);
    EXPECT_EQ(f.prog.PointY(4), c.y);
}

// D at (982, 360) first; four ← put it in A's column (862, 360); six ← to the
// left of A (802, 360); four ← and three ↑ on A itself.
INSTANTIATE_TEST_SUITE_P(
    Translation, SlideEndStops,
    testing::Values(
        SlideCase{"Start", "", "", 862, 270}, SlideCase{"OneStep", "", kRight, 872, 277.5f},
        SlideCase{"TwelveSteps", "", Repeat(kRight, 12), 982, 360},
        SlideCase{"ThirteenSteps", "", Repeat(kRight, 13), 982, 360},
        SlideCase{"BackPastA", "", Repeat(kRight, 3) + Repeat(kLeft, 5), 862, 270},
        SlideCase{"LeftAtStart", "", kLeft, 862, 270},
        SlideCase{"DLeftOfATowardD", Repeat(kLeft, 6), kRight, 857, 277.5f},
        SlideCase{"DLeftOfAStopsOnD", Repeat(kLeft, 6), Repeat(kRight, 15), 802, 360},
        SlideCase{"DLeftOfAStopsOnA", Repeat(kLeft, 6), kRight + Repeat(kLeft, 3), 862, 270},
        // D in A's column: the old slide ran off the screen here.
        SlideCase{"ColumnThreeSteps", Repeat(kLeft, 4), Repeat(kRight, 3), 862, 292.5f},
        SlideCase{"ColumnStopsOnD", Repeat(kLeft, 4), Repeat(kRight, 14), 862, 360},
        SlideCase{"ColumnStopsOnA", Repeat(kLeft, 4), Repeat(kRight, 14) + Repeat(kLeft, 20), 862, 270},
        SlideCase{"ColumnAboveA", Repeat(kLeft, 4) + Repeat(kUp, 4), Repeat(kRight, 20), 862, 240},
        SlideCase{"ColumnAboveABack", Repeat(kLeft, 4) + Repeat(kUp, 4), kRight + Repeat(kLeft, 3), 862, 270},
        SlideCase{"DOnA", Repeat(kLeft, 4) + Repeat(kUp, 3), Repeat(kRight, 5) + kLeft, 862, 270}),
    [](const testing::TestParamInfo<SlideCase>& tp) { return std::string(tp.param.name); });

// One slide screen drawn from A' where rounding or the keys left it: the stops
// look at x alone unless A' still stands in A's column.
TEST(TranslationSlide, EndStopsLookAtXOnceAPrimeHasLeftAsColumn) {
    struct Case {
        const char* name;
        float dx, dy;        // D (point 7)
        float mx, my;        // A' before the screen
        float ex, ey;        // A' after it
    };
    const Case cases[] = {
        // x short of D, y a hair past it: no rule applies, A' stays.
        {"DRightXShortYPast", 982, 360, 981, 361, 981, 361},
        {"DLeftXShortYPast", 802, 360, 803, 361, 803, 361},
        // x past D: stopped on D, whatever the y.
        {"DRightXPast", 982, 360, 983, 359, 982, 360},
        // D in A's column: the y holds A' between A and D.
        {"ColumnPastD", 862, 360, 862, 375, 862, 360},
        {"ColumnPastA", 862, 360, 862, 262.5f, 862, 270},
        // D a hair off A's column, so the x step cannot move A'.
        {"HairOffColumnPastD", 862.00012f, 360, 862, 400, 862.00012f, 360},
        {"HairOffColumnPastA", 862.00012f, 360, 862, 250, 862, 270},
    };
    for (const Case& c : cases) {
        VarnelFixture f;
        Varnel& p = f.prog;
        const float abc[3][2] = {{862, 270}, {772, 420}, {892, 420}};
        for (int i = 1; i <= 3; ++i) {
            p.PointX(i) = abc[i - 1][0];
            p.PointY(i) = abc[i - 1][1];
        }
        p.CellSize = 30;
        p.GridLeft = 532;
        p.PointX(7) = c.dx;
        p.PointY(7) = c.dy;
        p.PointX(4) = c.mx;
        p.PointY(4) = c.my;
        p.rt.RtSetDrawWidth(5);
        DrawTranslationSlideFrame(p);
        EXPECT_EQ(p.PointX(4), c.ex) << c.name;
        EXPECT_EQ(p.PointY(4), c.ey) << c.name;
    }
}

// What the slide's last screen shows of the moving triangle: its colour and
// whether it is labelled D, E, F.
struct MovingLook {
    int color = -1;
    bool labelled = false;
};

MovingLook LookOfLastScreen(Fixture& f) {
    const auto last = Frames(f.Events()).back();
    MovingLook look;
    // The sides at width 7: ABC first (3 lines), then A'B'C'.
    int sides = 0;
    for (const auto& e : Of(last, "line"))
        if (e["width"] == 7 && ++sides == 4) look.color = e["color"];
    const json e = FindRun(last, "E");
    look.labelled = !e.is_null() && e["color"] == 5;
    return look;
}

TEST(TranslationSlide, DefAppearsWithTheStepThatReachesD) {
    struct Case {
        std::string place;
        int stepsToD;
    };
    for (const Case& c : {Case{"", 12}, Case{Repeat(kLeft, 4), 12}, Case{Repeat(kLeft, 6), 12}}) {
        for (int steps = 0; steps <= c.stepsToD + 1; ++steps) {
            VarnelFixture f(c.place + kEnter + Repeat(kRight, steps));
            RunUntilKeysEnd(f, ShowTranslationDefinition);
            const MovingLook look = LookOfLastScreen(f);
            EXPECT_EQ(look.labelled, steps >= c.stepsToD) << c.place << " " << steps;
            EXPECT_EQ(look.color, steps == 0 ? 3 : 5) << c.place << " " << steps;
        }
    }
}

TEST(TranslationSlide, DOnAKeepsTheStartLookAndNeverMoves) {
    VarnelFixture f(Repeat(kLeft, 4) + Repeat(kUp, 3) + kEnter + Repeat(kRight, 3));
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    EXPECT_EQ(f.prog.Seg2X2, 0);
    EXPECT_EQ(f.prog.SlideStepY, 0);
    const MovingLook look = LookOfLastScreen(f);
    EXPECT_EQ(look.color, 3);
    EXPECT_FALSE(look.labelled);
}

TEST(TranslationSlide, TracesJoinEachVertexToItsImage) {
    VarnelFixture f(kEnter + Repeat(kRight, 12));
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    EXPECT_EQ(f.prog.Seg2X2, 10);
    EXPECT_EQ(f.prog.SlideStepY, 7.5f);
    EXPECT_EQ(f.prog.PointX(7), 982);
    EXPECT_EQ(f.prog.PointY(7), 360);
    const auto last = Frames(f.Events()).back();
    // AD, BE, CF in colour 0 at width 5, after both triangles.
    std::vector<json> traces;
    for (const auto& e : Of(last, "line"))
        if (e["color"] == 0 && e["width"] == 5) traces.push_back(e);
    ASSERT_EQ(traces.size(), 3u);
    EXPECT_TRUE(IsLine(traces[0], 862, 270, 982, 360, 0));
    EXPECT_TRUE(IsLine(traces[1], 772, 420, 892, 510, 0));
    EXPECT_TRUE(IsLine(traces[2], 892, 420, 1012, 510, 0));
}

// ---- Prompts ------------------------------------------------------------------------

TEST(TranslationTopic, EachLoopShowsItsPromptInTheMessageBox) {
    // Place D (Enter), one slide step, Enter, then the repeat question.
    VarnelFixture f(kEnter + kRight + kEnter + "x");
    RunUntilKeysEnd(f, ShowTranslationDefinition);
    std::vector<std::string> prompts;
    for (const auto& e : Of(f.Events(), "run"))
        if (e["routine"] == "DrawWideText" && e["x"] == 48 && e["y"] == 666 && e["color"] == 9)
            prompts.push_back(e["text"]);
    const std::vector<std::string> expected = {"移動先　点D を←→↑↓で動かす。Enterキーで決定",
                                               "△ABC を ←→で動かす。Enterキーで終了",
                                               "△ABC を ←→で動かす。Enterキーで終了",
                                               "もう一度動かすなら１を入力"};
    EXPECT_EQ(prompts, expected);
}

// ---- Repeat question and ending -----------------------------------------------------

TEST(TranslationRepeat, TheKeyAfterTheMessageAnswers) {
    // Enter half-way, then "1" closes the message and "1" answers: D starts
    // at the half-way A'.
    {
        VarnelFixture f(kEnter + Repeat(kRight, 6) + kEnter + "11");
        RunUntilKeysEnd(f, ShowTranslationDefinition);
        EXPECT_EQ(f.prog.PointX(4), 922);
        EXPECT_EQ(f.prog.PointY(4), 315);
        const json disc = LastTargetDisc(Frames(f.Events()).back());
        ASSERT_FALSE(disc.is_null());
        EXPECT_EQ(disc["x"], 922);
        EXPECT_EQ(disc["y"], 315);
        EXPECT_TRUE(FindRun(f.Events(), "②対応する点を結ぶ線分は、").is_null());
    }
    // "1" only closes the message; anything else next ends the topic.
    {
        VarnelFixture f(kEnter + kRight + kEnter + "1x");
        RunUntilKeysEnd(f, ShowTranslationDefinition);
        EXPECT_FALSE(FindRun(f.Events(), "②対応する点を結ぶ線分は、").is_null());
    }
    // Nothing is decided by the key that closes the message.
    {
        VarnelFixture f(kEnter + kRight + kEnter + "1");
        RunUntilKeysEnd(f, ShowTranslationDefinition);
        const auto events = f.Events();
        EXPECT_TRUE(FindRun(events, "②対応する点を結ぶ線分は、").is_null());
        EXPECT_EQ(FigureErases(Frames(events).back()), 0);
    }
}

TEST(TranslationTopic, EndingTextsStandOnTheirLinesAfterRepeats) {
    // Two repeats, the second from a D moved by whole cells, then the ending.
    VarnelFixture f(kEnter + Repeat(kRight, 12) + kEnter + "x1" + kUp + kEnter + kRight + kEnter + "x1" + kEnter +
                           Repeat(kRight, 4) + kEnter + "xn" + "a");
    ShowTranslationDefinition(f.prog);
    const auto events = f.Events();
    struct Line {
        const char* text;
        float x, y;
        int color;
    };
    for (const Line& l : {Line{" <平行移動>", 76, 30, 3}, Line{"①図形を、一定の方向に、", 38, 80, 0},
                          Line{"一定の距離だけ動かす移動", 76, 130, 0}, Line{"②対応する点を結ぶ線分は、", 38, 200, 0},
                          Line{"平行で，その長さは等しい。 ", 76, 250, 0}, Line{"AD∥BE,BE∥CF,CF∥AD", 76, 300, 3},
                          Line{"AD=BE,BE=CF,CF=AD", 76, 350, 3},
                          Line{"教科書P157問1 P158問2 をやろう。", 76, 420, 7}}) {
        const json run = FindRun(events, l.text);
        ASSERT_FALSE(run.is_null()) << l.text;
        EXPECT_EQ(run["x"], l.x) << l.text;
        EXPECT_EQ(run["y"], l.y) << l.text;
        EXPECT_EQ(run["color"], l.color) << l.text;
    }
    // Nothing erases the text column after the topic's first erase: every
    // later box left of x 532 lies on the bottom band.
    const auto boxes = Of(events, "box");
    ASSERT_FALSE(boxes.empty());
    EXPECT_TRUE(IsBox(boxes[0], 0, 0, 1760, 1800, 15, 15));
    for (std::size_t i = 1; i < boxes.size(); ++i)
        if (boxes[i]["x1"].get<double>() < 532) {
            EXPECT_GE(boxes[i]["y1"].get<double>(), 639) << boxes[i].dump();
        }
}

// ---- The summary figure ------------------------------------------------------------

// The cells the topic hands to the summary: A, B, C, the chosen D, the frame.
void SetUpSummary(Program& p, float dx, float dy, float tickSpacing) {
    const float pts[3][2] = {{862, 270}, {772, 420}, {892, 420}};
    for (int i = 1; i <= 3; ++i) {
        p.PointX(i) = pts[i - 1][0];
        p.PointY(i) = pts[i - 1][1];
    }
    p.PointX(7) = dx;
    p.PointY(7) = dy;
    p.CellSize = 30;
    p.GridLeft = 532;
    p.TickSpacing = tickSpacing;
    p.rt.RtSetDrawWidth(5);
}

// The stroke across P->Q at `along` px from P, half-length 15.
bool HasTick(const std::vector<json>& events, float px, float py, float qx, float qy, float along) {
    const float len = std::hypot(qx - px, qy - py);
    const float ux = (qx - px) / len, uy = (qy - py) / len;
    const float cx = px + along * ux, cy = py + along * uy;
    return HasLine(events, cx + 15 * uy, cy - 15 * ux, cx - 15 * uy, cy + 15 * ux, 7, 0.05);
}

TEST(TranslationSummary, TickSpacingCarriesOverBetweenCalls) {
    VarnelFixture f;
    Varnel& p = f.prog;
    SetUpSummary(p, 982, 360, 0);
    DrawTranslationSummary(p);
    auto events = f.Events();
    // AD and CF 150 px long: ticks at 83 and 91 px; BE spaced 24: 99 and 123.
    EXPECT_TRUE(HasTick(events, 862, 270, 982, 360, 83));
    EXPECT_TRUE(HasTick(events, 862, 270, 982, 360, 91));
    EXPECT_TRUE(HasTick(events, 772, 420, 892, 510, 99));
    EXPECT_TRUE(HasTick(events, 772, 420, 892, 510, 123));
    EXPECT_TRUE(HasTick(events, 892, 420, 1012, 510, 83));
    EXPECT_TRUE(HasTick(events, 892, 420, 1012, 510, 91));
    EXPECT_EQ(p.TickSpacing, 24);
    // A second summary finds 24: pairs 24, 8 and 24 apart; it leaves 72.
    f.ClearEvents();
    DrawTranslationSummary(p);
    events = f.Events();
    EXPECT_TRUE(HasTick(events, 862, 270, 982, 360, 99));
    EXPECT_TRUE(HasTick(events, 862, 270, 982, 360, 123));
    EXPECT_TRUE(HasTick(events, 772, 420, 892, 510, 83));
    EXPECT_TRUE(HasTick(events, 892, 420, 1012, 510, 123));
    EXPECT_EQ(p.TickSpacing, 72);
}

TEST(TranslationSummary, FigureForTheChosenD) {
    struct Case {
        float dx, dy;
    };
    // The first D, D left of A, D in A's column, D up and to the right.
    for (const Case& c : {Case{982, 360}, Case{802, 360}, Case{862, 360}, Case{1192, 60}}) {
        VarnelFixture f;
        Varnel& p = f.prog;
        SetUpSummary(p, c.dx, c.dy, 0);
        DrawTranslationSummary(p);
        const auto events = f.Events();
        EXPECT_EQ(FigureErases(events), 1);
        const float ex = c.dx - 90, ey = c.dy + 150, fx = c.dx + 30;
        EXPECT_EQ(p.PointX(5), ex);
        EXPECT_EQ(p.PointY(5), ey);
        EXPECT_EQ(p.PointX(6), fx);
        EXPECT_EQ(p.PointY(6), ey);
        EXPECT_TRUE(HasLine(events, c.dx, c.dy, ex, ey, 5)) << c.dx;
        EXPECT_TRUE(HasLine(events, 862, 270, c.dx, c.dy, 0)) << c.dx;
        // The chevron on AD points from A toward D, its tip a third of the way
        // plus 16 px from A.
        const double len = std::hypot(static_cast<double>(c.dx) - 862, static_cast<double>(c.dy) - 270);
        const double ux = (static_cast<double>(c.dx) - 862) / len, uy = (static_cast<double>(c.dy) - 270) / len;
        const double tx = 862 + (len / 3 + 16) * ux, ty = 270 + (len / 3 + 16) * uy;
        int arms = 0;
        for (const auto& e : Of(events, "line"))
            if (e["color"] == 7 && Near(e["x2"], tx, 0.05) && Near(e["y2"], ty, 0.05)) {
                ++arms;
                // The arm starts 20 px behind the tip.
                const double bx = e["x1"].get<double>() - tx, by = e["y1"].get<double>() - ty;
                EXPECT_LT(bx * ux + by * uy, -19.9);
            }
        EXPECT_EQ(arms, 2) << c.dx;
        EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
    }
}

TEST(TranslationSummary, DOnADrawsNoMarksAndGoesOn) {
    VarnelFixture f;
    Varnel& p = f.prog;
    SetUpSummary(p, 862, 270, 0);
    DrawTranslationSummary(p);
    const auto events = f.Events();
    int marks = 0;
    for (const auto& e : Of(events, "line")) marks += e["color"] == 7;
    EXPECT_EQ(marks, 0);
    EXPECT_TRUE(HasLine(events, 862, 270, 772, 420, 5));   // DEF on ABC
    EXPECT_EQ(p.TickSpacing, 0);
}

TEST(TranslationTopic, DOnARunsToTheEnding) {
    VarnelFixture f(Repeat(kLeft, 4) + Repeat(kUp, 3) + kEnter + Repeat(kRight, 2) + kLeft + kEnter + "xna");
    ShowTranslationDefinition(f.prog);
    const auto events = f.Events();
    EXPECT_FALSE(FindRun(events, "教科書P157問1 P158問2 をやろう。").is_null());
    EXPECT_EQ(f.rt->RtGetDrawWidth(), 5);
}

}  // namespace
