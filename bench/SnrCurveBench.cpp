#include "signals/SnrCurve.h"

#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// What --export-curva measures: the whole S/N curve of AM at 30 %, 41
// points each over 10 s of the receiver's output, with the channel's unit
// noise of that length made first, as in a fresh process: once, since the
// unit noise is then kept.
void SnrCurveOfAFreshProcess(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(snrCurve({0.3, 1, 1, 1, 0}));
    }
}
BENCHMARK(SnrCurveOfAFreshProcess)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The curve of a new setting once the unit noise is kept: Modulante
// alternates, so nothing measured before answers.
void SnrCurveOfANewSetting(benchmark::State& state) {
    // cppcheck-suppress variableScope
    bool stepped = false;
    for (auto _ : state) {
        stepped = !stepped;
        benchmark::DoNotOptimize(snrCurve({stepped ? 0.3 : 0.31, 1, 1, 1, 0}));
    }
}
BENCHMARK(SnrCurveOfANewSetting)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
} // namespace amsim
