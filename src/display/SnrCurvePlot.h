#pragma once

#include "canvas/Canvas.h"
#include "core/ParameterValues.h"
#include "signals/SnrCurve.h"

#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// The S/N curve's picture, in positions.
inline constexpr int kSnrCurveWidth = 640, kSnrCurveHeight = 480;

// Clears the canvas and draws the S/N curve of a setting as a textbook plot:
// the S/N of the audio against the input S/N, with dB marked every 10 dB;
// the product detector's theory over the whole range; the points measured
// so far (the curve may be partial), each with its spread as an error bar,
// the product detector's in the canvas's colour and the envelope detector's
// in light blue with its theory beside them; a legend, and the setting in
// a caption, its numbers with the given decimal separator. Throws
// amsim::Error where the canvas fails.
// The caption: the setting's mode, Modulante and phase.
std::string snrCurveCaption(const ParameterValues& setting, std::string_view decimalSeparator);

void drawSnrCurve(Canvas& canvas, const std::vector<SnrPoint>& points,
                  const ParameterValues& setting, std::string_view decimalSeparator);

} // namespace amsim
