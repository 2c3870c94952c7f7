// Lesson 2, topics 4 to 7: construction tasks on a line l (the kite ASBP,
// the two points of l at one distance from P, the point S with AS = BS on
// the far side of l) and the upright kite, a model and its construction.
#include <optional>

#include "lessons/common/kit.h"
#include "lessons/pemmick/pemmick.h"

using namespace kit;

namespace {

// The points of every task: A, B, P, S and the ends of l.
constexpr int kA = 1, kB = 2, kP = 3, kS = 4, kLeftEnd = 6, kRightEnd = 7;

// A step's number in teal at the column's left edge, its sentence after it.
constexpr NumberStyle kStepNumber{.numberColor = kTeal};

// A point's name: above right of its dot, in teal; A and B, which stand on l,
// have theirs above the line. A point a task finds is named in purple.
constexpr NameStyle kNameOnL{.dx = -14, .dy = -50};
constexpr NameStyle kFound{.color = kPurple};
constexpr NameStyle kFoundOnL{.dx = -14, .dy = -50, .color = kPurple};

// A task's figure: its invisible frame, and its points in grid cells. Line l
// runs along A's row from -0.5 to `lRight`; a task without S leaves it out.
struct TaskFigure {
    GridFrame frame;
    Pt a, b, p;
    std::optional<Pt> s;
    float lRight = 0;
};

// The figure's frame, then its points written in cells and turned into pixels
// (a second visit starts again from the cells). Only the points written here
// are converted, so an entry the task does not use never grows from visit to
// visit.
void SetTaskPoints(Pemmick& p, const TaskFigure& f) {
    Grid(p, f.frame);
    const Pt lLeft{-0.5f, f.a.y}, lRight{f.lRight, f.a.y};
    if (f.s)
        SetCells(p, {{kA, f.a}, {kB, f.b}, {kP, f.p}, {kS, *f.s}, {kLeftEnd, lLeft}, {kRightEnd, lRight}});
    else
        SetCells(p, {{kA, f.a}, {kB, f.b}, {kP, f.p}, {kLeftEnd, lLeft}, {kRightEnd, lRight}});
}

// Line l in colour 0 and its name, the pen `dx` right of its left end and
// 50 px above it.
void LineL(Pemmick& p, float dx) {
    Segment(p, kLeftEnd, kRightEnd, kBlack);
    Name(p, kLeftEnd, "l", {.dx = dx, .dy = -50});
}

// The kite A-S-B-P, unlabelled.
void KiteASBP(Pemmick& p, float color) {
    Polygon(p, {P(p, kA), P(p, kS), P(p, kB), P(p, kP)},
            {.width = 5, .color = color, .distance = 10, .labels = "", .labelColor = kBlack});
}

}  // namespace

// ---- Task 1: the kite ASBP ------------------------------------------------------

void ShowKiteConstruction(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "課1 ");
    WriteOn(p, kBlack, "直線l上に2点A,Bをとるとき、たこ形ASBPをかきなさい。");
    SetTaskPoints(p, {.frame = {.left = 400, .top = 300, .columns = 9, .rows = 5, .cell = 60},
                      .a = {1, 3}, .b = {8, 3}, .p = {5, 5}, .s = Pt{5, 1}, .lRight = 9.5f});
    LineL(p, 10);

    DotAndName(p, kP, "P");
    WaitForAnyKey(p);
    DotAndName(p, kA, "A", kNameOnL);
    DotAndName(p, kB, "B", kNameOnL);
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "AP=AS だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Aを中心として、半径APの円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kA, .through = kP, .b = kS, .c = kP, .color = kGrey});
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "BP=BS だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Bを中心として、半径BPの円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kB, .through = kS, .b = kP, .c = kS, .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③");
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "交点をSとして、たこ形ASBPをかく。");
    DotAndName(p, kS, "S");
    WaitForAnyKey(p);
    KiteASBP(p, kPurple);
}

// ---- Task 2: the two points of l at one distance from P -----------------------------

void ShowTwoEquidistantPoints(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "課2 ");
    WriteOn(p, kBlack, "PA=PB となる直線l上の2点A,Bをかきなさい。");
    SetTaskPoints(p, {.frame = {.left = 800, .top = 150, .columns = 6, .rows = 7, .cell = 60},
                      .a = {1, 3}, .b = {5, 3}, .p = {3, 6}, .lRight = 6.5f});
    LineL(p, 10);

    DotAndName(p, kP, "P");
    WaitForAnyKey(p);
    NumberedLine(p, "①", kBlack, "PA=PB だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Pを中心として、");
    IndentedLine(p, kTeal, "適当な半径の円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kP, .through = kA, .b = kB, .c = kA, .shift = -1, .color = kGrey});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "②交点をA,Bとする。");
    DotAndName(p, kA, "A", kFoundOnL);
    DotAndName(p, kB, "B", kFoundOnL);
}

// ---- Task 3: the point S with AS = BS on the far side of l from P -------------------

void ShowOneEquidistantPoint(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "課3 ");
    WriteOn(p, kBlack, "AS=BS となる点Sを直線lについて、点Pと反対側にかきなさい。");
    SetTaskPoints(p, {.frame = {.left = 800, .top = 150, .columns = 6, .rows = 7, .cell = 60},
                      .a = {1, 3}, .b = {5, 3}, .p = {3, 6}, .s = Pt{3, 1}, .lRight = 6.5f});
    LineL(p, 10);

    DotAndName(p, kP, "P");
    DotAndName(p, kA, "A", kNameOnL);
    DotAndName(p, kB, "B", kNameOnL);
    WaitForAnyKey(p);
    NumberedLine(p, "①", kTeal, "Aを中心として、", kStepNumber);
    IndentedLine(p, kTeal, "適当な半径の円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kA, .through = kS, .b = kP, .c = kS, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kGrey});
    WaitForAnyKey(p);

    NumberedLine(p, "②", kBlack, "AS=BS だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Bを中心として、");
    IndentedLine(p, kTeal, "①と等しい半径の円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kB, .through = kS, .b = kP, .c = kS, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "③交点をSとする。");
    DotAndName(p, kS, "S", kFound);
}

// ---- Topic 7: the upright kite -----------------------------------------------------

void ShowVerticalKite(Pemmick& p) {
    BeginTopic(p);
    Write(p, p.TextLeft, p.TextLineY, kTeal, "課3 ");
    WriteOn(p, kBlack, "下図のようなたこ形PASBをかきなさい。");

    // The model: l, the four points, the kite and its equal sides.
    SetTaskPoints(p, {.frame = {.left = 400, .top = 350, .columns = 6, .rows = 7, .cell = 45},
                      .a = {1, 3}, .b = {5, 3}, .p = {3, 6}, .s = Pt{3, 1}, .lRight = 6.5f});
    LineL(p, -10);  // the model's name of l stands left of its end
    DotAndName(p, kP, "P");
    DotAndName(p, kA, "A", kNameOnL);
    DotAndName(p, kB, "B", kNameOnL);
    DotAndName(p, kS, "S");
    KiteASBP(p, kBlack);
    const TickStyle one{.count = 1, .size = 12, .color = kGrey, .spacing = 8, .shift = -8};
    const TickStyle two{.count = 2, .size = 12, .color = kGrey, .spacing = 8, .shift = -8};
    Ticks(p, P(p, kS), P(p, kA), one);
    Ticks(p, P(p, kS), P(p, kB), one);
    Ticks(p, P(p, kP), P(p, kA), two);
    Ticks(p, P(p, kP), P(p, kB), two);

    // The construction, from the same cells on a larger frame.
    SetTaskPoints(p, {.frame = {.left = 800, .top = 150, .columns = 6, .rows = 7, .cell = 60},
                      .a = {1, 3}, .b = {5, 3}, .p = {3, 6}, .s = Pt{3, 1}, .lRight = 6.5f});
    LineL(p, 10);
    DotAndName(p, kP, "P");
    WaitForAnyKey(p);

    NumberedLine(p, "①", kBlack, "PA=PB だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Pを中心として、適当な半径の円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kP, .through = kA, .b = kB, .c = kA, .shift = -1, .color = kGrey});
    WaitForAnyKey(p);
    NextLine(p, kTeal, "②交点をA,Bとする。");
    DotAndName(p, kA, "A", kNameOnL);
    DotAndName(p, kB, "B", kNameOnL);
    WaitForAnyKey(p);

    NumberedLine(p, "③", kTeal, "Aを中心として、適当な半径の円をかく。", kStepNumber);
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kA, .through = kS, .b = kP, .c = kS, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kBrightBlue});
    WaitForAnyKey(p);
    NumberedLine(p, "④", kBlack, "AS=BS だから ", kStepNumber);
    WaitForAnyKey(p);
    WriteOn(p, kTeal, "Bを中心として、");
    IndentedLine(p, kTeal, "③と等しい半径の円をかく。");
    WaitForAnyKey(p);
    CompassArc(p, {.centre = kB, .through = kS, .b = kP, .c = kS, .shift = -1,
                   .start = RayB(-0.1f), .end = RayB(0.1f), .color = kBrightBlue});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "⑤交点をSとして、");
    IndentedLine(p, kTeal, "たこ形ASBPをかく。");
    DotAndName(p, kS, "S");
    WaitForAnyKey(p);
    KiteASBP(p, kPurple);
}
