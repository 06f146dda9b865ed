#include "signals/ReceiverOutputStream.h"

#include "core/WindowValues.h"
#include "signals/EnvelopeDetector.h"
#include "signals/FilterDesign.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace amsim {

namespace {

constexpr std::int64_t kAverage = 5; // 2 MHz to 400 kHz
constexpr std::int64_t kUp = 3;      // 400 kHz to 48 kHz is 3 / 25
constexpr std::int64_t kDown = 25;
constexpr int kTaps = 160;
constexpr int kHalf = kTaps / 2;
constexpr std::int64_t kSettling = 4000;                  // 2 ms of fine samples
constexpr std::int64_t kFineBlock = kAverage * kSettling; // fine samples run at a time
constexpr auto kPeriod = static_cast<std::int64_t>(kToneSamples);

struct DecimationTaps {
    std::array<std::array<double, kTaps>, kUp> phase{};

    DecimationTaps() {
        const double cutoff = 22000.0 / 400000.0;
        for (std::size_t p = 0; p < phase.size(); ++p) {
            const double fraction = static_cast<double>(p) / kUp;
            auto& taps = phase.at(p);
            for (int i = 0; i < kTaps; ++i) {
                taps.at(static_cast<std::size_t>(i)) =
                    kaiserLowPass(fraction + kHalf - 1 - i, cutoff, kHalf + 0.5, 7.0);
            }
            const double sum = std::accumulate(taps.begin(), taps.end(), 0.0);
            std::transform(taps.begin(), taps.end(), taps.begin(),
                           [sum](double tap) { return tap / sum; });
        }
    }
};

std::int64_t inPeriod(std::int64_t n) {
    return ((n % kPeriod) + kPeriod) % kPeriod;
}

} // namespace

ReceiverOutputStream::ReceiverOutputStream(const ParameterValues& values, std::int64_t firstSample)
    : noise_(receiverBandOf(values.BliSiNo, values.BlsSiNo), values.ruido)
    , envelopeOn_(values.envelope != 0.0)
    , fineStart_(firstSample - kSettling - kAverage * kHalf)
    , offset400_((kSettling + kAverage * kHalf) / kAverage) {
    const WindowValues window;
    const Sidebands sides{values.BliSiNo, values.mdl * 0.5, values.BlsSiNo, values.mdl * 0.5};
    for (std::int64_t n = 0; n < kPeriod; ++n) {
        const double x = static_cast<double>(n) * kFineStep;
        reinserted_.push_back(reinsertedCarrier(values.fase, window.Pi, x));
        received_.push_back(receivedSignal(sides, values.Vcc, window.Pi, x));
        transmitted_.push_back(transmitterOutput(sides, values.Vcc, window.Pi, x));
    }
}

void ReceiverOutputStream::runFineChain(std::int64_t until400) {
    const std::int64_t have = first400_ + static_cast<std::int64_t>(product400_.size());
    const std::int64_t perBlock = kFineBlock / kAverage;
    const std::int64_t blocks = (until400 - have + perBlock - 1) / perBlock;
    for (std::int64_t b = 0; b < blocks; ++b) {
        const std::int64_t fine = fineStart_ + (have + b * perBlock) * kAverage;
        const std::vector<double> noise = noise_.samples(fine, kFineBlock);
        for (std::int64_t i = 0; i < kFineBlock; i += kAverage) {
            double product = 0.0;
            double envelope = 0.0;
            for (std::int64_t k = i; k < i + kAverage; ++k) {
                const double n = noise[static_cast<std::size_t>(k)];
                const auto at = static_cast<std::size_t>(inPeriod(fine + k));
                product += smoothing_.next(reinserted_[at] * (received_[at] + n));
                if (envelopeOn_) {
                    envelope += envelope_.next(transmitted_[at] + n);
                }
            }
            product400_.push_back(product / kAverage);
            envelope400_.push_back(kEnvelopeGain * envelope / kAverage);
        }
    }
}

std::vector<ReceiverOutput> ReceiverOutputStream::next(std::size_t count) {
    static const DecimationTaps decimation;
    const auto last = nextOutput_ + static_cast<std::int64_t>(count) - 1;
    runFineChain((kUp * offset400_ + kDown * last) / kUp + kHalf + 1);
    std::vector<ReceiverOutput> out;
    out.reserve(count);
    for (std::size_t j = 0; j < count; ++j, ++nextOutput_) {
        const std::int64_t position = kUp * offset400_ + kDown * nextOutput_;
        const auto& taps = decimation.phase.at(static_cast<std::size_t>(position % kUp));
        const auto start = static_cast<std::size_t>(position / kUp - kHalf + 1 - first400_);
        double product = 0.0;
        double envelope = 0.0;
        for (std::size_t i = 0; i < kTaps; ++i) {
            product += taps.at(i) * product400_[start + i];
            envelope += taps.at(i) * envelope400_[start + i];
        }
        out.push_back({product, envelope});
    }
    const std::int64_t keepFrom = (kUp * offset400_ + kDown * nextOutput_) / kUp - kHalf;
    const auto drop = static_cast<std::ptrdiff_t>(keepFrom - first400_);
    product400_.erase(product400_.begin(), product400_.begin() + drop);
    envelope400_.erase(envelope400_.begin(), envelope400_.begin() + drop);
    first400_ = keepFrom;
    return out;
}

} // namespace amsim
