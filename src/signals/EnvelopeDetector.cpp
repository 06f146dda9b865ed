#include "signals/EnvelopeDetector.h"

#include "signals/Signals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace amsim {

namespace {

// cos and sin of 2 pi n / 2000 for one tone period, made once.
struct ToneTable {
    std::array<double, kToneSamples> cosine{};
    std::array<double, kToneSamples> sine{};

    ToneTable() {
        const double step = 2.0 * std::numbers::pi / static_cast<double>(kToneSamples);
        for (std::size_t n = 0; n < kToneSamples; ++n) {
            cosine.at(n) = amsim::cosine(step * static_cast<double>(n));
            sine.at(n) = amsim::sine(step * static_cast<double>(n));
        }
    }
};

void requireOnePeriod(const std::vector<double>& samples) {
    if (samples.size() < kToneSamples) {
        throw std::invalid_argument("fewer samples than one tone period");
    }
}

} // namespace

std::vector<double> detectEnvelope(const std::vector<double>& transmitted) {
    return detectEnvelope(transmitted, ScreenNoise{});
}

// Without noise the settling runs twice through the first tone period, which
// the signal repeats before the screen's left edge.
std::vector<double> detectEnvelope(const std::vector<double>& transmitted,
                                   const ScreenNoise& noise) {
    requireOnePeriod(transmitted);
    EnvelopeDetector detector;
    for (std::size_t n = 0; n < 2 * kToneSamples; ++n) {
        const double received = transmitted[n % kToneSamples];
        detector.next(noise.settling.empty() ? received : received + noise.settling[n]);
    }
    std::vector<double> out(transmitted.size());
    for (std::size_t n = 0; n < transmitted.size(); ++n) {
        out[n] =
            detector.next(noise.screen.empty() ? transmitted[n] : transmitted[n] + noise.screen[n]);
    }
    const double mean = std::accumulate(out.begin(), out.begin() + kToneSamples, 0.0) /
                        static_cast<double>(kToneSamples);
    std::transform(out.begin(), out.end(), out.begin(),
                   [mean](double value) { return kEnvelopeGain * (value - mean); });
    return out;
}

std::complex<double> toneHarmonicPhasor(const std::vector<double>& trace, int harmonic) {
    requireOnePeriod(trace);
    static const ToneTable table;
    double real = 0.0;
    double imaginary = 0.0;
    for (std::size_t n = 0; n < kToneSamples; ++n) {
        const std::size_t phase = (static_cast<std::size_t>(harmonic) * n) % kToneSamples;
        real += trace[n] * table.cosine.at(phase);
        imaginary -= trace[n] * table.sine.at(phase);
    }
    return 2.0 * std::complex<double>(real, imaginary) / static_cast<double>(kToneSamples);
}

double toneHarmonic(const std::vector<double>& trace, int harmonic) {
    return std::abs(toneHarmonicPhasor(trace, harmonic));
}

} // namespace amsim
