// Small steps that Quillet's construction topics repeat: dots, compass
// openings and arcs, polar points, taken from the point tables.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

namespace quillet {

// A dot (radius 6) on point i: where the compass is set, or a found point.
inline void Dot(Quillet& p, int i, float color) { kit::Disc(p, kit::P(p, i), 6, color); }

// The arc range of the angle at point a between the rays to points b and c,
// the rays kept in place (MarkShift 1); WorkA..WorkC name the points.
inline void Range(Quillet& p, int a, int b, int c) {
    p.WorkA = static_cast<float>(a);
    p.WorkB = static_cast<float>(b);
    p.WorkC = static_cast<float>(c);
    kit::AngleRange(p, kit::P(p, a), kit::P(p, b), kit::P(p, c), 1);
}

// Radius := the distance between points i and j (the compass opened on them).
inline void OpenCompass(Quillet& p, int i, int j) {
    p.WorkA = static_cast<float>(i);
    p.WorkC = static_cast<float>(j);
    p.Radius = kit::Distance(kit::P(p, i), kit::P(p, j));
}

// The arc of radius Radius about point `centre` from fraction `start` to
// `end` (clockwise; across 1 to 0 when end is smaller).
inline void CompassArc(Quillet& p, int centre, float color, float start, float end) {
    kit::Arc(p, kit::P(p, centre), p.Radius, color, start, end);
}

// Point k := `cells` cells from point 0 in the direction `degrees`.
inline void Polar(Quillet& p, int k, float cells, float degrees) {
    kit::SetP(p, k, kit::Along(kit::P(p, 0), cells * p.CellSize, degrees * p.Pi / 180));
}

// The label "O" of point 0, 14 px left of it and 10 px below, in colour 3.
inline void LabelO(Quillet& p) { kit::Label(p, p.PointX(0) - 14, p.PointY(0) + 10, kit::kTeal, "O"); }

}  // namespace quillet
