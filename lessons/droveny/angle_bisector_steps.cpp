#include "lessons/droveny/angle_bisector_steps.h"

#include <cmath>

using namespace kit;

namespace droveny {

void PlaceAboutVertex(Droveny& p, int entry, float radius, float degrees) {
    p.Radius = radius;
    p.PointAngle(1) = degrees * p.Pi / 180;
    SetP(p, entry, Along(P(p, 0), p.Radius, p.PointAngle(1)));
}

void NameAngleAOB(Droveny& p) {
    Letter(p, 0, -32, -25, "O");
    Letter(p, 1, 8, -25, "A");
    Letter(p, 2, 8, -25, "B");
}

void DrawAngleAOB(Droveny& p) {
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 2, kBlack);
    NameAngleAOB(p);
}

void EqualAngleDisc(Droveny& p, int vertex, int b, int c, float size) {
    p.MarkSize = size;
    CompassRange(p, vertex, b, c);
    p.PenY = p.MarkAY - p.MarkSize * std::sin(p.BisectorAngle);
    p.PenX = p.MarkAX + p.MarkSize * std::cos(p.BisectorAngle);
    Disc(p, {p.PenX, p.PenY}, 8, kPurple);
}

void CompassRange(Droveny& p, int centre, int b, int c) {
    p.WorkA = static_cast<float>(centre);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    AngleRange(p, P(p, centre), P(p, b), P(p, c), 1);
}

void NumberedLine(Droveny& p, const Text& mark, float markColor, const Text& sentence, float color) {
    Write(p, p.TextLeft, p.TextLineY + 50, markColor, mark);
    Write(p, p.TextEndX + 10, p.TextLineY, color, sentence);
}

void KeptRadiusArc(Droveny& p, int centre, int b, int c, float color, float half) {
    Dot(p, centre, color);
    CompassRange(p, centre, b, c);
    Arc(p, P(p, centre), p.Radius, color, p.ArcFractionC - half, p.ArcFractionC + half);
}

}  // namespace droveny
