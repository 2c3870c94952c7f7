// Cost of the tessellation lesson's full-screen pictures: one tiling screen
// of the hexagon designs (24 tiles, six pieces each) and the patchwork's
// first picture (24 tiles and the marked one, 600 lines).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "lessons/common/kit.h"
#include "lessons/varnel/varnel.h"
#include "platform/runtime.h"
#include "shell/startup.h"

namespace {

struct Run {
    Run() : rt(Runtime::CreateHeadless("")), p(*rt, varnelInfo) { StartUp(p); }
    std::unique_ptr<Runtime> rt;
    Varnel p;
};

// The screen erased and the invisible frame of unit 80 that the tilings use.
void BeginTilingScreen(Varnel& p) {
    EraseScreen(p);
    kit::Grid(p, {.left = 0, .top = 0, .columns = 4, .rows = 4, .cell = 80, .color = kit::kWhite});
    p.LineColor = kit::kBlack;
    p.AccentColor = kit::kBlack;
}

void BM_HexagonTilingScreen(benchmark::State& state) {
    Run run;
    Varnel& p = run.p;
    for (auto _ : state) {
        BeginTilingScreen(p);
        p.TileColor = kit::kBrightBlue;
        DrawHoneycomb(p, DrawHexagonPattern4);
    }
}
BENCHMARK(BM_HexagonTilingScreen)->Unit(benchmark::kMillisecond);

void BM_PatchworkFirstPicture(benchmark::State& state) {
    Run run;
    Varnel& p = run.p;
    for (auto _ : state) {
        BeginTilingScreen(p);
        DrawHoneycomb(p, DrawPatchworkTile);
        p.PointX(0) = 4.5f * std::sqrt(3.0f) * p.CellSize;
        p.PointY(0) = 4.5f * p.CellSize;
        DrawPatchworkTile(p);
    }
}
BENCHMARK(BM_PatchworkFirstPicture)->Unit(benchmark::kMillisecond);

}  // namespace
