// The reflection topic shared by Varnel and Droveny: typed axis, definition,
// turned figure, arrow-key fold and the finished figure.
#include "lessons/common/reflection_fold.h"

#include <algorithm>
#include <cmath>

#include "lessons/common/kit.h"

using namespace kit;

namespace {

// The figure area that a redraw erases starts 21 px left of GridLeft: the
// labels of vertices turned towards the left edge begin at x 599, and the text
// column ends at x 586. (Deliberately wider than the old erase from GridLeft,
// which left slivers of those labels behind.)
constexpr float kLabelOverhang = 21;

void EraseFigureArea(Program& p) { EraseBox(p, p.GridLeft - kLabelOverhang, 0, p.GridLeft + 1200, 1800); }

// Point k (4, 5, 6: the folding A, B, C) on its flattened half-ellipse below
// the row of vertex k - 3, at its fold angle PointDirection(k), then turned
// into point k + 20.
void PlaceFoldingVertex(Program& p, int k) {
    p.PointX(k) = p.PointX(10) + p.PointAngle(k) * std::cos(p.PointDirection(k));
    p.PointY(k) = p.PointY(k - 3) - 0.2f * p.PointAngle(k) * std::sin(p.PointDirection(k));
    TurnAboutAxisCentre(p, k, k + 20);
}

// The image triangle through points a, c, b (its A', C', B'), by way of the
// vertex list TableValueB/TableValueA, labelled from PointLabel(1..3) in
// labelColor.
void ImageTriangle(Program& p, int a, int c, int b, float color, float labelColor) {
    const int order[3] = {a, c, b};
    for (int i = 1; i <= 3; i++) {
        p.TableValueB(i) = p.PointX(order[i - 1]);
        p.TableValueA(i) = p.PointY(order[i - 1]);
    }
    Polygon(p, {{p.TableValueB(1), p.TableValueA(1)}, {p.TableValueB(2), p.TableValueA(2)},
                {p.TableValueB(3), p.TableValueA(3)}},
            {.width = 7, .color = color, .distance = 0, .labels = "1", .labelColor = labelColor});
}

void SetImageLabels(Program& p) {
    p.PointLabel(1) = "A'";
    p.PointLabel(2) = "C'";
    p.PointLabel(3) = "B'";
}

// The axis l from point 11 to point 12 and its label, in colour 0.
void DrawAxis(Program& p) {
    Segment(p, 11, 12, kBlack);
    Label(p, p.PointX(11) - 14, p.PointY(11) - 48, kBlack, "l");
}

}  // namespace

void AskReflectionAxisAngle(Program& p) {
    EraseBox(p, 0, 0, 1600, 1800);
    p.TextLeft = 76;
    p.TextLineY = 30;
    PenWidth(p, 5);
    p.Pi = 3.14159f;
    Write(p, p.TextLeft, p.TextLineY, kTeal, " <対称移動>");
    Label(p, p.TextLeft, p.TextLineY + 150, kPurple, "対称の軸の角度を入力してください。");
    EnterNumber(p);
    ParseEntryValue(p);   // a fraction over zero gives 0
    p.AxisAngle = p.EntryValue;
    ClearPromptLine(p);
    p.TurnAngle = (90 - p.AxisAngle) * p.Pi / 180;
}

void WriteReflectionDefinition(Program& p) {
    EraseBox(p, 0, 0, 1600, 1800);
    Write(p, p.TextLeft, p.TextLineY, kTeal, " <対称移動>");
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kTeal, "①");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "図形を、ある直線を折り目として");
    Write(p, p.TextLeft, p.TextLineY + 50, kBlack, "折り返す移動");
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kTeal, "②");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "折り目の直線…");
    WriteOn(p, kTeal, "対称の軸");
}

void TurnAboutAxisCentre(Program& p, int from, int to) {
    const float d = DirectionOf(p, P(p, 10), P(p, from));
    p.Distance =
        std::sqrt((p.MarkBX - p.MarkAX) * (p.MarkBX - p.MarkAX) + (p.MarkBY - p.MarkAY) * (p.MarkBY - p.MarkAY));
    SetP(p, to, Along(P(p, 10), p.Distance, d - p.TurnAngle));
}

void SetUpReflectionFigure(Program& p) {
    Grid(p, {.left = 608, .top = 60, .columns = 18, .rows = 17, .cell = 30});
    // Upright, in grid cells: A, B, C; the centre of l; the ends of l.
    SetP(p, 1, {6, 14});
    SetP(p, 2, {1, 8});
    SetP(p, 3, {4, 2});
    SetP(p, 10, {9, 8});
    SetP(p, 11, {p.PointX(10), p.PointY(10) + 7});
    SetP(p, 12, {p.PointX(10), p.PointY(10) - 7});
    for (int i = 1; i <= 3; i++) {
        SetP(p, i + 6, {p.PointX(10), p.PointY(i)});                          // the foot on l
        SetP(p, i + 3, {2 * p.PointX(10) - p.PointX(i), p.PointY(i)});       // the mirror image
    }
    CellsToPixels(p, 1, 12);
    TurnAboutAxisCentre(p, 11, 11);
    TurnAboutAxisCentre(p, 12, 12);
    for (int i = 1; i <= 9; i++) TurnAboutAxisCentre(p, i, i + 20);

    PenWidth(p, 5);
    Triangle(p, 21, 22, 23, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    DrawAxis(p);
    for (int i = 34; i <= 36; i++) SetP(p, i, P(p, i - 10));
    SetImageLabels(p);
    ImageTriangle(p, 34, 36, 35, kTeal, kTeal);
}

void BeginReflectionFold(Program& p) {
    for (int k = 1; k <= 3; k++) {
        p.PointAngle(k + 3) = p.PointX(10) - p.PointX(k);
        p.PointDirection(k + 3) = p.Pi;
        p.PointAngle(k) = p.PointAngle(k + 3);
        p.PointDirection(k) = p.PointDirection(k + 3);
    }
    p.FoldStepCount = 0;
    p.AngleStep = p.Pi / 9;
    p.FoldDotAngle = p.Pi / 60;
}

void RedrawReflectionFigure(Program& p) {
    // The fold is kept as a whole number of key steps, so that "unfolded" and
    // "fully folded" are exact however the keys went (deliberately differs
    // from the old sums of 20-degree steps, which drift off both ends).
    const int steps = std::clamp(static_cast<int>(p.FoldStepCount), 0, kFullFoldSteps);
    p.FoldStepCount = static_cast<float>(steps);
    const float fold = steps == kFullFoldSteps ? p.Pi : static_cast<float>(steps) * (p.Pi / 9);
    for (int k = 4; k <= 6; k++) p.PointDirection(k) = p.PointDirection(k - 3) + fold;

    EraseFigureArea(p);
    Triangle(p, 34, 35, 36, {.width = 7, .color = kTeal, .distance = 0, .labels = "", .labelColor = kTeal});
    for (int k = 4; k <= 6; k++) PlaceFoldingVertex(p, k);
    Triangle(p, 21, 22, 23, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    for (int i = 1; i <= 3; i++) p.PointLabel(i) = "";
    if (steps == kFullFoldSteps) SetImageLabels(p);
    ImageTriangle(p, 24, 26, 25, steps == 0 ? kTeal : kPurple, kPurple);
    PenWidth(p, 3);
    Segment(p, 26, 29, kBlack);
    Segment(p, 24, 27, kBlack);
    PenWidth(p, 5);
    DrawAxis(p);

    // The dotted paths: one dot every FoldDotAngle (3 degrees) for B and C,
    // every second one for A, from the start up to the fold.
    p.FoldDotAngle = p.Pi / 60;
    const int dotSteps = steps * 20 / 3;
    for (int k = 1; k <= 3; k++) {
        const int stride = k == 1 ? 2 : 1;
        for (int j = 0; j <= dotSteps; j += stride) {
            p.InnerIndex = static_cast<float>(j);
            const float angle = p.Pi + static_cast<float>(j) * p.FoldDotAngle;
            p.PointX(k + 6) = p.PointX(10) + p.PointAngle(k) * std::cos(angle);
            p.PointY(k + 6) = p.PointY(k) - 0.2f * p.PointAngle(k) * std::sin(angle);
            TurnAboutAxisCentre(p, k + 6, k + 6);
            Disc(p, P(p, k + 6), 1, kGrey);
        }
    }
}

bool ApplyReflectionArrowKey(Program& p) {
    if (LastKeyIs(p, kKeyRight)) {
        p.FoldStepCount = std::min(p.FoldStepCount + 1, static_cast<float>(kFullFoldSteps));
        return true;
    }
    if (LastKeyIs(p, kKeyLeft)) {
        p.FoldStepCount = std::max(p.FoldStepCount - 1, 0.0f);
        return true;
    }
    return false;
}

void ShowReflectionFoldPrompt(Program& p) { AskKey(p, "△ABC を ←→で動かす。Enterキーで終了"); }

void RunReflectionArrowKeyLoop(Program& p) {
    for (;;) {
        ShowReflectionFoldPrompt(p);
        p.AngleStep = p.Pi / 9;
        if (LastKeyIs(p, kKeyEnter)) return;
        if (ApplyReflectionArrowKey(p)) RedrawReflectionFigure(p);
    }
}

void DrawQuestion8Figure(Program& p) {
    EraseFigureArea(p);
    p.FoldStepCount = kFullFoldSteps;
    for (int k = 4; k <= 6; k++) {
        p.PointDirection(k) = p.PointDirection(k - 3) + p.Pi;
        PlaceFoldingVertex(p, k);
    }
    Triangle(p, 21, 22, 23, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    SetImageLabels(p);
    ImageTriangle(p, 24, 26, 25, kPurple, kPurple);
    PenWidth(p, 5);
    for (int k = 1; k <= 3; k++) Segment(p, k + 23, k + 20, kBlack);
    DrawAxis(p);
}
