// The regular hexagon cut into twelve triangles, on which the rotation and
// the reflection lessons pose their opening questions.
//
// Point table (PointX/PointY, pixels): point 0 the centre, at grid cell
// (5, 5) of the current frame; points 1 to 6 the corners, 4 cells from the
// centre in the directions 150, 210, 270, 330, 30 and 90 degrees; points 7 to
// 12 the middles of the spokes to corners 1 to 6 (2 cells out). Each of the
// six equilateral triangles between two spokes is cut again by the line from
// corner i to the middle of the spoke before it (point i + 5, point 12 for
// i = 1), so the pattern goes into itself under every turn of 60 degrees.
#pragma once

#include "core/program.h"

// Points 0 to 12 of PointX/PointY, PointAngle(1..6) (the corners' directions
// in radians), Radius (4 cells) and Radius2 (2 cells), from CellSize,
// OriginX, OriginY and Pi. Sets the pen width to 7 and leaves it so;
// LoopIndex is overwritten.
void BuildHexagonTriangles(Program& p);

// The pattern of points 0 to 12 in colour 0 at the pen width in force:
// the hexagon, the spokes and the cuts, triangle ウ (points 1, 0, 12) and
// triangle エ (points 3, 0, 8) filled in colour 13, and the labels ウ, A, B,
// C and エ. Erases nothing. Overwrites WorkA to WorkF, ToPoint, LoopIndex and
// the text pen; leaves PenColor 3.
void DrawHexagonTriangles(Program& p);

// The labels A' (at point 3) and C' (at point 8) in colour 3; leaves
// PenColor 3.
void LabelHexagonTriangles(Program& p);
