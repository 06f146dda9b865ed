#pragma once

#include <cstdint>
#include <vector>

namespace amsim {

// A width x height block of 0xAARRGGBB pixels, row after row.
class PixelBuffer {
public:
    PixelBuffer(int width, int height, std::uint32_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t* data() { return pixels_.data(); }
    const std::uint32_t* data() const { return pixels_.data(); }
    std::uint32_t at(int x, int y) const;

    void fill(std::uint32_t pixel);
    // Enlarges the buffer to at least width x height; what was drawn stays.
    void growTo(int width, int height, std::uint32_t fill);

    // Sets the pixel nearest to (x, y); outside the buffer nothing happens.
    // Returns false for a coordinate that is not a finite number.
    bool plot(float x, float y, std::uint32_t pixel);
    // Sets every pixel of the line between the pixels nearest to its two
    // ends, both included, clipped to the buffer. Returns false for a
    // coordinate that is not a finite number.
    bool line(float x1, float y1, float x2, float y2, std::uint32_t pixel);

private:
    void setIfInside(int x, int y, std::uint32_t pixel);
    void bresenham(int x0, int y0, int x1, int y1, std::uint32_t pixel);

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace amsim
