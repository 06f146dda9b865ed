#include "canvas/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace amsim {

namespace {

std::size_t area(int width, int height) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("negative pixel buffer size");
    }
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

// Pixel centres lie on whole coordinates, so pixel i covers [i - 0.5, i + 0.5).
double nearest(double v) {
    return std::floor(v + 0.5);
}

struct Segment {
    double x1, y1, x2, y2;
};

// Liang-Barsky clipping to -1 <= x <= xMax, -1 <= y <= yMax. Returns false
// when nothing of the segment is left.
bool clip(Segment& s, double xMax, double yMax) {
    constexpr double kMin = -1.0;
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - kMin, xMax - s.x1, s.y1 - kMin, yMax - s.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1) {
                return false;
            }
            t0 = std::max(t0, r);
        } else {
            if (r < t0) {
                return false;
            }
            t1 = std::min(t1, r);
        }
    }
    s = Segment{s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy};
    return true;
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, std::uint32_t fill)
    : width_(width)
    , height_(height)
    , pixels_(area(width, height), fill) {}

std::uint32_t PixelBuffer::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the buffer");
    }
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void PixelBuffer::fill(std::uint32_t pixel) {
    std::fill(pixels_.begin(), pixels_.end(), pixel);
}

void PixelBuffer::growTo(int width, int height, std::uint32_t fill) {
    const int newWidth = std::max(width, width_);
    const int newHeight = std::max(height, height_);
    if (newWidth == width_ && newHeight == height_) {
        return;
    }
    std::vector<std::uint32_t> grown(area(newWidth, newHeight), fill);
    for (int y = 0; y < height_; ++y) {
        const auto from = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::copy(from, from + width_, grown.begin() + static_cast<std::ptrdiff_t>(y) * newWidth);
    }
    pixels_ = std::move(grown);
    width_ = newWidth;
    height_ = newHeight;
}

void PixelBuffer::setIfInside(int x, int y, std::uint32_t pixel) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = pixel;
    }
}

bool PixelBuffer::plot(float x, float y, std::uint32_t pixel) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return false;
    }
    const double px = nearest(x);
    const double py = nearest(y);
    if (px >= 0.0 && py >= 0.0 && px < width_ && py < height_) {
        setIfInside(static_cast<int>(px), static_cast<int>(py), pixel);
    }
    return true;
}

bool PixelBuffer::line(float x1, float y1, float x2, float y2, std::uint32_t pixel) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return false;
    }
    // Clipping to one pixel beyond each edge keeps every visible pixel and
    // brings the ends into the range of int before the integer stepping.
    Segment s{x1, y1, x2, y2};
    if (clip(s, width_, height_)) {
        bresenham(static_cast<int>(nearest(s.x1)), static_cast<int>(nearest(s.y1)),
                  static_cast<int>(nearest(s.x2)), static_cast<int>(nearest(s.y2)), pixel);
    }
    return true;
}

void PixelBuffer::bresenham(int x0, int y0, int x1, int y1, std::uint32_t pixel) {
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
