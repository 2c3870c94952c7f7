// Cost of the translation lesson's redraws: one step of the slide in topic 2
// (erase, the two triangles, D and the traces) and the whole construction of
// topic 4 with its ten pauses.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "lessons/varnel/varnel.h"
#include "platform/runtime.h"
#include "shell/startup.h"

namespace {

struct Run {
    explicit Run(const std::string& keys = "") : rt(Runtime::CreateHeadless(keys)), p(*rt, varnelInfo) {
        StartUp(p);
    }
    std::unique_ptr<Runtime> rt;
    Varnel p;
};

void BM_TranslationSlideStep(benchmark::State& state) {
    Run run;
    Varnel& p = run.p;
    // Topic 2's frame and triangle, D at its first place, the slide under way.
    p.CellSize = 30;
    p.GridLeft = 532;
    const float points[3][2] = {{862, 270}, {772, 420}, {892, 420}};
    for (int i = 1; i <= 3; ++i) {
        p.PointX(i) = points[i - 1][0];
        p.PointY(i) = points[i - 1][1];
    }
    p.PointX(7) = 982;
    p.PointY(7) = 360;
    p.Seg2X2 = 10;
    p.SlideStepY = 7.5f;
    p.rt.RtSetDrawWidth(5);
    int step = 0;
    for (auto _ : state) {
        // Steps 0 to 12 in turn: the labelled end screen is among them.
        p.PointX(4) = 862 + 10.0f * static_cast<float>(step);
        p.PointY(4) = 270 + 7.5f * static_cast<float>(step);
        step = (step + 1) % 13;
        DrawTranslationSlideFrame(p);
    }
}
BENCHMARK(BM_TranslationSlideStep)->Unit(benchmark::kMicrosecond);

void BM_ParallelConstructionFigure(benchmark::State& state) {
    for (auto _ : state) {
        // A fresh run with the topic's ten keys; setting it up and tearing it
        // down is not timed.
        state.PauseTiming();
        auto run = std::make_unique<Run>("0123456789");
        state.ResumeTiming();
        ShowParallelLineConstruction(run->p);
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ParallelConstructionFigure)->Unit(benchmark::kMillisecond);

}  // namespace
