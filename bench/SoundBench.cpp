#include "sound/SoundGenerator.h"

#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// One second of sound pulled as a sink pulls it, 50 ms at a time; an
// iteration is a second of sound, so its time over one second is the share
// of a core that playing takes. Arguments: envelope detector, ruido in mV.
void BM_SoundSecond(benchmark::State& state) {
    const ParameterValues values{1,
                                 1,
                                 1,
                                 1,
                                 0,
                                 static_cast<double>(state.range(0)),
                                 static_cast<double>(state.range(1)) / 1000.0};
    SoundGenerator generator(values, 0);
    for (auto _ : state) {
        for (int block = 0; block < 20; ++block) {
            benchmark::DoNotOptimize(generator.next(2400));
        }
    }
}
BENCHMARK(BM_SoundSecond)->Args({0, 0})->Args({1, 0})->Args({1, 50})->Unit(benchmark::kMillisecond);

// One second of the gurgle: both sidebands with the reinserted carrier 1 Hz
// off, each sample at its own phase error, with ruido in mV.
void BM_SoundSecondDrifting(benchmark::State& state) {
    SoundGenerator generator({1, 0, 1, 1, 0, 0, static_cast<double>(state.range(0)) / 1000.0, 1},
                             0);
    for (auto _ : state) {
        for (int block = 0; block < 20; ++block) {
            benchmark::DoNotOptimize(generator.next(2400));
        }
    }
}
BENCHMARK(BM_SoundSecondDrifting)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond);

// A second in which the setting changes ten times, each a crossfade.
void BM_SoundSecondWithChanges(benchmark::State& state) {
    SoundGenerator generator({1, 1, 1, 1, 0, 0, 0}, 0);
    double fase = 0.0;
    for (auto _ : state) {
        for (int block = 0; block < 20; ++block) {
            if (block % 2 == 0) {
                fase += 10.0;
                generator.setValues({1, 1, 1, 1, fase, 0, 0});
            }
            benchmark::DoNotOptimize(generator.next(2400));
        }
    }
}
BENCHMARK(BM_SoundSecondWithChanges)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace amsim
