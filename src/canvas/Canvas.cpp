#include "canvas/Canvas.h"

namespace amsim {

CanvasStatus Canvas::moveOnSuccess(CanvasStatus status, CanvasPoint to) {
    if (status == CanvasStatus::Ok) {
        position_ = to;
    }
    return status;
}

CanvasStatus Canvas::clear() {
    return moveOnSuccess(fillBackground(), CanvasPoint{});
}

CanvasStatus Canvas::line(CanvasPoint from, CanvasPoint to, std::optional<PaletteColour> colour) {
    return moveOnSuccess(drawLine(from, to, colour), to);
}

CanvasStatus Canvas::lineTo(CanvasPoint to) {
    return moveOnSuccess(drawLine(position_, to, std::nullopt), to);
}

CanvasStatus Canvas::point(CanvasPoint at, std::optional<PaletteColour> colour) {
    return moveOnSuccess(drawPoint(at, colour), at);
}

void Canvas::keep(const std::vector<double>& key) {
    if (keepDrawing()) {
        keptKey_ = key;
        keptPosition_ = position_;
    } else {
        keptKey_.reset();
    }
}

bool Canvas::restore(const std::vector<double>& key) {
    if (keptKey_ != key || !restoreDrawing()) {
        return false;
    }
    position_ = keptPosition_;
    return true;
}

CanvasStatus Canvas::print(std::string_view utf8Text, std::optional<PaletteColour> plate) {
    const std::optional<float> lineHeight = drawText(position_, utf8Text, plate);
    if (!lineHeight) {
        return CanvasStatus::Failed;
    }
    position_ = CanvasPoint{0.0F, position_.y + *lineHeight};
    return CanvasStatus::Ok;
}

} // namespace amsim
