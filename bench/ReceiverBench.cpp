#include "signals/Measurements.h"
#include "signals/NoiseMeasurements.h"
#include "signals/ReceiverOutputStream.h"
#include "signals/SpectrumAnalyser.h"

#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// The whole readout of a setting it has not measured yet, as after a click on
// Modulante's arrows: mdl alternates so that neither the kept analysis of the
// envelope detector nor its kept measurement answers. The first band's noise
// is made before the timing, as the first redraw with noise makes it.
// cppcheck-suppress constParameter
void noiseReadout(benchmark::State& state, double envelope, double tono = 1000.0,
                  double tono2 = 0.0) {
    benchmark::DoNotOptimize(measureNoise({1, 1, 1, 1, 0, 0, 0.05}));
    // cppcheck-suppress variableScope
    bool stepped = false;
    for (auto _ : state) {
        stepped = !stepped;
        const ParameterValues values{
            stepped ? 1.0 : 0.8, 1, 1, 1, 0, envelope, 0.05, 0, tono, tono2};
        benchmark::DoNotOptimize(measure(values));
    }
}

void NoiseReadoutOfANewSetting(benchmark::State& state) {
    noiseReadout(state, 0.0);
}
BENCHMARK(NoiseReadoutOfANewSetting)->Unit(benchmark::kMicrosecond);

void NoiseReadoutWithEnvelopeDetector(benchmark::State& state) {
    noiseReadout(state, 1.0);
}
BENCHMARK(NoiseReadoutWithEnvelopeDetector)->Unit(benchmark::kMicrosecond);

// Two tones whose common period is 10 ms: the envelope detector's spectrum
// has 150 bins, its average period 480 samples.
void NoiseReadoutOfTwoTonesWithEnvelopeDetector(benchmark::State& state) {
    noiseReadout(state, 1.0, 700.0, 1900.0);
}
BENCHMARK(NoiseReadoutOfTwoTonesWithEnvelopeDetector)->Unit(benchmark::kMicrosecond);

// Two tones of no common period within 50 ms, analysed moved over 976
// carrier periods, with their products up to the seventh order.
void NoiseReadoutOfTwoTonesOfNoCommonPeriod(benchmark::State& state) {
    noiseReadout(state, 1.0, 123.4, 1000.0);
}
BENCHMARK(NoiseReadoutOfTwoTonesOfNoCommonPeriod)->Unit(benchmark::kMicrosecond);

// One second of the receiver's output with noise, as a loudspeaker takes it:
// in blocks of 10 ms.
void ReceiverOutputSecond(benchmark::State& state) {
    const ParameterValues values{1, 1, 1, 1, 0, static_cast<double>(state.range(0)), 0.05};
    for (auto _ : state) {
        ReceiverOutputStream stream(values, 0);
        for (int block = 0; block < 100; ++block) {
            benchmark::DoNotOptimize(stream.next(480));
        }
    }
}
BENCHMARK(ReceiverOutputSecond)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same with the envelope detector for a tone of no whole Hz, whose
// components are computed at every sample.
void ReceiverOutputSecondOfAToneOfNoWholeHertz(benchmark::State& state) {
    const ParameterValues values{1, 1, 1, 1, 0, 1, 0.05, 0, 123.4};
    for (auto _ : state) {
        ReceiverOutputStream stream(values, 0);
        for (int block = 0; block < 100; ++block) {
            benchmark::DoNotOptimize(stream.next(480));
        }
    }
}
BENCHMARK(ReceiverOutputSecondOfAToneOfNoWholeHertz)->Unit(benchmark::kMillisecond);

// The analyser's spectra of a setting it has not analysed yet, in noise
// with the envelope detector, as after a click while it is on: all its
// records afresh.
// cppcheck-suppress constParameter
void analyserOfANewSetting(benchmark::State& state, double envelope, double ruido) {
    // cppcheck-suppress variableScope
    bool stepped = false;
    for (auto _ : state) {
        stepped = !stepped;
        const ParameterValues values{stepped ? 1.0 : 0.8, 1, 1, 1, 0, envelope, ruido};
        benchmark::DoNotOptimize(analyseSpectra(values, 10.0));
    }
}

void AnalyserOfANewSetting(benchmark::State& state) {
    analyserOfANewSetting(state, 1.0, 0.05);
}
BENCHMARK(AnalyserOfANewSetting)->Unit(benchmark::kMillisecond);

void AnalyserOfANewSettingWithoutTheEnvelopeDetector(benchmark::State& state) {
    analyserOfANewSetting(state, 0.0, 0.05);
}
BENCHMARK(AnalyserOfANewSettingWithoutTheEnvelopeDetector)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace amsim
