#pragma once

#include "canvas/Canvas.h"
#include "canvas/PixelBuffer.h"

namespace amsim {

// A canvas that draws its one-pixel lines and points straight into its own
// pixel buffer. Printing text is left to the surface that knows fonts.
class RasterCanvas : public Canvas {
public:
    RasterCanvas(int width, int height, std::uint32_t background, std::uint32_t ink);

    const PixelBuffer& pixels() const { return pixels_; }
    // Makes room for a larger surface; what was drawn stays.
    void growTo(int width, int height) { pixels_.growTo(width, height, background_); }

protected:
    PixelBuffer& pixels() { return pixels_; }
    std::uint32_t ink() const { return ink_; }

    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;

private:
    std::uint32_t pixelFor(std::optional<PaletteColour> colour) const;

    PixelBuffer pixels_;
    std::uint32_t background_;
    std::uint32_t ink_;
};

} // namespace amsim
