#include "lessons/droveny/construction_steps.h"

using namespace kit;

namespace droveny {

void SetCellPoints(Program& p, std::initializer_list<CellPoint> points) {
    for (const CellPoint& point : points) SetP(p, point.entry, point.cell);
    for (const CellPoint& point : points) CellsToPixels(p, point.entry, point.entry);
}

void EntriesToPixels(Program& p, std::initializer_list<int> entries) {
    for (const int entry : entries) CellsToPixels(p, entry, entry);
}

void Letter(Program& p, int entry, float dx, float dy, const Text& text, float color) {
    LetterAt(p, P(p, entry), dx, dy, text, color);
}

void LetterAt(Program& p, Pt at, float dx, float dy, const Text& text, float color) {
    Label(p, at.x + dx, at.y + dy, color, text);
}

void DotAndName(Program& p, int entry, float dx, float dy, const Text& name) {
    Dot(p, entry, kTeal);
    Letter(p, entry, dx, dy, name);
}

void StretchedSegment(Program& p, int i, int j, float beyond, float color) {
    p.FromPoint = static_cast<float>(i);
    p.ToPoint = static_cast<float>(j);
    Line(p, {p.PointX(i), p.PointY(i) - beyond}, {p.PointX(j), p.PointY(j) + beyond}, color);
}

float RadiusBetween(Program& p, int centre, int other) {
    p.WorkA = static_cast<float>(centre);
    p.WorkC = static_cast<float>(other);
    p.Radius = Distance(P(p, centre), P(p, other));
    return p.Radius;
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

namespace {

float EndFraction(const Program& p, const ArcEnd& end) {
    float f = (end.ray == Ray::B ? p.ArcFractionB : p.ArcFractionC) + end.offset;
    if (end.wrap) {
        if (f > 1) f -= 1;
        if (f < 0) f += 1;
    }
    return f;
}

}  // namespace

ArcSpan DrawCompassArc(Program& p, const CompassStep& step) {
    Dot(p, step.centre, step.color);
    RadiusBetween(p, step.centre, step.through);
    p.WorkA = static_cast<float>(step.centre);
    p.WorkB = static_cast<float>(step.b);
    p.WorkC = static_cast<float>(step.c);
    AngleRange(p, P(p, step.centre), P(p, step.b), P(p, step.c), step.shift);
    const ArcSpan span{EndFraction(p, step.start), EndFraction(p, step.end)};
    Arc(p, P(p, step.centre), p.Radius, step.color, span.start, span.end);
    return span;
}

}  // namespace droveny
