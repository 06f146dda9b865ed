#pragma once

#include "core/Error.h"
#include "core/Parameters.h"

#include <array>
#include <optional>

namespace amsim {

// The parameters read so far, by Parameter.
using Readings = std::array<std::optional<double>, kAllParameters.size()>;

// Returns the value, or throws the overflow error when it is not finite.
double finiteResult(double value);

// Throws the error again; an overflow that names no box then names the
// parameter of largest magnitude among those read, the one that carried a
// result out of range.
[[noreturn]] void rethrowNamingTheLargest(const Error& error, const Readings& readings);

} // namespace amsim
