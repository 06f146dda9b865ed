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
    // The channel's noise as an oscilloscope's persistence keeps it: a few
    // instants of each of the sweeps that started at the whole milliseconds
    // before the screen's, far enough apart to be nearly independent. The
    // trigger stands the signal still, so a point at the screen's sample k
    // is trajectory[k] and that instant's noise. Empty without noise.
    struct CloudPoint {
        std::size_t sample;
        Complex value;
    };
    std::vector<CloudPoint> cloud;
    // The product detector's axis at the screen's first and last instant, in
    // degrees from I.
    double axisAtStart;
    double axisAtEnd;
};

// The noise's cloud: so many sweeps, and instants of each, a tenth of the
// screen apart (160 µs at the start), where one sweep's samples would follow
// one slow curve.
inline constexpr std::size_t kPersistentSweeps = 64;
inline constexpr std::size_t kCloudPointsPerSweep = 10;

// How many instants the screen is sampled at: the envelope varies within
// 3 kHz, which 400 samples follow at every time base.
inline constexpr std::size_t kEnvelopeSamples = 400;

// The screen at the bench's instant (seconds), whose span the time base sets.
ComplexEnvelope complexEnvelope(const ParameterValues& values, TimeBase base, double instant,
                                std::size_t count = kEnvelopeSamples);

} // namespace amsim
