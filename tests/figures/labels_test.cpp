// Vertex labels and the labelled polygon.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

struct PlacementCase {
    const char* name;
    float bx, by, cx, cy, shift;   // rays from A = (300, 300)
    const char* label;
    float size, offsetX, offsetY;
    // Expected corner as a function of the measured width W: x = ax + wx * W.
    float ax, wx, y;
};

const PlacementCase kPlacements[] = {
    // Bisector up: the box's bottom edge 20 px above A, centred.
    {"up", 400, 300, 200, 300, 0, "A", 20, 0, 0, 300, -0.5f, 236},
    // The rays exchanged: bisector down, the box's top edge 20 px below A.
    {"down", 400, 300, 200, 300, -1, "A", 20, 0, 0, 300, -0.5f, 320},
    // Bisector left: the box's right edge 20 px left of A, centred in height.
    {"left", 300, 200, 300, 400, 0, "30%", 20, 0, 0, 280, -1, 278},
    // Bisector right (up to down across +x).
    {"right", 300, 400, 300, 200, 0, "5cm", 20, 0, 0, 320, 0, 278},
    // A fraction makes the box 80 px high.
    {"fractionUp", 400, 300, 200, 300, 0, "ﾀ1/2ﾀ", 20, 0, 0, 300, -0.5f, 200},
    // Size 0 puts the box against A; offsets come last.
    {"againstA", 400, 300, 200, 300, -1, "B", 0, 10, -30, 310, -0.5f, 270},
};

TEST(PlaceVertexLabel, BoxBeyondThePointOnTheBisector) {
    for (const auto& c : kPlacements) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetAngle(p, 300, 300, c.bx, c.by, c.cx, c.cy);
        p.MarkShift = c.shift;
        p.MarkLabel = c.label;
        p.MarkSize = c.size;
        p.LabelOffsetX = c.offsetX;
        p.LabelOffsetY = c.offsetY;
        p.PenColor = 5;
        f.ClearEvents();
        PlaceVertexLabel(p);
        const auto runs = DrawnRuns(f);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].routine, "DrawMarkupText");
        EXPECT_EQ(runs[0].text, c.label);
        EXPECT_EQ(runs[0].color, 5);
        const float w = p.TextWidth;
        EXPECT_GT(w, 0);
        EXPECT_NEAR(runs[0].x, c.ax + c.wx * w, 1e-3f);
        EXPECT_NEAR(runs[0].y, c.y, 1e-3f);
        // The one-shot settings are cleared.
        EXPECT_EQ(p.MarkShift, 0);
        EXPECT_EQ(p.MarkSize, 0);
        EXPECT_EQ(p.LabelOffsetX, 0);
        EXPECT_EQ(p.LabelOffsetY, 0);
        EXPECT_EQ(p.PlainLabelFlag, 0);
        EXPECT_TRUE(p.MarkLabel.empty());
        EXPECT_TRUE(p.TextCell.empty());
        const bool fraction = std::string(c.label).find("ﾀ") != std::string::npos;
        EXPECT_EQ(p.Seg2Y2, fraction ? 40 : 22);
        EXPECT_EQ(p.IndexA, fraction ? 1 : 0);
        // A, B and C stay for a second label at the same vertex.
        EXPECT_EQ(p.MarkAX, 300);
        EXPECT_EQ(p.MarkBX, c.bx);
        EXPECT_EQ(p.MarkCY, c.cy);
    }
}

TEST(PlaceVertexLabel, EmptyLabelDrawsNothingButStillResets) {
    Fixture f;
    auto& p = *f.p;
    SetAngle(p, 300, 300, 400, 300, 200, 300);
    p.MarkShift = -1;
    p.MarkSize = 30;
    p.LabelOffsetY = 20;
    f.ClearEvents();
    PlaceVertexLabel(p);
    EXPECT_TRUE(DrawnRuns(f).empty());
    EXPECT_TRUE(f.Events("text").empty());
    EXPECT_EQ(p.TextWidth, 0);
    EXPECT_EQ(p.MarkShift, 0);
    EXPECT_EQ(p.MarkSize, 0);
    EXPECT_EQ(p.LabelOffsetY, 0);
}

TEST(PlaceVertexLabel, PlainSwitchAndTallParenFlag) {
    Fixture f;
    auto& p = *f.p;
    SetAngle(p, 300, 300, 400, 300, 200, 300);
    p.MarkLabel = "AB";
    p.PlainLabelFlag = 1;
    p.TallParenFlag = 1;
    f.ClearEvents();
    PlaceVertexLabel(p);
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].routine, "DrawPlainText");
    EXPECT_EQ(p.PlainLabelFlag, 0);
    EXPECT_EQ(p.TallParenFlag, 1);
    EXPECT_EQ(p.SavedTallParenFlag, 1);
}

// ---- DrawPolygon ------------------------------------------------------------------

// The centre of a label's 44 px high box relative to its vertex.
struct Offset {
    float dx, dy;
};
Offset BoxCentre(const TextRun& r, float width, float vx, float vy) { return {r.x + width / 2 - vx, r.y + 22 - vy}; }

TEST(DrawPolygon, CounterClockwiseTriangleLabelledOutside) {
    Fixture f;
    auto& p = *f.p;
    SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
    p.MarkLabel = "A";
    p.MarkSize = 0;
    p.LineWidth = 7;
    p.LineColor = 1;
    p.PenColor = 1;
    p.rt.RtSetDrawWidth(3);
    f.ClearEvents();
    DrawPolygon(p);
    const auto edges = Segments(f);
    ASSERT_EQ(edges.size(), 3u);
    const float expected[3][4] = {{100, 100, 50, 200}, {50, 200, 150, 200}, {150, 200, 100, 100}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(edges[i].x1, expected[i][0]);
        EXPECT_EQ(edges[i].y1, expected[i][1]);
        EXPECT_EQ(edges[i].x2, expected[i][2]);
        EXPECT_EQ(edges[i].y2, expected[i][3]);
        EXPECT_EQ(edges[i].width, 7);
    }
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "A");
    EXPECT_EQ(runs[1].text, "B");
    EXPECT_EQ(runs[2].text, "C");
    const float w = p.TextWidth;   // "A", "B" and "C" are equally wide
    // "A" straight above vertex 1, its box's bottom edge on the vertex.
    EXPECT_NEAR(runs[0].x, 100 - w / 2, 1e-3f);
    EXPECT_NEAR(runs[0].y, 56, 1e-3f);
    // "B" to the lower left of vertex 2, "C" to the lower right of vertex 3,
    // about 32 degrees below the horizontal.
    const Offset b = BoxCentre(runs[1], w, 50, 200);
    const Offset c = BoxCentre(runs[2], w, 150, 200);
    EXPECT_LT(b.dx, 0);
    EXPECT_GT(b.dy, 0);
    EXPECT_GT(c.dx, 0);
    EXPECT_GT(c.dy, 0);
    EXPECT_NEAR(c.dx, -b.dx, 1e-3f);
    EXPECT_NEAR(std::atan2(c.dy / 22, c.dx / (w / 2)) * 180 / 3.14159265f, 31.7f, 0.5f);
    // What the labels leave behind.
    EXPECT_TRUE(p.MarkLabel.empty());
    EXPECT_EQ(p.MarkSize, 0);
    EXPECT_EQ(p.MarkSizeCopy, 0);
    EXPECT_EQ(p.MarkShift, 0);
    EXPECT_EQ(p.LoopIndex, 4);
    EXPECT_EQ(p.NextVertex, 1);
    EXPECT_EQ(p.SecondNextVertex, 2);
    EXPECT_EQ(p.FirstLetterCode, 65);
    EXPECT_EQ(p.MarkAX, 150);   // the last vertex, then vertices 1 and 2
    EXPECT_EQ(p.MarkAY, 200);
    EXPECT_EQ(p.MarkBX, 100);
    EXPECT_EQ(p.MarkBY, 100);
    EXPECT_EQ(p.MarkCX, 50);
    EXPECT_EQ(p.MarkCY, 200);
    EXPECT_EQ(p.Pi, 3.14159f);
    // The pen is back at its width on entry; the text routines left the
    // outline's width in SavedDrawWidth.
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 3);
    EXPECT_EQ(p.SavedDrawWidth, 7);
}

TEST(DrawPolygon, ClockwiseTriangleLabelledInside) {
    Fixture f;
    auto& p = *f.p;
    SetVertices(p, {{100, 100}, {150, 200}, {50, 200}});
    p.MarkLabel = "A";
    p.LineWidth = 5;
    f.ClearEvents();
    DrawPolygon(p);
    const auto runs = DrawnRuns(f);
    ASSERT_EQ(runs.size(), 3u);
    // "A" straight below vertex 1: the box's top edge on the vertex.
    EXPECT_NEAR(runs[0].x, 100 - p.TextWidth / 2, 1e-3f);
    EXPECT_NEAR(runs[0].y, 100, 1e-3f);
}

struct LabelModeCase {
    const char* name;
    const char* markLabel;
    int vertices;
    std::vector<std::string> labels;
};

TEST(DrawPolygon, LabelModes) {
    const LabelModeCase cases[] = {
        {"fromD", "D", 3, {"D", "E", "F"}},
        {"firstCharacterOnly", "ABC", 4, {"A", "B", "C", "D"}},
        {"fromTable", "1", 3, {"A'", "C'", "B'"}},
        {"none", "", 3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        if (c.vertices == 3) {
            SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
        } else {
            SetVertices(p, {{100, 100}, {100, 200}, {200, 200}, {200, 100}});
        }
        p.PointLabel(1) = "A'";
        p.PointLabel(2) = "C'";
        p.PointLabel(3) = "B'";
        p.MarkLabel = c.markLabel;
        p.MarkSize = 20;
        p.LineWidth = 5;
        p.LoopIndex = 99;
        f.ClearEvents();
        DrawPolygon(p);
        const auto runs = DrawnRuns(f);
        ASSERT_EQ(runs.size(), c.labels.size());
        for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i].text, c.labels[i]);
        EXPECT_TRUE(p.MarkLabel.empty());
        EXPECT_EQ(p.MarkSizeCopy, 20);
        EXPECT_EQ(p.MarkSize, c.labels.empty() ? 20 : 0);
        EXPECT_EQ(p.LoopIndex, c.vertices + 1);
        if (std::string(c.markLabel) == "1") {
            EXPECT_EQ(p.VertexIndex, 4);
        }
    }
}

TEST(DrawPolygon, UnlabelledKeepsMarksAndWidth) {
    Fixture f;
    auto& p = *f.p;
    SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
    SetAngle(p, 1, 2, 3, 4, 5, 6);
    p.MarkShift = -1;
    p.MarkSize = 12;
    p.LineWidth = 7;
    p.rt.RtSetDrawWidth(3);
    DrawPolygon(p);
    EXPECT_EQ(p.rt.RtGetDrawWidth(), 3);
    EXPECT_EQ(p.SavedDrawWidth, 3);
    EXPECT_EQ(p.MarkShift, -1);
    EXPECT_EQ(p.MarkSize, 12);
    EXPECT_EQ(p.MarkAX, 1);
    EXPECT_EQ(p.MarkCY, 6);
}

TEST(DrawPolygon, SecondCallWithoutLabelDrawsNoLabels) {
    Fixture f;
    auto& p = *f.p;
    SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
    p.MarkLabel = "A";
    DrawPolygon(p);
    f.ClearEvents();
    DrawPolygon(p);
    EXPECT_TRUE(DrawnRuns(f).empty());
    EXPECT_EQ(f.Events("line").size(), 3u);
}

TEST(DrawPolygon, OffsetMovesTheFirstLabelOnly) {
    std::vector<TextRun> plain, shifted;
    for (float offset : {0.0f, 10.0f}) {
        Fixture f;
        auto& p = *f.p;
        SetVertices(p, {{100, 100}, {50, 200}, {150, 200}});
        p.MarkLabel = "A";
        p.LabelOffsetX = offset;
        f.ClearEvents();
        DrawPolygon(p);
        (offset == 0 ? plain : shifted) = DrawnRuns(f);
        EXPECT_EQ(p.LabelOffsetX, 0);
    }
    ASSERT_EQ(plain.size(), 3u);
    ASSERT_EQ(shifted.size(), 3u);
    EXPECT_FLOAT_EQ(shifted[0].x, plain[0].x + 10);
    EXPECT_FLOAT_EQ(shifted[1].x, plain[1].x);
    EXPECT_FLOAT_EQ(shifted[2].x, plain[2].x);
}

// The vertex table has rows 1 to 10: no count reads past it.
TEST(DrawPolygon, VertexCountOutsideTheTable) {
    const struct {
        float count;
        std::size_t edges;
    } cases[] = {{12, 10}, {10.5f, 10}, {11, 10}, {0, 1}, {-20, 1}, {1, 1}, {2, 2}, {NAN, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        Fixture f;
        auto& p = *f.p;
        for (int i = 1; i <= 10; ++i) {
            p.PolygonVertex(i, 1) = 100 + 10 * i;
            p.PolygonVertex(i, 2) = 100 + (i % 2) * 30;
        }
        p.VertexCount = c.count;
        p.MarkLabel = "A";
        f.ClearEvents();
        EXPECT_NO_THROW(DrawPolygon(p));
        EXPECT_EQ(f.Events("line").size(), c.edges);
        p.MarkLabel = "1";
        for (int i = 1; i <= 10; ++i) p.PointLabel(i) = "P";
        EXPECT_NO_THROW(DrawPolygon(p));
    }
}

}  // namespace
