#pragma once

#include "signals/ChannelNoise.h"
#include "signals/Sweep.h"

#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace amsim {

// The fine samples in one period of a 1 kHz tone, 400 px: what the screen
// shows repeats with it while the tone is 1 kHz.
inline constexpr std::size_t kToneSamples = 2000;

// The transmitter's fine samples from x 0, completed to one tone period
// where the screen holds less (at 0.1 ms per division it holds 0.8 ms): the
// detector settles over that period.
template <class Transmitter>
void extendToTonePeriod(std::vector<double>& samples, Transmitter&& transmitter) {
    double x = 0.0;
    for (std::size_t n = 0; n < kToneSamples; ++n, x += kFineStep) {
        if (n >= samples.size()) {
            samples.push_back(transmitter(x));
        }
    }
}

// Calibrated at 100 % AM (mdl 1, V(cc) 1): the detector's 1 kHz amplitude
// there is 0.788, the product detector's audio 0.495.
inline constexpr double kEnvelopeGain = 0.63;

// The envelope detector's output across the screen, for the transmitter's
// fine samples from x 0 (at least one tone period of them):
//   c   the capacitor: the received value where that is higher, else its
//       own value discharged by e^(-1/200)
//   e   c after the product detector's two smoothers
//   out 0.63 (e - mean of e over a tone period)
// The coupling capacitor takes the mean off, as in a receiver, and the
// factor makes the 1 kHz amplitude at 100 % AM that of the product
// detector's audio with the carrier in phase. The detector is shown in its
// steady state: it first runs twice through the first tone period, which the
// signal repeats before the screen's left edge.
std::vector<double> detectEnvelope(const std::vector<double>& transmitted);
// The same with the channel's noise added to its input, on screen and in the
// settling before it.
std::vector<double> detectEnvelope(const std::vector<double>& transmitted,
                                   const ScreenNoise& noise);
// The same where a period of the signal is longer than the screen's 1 kHz
// period: the detector first settles over before, the transmitter's fine
// samples just before the screen (with the noise's settling added to the
// last of them), and the coupling takes off mean, the steady output's mean
// over a period (EnvelopeSpectrum).
std::vector<double> detectEnvelope(const std::vector<double>& before,
                                   const std::vector<double>& transmitted, const ScreenNoise& noise,
                                   double mean);

// The detector's output over one period of the transmitter's fine samples in
// steady state, before the coupling capacitor: it first runs twice through
// the period.
std::vector<double> steadyEnvelope(const std::vector<double>& period);

// cos and sin of 2 pi n / period for n of one period, made with the engine's
// sine once for the period last asked on each thread.
struct PeriodTable {
    std::vector<double> cosine;
    std::vector<double> sine;

    explicit PeriodTable(std::size_t period);
};
const PeriodTable& periodTable(std::size_t period);

// The amplitude of a 1 kHz tone's harmonic (1 for 1 kHz, 2 for 2 kHz, …) in
// the first 2000 samples of a trace of fine samples.
double toneHarmonic(const std::vector<double>& trace, int harmonic);
// Bin b of the first period fine samples of a trace, by a discrete Fourier
// transform, as a phasor X: the trace holds Re{X e^(i 2 pi b n / period)}.
std::complex<double> periodBinPhasor(const std::vector<double>& trace, std::int64_t bin,
                                     std::size_t period);

} // namespace amsim
