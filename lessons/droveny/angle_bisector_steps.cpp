#include "lessons/droveny/angle_bisector_steps.h"

using namespace kit;

namespace droveny {

void PlaceAboutVertex(Droveny& p, int entry, float radius, float degrees) {
    p.Radius = radius;
    p.PointAngle(1) = degrees * p.Pi / 180;
    SetP(p, entry, Along(P(p, 0), p.Radius, p.PointAngle(1)));
}

void NameAngleAOB(Droveny& p) {
    Name(p, 0, "O", {.dx = -32, .dy = -25});
    Name(p, 1, "A", {.dx = 8, .dy = -25});
    Name(p, 2, "B", {.dx = 8, .dy = -25});
}

void DrawAngleAOB(Droveny& p) {
    Segment(p, 0, 1, kBlack);
    Segment(p, 0, 2, kBlack);
    NameAngleAOB(p);
}

}  // namespace droveny
