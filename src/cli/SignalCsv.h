#pragma once

#include "signals/SignalTable.h"

#include <string>
#include <vector>

namespace amsim {

// The sampled signals as comma-separated text: a header row of column names,
// then one row per sample, its pixel column x and its time t_ms first; the column "envolvente" when
// the table holds the envelope detector's output. Numbers are written with a decimal point whatever
// the locale, in the shortest form that reads back to the same double.
std::string signalCsv(const std::vector<SignalSample>& table);

} // namespace amsim
