// The angle-bisector lesson's points on the bisector (topic 3) and the
// answer to question 9 (topic 4), both on the angle AOB with its bisector
// that DrawBisectorDistanceFigure draws.
#include "lessons/droveny/angle_bisector_steps.h"

using namespace kit;
using namespace droveny;

namespace {

// The points of topics 3 and 4: O, A, B, the bisector's end, P on the
// bisector and its feet on OA and OB.
constexpr int kO = 0, kA = 1, kB = 2, kP = 3, kFootOA = 4, kFootOB = 5, kBisectorEnd = 20;

}  // namespace

void DrawBisectorDistanceFigure(Droveny& p) {
    Segment(p, kO, kA, kBlack);
    Segment(p, kO, kB, kBlack);
    Segment(p, kO, kBisectorEnd, kTeal);
    NameAngleAOB(p);
    AngleDot(p, kO, kFootOB, kP, {.distance = 70});
    AngleDot(p, kO, kP, kFootOA, {.distance = 70});
}

namespace {

// The frame of topics 3 and 4 with its top at `top`: O, A and B in pixels,
// the arc range of the angle AOB (BisectorAngle the bisector's direction).
void SetUpAngleFrame(Droveny& p, float top) {
    Grid(p, {.left = 320, .top = top, .columns = 7, .rows = 6, .cell = 70});
    SetCells(p, {{kO, {1, 1}}, {kA, {4, 5}}, {kB, {6, 1}}});
    AngleRange(p, kO, kB, kA);
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
    Segment(p, kP, kFootOA, kBlack);
    Segment(p, kP, kFootOB, kBlack);
    RightAngle(p, kFootOA, kP, kA, {.shift = -1.0f});
    RightAngle(p, kFootOB, kP, kB, {.shift = -1.0f});
    Ticks(p, kP, kFootOA, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, kP, kFootOB, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
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
        RightAngle(p, k + 1, kA, k, {.shift = -1.0f});
        RightAngle(p, k + 2, kB, k, {.shift = -1.0f});
        Dot(p, k, kTeal);
    }
    WaitForAnyKey(p);
    Dot(p, kO, kTeal);
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
    SetP(p, kBisectorEnd, Along(P(p, kO), p.Distance, p.BisectorAngle));
    SetP(p, kP, Along(P(p, kO), p.Radius4, p.BisectorAngle));
    SetP(p, 6, Along(P(p, kO), p.Radius3, p.BisectorAngle));
    SetP(p, 9, Along(P(p, kO), p.Radius2, p.BisectorAngle));
    SetP(p, 12, Along(P(p, kO), p.Radius, p.BisectorAngle));
    // All eight feet before any line: the background dots each foot leaves
    // fall on the blank figure.
    for (const int k : {kP, 6, 9, 12}) {
        SetP(p, k + 1, Foot(p, P(p, kO), P(p, kA), P(p, k)));
        SetP(p, k + 2, Foot(p, P(p, kO), P(p, kB), P(p, k)));
    }
    DrawBisectorDistanceFigure(p);
    WaitForAnyKey(p);

    DotAndName(p, kP, "P", kNameOfP);
    WaitForAnyKey(p);

    Segment(p, kP, kFootOA, kBlack);
    RightAngle(p, kFootOA, kP, kA, {.shift = -1.0f});
    WaitForAnyKey(p);

    // The compass about O through both feet of P, on past OA and past OB
    // (fraction 0).
    CompassArc(p, {.centre = kO, .through = kFootOA, .b = kFootOB, .c = kFootOA,
                   .start = RayC(-0.03f), .end = Fraction(0.03f), .color = kBrightBlue, .centreDot = false});
    WaitForAnyKey(p);

    Ticks(p, kO, kFootOA, {.count = 2, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, kO, kFootOB, {.count = 2, .size = 15, .color = kPurple, .shift = -8.0f});
    WaitForAnyKey(p);

    Segment(p, kP, kFootOB, kBlack);
    WaitForAnyKey(p);

    Ticks(p, kP, kFootOA, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    Ticks(p, kP, kFootOB, {.count = 1, .size = 15, .color = kPurple, .shift = -8.0f});
    WaitForAnyKey(p);

    RightAngle(p, kFootOB, kP, kB, {.shift = -1.0f});
    WaitForAnyKey(p);

    // Screen 1: the property.
    EraseFrame(p);
    DrawBisectorDistanceFigure(p);
    PerpendicularsOfP(p);
    DotAndName(p, kP, "P", kNameOfP);
    NumberedLine(p, "①", kTeal, "角の二等分線上の点から角の2辺までの、", kStatement);
    WriteOn(p, kPurple, "距離は等しい。");
    FurtherPointsThenO(p);

    // Screen 2: the converse, on the bare angle.
    EraseFrame(p);
    NumberedLine(p, "②", kTeal, "角の2辺までの距離が等しい点は、", kStatement);
    DrawAngleAOB(p);
    WaitForAnyKey(p);
    DotAndName(p, kP, "P", kNameOfP);
    PerpendicularsOfP(p);
    FurtherPointsThenO(p);

    Segment(p, kO, kBisectorEnd, kTeal);
    WaitForAnyKey(p);

    AngleDot(p, kO, kFootOB, kP, {.distance = 70});
    AngleDot(p, kO, kP, kFootOA, {.distance = 70});
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

constexpr int kCutOA1 = 6, kCutOA2 = 7, kMirrorOA = 8, kCutOB1 = 9, kCutOB2 = 10, kMirrorOB = 11;

// `from` mirrored in the point `about`.
Pt MirroredIn(Pt from, Pt about) { return Pt{2 * about.x - from.x, 2 * about.y - from.y}; }

}  // namespace

void ShowAngleBisectorAnswer9(Droveny& p) {
    BeginTopic(p, {.itemLeft = 40, .textLeft = 40, .firstLineY = 30});
    Write(p, p.TextLeft, p.TextLineY, kTeal, "問9解答");
    SetUpAngleFrame(p, 100);
    p.Radius2 = 3 * p.CellSize;
    p.Distance = 6 * p.CellSize;
    SetP(p, kBisectorEnd, Along(P(p, kO), p.Distance, p.BisectorAngle));
    SetP(p, kP, Along(P(p, kO), p.Radius2, p.BisectorAngle));
    SetP(p, kFootOA, Foot(p, P(p, kO), P(p, kA), P(p, kP)));
    SetP(p, kFootOB, Foot(p, P(p, kO), P(p, kB), P(p, kP)));
    SetP(p, kCutOA1, Mid(P(p, kO), P(p, kFootOA)));
    SetP(p, kCutOA2, MirroredIn(P(p, kCutOA1), P(p, kFootOA)));
    SetP(p, kMirrorOA, MirroredIn(P(p, kP), P(p, kFootOA)));
    SetP(p, kCutOB1, Mid(P(p, kO), P(p, kFootOB)));
    SetP(p, kCutOB2, MirroredIn(P(p, kCutOB1), P(p, kFootOB)));
    SetP(p, kMirrorOB, MirroredIn(P(p, kP), P(p, kFootOB)));
    DrawBisectorDistanceFigure(p);
    Segment(p, kO, kBisectorEnd, kBlack);   // the bisector drawn over in black
    DotAndName(p, kP, "P", kNameOfP);
    WaitForAnyKey(p);

    // The perpendicular from P to OA: the circle about P cutting OA at 6 and
    // 7, and equal arcs about 6 and 7 meeting at 8.
    CompassArc(p, {.centre = kP, .through = kCutOA1, .b = kCutOA2, .c = kCutOA1,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kGrey});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kCutOA1, .through = kMirrorOA, .b = kCutOA2, .c = kMirrorOA,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kGrey});
    WaitForAnyKey(p);
    // The same opening about 7.
    CompassArc(p, {.centre = kCutOA2, .b = kCutOA1, .c = kMirrorOA,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kGrey});
    WaitForAnyKey(p);
    Segment(p, kP, kMirrorOA, kTeal);
    WaitForAnyKey(p);

    // The perpendicular from P to OB the same way, meeting at 11.
    CompassArc(p, {.centre = kP, .through = kCutOB2, .b = kCutOB1, .c = kCutOB2,
                   .start = RayC(-0.03f), .end = RayB(0.03f), .color = kBrightBlue});
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kCutOB1, .through = kMirrorOB, .b = kMirrorOB, .c = kCutOB2,
                   .start = RayB(-0.05f), .end = RayB(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    // The same opening about 10.
    CompassArc(p, {.centre = kCutOB2, .b = kCutOB1, .c = kMirrorOB,
                   .start = RayC(-0.05f), .end = RayC(0.05f), .color = kBrightBlue});
    WaitForAnyKey(p);
    Segment(p, kP, kMirrorOB, kTeal);
    WaitForAnyKey(p);

    // The circle about P through both feet touches both sides.
    OpenCompass(p, kP, kFootOA);
    Circle(p, P(p, kP), p.Radius, kPurple);
}
