#pragma once

#include "canvas/Canvas.h"
#include "core/ParameterValues.h"
#include "core/Parameters.h"
#include "signals/SnrCurve.h"

#include <vector>

namespace amsim {

// The S/N curve of a setting, measured whole and kept for the last setting
// asked: the panel is redrawn with every picture of the bench, and the curve
// does not change while only ruido, Δf or the envelope detector's switch
// does, since it sets its own noise.
std::vector<SnrPoint> measuredSnrCurve(const ParameterValues& setting);

// The panel "Curva S/N": the curve of the setting in the boxes. The instant
// changes nothing: the curve is of the setting, measured over its own time.
void drawSnrCurvePanel(Canvas& canvas, ParameterReader& parameters, double instant);

} // namespace amsim
