#include "signals/EnvelopeDetector.h"

#include "signals/Signals.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace amsim {

namespace {

void requirePeriod(const std::vector<double>& samples, std::size_t period) {
    if (period == 0 || samples.size() < period) {
        throw std::invalid_argument("fewer samples than one period");
    }
}

std::vector<double> coupled(std::vector<double> out, double mean) {
    std::transform(out.begin(), out.end(), out.begin(),
                   [mean](double value) { return kEnvelopeGain * (value - mean); });
    return out;
}

double meanOf(const std::vector<double>& out, std::size_t count) {
    return std::accumulate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count), 0.0) /
           static_cast<double>(count);
}

} // namespace

PeriodTable::PeriodTable(std::size_t period)
    : cosine(period)
    , sine(period) {
    const double step = 2.0 * std::numbers::pi / static_cast<double>(period);
    for (std::size_t n = 0; n < period; ++n) {
        cosine[n] = amsim::cosine(step * static_cast<double>(n));
        sine[n] = amsim::sine(step * static_cast<double>(n));
    }
}

const PeriodTable& periodTable(std::size_t period) {
    thread_local std::unique_ptr<PeriodTable> table;
    if (!table || table->cosine.size() != period) {
        table = std::make_unique<PeriodTable>(period);
    }
    return *table;
}

std::vector<double> detectEnvelope(const std::vector<double>& transmitted) {
    return detectEnvelope(transmitted, ScreenNoise{});
}

// Without noise the settling runs twice through the first tone period, which
// the signal repeats before the screen's left edge.
std::vector<double> detectEnvelope(const std::vector<double>& transmitted,
                                   const ScreenNoise& noise) {
    requirePeriod(transmitted, kToneSamples);
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
    const double mean = meanOf(out, kToneSamples);
    return coupled(std::move(out), mean);
}

std::vector<double> detectEnvelope(const std::vector<double>& before,
                                   const std::vector<double>& transmitted, const ScreenNoise& noise,
                                   double mean) {
    EnvelopeDetector detector;
    const std::size_t clean = before.size() - std::min(before.size(), noise.settling.size());
    for (std::size_t n = 0; n < before.size(); ++n) {
        detector.next(n < clean ? before[n] : before[n] + noise.settling[n - clean]);
    }
    std::vector<double> out(transmitted.size());
    for (std::size_t n = 0; n < transmitted.size(); ++n) {
        out[n] =
            detector.next(noise.screen.empty() ? transmitted[n] : transmitted[n] + noise.screen[n]);
    }
    return coupled(std::move(out), mean);
}

std::vector<double> steadyEnvelope(const std::vector<double>& period) {
    requirePeriod(period, period.size());
    EnvelopeDetector detector;
    for (std::size_t n = 0; n < 2 * period.size(); ++n) {
        detector.next(period[n % period.size()]);
    }
    std::vector<double> out(period.size());
    std::transform(period.begin(), period.end(), out.begin(),
                   [&detector](double received) { return detector.next(received); });
    return out;
}

std::complex<double> periodBinPhasor(const std::vector<double>& trace, std::int64_t bin,
                                     std::size_t period) {
    requirePeriod(trace, period);
    const PeriodTable& table = periodTable(period);
    const std::size_t turn = static_cast<std::size_t>(bin) % period;
    double real = 0.0;
    double imaginary = 0.0;
    // phase = turn n mod period, stepped without a division.
    std::size_t phase = 0;
    for (std::size_t n = 0; n < period; ++n) {
        real += trace[n] * table.cosine[phase];
        imaginary -= trace[n] * table.sine[phase];
        phase += turn;
        if (phase >= period) {
            phase -= period;
        }
    }
    return 2.0 * std::complex<double>(real, imaginary) / static_cast<double>(period);
}

double toneHarmonic(const std::vector<double>& trace, int harmonic) {
    return std::abs(periodBinPhasor(trace, harmonic, kToneSamples));
}

} // namespace amsim
