#include "signals/EnvelopeSpectrum.h"

#include "core/WindowValues.h"
#include "signals/EnvelopeDetector.h"
#include "signals/Signals.h"
#include "signals/Sine.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <optional>
#include <utility>

namespace amsim {

namespace {

constexpr std::int64_t kFineSamplesPerCarrierPeriod = 100;
// 50 ms: the longest period analysed.
constexpr std::int64_t kMostCarrierPeriods = 1000;
// Up to 10 ms every bin of the period is analysed.
constexpr std::int64_t kMostCarrierPeriodsForEveryBin = 200;
constexpr double kSameTone = 1e-9;
constexpr double kLargestMove = 1e-3;
constexpr double kHighestAudioHertz = 15000.0;
constexpr int kIntermodulationOrder = 7;

// The turns of each tone in C carrier periods, and by how much, relatively,
// the farthest tone must move to make them whole.
struct Fit {
    std::vector<std::int64_t> turns;
    double move = 0.0;
};

Fit fitOf(const Tones& tones, std::int64_t carrierPeriods) {
    Fit fit;
    for (const Tone& tone : tones) {
        const double exact = tone.hertz * static_cast<double>(carrierPeriods) / kCarrierHertz;
        const std::int64_t turns = std::llround(exact);
        fit.turns.push_back(turns);
        if (tone.hertz != 0.0) {
            fit.move =
                std::max(fit.move, std::abs(static_cast<double>(turns) - exact) / std::abs(exact));
        }
        if (turns == 0 && tone.hertz != 0.0) {
            fit.move = 1.0;
        }
    }
    return fit;
}

// The analysed components: for each, its bin of the period and its frequency
// with the generator's tones, m1 f1 + m2 f2 + … for multiples m of total order
// up to the given one, where the bin and the frequency are above 0 and the
// frequency within the audio band, each bin once.
void addProducts(const Tones& tones, const std::vector<std::int64_t>& turns, int order,
                 EnvelopeSpectrum& spectrum) {
    std::vector<int> multiples(tones.size(), 0);
    const std::function<void(std::size_t, int)> visit = [&](std::size_t k, int left) {
        if (k == tones.size()) {
            std::int64_t bin = 0;
            double hertz = 0.0;
            for (std::size_t i = 0; i < tones.size(); ++i) {
                bin += multiples[i] * turns[i];
                hertz += multiples[i] * tones[i].hertz;
            }
            const bool taken =
                std::find(spectrum.bins.begin(), spectrum.bins.end(), bin) != spectrum.bins.end();
            if (bin > 0 && hertz > 0.0 && hertz <= kHighestAudioHertz && !taken) {
                spectrum.bins.push_back(bin);
                spectrum.components.push_back({hertz, {}});
                spectrum.multiples.push_back(multiples);
            }
            return;
        }
        for (int m = -left; m <= left; ++m) {
            multiples[k] = m;
            visit(k + 1, left - std::abs(m));
        }
    };
    visit(0, order);
}

// The multiples of one tone up to the audio band's top, as the products of
// the only tone there is.
int orderOf(const Tones& tones) {
    if (tones.size() != 1 || tones.front().hertz == 0.0) {
        return kIntermodulationOrder;
    }
    return static_cast<int>(kHighestAudioHertz / std::abs(tones.front().hertz));
}

// The transmitter's fine samples over the period. Where the arguments of
// their sines stay within the engine's sine's quick reduction (1 kHz: up to
// 132 rad) they are the trace's own formula; beyond (700 and 1900 Hz: 1,376
// rad), each component's turns in the period are reduced to one, exactly in
// integers, and read from the period's table, so the samples stay the same
// to the bit on every platform.
std::vector<double> transmittedOver(const ParameterValues& v, const Tones& tones,
                                    const EnvelopePeriod& period) {
    const Tones analysed = period.analysed(tones);
    const std::size_t samples = period.fineSamples();
    const WindowValues window;
    const double highest = sumOverTones(analysed, [](const Tone& t) { return std::abs(t.hertz); });
    const double largest =
        static_cast<double>(samples) * kFineStep * window.Pi * factorOf(kCarrierHertz + highest);
    std::vector<double> transmitted(samples);
    if (largest < sine_detail::kReducible) {
        const Sidebands sides{v.BliSiNo, v.BlsSiNo, analysed};
        for (std::size_t n = 0; n < samples; ++n) {
            transmitted[n] =
                transmitterOutput(sides, v.Vcc, window.Pi, static_cast<double>(n) * kFineStep);
        }
        return transmitted;
    }
    const PeriodTable& table = periodTable(samples);
    const auto size = static_cast<std::int64_t>(samples);
    const auto at = [size](std::int64_t turns, std::size_t n) {
        const std::int64_t phase = (turns % size) * static_cast<std::int64_t>(n) % size;
        return static_cast<std::size_t>(phase < 0 ? phase + size : phase);
    };
    const std::int64_t carrierTurns = period.carrierPeriods;
    for (std::size_t n = 0; n < samples; ++n) {
        double sum = -0.0;
        for (std::size_t k = 0; k < analysed.size(); ++k) {
            const double half = analysed[k].amplitude * 0.5;
            sum += v.BliSiNo * half * table.cosine[at(carrierTurns - period.turns[k], n)] -
                   v.BlsSiNo * half * table.cosine[at(carrierTurns + period.turns[k], n)];
        }
        transmitted[n] = sum + v.Vcc * table.sine[at(carrierTurns, n)];
    }
    return transmitted;
}

} // namespace

std::size_t EnvelopePeriod::fineSamples() const {
    return static_cast<std::size_t>(carrierPeriods * kFineSamplesPerCarrierPeriod);
}

double EnvelopePeriod::baseHertz() const {
    return kCarrierHertz / static_cast<double>(carrierPeriods);
}

Tones EnvelopePeriod::analysed(const Tones& tones) const {
    if (exact) {
        return tones;
    }
    Tones moved = tones;
    for (std::size_t k = 0; k < moved.size(); ++k) {
        moved[k].hertz =
            static_cast<double>(turns[k]) * kCarrierHertz / static_cast<double>(carrierPeriods);
    }
    return moved;
}

// The shortest exact period; else the shortest whose tones move by at most a
// thousandth; else the one that moves them least.
EnvelopePeriod envelopePeriodOf(const Tones& tones) {
    std::optional<EnvelopePeriod> near;
    std::optional<EnvelopePeriod> least;
    double leastMove = 0.0;
    for (std::int64_t c = 1; c <= kMostCarrierPeriods; ++c) {
        Fit fit = fitOf(tones, c);
        if (fit.move <= kSameTone) {
            return {c, std::move(fit.turns), true};
        }
        if (!near && fit.move <= kLargestMove) {
            near = EnvelopePeriod{c, fit.turns, false};
        }
        if (!least || fit.move < leastMove) {
            leastMove = fit.move;
            least = EnvelopePeriod{c, std::move(fit.turns), false};
        }
    }
    return near ? *near : *least;
}

namespace {

EnvelopeSpectrum analyse(const ParameterValues& v, const Tones& tones) {
    EnvelopeSpectrum spectrum;
    spectrum.period = envelopePeriodOf(tones);
    const EnvelopePeriod& period = spectrum.period;
    const std::size_t samples = period.fineSamples();
    std::vector<double> detected = steadyEnvelope(transmittedOver(v, tones, period));
    spectrum.mean =
        std::accumulate(detected.begin(), detected.end(), 0.0) / static_cast<double>(samples);
    std::transform(detected.begin(), detected.end(), detected.begin(),
                   [&spectrum](double value) { return kEnvelopeGain * (value - spectrum.mean); });
    if (period.exact && period.carrierPeriods <= kMostCarrierPeriodsForEveryBin) {
        const double base = period.baseHertz();
        for (std::int64_t bin = 1; static_cast<double>(bin) * base <= kHighestAudioHertz; ++bin) {
            spectrum.bins.push_back(bin);
            spectrum.components.push_back({static_cast<double>(bin) * base, {}});
        }
    } else {
        addProducts(tones, period.turns, orderOf(tones), spectrum);
    }
    for (std::size_t k = 0; k < spectrum.bins.size(); ++k) {
        spectrum.components[k].phasor = periodBinPhasor(detected, spectrum.bins[k], samples);
    }
    return spectrum;
}

// What the spectrum depends on.
struct Analysed {
    double Vcc;
    double Li;
    double Ls;
    std::vector<std::pair<double, double>> tones;

    bool operator==(const Analysed&) const = default;
};

} // namespace

// The last analysis on each thread is kept: the stream, the readout and the
// noise's measurement of one setting ask for it in turn.
EnvelopeSpectrum envelopeSpectrum(const ParameterValues& v, const Tones& tones) {
    thread_local std::optional<Analysed> lastAsked;
    thread_local EnvelopeSpectrum last;
    Analysed asked{v.Vcc, v.BliSiNo, v.BlsSiNo, {}};
    for (const Tone& tone : tones) {
        asked.tones.emplace_back(tone.hertz, tone.amplitude);
    }
    if (lastAsked != asked) {
        last = analyse(v, tones);
        lastAsked = std::move(asked);
    }
    return last;
}

} // namespace amsim
