#include "canvas/RasterCanvas.h"

#include <algorithm>
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

int RasterCanvas::devicePixels(int positions, double scale) {
    return static_cast<int>(std::ceil(positions * scale));
}

RasterCanvas::RasterCanvas(int width, int height, double scale)
    : scale_(scale)
    , pixels_(devicePixels(width, scale), devicePixels(height, scale), kBackground,
              std::max(1, static_cast<int>(std::lround(scale)))) {}

// Position x stands for the pixels [x r, (x + 1) r) when r > 1, whose centre
// lies at x r + (r - 1) / 2.
double RasterCanvas::device(float position) const {
    return static_cast<double>(position) * scale_ + (scale_ - 1.0) / 2.0;
}

CanvasStatus RasterCanvas::fillBackground() {
    pixels_.fill(kBackground);
    return CanvasStatus::Ok;
}

bool RasterCanvas::keepDrawing() {
    const PixelIndex* first = pixels_.data();
    kept_.assign(first, first + static_cast<std::ptrdiff_t>(pixels_.stride()) * pixels_.height());
    return true;
}

// Into the same pixels: a surface that shows them keeps pointing at them.
bool RasterCanvas::restoreDrawing() {
    std::copy(kept_.begin(), kept_.end(), pixels_.data());
    return true;
}

CanvasStatus RasterCanvas::drawLine(CanvasPoint from, CanvasPoint to,
                                    std::optional<PaletteColour> colour) {
    return statusOf(
        pixels_.line(device(from.x), device(from.y), device(to.x), device(to.y), indexFor(colour)));
}

CanvasStatus RasterCanvas::drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) {
    return statusOf(pixels_.plot(device(at.x), device(at.y), indexFor(colour)));
}

const RasterCanvas::Letters* RasterCanvas::lettersOf(std::string_view utf8Text) {
    const auto found = std::find_if(rendered_.begin(), rendered_.end(),
                                    [utf8Text](const Letters& l) { return l.text == utf8Text; });
    if (found != rendered_.end()) {
        return &*found;
    }
    std::optional<Letters> letters = renderLetters(utf8Text);
    if (!letters) {
        return nullptr;
    }
    return &rendered_.emplace_back(std::move(*letters));
}

std::optional<float> RasterCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                            std::optional<PaletteColour> plate) {
    const Letters* letters = lettersOf(utf8Text);
    if (letters == nullptr) {
        return std::nullopt;
    }
    // Far outside, the text is clipped whole before any pixel arithmetic.
    const double left = std::floor(static_cast<double>(topLeft.x) * scale_ + 0.5);
    const double top = std::floor(static_cast<double>(topLeft.y) * scale_ + 0.5);
    constexpr double kMargin = 1e6;
    if (std::fabs(left) < kMargin && std::fabs(top) < kMargin) {
        if (plate) {
            const int x = static_cast<int>(left);
            const int y = static_cast<int>(top);
            const int side = devicePixels(1, scale_);
            pixels_.fillRectangle(x - side, y, x + letters->width + side,
                                  y + devicePixels(letters->lineHeight, scale_),
                                  static_cast<PixelIndex>(*plate));
        }
        for (const InkPixel& ink : letters->ink) {
            pixels_.setIfInside(static_cast<int>(left) + ink.x, static_cast<int>(top) + ink.y,
                                kInk);
        }
    }
    return static_cast<float>(letters->lineHeight);
}

} // namespace amsim
