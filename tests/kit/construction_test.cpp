// The kit's construction vocabulary at its contract: what a compass step, a
// point's dot and name, the text column, erasing the frame, counted loops,
// key-stepped animations and the marks on point-table entries draw, and which
// cells each leaves for a later step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessons/common/kit.h"
#include "support/support.h"
#include "support/trace_query.h"

namespace {

using namespace kit;
using namespace testing_support;
using nlohmann::json;

// The unfilled circles and arcs among `events`, as events, in order.
std::vector<json> OutlineEvents(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : Of(events, "circle"))
        if (!e["filled"].get<bool>()) out.push_back(e);
    return out;
}

// The filled circles among `events` (dots, discs, sectors), as events, in
// order.
std::vector<json> FilledEvents(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : Of(events, "circle"))
        if (e["filled"].get<bool>()) out.push_back(e);
    return out;
}

// ---- Compass steps ---------------------------------------------------------------

struct CompassCase {
    const char* name;
    CompassStyle style;
    float radius;   // the opening drawn
    float start, end;
    int dots;       // centre dots drawn (0 or 1)
    float dotColor;
    float workB, workC;
};

std::ostream& operator<<(std::ostream& os, const CompassCase& c) { return os << c.name; }

class CompassSteps : public testing::TestWithParam<CompassCase> {};

// Centre (100, 100) is point 1; point 2 to the right, point 3 straight below,
// point 4 up and to the right. Right is fraction 1 (never 0), straight down
// 0.25, up-right 0.875. Radius holds 55 and WorkB, WorkC 90 before the step.
TEST_P(CompassSteps, DrawsTheDotAndTheArcAndLeavesItsCells) {
    const CompassCase& c = GetParam();
    Fixture f;
    Program& p = *f.p;
    SetP(p, 1, {100, 100});
    SetP(p, 2, {200, 100});
    SetP(p, 3, {100, 180});
    SetP(p, 4, {160, 40});
    p.Radius = 55;
    p.WorkB = 90;
    p.WorkC = 90;
    const ArcSpan span = CompassArc(p, c.style);
    EXPECT_NEAR(span.start, c.start, 1e-5);
    EXPECT_NEAR(span.end, c.end, 1e-5);
    const auto events = f.Events();
    const auto arcs = OutlineEvents(events);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_TRUE(Near(arcs[0]["x"], 100) && Near(arcs[0]["y"], 100)) << arcs[0].dump();
    EXPECT_TRUE(Near(arcs[0]["r"], c.radius, 1e-3)) << arcs[0].dump();
    EXPECT_EQ(arcs[0]["color"], c.style.color);
    EXPECT_TRUE(Near(arcs[0]["start"], c.start, 1e-5)) << arcs[0].dump();
    EXPECT_TRUE(Near(arcs[0]["end"], c.end, 1e-5)) << arcs[0].dump();
    const auto discs = FilledEvents(events);
    ASSERT_EQ(static_cast<int>(discs.size()), c.dots);
    if (c.dots == 1) {
        EXPECT_TRUE(Near(discs[0]["x"], 100) && Near(discs[0]["y"], 100) && discs[0]["r"] == 6);
        EXPECT_EQ(discs[0]["color"], c.dotColor);
        // The dot comes before the arc.
        EXPECT_EQ(Of(events, "circle")[0]["filled"], true);
    }
    EXPECT_NEAR(p.Radius, c.radius, 1e-3);
    EXPECT_EQ(p.WorkA, c.style.centre);
    EXPECT_EQ(p.WorkB, c.workB);
    EXPECT_EQ(p.WorkC, c.workC);
}

INSTANTIATE_TEST_SUITE_P(
    Kit, CompassSteps,
    testing::Values(
        CompassCase{"AcrossTheZeroUnwrapped",
                    {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f)},
                    100, 0.2f, 1.05f, 1, kGrey, 2, 3},
        CompassCase{"EndWrappedBelowOne",
                    {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f).Wrapped()},
                    100, 0.2f, 0.05f, 1, kGrey, 2, 3},
        CompassCase{"EndTurnedBack",
                    {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f).Turned(-1)},
                    100, 0.2f, 0.05f, 1, kGrey, 2, 3},
        CompassCase{"ExchangedRays",
                    {.centre = 1, .through = 3, .b = 2, .c = 3, .shift = -1, .start = RayC(-0.03f),
                     .end = RayC(0.03f), .color = kBrightBlue},
                    80, 0.97f, 1.03f, 1, kBrightBlue, 2, 3},
        CompassCase{"StartWrappedAboveZero",
                    {.centre = 1, .through = 3, .b = 3, .c = 4, .start = RayB(-0.3f).Wrapped(), .end = RayC(0.02f),
                     .color = kTeal},
                    80, 0.95f, 0.895f, 1, kTeal, 3, 4},
        CompassCase{"InsideNeedsNoWrap",
                    {.centre = 1, .through = 4, .b = 3, .c = 4, .start = RayB(-0.1f).Wrapped(),
                     .end = RayB(0.1f).Wrapped(), .color = kTeal},
                    84.8528f, 0.15f, 0.35f, 1, kTeal, 3, 4},
        // A ray's end and a fixed one: on past the ray to b, whose fraction is 1.
        CompassCase{"FromARayToAFraction",
                    {.centre = 1, .through = 3, .b = 2, .c = 3, .start = RayC(-0.03f), .end = Fraction(0.03f)},
                    80, 0.22f, 0.03f, 1, kGrey, 2, 3},
        // Fixed fractions take no rays: WorkB stays, WorkC names the point.
        CompassCase{"TwoFractions",
                    {.centre = 1, .through = 2, .start = Fraction(0.47f), .end = Fraction(0.03f)},
                    100, 0.47f, 0.03f, 1, kGrey, 90, 2},
        // No opening given: the radius the step before left.
        CompassCase{"KeptOpening",
                    {.centre = 1, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue},
                    55, 0.2f, 0.3f, 1, kBrightBlue, 2, 3},
        CompassCase{"OpenedToALength",
                    {.centre = 1, .radius = 120, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayC(0.05f)},
                    120, 0.2f, 0.3f, 1, kGrey, 2, 3},
        CompassCase{"DotInItsOwnColour",
                    {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f),
                     .color = kBrightBlue, .dotColor = kGrey},
                    100, 0.2f, 1.05f, 1, kGrey, 2, 3},
        CompassCase{"NoDot",
                    {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f),
                     .centreDot = false},
                    100, 0.2f, 1.05f, 0, kGrey, 2, 3}),
    [](const testing::TestParamInfo<CompassCase>& tp) { return std::string(tp.param.name); });

TEST(CompassSteps, TheRangeCellsStayForTheNextStepUnlessTheFractionsDrawnAreKept) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    SetP(p, 1, {100, 100});
    SetP(p, 2, {200, 100});
    SetP(p, 3, {100, 180});
    CompassArc(p, {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f).Wrapped()});
    EXPECT_NEAR(p.ArcFractionB, 1, 1e-6);   // the ray's own fraction, before the margin
    EXPECT_NEAR(p.ArcFractionC, 0.25, 1e-6);
    EXPECT_EQ(p.MarkShift, 1);
    CompassArc(p, {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f).Wrapped(),
                   .endIn = &Program::ArcFractionB});
    EXPECT_NEAR(p.ArcFractionB, 0.05, 1e-6);   // the end drawn
    EXPECT_NEAR(p.ArcFractionC, 0.25, 1e-6);
    CompassArc(p, {.centre = 1, .through = 2, .b = 2, .c = 3, .start = RayC(-0.05f), .end = RayB(0.05f),
                   .startIn = &Program::FromPoint, .endIn = &Program::ToPoint});
    EXPECT_NEAR(p.FromPoint, 0.2, 1e-6);
    EXPECT_NEAR(p.ToPoint, 1.05, 1e-6);
}

// ---- A point's dot and name ------------------------------------------------------

struct NameCase {
    const char* name;
    NameStyle style;
    bool withDot;
    float nameX, nameY, nameColor, dotColor;
};

std::ostream& operator<<(std::ostream& os, const NameCase& c) { return os << c.name; }

class PointNames : public testing::TestWithParam<NameCase> {};

// Point 3 at (300, 200); the column's layout cells stay whatever is drawn.
TEST_P(PointNames, DotThenNameBesideThePoint) {
    const NameCase& c = GetParam();
    Fixture f;
    Program& p = *f.p;
    SetP(p, 3, {300, 200});
    p.TextEndX = 77;
    p.TextLineY = 130;
    if (c.withDot)
        DotAndName(p, 3, "P", c.style);
    else
        Name(p, 3, "P", c.style);
    const auto events = f.Events();
    const auto discs = FilledEvents(events);
    ASSERT_EQ(discs.size(), c.withDot ? 1u : 0u);
    if (c.withDot) {
        EXPECT_TRUE(Near(discs[0]["x"], 300) && Near(discs[0]["y"], 200) && discs[0]["r"] == 6);
        EXPECT_EQ(discs[0]["color"], c.dotColor);
    }
    const json run = FindRun(events, "P");
    ASSERT_FALSE(run.is_null());
    EXPECT_TRUE(Near(run["x"], c.nameX) && Near(run["y"], c.nameY)) << run.dump();
    EXPECT_EQ(run["color"], c.nameColor);
    EXPECT_EQ(p.TextEndX, 77);
    EXPECT_EQ(p.TextLineY, 130);
}

INSTANTIATE_TEST_SUITE_P(
    Kit, PointNames,
    testing::Values(NameCase{"TealAboveRightByDefault", {}, true, 310, 175, kTeal, kTeal},
                    NameCase{"AboveLeftInOneColour", {.dx = -14, .dy = -50, .color = kPurple}, true, 286, 150,
                             kPurple, kPurple},
                    NameCase{"DotInItsOwnColour", {.dx = 10, .dy = 10, .color = kBlack, .dotColor = kTeal}, true,
                             310, 210, kBlack, kTeal},
                    NameCase{"NameAlone", {.dx = -40, .dy = -20, .color = kBlack}, false, 260, 180, kBlack, 0}),
    [](const testing::TestParamInfo<NameCase>& tp) { return std::string(tp.param.name); });

// ---- The text column -------------------------------------------------------------

TEST(TextColumn, BeginTopicErasesAndSetsTheColumnAndPen) {
    struct Case {
        TextColumn column;
        float itemLeft, textLeft, lineY;
        int width;
    } cases[] = {{{}, 40, 40, 30, 5},
                 {{.itemLeft = 30, .textLeft = 66, .firstLineY = 20}, 30, 66, 20, 5},
                 {{.itemLeft = {}, .textLeft = 121, .penWidth = 3}, 999, 121, 30, 3}};
    for (const Case& c : cases) {
        Fixture f;
        Program& p = *f.p;
        p.ItemLeft = 999;
        BeginTopic(p, c.column);
        EXPECT_EQ(p.ItemLeft, c.itemLeft);
        EXPECT_EQ(p.TextLeft, c.textLeft);
        EXPECT_EQ(p.TextLineY, c.lineY);
        EXPECT_EQ(f.rt->RtGetDrawWidth(), c.width);
        EXPECT_EQ(CountBoxes(f.Events(), 0, 0, 1760, 1800), 1);   // the whole screen
    }
}

struct LineCase {
    const char* name;
    void (*write)(Program& p);
    const char* text;
    float x, y, color;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }

class ColumnLines : public testing::TestWithParam<LineCase> {};

// The column: numbers at 30, sentences at 66, the last line at 100.
TEST_P(ColumnLines, GoWhereTheColumnSays) {
    const LineCase& c = GetParam();
    Fixture f;
    Program& p = *f.p;
    p.ItemLeft = 30;
    p.TextLeft = 66;
    p.TextLineY = 100;
    c.write(p);
    const json run = FindRun(f.Events(), c.text);
    ASSERT_FALSE(run.is_null());
    EXPECT_TRUE(Near(run["x"], c.x) && Near(run["y"], c.y)) << run.dump();
    EXPECT_EQ(run["color"], c.color);
    EXPECT_EQ(p.TextLineY, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Kit, ColumnLines,
    testing::Values(
        LineCase{"NextLine", [](Program& p) { NextLine(p, kPurple, "AB"); }, "AB", 66, 150, kPurple},
        LineCase{"NextLineFurtherDown", [](Program& p) { NextLine(p, kBlack, "AB", 65); }, "AB", 66, 165, kBlack},
        LineCase{"IndentedLine", [](Program& p) { IndentedLine(p, kTeal, "AB"); }, "AB", 100, 150, kTeal},
        LineCase{"IndentedFurther", [](Program& p) { IndentedLine(p, kTeal, "AB", 60, 80); }, "AB", 126, 180, kTeal},
        LineCase{"NumberAtTheItemColumn", [](Program& p) { NumberedLine(p, "①", kBlack, "AB"); }, "①", 30, 150,
                 kGrey},
        // "①" is 34 px wide.
        LineCase{"SentenceRightAfterTheNumber", [](Program& p) { NumberedLine(p, "①", kBlack, "AB"); }, "AB", 64,
                 150, kBlack},
        LineCase{"SentenceSpacedFromTheNumber",
                 [](Program& p) { NumberedLine(p, "①", kTeal, "AB", {.numberColor = kBlack, .space = 10}); }, "AB",
                 74, 150, kTeal}),
    [](const testing::TestParamInfo<LineCase>& tp) { return std::string(tp.param.name); });

// ---- Erasing the frame -------------------------------------------------------------

TEST(Erasing, EraseFrameClearsTheGridFrameEdgesIncluded) {
    Fixture f;
    Program& p = *f.p;
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    f.ClearEvents();
    EraseFrame(p);
    const auto boxes = f.Events("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(CountBoxes(boxes, 600, 300, 1140, 600), 1);
}

// ---- Cells to pixels ---------------------------------------------------------------

TEST(CellPoints, OnlyTheListedEntriesBecomePixelsInTheOrderListed) {
    Fixture f(nullptr, "", false);
    Program& p = *f.p;
    Grid(p, {.left = 600, .top = 300, .columns = 9, .rows = 5, .cell = 60});
    p.PointX(5) = 3;
    p.PointY(5) = 4;
    SetCells(p, {{6, {-0.5f, 3}}, {4, {5, 1}}});
    EXPECT_EQ(p.PointX(4), 900);
    EXPECT_EQ(p.PointY(4), 540);
    EXPECT_EQ(p.PointX(6), 570);
    EXPECT_EQ(p.PointY(6), 420);
    EXPECT_EQ(p.PointX(5), 3);   // not listed: still in whatever it held
    EXPECT_EQ(p.PointY(5), 4);
    EXPECT_EQ(p.LoopIndex, 4);   // the last entry listed
}

// ---- Counted loops ------------------------------------------------------------------

TEST(CountedLoops, TheCellFollowsTheCounterAndKeepsTheLastValueRun) {
    struct Case {
        int first, last, step;
        std::vector<int> run;
        float left;
    } cases[] = {{1, 6, 1, {1, 2, 3, 4, 5, 6}, 6}, {5, 11, 2, {5, 7, 9, 11}, 11}, {3, 1, 1, {}, -7}};
    for (const Case& c : cases) {
        float cell = -7;
        std::vector<int> run;
        Count(cell, c.first, c.last, [&](int i) {
            EXPECT_EQ(cell, i);
            run.push_back(i);
        }, c.step);
        EXPECT_EQ(run, c.run);
        EXPECT_EQ(cell, c.left);
    }
    float cell = 0;
    std::vector<int> run;
    Count(cell, {4, 6, 5, 3}, [&](int k) { run.push_back(k); });
    EXPECT_EQ(run, (std::vector<int>{4, 6, 5, 3}));
    EXPECT_EQ(cell, 3);
}

// ---- Key-stepped animations ---------------------------------------------------------

struct AnimationCase {
    const char* name;
    std::string keys;
    int frames;
    int erases;
    float counterLeft;
};

std::ostream& operator<<(std::ostream& os, const AnimationCase& c) { return os << c.name; }

class Animations : public testing::TestWithParam<AnimationCase> {};

// A counter from 180 by 10, back to 180 past 200; the frame erased is the
// box (10, 20)-(300, 400).
TEST_P(Animations, FramesUntilTheOneWithTheCounterStepping) {
    const AnimationCase& c = GetParam();
    Fixture f(nullptr, c.keys);
    Program& p = *f.p;
    std::vector<float> seen;
    int steps = 0;
    bool stepSawTheEnd = false;
    const AnimationCounter counter{.cell = &p.ArcAngle, .from = 180, .by = 10, .upTo = 200, .backTo = 180};
    Animate(
        p, {.erase = {10, 20, 300, 400}, .counter = counter},
        [&] {
            seen.push_back(p.ArcAngle);
            EXPECT_EQ(p.EntryValue, 5);
        },
        [&] {
            ++steps;
            stepSawTheEnd = !AnimationRuns(p);
        });
    EXPECT_EQ(static_cast<int>(seen.size()), c.frames);
    EXPECT_EQ(steps, c.frames);
    EXPECT_TRUE(stepSawTheEnd);
    EXPECT_EQ(CountBoxes(f.Events(), 10, 20, 300, 400), c.erases);
    EXPECT_EQ(p.EntryValue, 1);
    EXPECT_EQ(p.ArcAngle, c.counterLeft);
    int prompts = 0;
    for (const auto& e : f.Events("run")) prompts += e["text"] == "１で次のステップ。他のキーで動かす。";
    EXPECT_EQ(prompts, c.frames);
    for (std::size_t i = 0; i < seen.size(); i++) EXPECT_EQ(seen[i], 180 + 10 * static_cast<float>(i % 3)) << i;
}

INSTANTIATE_TEST_SUITE_P(Kit, Animations,
                         testing::Values(AnimationCase{"StopsAtOnce", "1", 1, 0, 180},
                                         AnimationCase{"TwoStepsThenStops", "ab1", 3, 2, 200},
                                         AnimationCase{"PastTheEndStartsAgain", "abc1", 4, 3, 180},
                                         AnimationCase{"OtherDigitsStep", "2{Enter}1", 3, 2, 200}),
                         [](const testing::TestParamInfo<AnimationCase>& tp) { return std::string(tp.param.name); });

TEST(Animations, WithoutACounterOnlyTheFramesAndTheKeys) {
    Fixture f(nullptr, "x1");
    Program& p = *f.p;
    p.ArcAngle = 42;
    int frames = 0;
    Animate(p, {.erase = {0, 0, 50, 50}}, [&] { ++frames; });
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(p.ArcAngle, 42);
    EXPECT_TRUE(LastKeyIs(p, '1'));
}

// ---- Labels of the marks ---------------------------------------------------------------

TEST(MarkLabels, ColourAndOffsetAreFieldsOfTheStyle) {
    // The label of a mark, written once plainly and once with its colour and
    // offset in the style: same text, moved by the offset, in that colour.
    struct Case {
        const char* name;
        void (*draw)(Program& p, bool styled);
    } cases[] = {
        {"AngleMark",
         [](Program& p, bool styled) {
             AngleMarkStyle s{.size = 40, .arcs = 1, .color = kPurple, .label = "X", .shift = 1};
             if (styled) {
                 s.labelColor = kBrightBlue;
                 s.labelDx = 12;
                 s.labelDy = -30;
             }
             AngleMark(p, {500, 300}, {600, 300}, {500, 200}, s);
         }},
        {"DottedArc",
         [](Program& p, bool styled) {
             DottedArcStyle s{.side = 1, .bulge = 40, .step = 5, .color = kBlack, .label = "X"};
             if (styled) {
                 s.labelColor = kBrightBlue;
                 s.labelDx = 12;
                 s.labelDy = -30;
             }
             DottedArc(p, {100, 300}, {400, 300}, s);
         }},
        {"Polygon",
         [](Program& p, bool styled) {
             PolygonStyle s{.width = 5, .color = kBlack, .distance = 10, .labels = "X"};
             if (styled) {
                 s.labelColor = kBrightBlue;
                 s.labelDx = 12;
                 s.labelDy = -30;
             }
             Polygon(p, {{100, 100}, {200, 100}, {150, 50}}, s);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        Program& p = *f.p;
        p.PenColor = kTeal;
        c.draw(p, false);
        const json plain = FindRun(f.Events(), "X");
        f.ClearEvents();
        c.draw(p, true);
        const json styled = FindRun(f.Events(), "X");
        ASSERT_FALSE(plain.is_null());
        ASSERT_FALSE(styled.is_null());
        EXPECT_EQ(plain["color"], kTeal);   // PenColor as it stood
        EXPECT_EQ(styled["color"], kBrightBlue);
        EXPECT_NEAR(styled["x"].get<double>() - plain["x"].get<double>(), 12, 0.01);
        EXPECT_NEAR(styled["y"].get<double>() - plain["y"].get<double>(), -30, 0.01);
        EXPECT_EQ(p.LabelOffsetX, 0);   // the routine clears the offsets after the label
        EXPECT_EQ(p.LabelOffsetY, 0);
    }
}

TEST(MarkLabels, AnAngleMarkStrokesInItsColourAndFillsItsSectorInItsFill) {
    Fixture f;
    Program& p = *f.p;
    const Pt vertex{500, 300}, right{600, 300}, up{500, 200};
    AngleMark(p, vertex, right, up, {.size = 40, .arcs = 0, .color = kBlack, .fill = kPink, .shift = 1});
    AngleMark(p, vertex, right, up, {.size = 40, .arcs = 2, .color = kPurple, .fill = kPink, .shift = 1});
    const auto circles = f.Events("circle");
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0]["color"], kBlack);
    EXPECT_EQ(circles[0]["fill"], kPink);
    EXPECT_EQ(circles[1]["color"], kPurple);
    EXPECT_EQ(circles[1]["filled"], false);
    EXPECT_EQ(circles[2]["color"], kPurple);
}

TEST(RightAngles, TheStyleSetsSizeColourAndShiftOrKeepsTheShift) {
    Fixture f;
    Program& p = *f.p;
    p.MarkShift = -1;
    RightAngle(p, {500, 300}, {600, 300}, {500, 200}, {.size = 30, .color = kTeal, .shift = {}});
    EXPECT_EQ(p.MarkShift, -1);
    RightAngle(p, {500, 300}, {600, 300}, {500, 200});
    EXPECT_EQ(p.MarkShift, 0);
    const auto lines = f.Events("polyline");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["color"], kTeal);
    EXPECT_EQ(lines[1]["color"], kPurple);
    // The corner's end on the first ray: side 30 up (the rays exchanged),
    // then side 20 (the default) to the right.
    EXPECT_TRUE(Near(lines[0]["points"][2][0], 500) && Near(lines[0]["points"][2][1], 270)) << lines[0].dump();
    EXPECT_TRUE(Near(lines[1]["points"][2][0], 520) && Near(lines[1]["points"][2][1], 300)) << lines[1].dump();
}

TEST(AngleDots, OnTheBisectorWithThePenLeftThere) {
    Fixture f;
    Program& p = *f.p;
    SetP(p, 0, {500, 300});
    SetP(p, 1, {600, 300});
    SetP(p, 2, {500, 200});
    AngleDot(p, 0, 1, 2, {.distance = 50, .color = kGrey});
    const auto discs = FilledEvents(f.Events());
    ASSERT_EQ(discs.size(), 1u);
    // The bisector of right and up points up and to the right.
    EXPECT_TRUE(Near(discs[0]["x"], 500 + 35.3553) && Near(discs[0]["y"], 300 - 35.3553)) << discs[0].dump();
    EXPECT_EQ(discs[0]["r"], 8);
    EXPECT_EQ(discs[0]["color"], kGrey);
    EXPECT_NEAR(p.PenX, 535.3553, 0.01);
    EXPECT_NEAR(p.PenY, 264.6447, 0.01);
    EXPECT_EQ(p.MarkSize, 50);
    EXPECT_EQ(p.WorkA, 0);
    EXPECT_EQ(p.WorkB, 1);
    EXPECT_EQ(p.WorkC, 2);
}

// ---- Marks on points of the point tables ---------------------------------------------

// The cells a mark on entries names its points in; 90 in a case: the cell as
// the mark's Pt form leaves it.
struct NamedCells {
    float workA = 90, workB = 90, workC = 90;
    float indexA = 90, indexB = 90, indexC = 90;
};

struct EntryMarkCase {
    const char* name;
    void (*byEntries)(Program& p);
    void (*byPoints)(Program& p);
    NamedCells named;
};

std::ostream& operator<<(std::ostream& os, const EntryMarkCase& c) { return os << c.name; }

class EntryMarks : public testing::TestWithParam<EntryMarkCase> {};

// Point 1 at (500, 300), 2 to its right, 3 above it, 4 down and to the left;
// WorkA..WorkC and IndexA..IndexC hold 90 before the mark.
void SetMarkPoints(Program& p) {
    SetP(p, 1, {500, 300});
    SetP(p, 2, {600, 300});
    SetP(p, 3, {500, 200});
    SetP(p, 4, {420, 380});
    p.WorkA = p.WorkB = p.WorkC = 90;
    p.IndexA = p.IndexB = p.IndexC = 90;
}

// The mark on entries draws what its Pt form draws on the entries' points,
// leaves the mark's cells as that form does, and names the entries.
TEST_P(EntryMarks, DrawAsOnTheirPointsAndNameTheEntries) {
    const EntryMarkCase& c = GetParam();
    Fixture byPoints, byEntries;
    Program& want = *byPoints.p;
    Program& p = *byEntries.p;
    SetMarkPoints(want);
    SetMarkPoints(p);
    c.byPoints(want);
    c.byEntries(p);
    const auto drawn = byEntries.Events();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn, byPoints.Events());

    const auto named = [](float value, float asLeft) { return value == 90 ? asLeft : value; };
    EXPECT_EQ(p.WorkA, named(c.named.workA, want.WorkA));
    EXPECT_EQ(p.WorkB, named(c.named.workB, want.WorkB));
    EXPECT_EQ(p.WorkC, named(c.named.workC, want.WorkC));
    EXPECT_EQ(p.IndexA, named(c.named.indexA, want.IndexA));
    EXPECT_EQ(p.IndexB, named(c.named.indexB, want.IndexB));
    EXPECT_EQ(p.IndexC, named(c.named.indexC, want.IndexC));
    // The cells a later step reads after the Pt form.
    const float Program::*const kept[] = {
        &Program::MarkShift,    &Program::MarkSize,     &Program::MarkCount,     &Program::TickSpacing,
        &Program::LoopIndex,    &Program::LineColor,    &Program::AccentColor,   &Program::PenColor,
        &Program::LabelOffsetX, &Program::LabelOffsetY, &Program::ArcFractionB,  &Program::ArcFractionC,
        &Program::BisectorAngle, &Program::ArcPointX,   &Program::ArcPointY,     &Program::ArcSweep,
        &Program::MarkAX,       &Program::MarkBX,       &Program::MarkCY};
    for (std::size_t i = 0; i < std::size(kept); ++i) EXPECT_EQ(p.*kept[i], want.*kept[i]) << "cell " << i;
    EXPECT_EQ(p.MarkLabel, want.MarkLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Kit, EntryMarks,
    testing::Values(
        EntryMarkCase{"Ticks",
                      [](Program& p) { Ticks(p, 1, 2, {.count = 2, .size = 12, .color = kGrey, .shift = -8.0f}); },
                      [](Program& p) {
                          Ticks(p, P(p, 1), P(p, 2), {.count = 2, .size = 12, .color = kGrey, .shift = -8.0f});
                      },
                      {.workA = 1, .workB = 2}},
        EntryMarkCase{"AngleMark",
                      [](Program& p) {
                          AngleMark(p, 1, 2, 3, {.size = 40, .arcs = 0, .fill = kPink, .label = "X", .shift = 1});
                      },
                      [](Program& p) {
                          AngleMark(p, P(p, 1), P(p, 2), P(p, 3),
                                    {.size = 40, .arcs = 0, .fill = kPink, .label = "X", .shift = 1});
                      },
                      {.workA = 1, .workB = 2, .workC = 3}},
        EntryMarkCase{"RightAngle", [](Program& p) { RightAngle(p, 1, 3, 2, {.size = 30, .shift = -1.0f}); },
                      [](Program& p) { RightAngle(p, P(p, 1), P(p, 3), P(p, 2), {.size = 30, .shift = -1.0f}); },
                      {.indexA = 1, .indexB = 3, .indexC = 2}},
        EntryMarkCase{"DottedArc",
                      [](Program& p) { DottedArc(p, 4, 2, {.bulge = 30, .step = 6, .sweep = 90, .label = "r"}); },
                      [](Program& p) {
                          DottedArc(p, P(p, 4), P(p, 2), {.bulge = 30, .step = 6, .sweep = 90, .label = "r"});
                      },
                      {.workA = 4, .workB = 2}},
        EntryMarkCase{"FilledPolygon", [](Program& p) { FilledPolygon(p, 4, 2, 3, kBlack, kPink); },
                      [](Program& p) { FilledPolygon(p, {P(p, 4), P(p, 2), P(p, 3)}, kBlack, kPink); },
                      {.workA = 4, .workB = 2, .workC = 3}}),
    [](const testing::TestParamInfo<EntryMarkCase>& tp) { return std::string(tp.param.name); });

TEST(EntryMarks, TicksOneAcrossTheMiddleThenTowardsTheSecondPoint) {
    // Shift -8: the first stroke crosses the middle of 1-2, the next goes
    // 8 px further towards point 2, whatever spacing an earlier call left.
    Fixture f;
    Program& p = *f.p;
    SetP(p, 1, {100, 100});
    SetP(p, 2, {200, 100});
    p.TickSpacing = 30;   // left over from an earlier call
    Ticks(p, 1, 2, {.count = 2, .size = 12, .color = 7, .shift = -8.0f});
    ExpectSegments(Segments(f), {{150, 88, 150, 112, 7}, {158, 88, 158, 112, 7}});
    EXPECT_EQ(p.WorkA, 1);
    EXPECT_EQ(p.WorkB, 2);
}

TEST(EntryMarks, TheMiddleOfTwoEntriesNamesThemAndDrawsNothing) {
    Fixture f;
    Program& p = *f.p;
    SetMarkPoints(p);
    const Pt m = Mid(p, 4, 2);
    EXPECT_EQ(m.x, 510);
    EXPECT_EQ(m.y, 340);
    EXPECT_EQ(p.WorkA, 4);
    EXPECT_EQ(p.WorkB, 2);
    EXPECT_EQ(p.WorkC, 90);
    EXPECT_TRUE(f.Events().empty());
}

}  // namespace
