#pragma once

#include <cstdint>
#include <vector>

namespace amsim {

// A pixel holds an index into the surface's colour table, one byte each: the
// sixteen palette colours and a few of the surface's own. A small buffer
// clears fast and stays in the cache while the traces are drawn.
using PixelIndex = std::uint8_t;

// A width x height block of pixels, row after row, each row starting on a
// 4-byte boundary. Every mark is made with a square pen of pen x pen pixels
// (1 by default): a point is one square, a line a square at every step, so
// a surface drawn at twice the resolution draws twice as thick.
class PixelBuffer {
public:
    PixelBuffer(int width, int height, PixelIndex fill, int pen = 1);

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    PixelIndex* data() { return pixels_.data(); }
    const PixelIndex* data() const { return pixels_.data(); }
    PixelIndex at(int x, int y) const;

    void fill(PixelIndex pixel);

    // Sets the pen's square centred nearest to (x, y); what falls outside the
    // buffer is left out. Returns false for a coordinate that is not a finite
    // number.
    bool plot(double x, double y, PixelIndex pixel);
    // Sets the pen's square at every pixel of the line between the pixels
    // nearest to its two ends, both included, as far as it lies inside the
    // buffer: the same pixels as the same line on a larger buffer, cropped.
    // Returns false for a coordinate that is not a finite number.
    bool line(double x1, double y1, double x2, double y2, PixelIndex pixel);
    // Sets one pixel given by whole coordinates, if it is inside.
    void setIfInside(int x, int y, PixelIndex pixel);
    // Sets the pixels from (left, top) up to, not including, (right, bottom),
    // as far as they lie inside.
    void fillRectangle(int left, int top, int right, int bottom, PixelIndex pixel);

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
    bool nearestInside(double x, double y) const;
    void walkInside(Pixel from, Pixel to, PixelIndex pixel);
    void stamp(std::int64_t x, std::int64_t y, PixelIndex pixel);

    int width_;
    int height_;
    int stride_;
    int pen_;
    double penOffset_; // from a mark's centre to its square's first pixel
    std::vector<PixelIndex> pixels_;
};

} // namespace amsim
