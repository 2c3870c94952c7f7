// Points of Quillet's figures given about point 0 by distance and direction.
#pragma once

#include "lessons/common/kit.h"
#include "lessons/quillet/quillet.h"

namespace quillet {

// Point k := `cells` cells from point 0 in the direction `degrees`.
inline void Polar(Quillet& p, int k, float cells, float degrees) {
    kit::SetP(p, k, kit::Along(kit::P(p, 0), cells * p.CellSize, degrees * p.Pi / 180));
}

}  // namespace quillet
