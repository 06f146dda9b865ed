#include "signals/NoiseMeasurements.h"

#include "signals/ReceiverOutputStream.h"
#include "signals/Signals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <mutex>
#include <utility>

namespace amsim {

namespace {

constexpr std::size_t kPeriod = ReceiverOutputStream::kPeriod;
constexpr std::size_t kSecond = 48000;
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

// The tone counts as detected when it reaches a tenth of the best audio and
// stands out of the noise: three times the spread that the noise alone gives
// a 1 kHz component measured over the second, sqrt(4 P / samples).
std::optional<double> measuredRatio(const ToneAndNoise& measured, double tenth) {
    const double spread = std::sqrt(4.0 * measured.noisePower / static_cast<double>(kSecond));
    if (tenth <= 0.0 || measured.toneAmplitude < std::max(tenth, 3.0 * spread)) {
        return std::nullopt;
    }
    return ratio(squared(measured.toneAmplitude) / 2.0, measured.noisePower);
}

// One second of the channel's noise envelope at ruido 1 from firstStep, made
// once per band: the readout scales it, as the noise scales with ruido.
const std::vector<std::complex<double>>& unitNoiseSecond(ReceiverBand band,
                                                         std::int64_t firstStep) {
    struct Second {
        std::int64_t firstStep = 0;
        std::vector<std::complex<double>> noise;
    };
    static std::array<Second, 3> seconds;
    Second& second = seconds.at(static_cast<std::size_t>(band));
    if (second.noise.empty() || second.firstStep != firstStep) {
        second = {firstStep, ChannelNoise(band, 1.0).envelope(
                                 firstStep, ReceiverOutputStream::kStride, kSecond)};
    }
    return second.noise;
}

NoiseReadout measure(const ParameterValues& values, std::int64_t firstSample) {
    NoiseReadout readout{receiverBandOf(values.BliSiNo, values.BlsSiNo), noiseTheory(values),
                         std::nullopt, std::nullopt};
    // A ruido too small for its square to be a double: there is no noise to measure.
    if (readout.theory.noisePower == 0.0) {
        return readout;
    }
    const std::vector<std::complex<double>>& unit =
        unitNoiseSecond(readout.band, firstSample * kStepsPerFineSample);
    const double scale = std::abs(values.ruido);
    ReceiverOutputStream stream(values, firstSample);
    ToneSeparation product;
    ToneSeparation envelope;
    std::vector<std::complex<double>> noise(kSecond / 10);
    for (auto from = unit.begin(); from != unit.end();
         from += static_cast<std::ptrdiff_t>(noise.size())) {
        std::transform(from, from + static_cast<std::ptrdiff_t>(noise.size()), noise.begin(),
                       [scale](const std::complex<double>& e) { return scale * e; });
        for (const ReceiverOutput& out : stream.next(noise)) {
            product.add(out.product);
            envelope.add(out.envelope);
        }
    }
    // The product detector's best audio, (|m| / 4)(|Li| + |Ls|), a tenth of it.
    const double tenth =
        std::abs(values.mdl) / 4.0 * (std::abs(values.BliSiNo) + std::abs(values.BlsSiNo)) / 10.0;
    readout.audioMeasured = measuredRatio(product.result(), tenth);
    if (values.envelope != 0.0) {
        readout.envelopeMeasured = measuredRatio(envelope.result(), tenth);
    }
    return readout;
}

} // namespace

NoiseTheory noiseTheory(const ParameterValues& v) {
    NoiseTheory theory;
    const double A = v.mdl / 2.0;
    theory.receivedPower =
        squared(v.Vcc) / 2.0 + squared(v.BliSiNo * A) / 2.0 + squared(v.BlsSiNo * A) / 2.0;
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

void ToneSeparation::add(double sample) {
    sums_.at(count_ % kPeriod) += sample;
    squares_ += squared(sample);
    ++count_;
}

// The noise is what differs from the average period: the squares less the
// periods times the average's squares.
ToneAndNoise ToneSeparation::result() const {
    const std::size_t periods = count_ / kPeriod;
    std::complex<double> tone;
    double averageSquares = 0.0;
    const double step = 8.0 * std::atan(1.0) / kPeriod;
    for (std::size_t n = 0; n < kPeriod; ++n) {
        const double average = sums_.at(n) / static_cast<double>(periods);
        tone += average * std::polar(1.0, -step * static_cast<double>(n));
        averageSquares += squared(average);
    }
    const auto samples = static_cast<double>(periods * kPeriod);
    const double residue = std::max(0.0, squares_ - static_cast<double>(periods) * averageSquares);
    // The average holds 1 / periods of the noise's power: what is left lacks it.
    const double correction = static_cast<double>(periods) / static_cast<double>(periods - 1);
    return {2.0 * std::abs(tone) / kPeriod, residue / samples * correction};
}

ToneAndNoise separateTone(const std::vector<double>& output) {
    ToneSeparation separation;
    for (std::size_t n = 0; n < output.size() / kPeriod * kPeriod; ++n) {
        separation.add(output[n]);
    }
    return separation.result();
}

// A redraw asks again for what it asked before (a live bench, every frame):
// the last readout is kept.
std::optional<NoiseReadout> measureNoise(const ParameterValues& values, std::int64_t firstSample) {
    if (values.ruido == 0.0) {
        return std::nullopt;
    }
    static std::mutex guard;
    static std::optional<std::pair<ParameterValues, std::int64_t>> lastAsked;
    static NoiseReadout lastReadout;
    const std::scoped_lock lock(guard);
    const std::pair asked{values, firstSample};
    if (lastAsked != asked) {
        lastReadout = measure(values, firstSample);
        lastAsked = asked;
    }
    return lastReadout;
}

} // namespace amsim
