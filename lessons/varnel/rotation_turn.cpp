// Topic 2 of the rotation lesson: the definition of a rotation, the arrow-key
// turn of △ABC about O, the question to turn again, and the properties of a
// rotation shown step by step.
#include "lessons/common/kit.h"
#include "lessons/varnel/topic_pages.h"
#include "lessons/varnel/varnel.h"

using namespace kit;

namespace {

// The left edge of the redraw's erase. The definition's longest line ends at
// x 596; the image's labels can start left of the frame (A' at about 641 after
// one step), so the erase starts here rather than at the frame's left edge, or
// a sliver of an old label would outlive the next picture (deliberately wider
// than the old erase).
constexpr float kTurnEraseLeft = 600;

// The colour of vertex pair k (A and A', B and B', C and C'): 7, 9, 11.
float PairColor(int k) { return static_cast<float>(2 * k + 5); }

// The net presses as a turn of 0 to 35 steps of 10 degrees clockwise.
int ClockwiseSteps(const Varnel& p) { return ((p.RotationPresses % 36) + 36) % 36; }

// True when the image stands a whole number of turns from △ABC.
bool OnWholeTurn(const Varnel& p) { return ClockwiseSteps(p) == 0; }

// The image vertex i + 3: vertex i turned about O by the net presses, taken
// as 0 to 35 steps clockwise. Placed from the count and not from the image's
// own direction (PointDirection i + 3), which gathers a rounding error with
// every single-precision step and after a thousand presses or so would put
// the image visibly off its place (deliberately unlike the old redraw). At a
// whole turn this is vertex i itself.
void PlaceImageVertex(Varnel& p, int i) {
    const float turn = static_cast<float>(ClockwiseSteps(p)) * p.AngleStep;
    SetP(p, i + 3, Along(P(p, 10), p.PointAngle(i), p.PointDirection(i) - turn));
}

// The path of vertex i: the arc about O 8 px inside its circle, clockwise from
// the vertex to its image. At a whole turn the path is the full circle, drawn
// as one on purpose (deliberately unlike the old arc, which came out whole
// only because rounding left its two ends a hair apart).
void DrawTurnArc(Varnel& p, int i, float color) {
    if (OnWholeTurn(p)) {
        Circle(p, P(p, 10), p.PointAngle(i) - 8, color);
        return;
    }
    AngleMark(p, P(p, 10), P(p, i), P(p, i + 3),
              {.size = p.PointAngle(i), .arcs = 1, .color = color, .label = "", .shift = -1});
}

// The segments from each vertex and from its image to O.
void DrawSpokes(Varnel& p) {
    Count(p.InnerIndex, 1, 3, [&](int k) {
        Segment(p, k, 10, PairColor(k));
        Segment(p, k + 3, 10, PairColor(k));
    });
}

// Equal-length ticks on the segments from each vertex and its image to O: the
// group moved 30 px towards the vertex, the spacing carried from call to call
// (so the vertex's tick and the image's stand at different places); then OC'
// again in its colour.
void DrawEqualDistanceTicks(Varnel& p) {
    Count(p.InnerIndex, 1, 3, [&](int k) {
        Ticks(p, P(p, k), P(p, 10), {.count = 1, .size = 15, .color = PairColor(k), .spacing = {}, .shift = -30});
        // MarkShift is still -30: DrawTickMarks keeps it.
        Ticks(p, P(p, k + 3), P(p, 10), {.count = 1, .size = 15, .color = PairColor(k), .spacing = {}, .shift = {}});
    });
    Segment(p, 10, 6, PairColor(3));
}

// A filled sector of radius 50 about O, clockwise from the ray to point b to
// the ray to point c, in `color`.
void DrawSector(Varnel& p, int b, int c, float color) {
    AngleMark(p, P(p, 10), P(p, b), P(p, c),
              {.size = 50, .arcs = 0, .color = color, .fill = color, .label = "", .shift = -1});
}

}  // namespace

void SetUpRotationFigure(Varnel& p) {
    Grid(p, {.left = 646, .top = 30, .columns = 20, .rows = 19, .cell = 30});
    SetCells(p, 10, {{10, 10}});
    p.PointAngle(1) = 9 * p.CellSize;
    p.PointAngle(2) = 3 * p.CellSize;
    p.PointAngle(3) = 5 * p.CellSize;
    p.PointDirection(1) = 180;
    p.PointDirection(2) = 240;
    p.PointDirection(3) = 140;
    Count(p.InnerIndex, 1, 3, [&](int i) {
        p.PointDirection(i) = p.PointDirection(i) * p.Pi / 180;
        // The image starts on △ABC, one whole turn behind it.
        p.PointDirection(i + 3) = p.PointDirection(i) - 2 * p.Pi;
        SetP(p, i, Along(P(p, 10), p.PointAngle(i), p.PointDirection(i)));
        SetP(p, i + 3, Along(P(p, 10), p.PointAngle(i), p.PointDirection(i)));
    });
    p.RotationPresses = 0;
}

void RedrawRotationFigure(Varnel& p) {
    EraseBox(p, kTurnEraseLeft, 0, p.GridLeft + 1200, 1800);
    Count(p.InnerIndex, 1, 3, [&](int i) { PlaceImageVertex(p, i); });
    PenWidth(p, 4);
    Count(p.InnerIndex, 1, 3, [&](int i) {
        DrawTurnArc(p, i, PairColor(i));
        Segment(p, i, 10, PairColor(i));
        Segment(p, i + 3, 10, PairColor(i));
    });
    Triangle(p, 1, 2, 3, {.width = 7, .color = kTeal, .distance = 0, .labels = "A", .labelColor = kTeal});
    // An image lying on △ABC is drawn over it in its colour, without letters.
    const bool onTriangle = OnWholeTurn(p);
    NameImageVertices(p);
    Triangle(p, 4, 5, 6,
             {.width = 7, .color = onTriangle ? kTeal : kPurple, .distance = 0, .labels = onTriangle ? "" : "1",
              .labelColor = kPurple});
    Disc(p, P(p, 10), 3, kPurple);
    Name(p, 10, "O", {.dx = 0, .dy = 0, .color = kBlack});
    PenWidth(p, 5);
}

void RunRotationArrowKeyLoop(Varnel& p) {
    for (;;) {
        const int key = AskKey(p, "△ABC を ←→で動かす。Enterキーで終了");
        if (key == kKeyEnter) return;
        const bool left = key == kKeyLeft;
        if (!left && key != kKeyRight) continue;   // other keys redraw nothing
        // ← turns the image counter-clockwise, → clockwise, 10 degrees a press.
        const float step = left ? p.AngleStep : -p.AngleStep;
        for (int i = 4; i <= 6; i++) p.PointDirection(i) = p.PointDirection(i) + step;
        p.RotationPresses += left ? -1 : 1;
        RedrawRotationFigure(p);
    }
}

void ShowRotationDefinition(Varnel& p) {
    Erase(p, {0, 0, 1600, 1800});
    SetTextColumn(p, {.itemLeft = 30, .textLeft = 66, .firstLineY = 15});
    Write(p, p.TextLeft, p.TextLineY, kTeal, " <回転移動>");
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, "①");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "図形を、1つの点Oを中心として、");
    NextLine(p, kBlack, "一定の角度だけ回転させる移動");
    Write(p, p.ItemLeft, p.TextLineY + 50, kTeal, "②");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "中心とする点…");
    WriteOn(p, kTeal, "回転の中心");
    SetUpRotationFigure(p);
    p.AngleStep = p.Pi / 18;
    RedrawRotationFigure(p);
    // Turned again, at the prompt and over the same figure, as long as the
    // key after the one that closes the question is 1.
    do {
        RunRotationArrowKeyLoop(p);
    } while (AskToMoveAgain(p, DecidingKey::Next));
    ShowRotationProperties(p);
}

void ShowRotationProperties(Varnel& p) {
    // Corresponding points are equally far from O.
    DrawSpokes(p);
    Write(p, p.TextLeft - 38, p.TextLineY + 70, kTeal, "問");
    Write(p, p.TextLeft, p.TextLineY, kBlack, "OAとOA'の関係は");
    WaitForAnyKey(p);
    Write(p, p.TextEndX + 20, p.TextLineY, kPurple, "OA=OA'");
    DrawEqualDistanceTicks(p);
    WaitForAnyKey(p);
    // The path of a point.
    NextLine(p, kBlack, "点Aの動いたあとは、どんな図形？");
    WaitForAnyKey(p);
    NextLine(p, kPurple, "点Oを中心とする半径OAの円の周の一部");
    WaitForAnyKey(p);
    // The angles of the turn: five sectors about O, one of each colour in
    // each of the angles AOA', BOB' and COC'.
    NextLine(p, kBlack, "∠AOA',∠BOB',∠COC'の関係は？");
    WaitForAnyKey(p);
    DrawSector(p, 2, 1, kTeal);     // ∠BOA, 60 degrees
    DrawSector(p, 1, 3, kPurple);   // ∠AOC, 40 degrees
    // ∠COB' spans the clockwise turn less 100 degrees. When B' lies on the
    // ray OC it is empty: nothing is drawn (the old sector, its ends apart by
    // rounding only, covered the whole disc).
    if (ClockwiseSteps(p) != 10) DrawSector(p, 3, 5, kBlack);
    DrawSector(p, 5, 4, kTeal);     // ∠B'OA', 60 degrees
    DrawSector(p, 4, 6, kPurple);   // ∠A'OC', 40 degrees
    DrawSpokes(p);
    WaitForAnyKey(p);
    NextLine(p, kPurple, "∠AOA'=∠BOB'=∠COC'");
    WaitForAnyKey(p);
    DrawEqualDistanceTicks(p);
    // The summary.
    Write(p, p.TextLeft - 38, p.TextLineY + 50, kBlack, "③まとめ");
    Write(p, p.TextEndX + 40, p.TextLineY, kTeal, "対応する点は、回転の中心からの距離が等しく、");
    NextLine(p, kTeal, "回転の中心と結んでできる角の大きさはすべて等しい。 ");
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P160 問6 をやろう。 ");
}
