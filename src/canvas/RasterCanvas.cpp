#include "canvas/RasterCanvas.h"

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

} // namespace amsim
