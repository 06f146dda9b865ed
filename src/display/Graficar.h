#pragma once

#include "canvas/Canvas.h"
#include "core/Parameters.h"
#include "core/WindowValues.h"

namespace amsim {

// The drawing's extent in positions, the window's client width and the
// height above the readout: Graficar draws nothing beyond it.
inline constexpr int kDrawingWidth = 952;
inline constexpr int kDrawingHeight = 700;

// Clears the canvas and draws the whole bench from the current parameters:
// six oscilloscope traces, three spectrum displays and the envelope, at the
// bench's time instant (seconds), which moves the detector's traces while
// the reinserted carrier drifts and the channel's noise.
// Throws amsim::Error where a parameter does not convert, a result
// overflows or the canvas fails; what was drawn until then stays.
void Graficar(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
              double instant = 0.0);

// One frame of a running bench: the same picture as Graficar's, but the part
// that time does not move (the scales, the generator, the carrier and the
// side frequencies, drawn first) is put back from what the canvas kept at
// the last picture of the same setting, when it kept it.
void GraficarFrame(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
                   double instant);

} // namespace amsim
