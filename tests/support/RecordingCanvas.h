#pragma once

#include "canvas/Canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace amsim::test {

// One drawing operation as the surface received it. A line from the current
// position arrives as a line whose first point is that position; a print's
// colour is its plate's.
struct Operation {
    enum class Kind { Clear, Line, Point, Print };
    Kind kind = Kind::Clear;
    CanvasPoint from{};
    CanvasPoint to{};
    std::optional<PaletteColour> colour;
    std::string text;
    friend bool operator==(const Operation&, const Operation&) = default;
};

// A canvas that remembers every operation instead of drawing it, and can be
// told to fail from a given operation on.
class RecordingCanvas : public Canvas {
public:
    static constexpr float kLineHeight = 13.0F;

    const std::vector<Operation>& operations() const { return operations_; }
    void failFrom(std::size_t operationIndex) { failFrom_ = operationIndex; }

protected:
    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;
    std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                  std::optional<PaletteColour> plate) override;

private:
    CanvasStatus record(Operation operation);

    std::vector<Operation> operations_;
    std::optional<std::size_t> failFrom_;
};

} // namespace amsim::test
