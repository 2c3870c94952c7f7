// The angle-bisector lesson's topic 1: the sheet OAB folded along OC so that
// side OA falls onto OB, one step a key, and the kite ODCA the fold shows.
#include "lessons/droveny/angle_bisector_steps.h"
#include "lessons/droveny/fold_loop.h"

using namespace kit;
using namespace droveny;

// Points: 0 O, 1 A (the corner folded), 2 B, 3 D (where A lands on OB), 4 C
// (where the crease meets AB); the moving corner A' is point 1 of
// PointX2/PointY2.

void DrawFoldAngleFigure(Droveny& p) {
    Polyline(p, {P(p, 0), P(p, 1), P(p, 2), P(p, 0)}, kBlack);
    Name(p, 0, "O", {.dx = -30, .dy = -25});
    DotAndName(p, 1, "A");
    DotAndName(p, 2, "B", {.dx = 10, .dy = -50});
}

namespace {

// The figure of one fold frame: the sheet, the crease once folded, and the
// flap A'OC (the fold loop adds the path of A so far).
void DrawAngleFoldFrame(Droveny& p) {
    DrawFoldAngleFigure(p);
    if (p.ArcAngle == 360) Segment(p, 0, 4, kTeal);
    Line(p, P2(p, 1), P(p, 0), kTeal);
    Line(p, P2(p, 1), P(p, 4), kTeal);
}

}  // namespace

void ShowAngleFoldP173(Droveny& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "「教科書P173 Q」折り目の線の両側にできる角の関係は？");
    Grid(p, {.left = 720, .top = 150, .columns = 8, .rows = 8, .cell = 60});
    SetCells(p, {{0, {1, 7}}});
    PlaceAboutVertex(p, 1, 240, 0);
    PlaceAboutVertex(p, 2, 480, -60);
    PlaceAboutVertex(p, 3, 240, -60);
    PlaceAboutVertex(p, 4, 360, -30);
    // C is where the line BA meets the ray from O at -30 degrees. BA is not
    // quite vertical with Pi 3.14159 (slope about 1e6), so the crossing takes
    // the general way.
    SetP(p, 4, Crossing(p, P(p, 2), P(p, 1), P(p, 0), P(p, 4)));
    DrawFoldAngleFigure(p);
    WaitForAnyKey(p);

    RunSheetFold(p, {.corner = 1, .target = 3, .drawFrame = DrawAngleFoldFrame});

    // The crease OC and the folded edge DC.
    EraseFrame(p);
    DrawFoldAngleFigure(p);
    Segment(p, 0, 4, kTeal);
    Segment(p, 3, 4, kTeal);
    WaitForAnyKey(p);

    AngleDot(p, 0, 4, 1, {.distance = 50});
    AngleDot(p, 0, 2, 4, {.distance = 50});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "折り目の線の両側にできる角の大きさは等しい", 60);
    WaitForAnyKey(p);

    WriteOn(p, kBlack, "(ぴったりと重なるから)");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "折り目の線をOC,Aと線対称な点をDとする");
    Name(p, 3, "D", {.dx = -14, .dy = 10});
    Name(p, 4, "C", {.dx = 8, .dy = -25});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "直線OCを作図する方法を考えよう。");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "ぴったりと重なるから");
    WriteOn(p, kTeal, "OA=OD,");
    Ticks(p, 0, 1, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, 0, 3, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    WriteOn(p, kTeal, "CA=CD");
    Ticks(p, 4, 1, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, 4, 3, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "したがって、");
    WriteOn(p, kTeal, "たこ形ODCAができる。");
    WaitForAnyKey(p);

    NextLine(p, kGrey, "角の二等分線OCをかくには、", 70);
    NextLine(p, kPurple, "①たこ形ODCAをかき");
    NextLine(p, kPurple, "②対角線OCをひけばよい。");
}
