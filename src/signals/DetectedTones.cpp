#include "signals/DetectedTones.h"

#include <cmath>
#include <utility>

namespace amsim {

std::vector<SidebandTone> separateTones(double toneHertz, double Li, double Ls, double df) {
    const bool both = Li != 0.0 && Ls != 0.0;
    if (df == 0.0 || (both && 2.0 * std::abs(df) * kScreenSeconds < 1.0)) {
        return {};
    }
    std::vector<SidebandTone> tones;
    if (Li != 0.0) {
        tones.push_back({std::abs(toneHertz + df), Li});
    }
    if (Ls != 0.0) {
        tones.push_back({std::abs(toneHertz - df), Ls});
    }
    if (tones.size() == 2 && tones[1].hertz < tones[0].hertz) {
        std::swap(tones[0], tones[1]);
    }
    return tones;
}

} // namespace amsim
