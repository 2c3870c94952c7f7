// Vertex labels and the labelled polygon.
#include <cmath>

#include "figures/figures.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/text.h"


namespace {

// The rows of PolygonVertex.
constexpr float kMostVertices = 10;

// The vertex count the polygon routines work with: VertexCount brought into
// 1..10, so that no count reads past the vertex table (the old routines
// read rows that do not exist for counts above 10 or far below 1).
float VertexLimit(const Program& p) {
    if (p.VertexCount > kMostVertices) return kMostVertices;
    if (!(p.VertexCount >= 1)) return 1;
    return p.VertexCount;
}

// Column `column` (1: x, 2: y) of vertex row `row`.
float Vertex(const Program& p, float row, int column) {
    return p.PolygonVertex(static_cast<double>(row), static_cast<double>(column));
}

// Vertices i, i + 1 and i + 2 (wrapping once past `count`) as A, B and C of
// the label of vertex i.
void SetLabelCorner(Program& p, float index, float count) {
    p.NextVertex = index + 1;
    if (p.NextVertex > count) p.NextVertex = p.NextVertex - count;
    p.SecondNextVertex = index + 2;
    if (p.SecondNextVertex > count) p.SecondNextVertex = p.SecondNextVertex - count;
    p.MarkAX = Vertex(p, index, 1);
    p.MarkAY = Vertex(p, index, 2);
    p.MarkBX = Vertex(p, p.NextVertex, 1);
    p.MarkBY = Vertex(p, p.NextVertex, 2);
    p.MarkCX = Vertex(p, p.SecondNextVertex, 1);
    p.MarkCY = Vertex(p, p.SecondNextVertex, 2);
    // With the rays exchanged the label falls outside a polygon listed
    // counter-clockwise as seen.
    p.MarkShift = -1;
    p.MarkSize = p.MarkSizeCopy;
}

}  // namespace

void PlaceVertexLabel(Program& p) {
    p.TextArg = p.MarkLabel;
    p.SavedTallParenFlag = p.TallParenFlag;
    MeasureMarkupTextWidth(p);
    p.TallParenFlag = p.SavedTallParenFlag;
    ComputeAngleArcRange(p);
    // A fraction makes the label's box 80 px high instead of 44.
    p.IndexA = static_cast<float>(RtCharInstr(p.MarkLabel, "ﾀ"));
    p.Seg2Y2 = p.IndexA > 0 ? 40.0f : 22.0f;
    // The box lies beyond the point reached along the bisector: against its
    // left edge when the bisector points right, its bottom edge when up, ...
    const float b = p.BisectorAngle;
    const float c = std::cos(b);
    const float s = std::sin(b);
    p.PenX = p.MarkAX + c * p.MarkSize + p.TextWidth * (c / 2 - 0.5f) + p.LabelOffsetX;
    p.PenY = p.MarkAY - s * p.MarkSize - 2 * p.Seg2Y2 * (s / 2 + 0.5f) + p.LabelOffsetY;
    p.TextCell = p.MarkLabel;
    if (p.PlainLabelFlag == 1) {
        DrawPlainText(p);
    } else {
        DrawMarkupText(p);
    }
    p.MarkShift = 0;
    p.LabelOffsetX = 0;
    p.LabelOffsetY = 0;
    p.MarkSize = 0;
    p.PlainLabelFlag = 0;
    p.MarkLabel = "";
}

void DrawPolygon(Program& p) {
    const int32_t entryWidth = p.rt.RtGetDrawWidth();
    p.SavedDrawWidth = static_cast<float>(entryWidth);
    const float count = VertexLimit(p);
    p.LoopIndex = 1;
    do {
        p.NextVertex = p.LoopIndex == count ? 1.0f : p.LoopIndex + 1;
        p.rt.RtSetDrawWidth(RtCInt(p.LineWidth));
        p.rt.RtLine(Vertex(p, p.LoopIndex, 1), Vertex(p, p.LoopIndex, 2), Vertex(p, p.NextVertex, 1),
                    Vertex(p, p.NextVertex, 2), p.LineColor);
        p.LoopIndex = p.LoopIndex + 1;
    } while (p.LoopIndex <= count);
    p.MarkSizeCopy = p.MarkSize;
    if (p.MarkLabel == "1") {
        LabelVerticesFromArray(p);
    } else if (!p.MarkLabel.empty()) {
        LabelVerticesWithLetters(p);
    }
    p.MarkLabel = "";
    // Back to the width found on entry. The old routine set the width from
    // SavedDrawWidth, which the label text had overwritten with LineWidth.
    p.rt.RtSetDrawWidth(entryWidth);
}

void LabelVerticesWithLetters(Program& p) {
    p.FirstLetterCode = static_cast<float>(RtAsc(p.MarkLabel));
    const float count = VertexLimit(p);
    p.LoopIndex = 1;
    do {
        SetLabelCorner(p, p.LoopIndex, count);
        p.MarkLabel = RtChr(RtCInt(p.FirstLetterCode - 1 + p.LoopIndex));
        PlaceVertexLabel(p);
        p.LoopIndex = p.LoopIndex + 1;
    } while (p.LoopIndex <= count);
}

void LabelVerticesFromArray(Program& p) {
    const float count = VertexLimit(p);
    p.VertexIndex = 1;
    do {
        SetLabelCorner(p, p.VertexIndex, count);
        p.MarkLabel = p.PointLabel(static_cast<double>(p.VertexIndex));
        PlaceVertexLabel(p);
        p.VertexIndex = p.VertexIndex + 1;
    } while (p.VertexIndex <= count);
}
