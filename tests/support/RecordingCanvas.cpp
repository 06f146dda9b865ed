#include "support/RecordingCanvas.h"

namespace amsim::test {

CanvasStatus RecordingCanvas::record(Operation operation) {
    if (failFrom_ && operations_.size() >= *failFrom_) {
        return CanvasStatus::Failed;
    }
    operations_.push_back(std::move(operation));
    return CanvasStatus::Ok;
}

CanvasStatus RecordingCanvas::fillBackground() {
    return record({Operation::Kind::Clear, {}, {}, std::nullopt, {}});
}

CanvasStatus RecordingCanvas::drawLine(CanvasPoint from, CanvasPoint to,
                                       std::optional<PaletteColour> colour) {
    return record({Operation::Kind::Line, from, to, colour, {}});
}

CanvasStatus RecordingCanvas::drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) {
    return record({Operation::Kind::Point, at, at, colour, {}});
}

std::optional<float> RecordingCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                               std::optional<PaletteColour> plate) {
    if (record({Operation::Kind::Print, topLeft, topLeft, plate, std::string(utf8Text)}) !=
        CanvasStatus::Ok) {
        return std::nullopt;
    }
    return kLineHeight;
}

} // namespace amsim::test
