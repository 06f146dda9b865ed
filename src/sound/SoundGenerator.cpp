#include "sound/SoundGenerator.h"

#include "signals/ReceiverOutputStream.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>

namespace amsim {

namespace {

// The audio coupling's corner: far enough below the tone that its phase
// shift at 1 kHz (0.6°) keeps the sound within 1 % of the trace.
constexpr double kCouplingHz = 10.0;
const double kCouplingStep = 1.0 - std::exp(-2.0 * std::numbers::pi * kCouplingHz / kSoundRate);
// 10 ms, raised-cosine.
constexpr std::size_t kCrossfade = 480;
// Three sound samples are 125 fine samples: a stream can begin on every third.
constexpr std::int64_t kWholeSamples = 3;
constexpr std::int64_t kFinePerWhole = 125;

float limited(double volts) {
    const double sample = volts / kVoltsAtFullScale;
    if (std::isnan(sample)) {
        return 0.0F;
    }
    return static_cast<float>(std::clamp(sample, -1.0, 1.0));
}

// One setting's sound in volts: its receiver's output through a coupling of
// its own. The coupling starts charged as if the setting's clean output had
// always been playing, so a new setting begins without a step or a thump.
class Voice {
public:
    Voice(const ParameterValues& values, std::int64_t firstSample)
        : stream_(values, firstSample)
        , envelope_(values.envelope != 0.0)
        , charge_(stream_.steadyLowPass(kCouplingStep, envelope_)) {}

    std::vector<double> next(std::size_t count) {
        const std::vector<ReceiverOutput> samples = stream_.next(count);
        std::vector<double> out(samples.size());
        std::transform(
            samples.begin(), samples.end(), out.begin(),
            [this](const ReceiverOutput& s) { return envelope_ ? s.envelope : s.product; });
        for (double& v : out) {
            charge_ += kCouplingStep * (v - charge_);
            v -= charge_;
        }
        return out;
    }

private:
    ReceiverOutputStream stream_;
    bool envelope_;
    double charge_;
};

} // namespace

struct SoundGenerator::State {
    std::int64_t firstSample;
    std::int64_t position = 0;
    Voice current;
    std::optional<Voice> fading; // the old setting's, during a crossfade
    std::size_t faded = 0;
    std::optional<ParameterValues> waiting; // the setting to take over next
    ParameterValues latest;                 // the setting last asked for

    State(const ParameterValues& values, std::int64_t first)
        : firstSample(first)
        , current(values, first)
        , latest(values) {}

    // How many samples the current state lasts from here.
    std::size_t run(std::size_t wanted) const {
        if (fading) {
            return std::min(wanted, kCrossfade - faded);
        }
        if (waiting) {
            return std::min(wanted,
                            static_cast<std::size_t>((kWholeSamples - position % kWholeSamples) %
                                                     kWholeSamples));
        }
        return wanted;
    }

    // A waiting setting takes over on a whole fine sample, once no other fade runs.
    void takeOver() {
        if (!waiting || fading || position % kWholeSamples != 0) {
            return;
        }
        const std::int64_t fine = firstSample + position / kWholeSamples * kFinePerWhole;
        fading.emplace(current);
        current = Voice(*waiting, fine);
        waiting.reset();
        faded = 0;
    }

    void produce(std::size_t count, std::vector<float>& out) {
        std::vector<double> volts = current.next(count);
        if (fading) {
            const std::vector<double> old = fading->next(count);
            for (std::size_t i = 0; i < count; ++i) {
                const double w =
                    0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(faded + i + 1) /
                                         static_cast<double>(kCrossfade + 1));
                volts[i] = w * volts[i] + (1.0 - w) * old[i];
            }
            faded += count;
            if (faded == kCrossfade) {
                fading.reset();
            }
        }
        std::transform(volts.begin(), volts.end(), std::back_inserter(out), limited);
        position += static_cast<std::int64_t>(count);
    }
};

SoundGenerator::SoundGenerator(const ParameterValues& values, std::int64_t firstSample)
    : state_(std::make_unique<State>(values, firstSample)) {}

SoundGenerator::~SoundGenerator() = default;
SoundGenerator::SoundGenerator(SoundGenerator&&) noexcept = default;
SoundGenerator& SoundGenerator::operator=(SoundGenerator&&) noexcept = default;

std::vector<float> SoundGenerator::next(std::size_t count) {
    std::vector<float> out;
    out.reserve(count);
    while (out.size() < count) {
        state_->takeOver();
        const std::size_t run = state_->run(count - out.size());
        state_->produce(run, out);
    }
    return out;
}

// The same setting again (every frame of a live bench asks) changes nothing.
void SoundGenerator::setValues(const ParameterValues& values) {
    if (values == state_->latest) {
        return;
    }
    state_->latest = values;
    state_->waiting = values;
}

std::int64_t SoundGenerator::position() const {
    return state_->position;
}

std::vector<float> soundSamples(const ParameterValues& values, std::int64_t firstSample,
                                std::size_t count) {
    return SoundGenerator(values, firstSample).next(count);
}

} // namespace amsim
