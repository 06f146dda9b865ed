#include "signals/Measurements.h"

#include "core/WindowValues.h"
#include "signals/ChannelNoise.h"
#include "signals/DetectedTones.h"
#include "signals/EnvelopeDetector.h"
#include "signals/Mode.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <vector>

namespace amsim {

namespace {

double squared(double v) {
    return v * v;
}

// The smoothers' gain at the tone's frequency, both stages: w = 2 pi fm
// 0.5 µs per fine sample.
double smoothersGain(const ParameterValues& v) {
    const double w = modulatingTones(v).front().hertz / 1e6 * std::numbers::pi;
    const double stage =
        DetectorSmoothing::kTake / std::abs(1.0 - DetectorSmoothing::kKeep * std::polar(1.0, -w));
    return stage * stage;
}

double detectedAudio(const ParameterValues& v, double phase) {
    const double square = sidebandAudioSquare(v.BliSiNo, v.BlsSiNo, phase);
    const double audio =
        std::abs(v.mdl) / 4.0 * std::sqrt(std::max(0.0, square)) * smoothersGain(v);
    return sidebandAudioInverted(v.BliSiNo, v.BlsSiNo, phase) && audio > 0.0 ? -audio : audio;
}

// The product detector's audio at the phase that gives the most of it, where
// the two sidebands' audio adds up: (|m| / 4) (|Li| + |Ls|) through the
// smoothers.
double bestAudio(const ParameterValues& v) {
    return std::abs(v.mdl) / 4.0 * (std::abs(v.BliSiNo) + std::abs(v.BlsSiNo)) * smoothersGain(v);
}

// At whole multiples of 180 degrees, sin phi is a rounding error away from
// 0: there is no level there.
double steadyLevel(const ParameterValues& v, double phase) {
    constexpr double kNoSine = 1e-9;
    const double level = sine(phase);
    return std::abs(level) < kNoSine ? 0.0 : v.Vcc / 2.0 * level;
}

// The envelope detector's output over one tone period, as its trace shows it.
std::vector<double> envelopeOutput(const ParameterValues& v) {
    const WindowValues window;
    const Sidebands sides{v.BliSiNo, v.BlsSiNo, modulatingTones(v)};
    // x grows by addition, as in the sweep, so the samples are the trace's.
    std::vector<double> transmitted;
    transmitted.reserve(kToneSamples);
    double x = 0.0;
    for (std::size_t n = 0; n < kToneSamples; ++n, x += kFineStep) {
        transmitted.push_back(transmitterOutput(sides, v.Vcc, window.Pi, x));
    }
    return detectEnvelope(transmitted);
}

// The amplitudes of its harmonics 1 to 10 kHz, from index 0: of its trace
// over one tone period, or with noise of its average period in the long run.
std::array<double, kEnvelopeHarmonics> envelopeHarmonics(const ParameterValues& v) {
    if (v.ruido != 0.0) {
        return envelopeHarmonicsWithNoise(v);
    }
    const std::vector<double> detected = envelopeOutput(v);
    std::array<double, kEnvelopeHarmonics> amplitude{};
    for (std::size_t n = 0; n < kEnvelopeHarmonics; ++n) {
        amplitude.at(n) = toneHarmonic(detected, static_cast<int>(n + 1));
    }
    return amplitude;
}

// The frequencies of the product detector's tones, as its display shows them.
std::vector<double> toneFrequencies(const ParameterValues& v) {
    const Components on = componentsOf(v);
    const double toneHertz = modulatingTones(v).front().hertz;
    const std::vector<SidebandTone> tones =
        separateTones(toneHertz, on.lower ? v.BliSiNo : 0.0, on.upper ? v.BlsSiNo : 0.0, v.df);
    if (tones.empty()) {
        return on.lower || on.upper ? std::vector{toneHertz} : std::vector<double>{};
    }
    std::vector<double> hertz(tones.size());
    std::transform(tones.begin(), tones.end(), hertz.begin(),
                   [](const SidebandTone& tone) { return tone.hertz; });
    return hertz;
}

// Its distortion, or what it gives instead of the tone.
std::variant<double, EnvelopeWithoutTone> envelopeOutcome(const ParameterValues& v) {
    const std::array<double, kEnvelopeHarmonics> amplitude = envelopeHarmonics(v);
    const double tenth = bestAudio(v) / 10.0;
    if (tenth > 0.0 && amplitude.front() >= tenth) {
        const double harmonics =
            std::accumulate(amplitude.begin() + 1, amplitude.end(), 0.0,
                            [](double sum, double a) { return sum + squared(a); });
        return std::sqrt(harmonics) / amplitude.front();
    }
    const auto* const strongest = std::max_element(amplitude.begin() + 1, amplitude.end());
    if (tenth > 0.0 && *strongest >= tenth) {
        return EnvelopeWithoutTone{static_cast<int>(strongest - amplitude.begin()) + 1};
    }
    return EnvelopeWithoutTone{};
}

} // namespace

Measurements measure(const ParameterValues& values, double instant) {
    Measurements m;
    m.mode = modeOf(values);
    if (values.Vcc != 0.0) {
        m.modulationIndex = std::abs(values.mdl) / std::abs(values.Vcc);
    }
    m.carrierPower = squared(values.Vcc) / 2.0;
    m.upperPower = squared(values.BlsSiNo * values.mdl / 2.0) / 2.0;
    m.lowerPower = squared(values.BliSiNo * values.mdl / 2.0) / 2.0;
    m.peakEnvelopePower = squared(std::abs(values.Vcc) +
                                  std::abs(values.mdl) *
                                      (std::abs(values.BliSiNo) + std::abs(values.BlsSiNo)) / 2.0) /
                          2.0;
    const Components on = componentsOf(values);
    m.bandwidthKilohertz = (on.upper ? 1 : 0) + (on.lower ? 1 : 0);
    ParameterValues still = values;
    if (values.df != 0.0) {
        const double degrees = std::fmod(driftedPhase(values.fase, values.df, instant), 360.0);
        m.phaseNow = degrees < 0.0 ? degrees + 360.0 : degrees;
        m.toneHertz = toneFrequencies(values);
        still.fase = *m.phaseNow;
        still.df = 0.0;
    }
    const double phase = 2.0 * std::numbers::pi * still.fase / 360.0;
    m.detectedAudio = detectedAudio(values, phase);
    const double reference = detectedAudio(values, 0.0);
    if (reference > 0.0 && m.detectedAudio != 0.0) {
        m.audioLossDecibels = 20.0 * std::log10(std::abs(m.detectedAudio) / reference);
    }
    m.detectedLevel = steadyLevel(values, phase);
    if (values.envelope != 0.0) {
        m.envelope = envelopeOutcome(values);
    }
    m.noise = measureNoise(still);
    return m;
}

} // namespace amsim
