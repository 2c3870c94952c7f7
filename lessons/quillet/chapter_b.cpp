// Chapter problems B of page 185, problem 1 (angle AOC = angle BOD in two
// figures).
#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

namespace {

// The rays of one figure of problem 1: their directions in degrees and the
// length of each (Radius or Radius2).
struct Ray {
    float degrees;
    float length;
};

// One figure: the frame at (left, top), 6 by 6 cells of 50 px, O in cell
// (cx, cy), A to D (points 1 to 4) along their rays, the figure's number at
// the frame's corner, the segments from O and the letters.
void DrawRays(Quillet& p, float left, float top, Pt oCell, const Text& number, const Ray (&rays)[4]) {
    Grid(p, {.left = left, .top = top, .columns = 6, .rows = 6, .cell = 50});
    SetCells(p, 0, {oCell});
    for (int i = 1; i <= 4; ++i) {
        const Ray& ray = rays[i - 1];
        SetP(p, i, Along(P(p, 0), ray.length, ray.degrees * p.Pi / 180));
    }
    Label(p, p.GridLeft, p.GridTop, kTeal, number);
    for (int i = 1; i <= 4; ++i) Segment(p, 0, i, kBlack);
    Name(p, 0, "O", {.dx = -40, .dy = 0, .color = kBlack});
    Name(p, 1, "A", {.dx = -14, .dy = 10, .color = kBlack});
    Name(p, 2, "B", {.dx = 10, .dy = -25, .color = kBlack});
    Name(p, 3, "C", {.dx = -30, .dy = 10, .color = kBlack});
    Name(p, 4, "D", {.dx = -35, .dy = -30, .color = kBlack});
}

// The right-angle corner at O between the rays to points b and c.
void RightAngleAtO(Quillet& p, int b, int c, float size) { RightAngle(p, P(p, 0), P(p, b), P(p, c), {.size = size, .shift = 1}); }

// The filled sector of angle BOC: from ray OC counterclockwise to ray OB, or
// with `shift` -1 from OB to OC.
void SectorBOC(Quillet& p, float size, float shift) {
    AngleMark(p, 0, 3, 2,
              {.size = size, .arcs = 0, .color = kBlack, .fill = kGrey, .label = "", .shift = shift});
}

// The reasoning for one figure: two equations, "したがって" and the result.
void Reasoning(Quillet& p, const Text& number, const Text& aoc, const Text& aocValue, const Text& bod,
               const Text& bodValue) {
    const float valueX = p.TextLeft + 81 + 34;
    Write(p, p.ItemLeft, p.TextLineY + 70, kTeal, number);
    Write(p, p.TextLeft, p.TextLineY, kBlack, aoc);
    Write(p, valueX, p.TextLineY + 50, kBlack, aocValue);
    NextLine(p, kBlack, bod);
    Write(p, valueX, p.TextLineY + 50, kBlack, bodValue);
    NextLine(p, kBlack, "したがって ");
    WriteOn(p, kTeal, "∠AOC=∠BOD");
}

}  // namespace

void ShowChapterBProblem1(Quillet& p) {
    BeginTopic(p, {.textLeft = 121, .penWidth = 3});
    ChapterTitle(p, kChapterBTitle, "1");
    PenWidth(p, 5);

    // (1): the right angles on either side of angle BOC.
    p.Radius = 3 * 50;
    DrawRays(p, 640, 30, {3, 3}, "(1)",
             {{150, p.Radius}, {60, p.Radius}, {0, p.Radius}, {270, p.Radius}});
    RightAngleAtO(p, 2, 1, 40);
    RightAngleAtO(p, 4, 3, 40);
    SectorBOC(p, 60, 1);

    // (2): the right angles overlapping in angle BOC.
    p.Radius = 4 * 50;
    p.Radius2 = 3 * 50;
    DrawRays(p, 840, p.GridBottom, {1, 3}, "(2)",
             {{60, p.Radius2}, {-30, p.Radius}, {0, p.Radius}, {270, p.Radius2}});
    SectorBOC(p, 80, -1);
    RightAngleAtO(p, 2, 1, 40);
    RightAngleAtO(p, 4, 3, 50);
    WaitForAnyKey(p);

    Reasoning(p, "(1)", "∠AOC=∠AOB+∠BOC", "=90%+∠BOC", "∠BOD=∠BOC+∠COD", "=∠BOC+90%");
    WaitForAnyKey(p);

    Reasoning(p, "(2)", "∠AOC=∠AOB-∠BOC", "=90%-∠BOC", "∠BOD=∠COD-∠BOC", "=90%-∠BOC");
}
