#include "signals/Measurements.h"

#include "core/WindowValues.h"
#include "signals/ChannelNoise.h"
#include "signals/DetectedTones.h"
#include "signals/EnvelopeSpectrum.h"
#include "signals/Mode.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <iterator>
#include <numbers>
#include <numeric>
#include <vector>

namespace amsim {

namespace {

double squared(double v) {
    return v * v;
}

// The smoothers' gain at a tone's frequency, both stages: w = 2 pi fm
// 0.5 µs per fine sample.
double smoothersGain(double hertz) {
    const double w = hertz / 1e6 * std::numbers::pi;
    const double stage =
        DetectorSmoothing::kTake / std::abs(1.0 - DetectorSmoothing::kKeep * std::polar(1.0, -w));
    return stage * stage;
}

// Each tone's audio, in the order of the tones.
std::vector<double> detectedAudio(const ParameterValues& v, double phase) {
    const double square = sidebandAudioSquare(v.BliSiNo, v.BlsSiNo, phase);
    const bool inverted = sidebandAudioInverted(v.BliSiNo, v.BlsSiNo, phase);
    std::vector<double> audio;
    for (const Tone& tone : modulatingTones(v)) {
        const double volts = std::abs(tone.amplitude) / 4.0 * std::sqrt(std::max(0.0, square)) *
                             smoothersGain(tone.hertz);
        audio.push_back(inverted && volts > 0.0 ? -volts : volts);
    }
    return audio;
}

// The product detector's audio at the phase that gives the most of it, where
// the two sidebands' audio adds up: (|m| / 4) (|Li| + |Ls|) of each tone
// through the smoothers, the root of their sum of squares.
double bestAudio(const ParameterValues& v) {
    double best = 0.0;
    for (const Tone& tone : modulatingTones(v)) {
        best = std::hypot(best, std::abs(tone.amplitude) / 4.0 *
                                    (std::abs(v.BliSiNo) + std::abs(v.BlsSiNo)) *
                                    smoothersGain(tone.hertz));
    }
    return best;
}

// At whole multiples of 180 degrees, sin phi is a rounding error away from
// 0: there is no level there.
double steadyLevel(const ParameterValues& v, double phase) {
    constexpr double kNoSine = 1e-9;
    const double level = sine(phase);
    return std::abs(level) < kNoSine ? 0.0 : v.Vcc / 2.0 * level;
}

// The envelope detector's components: of its clean output, or with noise of
// its average period in the long run.
std::vector<AudioComponent> envelopeComponents(const ParameterValues& v) {
    if (v.ruido != 0.0) {
        return envelopeComponentsWithNoise(v);
    }
    return envelopeSpectrum(v, modulatingTones(v)).components;
}

// The frequencies of the product detector's tones, as its display shows them.
std::vector<double> toneFrequencies(const ParameterValues& v) {
    const Components on = componentsOf(v);
    std::vector<double> hertz;
    for (const Tone& tone : modulatingTones(v)) {
        const std::vector<SidebandTone> tones =
            separateTones(tone.hertz, on.lower ? v.BliSiNo : 0.0, on.upper ? v.BlsSiNo : 0.0, v.df);
        if (tones.empty() && (on.lower || on.upper)) {
            hertz.push_back(tone.hertz);
        }
        std::transform(tones.begin(), tones.end(), std::back_inserter(hertz),
                       [](const SidebandTone& detected) { return detected.hertz; });
    }
    std::sort(hertz.begin(), hertz.end());
    return hertz;
}

// The distortion counts what the detector gives up to 10 kHz.
constexpr double kDistortionTopHertz = 10000.0;

bool isTone(const ParameterValues& v, const AudioComponent& component) {
    const Tones tones = modulatingTones(v);
    return std::any_of(tones.begin(), tones.end(),
                       [&component](const Tone& t) { return t.hertz == component.hertz; });
}

// The envelope's peak power, (|V| + sum of |m| (|Li| + |Ls|) / 2)² / 2.
double peakPower(const ParameterValues& v) {
    const double sides = sumOverTones(modulatingTones(v), [&v](const Tone& t) {
        return std::abs(t.amplitude) * (std::abs(v.BliSiNo) + std::abs(v.BlsSiNo)) / 2.0;
    });
    return squared(std::abs(v.Vcc) + sides) / 2.0;
}

// Its distortion, or what it gives instead of the tones: the root of the
// squares of every other component over that of the tones'.
std::variant<double, EnvelopeWithoutTone> envelopeOutcome(const ParameterValues& v) {
    const std::vector<AudioComponent> components = envelopeComponents(v);
    double tones = 0.0;
    double others = 0.0;
    std::optional<AudioComponent> strongest;
    for (const AudioComponent& component : components) {
        const double amplitude = std::abs(component.phasor);
        if (isTone(v, component)) {
            tones = std::hypot(tones, amplitude);
        } else if (component.hertz <= kDistortionTopHertz) {
            others += squared(amplitude);
            if (!strongest || amplitude > std::abs(strongest->phasor)) {
                strongest = component;
            }
        }
    }
    // Under a millionth of a millionth of the envelope's peak a component is
    // the transform's rounding, not the detector's.
    constexpr double kRounding = 1e-12;
    const double tenth = std::max(bestAudio(v) / 10.0, kRounding * std::sqrt(2.0 * peakPower(v)));
    if (tenth > 0.0 && tones >= tenth) {
        return std::sqrt(others) / tones;
    }
    if (tenth > 0.0 && strongest && std::abs(strongest->phasor) >= tenth) {
        return EnvelopeWithoutTone{strongest->hertz / 1000.0};
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
    const Tones tones = modulatingTones(values);
    m.carrierPower = squared(values.Vcc) / 2.0;
    m.upperPower = sumOverTones(tones, [&values](const Tone& t) {
        return squared(values.BlsSiNo * t.amplitude / 2.0) / 2.0;
    });
    m.lowerPower = sumOverTones(tones, [&values](const Tone& t) {
        return squared(values.BliSiNo * t.amplitude / 2.0) / 2.0;
    });
    m.peakEnvelopePower = peakPower(values);
    m.twoTones = tones.size() > 1;
    const Components on = componentsOf(values);
    const double highest =
        std::max_element(tones.begin(), tones.end(), [](const Tone& a, const Tone& b) {
            return std::abs(a.hertz) < std::abs(b.hertz);
        })->hertz;
    m.bandwidthHertz = ((on.upper ? 1.0 : 0.0) + (on.lower ? 1.0 : 0.0)) * std::abs(highest);
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
    const double reference = detectedAudio(values, 0.0).front();
    const double audio = m.detectedAudio.front();
    if (reference > 0.0 && audio != 0.0) {
        m.audioLossDecibels = 20.0 * std::log10(std::abs(audio) / reference);
    }
    m.detectedLevel = steadyLevel(values, phase);
    if (values.envelope != 0.0) {
        m.envelope = envelopeOutcome(values);
    }
    m.noise = measureNoise(still);
    return m;
}

} // namespace amsim
