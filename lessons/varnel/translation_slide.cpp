// Topic 2 of the translation lesson: the definition, the target point D
// placed with the arrow keys, the twelve-step slide of triangle ABC toward D
// with its traces, the repeat question, and the summary figure.
#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

float& X(Varnel& p, int n) { return p.PointX(n); }
float& Y(Varnel& p, int n) { return p.PointY(n); }

// Erases everything right of the text column (x from GridLeft).
void EraseFigureArea(Varnel& p) { EraseBox(p, p.GridLeft, 0, p.GridLeft + 1200, 1800); }

// Triangle ABC in colour 3 with its labels.
void DrawOriginalTriangle(Varnel& p) {
    Triangle(p, 1, 2, 3, {.width = 7, .color = kTeal, .labels = "A", .labelColor = kTeal});
}

void CopyPoint(Varnel& p, int to, int from) { SetP(p, to, P(p, from)); }

// The other corners of the image from its first one (point 4): point 5 three
// cells left of it and five down, point 6 one cell right of it on point 5's
// line.
void PlaceImageCorners(Varnel& p) {
    X(p, 5) = X(p, 4) - 3 * p.CellSize;
    Y(p, 5) = Y(p, 4) + 5 * p.CellSize;
    X(p, 6) = X(p, 4) + p.CellSize;
    Y(p, 6) = Y(p, 5);
}

// The traces AA', BB', CC' (points 1 to 3 to points 4 to 6) in colour 0 at
// pen width 5.
void DrawTraces(Varnel& p) {
    PenWidth(p, 5);
    Count(p.InnerIndex, 1, 3, [&](int i) { Line(p, P(p, i), P(p, i + 3), kBlack); });
}

// End stops of the slide: A' (point 4) is held between A (point 1) and D
// (point 7). The x decides; where it cannot (D in A's column, or an x step
// too small to move A', so that A' stays in A's column), the same rules on y
// hold A' on the screen.
void StopAtEnds(Varnel& p) {
    const float a = X(p, 1), d = X(p, 7), m = X(p, 4);
    if (d > a && m > d) return CopyPoint(p, 4, 7);
    if (d > a && m < a) return CopyPoint(p, 4, 1);
    if (d < a && m > a) return CopyPoint(p, 4, 1);
    if (d < a && m < d) return CopyPoint(p, 4, 7);
    // Once A' has left A's column the x alone decides, also where a rounded
    // sum puts the y a hair past D's before the x reaches it.
    if (m != a) return;
    // The old slide looked at x alone and, with D in A's column, let the
    // triangle run off the screen.
    const float ay = Y(p, 1), dy = Y(p, 7), my = Y(p, 4);
    if (dy > ay && my > dy) return CopyPoint(p, 4, 7);
    if (dy > ay && my < ay) return CopyPoint(p, 4, 1);
    if (dy < ay && my > ay) return CopyPoint(p, 4, 1);
    if (dy < ay && my < dy) return CopyPoint(p, 4, 7);
}

// True when A' (point 4) is on point `end` (7 for D, 1 for A), judged on x,
// or on y when D lies in A's column.
bool AtEnd(Varnel& p, int end) {
    if (X(p, 7) == X(p, 1)) return Y(p, 4) == Y(p, end);
    return X(p, 4) == X(p, end);
}

}  // namespace

void ShowTranslationDefinition(Varnel& p) {
    BeginTopic(p, {.itemLeft = {}, .textLeft = 76, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, " <平行移動>");
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kBlack, "①図形を、一定の方向に、");
    NextLine(p, kBlack, "一定の距離だけ動かす移動");
    Grid(p, {.left = 532, .top = 60, .columns = 23, .rows = 19, .cell = 30});
    // A, B, C and D (three cells right of C and two up).
    SetCells(p, 1, {{11, 12}, {8, 7}, {12, 7}, {12 + 3, 7 + 2}});
    PenWidth(p, 5);
    Triangle(p, 1, 2, 3, {.width = 7, .color = kBlack, .labels = "A", .labelColor = kBlack});

    // Place D, slide, and again as long as the key after the one that closes
    // the question is 1.
    do {
        PlaceTargetPoint(p);
        BeginTranslationSlide(p);
        SlideTriangleToTarget(p);
    } while (AskToMoveAgain(p, DecidingKey::Next));

    Write(p, p.TextLeft - 38, p.TextLineY + 70, kBlack, "②対応する点を結ぶ線分は、");
    NextLine(p, kBlack, "平行で，その長さは等しい。 ");
    DrawTranslationSummary(p);
    NextLine(p, kTeal, "AD∥BE,BE∥CF,CF∥AD");
    NextLine(p, kTeal, "AD=BE,BE=CF,CF=AD");
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P157問1 P158問2 をやろう。", 70);
}

void PlaceTargetPoint(Varnel& p) {
    bool redraw = true;
    for (;;) {
        if (redraw) {
            EraseFigureArea(p);
            // D stays where triangle DEF fits the frame: 4 to 22 cells across,
            // 5 to 19 up.
            if (X(p, 4) > p.GridRight - p.CellSize) X(p, 4) = p.GridRight - p.CellSize;
            if (X(p, 4) < p.GridLeft + 4 * p.CellSize) X(p, 4) = p.GridLeft + 4 * p.CellSize;
            if (Y(p, 4) > p.GridBottom - 5 * p.CellSize) Y(p, 4) = p.GridBottom - 5 * p.CellSize;
            if (Y(p, 4) < p.GridTop) Y(p, 4) = p.GridTop;
            // The target point: a disc of radius 3 in colour 5.
            Disc(p, P(p, 4), 3, kPurple);
            Name(p, 4, "D", {.dx = -14, .dy = -46, .color = kPurple});
            DrawOriginalTriangle(p);
        }
        redraw = true;
        switch (AskKey(p, "移動先　点D を←→↑↓で動かす。Enterキーで決定")) {
            case kKeyEnter: ClearMessageBarAndRestore(p); return;
            case kKeyRight: X(p, 4) += p.CellSize; break;
            case kKeyLeft: X(p, 4) -= p.CellSize; break;
            case kKeyUp: Y(p, 4) -= p.CellSize; break;
            case kKeyDown: Y(p, 4) += p.CellSize; break;
            default: redraw = false; break;
        }
    }
}

void BeginTranslationSlide(Varnel& p) {
    p.Seg2X2 = (X(p, 4) - X(p, 1)) / 12;
    p.SlideStepY = (Y(p, 4) - Y(p, 1)) / 12;
    CopyPoint(p, 7, 4);
    CopyPoint(p, 4, 1);
}

void DrawTranslationSlideFrame(Varnel& p) {
    EraseFigureArea(p);
    StopAtEnds(p);
    PlaceImageCorners(p);
    Disc(p, P(p, 7), 3, kPurple);   // D
    DrawOriginalTriangle(p);
    // The image is named DEF once it stands on D; it is drawn in A's colour
    // while it still lies on ABC (with D on A it never leaves ABC and keeps
    // that look, its labels not written over A, B, C).
    Triangle(p, 4, 5, 6,
             {.width = 7, .color = AtEnd(p, 1) ? kTeal : kPurple, .labels = AtEnd(p, 7) && !AtEnd(p, 1) ? "D" : "",
              .labelColor = kPurple});
    DrawTraces(p);
}

void SlideTriangleToTarget(Varnel& p) {
    bool redraw = true;
    for (;;) {
        if (redraw) DrawTranslationSlideFrame(p);
        redraw = true;
        switch (AskKey(p, "△ABC を ←→で動かす。Enterキーで終了")) {
            case kKeyEnter: return;
            case kKeyRight:
                X(p, 4) += p.Seg2X2;
                Y(p, 4) += p.SlideStepY;
                break;
            case kKeyLeft:
                X(p, 4) -= p.Seg2X2;
                Y(p, 4) -= p.SlideStepY;
                break;
            default: redraw = false; break;
        }
    }
}

void DrawTranslationSummary(Varnel& p) {
    EraseFigureArea(p);
    CopyPoint(p, 4, 7);
    PlaceImageCorners(p);
    Disc(p, P(p, 7), 3, kPurple);   // D
    DrawOriginalTriangle(p);
    Triangle(p, 4, 5, 6, {.width = 7, .color = kPurple, .labels = "D", .labelColor = kPurple});
    DrawTraces(p);
    Count(p.InnerIndex, 1, 3, [&](int i) {
        // With D on A the segments have no length and so no direction: they
        // get no marks (the old program stopped on the error screen here).
        if (X(p, i) == X(p, i + 3) && Y(p, i) == Y(p, i + 3)) return;
        Chevrons(p, P(p, i), P(p, i + 3), {.size = 20, .color = kGrey, .at = 1, .of = 2});
        // The ticks go on from the spacing and shift the cells hold.
        Ticks(p, P(p, i), P(p, i + 3), {.count = 2, .size = 15, .color = kGrey, .spacing = {}, .shift = {}});
    });
}
