// Helpers of the figure tests: the cells a figure routine reads, set in one
// call, and what it drew, read back from the trace.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "shell/program.h"
#include "support/support.h"

namespace figure_test {

using testing_support::Fixture;

// ---- The cells a routine reads -------------------------------------------------

// Points A and B of the marks (C stays as it is).
inline void SetEnds(Program& p, float ax, float ay, float bx, float by) {
    p.MarkAX = ax;
    p.MarkAY = ay;
    p.MarkBX = bx;
    p.MarkBY = by;
}

// The angle at A between the rays to B and C.
inline void SetAngle(Program& p, float ax, float ay, float bx, float by, float cx, float cy) {
    SetEnds(p, ax, ay, bx, by);
    p.MarkCX = cx;
    p.MarkCY = cy;
}

// The first segment (Seg1), as the segment marks read it.
inline void SetSegment(Program& p, float x1, float y1, float x2, float y2) {
    p.Seg1X1 = x1;
    p.Seg1Y1 = y1;
    p.Seg1X2 = x2;
    p.Seg1Y2 = y2;
}

// Both segments (Seg1, Seg2), as the line crossings read them.
inline void SetLines(Program& p, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    SetSegment(p, x1, y1, x2, y2);
    p.Seg2X1 = x3;
    p.Seg2Y1 = y3;
    p.Seg2X2 = x4;
    p.Seg2Y2 = y4;
}

// The grid frame: top-left corner, cell size, cells across and down, colour.
inline void SetGrid(Program& p, float x, float y, float cell, float columns, float rows, float color) {
    p.GridOriginX = x;
    p.GridOriginY = y;
    p.CellSize = cell;
    p.GridColumns = columns;
    p.GridRows = rows;
    p.LineColor = color;
}

// Rows 1, 2, ... of the vertex table and VertexCount.
inline void SetVertices(Program& p, std::initializer_list<std::pair<float, float>> vertices) {
    int i = 1;
    for (const auto& [x, y] : vertices) {
        p.PolygonVertex(i, 1) = x;
        p.PolygonVertex(i, 2) = y;
        ++i;
    }
    p.VertexCount = static_cast<float>(vertices.size());
}

// A translation vector from (sx, sy) to (ex, ey) with its step-label switches
// and the cell size its steps are counted in.
inline void SetVector(Program& p, float sx, float sy, float ex, float ey, const char* flags, float cell = 40) {
    p.VectorStartX = sx;
    p.VectorStartY = sy;
    p.VectorEndX = ex;
    p.VectorEndY = ey;
    p.StepLabelFlags = flags;
    p.CellSize = cell;
}

// ---- What was drawn ---------------------------------------------------------------

// A "line" event (a segment). In an expected segment a colour or width of -1
// is not checked.
struct Segment {
    float x1, y1, x2, y2;
    int color = -1;
    int width = -1;
};

// The segments drawn since the last ClearEvents, in order.
inline std::vector<Segment> Segments(Fixture& f) {
    std::vector<Segment> out;
    for (const auto& e : f.Events("line"))
        out.push_back({e["x1"].get<float>(), e["y1"].get<float>(), e["x2"].get<float>(), e["y2"].get<float>(),
                       e["color"].get<int>(), e["width"].get<int>()});
    return out;
}

inline void ExpectSegment(const Segment& got, const Segment& want, float tolerance = 1e-3f) {
    EXPECT_NEAR(got.x1, want.x1, tolerance);
    EXPECT_NEAR(got.y1, want.y1, tolerance);
    EXPECT_NEAR(got.x2, want.x2, tolerance);
    EXPECT_NEAR(got.y2, want.y2, tolerance);
    if (want.color >= 0) {
        EXPECT_EQ(got.color, want.color);
    }
    if (want.width >= 0) {
        EXPECT_EQ(got.width, want.width);
    }
}

// The same segments in the same order.
inline void ExpectSegments(const std::vector<Segment>& got, const std::vector<Segment>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSegment(got[i], want[i]);
    }
}

// The "run" events of texts drawn, not measured, since the last ClearEvents.
inline std::vector<nlohmann::json> DrawnRunEvents(Fixture& f) { return testing_support::Visible(f.Events("run")); }

struct TextRun {
    std::string routine, text;
    float x, y;
    int color;
};

// The texts drawn (not measured, not empty) since the last ClearEvents.
inline std::vector<TextRun> DrawnRuns(Fixture& f) {
    std::vector<TextRun> out;
    for (const auto& e : DrawnRunEvents(f)) {
        if (e.value("text", "").empty()) continue;
        out.push_back({e["routine"].get<std::string>(), e["text"].get<std::string>(), e["x"].get<float>(),
                       e["y"].get<float>(), static_cast<int>(e["color"].get<float>())});
    }
    return out;
}

}  // namespace figure_test
