#include "lessons/droveny/construction_steps.h"

using namespace kit;

namespace droveny {

void StretchedSegment(Program& p, int i, int j, float beyond, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Line(p, {p.PointX(i), p.PointY(i) - beyond}, {p.PointX(j), p.PointY(j) + beyond}, color);
}

void TicksBetween(Program& p, int i, int j, int count, float size, float color, float shift) {
    p.WorkA = static_cast<float>(i);
    p.WorkB = static_cast<float>(j);
    Ticks(p, P(p, i), P(p, j), {.count = count, .size = size, .color = color, .spacing = 8.0f, .shift = shift});
}

void RightAngleAt(Droveny& p, int vertex, int b, int c, float size, float shift) {
    p.IndexA = static_cast<float>(vertex);
    p.IndexB = static_cast<float>(b);
    p.IndexC = static_cast<float>(c);
    RightAngle(p, P(p, vertex), P(p, b), P(p, c), {.size = size, .shift = shift});
}

}  // namespace droveny
