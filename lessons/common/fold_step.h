// The key step of a fold animation: a moving point swings over a half-ellipse
// (PointOnArcOverSegment) whose parameter ArcAngle runs 180, 190, ... 360 in
// degrees, one step a key, and starts again at 180 after 360.
//
// Run by Droveny's folds. (Varnel's folds run on the kit's Animate, with
// ArcAngle as the animation's counter, which steps it the same way.)
#pragma once

#include "core/program.h"

// Shows "１で次のステップ。他のキーで動かす。" and reads a key. The digit 1
// stops the fold (EntryValue := 1) and erases nothing; any other key erases
// the frame rectangle (GridLeft, GridTop)-(GridRight, GridBottom) and turns
// ArcAngle 10 further, back to 180 once it passes 360. The caller places the
// moving point for ArcAngle next and tests EntryValue at the head of its loop.
void StepFoldAngleByKey(Program& p);

// ArcAngle 10 further unless the fold stopped (EntryValue 1); above `high`
// it starts again at `low`. The step of StepFoldAngleByKey.
void AdvanceFoldAngle(Program& p, float low, float high);
