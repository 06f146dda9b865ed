#include "core/Results.h"

#include <cmath>

namespace amsim {

double finiteResult(double value) {
    if (!std::isfinite(value)) {
        throw Error::overflowWhileDrawing();
    }
    return value;
}

void rethrowNamingTheLargest(const Error& error, const Readings& readings) {
    if (error.kind() != Error::Kind::TooLargeToDraw || error.parameter()) {
        throw error;
    }
    std::optional<Parameter> largest;
    double magnitude = -1.0;
    for (const Parameter parameter : kAllParameters) {
        const std::optional<double>& value = readings.at(static_cast<std::size_t>(parameter));
        if (value && std::fabs(*value) > magnitude) {
            magnitude = std::fabs(*value);
            largest = parameter;
        }
    }
    throw Error::overflowWhileDrawing(largest);
}

} // namespace amsim
