#include "lessons/droveny/construction_steps.h"

using namespace kit;

namespace droveny {

void StretchedSegment(Program& p, int i, int j, float beyond, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Line(p, {p.PointX(i), p.PointY(i) - beyond}, {p.PointX(j), p.PointY(j) + beyond}, color);
}

}  // namespace droveny
