// Arrows, and the translation vector drawn as a horizontal and a vertical
// arrow with their steps in grid cells.
#include <cmath>
#include <utility>

#include "figures/figures.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/wide_text.h"
#include "text/text.h"


namespace {

void SwapEnds(Program& p) {
    std::swap(p.MarkAX, p.TipX);
    std::swap(p.MarkAY, p.TipY);
}

// The decimal text of `pixels` in grid cells, without spaces. The quotient is
// taken in double precision so that 12 px of a 40 px cell reads "0.3".
Text StepText(Program& p, float pixels) {
    double cells = Checked(static_cast<double>(pixels) / static_cast<double>(p.CellSize));
    if (cells == 0) cells = 0;   // no "-0"
    p.TextArg = RtStrDouble(cells);
    StripSpaces(p);
    return p.TextArg;
}

// One of the two arrows of a translation vector: from (ax, ay) with its head
// of size 16 at (tx, ty).
void VectorArrow(Program& p, float ax, float ay, float tx, float ty, float color) {
    p.MarkAX = ax;
    p.MarkAY = ay;
    p.TipX = tx;
    p.TipY = ty;
    p.ArrowDirection = 1;
    p.LineColor = color;
    p.MarkSize = 16;
    DrawArrow(p);
}

}  // namespace

void DrawArrow(Program& p) {
    // From here on (MarkAX, MarkAY) is the head end H and (TipX, TipY) the
    // tail end T.
    SwapEnds(p);
    if (p.ArrowDirection == -1) SwapEnds(p);
    for (;;) {
        p.Seg2X1 = p.MarkAX - p.TipX;
        p.Seg2Y1 = p.MarkAY - p.TipY;
        p.WorkD = std::sqrt(p.Seg2X1 * p.Seg2X1 + p.Seg2Y1 * p.Seg2Y1);
        // An arrow whose ends coincide has no direction and is not drawn
        // (the old routine divided by its length 0).
        const bool drawable = p.WorkD != 0;
        p.Seg2X2 = drawable ? p.Seg2X1 / p.WorkD : 0.0f;
        p.Seg2Y2 = drawable ? p.Seg2Y1 / p.WorkD : 0.0f;
        p.FootX = p.MarkAX - p.MarkSize * p.Seg2X2;
        p.FootY = p.MarkAY - p.MarkSize * p.Seg2Y2;
        const float half = p.MarkSize / 2;
        p.MarkBX = p.FootX - half * p.Seg2Y2;
        p.MarkBY = p.FootY + half * p.Seg2X2;
        p.MarkCX = p.FootX + half * p.Seg2Y2;
        p.MarkCY = p.FootY - half * p.Seg2X2;
        if (drawable) {
            p.rt.RtLine(p.TipX, p.TipY, p.MarkAX, p.MarkAY, p.LineColor);
            p.rt.RtLine(p.MarkBX, p.MarkBY, p.MarkAX, p.MarkAY, p.LineColor);
            p.rt.RtLine(p.MarkCX, p.MarkCY, p.MarkAX, p.MarkAY, p.LineColor);
        }
        if (p.ArrowHeadMode != 2) break;
        // The second head, at the other end.
        p.ArrowHeadMode = 0;
        SwapEnds(p);
    }
    p.ArrowDirection = 0;
}

void DrawTranslationVector(Program& p) {
    // The horizontal arrow always points right: a vector given from right to
    // left is drawn from its end.
    if (p.VectorStartX > p.VectorEndX) {
        std::swap(p.VectorStartX, p.VectorEndX);
        std::swap(p.VectorStartY, p.VectorEndY);
    }
    p.rt.RtSetDrawWidth(4);
    VectorArrow(p, p.VectorStartX, p.VectorStartY, p.VectorEndX, p.VectorStartY, 7);   // across
    VectorArrow(p, p.VectorEndX, p.VectorStartY, p.VectorEndX, p.VectorEndY, 3);       // up or down
    // A cell size of 0 gives no steps and no labels (the old routine divided
    // by it after drawing the arrows).
    if (p.CellSize == 0) {
        p.HorizontalStepText = "";
        p.VerticalStepText = "";
        return;
    }
    const float across = p.VectorEndX - p.VectorStartX;
    const float up = p.VectorStartY - p.VectorEndY;
    p.HorizontalStepText = StepText(p, across);
    // The number text already has its leading zero (" 0.5", "-0.5"); the old
    // routine put another "0" in front of any step below 1 in size.
    p.VerticalStepText = StepText(p, up);
    // A step without length has no arrow and so no label either.
    if (RtByteLeft(p.StepLabelFlags, 1) == "y" && across != 0) LabelHorizontalStep(p);
    if (RtByteMid(p.StepLabelFlags, 2, 1) == "y" && up != 0) LabelVerticalStep(p);
}

void LabelHorizontalStep(Program& p) {
    // Above the arrow when the vertical arrow runs up, below it otherwise.
    p.PenY = p.VectorStartY > p.VectorEndY ? p.VectorStartY - 44 : p.VectorStartY;
    p.PenColor = 7;
    p.PenX = (p.VectorStartX + p.VectorEndX) / 2 - 14;
    p.TextCell = p.HorizontalStepText;
    DrawMarkupText(p);
}

void LabelVerticalStep(Program& p) {
    p.PenColor = 3;
    p.PenX = p.VectorEndX;
    p.PenY = (p.VectorStartY + p.VectorEndY) / 2 - 16;
    p.TextCell = p.VerticalStepText;
    DrawMarkupText(p);
}
