#pragma once

#include "signals/ChannelNoise.h"

#include <cmath>
#include <cstdint>

namespace amsim {

// The turns that a frequency of hertz makes from the bench's start to a
// step, less whole ones: whole seconds and the rest apart, so that a late
// step keeps its precision, and the angle that they make stays within the
// engine's sine's quick reduction.
inline double turnsAt(std::int64_t step, double hertz) {
    const std::int64_t seconds = step / kStepsPerSecond;
    const std::int64_t within = step % kStepsPerSecond;
    const double whole = hertz * static_cast<double>(seconds);
    const double turns = whole - std::trunc(whole) +
                         hertz * static_cast<double>(within) / static_cast<double>(kStepsPerSecond);
    return turns - std::floor(turns);
}

} // namespace amsim
