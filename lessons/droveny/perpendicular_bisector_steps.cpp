#include "lessons/droveny/perpendicular_bisector_steps.h"

#include <cmath>

using namespace kit;

namespace droveny {

void DrawSegmentAB(Droveny& p) {
    Segment(p, 1, 2, kBlack);
    DotAndName(p, 1, "A", kNameAbove);
    DotAndName(p, 2, "B", kNameAbove);
}

void TurnFirstFourBy30(Droveny& p, int centre) {
    p.TurnAngle = 30 * p.Pi / 180;
    Count(p.LoopIndex, 1, 4, [&](int k) {
        DirectionOf(p, P(p, centre), P(p, k));
        p.Distance = std::sqrt((p.MarkBX - p.MarkAX) * (p.MarkBX - p.MarkAX) +
                               (p.MarkBY - p.MarkAY) * (p.MarkBY - p.MarkAY));
        SetP(p, k, Along(P(p, centre), p.Distance, p.DirectionAngle - p.TurnAngle));
    });
}

}  // namespace droveny
