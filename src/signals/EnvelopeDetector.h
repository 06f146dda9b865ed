#pragma once

#include "signals/ChannelNoise.h"
#include "signals/Sweep.h"

#include <complex>
#include <cstddef>
#include <vector>

namespace amsim {

// The fine samples in one period of the tone, 400 px. Every signal of the
// bench repeats with it: all its frequencies are multiples of the tone's.
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

// The amplitude of the tone's harmonic (1 for 1 kHz, 2 for 2 kHz, …) in the
// first tone period of a trace of fine samples, by a discrete Fourier
// transform over those 2000 samples.
double toneHarmonic(const std::vector<double>& trace, int harmonic);
// The same harmonic as a phasor X: the trace holds Re{X e^(i h wm t)}.
std::complex<double> toneHarmonicPhasor(const std::vector<double>& trace, int harmonic);

} // namespace amsim
