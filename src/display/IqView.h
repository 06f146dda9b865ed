#pragma once

#include "canvas/Canvas.h"
#include "core/Parameters.h"

namespace amsim {

// The I/Q view's extent in positions.
inline constexpr int kIqViewWidth = 480, kIqViewHeight = 480;

// Clears the canvas and draws the received signal's complex envelope over
// the screen's span at the bench's instant (seconds), in the reinserted
// carrier's frame: the carrier as an arrow, the side frequencies' trajectory,
// the noise as a cloud, the product detector's axis and the envelope
// detector's circle, with a volt scale and a legend.
// Throws amsim::Error where a parameter does not convert, a result
// overflows or the canvas fails; what was drawn until then stays.
void drawIqView(Canvas& canvas, ParameterReader& parameters, double instant);

} // namespace amsim
