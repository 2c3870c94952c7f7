// Cost of a coordinate plane with its numbers and of one plotted curve
// (5001 positions whatever the range).
#include <benchmark/benchmark.h>

#include <memory>

#include "figures/figures.h"
#include "lessons/varnel/varnel.h"
#include "platform/runtime.h"
#include "shell/startup.h"

namespace {

struct Run {
    Run() : rt(Runtime::CreateHeadless()), p(*rt, varnelInfo) { StartUp(p); }
    std::unique_ptr<Runtime> rt;
    Program p;
};

void SetPlane(Program& p) {
    p.GraphXMin = -10;
    p.GraphXMax = 10;
    p.GraphYMin = -8;
    p.GraphYMax = 8;
    p.GraphStepX = 1;
    p.GraphStepY = 1;
    p.CellSize = 30;
    p.GridOriginX = 100;
    p.GridOriginY = 100;
    p.LineColor = 1;
}

void BM_CoordinatePlane(benchmark::State& state) {
    Run run;
    for (auto _ : state) {
        SetPlane(run.p);
        DrawCoordinatePlane(run.p);
    }
}
BENCHMARK(BM_CoordinatePlane);

void BM_ParabolaGraph(benchmark::State& state) {
    Run run;
    Program& p = run.p;
    SetPlane(p);
    DrawCoordinatePlane(p);
    for (auto _ : state) {
        p.GraphType = 2;
        p.GraphCoefA = 0.5f;
        p.AccentColor = 4;
        p.MarkLabel = "y=x^2";
        DrawFunctionGraph(p);
    }
}
BENCHMARK(BM_ParabolaGraph);

}  // namespace
