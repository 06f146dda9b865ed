#include "signals/ChannelNoise.h"

#include "signals/FilterDesign.h"
#include "signals/GaussianNoise.h"
#include "signals/Sine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numeric>

namespace amsim {

namespace {

// A unit phasor at an angle, from the engine's own sine and cosine.
std::complex<double> turnOf(double angle) {
    return {cosine(angle), sine(angle)};
}

using Complex = std::complex<double>;

constexpr std::uint64_t kSeed = 0x616D73696D2D6E73ULL;
constexpr double kBasebandRate = 16000.0;
constexpr std::int64_t kFinePerBaseband = 125; // 2 MHz / 16 kHz
constexpr int kBandTaps = 129;
constexpr int kBandHalf = kBandTaps / 2;
constexpr int kInterpolationTaps = 8;
constexpr int kInterpolationHalf = kInterpolationTaps / 2;
// The carrier and the band centres are multiples of 500 Hz: their phases
// repeat every 4,000 fine samples.
constexpr std::int64_t kPhaseSteps = 4000;

double halfBandHz(ReceiverBand band) {
    return receiverBandwidthHz(band) / 2.0;
}

std::int64_t centreIn500Hz(ReceiverBand band) {
    switch (band) {
    case ReceiverBand::Upper:
        return 43; // 21.5 kHz
    case ReceiverBand::Lower:
        return 37; // 18.5 kHz
    case ReceiverBand::Both:
        break;
    }
    return 40; // 20 kHz
}

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The low-pass to half the band at 16 kHz; its cut-off 250 Hz past the edge
// keeps the band flat.
struct BandTaps {
    std::array<double, kBandTaps> taps{};
    double power = 0.0;

    explicit BandTaps(double halfBand) {
        const double cutoff = (halfBand + 250.0) / kBasebandRate;
        for (int j = 0; j < kBandTaps; ++j) {
            taps.at(static_cast<std::size_t>(j)) =
                kaiserLowPass(j - kBandHalf, cutoff, kBandHalf + 1.0, 5.65);
        }
        power = std::inner_product(taps.begin(), taps.end(), taps.begin(), 0.0);
    }
};

const BandTaps& bandTaps(ReceiverBand band) {
    static const BandTaps wide(halfBandHz(ReceiverBand::Both));
    static const BandTaps narrow(halfBandHz(ReceiverBand::Upper));
    return band == ReceiverBand::Both ? wide : narrow;
}

// The 8 taps of the interpolating sinc for a point fraction of the way from
// one 16 kHz sample to the next, scaled to add up to 1 so no point is louder.
std::array<double, kInterpolationTaps> interpolationTaps(double fraction) {
    std::array<double, kInterpolationTaps> taps{};
    for (int i = 0; i < kInterpolationTaps; ++i) {
        taps.at(static_cast<std::size_t>(i)) = kaiserLowPass(fraction + kInterpolationHalf - 1 - i,
                                                             0.5, kInterpolationHalf + 0.5, 7.0);
    }
    const double sum = std::accumulate(taps.begin(), taps.end(), 0.0);
    std::transform(taps.begin(), taps.end(), taps.begin(), [sum](double tap) { return tap / sum; });
    return taps;
}

// The taps for each of the 125 fine positions between two 16 kHz samples.
struct InterpolationTaps {
    std::array<std::array<double, kInterpolationTaps>, kFinePerBaseband> phase{};

    InterpolationTaps() {
        for (std::size_t p = 0; p < phase.size(); ++p) {
            phase.at(p) = interpolationTaps(static_cast<double>(p) / kFinePerBaseband);
        }
    }
};

struct PhaseTable {
    std::array<Complex, kPhaseSteps> turn{};

    PhaseTable() {
        const double step = 8.0 * std::atan(1.0) / static_cast<double>(kPhaseSteps);
        for (std::size_t m = 0; m < turn.size(); ++m) {
            turn.at(m) = turnOf(step * static_cast<double>(m));
        }
    }
};

// The band-limited complex noise at 16 kHz samples first … first + count - 1.
std::vector<Complex> basebandNoise(ReceiverBand band, std::int64_t first, std::size_t count) {
    static const GaussianNoise generator(kSeed);
    const BandTaps& filter = bandTaps(band);
    std::vector<Complex> white(count + kBandTaps - 1);
    for (std::size_t i = 0; i < white.size(); ++i) {
        const NormalPair pair = generator.pairAt(first - kBandHalf + static_cast<std::int64_t>(i));
        white[i] = {pair.first, pair.second};
    }
    std::vector<Complex> out(count);
    for (std::size_t k = 0; k < count; ++k) {
        Complex sum;
        for (std::size_t j = 0; j < kBandTaps; ++j) {
            sum += filter.taps.at(j) * white[k + kBandTaps - 1 - j];
        }
        out[k] = sum;
    }
    return out;
}

} // namespace

ReceiverBand receiverBandOf(double Li, double Ls) {
    if (Li == 0.0 && Ls != 0.0) {
        return ReceiverBand::Upper;
    }
    if (Ls == 0.0 && Li != 0.0) {
        return ReceiverBand::Lower;
    }
    return ReceiverBand::Both;
}

double receiverBandwidthHz(ReceiverBand band) {
    return band == ReceiverBand::Both ? 2.0 * kAudioBandwidthHz : kAudioBandwidthHz;
}

BandEdges receiverBandEdges(ReceiverBand band) {
    constexpr int kCarrierKilohertz = 20;
    constexpr int kAudioKilohertz = 3;
    return {kCarrierKilohertz - (band == ReceiverBand::Upper ? 0 : kAudioKilohertz),
            kCarrierKilohertz + (band == ReceiverBand::Lower ? 0 : kAudioKilohertz)};
}

ChannelNoise::ChannelNoise(ReceiverBand band, double ruido)
    : band_(band)
    , power_(ruido * ruido * receiverBandwidthHz(band) / 1000.0)
    , gain_(std::sqrt(power_ / bandTaps(band).power)) {}

std::vector<double> ChannelNoise::samples(std::int64_t first, std::size_t count) const {
    std::vector<double> out(count, 0.0);
    if (power_ == 0.0 || count == 0) {
        return out;
    }
    static const InterpolationTaps interpolation;
    static const PhaseTable phases;
    const std::int64_t last = first + static_cast<std::int64_t>(count) - 1;
    const std::int64_t firstBase = floorDivide(first, kFinePerBaseband) - kInterpolationHalf + 1;
    const std::int64_t lastBase = floorDivide(last, kFinePerBaseband) + kInterpolationHalf;
    const std::vector<Complex> z =
        basebandNoise(band_, firstBase, static_cast<std::size_t>(lastBase - firstBase + 1));
    const std::int64_t centre = centreIn500Hz(band_);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t n = first + static_cast<std::int64_t>(i);
        const std::int64_t base = floorDivide(n, kFinePerBaseband);
        const auto& taps =
            interpolation.phase.at(static_cast<std::size_t>(n - base * kFinePerBaseband));
        const auto start = static_cast<std::size_t>(base - kInterpolationHalf + 1 - firstBase);
        Complex value;
        for (std::size_t j = 0; j < kInterpolationTaps; ++j) {
            value += taps.at(j) * z[start + j];
        }
        const auto turn =
            static_cast<std::size_t>(((centre * n) % kPhaseSteps + kPhaseSteps) % kPhaseSteps);
        out[i] = gain_ * (value * phases.turn.at(turn)).real();
    }
    return out;
}

std::vector<Complex> ChannelNoise::envelope(std::int64_t firstStep, std::int64_t stride,
                                            std::size_t count) const {
    constexpr std::int64_t kStepsPerBase = kFinePerBaseband * kStepsPerFineSample;
    std::vector<Complex> out(count);
    if (power_ == 0.0 || count == 0) {
        return out;
    }
    const std::int64_t last = firstStep + stride * static_cast<std::int64_t>(count - 1);
    const std::int64_t firstBase = floorDivide(firstStep, kStepsPerBase) - kInterpolationHalf + 1;
    const std::int64_t lastBase = floorDivide(last, kStepsPerBase) + kInterpolationHalf;
    const std::vector<Complex> z =
        basebandNoise(band_, firstBase, static_cast<std::size_t>(lastBase - firstBase + 1));
    // The band's centre less the carrier, in turns per 12,000 steps.
    const std::int64_t offset = centreIn500Hz(band_) - 40;
    const double turn = 8.0 * std::atan(1.0) / 12000.0;
    std::vector<std::array<double, kInterpolationTaps>> taps(kStepsPerBase);
    std::vector<bool> made(kStepsPerBase, false);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t step = firstStep + stride * static_cast<std::int64_t>(i);
        const std::int64_t base = floorDivide(step, kStepsPerBase);
        const auto within = static_cast<std::size_t>(step - base * kStepsPerBase);
        if (!made[within]) {
            taps[within] = interpolationTaps(static_cast<double>(within) / kStepsPerBase);
            made[within] = true;
        }
        const auto start = static_cast<std::size_t>(base - kInterpolationHalf + 1 - firstBase);
        Complex value;
        for (std::size_t j = 0; j < kInterpolationTaps; ++j) {
            value += taps[within].at(j) * z[start + j];
        }
        const std::int64_t phase = ((offset * step) % 12000 + 12000) % 12000;
        out[i] = gain_ * value * turnOf(turn * static_cast<double>(phase));
    }
    return out;
}

ScreenNoise screenNoise(const ChannelNoise& noise, std::int64_t first, std::size_t count) {
    constexpr std::int64_t kSettling = 4000;
    return {noise.samples(first - kSettling, kSettling), noise.samples(first, count)};
}

} // namespace amsim
