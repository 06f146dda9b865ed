#include "signals/ReceiverOutputStream.h"

#include "core/WindowValues.h"
#include "signals/EnvelopeDetector.h"
#include "signals/RiceMean.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"
#include "signals/Tones.h"
#include "signals/Turns.h"

#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>

namespace amsim {

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The smoothers' pole over one output sample.
const double kAudioPole = std::pow(DetectorSmoothing::kKeep, 2e6 / ReceiverOutputStream::kRate);

// The response of two first-order smoothers of this pole at hertz, for a
// sample rate of rate.
Complex smoothersAt(double pole, double hertz, double rate) {
    const Complex one = (1.0 - pole) / (1.0 - pole * std::polar(1.0, -kTwoPi * hertz / rate));
    return one * one;
}

// The diode chain on an envelope: its tone at 100 % AM, where the envelope
// is 1 + sin(wm t), over that envelope's tone through the smoothers at 48 kHz,
// which the noise meets there. Its size is the chain's gain, its angle the
// capacitor's lag, by which the envelope that the noise joins is read late
// so that what the noise takes off the tone is taken in the tone's phase.
// It is measured with a 1 kHz tone.
Complex envelopeChain() {
    static const Tone kMeasuring{1000.0, 1.0};
    static const Complex chain =
        envelopeSpectrum({1.0, 1.0, 1.0, 1.0, 0.0}, {kMeasuring}).components.front().phasor /
        (Complex(0.0, -1.0) *
         smoothersAt(kAudioPole, kMeasuring.hertz, ReceiverOutputStream::kRate));
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

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& values, const Tones& tones,
                                           std::int64_t firstSample)
    : ReceiverOutputStream(values, tones, firstSample, false) {}

ReceiverOutputStream ReceiverOutputStream::repeating(const ParameterValues& values,
                                                     std::int64_t firstSample) {
    return {values, modulatingTones(values), firstSample, true};
}

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& v, const Tones& tones,
                                           std::int64_t firstSample, bool repeating)
    : product_(productAudioOf(v, tones))
    , carrierTurn_(std::polar(1.0, -kTwoPi * v.fase / 360.0))
    , drifting_(v.df != 0.0)
    , envelopeOn_(v.envelope != 0.0)
    , noise_(receiverBandOf(v.BliSiNo, v.BlsSiNo), v.ruido)
    , nextStep_(firstSample * kStepsPerFineSample)
    , Vcc_(v.Vcc)
    , Li_(v.BliSiNo)
    , Ls_(v.BlsSiNo) {
    tabulateProduct(tones);
    if (!envelopeOn_) {
        return;
    }
    EnvelopeSpectrum spectrum = envelopeSpectrum(v, tones);
    if (spectrum.period.exact || repeating) {
        tabulateEnvelope(v, tones, spectrum);
        return;
    }
    keepAudible(spectrum);
    products_ =
        EnvelopeProducts(tones, std::move(spectrum.components), std::move(spectrum.multiples));
}

namespace {

// e^(i (m theta + shift)) for multiples m of a period's phase theta, sample
// by sample of the period in which the output repeats: computed afresh at
// each sample of a short period (48 at 1 kHz, 480 for 700 and 1900 Hz); a
// longer one (11,712 samples for 123.4 and 1000 Hz moved) turns each by its
// step from one sample to the next, which costs a product, not a sine, and
// drifts by under 1e-12 over the period.
class PeriodTurns {
public:
    PeriodTurns(std::vector<double> multiples, std::int64_t firstStep, std::int64_t steps,
                std::size_t period)
        : multiples_(std::move(multiples))
        , steps_(steps)
        , step_(firstStep)
        , afresh_(period <= kAfresh) {
        if (afresh_) {
            return;
        }
        const double theta = phase();
        const double delta = kTwoPi * static_cast<double>(ReceiverOutputStream::kStride) /
                             static_cast<double>(steps_);
        for (const double m : multiples_) {
            turn_.push_back(std::polar(1.0, m * theta));
            rotation_.push_back(std::polar(1.0, m * delta));
        }
    }

    Complex at(std::size_t i, double shift) const {
        if (afresh_) {
            return std::polar(1.0, multiples_[i] * phase() + shift);
        }
        return shift == 0.0 ? turn_[i] : turn_[i] * std::polar(1.0, shift);
    }

    void next() {
        step_ += ReceiverOutputStream::kStride;
        for (std::size_t i = 0; i < turn_.size(); ++i) {
            turn_[i] *= rotation_[i];
        }
    }

private:
    static constexpr std::size_t kAfresh = 480;

    double phase() const {
        const std::int64_t within = ((step_ % steps_) + steps_) % steps_;
        return kTwoPi * static_cast<double>(within) / static_cast<double>(steps_);
    }

    std::vector<double> multiples_;
    std::int64_t steps_;
    std::int64_t step_;
    bool afresh_;
    std::vector<Complex> turn_;
    std::vector<Complex> rotation_;
};

} // namespace

// Computed at every sample, a component 100 dB under the strongest, far
// under a sound's last bit, is left out.
void ReceiverOutputStream::keepAudible(EnvelopeSpectrum& spectrum) {
    constexpr double kInaudible = 1e-5;
    double strongest = 0.0;
    for (const AudioComponent& component : spectrum.components) {
        strongest = std::max(strongest, std::abs(component.phasor));
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < spectrum.components.size(); ++k) {
        if (std::abs(spectrum.components[k].phasor) >= kInaudible * strongest) {
            spectrum.components[kept] = spectrum.components[k];
            spectrum.multiples[kept] = spectrum.multiples[k];
            ++kept;
        }
    }
    spectrum.components.resize(kept);
    spectrum.multiples.resize(kept);
}

// The analysed period's phase at each output sample of the period in which
// the samples repeat: its steps S = 300 C, the samples S / gcd(S, 125).
void ReceiverOutputStream::tabulateEnvelope(const ParameterValues& v, const Tones& tones,
                                            const EnvelopeSpectrum& spectrum) {
    const std::int64_t steps =
        kStepsPerSecond / static_cast<std::int64_t>(kCarrierHertz) * spectrum.period.carrierPeriods;
    const auto period = static_cast<std::size_t>(steps / std::gcd(steps, kStride));
    const double lag = std::arg(envelopeChain());
    envelope_.resize(period);
    received_.resize(period);
    // Each tone's and each component's turn at the sample: e^(i m theta) for
    // its multiple m of the period's phase theta.
    std::vector<double> multiples(spectrum.period.turns.begin(), spectrum.period.turns.end());
    multiples.insert(multiples.end(), spectrum.bins.begin(), spectrum.bins.end());
    PeriodTurns turns(multiples, nextStep_, steps, period);
    for (std::size_t k = 0; k < period; ++k) {
        Complex received(0.0, -v.Vcc);
        for (std::size_t t = 0; t < tones.size(); ++t) {
            const double A = tones[t].amplitude / 2.0;
            const Complex late = turns.at(t, lag);
            received = received + v.BliSiNo * A * std::conj(late) - v.BlsSiNo * A * late;
        }
        received_[k] = received;
        double envelope = 0.0;
        for (std::size_t i = 0; i < spectrum.bins.size(); ++i) {
            envelope += (spectrum.components[i].phasor * turns.at(tones.size() + i, 0.0)).real();
        }
        envelope_[k] = envelope;
        turns.next();
    }
}

namespace {

// Each tone's turn e^(i 2 pi f t) at a step raised to 0, 1, … its highest
// multiple among the products.
void fillPowers(const Tones& tones, std::int64_t step, std::vector<std::vector<Complex>>& powers) {
    for (std::size_t k = 0; k < tones.size(); ++k) {
        const double angle = kTwoPi * turnsAt(step, tones[k].hertz);
        const Complex turn(cosine(angle), sine(angle));
        std::vector<Complex>& power = powers[k];
        power[0] = 1.0;
        for (std::size_t m = 1; m < power.size(); ++m) {
            power[m] = power[m - 1] * turn;
        }
    }
}

// The product of each tone's turn raised to its multiple.
Complex productTurn(const std::vector<std::vector<Complex>>& powers,
                    const std::vector<int>& multiples) {
    Complex product(1.0, 0.0);
    for (std::size_t k = 0; k < powers.size(); ++k) {
        const Complex power = powers[k][static_cast<std::size_t>(std::abs(multiples[k]))];
        product *= multiples[k] < 0 ? std::conj(power) : power;
    }
    return product;
}

} // namespace

ReceiverOutputStream::EnvelopeProducts::EnvelopeProducts(Tones toneList,
                                                         std::vector<AudioComponent> parts,
                                                         std::vector<std::vector<int>> multiplesOf)
    : tones(std::move(toneList))
    , components(std::move(parts))
    , multiples(std::move(multiplesOf))
    , powers(tones.size(), std::vector<Complex>(2)) {
    for (const std::vector<int>& product : multiples) {
        for (std::size_t k = 0; k < tones.size(); ++k) {
            const auto m = static_cast<std::size_t>(std::abs(product[k]));
            powers[k].resize(std::max(powers[k].size(), m + 1));
        }
    }
}

void ReceiverOutputStream::EnvelopeProducts::turnTo(std::int64_t step) {
    fillPowers(tones, step, powers);
}

double ReceiverOutputStream::EnvelopeProducts::clean() const {
    double envelope = 0.0;
    for (std::size_t i = 0; i < components.size(); ++i) {
        envelope += (components[i].phasor * productTurn(powers, multiples[i])).real();
    }
    return envelope;
}

Complex ReceiverOutputStream::EnvelopeProducts::received(double V, double Li, double Ls) const {
    const Complex lag = std::polar(1.0, std::arg(envelopeChain()));
    Complex received(0.0, -V);
    for (std::size_t t = 0; t < tones.size(); ++t) {
        const double A = tones[t].amplitude / 2.0;
        const Complex late = powers[t][1] * lag;
        received += Li * A * std::conj(late) - Ls * A * late;
    }
    return received;
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
    const std::optional<std::int64_t> divisor = commonHertz(tones, kRate);
    if (!divisor || kRate / *divisor > kLongest) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(kRate / *divisor);
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
    if (envelope && !envelope_.empty()) {
        const std::size_t period = envelope_.size();
        double gained = 0.0;
        for (std::size_t k = 0; k < period; ++k) {
            gained = gained + step * (envelope_.at((inPeriod_ + k) % period) - gained);
        }
        const double keep = std::pow(1.0 - step, static_cast<double>(period));
        return gained / (1.0 - keep);
    }
    // A component Re{X e^(i w n)} leaves it at Re{step X / (e^(i w) - 1 + step)}.
    if (envelope) {
        EnvelopeProducts now = products_;
        now.turnTo(nextStep_);
        double charge = 0.0;
        for (std::size_t i = 0; i < now.components.size(); ++i) {
            const AudioComponent& component = now.components[i];
            const Complex turn = std::polar(1.0, kTwoPi * component.hertz / kRate);
            const Complex phasor = component.phasor * productTurn(now.powers, now.multiples[i]);
            charge += (step * phasor / (turn - 1.0 + step)).real();
        }
        return charge;
    }
    // A term a sin(psi + w n) leaves the low-pass at Im{step a e^(i psi) /
    // (e^(i w) - 1 + step)} e^(i w n) in steady state.
    const auto term = [step](const AudioTerm& t, double angle) {
        const Complex turn = std::polar(1.0, kTwoPi * t.hertz / kRate);
        return (step * t.amplitude * std::polar(1.0, angle + t.lag) / (turn - 1.0 + step)).imag();
    };
    const double phi = phaseAt(nextStep_);
    double charge = term(product_.level, phi);
    for (const ToneTerms& tone : product_.tones) {
        const double theta = kTwoPi * turnsAt(nextStep_, tone.hertz);
        charge += term(tone.lower, theta + phi) + term(tone.upper, theta - phi);
    }
    return charge;
}

// The smoothers reach the period's steady state within two passes (their
// pole over a period of 48 samples or more is 1e-26 or less), so the third is
// kept.
std::vector<double> ReceiverOutputStream::envelopeAverage(double noisePower) const {
    const double gain = std::abs(envelopeChain());
    const std::size_t period = envelope_.size();
    std::vector<double> input(period);
    for (std::size_t k = 0; k < period; ++k) {
        const double c = std::abs(received_.at(k));
        input.at(k) = gain * (riceMean(c, noisePower) - c);
    }
    AudioSmoothing smoothing;
    std::vector<double> average(period);
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t k = 0; k < period; ++k) {
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
            envelope = envelopeSample(e, gain);
        }
        out.push_back({product, envelope});
        if (!productPeriod_.empty()) {
            inProductPeriod_ = (inProductPeriod_ + 1) % productPeriod_.size();
        }
        nextStep_ += kStride;
    }
    return out;
}

// From the period where it is tabulated, else computed at the step.
double ReceiverOutputStream::envelopeSample(const Complex& e, double gain) {
    if (envelope_.empty()) {
        products_.turnTo(nextStep_);
        const Complex c = products_.received(Vcc_, Li_, Ls_);
        return products_.clean() +
               envelopeNoise_.next(gain * (std::sqrt(std::norm(c + e)) - std::abs(c)));
    }
    const Complex c = received_.at(inPeriod_);
    const double envelope = envelope_.at(inPeriod_) +
                            envelopeNoise_.next(gain * (std::sqrt(std::norm(c + e)) - std::abs(c)));
    inPeriod_ = (inPeriod_ + 1) % envelope_.size();
    return envelope;
}

} // namespace amsim
