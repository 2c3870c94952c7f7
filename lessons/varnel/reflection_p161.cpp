// Topic 1 of the reflection lesson: how is triangle オ of the hexagon pattern
// moved onto カ? Triangle オ folds over the line l through the centre, one
// 10-degree step per key, each moving vertex on a flat half-ellipse that
// stands for the fold seen in perspective, with the path travelled dotted.
#include "lessons/common/kit.h"
#include "lessons/varnel/hexagon_triangles.h"
#include "lessons/varnel/topic_pages.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

// The fold paths of A (point 1 to 5, a dot every 3 degrees) and B (point 8 to
// 10, every 8 degrees), `sweep` degrees from the start (0: the whole path).
void DrawFoldPaths(Varnel& p, float sweep) {
    DottedArc(p, P(p, 1), P(p, 5), {.side = 1, .bulge = 20, .step = 3, .sweep = sweep, .color = kGrey});
    DottedArc(p, P(p, 8), P(p, 10), {.side = 1, .bulge = 20, .step = 8, .sweep = sweep, .color = kGrey});
}

}  // namespace

void DrawReflectionHexagonTriangles(Varnel& p) {
    HexagonWithSpokes(p, kBlack);
    // The large triangle inscribed in the hexagon.
    Segment(p, 1, 5, kBlack);
    Segment(p, 1, 3, kBlack);
    Segment(p, 3, 5, kBlack);
    FilledPolygon(p, {P(p, 1), P(p, 8), P(p, 0)}, kBlack, kPink);    // オ
    FilledPolygon(p, {P(p, 5), P(p, 10), P(p, 0)}, kBlack, kPink);   // カ
    Label(p, p.PointX(8), p.PointY(0) - 20, kTeal, "オ");
    Name(p, 1, "A", {.dx = -35, .dy = -25, .color = kBlack});
    Name(p, 8, "B", {.dx = -14, .dy = 15, .color = kBlack});
    Name(p, 0, "C", {.dx = 10, .dy = 15, .color = kBlack});
    Label(p, p.PointX(10) - 30, p.PointY(0) - 20, kTeal, "カ");
}

void LabelReflectionHexagonTriangles(Varnel& p) {
    Name(p, 5, "A'", {.dx = 4, .dy = -25});
    Name(p, 10, "B'", {.dx = -14, .dy = 20});
}

void ShowReflectionQuestionP161(Varnel& p) {
    BeginTopic(p, kQuestionColumn);
    Grid(p, {.left = 640, .top = 50, .columns = 10, .rows = 10, .cell = 60});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "三角形オをどのように移動させればカに重なるだろう。");
    BuildHexagonTriangles(p);   // pen width 7 from here on
    DrawReflectionHexagonTriangles(p);
    WaitForAnyKey(p);

    NumberedLine(p, "(1)", kBlack, "A',B'はどこ？");
    WaitForAnyKey(p);
    LabelReflectionHexagonTriangles(p);
    WaitForAnyKey(p);

    NumberedLine(p, "(2)", kBlack, "三角形オを");
    NextLine(p, kBlack, "三角形カに重ねる移動は？");
    WaitForAnyKey(p);

    // The fold starts unfolded: triangle オ (A, B, C) in PointX2/PointY2.
    SetP2(p, 1, P(p, 1));
    SetP2(p, 2, P(p, 8));
    SetP2(p, 3, P(p, 0));
    AnimateP161TriangleFold(p);
    ShowP161FoldAnswer(p);
}

void AnimateP161TriangleFold(Varnel& p) {
    Animate(
        p,
        {.erase = QuestionFigureArea(p),
         .counter = {.cell = &p.ArcAngle, .from = 180, .by = 10, .upTo = 360, .backTo = 180}},
        [&] {
            DrawReflectionHexagonTriangles(p);
            LabelReflectionHexagonTriangles(p);
            p.LineColor = kTeal;
            Polyline(p, {P2(p, 1), P2(p, 2), P2(p, 3), P2(p, 1)}, p.LineColor);
            // Paths exactly when folded: at 180 degrees the computed vertex
            // misses A by a fraction of a pixel, which the old comparison took
            // for a fold (deliberately differs from the old behaviour).
            if (p.ArcAngle > 180) DrawFoldPaths(p, p.ArcAngle - 180);
        },
        [&] {
            SetP2(p, 1, PointOnArc(p, P(p, 1), P(p, 5), p.ArcAngle, 20));
            SetP2(p, 2, PointOnArc(p, P(p, 8), P(p, 10), p.ArcAngle, 20));
        });
}

void ShowP161FoldAnswer(Varnel& p) {
    Erase(p, QuestionFigureArea(p));
    DrawReflectionHexagonTriangles(p);
    LabelReflectionHexagonTriangles(p);
    Polyline(p, {P(p, 5), P(p, 0), P(p, 10), P(p, 5)}, kTeal);
    WaitForAnyKey(p);

    Segment(p, 6, 3, kPurple);
    Label(p, p.PointX(6) - 14, p.PointY(6) - 60, kPurple, "l");
    WaitForAnyKey(p);

    DrawFoldPaths(p, 0);
    WaitForAnyKey(p);

    NextLine(p, kPurple, "三角形オを、直線lを折り目として");
    NextLine(p, kPurple, "折り返せばよい。");
}
