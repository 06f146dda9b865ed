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
//
// A canvas may be drawn at a screen's resolution: at a scale r the buffer
// has r times the pixels each way, a position x is drawn at r x (the centre
// of the pixels that stand for x at 1x), and lines and points are
// round(r) pixels thick (at least 1). At r = 1 every pixel is as at 1x.
class RasterCanvas : public Canvas {
public:
    static constexpr PixelIndex kInk = kPaletteSize;
    static constexpr PixelIndex kBackground = kPaletteSize + 1;

    // A canvas of width x height positions, drawn at the given scale.
    RasterCanvas(int width, int height, double scale = 1.0);

    const PixelBuffer& pixels() const { return pixels_; }
    double scale() const { return scale_; }

protected:
    // The inked pixels of a printed text, relative to its top-left corner,
    // its advance in pixels of the buffer and the height of one line of the
    // font in positions.
    struct InkPixel {
        int x;
        int y;
    };
    struct Letters {
        std::string text;
        std::vector<InkPixel> ink;
        int lineHeight = 0;
        int width = 0;
    };
    // The letters of the text in the surface's font at the canvas's scale,
    // in pixels of the buffer, hard-edged like every line and point; the
    // line height in positions. Nothing when the surface cannot render them.
    virtual std::optional<Letters> renderLetters(std::string_view utf8Text) = 0;
    // So many positions in whole pixels at a scale, rounded up.
    static int devicePixels(int positions, double scale);

    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;
    std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                  std::optional<PaletteColour> plate) override;
    bool keepDrawing() override;
    bool restoreDrawing() override;

private:
    double device(float position) const;
    const Letters* lettersOf(std::string_view utf8Text);

    double scale_;
    PixelBuffer pixels_;
    std::vector<PixelIndex> kept_;
    // The display prints the same few labels at every redraw: each is
    // rendered once.
    std::vector<Letters> rendered_;
};

} // namespace amsim
