// Chevrons, ticks, angle marks and the right-angle mark.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures/figures.h"
#include "tests/figures/figure_test_support.h"

namespace {

using namespace figure_test;

// ---- Chevrons ----------------------------------------------------------------------

struct ChevronCase {
    const char* name;
    Segment segment;
    float ratioA, ratioB, size, count;
    std::vector<Segment> lines;   // n-side wing to tip, other wing to tip, per chevron
    float footX, footY;
};

const ChevronCase kChevrons[] = {
    {"one", {100, 100, 300, 100}, 1, 3, 25, 1, {{141, 112.5f, 166, 100}, {141, 87.5f, 166, 100}}, 125, 100},
    {"two",
     {100, 100, 300, 100},
     1,
     3,
     25,
     2,
     {{141, 112.5f, 166, 100}, {141, 87.5f, 166, 100}, {157, 112.5f, 182, 100}, {157, 87.5f, 182, 100}},
     125,
     100},
    {"slanting",
     {100, 100, 260, 220},
     1,
     1,
     20,
     1,
     {{170.8f, 165.6f, 192.8f, 169.6f}, {182.8f, 149.6f, 192.8f, 169.6f}},
     164,
     148},
    {"pointingDown", {100, 100, 100, 300}, 1, 1, 20, 1, {{90, 196, 100, 216}, {110, 196, 100, 216}}, 100, 180},
    {"reversed", {300, 100, 100, 100}, 3, 1, 25, 1, {{159, 87.5f, 134, 100}, {159, 112.5f, 134, 100}}, 175, 100},
};

TEST(DrawChevronMarks, WorkedChevrons) {
    for (const auto& c : kChevrons) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetSegment(p, c.segment.x1, c.segment.y1, c.segment.x2, c.segment.y2);
        p.WorkA = c.ratioA;
        p.WorkB = c.ratioB;
        p.MarkSize = c.size;
        p.MarkCount = c.count;
        p.LineColor = 5;
        p.rt.RtSetDrawWidth(4);
        f.ClearEvents();
        DrawChevronMarks(p);
        ExpectSegments(Segments(f), c.lines);
        for (const auto& e : f.Events("line")) {
            EXPECT_EQ(e["color"], 5);
            EXPECT_EQ(e["width"], 4);
        }
        EXPECT_NEAR(p.FootX, c.footX, 1e-3f);
        EXPECT_NEAR(p.FootY, c.footY, 1e-3f);
        EXPECT_EQ(p.LoopIndex, c.count + 1);
        EXPECT_EQ(p.WorkD, 200);
        EXPECT_EQ(p.Seg2X1, c.segment.x2 - c.segment.x1);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 4);
        // The last chevron's wings stay in MarkStart and Cross.
        ExpectSegment({p.MarkStartX, p.MarkStartY, p.CrossX, p.CrossY},
                      {c.lines[c.lines.size() - 2].x1, c.lines[c.lines.size() - 2].y1, c.lines.back().x1,
                       c.lines.back().y1});
    }
}

TEST(DrawChevronMarks, CountOutOfRangeBecomesOne) {
    for (float count : {0.0f, -1.0f, 7.0f}) {
        SCOPED_TRACE(count);
        Fixture f;
        auto& p = *f.p;
        SetSegment(p, 100, 100, 300, 100);
        p.WorkA = 1;
        p.WorkB = 1;
        p.MarkSize = 10;
        p.MarkCount = count;
        f.ClearEvents();
        DrawChevronMarks(p);
        EXPECT_EQ(f.Events("line").size(), 2u);
        EXPECT_EQ(p.MarkCount, 1);
    }
}

// No division by zero: a segment of length 0 or a ratio summing to 0 gets
// no marks, and the cells are left as after any chevron call.
TEST(DrawChevronMarks, DegenerateSegmentOrRatioDrawsNothing) {
    const struct {
        const char* name;
        Segment segment;
        float a, b;
    } cases[] = {{"zeroLength", {150, 150, 150, 150}, 1, 2}, {"zeroRatio", {100, 100, 300, 100}, 0, 0},
                 {"oppositeRatio", {100, 100, 300, 100}, 2, -2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetSegment(p, c.segment.x1, c.segment.y1, c.segment.x2, c.segment.y2);
        p.WorkA = c.a;
        p.WorkB = c.b;
        p.MarkSize = 20;
        p.MarkCount = 3;
        f.ClearEvents();
        EXPECT_NO_THROW(DrawChevronMarks(p));
        EXPECT_TRUE(f.Events("line").empty());
        EXPECT_EQ(p.LoopIndex, 4);
        EXPECT_TRUE(std::isfinite(p.FootX) && std::isfinite(p.CrossY) && std::isfinite(p.ChevronTipX));
    }
}

// ---- Ticks --------------------------------------------------------------------------

TEST(DrawTickMarks, TwoTicksFromTheMidpointAndTheSpacingLeftBehind) {
    Fixture f;
    auto& p = *f.p;
    SetSegment(p, 100, 100, 300, 100);
    p.MarkShift = -8;
    p.TickSpacing = 8;
    p.MarkSize = 15;
    p.MarkCount = 2;
    p.LineColor = 3;
    f.ClearEvents();
    DrawTickMarks(p);
    auto lines = Segments(f);
    ASSERT_EQ(lines.size(), 2u);
    ExpectSegment(lines[0], {200, 85, 200, 115});
    ExpectSegment(lines[1], {208, 85, 208, 115});
    EXPECT_EQ(p.TickSpacing, 24);
    EXPECT_EQ(p.TickStep, 8);
    EXPECT_EQ(p.LoopIndex, 3);
    EXPECT_EQ(p.FootX, 192);
    EXPECT_EQ(p.FootY, 100);
    EXPECT_EQ(p.MarkShift, -8);
    EXPECT_EQ(p.MarkCount, 2);
    EXPECT_EQ(p.CrossX, 208);
    EXPECT_EQ(p.CrossY, 115);

    // The next call, with only the segment changed, spaces its ticks by 24.
    SetSegment(p, 100, 300, 300, 300);
    f.ClearEvents();
    DrawTickMarks(p);
    lines = Segments(f);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 216);
    EXPECT_EQ(lines[1].x1, 240);
    EXPECT_EQ(p.TickSpacing, 72);
    // Above 30 the spacing falls back to 8.
    DrawTickMarks(p);
    EXPECT_EQ(p.TickStep, 8);
}

TEST(DrawTickMarks, SpacingAndCountRules) {
    const struct {
        float spacing, count;
        float usedSpacing, ticks, countAfter, spacingAfter;
    } cases[] = {
        {0, 1, 8, 1, 1, 16},    {30, 1, 30, 1, 1, 60},   {31, 1, 8, 1, 1, 16},  {-8, 2, -8, 2, 2, -24},
        {8, 0, 8, 1, 0, 16},    {8, -1, 8, 1, 1, 16},    {8, 7, 8, 1, 1, 16},   {8, 3, 8, 3, 3, 32},
        {8, 2.5f, 8, 2, 2.5f, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "spacing " << c.spacing << " count " << c.count);
        Fixture f;
        auto& p = *f.p;
        SetSegment(p, 100, 100, 300, 100);
        p.TickSpacing = c.spacing;
        p.MarkCount = c.count;
        p.MarkShift = 0;
        p.MarkSize = 5;
        f.ClearEvents();
        DrawTickMarks(p);
        const auto lines = Segments(f);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.ticks));
        EXPECT_EQ(p.TickStep, c.usedSpacing);
        for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].x1, 200 + (k + 1) * c.usedSpacing);
        EXPECT_EQ(p.MarkCount, c.countAfter);
        EXPECT_EQ(p.TickSpacing, c.spacingAfter);
    }
}

TEST(DrawTickMarks, VerticalSegmentGivesHorizontalTicks) {
    Fixture f;
    auto& p = *f.p;
    SetSegment(p, 100, 100, 100, 300);
    p.TickSpacing = 8;
    p.MarkShift = -8;
    p.MarkSize = 10;
    p.MarkCount = 1;
    f.ClearEvents();
    DrawTickMarks(p);
    const auto lines = Segments(f);
    ASSERT_EQ(lines.size(), 1u);
    ExpectSegment(lines[0], {110, 200, 90, 200});
}

TEST(DrawTickMarks, ZeroLengthSegmentDrawsNothing) {
    Fixture f;
    auto& p = *f.p;
    SetSegment(p, 120, 80, 120, 80);
    p.TickSpacing = 8;
    p.MarkSize = 10;
    p.MarkCount = 2;
    f.ClearEvents();
    EXPECT_NO_THROW(DrawTickMarks(p));
    EXPECT_TRUE(f.Events("line").empty());
    EXPECT_EQ(p.TickSpacing, 24);
    EXPECT_EQ(p.LoopIndex, 3);
    EXPECT_EQ(p.WorkD, 0);
    EXPECT_EQ(p.FootX, 120);
    EXPECT_EQ(p.FootY, 80);
}

// ---- Angle marks ----------------------------------------------------------------------

ProgramInfo QuilletLike() {
    return ProgramInfo{"quillet", "Quillet", "作図の学習", 50, false, nullptr};
}

struct ArcCase {
    float count, size;
    std::vector<float> radii;   // empty with sector = true: one sector of radius `size`
    bool sector;
};

TEST(DrawAngleMark, ArcsFromTheOutermostInwardOrOneSector) {
    const ArcCase cases[] = {
        {1, 50, {42}, false},
        {3, 50, {42, 34, 26}, false},
        {6, 60, {52, 44, 36, 28, 20, 12}, false},
        {7, 50, {42}, false},
        {100, 50, {42}, false},
        {0.5f, 50, {42}, false},
        {2.5f, 50, {42, 34}, false},
        {0, 50, {}, true},
        {-2, 50, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count);
        Fixture f;
        auto& p = *f.p;
        SetAngle(p, 300, 300, 400, 300, 300, 200);   // right and up
        p.MarkCount = c.count;
        p.MarkSize = c.size;
        p.AccentColor = 12;
        p.LineColor = 2;
        p.LoopIndex = 99;
        p.MarkSizeCopy = 77;
        f.ClearEvents();
        DrawAngleMark(p);
        const auto circles = f.Events("circle");
        if (c.sector) {
            ASSERT_EQ(circles.size(), 1u);
            EXPECT_EQ(circles[0]["r"].get<float>(), c.size);
            EXPECT_EQ(circles[0]["filled"], true);
            EXPECT_EQ(circles[0]["color"], 2);
            EXPECT_EQ(circles[0]["fill"], 12);
            EXPECT_EQ(p.LoopIndex, 99);
            EXPECT_EQ(p.MarkSizeCopy, 77);
        } else {
            ASSERT_EQ(circles.size(), c.radii.size());
            for (std::size_t i = 0; i < circles.size(); ++i) {
                EXPECT_EQ(circles[i]["r"].get<float>(), c.radii[i]);
                EXPECT_EQ(circles[i]["filled"], false);
                EXPECT_EQ(circles[i]["color"], 12);
            }
            EXPECT_EQ(p.LoopIndex, c.radii.size() + 1);
            EXPECT_EQ(p.MarkSizeCopy, c.radii.back());
        }
        for (const auto& e : circles) {
            EXPECT_EQ(e["start"].get<float>(), 0.75f);
            EXPECT_EQ(e["end"].get<float>(), 1.0f);
            EXPECT_EQ(e["x"].get<float>(), 300);
        }
        EXPECT_EQ(p.MarkCount, c.count > 6 ? 1 : c.count);
        EXPECT_EQ(p.MarkSize, 0);
    }
}

TEST(DrawAngleMark, LabelOnTheMarkedSideAndOneShotSettingsCleared) {
    for (float shift : {0.0f, -1.0f}) {
        SCOPED_TRACE(shift);
        Fixture f;
        auto& p = *f.p;
        SetAngle(p, 300, 300, 400, 300, 300, 200);
        p.MarkShift = shift;
        p.MarkCount = 1;
        p.MarkSize = 30;
        p.MarkLabel = "45%";
        p.LabelOffsetX = 3;
        p.PenColor = 4;
        f.ClearEvents();
        DrawAngleMark(p);
        const auto circles = f.Events("circle");
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_EQ(circles[0]["start"].get<float>(), shift == -1 ? 1.0f : 0.75f);
        EXPECT_EQ(circles[0]["end"].get<float>(), shift == -1 ? 0.75f : 1.0f);
        const auto runs = DrawnRunEvents(f);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0]["text"], "45%");
        const float x = runs[0]["x"].get<float>();
        const float y = runs[0]["y"].get<float>();
        if (shift == 0) {
            EXPECT_GT(x, 300);        // up and to the right
            EXPECT_LT(y + 44, 300);
        } else {
            EXPECT_LT(x + p.TextWidth, 300);   // down and to the left
            EXPECT_GT(y, 300);
        }
        EXPECT_EQ(p.MarkShift, 0);
        EXPECT_EQ(p.MarkSize, 0);
        EXPECT_TRUE(p.MarkLabel.empty());
        EXPECT_EQ(p.LabelOffsetX, 0);
        EXPECT_EQ(p.AccentColor, f.p->AccentColor);
    }
}

TEST(DrawAngleMark, EmptyLabelDrawsTheMarkOnly) {
    Fixture f;
    auto& p = *f.p;
    SetAngle(p, 300, 300, 400, 300, 300, 200);
    p.MarkCount = 1;
    p.MarkSize = 30;
    f.ClearEvents();
    DrawAngleMark(p);
    EXPECT_EQ(f.Events("circle").size(), 1u);
    EXPECT_TRUE(f.Events("text").empty());
}

// Varnel brings a fraction a hair outside 0..1 back in; the others draw it
// as computed. Both leave the computed values in the cells.
TEST(DrawAngleMark, FractionWrapIsAProgramSetting) {
    const ProgramInfo quillet = QuilletLike();
    for (bool varnel : {true, false}) {
        SCOPED_TRACE(varnel ? "Varnel" : "Quillet");
        Fixture f(varnel ? nullptr : &quillet);
        auto& p = *f.p;
        // B one rounding step above the level line (fraction just above 1),
        // C one step below it (just below 0).
        SetAngle(p, 300, 100, 400, std::nextafter(100.0f, 0.0f), 400, std::nextafter(100.0f, 200.0f));
        p.MarkCount = 1;
        p.MarkSize = 40;
        f.ClearEvents();
        DrawAngleMark(p);
        const auto circles = f.Events("circle");
        ASSERT_EQ(circles.size(), 1u);
        const float start = circles[0]["start"].get<float>();
        const float end = circles[0]["end"].get<float>();
        if (varnel) {
            EXPECT_GT(start, 0.99f);
            EXPECT_LT(start, 1.0f);
            EXPECT_GT(end, 0.0f);
            EXPECT_LT(end, 0.01f);
        } else {
            EXPECT_LT(start, 0.0f);
            EXPECT_GT(end, 1.0f);
        }
        EXPECT_LT(p.ArcFractionC, 0.0f);
        EXPECT_GT(p.ArcFractionB, 1.0f);
    }
}

TEST(DrawAngleMark, NoRadiusNoCircle) {
    for (float count : {1.0f, 2.0f, 0.0f}) {
        SCOPED_TRACE(count);
        Fixture f;
        auto& p = *f.p;
        SetAngle(p, 300, 300, 400, 300, 300, 200);
        p.MarkCount = count;
        p.MarkSize = count == 0 ? 0 : 8;   // arcs of radius 0 and -8, or a sector of radius 0
        f.ClearEvents();
        EXPECT_NO_THROW(DrawAngleMark(p));
        EXPECT_TRUE(f.Events("circle").empty());
        if (count > 0) {
            EXPECT_EQ(p.LoopIndex, count + 1);
        }
    }
}

// ---- Right-angle mark -------------------------------------------------------------------

std::vector<std::pair<float, float>> Points(const nlohmann::json& polyline) {
    std::vector<std::pair<float, float>> out;
    for (const auto& pt : polyline["points"]) out.emplace_back(pt[0].get<float>(), pt[1].get<float>());
    return out;
}

TEST(DrawRightAngleMark, CornerOfSideMarkSize) {
    const struct {
        const char* name;
        float bx, by, cx, cy, shift;
        std::vector<std::pair<float, float>> points;
    } cases[] = {
        {"rightAndUp", 200, 100, 100, 0, 1, {{100, 80}, {120, 80}, {120, 100}}},
        {"exchanged", 200, 100, 100, 0, -1, {{120, 100}, {120, 80}, {100, 80}}},
        {"fartherOut", 900, 100, 100, -500, 1, {{100, 80}, {120, 80}, {120, 100}}},
        {"bOnA", 100, 100, 100, 200, 1, {{100, 120}, {80, 120}, {80, 100}}},
        {"rhombus", 200, 100, 200, 0, 0, {{114.142f, 85.858f}, {134.142f, 85.858f}, {120, 100}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        auto& p = *f.p;
        SetAngle(p, 100, 100, c.bx, c.by, c.cx, c.cy);
        p.MarkShift = c.shift;
        p.MarkSize = 20;
        p.LineColor = 5;
        p.rt.RtSetDrawWidth(2);
        f.ClearEvents();
        DrawRightAngleMark(p);
        const auto polylines = f.Events("polyline");
        ASSERT_EQ(polylines.size(), 1u);
        EXPECT_EQ(polylines[0]["color"], 5);
        EXPECT_EQ(polylines[0]["filled"], false);
        EXPECT_EQ(polylines[0]["width"], 2);
        const auto pts = Points(polylines[0]);
        ASSERT_EQ(pts.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(pts[i].first, c.points[i].first, 1e-3f);
            EXPECT_NEAR(pts[i].second, c.points[i].second, 1e-3f);
        }
        EXPECT_NEAR(p.ArcPointX, pts[2].first, 1e-4f);
        EXPECT_NEAR(p.ArcPointY, pts[2].second, 1e-4f);
        // Nothing is reset.
        EXPECT_EQ(p.MarkSize, 20);
        EXPECT_EQ(p.MarkShift, c.shift);
        EXPECT_EQ(p.rt.RtGetDrawWidth(), 2);
    }
}

}  // namespace
