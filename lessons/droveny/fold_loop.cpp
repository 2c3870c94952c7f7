#include "lessons/droveny/fold_loop.h"

#include "lessons/common/kit.h"

using namespace kit;

namespace droveny {

void RunSheetFold(Droveny& p, const SheetFold& fold) {
    SetP2(p, 1, P(p, fold.corner));
    const AnimationCounter foldAngle{.cell = &p.ArcAngle, .from = 180, .by = 10, .upTo = 360, .backTo = 180};
    Animate(
        p, {.erase = FrameArea(p), .counter = foldAngle},
        [&] {
            fold.drawFrame(p);
            DrawSheetFoldPath(p, fold);
        },
        [&] { ContinueSheetFold(p, fold); });
}

void ContinueSheetFold(Droveny& p, const SheetFold& fold) {
    p.ArcSide = 1;
    SetP2(p, 1, PointOnArc(p, P(p, fold.corner), P(p, fold.target), p.ArcAngle, 30));
}

void DrawSheetFoldPath(Droveny& p, const SheetFold& fold) {
    if (p.ArcAngle == 180) return;
    DottedArc(p, fold.corner, fold.target,
              {.side = 1, .bulge = 30, .step = 3, .sweep = p.ArcAngle - 180, .color = kGrey, .label = ""});
}

}  // namespace droveny
