// The coordinate plane: frame cells, grid lines, numbers, axes and labels;
// the decimal labels of its numbered lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/plane_test_support.h"

namespace {

using namespace figure_test;
using namespace plane_test;

// ---- Coordinate plane ------------------------------------------------------------

TEST(DrawCoordinatePlane, WorkedFrameFromZeroToEight) {
    Fixture f;
    auto& p = *f.p;
    p.rt.RtSetDrawWidth(2);
    SetPlane(p, {0, 8, 0, 8, 1, 1, 44, 560, 100});
    f.ClearEvents();
    DrawCoordinatePlane(p);

    EXPECT_EQ(p.OriginX, 560);
    EXPECT_EQ(p.OriginY, 452);
    EXPECT_EQ(p.GridLeft, 560);
    EXPECT_EQ(p.GridTop, 100);
    EXPECT_EQ(p.GridRight, 912);
    EXPECT_EQ(p.GridBottom, 452);
    EXPECT_EQ(p.LineWidth, 30);

    // Unit lines half a pixel off their unit, then heavy lines on it, then
    // the two axes.
    std::vector<Segment> want;
    for (int i = 0; i <= 8; ++i) want.push_back({560 + 44.0f * i - 0.5f, 100, 560 + 44.0f * i - 0.5f, 452, 0, 1});
    for (int i = 0; i <= 8; ++i) want.push_back({560, 452 - 44.0f * i - 0.5f, 912, 452 - 44.0f * i - 0.5f, 0, 1});
    want.push_back({560, 100, 560, 452, 1, 3});
    want.push_back({780, 100, 780, 452, 1, 3});
    want.push_back({560, 452, 912, 452, 1, 3});
    want.push_back({560, 232, 912, 232, 1, 3});
    want.push_back({560, 100, 560, 452, 0, 4});
    want.push_back({560, 452, 912, 452, 0, 4});
    ExpectSegments(Segments(f), want);

    const auto texts = Symbols(f);
    ExpectPlaced(texts, {{"5", 765, 452}, {"5", 530, 213}, {"x", 888, 407}, {"0", 530, 452}, {"y", 560, 85}});
    for (const Symbol& s : texts) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(s.color, 0);
        if (s.text == "x") {
            EXPECT_EQ(s.font, "Times New Roman");
            EXPECT_FLOAT_EQ(s.size, 24);
            EXPECT_TRUE(s.bold);
            EXPECT_TRUE(s.italic);
            EXPECT_EQ(s.hscale, 3);
            EXPECT_EQ(s.vscale, 2);
        } else {
            EXPECT_EQ(s.size, 30);
            EXPECT_FALSE(s.italic);
            EXPECT_EQ(s.hscale, 2);
            EXPECT_EQ(s.vscale, 1);
        }
        // The numbers keep the caller's face and weight; "0" and "y" are bold Gothic.
        if (s.text == "0" || s.text == "y") {
            EXPECT_EQ(s.font, "ゴシック");
            EXPECT_TRUE(s.bold);
        }
        if (s.text == "5") {
            EXPECT_FALSE(s.bold);
        }
    }

    EXPECT_EQ(p.rt.FontName(), Text("ゴシック"));
    EXPECT_EQ(p.rt.FontSize(), 16);
    EXPECT_FALSE(p.rt.FontBold());
    EXPECT_FALSE(p.rt.FontItalic());
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
    EXPECT_EQ(p.SavedDrawWidth, 2);
    EXPECT_EQ(p.LoopIndex, 9);   // one past the last y unit
    EXPECT_EQ(p.TextArg, Text("5"));
    EXPECT_EQ(p.TextCell, Text("y"));
    EXPECT_EQ(p.PenX, 560);
    EXPECT_EQ(p.PenY, 85);
    EXPECT_EQ(p.PenColor, 0);
    EXPECT_EQ(p.GraphXMax, 8);
}

TEST(DrawCoordinatePlane, WorkedFrameWithNegativeEnds) {
    Fixture f;
    auto& p = *f.p;
    SetPlane(p, {-10, 10, -5, 5, 1, 1, 30, 100, 100});
    f.ClearEvents();
    DrawCoordinatePlane(p);
    EXPECT_EQ(p.OriginX, 400);
    EXPECT_EQ(p.OriginY, 250);
    EXPECT_EQ(p.GridRight, 700);
    EXPECT_EQ(p.GridBottom, 400);
    EXPECT_EQ(p.LineWidth, 26);

    std::vector<float> heavyX, heavyY;
    for (const Segment& s : Segments(f)) {
        if (s.width != 3) continue;
        if (s.x1 == s.x2) heavyX.push_back(s.x1);
        else heavyY.push_back(s.y1);
    }
    EXPECT_EQ(heavyX, (std::vector<float>{100, 250, 400, 550, 700}));
    EXPECT_EQ(heavyY, (std::vector<float>{400, 250, 100}));   // from the bottom up

    const auto texts = Symbols(f);
    ExpectPlaced(texts, {{"-10", 61, 250},
                         {"-5", 224, 250},
                         {"5", 537, 250},
                         {"10", 674, 250},
                         {"-5", 348, 383},
                         {"5", 374, 83},
                         {"x", 679.2f, 211},
                         {"0", 374, 250},
                         {"y", 400, 87}});
    // "x" at 0.8 x 26 = 20.8, unrounded.
    EXPECT_FLOAT_EQ(texts[6].size, 20.8f);
    EXPECT_EQ(p.LoopIndex, 6);
}

// What the options change: the corner, the units, the cell size, the grid
// switch and the hidden numbers.
TEST(DrawCoordinatePlane, Options) {
    struct Case {
        const char* name;
        PlaneCells plane;
        float hide;
        float left, top;            // the corner used
        float unitX;                // GraphStepX after the call
        float xmin, xmax;           // x range after, in units
        float labelSize;
        std::vector<std::string> texts;   // the non-empty texts drawn
        std::size_t lines;
    } cases[] = {
        {"corner 0,0", {0, 5, 0, 5, 1, 1, 40, 0, 0}, 0, 640, 180, 1, 0, 5, 30, {"5", "5", "x", "0", "y"}, 18},
        {"only x 0", {0, 5, 0, 5, 1, 1, 40, 0, 50}, 0, 0, 50, 1, 0, 5, 30, {"5", "5", "x", "0", "y"}, 18},
        {"only y 0", {0, 5, 0, 5, 1, 1, 40, 70, 0}, 0, 70, 0, 1, 0, 5, 30, {"5", "5", "x", "0", "y"}, 18},
        {"unit 0", {0, 5, 0, 5, 0, 1, 40, 10, 10}, 0, 10, 10, 1, 0, 5, 30, {"5", "5", "x", "0", "y"}, 18},
        {"unit -2", {-10, 10, 0, 5, -2, 1, 40, 10, 10}, 0, 10, 10, 2, -5, 5, 30,
         {"-5", "5", "5", "x", "0", "y"}, 24},
        {"cell 39", {0, 5, 0, 5, 1, 1, 39, 10, 10}, 0, 10, 10, 1, 0, 5, 26, {"5", "5", "x", "0", "y"}, 18},
        {"no grid", {0, 5, 0, 5, 1, 1, 40, 10, 10, 0}, 0, 10, 10, 1, 0, 5, 30, {"x", "0", "y"}, 2},
        {"hidden", {0, 5, 0, 5, 1, 1, 40, 10, 10}, -1, 10, 10, 1, 0, 5, 30, {"x", "0", "y"}, 18},
        {"hide 1 shows", {0, 5, 0, 5, 1, 1, 40, 10, 10}, 1, 10, 10, 1, 0, 5, 30, {"5", "5", "x", "0", "y"}, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetPlane(p, c.plane);
        p.HideTickNumbers = c.hide;
        f.ClearEvents();
        DrawCoordinatePlane(p);
        EXPECT_EQ(p.GridOriginX, c.left);
        EXPECT_EQ(p.GridOriginY, c.top);
        EXPECT_EQ(p.GridLeft, c.left);
        EXPECT_EQ(p.GridTop, c.top);
        EXPECT_EQ(p.GraphStepX, c.unitX);
        EXPECT_EQ(p.GraphXMin, c.xmin);
        EXPECT_EQ(p.GraphXMax, c.xmax);
        EXPECT_EQ(p.LineWidth, c.labelSize);
        EXPECT_EQ(p.HideTickNumbers, 0);
        std::vector<std::string> texts;
        for (const Symbol& s : Symbols(f)) texts.push_back(s.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(Segments(f).size(), c.lines);
    }
}

TEST(DrawCoordinatePlane, EveryCallDividesTheRangesAgain) {
    Fixture f;
    auto& p = *f.p;
    SetPlane(p, {-8, 8, -4, 4, 2, 2, 40, 100, 100});
    DrawCoordinatePlane(p);
    EXPECT_EQ(p.GraphXMax, 4);
    EXPECT_EQ(p.GraphStepX, 2);   // units are not reset
    DrawCoordinatePlane(p);
    EXPECT_EQ(p.GraphXMin, -2);
    EXPECT_EQ(p.GraphXMax, 2);
    EXPECT_EQ(p.GraphYMax, 1);
    EXPECT_EQ(p.OriginX, 180);
}

// Ranges that are not whole after the division: the lines lie at fractional
// units, and a half counts as the whole number away from zero.
TEST(DrawCoordinatePlane, FractionalUnitsRoundHalvesAwayFromZero) {
    Fixture f;
    auto& p = *f.p;
    SetPlane(p, {-12.5f, 12.5f, 0, 0, 1, 1, 20, 100, 100});
    f.ClearEvents();
    DrawCoordinatePlane(p);
    std::vector<float> heavy;
    for (const Segment& s : Segments(f))
        if (s.width == 3 && s.x1 == s.x2) heavy.push_back((s.x1 - p.OriginX) / 20);
    EXPECT_EQ(heavy, (std::vector<float>{-9.5f, -4.5f, 4.5f, 9.5f}));
}

// A range that is not finite, or spans more than 10 000 units, draws no
// lines or numbers; the counter of a float range beyond 2^24 would never
// have moved on. The y range here is a sound one.
TEST(DrawCoordinatePlane, EndlessRangesDrawNoLines) {
    struct Case {
        const char* name;
        PlaneCells plane;
    } cases[] = {
        {"tiny unit", {-5, 5, -5, 5, 1e-38f, 1, 40, 10, 10}},
        {"beyond 2^24", {0, 3e7f, 0, 5, 1, 1, 40, 10, 10}},
        {"10 001 units", {0, 10001, 0, 5, 1, 1, 0.01f, 10, 10}},
        {"infinite", {-INFINITY, 5, 0, 5, 1, 1, 40, 10, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetPlane(p, c.plane);
        f.ClearEvents();
        DrawCoordinatePlane(p);
        for (const Segment& s : Segments(f)) {
            if (s.x1 == s.x2) {
                EXPECT_EQ(s.width, 4);
            }
        }
        for (const Symbol& s : Symbols(f)) {   // no x numbers
            if (s.text != "0") {
                EXPECT_NE(s.y, p.OriginY) << s.text;
            }
        }
    }
    // 10 000 units are still drawn.
    Fixture f(nullptr, "", false);
    SetPlane(*f.p, {0, 10000, 0, 0, 1, 1, 0.1f, 10, 10});
    f.p->LoopIndex = 0;
    DrawCoordinatePlane(*f.p);
    EXPECT_EQ(f.p->LoopIndex, 1);   // the y pass ran last, after 10 001 columns
}

// Each character of a number takes LineWidth px at horizontal scale 2: the
// second digit of "88" covers the same pixels as "8" drawn LineWidth px
// further right.
TEST(DrawCoordinatePlane, NumberCharactersTakeLineWidthPixels) {
    for (float size : {26.0f, 30.0f}) {
        SCOPED_TRACE(size);
        Fixture f(nullptr, "", false);
        Runtime& rt = f.p->rt;
        rt.RtSetFontSize(size);
        rt.RtSymbol(100, 100, 2, 1, 0, "-88");
        rt.RtSymbol(100 + 2 * size, 200, 2, 1, 0, "8");
        int inked = 0;
        for (int dy = 0; dy < 40; ++dy) {
            for (int dx = 0; dx < static_cast<int>(size); ++dx) {
                const int x = 100 + 2 * static_cast<int>(size) + dx;
                ASSERT_EQ(rt.PixelColor(x, 100 + dy), rt.PixelColor(x, 200 + dy)) << x << "," << dy;
                if (rt.PixelColor(x, 200 + dy) == 0) ++inked;
            }
        }
        EXPECT_GT(inked, 50);
        // Nothing of the text reaches past its three cells.
        for (int dy = 0; dy < 40; ++dy) EXPECT_EQ(rt.PixelColor(100 + 3 * static_cast<int>(size) + 1, 100 + dy), 15);
    }
}

// ---- Decimal tick labels -------------------------------------------------------

// The frame of the worked labels: cell 50, origin (640, 580), label size 30.
void SetLabelFrame(Program& p, float xmin, float xmax, float ymin, float ymax, float stepX, float stepY) {
    p.CellSize = 50;
    p.OriginX = 640;
    p.OriginY = 580;
    p.LineWidth = 30;
    p.GraphXMin = xmin;
    p.GraphXMax = xmax;
    p.GraphYMin = ymin;
    p.GraphYMax = ymax;
    p.GraphStepX = stepX;
    p.GraphStepY = stepY;
}

TEST(DrawDecimalTickLabels, WorkedHalfStepLabels) {
    Fixture f;
    auto& p = *f.p;
    SetLabelFrame(p, -10, 10, 0, 5, 0.5f, 0.5f);
    p.rt.RtSetFontSize(20);
    p.rt.RtSetFontBold(-1);
    f.ClearEvents();
    DrawDecimalTickLabels(p);
    const auto texts = Symbols(f);
    ExpectPlaced(texts, {{"-5", 110, 584},
                         {"-25", 345, 584},
                         {".", 399, 588},
                         {"25", 860, 584},
                         {".", 884, 588},
                         {"5", 1125, 584},
                         {"25", 580, 315},
                         {".", 604, 319}});
    for (const Symbol& s : texts) {
        EXPECT_EQ(s.size, 30);
        EXPECT_EQ(s.hscale, 2);
        EXPECT_EQ(s.vscale, 1);
        EXPECT_EQ(s.color, 0);
        EXPECT_TRUE(s.bold);   // face and weight stay the caller's
    }
    EXPECT_EQ(p.rt.FontSize(), 16);
    EXPECT_TRUE(p.rt.FontBold());
    EXPECT_EQ(p.LoopIndex, 6);
    EXPECT_EQ(p.TextCell, Text("25"));
    EXPECT_EQ(p.PenX, 604);
    EXPECT_EQ(p.PenY, 319);
    EXPECT_EQ(p.PenColor, 0);
    EXPECT_EQ(p.TickWholePart, 2);   // the last line, i = 5 on y
    EXPECT_EQ(p.TickTenths, 5);
    EXPECT_EQ(p.TickWholeText, Text("2"));
    EXPECT_EQ(p.TickTenthsText, Text("5"));
    EXPECT_EQ(p.TextArg, Text("5"));
    EXPECT_EQ(p.GraphStepX, 0.5f);   // not reset
}

// A value is rounded to four decimals and then cut after its tenths; the
// whole part carries the sign.
TEST(DrawDecimalTickLabels, ValueTexts) {
    struct Case {
        float step, index;
        const char* label;
        bool point;
    } cases[] = {
        {0.02f, 5, "01", true},    // 0.1, where the bare product read 0
        {0.02f, 20, "04", true},   // 0.4, not 0.3
        {1.3f, 90, "117", false},  // not 116.9
        {0.516f, 5, "25", true},   // 2.58 still reads 2.5
        {0.1f, -5, "-05", true},   // -0.5
        {1, -15, "-15", false},
        {0.25f, 10, "25", true},
        {3, 5, "15", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.step) + " x " + std::to_string(c.index));
        Fixture f;
        auto& p = *f.p;
        SetLabelFrame(p, c.index, c.index, 0, 0, c.step, 1);
        f.ClearEvents();
        DrawDecimalTickLabels(p);
        const auto texts = Symbols(f);
        ASSERT_EQ(texts.size(), c.point ? 2u : 1u);
        EXPECT_EQ(texts[0].text, c.label);
        if (c.point) {
            EXPECT_EQ(texts[1].text, ".");
            const float wholeChars = static_cast<float>(std::string(c.label).size() - 1);
            EXPECT_EQ(texts[1].x, texts[0].x + 30 * wholeChars - 6);
        }
    }
}

// Which lines get labels, and what is left when none does.
TEST(DrawDecimalTickLabels, LabelledLines) {
    struct Case {
        const char* name;
        float xmin, xmax;
        std::vector<std::string> labels;
    } cases[] = {
        {"only 0 and no fifth line", -4, 4, {}},
        {"reversed range: the first index only", 10, 5, {"10"}},
        {"halves away from zero", -12.5f, 12.5f, {"-95", ".", "-45", ".", "45", ".", "95", "."}},
        {"step 1: whole numbers", -10, 10, {"-10", "-5", "5", "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetLabelFrame(p, c.xmin, c.xmax, 0, 0, 1, 1);
        p.PenX = 11;
        p.PenY = 22;
        p.PenColor = 3;
        p.TextCell = "kept";
        f.ClearEvents();
        DrawDecimalTickLabels(p);
        std::vector<std::string> labels;
        for (const Symbol& s : Symbols(f)) labels.push_back(s.text);
        EXPECT_EQ(labels, c.labels);
        if (c.labels.empty()) {
            EXPECT_EQ(p.PenX, 11);
            EXPECT_EQ(p.PenY, 22);
            EXPECT_EQ(p.PenColor, 3);
            EXPECT_EQ(p.TextCell, Text("kept"));
        }
        EXPECT_EQ(p.LoopIndex, 1);   // the y range 0 to 0 ran last
    }
}

// With a step of 1 the labels are the plane's own numbers, 4 px lower.
TEST(DrawDecimalTickLabels, StepOneMatchesThePlaneNumbersFourPixelsLower) {
    Fixture f;
    auto& p = *f.p;
    SetPlane(p, {-10, 10, -10, 10, 1, 1, 30, 100, 100});
    f.ClearEvents();
    DrawCoordinatePlane(p);
    auto plane = Symbols(f);
    plane.resize(plane.size() - 3);   // without "x", "0", "y"
    p.GraphStepX = 1;
    p.GraphStepY = 1;
    f.ClearEvents();
    DrawDecimalTickLabels(p);
    const auto labels = Symbols(f);
    ASSERT_EQ(labels.size(), plane.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(labels[i].text);
        EXPECT_EQ(labels[i].text, plane[i].text);
        EXPECT_EQ(labels[i].x, plane[i].x);
        EXPECT_EQ(labels[i].y, plane[i].y + 4);
    }
}

}  // namespace
