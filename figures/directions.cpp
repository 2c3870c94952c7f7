// Directions and arc ranges: the direction of a point seen from A, the two
// rays and the bisector of an angle, and the angle's size as text.
#include <cmath>
#include <utility>

#include "figures/figures.h"
#include "platform/numbers.h"
#include "text/wide_text.h"


namespace {

constexpr float kPi = 3.14159f;

// The direction of (x, y) seen from A, in radians counter-clockwise as seen
// from +x. Level points are 0 (right) or Pi (left, and A itself). Pi is a
// little less than the true pi while the arc tangent reaches the true pi/2,
// so directions near +x can stray a hair outside 0..2 Pi.
float DirectionFromA(const Program& p, float x, float y) {
    const float dx = x - p.MarkAX;
    const float dy = y - p.MarkAY;
    if (y > p.MarkAY) return 3 * p.Pi / 2 + std::atan(dx / dy);
    if (y < p.MarkAY) return p.Pi / 2 + std::atan(dx / dy);
    return x > p.MarkAX ? 0.0f : p.Pi;
}

}  // namespace

void ComputeDirectionAngle(Program& p) {
    p.Pi = kPi;
    p.DirectionAngle = DirectionFromA(p, p.MarkBX, p.MarkBY);
    p.AngleDegrees = p.DirectionAngle * 180 / p.Pi;
}

void ComputeAngleArcRange(Program& p) {
    p.Pi = kPi;
    p.DirectionAngle = DirectionFromA(p, p.MarkBX, p.MarkBY);
    p.ArcFractionB = 1 - p.DirectionAngle / (2 * p.Pi);
    p.RayAngleB = p.DirectionAngle;
    p.DirectionAngle = DirectionFromA(p, p.MarkCX, p.MarkCY);
    p.ArcFractionC = 1 - p.DirectionAngle / (2 * p.Pi);
    p.RayAngleC = p.DirectionAngle;
    if (p.MarkShift == -1) {
        std::swap(p.ArcFractionB, p.ArcFractionC);
        std::swap(p.RayAngleB, p.RayAngleC);
    }
    // The plain mean points into the opposite angle when the sweep from the
    // first ray to the second crosses +x; half a turn brings it round.
    p.BisectorAngle = (p.RayAngleB + p.RayAngleC) / 2;
    if (p.RayAngleB > p.RayAngleC) p.BisectorAngle = p.BisectorAngle + p.Pi;
}

void FormatAngleDegrees(Program& p) {
    ComputeAngleArcRange(p);
    if (p.RayAngleB > p.RayAngleC) p.RayAngleC = p.RayAngleC + 2 * p.Pi;
    p.BisectorAngle = p.RayAngleC - p.RayAngleB;
    p.AngleDegrees = p.BisectorAngle * 180 / p.Pi;
    // Rounded to the nearest tenth (the old cut to a tenth showed 45 degrees,
    // computed as 44.99996, as "44.9").
    p.TextArg = RtStrDouble(RtCInt(p.AngleDegrees * 10) / 10.0);
    StripSpaces(p);
    p.AngleText = p.TextArg;
}
