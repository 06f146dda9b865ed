#pragma once

#include "signals/ChannelNoise.h"
#include "signals/EnvelopeSpectrum.h"
#include "signals/Signals.h"

#include <vector>

namespace amsim {

// The envelope detector's output on screen, in steady state, for the
// transmitter's fine samples from x 0, with the channel's noise where there is
// any. The screen and the samples file both draw it.
std::vector<double> screenEnvelope(std::vector<double> transmitted, const Sidebands& sides,
                                   double V, double Pi, const ScreenNoise* noise);

// The envelope detector's clean audio components, as its spectral lines show
// them.
EnvelopeSpectrum screenEnvelopeSpectrum(const Sidebands& sides, double V);

} // namespace amsim
