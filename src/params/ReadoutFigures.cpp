#include "params/ReadoutFigures.h"

#include "texts/Catalogue.h"

#include <cmath>

namespace amsim {

std::optional<double> tenthsWithin(double tenths, double bound) {
    const double rounded = std::round(tenths);
    return std::abs(rounded) <= bound ? std::optional(rounded) : std::nullopt;
}

std::string beyondBound(double tenths, double bound, std::string_view unit,
                        const NumberFormat& format) {
    if (std::isnan(tenths)) {
        return std::string(catalogueText("readout.none"));
    }
    return filled(
        tenths > 0.0 ? TextKey("readout.beyondAbove") : TextKey("readout.beyondBelow"),
        {{"bound", numberToText(std::copysign(bound, tenths) / 10.0, format)}, {"unit", unit}});
}

} // namespace amsim
