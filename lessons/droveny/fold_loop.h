// The key-stepped fold of a sheet, run by both of Droveny's fold topics (the
// square folded until A lies on B, the angle folded until OA lies on OB).
//
// A corner of the sheet swings over the half-ellipse from its own point to
// the point it is folded onto, 30 px across, one 10-degree step of ArcAngle
// per key (180 unfolded, 360 folded, then 180 again); the digit 1 ends the
// fold at whatever angle it stands. Each frame redraws the topic's own
// figure with the moving corner, then the dotted path of the corner so far.
#pragma once

#include "lessons/droveny/droveny.h"

namespace droveny {

// One fold: the point-table entries of the moving corner and of the point it
// lands on, and the topic's figure of one frame. The figure reads ArcAngle
// and the moving corner in PointX2(1), PointY2(1).
struct SheetFold {
    int corner = 1;
    int target = 2;
    void (*drawFrame)(Droveny& p) = nullptr;
};

// The fold loop, the kit's Animate: starts with EntryValue 5 (folding),
// ArcAngle 180 and the corner unmoved; each frame draws the figure, the
// dotted path of the corner (colour 7, a dot every 3 degrees from 180 up to
// ArcAngle) once it has left its start, then asks for a key (every key but 1
// erases the grid frame and turns ArcAngle 10 further, back to 180 past 360)
// and places the corner for the new angle. Returns after the key 1 with
// EntryValue 1 and ArcAngle, PointX2(1), PointY2(1) where the fold stopped;
// the first frame is drawn over the picture as it stands.
void RunSheetFold(Droveny& p, const SheetFold& fold);

// The last step of a frame: the moving corner for the current ArcAngle,
// PointX2(1), PointY2(1) := the point of the half-ellipse over corner-target
// (ArcSide 1, ArcBulge 30). Leaves TipX, TipY there and MarkBX, MarkBY moved.
void ContinueSheetFold(Droveny& p, const SheetFold& fold);

// The dotted path of the corner from its start up to ArcAngle: nothing at
// 180, else floor((ArcAngle - 180) / 3) + 1 dots of radius 0.5 in colour 7.
// Leaves MarkSize, MarkShift, ArcSweep 0 and MarkLabel empty.
void DrawSheetFoldPath(Droveny& p, const SheetFold& fold);

}  // namespace droveny
