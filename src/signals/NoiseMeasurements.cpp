#include "signals/NoiseMeasurements.h"

#include "signals/AudioBand.h"
#include "signals/EnvelopeSpectrum.h"
#include "signals/ReceiverOutputStream.h"
#include "signals/RiceMean.h"
#include "signals/Signals.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <mutex>
#include <numbers>
#include <numeric>
#include <utility>
#include <vector>

namespace amsim {

namespace {

using Complex = std::complex<double>;

// The output settles over 2 ms before the stretch measured.
constexpr std::size_t kLeadIn = 96;
// The readout's stretch: 24 blocks, 2.05 s of the receiver's output.
constexpr std::size_t kReadoutBlocks = 24;
// sidebandAudioSquare's rounding error where the sidebands' audio cancels.
constexpr double kNoAudio = 1e-12;

double squared(double v) {
    return v * v;
}

std::optional<double> ratio(double numerator, double denominator) {
    if (numerator <= 0.0 || denominator <= 0.0) {
        return std::nullopt;
    }
    return numerator / denominator;
}

// The noise's power in the audio band, the mean over the blocks, and its
// standard error from their spread.
struct BandNoise {
    double power;
    double spread;
};

BandNoise overBlocks(const std::vector<double>& blocks) {
    const auto count = static_cast<double>(blocks.size());
    const double mean = std::accumulate(blocks.begin(), blocks.end(), 0.0) / count;
    const double squares =
        std::accumulate(blocks.begin(), blocks.end(), 0.0,
                        [mean](double sum, double block) { return sum + squared(block - mean); });
    return {mean, std::sqrt(squares / (count - 1.0) / count)};
}

double secondsOf(std::size_t blocks) {
    return static_cast<double>(blocks * kAudioBlock) / ReceiverOutputStream::kRate;
}

// Block b of a measured stretch.
AudioBlock blockOf(const std::vector<double>& stretch, std::size_t block) {
    return AudioBlock(stretch.data() + block * kAudioBlock, kAudioBlock);
}

// The channel's noise at ruido 1 over the lead-in and a stretch, made once
// per band and length: the measurements scale it, as the noise scales with
// ruido.
//   power    its mean |e|², for the envelope detector's average
//   product  per block, the product detector's noise in the band at phase
//            0 (r) and 90 degrees (i) and what they hold in common: at phase
//            phi it is cos² rr + sin² ii + 2 sin cos ri, its smoothers and the
//            band being linear.
struct UnitNoise {
    std::vector<Complex> envelope;
    double power = 0.0;
    std::vector<std::array<double, 3>> product;
};

// The product detector's noise alone: the stream with no signal, its output
// from the lead-in on.
std::vector<double> productNoise(ReceiverBand band, double fase,
                                 const std::vector<Complex>& noise) {
    const double Li = band == ReceiverBand::Upper ? 0.0 : 1.0;
    const double Ls = band == ReceiverBand::Lower ? 0.0 : 1.0;
    ReceiverOutputStream stream({0.0, 0.0, Li, Ls, fase, 0.0, 1.0}, kMeasuredFirstSample);
    const std::vector<ReceiverOutput> out = stream.next(noise);
    std::vector<double> product(noise.size() - kLeadIn);
    std::transform(out.begin() + kLeadIn, out.end(), product.begin(),
                   [](const ReceiverOutput& sample) { return sample.product; });
    return product;
}

UnitNoise makeUnitNoise(ReceiverBand band, std::size_t blocks) {
    UnitNoise unit;
    unit.envelope = ChannelNoise(band, 1.0).envelope(kMeasuredFirstSample * kStepsPerFineSample,
                                                     ReceiverOutputStream::kStride,
                                                     kLeadIn + blocks * kAudioBlock);
    unit.power = std::accumulate(unit.envelope.begin(), unit.envelope.end(), 0.0,
                                 [](double sum, const Complex& e) { return sum + std::norm(e); }) /
                 static_cast<double>(unit.envelope.size());
    const std::vector<double> inPhase = productNoise(band, 0.0, unit.envelope);
    const std::vector<double> quadrature = productNoise(band, 90.0, unit.envelope);
    for (std::size_t block = 0; block < blocks; ++block) {
        const auto [r, i] = audioBandBins(blockOf(inPhase, block), blockOf(quadrature, block));
        unit.product.push_back({bandPower(r, r), bandPower(i, i), bandPower(r, i)});
    }
    return unit;
}

std::mutex& guard() {
    static std::mutex mutex;
    return mutex;
}

// Under the guard.
const UnitNoise& unitNoise(ReceiverBand band, std::size_t blocks) {
    static std::map<std::pair<ReceiverBand, std::size_t>, UnitNoise> units;
    const auto key = std::make_pair(band, blocks);
    auto unit = units.find(key);
    if (unit == units.end()) {
        unit = units.emplace(key, makeUnitNoise(band, blocks)).first;
    }
    return unit->second;
}

// The product detector's noise in the band at a phase, for ruido 1.
BandNoise productNoiseAt(const UnitNoise& unit, double fase) {
    const double phi = 2.0 * std::numbers::pi * fase / 360.0;
    const double c = std::cos(phi);
    const double s = std::sin(phi);
    std::vector<double> blocks(unit.product.size());
    std::transform(unit.product.begin(), unit.product.end(), blocks.begin(),
                   [c, s](const std::array<double, 3>& p) {
                       return c * c * p[0] + s * s * p[1] + 2.0 * s * c * p[2];
                   });
    return overBlocks(blocks);
}

// e^(-i 2 pi k / samples) for k of one period of the output.
std::vector<Complex> rootsOf(std::size_t samples) {
    std::vector<Complex> roots(samples);
    for (std::size_t k = 0; k < samples; ++k) {
        roots[k] = std::polar(1.0, -2.0 * std::numbers::pi * static_cast<double>(k) /
                                       static_cast<double>(samples));
    }
    return roots;
}

// Bin b of one period of the output, as a phasor, with the period's roots.
Complex binOf(const std::vector<double>& period, std::int64_t bin,
              const std::vector<Complex>& roots) {
    const std::size_t samples = period.size();
    const auto turn = static_cast<std::size_t>(bin);
    Complex sum;
    for (std::size_t n = 0; n < samples; ++n) {
        sum += period.at(n) * roots.at((turn * n) % samples);
    }
    return 2.0 * sum / static_cast<double>(samples);
}

// The tones as the detectors' periods are analysed (EnvelopePeriod), the
// output samples of that period, and the bin of the output's period that
// each of its bins falls on: a period of S = 300 C steps is S / gcd(S, 125)
// output samples, in which its bin b is b 125 / gcd(S, 125).
struct OutputPeriod {
    EnvelopePeriod analysis;
    Tones tones;
    std::size_t samples;
    std::int64_t binScale;
};

OutputPeriod outputPeriodOf(const Tones& tones) {
    EnvelopePeriod analysis = envelopePeriodOf(tones);
    const std::int64_t steps =
        kStepsPerSecond / static_cast<std::int64_t>(kCarrierHertz) * analysis.carrierPeriods;
    const std::int64_t divisor = std::gcd(steps, ReceiverOutputStream::kStride);
    Tones analysed = analysis.analysed(tones);
    return {std::move(analysis), std::move(analysed), static_cast<std::size_t>(steps / divisor),
            ReceiverOutputStream::kStride / divisor};
}

// The root of the sum of the tones' squared amplitudes in a period of the
// output: the amplitude of one tone of the same power.
double tonesIn(const std::vector<double>& period, const OutputPeriod& output,
               const std::vector<Complex>& roots) {
    double amplitude = 0.0;
    for (const std::int64_t turns : output.analysis.turns) {
        amplitude = std::hypot(amplitude, std::abs(binOf(period, turns * output.binScale, roots)));
    }
    return amplitude;
}

// The tones that rounding leaves in a period of an envelope that holds none.
constexpr double kEnvelopeRounding = 1e-12;

// An ideal envelope detector's S/N, |c + e| for the received complex
// envelope c over the period and the noise's e of E|e|² = noisePower, in
// theory: its tones from the Rice mean of |c + e| at each point; its noise
// from the variance about that mean, |c|² + E|e|² - mean². The part of it
// that follows e's component along c, (E cos theta)² E|e|² / 2, lies in the
// audio band as that component does; the rest, the noise's products with
// itself, spreads over twice the band as a triangle, three quarters of it
// within. None without tones, as in DSB, whose envelope repeats at twice
// the tone.
std::optional<double> idealEnvelopeRatio(const std::vector<Complex>& received, double noisePower,
                                         const OutputPeriod& period,
                                         const std::vector<Complex>& roots) {
    std::vector<double> mean(received.size());
    double noise = 0.0;
    double largest = 0.0;
    for (std::size_t k = 0; k < received.size(); ++k) {
        const double c = std::abs(received[k]);
        largest = std::max(largest, c);
        mean[k] = riceMean(c, noisePower);
        const double along = squared(riceCosineMean(c, noisePower)) * noisePower / 2.0;
        const double variance = squared(c) + noisePower - squared(mean[k]);
        noise += along + 0.75 * std::max(0.0, variance - along);
    }
    noise /= static_cast<double>(received.size());
    const double tones = tonesIn(mean, period, roots);
    if (tones <= kEnvelopeRounding * largest) {
        return std::nullopt;
    }
    return ratio(squared(tones) / 2.0, noise);
}

// The envelope detector with noise: its average period's components, the
// root of its tones' squared amplitudes, the noise about that period, and
// what theory gives an ideal envelope detector.
struct EnvelopeNoise {
    std::vector<AudioComponent> components;
    double tones = 0.0;
    BandNoise noise{};
    std::optional<double> idealRatio;
};

// Under the guard. With tones that the envelope detector's analysis moves,
// the stretch is measured with the moved tones, whose output repeats.
EnvelopeNoise measureEnvelope(const ParameterValues& values, std::size_t blocks) {
    const UnitNoise& unit = unitNoise(receiverBandOf(values.BliSiNo, values.BlsSiNo), blocks);
    const double ruido = std::abs(values.ruido);
    // The noise from sample from on, count samples of it, at this ruido.
    const auto noise = [&unit, ruido](std::size_t from, std::size_t count) {
        std::vector<Complex> scaled(count);
        std::transform(unit.envelope.begin() + static_cast<std::ptrdiff_t>(from),
                       unit.envelope.begin() + static_cast<std::ptrdiff_t>(from + count),
                       scaled.begin(), [ruido](const Complex& e) { return ruido * e; });
        return scaled;
    };
    ParameterValues envelopeOn = values;
    envelopeOn.envelope = 1.0;
    const Tones tones = modulatingTones(values);
    const OutputPeriod period = outputPeriodOf(tones);
    ReceiverOutputStream stream = ReceiverOutputStream::repeating(envelopeOn, kMeasuredFirstSample);
    const double noisePower = squared(ruido) * unit.power;
    const std::vector<double> average = stream.envelopeAverage(noisePower);
    stream.next(noise(0, kLeadIn));
    // Two blocks at a time; sample n of the stretch is (kLeadIn + n) % period
    // of the average period.
    std::vector<double> bandPowers;
    std::vector<double> residue(2 * kAudioBlock);
    for (std::size_t block = 0; block < blocks; block += 2) {
        const std::vector<ReceiverOutput> out =
            stream.next(noise(kLeadIn + block * kAudioBlock, residue.size()));
        for (std::size_t n = 0; n < residue.size(); ++n) {
            residue[n] =
                out[n].envelope - average.at((kLeadIn + block * kAudioBlock + n) % average.size());
        }
        const auto [a, b] = audioBandBins(blockOf(residue, 0), blockOf(residue, 1));
        bandPowers.push_back(bandPower(a, a));
        bandPowers.push_back(bandPower(b, b));
    }
    EnvelopeNoise measured;
    const EnvelopeSpectrum spectrum = envelopeSpectrum(values, tones);
    const std::vector<Complex> roots = rootsOf(average.size());
    for (std::size_t k = 0; k < spectrum.bins.size(); ++k) {
        measured.components.push_back({spectrum.components[k].hertz,
                                       binOf(average, spectrum.bins[k] * period.binScale, roots)});
    }
    measured.tones = tonesIn(average, period, roots);
    measured.noise = overBlocks(bandPowers);
    measured.idealRatio = idealEnvelopeRatio(stream.receivedPeriod(), noisePower, period, roots);
    return measured;
}

// The setting's envelope detector with noise, measured once for the redraws
// and the readout that ask again. Under the guard.
const EnvelopeNoise& envelopeNoise(const ParameterValues& values) {
    static std::optional<std::array<double, 7>> lastAsked;
    static EnvelopeNoise last;
    const std::array<double, 7> asked{values.mdl,  values.Vcc,   values.BliSiNo, values.BlsSiNo,
                                      values.tono, values.tono2, values.ruido};
    if (lastAsked != asked) {
        last = measureEnvelope(values, kReadoutBlocks);
        lastAsked = asked;
    }
    return last;
}

// The product detector's clean tones: the root of the squared amplitudes of
// its output's components at the tones, over a period of the analysed tones.
double productTone(const ParameterValues& values) {
    ParameterValues clean = values;
    clean.envelope = 0.0;
    const OutputPeriod period = outputPeriodOf(modulatingTones(values));
    ReceiverOutputStream stream(clean, period.tones, kMeasuredFirstSample);
    const std::vector<ReceiverOutput> out = stream.next(std::vector<Complex>(period.samples));
    std::vector<double> samples(out.size());
    std::transform(out.begin(), out.end(), samples.begin(),
                   [](const ReceiverOutput& sample) { return sample.product; });
    return tonesIn(samples, period, rootsOf(samples.size()));
}

// The tone counts as detected when it reaches a tenth of the best audio and
// stands out of the noise: three times the spread that the noise alone gives
// a 1 kHz component measured over the stretch of T seconds, sqrt(2 P / (W T)).
std::optional<MeasuredRatio> measuredRatio(double tone, const BandNoise& noise, double tenth,
                                           double seconds) {
    const double spread = std::sqrt(2.0 * noise.power / (kAudioBandwidthHz * seconds));
    if (tenth <= 0.0 || tone < std::max(tenth, 3.0 * spread)) {
        return std::nullopt;
    }
    const std::optional<double> measured = ratio(squared(tone) / 2.0, noise.power);
    if (!measured) {
        return std::nullopt;
    }
    return MeasuredRatio{*measured, 10.0 / std::numbers::ln10 * noise.spread / noise.power};
}

// A tenth of the product detector's best audio, (|m| / 4)(|Li| + |Ls|) of
// each tone, their root sum of squares.
double tenthOfBest(const ParameterValues& values) {
    double best = 0.0;
    for (const Tone& tone : modulatingTones(values)) {
        best = std::hypot(best, std::abs(tone.amplitude) / 4.0 *
                                    (std::abs(values.BliSiNo) + std::abs(values.BlsSiNo)));
    }
    return best / 10.0;
}

// The product detector's S/N over a stretch of so many blocks. Under the guard.
std::optional<MeasuredRatio> productRatio(const ParameterValues& values, std::size_t blocks) {
    BandNoise product = productNoiseAt(
        unitNoise(receiverBandOf(values.BliSiNo, values.BlsSiNo), blocks), values.fase);
    product.power *= squared(values.ruido);
    product.spread *= squared(values.ruido);
    return measuredRatio(productTone(values), product, tenthOfBest(values), secondsOf(blocks));
}

NoiseReadout measure(const ParameterValues& values) {
    NoiseReadout readout{receiverBandOf(values.BliSiNo, values.BlsSiNo), noiseTheory(values),
                         std::nullopt, std::nullopt};
    // A ruido too small for its square to be a double: there is no noise to measure.
    if (readout.theory.noisePower == 0.0) {
        return readout;
    }
    const std::scoped_lock lock(guard());
    readout.audioMeasured = productRatio(values, kReadoutBlocks);
    if (values.envelope != 0.0) {
        const EnvelopeNoise& envelope = envelopeNoise(values);
        readout.envelopeMeasured = measuredRatio(envelope.tones, envelope.noise,
                                                 tenthOfBest(values), secondsOf(kReadoutBlocks));
    }
    return readout;
}

} // namespace

NoiseTheory noiseTheory(const ParameterValues& v) {
    NoiseTheory theory;
    const Tones tones = modulatingTones(v);
    // The tones' A = m/2 as one of the same power.
    double A = 0.0;
    for (const Tone& tone : tones) {
        A = std::hypot(A, tone.amplitude / 2.0);
    }
    const double lower = sumOverTones(tones, [&v](const Tone& t) {
        const double half = t.amplitude / 2.0;
        return squared(v.BliSiNo * half);
    });
    const double upper = sumOverTones(tones, [&v](const Tone& t) {
        const double half = t.amplitude / 2.0;
        return squared(v.BlsSiNo * half);
    });
    theory.receivedPower = squared(v.Vcc) / 2.0 + lower / 2.0 + upper / 2.0;
    theory.noisePower = ChannelNoise(receiverBandOf(v.BliSiNo, v.BlsSiNo), v.ruido).power();
    const double phi = 8.0 * std::atan(1.0) * v.fase / 360.0;
    const double square = sidebandAudioSquare(v.BliSiNo, v.BlsSiNo, phi);
    theory.toneAmplitude = square < kNoAudio ? 0.0 : std::abs(A) / 2.0 * std::sqrt(square);
    theory.inputRatio = ratio(theory.receivedPower, theory.noisePower);
    theory.audioRatio = ratio(2.0 * squared(theory.toneAmplitude), theory.noisePower);
    // The noise cancels out of the figure of merit, (2a² / P_N) / (P_R B / (P_N W)):
    // left out, it cannot carry the figure beyond the doubles when it is faint.
    if (theory.audioRatio) {
        const double bandwidths =
            kAudioBandwidthHz / receiverBandwidthHz(receiverBandOf(v.BliSiNo, v.BlsSiNo));
        const std::optional<double> share =
            ratio(2.0 * squared(theory.toneAmplitude), theory.receivedPower);
        theory.figureOfMerit = share ? std::optional(*share * bandwidths) : std::nullopt;
    }
    return theory;
}

std::optional<NoiseReadout> measureNoise(const ParameterValues& values) {
    if (values.ruido == 0.0) {
        return std::nullopt;
    }
    return measure(values);
}

DetectorRatios measureDetectors(const ParameterValues& values, std::size_t blocks) {
    DetectorRatios ratios;
    if (noiseTheory(values).noisePower == 0.0) {
        return ratios;
    }
    const std::scoped_lock lock(guard());
    ratios.product = productRatio(values, blocks);
    const EnvelopeNoise envelope = measureEnvelope(values, blocks);
    ratios.envelope =
        measuredRatio(envelope.tones, envelope.noise, tenthOfBest(values), secondsOf(blocks));
    ratios.envelopeTheory = envelope.idealRatio;
    return ratios;
}

std::vector<AudioComponent> envelopeComponentsWithNoise(const ParameterValues& values) {
    const std::scoped_lock lock(guard());
    return envelopeNoise(values).components;
}

std::array<double, kEnvelopeHarmonics> envelopeHarmonicsWithNoise(const ParameterValues& values) {
    const std::vector<AudioComponent> components = envelopeComponentsWithNoise(values);
    const double tone = modulatingTones(values).front().hertz;
    std::array<double, kEnvelopeHarmonics> amplitudes{};
    for (std::size_t h = 0; h < kEnvelopeHarmonics; ++h) {
        const double hertz = static_cast<double>(h + 1) * tone;
        const auto at = std::find_if(components.begin(), components.end(),
                                     [hertz](const AudioComponent& c) { return c.hertz == hertz; });
        amplitudes.at(h) = at == components.end() ? 0.0 : std::abs(at->phasor);
    }
    return amplitudes;
}

} // namespace amsim
