#pragma once

#include "canvas/Canvas.h"
#include "canvas/PixelBuffer.h"

#include <string>
#include <vector>

namespace amsim {

// A canvas that draws its one-pixel lines and points straight into its own
// pixel buffer. Palette colour n is stored as index n; the default drawing
// colour and the background have indices of their own, which the surface
// that shows the buffer maps to its colours. Text is stamped into the buffer
// as the inked pixels of its letters, which only the surface that knows
// fonts can render.
class RasterCanvas : public Canvas {
public:
    static constexpr PixelIndex kInk = kPaletteSize;
    static constexpr PixelIndex kBackground = kPaletteSize + 1;

    RasterCanvas(int width, int height);

    const PixelBuffer& pixels() const { return pixels_; }

protected:
    // The inked pixels of a printed text, relative to its top-left corner,
    // and the height of one line of the font.
    struct InkPixel {
        int x;
        int y;
    };
    struct Letters {
        std::string text;
        std::vector<InkPixel> ink;
        int lineHeight = 0;
    };
    // The letters of the text in the surface's font, hard-edged like every
    // line and point. Nothing when the surface cannot render them.
    virtual std::optional<Letters> renderLetters(std::string_view utf8Text) = 0;

    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;
    std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text) override;

private:
    PixelBuffer pixels_;
    // The display prints the same label at every redraw: it is rendered once.
    Letters lastLetters_;
};

} // namespace amsim
