#pragma once

#include "core/ParameterValues.h"
#include "params/HiddenSet.h"
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
// "AM, modulación del 100 %, error de fase 0 grados". What states a hidden
// value is left out: the mode while a sideband's switch is hidden, the
// modulation while mdl or V(cc) is, the phase and the drift while theirs is.
std::string summarizeParameters(const ParameterValues& values, const NumberFormat& format,
                                const HiddenSet& hidden = {});

// The values themselves on one line, so that printed measurements say what
// they were computed for, with the locale's decimal separator:
// "Valores: Modulante 1; V(cc) 1; BLI 1; BLS 1; fase 0; det. envolvente 0";
// a hidden value as "?" ("Modulante ?").
std::string valuesLine(const ParameterValues& values, const NumberFormat& format,
                       const HiddenSet& hidden = {});

// The same sentence from the boxes' current texts, or "Parámetros no
// válidos: …" naming the boxes whose text they do not take, read by the
// rules that the drawing reads them by. Never throws amsim::Error, so it can
// describe a redraw that stopped.
std::string summarizeBoxes(const std::function<std::string(Parameter)>& textOf,
                           const NumberFormat& format, const HiddenSet& hidden = {});

} // namespace amsim
