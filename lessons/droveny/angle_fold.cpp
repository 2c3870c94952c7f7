// The angle-bisector lesson's topic 1: the sheet OAB folded along OC so that
// side OA falls onto OB, one step a key, and the kite ODCA the fold shows.
#include "lessons/droveny/angle_bisector_steps.h"
#include "lessons/droveny/fold_loop.h"

using namespace kit;
using namespace droveny;

// Points: 0 O, 1 A (the corner folded), 2 B, 3 D (where A lands on OB), 4 C
// (where the crease meets AB); the moving corner A' is point 1 of
// PointX2/PointY2.

namespace {

constexpr int kO = 0, kA = 1, kB = 2, kD = 3, kC = 4;

}  // namespace

void DrawFoldAngleFigure(Droveny& p) {
    Polyline(p, {P(p, kO), P(p, kA), P(p, kB), P(p, kO)}, kBlack);
    Name(p, kO, "O", {.dx = -30, .dy = -25});
    DotAndName(p, kA, "A");
    DotAndName(p, kB, "B", {.dx = 10, .dy = -50});
}

namespace {

// The figure of one fold frame: the sheet, the crease once folded, and the
// flap A'OC (the fold loop adds the path of A so far).
void DrawAngleFoldFrame(Droveny& p) {
    DrawFoldAngleFigure(p);
    if (p.ArcAngle == 360) Segment(p, kO, kC, kTeal);
    Line(p, P2(p, kA), P(p, kO), kTeal);
    Line(p, P2(p, kA), P(p, kC), kTeal);
}

}  // namespace

void ShowAngleFoldP173(Droveny& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "「教科書P173 Q」折り目の線の両側にできる角の関係は？");
    Grid(p, {.left = 720, .top = 150, .columns = 8, .rows = 8, .cell = 60});
    SetCells(p, {{kO, {1, 7}}});
    PlaceAboutVertex(p, kA, 240, 0);
    PlaceAboutVertex(p, kB, 480, -60);
    PlaceAboutVertex(p, kD, 240, -60);
    PlaceAboutVertex(p, kC, 360, -30);
    // C is where the line BA meets the ray from O at -30 degrees. BA is not
    // quite vertical with Pi 3.14159 (slope about 1e6), so the crossing takes
    // the general way.
    SetP(p, kC, Crossing(p, P(p, kB), P(p, kA), P(p, kO), P(p, kC)));
    DrawFoldAngleFigure(p);
    WaitForAnyKey(p);

    RunSheetFold(p, {.corner = kA, .target = kD, .drawFrame = DrawAngleFoldFrame});

    // The crease OC and the folded edge DC.
    EraseFrame(p);
    DrawFoldAngleFigure(p);
    Segment(p, kO, kC, kTeal);
    Segment(p, kD, kC, kTeal);
    WaitForAnyKey(p);

    AngleDot(p, kO, kC, kA, {.distance = 50});
    AngleDot(p, kO, kB, kC, {.distance = 50});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "折り目の線の両側にできる角の大きさは等しい", 60);
    WaitForAnyKey(p);

    WriteOn(p, kBlack, "(ぴったりと重なるから)");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "折り目の線をOC,Aと線対称な点をDとする");
    Name(p, kD, "D", {.dx = -14, .dy = 10});
    Name(p, kC, "C", {.dx = 8, .dy = -25});
    WaitForAnyKey(p);

    NextLine(p, kPurple, "直線OCを作図する方法を考えよう。");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "ぴったりと重なるから");
    WriteOn(p, kTeal, "OA=OD,");
    Ticks(p, kO, kA, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kO, kD, {.count = 1, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    WriteOn(p, kTeal, "CA=CD");
    Ticks(p, kC, kA, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    Ticks(p, kC, kD, {.count = 2, .size = 15, .color = kGrey, .shift = -8.0f});
    WaitForAnyKey(p);

    NextLine(p, kBlack, "したがって、");
    WriteOn(p, kTeal, "たこ形ODCAができる。");
    WaitForAnyKey(p);

    NextLine(p, kGrey, "角の二等分線OCをかくには、", 70);
    NextLine(p, kPurple, "①たこ形ODCAをかき");
    NextLine(p, kPurple, "②対角線OCをひけばよい。");
}
