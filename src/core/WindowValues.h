#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace amsim {

// The values the window sets once when it loads and the drawing steps read:
// pi, the vertical scale of the traces in pixels per unit, and the decimal
// separator of the scales' labels.
struct WindowValues {
    double Pi = 4.0 * std::atan(1.0);
    std::int16_t Escala = 30;
    // The regional settings' decimal separator, for the scales' labels.
    std::string decimalSeparator = ".";
};

} // namespace amsim
