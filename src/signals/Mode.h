#pragma once

#include "core/ParameterValues.h"

#include <string>

namespace amsim {

// What reaches the transmitter's output. A sideband needs both a tone and its
// factor; any factor but 0 lets it through, as the redraw multiplies by it.
struct Components {
    bool carrier;
    bool lower;
    bool upper;
};

Components componentsOf(const ParameterValues& values);

// The mode in words: "AM", "DSB", "SSB con portadora, banda lateral
// superior", "Solo portadora", "Sin señal".
std::string modeOfComponents(const Components& on);
// The same, of what the transmitter sends at these values.
std::string modeOf(const ParameterValues& values);
// The mode as one lower-case word for a file's name: "am", "dsb", "ssb",
// "portadora" (the carrier alone), "silencio" (nothing sent).
std::string modeWordOf(const Components& on);

} // namespace amsim
