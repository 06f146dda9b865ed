#pragma once

#include "core/ParameterValues.h"
#include "signals/Sweep.h"

#include <complex>
#include <cstddef>
#include <vector>

namespace amsim {

// The received signal as its complex envelope over the screen's span, in the
// frame of the reinserted carrier as it would be with no phase error: the
// signal is Re{c(t) e^(i wc t)} turned so that the carrier lies along I.
// There the transmitter's signal is
//   c(t) = V + sum over the tones of (m/2) (Li i e^(-i wm t) - Ls i e^(i wm t)),
// what the envelope detector takes: AM runs along the carrier from V - m to
// V + m, DSB through the origin, each sideband alone circles the carrier's
// tip. The product detector's audio is the projection of the side
// frequencies on the direction e^(i phi), phi the reinserted carrier's phase
// error, which turns with the frequency error across the screen. The
// channel's noise joins as its own complex envelope (ChannelNoise), turned
// into the same frame.
struct ComplexEnvelope {
    using Complex = std::complex<double>;

    Complex carrier;
    // The clean envelope at evenly spaced instants across the screen.
    std::vector<Complex> trajectory;
    // The same instants with the channel's noise added, as an oscilloscope's
    // persistence keeps them: the screen's sweep and the kPersistentSweeps - 1
    // sweeps that started at the whole milliseconds before it, one after the
    // other; point k of each sweep is trajectory[k] and that instant's noise,
    // since the trigger stands the signal still. Empty without noise.
    std::vector<Complex> noisy;
    // The product detector's axis at the screen's first and last instant, in
    // degrees from I.
    double axisAtStart;
    double axisAtEnd;
};

// How many sweeps the noise's cloud keeps: over 16 ms its samples are many
// and nearly independent, where one sweep's follow one slow curve.
inline constexpr std::size_t kPersistentSweeps = 16;

// How many instants the screen is sampled at: the envelope varies within
// 3 kHz, which 400 samples follow at every time base.
inline constexpr std::size_t kEnvelopeSamples = 400;

// The screen at the bench's instant (seconds), whose span the time base sets.
ComplexEnvelope complexEnvelope(const ParameterValues& values, TimeBase base, double instant,
                                std::size_t count = kEnvelopeSamples);

} // namespace amsim
