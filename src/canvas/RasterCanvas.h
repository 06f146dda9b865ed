#pragma once

#include "canvas/Canvas.h"
#include "canvas/PixelBuffer.h"

namespace amsim {

// A canvas that draws its one-pixel lines and points straight into its own
// pixel buffer. Palette colour n is stored as index n; the default drawing
// colour and the background have indices of their own, which the surface
// that shows the buffer maps to its colours. Printing text is left to the
// surface that knows fonts.
class RasterCanvas : public Canvas {
public:
    static constexpr PixelIndex kInk = kPaletteSize;
    static constexpr PixelIndex kBackground = kPaletteSize + 1;

    RasterCanvas(int width, int height);

    const PixelBuffer& pixels() const { return pixels_; }
    // Makes room for a larger surface; what was drawn stays.
    void growTo(int width, int height) { pixels_.growTo(width, height, kBackground); }

protected:
    PixelBuffer& buffer() { return pixels_; }

    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;

private:
    PixelBuffer pixels_;
};

} // namespace amsim
