#include "signals/ScreenEnvelope.h"

#include "signals/EnvelopeDetector.h"

#include <algorithm>
#include <cmath>

namespace amsim {

namespace {

// Whether the signal repeats every millisecond, as a 1 kHz tone does: the
// detector then settles over the screen's first millisecond.
bool repeatsEachMillisecond(const Tones& tones) {
    return std::all_of(tones.begin(), tones.end(), [](const Tone& tone) {
        return std::fmod(tone.hertz, kStartToneHertz) == 0.0;
    });
}

// The fine samples just before the screen in which the detector settles, as
// many as the noise's settling.
constexpr std::size_t kSettlingSamples = 4000;

} // namespace

EnvelopeSpectrum screenEnvelopeSpectrum(const Sidebands& sides, double V) {
    ParameterValues values{};
    values.Vcc = V;
    values.BliSiNo = sides.Li;
    values.BlsSiNo = sides.Ls;
    return envelopeSpectrum(values, sides.tones);
}

std::vector<double> screenEnvelope(std::vector<double> transmitted, const Sidebands& sides,
                                   double V, double Pi, const ScreenNoise* noise) {
    const auto transmitter = [&](double x) { return transmitterOutput(sides, V, Pi, x); };
    if (repeatsEachMillisecond(sides.tones)) {
        extendToTonePeriod(transmitted, transmitter);
        return noise == nullptr ? detectEnvelope(transmitted) : detectEnvelope(transmitted, *noise);
    }
    std::vector<double> before(kSettlingSamples);
    for (std::size_t n = 0; n < before.size(); ++n) {
        before[n] = transmitter(-static_cast<double>(before.size() - n) * kFineStep);
    }
    return detectEnvelope(before, transmitted, noise == nullptr ? ScreenNoise{} : *noise,
                          screenEnvelopeSpectrum(sides, V).mean);
}

} // namespace amsim
