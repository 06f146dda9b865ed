#include "signals/SignalTable.h"

#include "core/Error.h"
#include "core/Results.h"
#include "signals/ChannelNoise.h"
#include "signals/EnvelopeDetector.h"
#include "signals/ScreenEnvelope.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <utility>

namespace amsim {

namespace {

std::vector<SignalSample> sampleAll(const Tones& tones, double V, double Ls, double Li,
                                    const ScreenPhase& phase, double Pi, const ScreenNoise* noise,
                                    TimeBase base) {
    const Sidebands sides{Li, Ls, tones};

    std::vector<SignalSample> table;
    DetectorSmoothing smoothing;
    const FineSweep fine(base, commonPeriodSamples(tones));
    table.reserve(fine.count());
    fine.run([&](const FineTime& t) {
        const double x = t.within;
        const std::optional<double> n =
            noise == nullptr ? std::nullopt : std::optional(noise->screen[t.n]);
        const double F = phase.at(t.x);
        const double product =
            finiteResult(n ? reinsertedCarrier(F, Pi, x) * (receivedSignal(sides, V, Pi, x) + *n)
                           : detectorProduct(sides, V, F, Pi, x));
        table.push_back({base.columnOf(t.x), t.x / kColumnsPerMillisecond,
                         finiteResult(generatorOutput(tones, V, Pi, x)),
                         finiteResult(carrier(V, Pi, x)),
                         finiteResult(upperSideFrequency(Ls, tones, Pi, x)),
                         finiteResult(lowerSideFrequency(Li, tones, Pi, x)),
                         finiteResult(transmitterOutput(sides, V, Pi, x)), product,
                         finiteResult(smoothing.next(product)), std::nullopt, n});
    });
    return table;
}

void addEnvelope(std::vector<SignalSample>& table, const ScreenNoise* noise, const Sidebands& sides,
                 double V, double Pi) {
    std::vector<double> transmitted(table.size());
    std::transform(table.begin(), table.end(), transmitted.begin(),
                   [](const SignalSample& row) { return row.transmitter; });
    const std::vector<double> detected =
        screenEnvelope(std::move(transmitted), sides, V, Pi, noise);
    for (std::size_t n = 0; n < table.size(); ++n) {
        table[n].envelope = finiteResult(detected[n]);
    }
}

} // namespace

std::vector<SignalSample> sampleSignals(ParameterReader& parameters, const WindowValues& window,
                                        double instant) {
    const double m = parameters.read(Parameter::Modulante);
    const double V = parameters.read(Parameter::Vcc);
    const double Ls = parameters.read(Parameter::BlsSiNo);
    const double Li = parameters.read(Parameter::BliSiNo);
    const double F = parameters.read(Parameter::Fase);
    const double envelope = parameters.read(Parameter::Envelope);
    const double ruido = parameters.read(Parameter::Ruido);
    // The scales change no sample, but a box that holds no number stops the
    // table as it stops the picture.
    parameters.read(Parameter::Escalas);
    const double df = parameters.read(Parameter::Df);
    const Tones tones =
        modulatingTones(m, parameters.read(Parameter::Tono), parameters.read(Parameter::Tono2));
    const double base = parameters.read(Parameter::Base);
    // Nor does the analyser's switch.
    parameters.read(Parameter::Analizador);
    const ScreenPhase phase{F, df, screenMillisecond(instant)};
    const TimeBase timeBase = TimeBase::ofMillisecondsPerDivision(base);
    try {
        std::optional<ScreenNoise> noise;
        if (ruido != 0.0) {
            const std::size_t count = FineSweep(timeBase, 0).count();
            noise = screenNoise(ChannelNoise(receiverBandOf(Li, Ls), ruido),
                                screenFirstSample(instant), std::max(count, kToneSamples));
        }
        const ScreenNoise* shared = noise ? &*noise : nullptr;
        std::vector<SignalSample> table =
            sampleAll(tones, V, Ls, Li, phase, window.Pi, shared, timeBase);
        if (envelope != 0.0) {
            addEnvelope(table, shared, Sidebands{Li, Ls, tones}, V, window.Pi);
        }
        return table;
    } catch (const Error& error) {
        rethrowNamingTheLargest(error, {m, V, Li, Ls, F, envelope, ruido, std::nullopt, df,
                                        std::nullopt, std::nullopt, base});
    }
}

} // namespace amsim
