#pragma once

#include "canvas/Canvas.h"
#include "core/ParameterValues.h"
#include "core/Parameters.h"
#include "signals/SnrCurve.h"

#include <vector>

namespace amsim {

// The S/N curve of a setting, kept for the last setting asked: ruido, Δf
// and the envelope detector's switch do not change it, since it sets its
// own noise. Measured whole here, for a file.
std::vector<SnrPoint> measuredSnrCurve(const ParameterValues& setting);

// The panel "Curva S/N": the curve of the setting in the boxes, one point
// more at each drawing, so that no picture waits for the whole curve. The
// instant changes nothing: the curve is of the setting.
void drawSnrCurvePanel(Canvas& canvas, ParameterReader& parameters, double instant);

// Whether the panel's curve has points still to measure: while it has, the
// bench draws frames even with its time paused.
bool snrCurveMeasuring();

} // namespace amsim
