// Cells of Varnel's lessons that neither the shared library nor the other
// programs' lessons use (the lesson cells every program shares are in
// CommonVars).
#pragma once

#include "platform/text.h"

struct VarnelVars {
    // The length of a segment being copied (the long leg of a set square).
    float SegmentLength = 0;
    // Turns of the two set squares (radians, counter-clockwise on the screen):
    // the long leg of the 30-60-90 one, the hypotenuse of the 45-degree one.
    float SetSquareAngle = 0, FortyFiveSetSquareAngle = 0;
    // The y part of one slide step of the translation topic (the x part is
    // Seg2X2).
    float SlideStepY = 0;
    // ---- Tessellation and basic-terms lessons ----
    // Row and tile counters of the tilings (the tile routines count in
    // LoopIndex), and the fill colour of the tile pieces.
    float LoopIndex3 = 0;
    float TileColor = 0;
    // Net arrow-key presses of the rotation figure since its set-up: each →
    // (a clockwise step) counts +1, each ← -1. The image is placed from it,
    // and whole turns are decided on it.
    int RotationPresses = 0;
};
