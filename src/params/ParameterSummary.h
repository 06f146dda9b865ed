#pragma once

#include "core/ParameterValues.h"
#include "params/NumberText.h"

#include <functional>
#include <string>
#include <string_view>

namespace amsim {

// One Spanish sentence that tells a listener what the drawing shows: the mode
// (AM, DSB, SSB with or without carrier, only the carrier, or no signal), the
// modulation percentage when there is a carrier to modulate, and the phase
// error of the reinserted carrier, with the locale's decimal separator, and
// whether the envelope detector is on:
// "AM, modulación del 100 %, error de fase 0 grados".
std::string summarizeParameters(const ParameterValues& values, const NumberFormat& format);

// The values themselves on one line, so that printed measurements say what
// they were computed for, with the locale's decimal separator:
// "Valores: Modulante 1; V(cc) 1; BLI 1; BLS 1; fase 0; det. envolvente 0".
std::string valuesLine(const ParameterValues& values, const NumberFormat& format);

// The same sentence from the boxes' current texts, or "Parámetros no
// válidos: …" naming the boxes whose text they do not take, read by the
// rules that the drawing reads them by. Never throws amsim::Error, so it can
// describe a redraw that stopped.
std::string summarizeBoxes(const std::function<std::string(Parameter)>& textOf,
                           const NumberFormat& format);

} // namespace amsim
