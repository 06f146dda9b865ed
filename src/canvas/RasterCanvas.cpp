#include "canvas/RasterCanvas.h"

namespace amsim {

namespace {

CanvasStatus statusOf(bool ok) {
    return ok ? CanvasStatus::Ok : CanvasStatus::Failed;
}

} // namespace

RasterCanvas::RasterCanvas(int width, int height, std::uint32_t background, std::uint32_t ink)
    : pixels_(width, height, background)
    , background_(background)
    , ink_(ink) {}

std::uint32_t RasterCanvas::pixelFor(std::optional<PaletteColour> colour) const {
    return colour ? opaquePixel(paletteRgb(*colour)) : ink_;
}

CanvasStatus RasterCanvas::fillBackground() {
    pixels_.fill(background_);
    return CanvasStatus::Ok;
}

CanvasStatus RasterCanvas::drawLine(CanvasPoint from, CanvasPoint to,
                                    std::optional<PaletteColour> colour) {
    return statusOf(pixels_.line(from.x, from.y, to.x, to.y, pixelFor(colour)));
}

CanvasStatus RasterCanvas::drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) {
    return statusOf(pixels_.plot(at.x, at.y, pixelFor(colour)));
}

} // namespace amsim
