#pragma once

#include <vector>

namespace amsim {

// The product detector's tones while the reinserted carrier is df Hz off:
// the lower sideband's at fm + df, the upper's at fm - df (a negative
// frequency being the same tone). A line spectrum over the screen's 1.6 ms
// tells two tones apart when they lie 1 / 1.6 ms = 625 Hz apart or more. With
// both sidebands the two tones are 2 |df| apart: from |df| = 312.5 Hz on they
// are two lines; closer, the screen holds one tone at fm whose amplitude
// follows the phase error, fading and inverting, since the phase turns less
// than half a turn across the screen.
struct SidebandTone {
    double hertz;
    double factor; // the sideband's, Li or Ls
};

inline constexpr double kScreenSeconds = 0.0016;

// Each passing sideband's tone where the screen tells it apart from the
// other's, by ascending frequency; none with df 0 or with both sidebands'
// tones closer than that.
std::vector<SidebandTone> separateTones(double toneHertz, double Li, double Ls, double df);

} // namespace amsim
