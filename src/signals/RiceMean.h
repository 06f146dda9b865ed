#pragma once

namespace amsim {

// The mean magnitude of a phasor of amplitude a plus complex Gaussian noise e
// of power E|e|² = noisePower (each component of variance s² = noisePower/2):
// the mean of the Rice distribution,
//   E|a + e| = s sqrt(pi/2) L(q),  q = a² / (2 s²),
//   L(q) = e^(-q/2) ((1 + q) I0(q/2) + q I1(q/2)),
// I0 and I1 the modified Bessel functions. It is |a| without noise and grows
// towards sqrt(a² + s²) as the noise rises; with no signal it is s sqrt(pi/2).
double riceMean(double amplitude, double noisePower);

// The mean cosine of the phase that the same noise gives the phasor,
//   E cos theta = sqrt(pi q / 4) e^(-q/2) (I0(q/2) + I1(q/2)):
// the share of the noise's component along the phasor that its magnitude
// follows. 1 without noise, 0 without a signal.
double riceCosineMean(double amplitude, double noisePower);

} // namespace amsim
