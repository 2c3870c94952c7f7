// The pizza topics of the sector lesson: the question with the slice areas and
// the definitions of sector and central angle (topic 1), and the answer worked
// with central angles (topic 5). Both draw the same pizza figure.
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

void DrawPizzaFigure(Quillet& p, float left) {
    Grid(p, {.left = left, .top = 90, .columns = 12, .rows = 12, .cell = 40});
    SetCells(p, 0, {{6, 6}});
    p.Radius = p.CellSize * 4;    // pizza M
    p.Radius2 = p.CellSize * 6;   // pizza L fills the frame
    // Rim points: M every 60 degrees (1 to 6; 7 and 8 repeat 1 and 2), L every
    // 45 degrees (11 to 18), both from straight up.
    Count(p.LoopIndex, 1, 8, [&](int i) {
        p.RingAngle = static_cast<float>((i - 1) * 60 + 90) * p.Pi / 180;
        p.RingAngle2 = static_cast<float>((i - 1) * 45 + 90) * p.Pi / 180;
        SetP(p, i, Along(P(p, 0), p.Radius, p.RingAngle));
        SetP(p, 10 + i, Along(P(p, 0), p.Radius2, p.RingAngle2));
    });
    Disc(p, P(p, 0), p.CellSize * 6, kBlack, kCyan);
    Disc(p, P(p, 0), p.CellSize * 4, kBlack, kPink);
    // The L cuts dotted (a flat dotted arc over each radius), across pizza M.
    Count(p.SliceIndex, 11, 18, [&](int i) {
        DottedArc(p, 0, i,
                  {.side = 1, .bulge = 0, .step = 6, .color = kBlack, .label = "", .labelColor = kTeal});
    });
    // The M cuts solid.
    Count(p.SliceIndex, 1, 6, [&](int i) { Segment(p, 0, i, kTeal); });
    Name(p, 11, "L", {.dx = -40, .dy = 30, .color = kPurple});
    Name(p, 1, "M", {.dx = -40, .dy = 30, .color = kPurple});
    Dot(p, 0, kBlack);
}

// ---- Topic 1: which slice is larger? --------------------------------------------

namespace {

// A working line at TextLeft, its result going on in colour 3; a key after
// each.
void WorkingLine(Quillet& p, const Text& line, const Text& result) {
    NextLine(p, kBlack, line);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, result);
    WaitForAnyKey(p);
}

}  // namespace

void ShowPizzaSectorsP179(Quillet& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 66, .firstLineY = 15});
    Write(p, p.ItemLeft, p.TextLineY, kTeal, "P179Q ");
    WriteOn(p, kBlack, "Mサイズのピザが6等分、Lサイズのピザが8等分されている。");
    NextLine(p, kBlack, "半径がM(24cm),L(32cm)のとき、");
    NextLine(p, kTeal, "1切れが大きいのはどっち? ");
    DrawPizzaFigure(p, 640);
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "Mサイズのピザの面積は");
    WaitForAnyKey(p);
    WorkingLine(p, "π*24^2=", "576π");
    NumberedLine(p, "②", kBlack, "Lサイズのピザの面積は");
    WaitForAnyKey(p);
    WorkingLine(p, "π*32^2=", "1024π");
    NumberedLine(p, "③", kBlack, "1切れの大きさは");
    WaitForAnyKey(p);
    WorkingLine(p, "M…576π/6=", "96π");
    WorkingLine(p, "L…1024π/8=", "128π");
    WorkingLine(p, "だから、", "Lサイズ");
    NextLine(p, kPurple, "本当だろうか?");
    WaitForAnyKey(p);

    // Screen 2: the text column goes, the pizzas stay.
    p.ItemLeft = 30;
    p.TextLeft = p.ItemLeft + 36;
    p.TextLineY = 15;
    EraseBox(p, 0, 0, p.GridLeft - 20, 1800);
    EraseBox(p, 0, 0, 1600, 60);
    EraseBox(p, p.GridLeft - 20, 60, p.GridLeft - 20 + 120, 60 + 60);
    Grid(p, {.left = 60, .top = 200, .columns = 8, .rows = 7, .cell = 60});
    SetCells(p, 0, {{4, 3}});
    p.Radius = 3 * p.CellSize;
    p.Radius2 = 1.5f * p.CellSize;
    SetP(p, 1, Along(P(p, 0), p.Radius, 150 * p.Pi / 180));    // A
    SetP(p, 2, Along(P(p, 0), p.Radius, 30 * p.Pi / 180));     // B
    SetP(p, 3, Along(P(p, 0), p.Radius2, 150 * p.Pi / 180));   // the radius labels
    SetP(p, 4, Along(P(p, 0), p.Radius2, 30 * p.Pi / 180));
    Circle(p, P(p, 0), p.Radius, kBlack);
    AngleMark(p, P(p, 0), P(p, 2), P(p, 1),
              {.size = p.Radius, .arcs = 0, .color = kTeal, .fill = kPink, .label = "弧", .shift = 1,
               .labelColor = kTeal});
    Name(p, 0, "O", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 1, "A", {.dx = -14, .dy = -50, .color = kBlack});
    Name(p, 2, "B", {.dx = 0, .dy = -50, .color = kBlack});
    Name(p, 3, "半径", {.dx = -60, .dy = 0});
    Name(p, 4, "半径", {.dx = 8, .dy = 0});
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY, kPurple, "おうぎ形");
    WriteOn(p, kBlack, "…円の一部で、弧と2つの半径で囲まれた図形");
    WaitForAnyKey(p);
    Write(p, p.ItemLeft, p.TextLineY + 50, kPurple, "中心角");
    WriteOn(p, kBlack, "…2つの半径のつくる角");
    AngleMark(p, P(p, 0), P(p, 2), P(p, 1),
              {.size = 50, .arcs = 1, .color = kPurple, .label = "中心角", .shift = 1, .labelColor = kPurple});
}

// ---- Topic 5: the pizza exercise answered -----------------------------------------

void ShowPizzaAnswer2(Quillet& p) {
    BeginTopic(p, {.itemLeft = 30, .textLeft = 66, .firstLineY = 15});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問2解答");
    DrawPizzaFigure(p, 680);
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "Mサイズのピザ1切れの面積は");
    WaitForAnyKey(p);
    NextLine(p, kTeal, "中心角 360%/6=60%,半径24cm ");
    WaitForAnyKey(p);
    NextLine(p, kBlack, "だから π*24^2*ﾀ60/360ﾀ", 70);
    NextLine(p, kBlack, "=π*24*24*ﾀ1/6ﾀ=", 60);
    WriteOn(p, kTeal, "96π(cm^2)");
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "Lサイズのピザ1切れの面積は", {.gap = 80});
    WaitForAnyKey(p);
    NextLine(p, kTeal, "中心角 360%/8=45%,半径32cm ");
    WaitForAnyKey(p);
    NextLine(p, kBlack, "だから π*32^2*ﾀ45/360ﾀ", 70);
    NextLine(p, kBlack, "=π*32*32*ﾀ1/8ﾀ=", 60);
    WriteOn(p, kTeal, "128π(cm^2)");
    WaitForAnyKey(p);

    NextLine(p, kBlack, "だから、", 70);
    WriteOn(p, kPurple, "Lサイズ");
}
