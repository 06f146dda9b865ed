#pragma once

#include "signals/SignalTable.h"

#include <string>
#include <vector>

namespace amsim {

// The sampled signals as comma-separated text: a header row of column names,
// then one row per sample, its pixel column x and its time t_ms first; the column "envolvente" when
// the table holds the envelope detector's output. Numbers are written with a decimal point whatever
// the locale, in the shortest form that reads back to the same double.
// A finite double in the shortest form that reads back to it, plain where
// the scientific form is no shorter: what std::to_chars writes, which the
// page's C++ library lacks for doubles. A negative zero (the detector's
// first product) is written as plain 0.
std::string shortestText(double value);

std::string signalCsv(const std::vector<SignalSample>& table);

} // namespace amsim
