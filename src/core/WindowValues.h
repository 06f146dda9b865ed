#pragma once

#include <cmath>
#include <cstdint>

namespace amsim {

// The two values the window sets once when it loads and every drawing step
// reads: pi, and the vertical scale of the traces in pixels per unit.
struct WindowValues {
    double Pi = 4.0 * std::atan(1.0);
    std::int16_t Escala = 30;
};

} // namespace amsim
