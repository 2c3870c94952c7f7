// School set squares laid on a figure; shared by the translation and the
// rotation lessons.
//
// Each is an opaque triangle in colour 14 with a triangular hole (painted in
// the background colour) whose sides lie one CellSize inside the outer sides;
// all edges in colour 0 at the pen width in force. Sizes are in CellSize.
// Both routines use PointX2/PointY2 1 to 12 as working points and leave
// Radius, Radius2, the mark points, DirectionAngle, the segment cells and
// CrossX/CrossY changed.
#pragma once

#include "lessons/varnel/varnel.h"

// 45-45-90: corner (a 45-degree vertex) in PointX2(31), PointY2(31); the
// hypotenuse (7 cells) leaves it in the direction FortyFiveSetSquareAngle; the
// right angle lies 45 degrees clockwise (on the screen) of the hypotenuse.
void DrawFortyFiveSetSquare(Varnel& p);
// 30-60-90: the right angle in PointX2(32), PointY2(32); the long leg (7
// cells) leaves it in the direction SetSquareAngle, the short leg (7/sqrt 3
// cells) 90 degrees clockwise of it. SegmentLength is left at the long leg.
void DrawThirtySixtySetSquare(Varnel& p);
