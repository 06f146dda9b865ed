#include "signals/ComplexEnvelope.h"

#include "signals/ChannelNoise.h"
#include "signals/ScreenStart.h"
#include "signals/Signals.h"
#include "signals/Sine.h"
#include "signals/Tones.h"

#include <cmath>
#include <cstdint>

namespace amsim {

namespace {

using Complex = ComplexEnvelope::Complex;

// The carrier's frame turned a quarter turn: the carrier, V sin(wc t), is
// -iV about cos(wc t), and lies along I once multiplied by i.
constexpr Complex kToCarrierFrame{0.0, 1.0};

// The side frequencies at x (columns from the screen's left edge), the time
// the transmitter's traces are drawn at: each tone's phase as on screen.
Complex sideFrequencies(const Sidebands& sides, double Pi, double x) {
    return kToCarrierFrame * sideFrequencyEnvelope(sides, [Pi, x](const Tone& tone) {
               const double angle = x * Pi * factorOf(tone.hertz);
               return Complex(cosine(angle), sine(angle));
           });
}

} // namespace

ComplexEnvelope complexEnvelope(const ParameterValues& values, TimeBase base, double instant,
                                std::size_t count) {
    const double Pi = 4.0 * std::atan(1.0);
    const Sidebands sides{values.BliSiNo, values.BlsSiNo, modulatingTones(values)};
    const double last = base.lastTime();
    // The instants are whole steps of the noise's 1/6 MHz apart, 15 a column
    // of x (2.5 µs), so that the clean envelope and its noise are of one time.
    constexpr double kStepsPerColumn = 15.0;
    const auto stride = static_cast<std::int64_t>(
        count > 1 ? std::floor(last * kStepsPerColumn / static_cast<double>(count - 1)) : 0.0);
    const double step = static_cast<double>(stride) / kStepsPerColumn;
    ComplexEnvelope envelope{Complex(values.Vcc, 0.0), {}, {}, 0.0, 0.0};
    envelope.trajectory.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        envelope.trajectory.push_back(envelope.carrier +
                                      sideFrequencies(sides, Pi, step * static_cast<double>(k)));
    }
    const ScreenPhase phase{values.fase, values.df, screenMillisecond(instant)};
    envelope.axisAtStart = phase.at(0.0);
    // The turn across the screen itself, not the difference of two phases
    // that are each reduced to within a turn.
    envelope.axisAtEnd =
        envelope.axisAtStart + 360.0 * values.df * last / kColumnsPerMillisecond / 1000.0;
    if (values.ruido != 0.0 && count > 0) {
        const ChannelNoise noise(receiverBandOf(values.BliSiNo, values.BlsSiNo), values.ruido);
        const std::size_t apart = count / kCloudPointsPerSweep;
        envelope.cloud.reserve(kPersistentSweeps * kCloudPointsPerSweep);
        for (std::size_t earlier = 0; earlier < kPersistentSweeps && apart > 0; ++earlier) {
            // Each sweep's instants a little later than the last one's.
            const std::size_t offset = (earlier * 7) % apart;
            const auto start = screenFirstSample(instant) -
                               static_cast<std::int64_t>(earlier) * kFineSamplesPerMillisecond;
            const std::vector<Complex> e = noise.envelope(
                start * kStepsPerFineSample + static_cast<std::int64_t>(offset) * stride,
                static_cast<std::int64_t>(apart) * stride, kCloudPointsPerSweep);
            for (std::size_t k = 0; k < kCloudPointsPerSweep; ++k) {
                const std::size_t sample = offset + k * apart;
                envelope.cloud.push_back(
                    {sample, envelope.trajectory[sample] + kToCarrierFrame * e[k]});
            }
        }
    }
    return envelope;
}

} // namespace amsim
