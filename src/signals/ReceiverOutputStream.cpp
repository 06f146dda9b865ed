#include "signals/ReceiverOutputStream.h"

#include "core/WindowValues.h"
#include "signals/EnvelopeDetector.h"
#include "signals/RiceMean.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"
#include "signals/Tones.h"

#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>

namespace amsim {

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr std::int64_t kStepsPerTone = kStepsPerSecond / 1000;
// The tone's harmonics that the envelope detector's audio keeps: up to
// 15 kHz. Above lies the carrier's ripple, 20 kHz and its sidebands 1, 2 …
// kHz either side, which no audio stage passes.
constexpr int kHighestHarmonic = 15;

// The smoothers' pole over one output sample.
const double kAudioPole = std::pow(DetectorSmoothing::kKeep, 2e6 / ReceiverOutputStream::kRate);

// The response of two first-order smoothers of this pole at hertz, for a
// sample rate of rate.
Complex smoothersAt(double pole, double hertz, double rate) {
    const Complex one = (1.0 - pole) / (1.0 - pole * std::polar(1.0, -kTwoPi * hertz / rate));
    return one * one;
}

// The 1 kHz tone's phase at a step, in radians, which the envelope
// detector's period is read at.
double tonePhase(std::int64_t step) {
    const std::int64_t within = ((step % kStepsPerTone) + kStepsPerTone) % kStepsPerTone;
    return kTwoPi * static_cast<double>(within) / static_cast<double>(kStepsPerTone);
}

// The turns that a frequency of hertz makes from the bench's start to a
// step, less whole ones: whole seconds and the rest apart, so that a late
// step keeps its precision, and the angle that they make stays within the
// engine's sine's quick reduction.
double turnsAt(std::int64_t step, double hertz) {
    const std::int64_t seconds = step / kStepsPerSecond;
    const std::int64_t within = step % kStepsPerSecond;
    const double whole = hertz * static_cast<double>(seconds);
    const double turns = whole - std::trunc(whole) +
                         hertz * static_cast<double>(within) / static_cast<double>(kStepsPerSecond);
    return turns - std::floor(turns);
}

// The envelope detector's output over one tone period in steady state, as
// the complex amplitudes of its harmonics 1 … 15, from index 0.
std::array<Complex, kHighestHarmonic> envelopeHarmonics(const ParameterValues& v,
                                                        const Tones& tones) {
    const WindowValues window;
    const Sidebands sides{v.BliSiNo, v.BlsSiNo, tones};
    std::vector<double> transmitted(kToneSamples);
    for (std::size_t n = 0; n < kToneSamples; ++n) {
        transmitted[n] =
            transmitterOutput(sides, v.Vcc, window.Pi, static_cast<double>(n) * kFineStep);
    }
    const std::vector<double> detected = detectEnvelope(transmitted);
    std::array<Complex, kHighestHarmonic> harmonics{};
    for (std::size_t k = 0; k < harmonics.size(); ++k) {
        harmonics.at(k) = toneHarmonicPhasor(detected, static_cast<int>(k) + 1);
    }
    return harmonics;
}

// The diode chain on an envelope: its tone at 100 % AM, where the envelope
// is 1 + sin(wm t), over that envelope's tone through the smoothers at 48 kHz,
// which the noise meets there. Its size is the chain's gain, its angle the
// capacitor's lag, by which the envelope that the noise joins is read late
// so that what the noise takes off the tone is taken in the tone's phase.
// It is measured with a 1 kHz tone.
Complex envelopeChain() {
    static const Tone kMeasuring{1000.0, 1.0};
    static const Complex chain = envelopeHarmonics({1.0, 1.0, 1.0, 1.0, 0.0}, {kMeasuring}).at(0) /
                                 (Complex(0.0, -1.0) * smoothersAt(kAudioPole, kMeasuring.hertz,
                                                                   ReceiverOutputStream::kRate));
    return chain;
}

} // namespace

double AudioSmoothing::next(double value) {
    first = kAudioPole * first + (1.0 - kAudioPole) * value;
    second = kAudioPole * second + (1.0 - kAudioPole) * first;
    return second;
}

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& values, std::int64_t firstSample)
    : ReceiverOutputStream(values, modulatingTones(values), firstSample) {}

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& v, const Tones& tones,
                                           std::int64_t firstSample)
    : product_(productAudioOf(v, tones))
    , carrierTurn_(std::polar(1.0, -kTwoPi * v.fase / 360.0))
    , drifting_(v.df != 0.0)
    , envelopeOn_(v.envelope != 0.0)
    , noise_(receiverBandOf(v.BliSiNo, v.BlsSiNo), v.ruido)
    , nextStep_(firstSample * kStepsPerFineSample) {
    tabulateProduct(tones);
    if (!envelopeOn_) {
        return;
    }
    const double A = v.mdl / 2.0;
    const std::array<Complex, kHighestHarmonic> harmonics = envelopeHarmonics(v, tones);
    for (std::size_t k = 0; k < kPeriod; ++k) {
        const double theta = tonePhase(nextStep_ + kStride * static_cast<std::int64_t>(k));
        const double late = theta + std::arg(envelopeChain());
        received_.at(k) = Complex(0.0, -v.Vcc) + v.BliSiNo * A * std::polar(1.0, -late) -
                          v.BlsSiNo * A * std::polar(1.0, late);
        double envelope = 0.0;
        for (std::size_t i = 0; i < harmonics.size(); ++i) {
            const auto h = static_cast<double>(i + 1);
            envelope += (harmonics.at(i) * std::polar(1.0, h * theta)).real();
        }
        envelope_.at(k) = envelope;
    }
}

std::vector<ReceiverOutput> ReceiverOutputStream::next(std::size_t count) {
    return next(noise_.envelope(nextStep_, kStride, count));
}

ReceiverOutputStream::ProductAudio ReceiverOutputStream::productAudioOf(const ParameterValues& v,
                                                                        const Tones& tones) {
    const auto term = [](double amplitude, double hertz) {
        const Complex H = smoothersAt(DetectorSmoothing::kKeep, hertz, 2e6);
        return AudioTerm{hertz, amplitude * std::abs(H), std::arg(H)};
    };
    ProductAudio audio{v.fase, v.df, term(v.Vcc / 2.0, v.df), {}};
    for (const Tone& tone : tones) {
        audio.tones.push_back({tone.hertz,
                               term(v.BliSiNo * tone.amplitude / 4.0, tone.hertz + v.df),
                               term(v.BlsSiNo * tone.amplitude / 4.0, tone.hertz - v.df)});
    }
    return audio;
}

double ReceiverOutputStream::phaseAt(std::int64_t step) const {
    return kTwoPi * (product_.fase / 360.0 + turnsAt(step, product_.df));
}

// The terms of the product's audio, each through the smoothers at its own
// frequency.
double ReceiverOutputStream::cleanProduct(std::int64_t step, double phi) const {
    const ProductAudio& p = product_;
    double audio = p.level.amplitude * sine(phi + p.level.lag);
    for (const ToneTerms& tone : p.tones) {
        const double theta = kTwoPi * turnsAt(step, tone.hertz);
        audio += tone.lower.amplitude * sine(theta + phi + tone.lower.lag) +
                 tone.upper.amplitude * sine(theta - phi + tone.upper.lag);
    }
    return audio;
}

namespace {

// The tones' common period in output samples, 48 kHz over the greatest
// common divisor of 48 kHz and the tones' frequencies, when these are whole
// numbers of Hz and it is no longer than a tenth of a second.
std::optional<std::size_t> commonPeriod(const Tones& tones) {
    constexpr auto kRate = static_cast<std::int64_t>(ReceiverOutputStream::kRate);
    constexpr std::int64_t kLongest = kRate / 10;
    std::int64_t divisor = kRate;
    for (const Tone& tone : tones) {
        const double hertz = std::abs(tone.hertz);
        if (hertz != std::trunc(hertz) || hertz > kRate) {
            return std::nullopt;
        }
        divisor = std::gcd(divisor, static_cast<std::int64_t>(hertz));
    }
    const std::int64_t period = kRate / divisor;
    return period <= kLongest ? std::optional(static_cast<std::size_t>(period)) : std::nullopt;
}

} // namespace

void ReceiverOutputStream::tabulateProduct(const Tones& tones) {
    const std::optional<std::size_t> period = commonPeriod(tones);
    if (drifting_ || !period) {
        return;
    }
    const double phi = phaseAt(nextStep_);
    productPeriod_.resize(*period);
    for (std::size_t k = 0; k < *period; ++k) {
        productPeriod_[k] = cleanProduct(nextStep_ + kStride * static_cast<std::int64_t>(k), phi);
    }
}

// A term a sin(psi + w n) leaves the low-pass at Im{step a e^(i psi) /
// (e^(i w) - 1 + step)} e^(i w n) in steady state.
double ReceiverOutputStream::steadyLowPass(double step, bool envelope) const {
    if (envelope) {
        double gained = 0.0;
        for (std::size_t k = 0; k < kPeriod; ++k) {
            gained = gained + step * (envelope_.at((inPeriod_ + k) % kPeriod) - gained);
        }
        const double keep = std::pow(1.0 - step, static_cast<double>(kPeriod));
        return gained / (1.0 - keep);
    }
    const auto steady = [step](const AudioTerm& term, double angle) {
        const Complex turn = std::polar(1.0, kTwoPi * term.hertz / kRate);
        return (step * term.amplitude * std::polar(1.0, angle + term.lag) / (turn - 1.0 + step))
            .imag();
    };
    const double phi = phaseAt(nextStep_);
    double charge = steady(product_.level, phi);
    for (const ToneTerms& tone : product_.tones) {
        const double theta = kTwoPi * turnsAt(nextStep_, tone.hertz);
        charge += steady(tone.lower, theta + phi) + steady(tone.upper, theta - phi);
    }
    return charge;
}

// The smoothers reach the period's steady state within two passes (their
// pole over a period is 1e-26), so the third is kept.
std::array<double, ReceiverOutputStream::kPeriod>
ReceiverOutputStream::envelopeAverage(double noisePower) const {
    const double gain = std::abs(envelopeChain());
    std::array<double, kPeriod> input{};
    for (std::size_t k = 0; k < kPeriod; ++k) {
        const double c = std::abs(received_.at(k));
        input.at(k) = gain * (riceMean(c, noisePower) - c);
    }
    AudioSmoothing smoothing;
    std::array<double, kPeriod> average{};
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t k = 0; k < kPeriod; ++k) {
            average.at(k) = envelope_.at(k) + smoothing.next(input.at(k));
        }
    }
    return average;
}

std::vector<ReceiverOutput> ReceiverOutputStream::next(const std::vector<Complex>& noise) {
    const double gain = envelopeOn_ ? std::abs(envelopeChain()) : 0.0;
    std::vector<ReceiverOutput> out;
    out.reserve(noise.size());
    for (const Complex& e : noise) {
        double clean = 0.0;
        Complex turn = carrierTurn_;
        if (productPeriod_.empty()) {
            const double phi = phaseAt(nextStep_);
            clean = cleanProduct(nextStep_, phi);
            turn = drifting_ ? Complex(cosine(phi), -sine(phi)) : carrierTurn_;
        } else {
            clean = productPeriod_[inProductPeriod_];
        }
        const double product = clean + productNoise_.next(-0.5 * (e * turn).real());
        double envelope = 0.0;
        if (envelopeOn_) {
            const Complex c = received_.at(inPeriod_);
            envelope = envelope_.at(inPeriod_) +
                       envelopeNoise_.next(gain * (std::sqrt(std::norm(c + e)) - std::abs(c)));
        }
        out.push_back({product, envelope});
        inPeriod_ = (inPeriod_ + 1) % kPeriod;
        if (!productPeriod_.empty()) {
            inProductPeriod_ = (inProductPeriod_ + 1) % productPeriod_.size();
        }
        nextStep_ += kStride;
    }
    return out;
}

} // namespace amsim
