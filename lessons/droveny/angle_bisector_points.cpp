// The angle-bisector lesson's points on the bisector (topic 3) and the
// answer to question 9 (topic 4), both on the angle AOB with its bisector
// that DrawBisectorDistanceFigure draws.
#include "lessons/droveny/angle_bisector_steps.h"

using namespace kit;
using namespace droveny;

void DrawBisectorDistanceFigure(Droveny& p) {
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 2, kBlack);
    Segment(p, 0, 20, kTeal);
    NameAngleAOB(p);
    AngleDot(p, 0, 5, 3, {.distance = 70});
    AngleDot(p, 0, 3, 4, {.distance = 70});
}

namespace {

// The frame of topics 3 and 4 with its top at `top`: O, A and B in pixels,
// the arc range of the angle AOB (BisectorAngle the bisector's direction).
void SetUpAngleFrame(Droveny& p, float top) {
    Grid(p, {.left = 320, .top = top, .columns = 7, .rows = 6, .cell = 70});
    SetCells(p, {{0, {1, 1}}, {1, {4, 5}}, {2, {6, 1}}});
    AngleRange(p, 0, 2, 1);
}

}  // namespace

// ---- Topic 3: points on the bisector ------------------------------------------
// Points: 0 O, 1 A, 2 B, 20 the bisector's end; on the bisector 3 P and the
// further points 6, 9, 12, each point k with its feet k+1 on OA and k+2 on
// OB.

namespace {

// The two statements of the topic: the number in black, the sentence 10 px
// after it.
constexpr NumberStyle kStatement{.numberColor = kBlack, .space = 10};

// P's name, above it.
constexpr NameStyle kNameOfP{.dx = -10, .dy = -50};

// P's perpendiculars to both sides (feet 4 on OA, 5 on OB), their right
// angles and one purple tick on each.
void PerpendicularsOfP(Droveny& p) {
    Segment(p, 3, 4, kBlack);
    Segment(p, 3, 5, kBlack);
    RightAngle(p, 4, 3, 1, {.shift = -1.0f});
    RightAngle(p, 5, 3, 2, {.shift = -1.0f});
    Ticks(p, 3, 4, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, 3, 5, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
}

// Points 6, 9 and 12 one key each: their perpendiculars with 1, 2 and 3
// ticks (the group moved 20 px back towards the point), the right angles at
// the feet and the point's dot; then, a key later, O's dot and a key.
void FurtherPointsThenO(Droveny& p) {
    for (p.InnerIndex = 2; p.InnerIndex <= 4; p.InnerIndex = p.InnerIndex + 1) {
        const int k = 3 * static_cast<int>(p.InnerIndex);
        const int ticks = static_cast<int>(p.InnerIndex) - 1;
        p.FromPoint = static_cast<float>(k);
        WaitForAnyKey(p);
        Segment(p, k, k + 1, kBlack);
        Segment(p, k, k + 2, kBlack);
        Ticks(p, k, k + 1, {.count = ticks, .size = 15, .color = kGrey, .shift = -20.0f});
        Ticks(p, k, k + 2, {.count = ticks, .size = 15, .color = kGrey, .shift = -20.0f});
        RightAngle(p, k + 1, 1, k, {.shift = -1.0f});
        RightAngle(p, k + 2, 2, k, {.shift = -1.0f});
        Dot(p, k, kTeal);
    }
    WaitForAnyKey(p);
    Dot(p, 0, kTeal);
    WaitForAnyKey(p);
}

}  // namespace

void ShowPointsOnAngleBisector(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "角の二等分線上の点");
    SetUpAngleFrame(p, 200);
    p.Radius = 2 * p.CellSize;
    p.Radius2 = 3 * p.CellSize;
    p.Radius3 = 4 * p.CellSize;
    p.Radius4 = 5 * p.CellSize;
    p.Distance = 6 * p.CellSize;
    SetP(p, 20, Along(P(p, 0), p.Distance, p.BisectorAngle));
    SetP(p, 3, Along(P(p, 0), p.Radius4, p.BisectorAngle));
    SetP(p, 6, Along(P(p, 0), p.Radius3, p.BisectorAngle));
    SetP(p, 9, Along(P(p, 0), p.Radius2, p.BisectorAngle));
    SetP(p, 12, Along(P(p, 0), p.Radius, p.BisectorAngle));
    // All eight feet before any line: the background dots each foot leaves
    // fall on the blank figure.
    for (const int k : {3, 6, 9, 12}) {
        SetP(p, k + 1, Foot(p, P(p, 0), P(p, 1), P(p, k)));
        SetP(p, k + 2, Foot(p, P(p, 0), P(p, 2), P(p, k)));
    }
    DrawBisectorDistanceFigure(p);
    WaitForAnyKey(p);

    DotAndName(p, 3, "P", kNameOfP);
    WaitForAnyKey(p);

    Segment(p, 3, 4, kBlack);
    RightAngle(p, 4, 3, 1, {.shift = -1.0f});
    WaitForAnyKey(p);

    // The compass about O through both feet of P, on past OA and past OB
    // (fraction 0).
    CompassArc(p, {.centre = 0, .through = 4, .b = 5, .c = 4, .start = RayC(-0.03f), .end = Fraction(0.03f),
                   .color = kBrightBlue, .centreDot = false});
    WaitForAnyKey(p);

    Ticks(p, 0, 4, {.count = 2, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, 0, 5, {.count = 2, .size = 15, .color = kPurple, .shift = -8.0f});
    WaitForAnyKey(p);

    Segment(p, 3, 5, kBlack);
    WaitForAnyKey(p);

    Ticks(p, 3, 4, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, 3, 5, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    WaitForAnyKey(p);

    RightAngle(p, 5, 3, 2, {.shift = -1.0f});
    WaitForAnyKey(p);

    // Screen 1: the property.
    EraseFrame(p);
    DrawBisectorDistanceFigure(p);
    PerpendicularsOfP(p);
    DotAndName(p, 3, "P", kNameOfP);
    NumberedLine(p, "①", kTeal, "角の二等分線上の点から角の2辺までの、", kStatement);
    WriteOn(p, kPurple, "距離は等しい。");
    FurtherPointsThenO(p);

    // Screen 2: the converse, on the bare angle.
    EraseFrame(p);
    NumberedLine(p, "②", kTeal, "角の2辺までの距離が等しい点は、", kStatement);
    DrawAngleAOB(p);
    WaitForAnyKey(p);
    DotAndName(p, 3, "P", kNameOfP);
    PerpendicularsOfP(p);
    FurtherPointsThenO(p);

    Segment(p, 0, 20, kTeal);
    WaitForAnyKey(p);

    AngleDot(p, 0, 5, 3, {.distance = 70});
    AngleDot(p, 0, 3, 4, {.distance = 70});
    WaitForAnyKey(p);

    WriteOn(p, kPurple, "角の二等分線上にある。");
    WaitForAnyKey(p);

    NextLine(p, kGrey, "教科書P174 問9 をやろう。", 60);
}

// ---- Topic 4: the answer to question 9 ----------------------------------------
// Points: 0 O, 1 A, 2 B, 20 the bisector's end, 3 P on the bisector, 4 and 5
// its feet on OA and OB; 6, 7 where the compass about P cuts OA and 8 P
// mirrored in OA; 9, 10 where it cuts OB and 11 P mirrored in OB.

namespace {

// `from` mirrored in the point `about`.
Pt MirroredIn(Pt from, Pt about) { return Pt{2 * about.x - from.x, 2 * about.y - from.y}; }

}  // namespace

void ShowAngleBisectorAnswer9(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問9解答");
    SetUpAngleFrame(p, 100);
    p.Radius2 = 3 * p.CellSize;
    p.Distance = 6 * p.CellSize;
    SetP(p, 20, Along(P(p, 0), p.Distance, p.BisectorAngle));
    SetP(p, 3, Along(P(p, 0), p.Radius2, p.BisectorAngle));
    SetP(p, 4, Foot(p, P(p, 0), P(p, 1), P(p, 3)));
    SetP(p, 5, Foot(p, P(p, 0), P(p, 2), P(p, 3)));
    SetP(p, 6, Mid(P(p, 0), P(p, 4)));
    SetP(p, 7, MirroredIn(P(p, 6), P(p, 4)));
    SetP(p, 8, MirroredIn(P(p, 3), P(p, 4)));
    SetP(p, 9, Mid(P(p, 0), P(p, 5)));
    SetP(p, 10, MirroredIn(P(p, 9), P(p, 5)));
    SetP(p, 11, MirroredIn(P(p, 3), P(p, 5)));
    DrawBisectorDistanceFigure(p);
    Segment(p, 0, 20, kBlack);   // the bisector drawn over in black
    DotAndName(p, 3, "P", kNameOfP);
    WaitForAnyKey(p);

    // The perpendicular from P to OA: the circle about P cutting OA at 6 and
    // 7, and equal arcs about 6 and 7 meeting at 8.
    CompassArc(p, {.centre = 3, .through = 6, .b = 7, .c = 6,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 6, .through = 8, .b = 7, .c = 8,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kGrey});
    WaitForAnyKey(p);
    // The same opening about 7.
    CompassArc(p, {.centre = 7, .b = 6, .c = 8, .start = RayC(-0.05f), .end = RayC(0.05f), .color = kGrey});
    WaitForAnyKey(p);
    Segment(p, 3, 8, kTeal);
    WaitForAnyKey(p);

    // The perpendicular from P to OB the same way, meeting at 11.
    CompassArc(p, {.centre = 3, .through = 10, .b = 9, .c = 10,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = 9, .through = 11, .b = 11, .c = 10,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    // The same opening about 10.
    CompassArc(p, {.centre = 10, .b = 9, .c = 11, .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, 3, 11, kTeal);
    WaitForAnyKey(p);

    // The circle about P through both feet touches both sides.
    OpenCompass(p, 3, 4);
    Circle(p, P(p, 3), p.Radius, kPurple);
}
