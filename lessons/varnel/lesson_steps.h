// Small steps that Varnel's topics repeat: erase boxes, texts of the left
// column, labels, triangles from the point tables.
#pragma once

#include <cmath>

#include "shell/program.h"
#include "text/text.h"
#include "figures/figures.h"

namespace varnel {

// The whole screen in the background colour.
inline void EraseScreen(Program& p) { p.rt.RtLine(0, 0, 1760, 1800, 15, BoxShape::Filled, 15, true); }

// A box from (x, y), w by h, in the background colour.
inline void EraseBox(Program& p, float x, float y, float w, float h) {
    p.rt.RtLine(x, y, w, h, 15, BoxShape::Filled, 15, true);
}

// A text of a topic's column at (x, y): afterwards TextEndX is where it ended
// and TextLineY is its line, so the next text can go on or go lower.
inline void WriteText(Program& p, float x, float y, float color, const Text& text) {
    p.PenColor = color;
    p.PenX = x;
    p.PenY = y;
    p.TextCell = text;
    DrawMarkupText(p);
    p.TextEndX = p.PenX;
    p.TextLineY = p.PenY;
}

// A label at (x, y); the column's layout cells stay as they were.
inline void WriteLabel(Program& p, float x, float y, float color, const Text& text) {
    p.PenColor = color;
    p.PenX = x;
    p.PenY = y;
    p.TextCell = text;
    DrawMarkupText(p);
}

// The triangle through points first, first + 1, first + 2 of PointX/PointY
// with DrawPolygon: sides at pen width `width` in `color`, labels `label`
// (empty: none) `gap` px out in the same colour.
inline void DrawTriangleOfPoints(Program& p, int first, float width, float color, float gap, const Text& label) {
    for (int i = 1; i <= 3; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PolygonVertex(i, 1) = p.PointX(first + i - 1);
        p.PolygonVertex(i, 2) = p.PointY(first + i - 1);
    }
    p.LineWidth = width;
    p.PenColor = color;
    p.LineColor = color;
    p.VertexCount = 3;
    p.MarkSize = gap;
    p.MarkLabel = label;
    DrawPolygon(p);
}

// Grid cells (x right, y up from the frame's bottom-left corner) to pixels,
// in place, for points first to last of PointX/PointY.
inline void CellsToPixels(Program& p, int first, int last) {
    for (int i = first; i <= last; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PointX(i) = p.OriginX + p.CellSize * p.PointX(i);
        p.PointY(i) = p.OriginY - p.CellSize * p.PointY(i);
    }
}

// Point `to` of the point table xs/ys := point `from` moved r along the
// direction `angle` (radians, counter-clockwise as seen on the screen).
inline void MovePoint(Array<float>& xs, Array<float>& ys, int to, int from, float r, float angle) {
    xs(to) = xs(from) + r * std::cos(angle);
    ys(to) = ys(from) - r * std::sin(angle);
}

// An invisible grid frame (LineColor 15): sets the frame cells only.
inline void SetGridFrame(Program& p, float left, float top, float columns, float rows, float cell) {
    p.GridOriginX = left;
    p.GridOriginY = top;
    p.GridColumns = columns;
    p.GridRows = rows;
    p.CellSize = cell;
    p.LineColor = 15;
    DrawGrid(p);
}

}  // namespace varnel
