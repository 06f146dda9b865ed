#include "signals/EnvelopeDetector.h"

#include "signals/Signals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace amsim {

namespace {

// cos and sin of 2 pi n / 2000 for one tone period, made once.
struct ToneTable {
    std::array<double, kToneSamples> cosine{};
    std::array<double, kToneSamples> sine{};

    ToneTable() {
        const double step = 8.0 * std::atan(1.0) / static_cast<double>(kToneSamples);
        for (std::size_t n = 0; n < kToneSamples; ++n) {
            cosine.at(n) = std::cos(step * static_cast<double>(n));
            sine.at(n) = std::sin(step * static_cast<double>(n));
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
    requireOnePeriod(transmitted);
    EnvelopeDetector detector;
    for (int run = 0; run < 2; ++run) {
        for (std::size_t n = 0; n < kToneSamples; ++n) {
            detector.next(transmitted[n]);
        }
    }
    std::vector<double> out(transmitted.size());
    std::transform(transmitted.begin(), transmitted.end(), out.begin(),
                   [&detector](double received) { return detector.next(received); });
    const double mean = std::accumulate(out.begin(), out.begin() + kToneSamples, 0.0) /
                        static_cast<double>(kToneSamples);
    std::transform(out.begin(), out.end(), out.begin(),
                   [mean](double value) { return kEnvelopeGain * (value - mean); });
    return out;
}

double toneHarmonic(const std::vector<double>& trace, int harmonic) {
    requireOnePeriod(trace);
    static const ToneTable table;
    double real = 0.0;
    double imaginary = 0.0;
    for (std::size_t n = 0; n < kToneSamples; ++n) {
        const std::size_t phase = (static_cast<std::size_t>(harmonic) * n) % kToneSamples;
        real += trace[n] * table.cosine.at(phase);
        imaginary += trace[n] * table.sine.at(phase);
    }
    return 2.0 * std::hypot(real, imaginary) / static_cast<double>(kToneSamples);
}

} // namespace amsim
