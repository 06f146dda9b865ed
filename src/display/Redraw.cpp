#include "display/Redraw.h"

#include "core/Error.h"
#include "display/DrawingStatus.h"
#include "signals/Sweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace amsim {

namespace {

constexpr PaletteColour kAxisColour = PaletteColour::LightMagenta;

} // namespace

float toCanvasCoordinate(double value) {
    if (std::fabs(finiteResult(value)) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw Error::overflowWhileDrawing();
    }
    return static_cast<float>(value);
}

Redraw::Redraw(Canvas& canvas, ParameterReader& parameters, const WindowValues& window,
               double instant, bool reuseStill)
    : canvas_(canvas)
    , parameters_(parameters)
    , instant_(instant)
    , reuseStill_(reuseStill)
    , Pi(window.Pi)
    , Escala(window.Escala)
    , decimalSeparator_(window.decimalSeparator) {
    samples_.reserve(kFineSampleCount);
}

double Redraw::read(Parameter parameter) {
    std::optional<double>& reading = readings_.at(static_cast<std::size_t>(parameter));
    if (!reading) {
        reading = parameters_.read(parameter);
    }
    return *reading;
}

void Redraw::check(CanvasStatus status) {
    requireDrawn(status);
}

FineSweep Redraw::fineSweep() const {
    return {timeBase_, commonPeriodSamples(tones_)};
}

// Axes run from right to left, so that the connected trace that follows
// starts at the axis's left end.
void Redraw::drawAxis() {
    const auto y = static_cast<float>(Eje);
    check(canvas_.line({static_cast<float>(kLastColumn), y}, {0.0F, y}, kAxisColour));
}

// A value v is drawn at Eje - scale * v: positive values above the axis.
float Redraw::screenY(double value, double scale) const {
    return toCanvasCoordinate(Eje - scale * value);
}

// The samples whose x is nearest to each column, as a peak detector keeps
// them: the lowest and the highest, the earlier first. A value that cannot
// be drawn stops the drawing as it would where every sample is drawn: one
// that is not finite is sought in every column, and the others lie between
// the extremes.
std::vector<Redraw::ColumnPeaks> Redraw::columnPeaks(double scale) const {
    std::vector<ColumnPeaks> peaks;
    std::size_t i = 0;
    while (i < samples_.size()) {
        const double column = std::floor(samples_[i].x + 0.5);
        const double end = column + 0.5;
        const std::size_t begin = i;
        double low = samples_[i].value;
        double high = low;
        bool finite = true;
        for (; i < samples_.size() && samples_[i].x < end; ++i) {
            const double v = samples_[i].value;
            finite = finite && std::fabs(v) <= std::numeric_limits<double>::max();
            low = std::min(low, v);
            high = std::max(high, v);
        }
        if (!finite) {
            throw Error::overflowWhileDrawing();
        }
        std::size_t first = begin;
        while (samples_[first].value != low && samples_[first].value != high) {
            ++first;
        }
        const bool lowFirst = samples_[first].value == low;
        peaks.push_back({static_cast<float>(column), screenY(lowFirst ? low : high, scale),
                         screenY(lowFirst ? high : low, scale)});
    }
    return peaks;
}

// One polyline from the current position, which the axis left at its left
// end; where a column holds many samples, through its extremes.
void Redraw::drawConnected(double scale) {
    if (!timeBase_.peakDetected()) {
        for (const Sample& s : samples_) {
            check(canvas_.lineTo({toCanvasCoordinate(s.x), screenY(s.value, scale)}));
        }
        return;
    }
    for (const ColumnPeaks& peak : columnPeaks(scale)) {
        check(canvas_.lineTo({peak.x, peak.first}));
        check(canvas_.lineTo({peak.x, peak.second}));
    }
}

void Redraw::drawPoints(double scale, std::optional<PaletteColour> colour) {
    if (!timeBase_.peakDetected()) {
        for (const Sample& s : samples_) {
            check(canvas_.point({toCanvasCoordinate(s.x), screenY(s.value, scale)}, colour));
        }
        return;
    }
    for (const ColumnPeaks& peak : columnPeaks(scale)) {
        check(peak.first == peak.second
                  ? canvas_.point({peak.x, peak.first}, colour)
                  : canvas_.line({peak.x, peak.first}, {peak.x, peak.second}, colour));
    }
}

} // namespace amsim
