#include "lessons/common/fold_step.h"

#include "lessons/common/kit.h"

using namespace kit;

void StepFoldAngleByKey(Program& p) {
    AskAnimationStep(p, p.GridLeft, p.GridTop, p.GridRight, p.GridBottom);
    AdvanceFoldAngle(p, 180, 360);
}

void AdvanceFoldAngle(Program& p, float low, float high) {
    if (AnimationRuns(p)) p.ArcAngle = p.ArcAngle + 10;
    if (p.ArcAngle > high) p.ArcAngle = low;
}
