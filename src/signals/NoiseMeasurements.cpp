#include "signals/NoiseMeasurements.h"

#include "signals/ReceiverOutputStream.h"
#include "signals/Signals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

namespace amsim {

namespace {

constexpr std::size_t kPeriod = 48; // samples of one tone period at 48 kHz
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
    const double reference = theory.noisePower /
                             receiverBandwidthHz(receiverBandOf(v.BliSiNo, v.BlsSiNo)) *
                             kAudioBandwidthHz;
    if (theory.audioRatio) {
        theory.figureOfMerit = ratio(*theory.audioRatio, theory.receivedPower / reference);
    }
    return theory;
}

ToneAndNoise separateTone(const std::vector<double>& output) {
    const std::size_t periods = output.size() / kPeriod;
    std::array<double, kPeriod> average{};
    for (std::size_t n = 0; n < periods * kPeriod; ++n) {
        average.at(n % kPeriod) += output[n] / static_cast<double>(periods);
    }
    std::complex<double> tone;
    const double step = 8.0 * std::atan(1.0) / kPeriod;
    for (std::size_t n = 0; n < kPeriod; ++n) {
        tone += average.at(n) * std::polar(1.0, -step * static_cast<double>(n));
    }
    double residue = 0.0;
    for (std::size_t n = 0; n < periods * kPeriod; ++n) {
        residue += squared(output[n] - average.at(n % kPeriod));
    }
    // The average holds 1 / periods of the noise's power: what is left lacks it.
    const auto samples = static_cast<double>(periods * kPeriod);
    const double correction = static_cast<double>(periods) / static_cast<double>(periods - 1);
    return {2.0 * std::abs(tone) / kPeriod, residue / samples * correction};
}

std::optional<NoiseReadout> measureNoise(const ParameterValues& values, std::int64_t firstSample) {
    if (values.ruido == 0.0) {
        return std::nullopt;
    }
    NoiseReadout readout{receiverBandOf(values.BliSiNo, values.BlsSiNo), noiseTheory(values),
                         std::nullopt, std::nullopt};
    // A ruido too small for its square to be a double: there is no noise to measure.
    if (readout.theory.noisePower == 0.0) {
        return readout;
    }
    ReceiverOutputStream stream(values, firstSample);
    const std::vector<ReceiverOutput> second = stream.next(kSecond);
    std::vector<double> product(kSecond);
    std::vector<double> envelope(kSecond);
    std::transform(second.begin(), second.end(), product.begin(),
                   [](const ReceiverOutput& out) { return out.product; });
    std::transform(second.begin(), second.end(), envelope.begin(),
                   [](const ReceiverOutput& out) { return out.envelope; });
    // The product detector's best audio, (|m| / 4)(|Li| + |Ls|), a tenth of it.
    const double tenth =
        std::abs(values.mdl) / 4.0 * (std::abs(values.BliSiNo) + std::abs(values.BlsSiNo)) / 10.0;
    readout.audioMeasured = measuredRatio(separateTone(product), tenth);
    if (values.envelope != 0.0) {
        readout.envelopeMeasured = measuredRatio(separateTone(envelope), tenth);
    }
    return readout;
}

} // namespace amsim
