#include "lessons/pemmick/steps.h"

#include <cmath>

#include "platform/errors.h"

using namespace kit;

namespace pemmick {

void CirclesCrossing(Pemmick& p, Pt a, int upper, int lower) {
    const float d = p.GraphCoefA, rB = p.GraphCoefB, rA = p.GraphCoefC;
    const float cosAlpha = Div(d * d + rA * rA - rB * rB, 2 * d * rA);
    const float sinAlpha = std::sqrt(1 - cosAlpha * cosAlpha);
    SetP(p, upper, {a.x + rA * cosAlpha, a.y - rA * sinAlpha});
    SetP(p, lower, {a.x + rA * cosAlpha, a.y + rA * sinAlpha});
}

}  // namespace pemmick
