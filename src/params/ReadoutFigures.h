#pragma once

#include "params/NumberText.h"

#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// The readout writes a figure in decibels within ±999.9 dB and one in per
// cent within ±99 999.9 % (a thousand times the whole), both to a tenth.
// Beyond, infinity included, it says only which way the figure lies ("más de
// 999,9 dB", "menos de -999,9 dB"); a figure that is no number reads "—".
// The bounds in tenths of the unit:
inline constexpr double kDecibelTenths = 9999.0;
inline constexpr double kPercentTenths = 999999.0;

// tenths: the figure times ten. Rounded to a whole number, while that lies
// within ±bound.
std::optional<double> tenthsWithin(double tenths, double bound);

// What the readout writes for a figure that tenthsWithin refuses: "—", or
// the bound it passes, with its unit.
std::string beyondBound(double tenths, double bound, std::string_view unit,
                        const NumberFormat& format);

} // namespace amsim
