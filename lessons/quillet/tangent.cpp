// Topic 1 of the lesson on various constructions: a vertical line steps
// across circle O one key at a time, bouncing between the centre and three
// positions outside the circle, until "1" shows it at rest as the tangent.
#include <cmath>

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

using namespace kit;

namespace {

// The x of the moving line at position `at` (0..9).
float SlideX(Quillet& p, int at) { return p.PointX(11 + at); }

// The vertical line at x from the top end (point 1's y) to the bottom end
// (point 2's y).
void VerticalLine(Quillet& p, float x) { Line(p, {x, p.PointY(1)}, {x, p.PointY(2)}, kBlack); }

// The right-angle mark at the foot of the line at x on the base line, between
// the line (upward) and the ray to O.
void RightAngleAtFoot(Quillet& p, float x) {
    RightAngle(p, {x, p.PointY(0)}, {x, p.PointY(1)}, P(p, 0), {.size = 20, .shift = 1.0f});
}

}  // namespace

void DrawTangentBaseFigure(Quillet& p) {
    DotAndName(p, 0, "O", {.dx = -30, .dy = 10});
    Circle(p, P(p, 0), p.Radius, kBlack);
    Segment(p, 3, 4, kBlack);
}

void DrawTangentSlidePicture(Quillet& p) {
    const int at = static_cast<int>(p.SlidePosition);
    DrawTangentBaseFigure(p);
    VerticalLine(p, SlideX(p, at));
    RightAngleAtFoot(p, SlideX(p, at));
    if (at < 7) {
        Dot(p, 11 + at, kTeal);
        Dot(p, 21 + at, kTeal);
    }
}

void StepTangentSlide(Quillet& p) {
    p.SlidePosition = p.SlidePosition + p.SlideDirection;
    if (p.SlidePosition > 9) {
        p.SlidePosition = 9;
        p.SlideDirection = -1;
    } else if (p.SlidePosition < 0) {
        p.SlidePosition = 0;
        p.SlideDirection = 1;
    }
}

void ShowCircleTangent(Quillet& p) {
    BeginTopic(p);
    Grid(p, {.left = 720, .top = 100, .columns = 9, .rows = 8, .cell = 50});
    SetCells(p, 0, {{3, 4}, {3, 8}, {3, 0}, {2, 4}, {8, 4}});
    p.PointY(1) = p.PointY(1) + 8;   // the ends of every vertical line, just inside the frame
    p.PointY(2) = p.PointY(2) - 8;
    p.Radius = 3 * p.CellSize;
    // The cuts of the line with the circle at positions 0 to 6 (point 17 is
    // the point of tangency T), and the x of positions 7 to 9 outside it.
    Count(p.LoopIndex, 0, 6, [&](int i) {
        p.PointAngle(i) = static_cast<float>(90 - 15 * i) * p.Pi / 180;
        p.PointX(11 + i) = p.PointX(0) + p.Radius * std::cos(p.PointAngle(i));
        p.PointY(11 + i) = p.PointY(0) - p.Radius * std::sin(p.PointAngle(i));
        p.PointX(21 + i) = p.PointX(0) + p.Radius * std::cos(p.PointAngle(i));
        p.PointY(21 + i) = p.PointY(0) + p.Radius * std::sin(p.PointAngle(i));
    });
    Count(p.LoopIndex, 18, 20,
          [&](int n) { p.PointX(n) = p.PointX(17) + static_cast<float>(n - 17) * p.CellSize / 2; });
    Write(p, p.TextLeft, p.TextLineY, kPurple, "<円の接線>");
    DrawTangentBaseFigure(p);
    WaitForAnyKey(p);

    // The line steps on with every key but "1", which stops it; each key but
    // "1" empties the frame (the title above it stays).
    p.SlidePosition = 0;
    p.SlideDirection = 1;
    Animate(p, {.erase = FrameArea(p)}, [&] { DrawTangentSlidePicture(p); }, [&] { StepTangentSlide(p); });

    // At rest: the tangent at T, perpendicular to the radius OT.
    EraseFrame(p);
    DrawTangentBaseFigure(p);
    VerticalLine(p, p.PointX(17));
    Dot(p, 17, kTeal);
    // The right angle at T between the tangent (up, along no point of the
    // tables) and TO: the cells name T, the tangent through T, and O.
    p.IndexA = 17;
    p.IndexB = 17;
    p.IndexC = 0;
    RightAngle(p, P(p, 17), {p.PointX(17), p.PointY(1)}, P(p, 0), {.size = 20, .shift = 1.0f});
    WaitForAnyKey(p);

    NextLine(p, kTeal, "① 直線が円に");
    WriteOn(p, kPurple, "接する");
    IndentedLine(p, kBlack, "円と直線が1点だけで出会うとき", 60);
    WaitForAnyKey(p);
    NextLine(p, kTeal, "② ");
    WriteOn(p, kPurple, "接線");
    WriteOn(p, kBlack, "…この直線");
    Label(p, p.PointX(17) + 10, p.PointY(1), kPurple, "接線");
    WaitForAnyKey(p);
    NextLine(p, kTeal, "③ ");
    WriteOn(p, kPurple, "接点");
    WriteOn(p, kBlack, "…接する点");
    Name(p, 17, "接点", {.dx = 10, .dy = 10, .color = kPurple});
    WaitForAnyKey(p);
    NextLine(p, kTeal, "④ 円の接線の性質", 150);
    IndentedLine(p, kPurple, "円の接線は、接点を通る半径に垂直である。", 50);
    WaitForAnyKey(p);
    NextLine(p, kGrey, "教科書P175 問1 をやろう。", 70);
}
