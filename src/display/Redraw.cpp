#include "display/Redraw.h"

#include "core/Error.h"
#include "signals/Sweep.h"

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
    if (status != CanvasStatus::Ok) {
        throw Error::drawingFailed();
    }
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

// One polyline from the current position, which the axis left at its left end.
void Redraw::drawConnected(double scale) {
    for (const Sample& s : samples_) {
        check(canvas_.lineTo({toCanvasCoordinate(s.x), screenY(s.value, scale)}));
    }
}

void Redraw::drawPoints(double scale, std::optional<PaletteColour> colour) {
    for (const Sample& s : samples_) {
        check(canvas_.point({toCanvasCoordinate(s.x), screenY(s.value, scale)}, colour));
    }
}

} // namespace amsim
