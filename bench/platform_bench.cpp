// Cost of the drawing primitives a per-key redraw is made of.
#include <benchmark/benchmark.h>

#include "platform/runtime.h"

namespace {

void BM_FullScreenErase(benchmark::State& state) {
    auto rt = Runtime::CreateHeadless();
    for (auto _ : state) rt->RtLine(0, 0, 1760, 1800, 15, BoxShape::Filled, 15);
}
BENCHMARK(BM_FullScreenErase);

void BM_FortyGlyphs(benchmark::State& state) {
    auto rt = Runtime::CreateHeadless();
    rt->RtSetFontName("ゴシック");
    rt->RtSetFontSize(16);
    const Text glyph = "図";
    for (auto _ : state)
        for (int i = 0; i < 40; ++i) rt->RtSymbol(20.0f + 34.0f * i, 300, 2, 3, 0, glyph);
}
BENCHMARK(BM_FortyGlyphs);

void BM_HundredArcs(benchmark::State& state) {
    auto rt = Runtime::CreateHeadless();
    rt->RtSetDrawWidth(3);
    for (auto _ : state)
        for (int i = 0; i < 100; ++i) rt->RtCircle(700, 450, 20.0f + 3.0f * i, 0, 1, 0.1f, 0.6f);
}
BENCHMARK(BM_HundredArcs);

}  // namespace
