// Cells of Varnel's lessons that the shared library does not use.
//
// Several of them (ItemLeft, Radius, Radius2, FromPoint, InnerIndex, WorkC to
// WorkF) carry the same names in the other programs' lessons; whoever moves a
// lesson of another program in must share them, not define them again.
#pragma once

#include "platform/text.h"

struct VarnelVars {
    // Left margin of the item numbers and circled step digits of a topic.
    float ItemLeft = 0;
    // Point numbers of the segment being drawn, and of a polyline.
    float FromPoint = 0;
    float WorkC = 0, WorkE = 0, WorkF = 0;
    // Counter of the lessons' loops that call library routines (which count
    // in LoopIndex themselves).
    float InnerIndex = 0;
    // Lengths of the figures: circle and compass radii, the set squares'
    // sides, the length of a segment being copied.
    float Radius = 0, Radius2 = 0, SegmentLength = 0;
    // Turns of the two set squares (radians, counter-clockwise on the screen):
    // the long leg of the 30-60-90 one, the hypotenuse of the 45-degree one.
    float SetSquareAngle = 0, FortyFiveSetSquareAngle = 0;
    // The y part of one slide step of the translation topic (the x part is
    // Seg2X2).
    float SlideStepY = 0;
};
