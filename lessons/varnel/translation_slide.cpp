// Topic 2 of the translation lesson: the definition, the target point D
// placed with the arrow keys, the twelve-step slide of triangle ABC toward D
// with its traces, the repeat question, and the summary figure.
#include "figures/figures.h"
#include "lessons/varnel/lesson_steps.h"
#include "lessons/varnel/varnel.h"
#include "platform/strings.h"
#include "shell/shell.h"
#include "text/text.h"

using varnel::EraseBox;
using varnel::WriteText;

namespace {

float& X(Program& p, int n) { return p.PointX(n); }
float& Y(Program& p, int n) { return p.PointY(n); }

// Erases everything right of the text column (x from GridLeft).
void EraseFigureArea(Program& p) { EraseBox(p, p.GridLeft, 0, 1200, 1800); }

// The target point: a disc of radius 3 in colour 5 at point n.
void DrawTargetDot(Program& p, int n) { p.rt.RtCircle(X(p, n), Y(p, n), 3, 5, 1, 0, 0, true); }

// Triangle ABC in colour 3 with its labels.
void DrawOriginalTriangle(Program& p) { varnel::DrawTriangleOfPoints(p, 1, 7, 3, 0, "A"); }

void CopyPoint(Program& p, int to, int from) {
    X(p, to) = X(p, from);
    Y(p, to) = Y(p, from);
}

// The other corners of the image from its first one (point 4): point 5 three
// cells left of it and five down, point 6 one cell right of it on point 5's
// line.
void PlaceImageCorners(Program& p) {
    X(p, 5) = X(p, 4) - 3 * p.CellSize;
    Y(p, 5) = Y(p, 4) + 5 * p.CellSize;
    X(p, 6) = X(p, 4) + p.CellSize;
    Y(p, 6) = Y(p, 5);
}

// The traces AA', BB', CC' (points 1 to 3 to points 4 to 6) in colour 0 at
// pen width 5.
void DrawTraces(Program& p) {
    p.rt.RtSetDrawWidth(5);
    for (int i = 1; i <= 3; i++) {
        p.InnerIndex = static_cast<float>(i);
        p.rt.RtLine(X(p, i), Y(p, i), X(p, i + 3), Y(p, i + 3), 0);
    }
}

// End stops of the slide: A' (point 4) is held between A (point 1) and D
// (point 7). The x decides; where it cannot (D in A's column, or an x step
// too small to move A', so that A' stays in A's column), the same rules on y
// hold A' on the screen.
void StopAtEnds(Program& p) {
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
bool AtEnd(Program& p, int end) {
    if (X(p, 7) == X(p, 1)) return Y(p, 4) == Y(p, end);
    return X(p, 4) == X(p, end);
}

}  // namespace

void ShowTranslationDefinition(Program& p) {
    varnel::EraseScreen(p);
    p.TextLeft = 76;
    p.TextLineY = 30;
    p.rt.RtSetDrawWidth(5);
    WriteText(p, p.TextLeft, p.TextLineY, 3, " <平行移動>");
    WriteText(p, p.TextLeft - 38, p.TextLineY + 50, 0, "①図形を、一定の方向に、");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 0, "一定の距離だけ動かす移動");
    varnel::SetGridFrame(p, 532, 60, 23, 19, 30);
    X(p, 1) = 11;
    X(p, 2) = 8;
    X(p, 3) = 12;
    X(p, 4) = X(p, 3) + 3;
    Y(p, 1) = 12;
    Y(p, 2) = 7;
    Y(p, 3) = 7;
    Y(p, 4) = Y(p, 3) + 2;
    varnel::CellsToPixels(p, 1, 4);
    p.rt.RtSetDrawWidth(5);
    varnel::DrawTriangleOfPoints(p, 1, 7, 0, 0, "A");

    // Place D, slide, and again as long as the pupil answers "1".
    for (;;) {
        PlaceTargetPoint(p);
        BeginTranslationSlide(p);
        SlideTriangleToTarget(p);
        AskTranslationRepeat(p);
        if (p.LastKey != "1") break;
    }

    WriteText(p, p.TextLeft - 38, p.TextLineY + 70, 0, "②対応する点を結ぶ線分は、");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 0, "平行で，その長さは等しい。 ");
    DrawTranslationSummary(p);
    WriteText(p, p.TextLeft, p.TextLineY + 50, 3, "AD∥BE,BE∥CF,CF∥AD");
    WriteText(p, p.TextLeft, p.TextLineY + 50, 3, "AD=BE,BE=CF,CF=AD");
    WaitForAnyKey(p);
    WriteText(p, p.TextLeft, p.TextLineY + 70, 7, "教科書P157問1 P158問2 をやろう。");
}

void PlaceTargetPoint(Program& p) {
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
            DrawTargetDot(p, 4);
            varnel::WriteLabel(p, X(p, 4) - 14, Y(p, 4) - 46, 5, "D");
            DrawOriginalTriangle(p);
        }
        p.PenColor = 0;
        p.TextCell = "移動先　点D を←→↑↓で動かす。Enterキーで決定";
        ShowMessageAndWaitKey(p);
        redraw = true;
        switch (RtAsc(p.LastKey)) {
            case 13: ClearMessageBarAndRestore(p); return;
            case 28: X(p, 4) += p.CellSize; break;
            case 29: X(p, 4) -= p.CellSize; break;
            case 30: Y(p, 4) -= p.CellSize; break;
            case 31: Y(p, 4) += p.CellSize; break;
            default: redraw = false; break;
        }
    }
}

void BeginTranslationSlide(Program& p) {
    p.Seg2X2 = (X(p, 4) - X(p, 1)) / 12;
    p.SlideStepY = (Y(p, 4) - Y(p, 1)) / 12;
    CopyPoint(p, 7, 4);
    CopyPoint(p, 4, 1);
}

void DrawTranslationSlideFrame(Program& p) {
    EraseFigureArea(p);
    StopAtEnds(p);
    PlaceImageCorners(p);
    DrawTargetDot(p, 7);
    DrawOriginalTriangle(p);
    // The image is named DEF once it stands on D; it is drawn in A's colour
    // while it still lies on ABC (with D on A it never leaves ABC and keeps
    // that look, its labels not written over A, B, C).
    p.MarkLabel = AtEnd(p, 7) && !AtEnd(p, 1) ? "D" : "";
    p.LineColor = AtEnd(p, 1) ? 3 : 5;
    for (int i = 1; i <= 3; i++) {
        p.LoopIndex = static_cast<float>(i);
        p.PolygonVertex(i, 1) = X(p, i + 3);
        p.PolygonVertex(i, 2) = Y(p, i + 3);
    }
    p.LineWidth = 7;
    p.PenColor = 5;
    p.VertexCount = 3;
    p.MarkSize = 0;
    DrawPolygon(p);
    DrawTraces(p);
}

void SlideTriangleToTarget(Program& p) {
    bool redraw = true;
    for (;;) {
        if (redraw) DrawTranslationSlideFrame(p);
        p.PenColor = 0;
        p.TextCell = "△ABC を ←→で動かす。Enterキーで終了";
        ShowMessageAndWaitKey(p);
        redraw = true;
        switch (RtAsc(p.LastKey)) {
            case 13: return;
            case 28:
                X(p, 4) += p.Seg2X2;
                Y(p, 4) += p.SlideStepY;
                break;
            case 29:
                X(p, 4) -= p.Seg2X2;
                Y(p, 4) -= p.SlideStepY;
                break;
            default: redraw = false; break;
        }
    }
}

void AskTranslationRepeat(Program& p) {
    ClearMessageBarAndRestore(p);
    p.PenColor = 0;
    p.TextCell = "もう一度動かすなら１を入力";
    ShowMessageAndWaitKey(p);
    // The answer is the key after the one that closed the message.
    do {
        p.rt.WaitForKey();
        p.LastKey = p.rt.RtInkey();
    } while (p.LastKey.empty());
    ClearMessageBarAndRestore(p);
}

void DrawTranslationSummary(Program& p) {
    EraseFigureArea(p);
    CopyPoint(p, 4, 7);
    PlaceImageCorners(p);
    DrawTargetDot(p, 7);
    DrawOriginalTriangle(p);
    varnel::DrawTriangleOfPoints(p, 4, 7, 5, 0, "D");
    DrawTraces(p);
    for (int i = 1; i <= 3; i++) {
        p.InnerIndex = static_cast<float>(i);
        p.Seg1X1 = X(p, i);
        p.Seg1Y1 = Y(p, i);
        p.Seg1X2 = X(p, i + 3);
        p.Seg1Y2 = Y(p, i + 3);
        // With D on A the segments have no length and so no direction: they
        // get no marks (the old program stopped on the error screen here).
        if (p.Seg1X1 == p.Seg1X2 && p.Seg1Y1 == p.Seg1Y2) continue;
        p.LineColor = 7;
        p.MarkSize = 20;
        p.MarkCount = 1;
        p.WorkA = 1;
        p.WorkB = 2;
        DrawChevronMarks(p);
        p.LineColor = 7;
        p.MarkSize = 15;
        p.MarkCount = 2;
        DrawTickMarks(p);
    }
}
