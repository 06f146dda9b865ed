#include "canvas/RasterCanvas.h"

#include <cmath>

namespace amsim {

namespace {

CanvasStatus statusOf(bool ok) {
    return ok ? CanvasStatus::Ok : CanvasStatus::Failed;
}

PixelIndex indexFor(std::optional<PaletteColour> colour) {
    return colour ? static_cast<PixelIndex>(*colour) : RasterCanvas::kInk;
}

} // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : pixels_(width, height, kBackground) {}

CanvasStatus RasterCanvas::fillBackground() {
    pixels_.fill(kBackground);
    return CanvasStatus::Ok;
}

CanvasStatus RasterCanvas::drawLine(CanvasPoint from, CanvasPoint to,
                                    std::optional<PaletteColour> colour) {
    return statusOf(pixels_.line(from.x, from.y, to.x, to.y, indexFor(colour)));
}

CanvasStatus RasterCanvas::drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) {
    return statusOf(pixels_.plot(at.x, at.y, indexFor(colour)));
}

std::optional<float> RasterCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text) {
    if (lastLetters_.lineHeight == 0 || lastLetters_.text != utf8Text) {
        std::optional<Letters> letters = renderLetters(utf8Text);
        if (!letters) {
            return std::nullopt;
        }
        lastLetters_ = std::move(*letters);
    }
    // Far outside, the text is clipped whole before any pixel arithmetic.
    const double left = std::floor(static_cast<double>(topLeft.x) + 0.5);
    const double top = std::floor(static_cast<double>(topLeft.y) + 0.5);
    constexpr double kMargin = 1e6;
    if (std::fabs(left) < kMargin && std::fabs(top) < kMargin) {
        for (const InkPixel& ink : lastLetters_.ink) {
            pixels_.setIfInside(static_cast<int>(left) + ink.x, static_cast<int>(top) + ink.y,
                                kInk);
        }
    }
    return static_cast<float>(lastLetters_.lineHeight);
}

} // namespace amsim
