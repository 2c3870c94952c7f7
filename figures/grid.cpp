// The square grid: the frame of a lesson figure and its squared paper.
#include "figures/figures.h"
#include "platform/numbers.h"

namespace {

constexpr float kFrameOnly = 15;
constexpr float kHeavyColor = 14;
constexpr int kHeavyWidth = 3;
constexpr int kThinWidth = 1;

// Past this many lines a grid has more lines than the surface has pixels:
// lines that lie wholly off the surface are then counted without being
// drawn, and no more than kMostLines are drawn each way, so that an absurd
// count ends soon instead of drawing for minutes.
constexpr float kDrawAllLines = 2000;
constexpr int kMostLines = 10000;

bool OffSurface(float x1, float y1, float x2, float y2) {
    constexpr float kMargin = 8;
    return (x1 < -kMargin && x2 < -kMargin) || (y1 < -kMargin && y2 < -kMargin) ||
           (x1 > kSurfaceWidth + kMargin && x2 > kSurfaceWidth + kMargin) ||
           (y1 > kSurfaceHeight + kMargin && y2 > kSurfaceHeight + kMargin);
}

// One grid line: every fifth one (counted from the bottom-left corner) heavy
// in the accent colour, the others thin in LineColor; the pen width is set
// anew before every line.
void GridLine(Program& p, float x1, float y1, float x2, float y2, int& drawn) {
    if (p.LoopIndex > kDrawAllLines && (drawn >= kMostLines || OffSurface(x1, y1, x2, y2))) return;
    ++drawn;
    if (RtCInt(p.LoopIndex) % 5 == 0) {
        p.rt.RtSetDrawWidth(kHeavyWidth);
        p.rt.RtLine(x1, y1, x2, y2, p.AccentColor);
    } else {
        p.rt.RtSetDrawWidth(kThinWidth);
        p.rt.RtLine(x1, y1, x2, y2, p.LineColor);
    }
}

// The counter of a grid loop moves on; false once it no longer can (a count
// beyond single precision's whole numbers would otherwise never end).
bool Advance(float& counter) {
    const float next = counter + 1;
    if (next == counter) return false;
    counter = next;
    return true;
}

}  // namespace

void DrawGrid(Program& p) {
    p.SavedDrawWidth = static_cast<float>(p.rt.RtGetDrawWidth());
    p.Pi = 3.14159f;
    p.GridLeft = p.GridOriginX;
    p.GridTop = p.GridOriginY;
    p.GridRight = p.GridLeft + p.CellSize * p.GridColumns;
    p.GridBottom = p.GridTop + p.CellSize * p.GridRows;
    p.OriginX = p.GridLeft;
    p.OriginY = p.GridBottom;
    if (p.LineColor != kFrameOnly) {
        p.AccentColor = kHeavyColor;
        // Columns left to right, then rows bottom to top, so a row line lies
        // on top where lines cross.
        const float columns = p.GridColumns;
        int drawn = 0;
        p.LoopIndex = 0;
        do {
            const float x = p.GridLeft + p.CellSize * p.LoopIndex;
            GridLine(p, x, p.GridTop, x, p.GridBottom, drawn);
        } while (Advance(p.LoopIndex) && p.LoopIndex <= columns);
        const float rows = p.GridRows;
        drawn = 0;
        p.LoopIndex = 0;
        do {
            const float y = p.GridBottom - p.CellSize * p.LoopIndex;
            GridLine(p, p.GridLeft, y, p.GridRight, y, drawn);
        } while (Advance(p.LoopIndex) && p.LoopIndex <= rows);
    }
    p.rt.RtSetDrawWidth(RtCInt(p.SavedDrawWidth));
}
