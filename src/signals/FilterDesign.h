#pragma once

namespace amsim {

// A low-pass filter's impulse response at t samples from its centre: the
// ideal one, 2 fc sinc(2 fc t) for a cut-off of fc cycles per sample, under a
// Kaiser window of parameter beta that is zero from halfLength on. A larger
// beta lowers the stopband (beta 5.65 about 60 dB, 7 about 70 dB) and widens
// the transition.
double kaiserLowPass(double t, double cutoff, double halfLength, double beta);

} // namespace amsim
