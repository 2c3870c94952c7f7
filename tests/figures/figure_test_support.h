// Helpers of the figure tests: the cells a figure routine reads, set in one
// call, and what it drew, read back from the trace.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/program.h"
#include "support/support.h"
#include "support/trace_query.h"

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

// The queries over what was drawn are in support/trace_query.h.
using testing_support::DrawnRunEvents;
using testing_support::DrawnRuns;
using testing_support::ExpectSegment;
using testing_support::ExpectSegments;
using testing_support::Segment;
using testing_support::Segments;
using testing_support::TextRun;

}  // namespace figure_test
