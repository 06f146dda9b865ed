#pragma once

#include "params/NumberText.h"
#include "signals/Measurements.h"

#include <string>
#include <vector>

namespace amsim {

// The readout's lines, each beginning with its label ("Modo:", "Potencia
// total:", …), with the locale's decimal separator; "—" where a value has no
// meaning (a share of nothing, an index without carrier). The detected
// level has its line only while there is one.
std::vector<std::string> measurementLines(const Measurements& measured, const NumberFormat& format);

} // namespace amsim
