// Arrows and the translation vector.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// ---- DrawArrow ----------------------------------------------------------------------

struct ArrowCase {
    const char* name;
    float ax, ay, tx, ty, direction, headMode, size;
    std::vector<Segment> lines;
    float ax2, ay2, tx2, ty2;   // the ends afterwards
    float footX, footY, headModeAfter;
};

const ArrowCase kArrows[] = {
    {"headAtTip", 100, 200, 300, 200, 1, 1, 30,
     {{100, 200, 300, 200}, {270, 215, 300, 200}, {270, 185, 300, 200}}, 300, 200, 100, 200, 270, 200, 1},
    {"directionZeroAsOne", 100, 200, 300, 200, 0, 1, 30,
     {{100, 200, 300, 200}, {270, 215, 300, 200}, {270, 185, 300, 200}}, 300, 200, 100, 200, 270, 200, 1},
    {"directionSeven", 100, 200, 300, 200, 7, 0, 30,
     {{100, 200, 300, 200}, {270, 215, 300, 200}, {270, 185, 300, 200}}, 300, 200, 100, 200, 270, 200, 0},
    {"headAtA", 100, 200, 300, 200, -1, 1, 30,
     {{300, 200, 100, 200}, {130, 185, 100, 200}, {130, 215, 100, 200}}, 100, 200, 300, 200, 130, 200, 1},
    {"slanting", 100, 100, 260, 220, 1, 1, 20,
     {{100, 100, 260, 220}, {238, 216, 260, 220}, {250, 200, 260, 220}}, 260, 220, 100, 100, 244, 208, 1},
    {"twoHeads", 100, 200, 300, 200, 1, 2, 30,
     {{100, 200, 300, 200}, {270, 215, 300, 200}, {270, 185, 300, 200},
      {300, 200, 100, 200}, {130, 185, 100, 200}, {130, 215, 100, 200}},
     100, 200, 300, 200, 130, 200, 0},
    {"twoHeadsReversed", 100, 200, 300, 200, -1, 2, 30,
     {{300, 200, 100, 200}, {130, 185, 100, 200}, {130, 215, 100, 200},
      {100, 200, 300, 200}, {270, 215, 300, 200}, {270, 185, 300, 200}},
     300, 200, 100, 200, 270, 200, 0},
    {"zeroSizeHead", 100, 200, 300, 200, 1, 1, 0,
     {{100, 200, 300, 200}, {300, 200, 300, 200}, {300, 200, 300, 200}}, 300, 200, 100, 200, 300, 200, 1},
};

TEST(DrawArrow, WorkedArrows) {
    for (const auto& c : kArrows) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        p.MarkAX = c.ax;
        p.MarkAY = c.ay;
        p.TipX = c.tx;
        p.TipY = c.ty;
        p.ArrowDirection = c.direction;
        p.ArrowHeadMode = c.headMode;
        p.MarkSize = c.size;
        p.LineColor = 5;
        p.rt.RtSetDrawWidth(6);
        p.LoopIndex = 3;
        f.ClearEvents();
        DrawArrow(p);
        std::vector<Segment> want = c.lines;
        for (auto& s : want) s.color = 5;
        ExpectSegments(Segments(f), want);
        for (const auto& e : f.Events("line")) EXPECT_EQ(e["width"], 6);
        EXPECT_EQ(p.MarkAX, c.ax2);
        EXPECT_EQ(p.MarkAY, c.ay2);
        EXPECT_EQ(p.TipX, c.tx2);
        EXPECT_EQ(p.TipY, c.ty2);
        EXPECT_NEAR(p.FootX, c.footX, 1e-3f);
        EXPECT_NEAR(p.FootY, c.footY, 1e-3f);
        // The last head drawn: barb ends in B and C.
        EXPECT_NEAR(p.MarkBX, want[want.size() - 2].x1, 1e-3f);
        EXPECT_NEAR(p.MarkCY, want.back().y1, 1e-3f);
        EXPECT_EQ(p.ArrowDirection, 0);
        EXPECT_EQ(p.ArrowHeadMode, c.headModeAfter);
        EXPECT_EQ(p.MarkSize, c.size);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 6);
        EXPECT_EQ(p.LoopIndex, 3);
    }
}

TEST(DrawArrow, WorkCellsOfTheFirstExample) {
    Fixture f;
    auto& p = *f.p;
    p.MarkAX = 100;
    p.MarkAY = 200;
    p.TipX = 300;
    p.TipY = 200;
    p.ArrowDirection = 1;
    p.MarkSize = 30;
    DrawArrow(p);
    EXPECT_EQ(p.Seg2X1, 200);
    EXPECT_EQ(p.Seg2Y1, 0);
    EXPECT_EQ(p.WorkD, 200);
    EXPECT_EQ(p.Seg2X2, 1);
    EXPECT_EQ(p.Seg2Y2, 0);
    // Called again at once: the ends came back exchanged, so the head is at
    // (100, 200) now.
    f.ClearEvents();
    DrawArrow(p);
    ExpectSegments(Segments(f), {{300, 200, 100, 200}, {130, 185, 100, 200}, {130, 215, 100, 200}});
    EXPECT_EQ(p.Seg2X1, -200);
}

// Ends that coincide give no direction: nothing is drawn (the old routine
// divided by the length 0).
TEST(DrawArrow, CoincidingEndsDrawNothing) {
    for (float headMode : {1.0f, 2.0f}) {
        Fixture f;
        auto& p = *f.p;
        p.MarkAX = 150;
        p.MarkAY = 150;
        p.TipX = 150;
        p.TipY = 150;
        p.ArrowDirection = -1;
        p.ArrowHeadMode = headMode;
        p.MarkSize = 20;
        f.ClearEvents();
        EXPECT_NO_THROW(DrawArrow(p));
        EXPECT_TRUE(f.Events().empty());
        EXPECT_EQ(p.ArrowDirection, 0);
        EXPECT_EQ(p.ArrowHeadMode, headMode == 2 ? 0 : 1);
        EXPECT_EQ(p.WorkD, 0);
        EXPECT_EQ(p.FootX, 150);
    }
}

// ---- DrawTranslationVector -----------------------------------------------------------

TEST(DrawTranslationVector, TwoArrowsAndTheirLabels) {
    for (bool exchanged : {false, true}) {
        SCOPED_TRACE(exchanged ? "given from right to left" : "given from left to right");
        Fixture f;
        auto& p = *f.p;
        if (exchanged) {
            SetVector(p, 260, 180, 100, 300, "yy");
        } else {
            SetVector(p, 100, 300, 260, 180, "yy");
        }
        p.rt.RtSetDrawWidth(2);
        f.ClearEvents();
        DrawTranslationVector(p);
        ExpectSegments(Segments(f), {{100, 300, 260, 300, 7}, {244, 308, 260, 300, 7}, {244, 292, 260, 300, 7},
                                     {260, 300, 260, 180, 3}, {268, 196, 260, 180, 3}, {252, 196, 260, 180, 3}});
        for (const auto& e : f.Events("line")) EXPECT_EQ(e["width"], 4);
        EXPECT_EQ(p.HorizontalStepText.utf8(), "4");
        EXPECT_EQ(p.VerticalStepText.utf8(), "3");
        const auto labels = DrawnRuns(f);
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[0].text, "4");
        EXPECT_EQ(labels[0].color, 7);
        EXPECT_EQ(labels[0].x, 166);
        EXPECT_EQ(labels[0].y, 256);
        EXPECT_EQ(labels[1].text, "3");
        EXPECT_EQ(labels[1].color, 3);
        EXPECT_EQ(labels[1].x, 260);
        EXPECT_EQ(labels[1].y, 224);
        // What the vertical arrow leaves; the vector cells stay exchanged.
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 4);
        EXPECT_EQ(p.LineColor, 3);
        EXPECT_EQ(p.MarkSize, 16);
        EXPECT_EQ(p.ArrowDirection, 0);
        EXPECT_EQ(p.MarkAX, 260);
        EXPECT_EQ(p.MarkAY, 180);
        EXPECT_EQ(p.TipX, 260);
        EXPECT_EQ(p.TipY, 300);
        EXPECT_EQ(p.VectorStartX, 100);
        EXPECT_EQ(p.VectorEndY, 180);
        EXPECT_EQ(p.PenColor, 3);
    }
}

TEST(DrawTranslationVector, StepTextsAreWellFormedDecimals) {
    const struct {
        const char* name;
        float sx, sy, ex, ey;
        const char* across;
        const char* up;
    } cases[] = {
        {"down", 100, 180, 260, 300, "4", "-3"},
        {"halfUp", 100, 300, 140, 280, "1", "0.5"},
        {"halfDown", 100, 300, 140, 320, "1", "-0.5"},
        {"level", 100, 300, 180, 300, "2", "0"},
        {"quarterAcross", 100, 300, 110, 200, "0.25", "2.5"},
        {"tenthsAcross", 100, 300, 112, 300, "0.3", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetVector(p, c.sx, c.sy, c.ex, c.ey, "yy");
        DrawTranslationVector(p);
        EXPECT_EQ(p.HorizontalStepText.utf8(), c.across);
        EXPECT_EQ(p.VerticalStepText.utf8(), c.up);
    }
}

TEST(DrawTranslationVector, HorizontalLabelSitsOnTheSideTheVerticalArrowRunsTo) {
    Fixture f;
    auto& p = *f.p;
    SetVector(p, 100, 180, 260, 300, "y");
    f.ClearEvents();
    DrawTranslationVector(p);
    const auto labels = DrawnRuns(f);
    ASSERT_EQ(labels.size(), 1u);   // only the horizontal label was asked for
    EXPECT_EQ(labels[0].y, 180);
    EXPECT_EQ(labels[0].text, "4");
}

TEST(DrawTranslationVector, LabelSwitches) {
    const struct {
        const char* flags;
        std::vector<std::string> labels;
    } cases[] = {{"", {}}, {"y", {"4"}}, {"ny", {"3"}}, {"Y", {}}, {"YY", {}}, {"yY", {"4"}}, {"yyy", {"4", "3"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        Fixture f;
        auto& p = *f.p;
        SetVector(p, 100, 300, 260, 180, c.flags);
        f.ClearEvents();
        DrawTranslationVector(p);
        const auto labels = DrawnRuns(f);
        ASSERT_EQ(labels.size(), c.labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].text, c.labels[i]);
    }
}

// A missing component gives no arrow and no label for it; a cell size of 0
// gives no step labels; none of these reaches the error screen.
TEST(DrawTranslationVector, MissingComponentsAndZeroCell) {
    const struct {
        const char* name;
        float sx, sy, ex, ey, cell;
        std::vector<int> arrowColors;   // one entry per arrow drawn
        std::vector<std::string> labels;
    } cases[] = {
        {"noHorizontal", 200, 300, 200, 220, 40, {3}, {"2"}},
        {"noVertical", 100, 300, 220, 300, 40, {7}, {"3"}},
        {"noVector", 100, 300, 100, 300, 40, {}, {}},
        {"zeroCell", 100, 300, 260, 180, 0, {7, 3}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetVector(p, c.sx, c.sy, c.ex, c.ey, "yy", c.cell);
        f.ClearEvents();
        EXPECT_NO_THROW(DrawTranslationVector(p));
        const auto lines = Segments(f);
        ASSERT_EQ(lines.size(), 3 * c.arrowColors.size());
        for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].color, c.arrowColors[i / 3]);
        const auto labels = DrawnRuns(f);
        ASSERT_EQ(labels.size(), c.labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].text, c.labels[i]);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 4);
    }
}

TEST(DrawTranslationVector, TwoHeadModeAppliesToTheHorizontalArrowOnly) {
    Fixture f;
    auto& p = *f.p;
    SetVector(p, 100, 300, 260, 180, "");
    p.ArrowHeadMode = 2;
    f.ClearEvents();
    DrawTranslationVector(p);
    const auto lines = Segments(f);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5].color, 7);
    EXPECT_EQ(lines[6].color, 3);
    EXPECT_EQ(p.ArrowHeadMode, 0);
}

}  // namespace
