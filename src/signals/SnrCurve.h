#pragma once

#include "core/ParameterValues.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace amsim {

// The curve's input S/N, P_R / P_N, from -10 to 30 dB in 1 dB steps.
inline constexpr int kSnrCurveLowestDecibels = -10;
inline constexpr int kSnrCurveHighestDecibels = 30;
// Each point is measured over 118 blocks of the receiver's output, 10.07 s.
inline constexpr std::size_t kSnrCurveBlocks = 118;

// One point of the S/N curve, in dB: the S/N of the audio of each detector
// measured at one input S/N, with the spread of that measurement, and what
// theory gives. A detector's S/N is none where it detects no tone (see
// NoiseReadout).
struct SnrPoint {
    double inputDecibels = 0.0;
    std::optional<double> productDecibels;
    double productSpreadDecibels = 0.0;
    std::optional<double> envelopeDecibels;
    double envelopeSpreadDecibels = 0.0;
    std::optional<double> productTheoryDecibels;
    std::optional<double> envelopeTheoryDecibels;
};

// The S/N of the audio of the product and the envelope detector against the
// input S/N, for a setting's mode, Modulante, phase and tones; its Δf and
// ruido play no part: each point sets the noise that gives its input S/N.
// Measured a point at a time, so that a front end can show the curve grow
// without stopping; a setting with no received signal has no points.
class SnrCurve {
public:
    explicit SnrCurve(const ParameterValues& values);

    bool done() const { return points_.size() == pointCount_; }
    // Measures the next point; nothing once done.
    void measureNext();
    const std::vector<SnrPoint>& points() const { return points_; }

private:
    ParameterValues values_;
    std::size_t pointCount_;
    std::vector<SnrPoint> points_;
};

// The values at which the curve measures the point of an input S/N: the
// setting's, with the ruido that makes P_R / P_N that S/N, no Δf and the
// envelope detector on. None where nothing is received.
std::optional<ParameterValues> snrCurveValues(const ParameterValues& setting, double inputDecibels);

// The whole curve at once.
std::vector<SnrPoint> snrCurve(const ParameterValues& values);

// The curve as comma-separated text, a header row of column names and a row
// a point, numbers with a decimal point; a detector that detects no tone
// leaves its two columns empty.
std::string snrCurveCsv(const std::vector<SnrPoint>& points);

} // namespace amsim
