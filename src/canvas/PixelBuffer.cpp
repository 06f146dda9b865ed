#include "canvas/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace amsim {

namespace {

// Rows start on 4-byte boundaries, as image formats expect.
int strideFor(int width) {
    if (width < 0) {
        throw std::invalid_argument("negative pixel buffer width");
    }
    return (width + 3) / 4 * 4;
}

std::size_t area(int stride, int height) {
    if (height < 0) {
        throw std::invalid_argument("negative pixel buffer height");
    }
    return static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
}

// Pixel centres lie on whole coordinates, so pixel i covers [i - 0.5, i + 0.5).
// Only for values well inside the range of int: a truncation corrected for
// negatives is much cheaper than a call of floor.
int nearest(double v) {
    const double shifted = v + 0.5;
    const auto truncated = static_cast<int>(shifted);
    return truncated > shifted ? truncated - 1 : truncated;
}

struct Segment {
    double x1, y1, x2, y2;
};

enum Outcode : unsigned { Inside = 0, Left = 1, Right = 2, Above = 4, Below = 8 };

struct Box {
    double xMin, yMin, xMax, yMax;

    unsigned outcode(double x, double y) const {
        return (x < xMin   ? Left
                : x > xMax ? Right
                           : Inside) |
               (y < yMin   ? Above
                : y > yMax ? Below
                           : Inside);
    }
};

// Moves the end (x, y) onto the edge that its outcode names. The clipped
// coordinate is set to the edge exactly and only the other one is
// interpolated, so a nearly vertical or horizontal line from far outside
// keeps its position to the pixel.
void moveOntoEdge(double& x, double& y, unsigned code, const Segment& s, const Box& box) {
    if ((code & (Above | Below)) != 0U) {
        const double edge = (code & Above) != 0U ? box.yMin : box.yMax;
        x = s.x1 + (s.x2 - s.x1) * ((edge - s.y1) / (s.y2 - s.y1));
        y = edge;
    } else {
        const double edge = (code & Left) != 0U ? box.xMin : box.xMax;
        y = s.y1 + (s.y2 - s.y1) * ((edge - s.x1) / (s.x2 - s.x1));
        x = edge;
    }
}

// Cohen-Sutherland clipping to the box. Returns false when nothing of the
// segment is left. Every pass puts one end onto one more edge, so four passes
// per end suffice; the ends are clamped into the box at the end, whatever
// rounding did with coordinates of astronomical size.
bool clip(Segment& s, const Box& box) {
    unsigned code1 = box.outcode(s.x1, s.y1);
    unsigned code2 = box.outcode(s.x2, s.y2);
    for (int pass = 0; pass < 8 && (code1 | code2) != Inside; ++pass) {
        if ((code1 & code2) != 0U) {
            return false;
        }
        const Segment before = s;
        if (code1 != Inside) {
            moveOntoEdge(s.x1, s.y1, code1, before, box);
            code1 = box.outcode(s.x1, s.y1);
        } else {
            moveOntoEdge(s.x2, s.y2, code2, before, box);
            code2 = box.outcode(s.x2, s.y2);
        }
    }
    s = Segment{std::clamp(s.x1, box.xMin, box.xMax), std::clamp(s.y1, box.yMin, box.yMax),
                std::clamp(s.x2, box.xMin, box.xMax), std::clamp(s.y2, box.yMin, box.yMax)};
    return true;
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, PixelIndex fill)
    : width_(width)
    , height_(height)
    , stride_(strideFor(width))
    , pixels_(area(stride_, height), fill) {}

std::size_t PixelBuffer::offset(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) +
           static_cast<std::size_t>(x);
}

PixelIndex PixelBuffer::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the buffer");
    }
    return pixels_[offset(x, y)];
}

void PixelBuffer::fill(PixelIndex pixel) {
    std::fill(pixels_.begin(), pixels_.end(), pixel);
}

void PixelBuffer::growTo(int width, int height, PixelIndex fill) {
    PixelBuffer grown(std::max(width, width_), std::max(height, height_), fill);
    if (grown.width_ == width_ && grown.height_ == height_) {
        return;
    }
    for (int y = 0; y < height_; ++y) {
        const auto from = pixels_.begin() + static_cast<std::ptrdiff_t>(offset(0, y));
        std::copy(from, from + width_,
                  grown.pixels_.begin() + static_cast<std::ptrdiff_t>(grown.offset(0, y)));
    }
    *this = std::move(grown);
}

void PixelBuffer::setIfInside(int x, int y, PixelIndex pixel) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[offset(x, y)] = pixel;
    }
}

bool PixelBuffer::plot(float x, float y, PixelIndex pixel) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return false;
    }
    if (x >= -0.5F && y >= -0.5F && x < static_cast<float>(width_) &&
        y < static_cast<float>(height_)) {
        setIfInside(nearest(static_cast<double>(x)), nearest(static_cast<double>(y)), pixel);
    }
    return true;
}

bool PixelBuffer::line(float x1, float y1, float x2, float y2, PixelIndex pixel) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return false;
    }
    // Clipping to one pixel beyond each edge keeps every visible pixel and
    // brings the ends into the range of int before the integer stepping.
    Segment s{static_cast<double>(x1), static_cast<double>(y1), static_cast<double>(x2),
              static_cast<double>(y2)};
    const Box box{-1.0, -1.0, static_cast<double>(width_), static_cast<double>(height_)};
    const bool inside = box.outcode(s.x1, s.y1) == Inside && box.outcode(s.x2, s.y2) == Inside;
    if (inside || clip(s, box)) {
        bresenham(nearest(s.x1), nearest(s.y1), nearest(s.x2), nearest(s.y2), pixel);
    }
    return true;
}

void PixelBuffer::bresenham(int x0, int y0, int x1, int y1, PixelIndex pixel) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        setIfInside(x0, y0, pixel);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace amsim
