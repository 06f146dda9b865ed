#pragma once

#include "core/Parameters.h"
#include "core/WindowValues.h"

#include <optional>
#include <vector>

namespace amsim {

// The bench's signals at one instant of the fine time base, as the display
// computes them.
struct SignalSample {
    double x;            // where the screen draws it: its column
    double milliseconds; // its time from the screen's left edge
    double generator;
    double carrier;
    double upperSide;
    double lowerSide;
    double transmitter;
    double detector;                // the product, before smoothing
    double detectedAudio;           // the product after both smoothers
    std::optional<double> envelope; // the envelope detector's output, when it is on
    std::optional<double> noise;    // the channel's noise at the detectors' input, when ruido is on
};

// Every signal at every sample of the fine time base across the screen at the
// bench's instant (seconds): 3,195 samples from x 0 at the start's time base,
// ten times as many at 2 ms per division, the still signals at their time
// within their common period as the screen draws them,
// with the parameters read once each in the order the redraw reads them; the
// envelope detector's output only when it is on, the noise only when ruido is
// not 0 (and then in the detectors' columns too).
// Throws amsim::Error, like the redraw, when a parameter does not convert
// or a value is not finite.
std::vector<SignalSample> sampleSignals(ParameterReader& parameters, const WindowValues& window,
                                        double instant = 0.0);

} // namespace amsim
