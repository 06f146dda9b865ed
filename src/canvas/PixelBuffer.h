#pragma once

#include <cstdint>
#include <vector>

namespace amsim {

// A pixel holds an index into the surface's colour table, one byte each: the
// sixteen palette colours and a few of the surface's own. A small buffer
// clears fast and stays in the cache while the traces are drawn.
using PixelIndex = std::uint8_t;

// A width x height block of pixels, row after row, each row starting on a
// 4-byte boundary.
class PixelBuffer {
public:
    PixelBuffer(int width, int height, PixelIndex fill);

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    PixelIndex* data() { return pixels_.data(); }
    const PixelIndex* data() const { return pixels_.data(); }
    PixelIndex at(int x, int y) const;

    void fill(PixelIndex pixel);

    // Sets the pixel nearest to (x, y); outside the buffer nothing happens.
    // Returns false for a coordinate that is not a finite number.
    bool plot(float x, float y, PixelIndex pixel);
    // Sets every pixel of the line between the pixels nearest to its two
    // ends, both included, that lies inside the buffer: the same pixels as
    // the same line on a larger buffer, cropped. Returns false for a
    // coordinate that is not a finite number.
    bool line(float x1, float y1, float x2, float y2, PixelIndex pixel);
    // Sets one pixel given by whole coordinates, if it is inside.
    void setIfInside(int x, int y, PixelIndex pixel);

private:
    struct Segment {
        double x1, y1, x2, y2;
    };
    struct Pixel {
        std::int64_t x;
        std::int64_t y;
    };
    std::size_t offset(int x, int y) const;
    void lineWithin(Segment s, PixelIndex pixel, int halvings);
    void walk(Pixel from, Pixel to, PixelIndex pixel);

    int width_;
    int height_;
    int stride_;
    std::vector<PixelIndex> pixels_;
};

} // namespace amsim
