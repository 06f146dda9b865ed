#include "signals/ReceiverOutputStream.h"

#include "core/WindowValues.h"
#include "signals/EnvelopeDetector.h"
#include "signals/RiceMean.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <cmath>
#include <numbers>

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

// The tone's phase at a step, in radians.
double tonePhase(std::int64_t step) {
    const std::int64_t within = ((step % kStepsPerTone) + kStepsPerTone) % kStepsPerTone;
    return kTwoPi * static_cast<double>(within) / static_cast<double>(kStepsPerTone);
}

// The envelope detector's output over one tone period in steady state, as
// the complex amplitudes of its harmonics 1 … 15, from index 0.
std::array<Complex, kHighestHarmonic> envelopeHarmonics(const ParameterValues& v) {
    const WindowValues window;
    const Sidebands sides{v.BliSiNo, v.BlsSiNo, modulatingTones(v.mdl)};
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
Complex envelopeChain() {
    static const Complex chain =
        envelopeHarmonics({1.0, 1.0, 1.0, 1.0, 0.0}).at(0) /
        (Complex(0.0, -1.0) * smoothersAt(kAudioPole, 1000.0, ReceiverOutputStream::kRate));
    return chain;
}

} // namespace

double AudioSmoothing::next(double value) {
    first = kAudioPole * first + (1.0 - kAudioPole) * value;
    second = kAudioPole * second + (1.0 - kAudioPole) * first;
    return second;
}

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& v, std::int64_t firstSample)
    : carrierTurn_(std::polar(1.0, -kTwoPi * v.fase / 360.0))
    , drift_(v.df == 0.0 ? std::nullopt : std::optional<Drift>(driftOf(v)))
    , envelopeOn_(v.envelope != 0.0)
    , noise_(receiverBandOf(v.BliSiNo, v.BlsSiNo), v.ruido)
    , nextStep_(firstSample * kStepsPerFineSample) {
    const double A = v.mdl / 2.0;
    const double phi = kTwoPi * v.fase / 360.0;
    const Complex H = smoothersAt(DetectorSmoothing::kKeep, 1000.0, 2e6);
    const std::array<Complex, kHighestHarmonic> harmonics =
        envelopeOn_ ? envelopeHarmonics(v) : std::array<Complex, kHighestHarmonic>{};
    for (std::size_t k = 0; k < kPeriod; ++k) {
        const double theta = tonePhase(nextStep_ + kStride * static_cast<std::int64_t>(k));
        const double tone = theta + std::arg(H);
        product_.at(k) = v.Vcc / 2.0 * std::sin(phi) +
                         A / 2.0 * std::abs(H) *
                             (v.BliSiNo * std::sin(tone + phi) + v.BlsSiNo * std::sin(tone - phi));
        if (!envelopeOn_) {
            continue;
        }
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

ReceiverOutputStream::Drift ReceiverOutputStream::driftOf(const ParameterValues& v) {
    const auto term = [](double amplitude, double hertz) {
        const Complex H = smoothersAt(DetectorSmoothing::kKeep, hertz, 2e6);
        return DriftTerm{amplitude * std::abs(H), std::arg(H)};
    };
    return {v.fase, v.df, term(v.Vcc / 2.0, v.df), term(v.BliSiNo * v.mdl / 4.0, 1000.0 + v.df),
            term(v.BlsSiNo * v.mdl / 4.0, 1000.0 - v.df)};
}

// Whole seconds and the rest apart, so that a late step keeps its precision.
double ReceiverOutputStream::phaseAt(std::int64_t step) const {
    const std::int64_t seconds = step / kStepsPerSecond;
    const std::int64_t within = step % kStepsPerSecond;
    const double whole = drift_->df * static_cast<double>(seconds);
    const double turns =
        whole - std::trunc(whole) +
        drift_->df * static_cast<double>(within) / static_cast<double>(kStepsPerSecond);
    return kTwoPi * (drift_->fase / 360.0 + turns);
}

// The three terms of the product's audio, each through the smoothers at its
// own frequency.
double ReceiverOutputStream::driftingProduct(std::int64_t step, double phi) const {
    const Drift& d = *drift_;
    const double theta = tonePhase(step);
    return d.level.amplitude * sine(phi + d.level.lag) +
           d.lower.amplitude * sine(theta + phi + d.lower.lag) +
           d.upper.amplitude * sine(theta - phi + d.upper.lag);
}

// A term a sin(psi + w n) leaves the low-pass at Im{step a e^(i psi) /
// (e^(i w) - 1 + step)} e^(i w n) in steady state.
double ReceiverOutputStream::steadyLowPass(double step, bool envelope) const {
    if (envelope || !drift_) {
        const std::array<double, kPeriod>& period = envelope ? envelope_ : product_;
        double gained = 0.0;
        for (std::size_t k = 0; k < kPeriod; ++k) {
            gained = gained + step * (period.at((inPeriod_ + k) % kPeriod) - gained);
        }
        const double keep = std::pow(1.0 - step, static_cast<double>(kPeriod));
        return gained / (1.0 - keep);
    }
    const auto steady = [step](const DriftTerm& term, double angle, double hertz) {
        const Complex turn = std::polar(1.0, kTwoPi * hertz / kRate);
        return (step * term.amplitude * std::polar(1.0, angle + term.lag) / (turn - 1.0 + step))
            .imag();
    };
    const Drift& d = *drift_;
    const double phi = phaseAt(nextStep_);
    const double theta = tonePhase(nextStep_);
    return steady(d.level, phi, d.df) + steady(d.lower, theta + phi, 1000.0 + d.df) +
           steady(d.upper, theta - phi, 1000.0 - d.df);
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
        double clean = product_.at(inPeriod_);
        Complex turn = carrierTurn_;
        if (drift_) {
            const double phi = phaseAt(nextStep_);
            clean = driftingProduct(nextStep_, phi);
            turn = {cosine(phi), -sine(phi)};
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
        nextStep_ += kStride;
    }
    return out;
}

} // namespace amsim
