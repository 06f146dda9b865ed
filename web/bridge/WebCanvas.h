#pragma once

#include "canvas/RasterCanvas.h"

#include <cstdint>
#include <emscripten/val.h>
#include <vector>

namespace amsim {

// The page's raster canvas: the same rasterizer as the window's, shown on
// the page as RGBA pixels. The page's own font renders the printed label.
class WebCanvas : public RasterCanvas {
public:
    // page.letters(text, scale) returns {lineHeight, width, ink: [x0, y0, x1,
    // y1, …]}, the inked pixels of the text at that scale relative to its
    // top-left corner, its advance in those pixels and the height of its line
    // in positions.
    WebCanvas(int width, int height, emscripten::val page, double scale);

    // The rows from top to bottom, both included; none when top > bottom.
    struct Rows {
        int top;
        int bottom;
    };

    // Brings the RGBA copy of the drawing up to date and returns the rows
    // that changed since the last call. Only the pixels that changed are
    // converted: most of a picture stays where it was between two redraws.
    Rows updateRgba();
    // Makes the next update convert every pixel, as for a fresh page canvas.
    void forgetShown() { shown_.clear(); }
    // The drawing as RGBA bytes, row after row: where nothing is drawn it is
    // transparent, so that the labels and the picture beneath show.
    const std::vector<std::uint32_t>& rgba() const { return rgba_; }

protected:
    std::optional<Letters> renderLetters(std::string_view utf8Text) override;

private:
    emscripten::val page_;
    std::vector<std::uint32_t> rgba_;
    // The pixel indices as last converted, row after row without padding.
    std::vector<PixelIndex> shown_;
};

} // namespace amsim
