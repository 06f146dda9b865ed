#include "canvas/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
// Only for values well inside the range of the integer: a truncation
// corrected for negatives is much cheaper than a call of floor.
std::int64_t nearest(double v) {
    const double shifted = v + 0.5;
    const auto truncated = static_cast<std::int64_t>(shifted);
    return static_cast<double>(truncated) > shifted ? truncated - 1 : truncated;
}

// How far outside the buffer a line's ends may lie and still be drawn with
// exact 64-bit arithmetic (the products below stay under 2^62). Ends
// farther away are first clipped onto a box this far out, which moves the
// line by far less than a pixel where it crosses the buffer.
constexpr double kReach = 536870912.0; // 2^29

// A segment from one end of the float range to the other is halved at most
// this many times before its parts are within reach or out of sight.
constexpr int kMaxHalvings = 280;

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

// Moves the far end of the segment onto the box's edges, interpolating from
// the near end, which lies inside: from an astronomically far point the
// interpolation would lose the line. The clipped coordinate is set to the
// edge exactly and only the other one is interpolated, so a nearly vertical
// or horizontal line keeps its position. Nothing is left when the segment
// misses the box.
bool bringIn(double& farX, double& farY, double nearX, double nearY, const Box& box) {
    for (unsigned code = box.outcode(farX, farY); code != Inside; code = box.outcode(farX, farY)) {
        if ((code & (Above | Below)) != 0U) {
            const double edge = (code & Above) != 0U ? box.yMin : box.yMax;
            farX = nearX + (farX - nearX) * ((edge - nearY) / (farY - nearY));
            farY = edge;
        } else {
            const double edge = (code & Left) != 0U ? box.xMin : box.xMax;
            farY = nearY + (farY - nearY) * ((edge - nearX) / (farX - nearX));
            farX = edge;
        }
        if ((box.outcode(farX, farY) & code) != 0U) {
            return false; // rounding alone kept it out
        }
    }
    return true;
}

// Bresenham's stepping between two pixels: along the major axis at every
// step, along the minor one when the error term says so.
struct Steps {
    std::int64_t dx;
    std::int64_t dy;
    std::int64_t sx;
    std::int64_t sy;

    template <class Pixel>
    Steps(Pixel from, Pixel to)
        : dx(to.x > from.x ? to.x - from.x : from.x - to.x)
        , dy(to.y > from.y ? to.y - from.y : from.y - to.y)
        , sx(from.x < to.x ? 1 : -1)
        , sy(from.y < to.y ? 1 : -1) {}

    // count pixels from (x, y), the error term err there, each given to set.
    template <class Set>
    void walk(std::int64_t x, std::int64_t y, std::int64_t err, std::int64_t count,
              Set&& set) const {
        for (; count > 0; --count) {
            set(x, y);
            const std::int64_t e2 = 2 * err;
            if (e2 >= -dy) {
                err -= dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }
};

} // namespace

PixelBuffer::PixelBuffer(int width, int height, PixelIndex fill, int pen)
    : width_(width)
    , height_(height)
    , stride_(strideFor(width))
    , pen_(std::max(1, pen))
    , penOffset_(static_cast<double>(pen_ - 1) / 2.0)
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

void PixelBuffer::setIfInside(int x, int y, PixelIndex pixel) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[offset(x, y)] = pixel;
    }
}

void PixelBuffer::fillRectangle(int left, int top, int right, int bottom, PixelIndex pixel) {
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, width_);
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        if (x0 < x1) {
            std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(offset(x0, y)), x1 - x0,
                        pixel);
        }
    }
}

bool PixelBuffer::plot(double x, double y, PixelIndex pixel) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return false;
    }
    const double left = x - penOffset_;
    const double top = y - penOffset_;
    if (left >= -0.5 - (pen_ - 1) && top >= -0.5 - (pen_ - 1) && left < width_ && top < height_) {
        stamp(nearest(left), nearest(top), pixel);
    }
    return true;
}

// The pen's square with its first pixel at (x, y), as far as it is inside.
void PixelBuffer::stamp(std::int64_t x, std::int64_t y, PixelIndex pixel) {
    if (pen_ == 1) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[offset(static_cast<int>(x), static_cast<int>(y))] = pixel;
        }
        return;
    }
    for (std::int64_t row = std::max<std::int64_t>(y, 0);
         row < std::min<std::int64_t>(y + pen_, height_); ++row) {
        for (std::int64_t column = std::max<std::int64_t>(x, 0);
             column < std::min<std::int64_t>(x + pen_, width_); ++column) {
            pixels_[offset(static_cast<int>(column), static_cast<int>(row))] = pixel;
        }
    }
}

bool PixelBuffer::line(double x1, double y1, double x2, double y2, PixelIndex pixel) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return false;
    }
    const Segment s{x1 - penOffset_, y1 - penOffset_, x2 - penOffset_, y2 - penOffset_};
    if (pen_ == 1 && nearestInside(s.x1, s.y1) && nearestInside(s.x2, s.y2)) {
        walkInside({nearest(s.x1), nearest(s.y1)}, {nearest(s.x2), nearest(s.y2)}, pixel);
    } else {
        lineWithin(s, pixel, kMaxHalvings);
    }
    return true;
}

bool PixelBuffer::nearestInside(double x, double y) const {
    return x >= -0.5 && y >= -0.5 && x < width_ - 0.5 && y < height_ - 0.5;
}

// The common case, most segments of a trace: both ends inside and a pen of
// one pixel, so every pixel of the line is inside too and needs no test.
void PixelBuffer::walkInside(Pixel from, Pixel to, PixelIndex pixel) {
    const Steps steps(from, to);
    steps.walk(from.x, from.y, steps.dx - steps.dy, std::max(steps.dx, steps.dy) + 1,
               [this, pixel](std::int64_t x, std::int64_t y) {
                   pixels_[offset(static_cast<int>(x), static_cast<int>(y))] = pixel;
               });
}

// Ends within reach of the buffer are drawn as they are. A far end is first
// brought onto the reach box from the other end; when both are far, the
// segment is halved, so that every end is brought in from a point near it.
void PixelBuffer::lineWithin(Segment s, PixelIndex pixel, int halvings) {
    const Box reach{-kReach, -kReach, kReach + width_, kReach + height_};
    const unsigned code1 = reach.outcode(s.x1, s.y1);
    const unsigned code2 = reach.outcode(s.x2, s.y2);
    if ((code1 & code2) != 0U) {
        return;
    }
    if (code1 != Inside && code2 != Inside) {
        if (halvings > 0) {
            const double midX = s.x1 / 2 + s.x2 / 2;
            const double midY = s.y1 / 2 + s.y2 / 2;
            lineWithin({s.x1, s.y1, midX, midY}, pixel, halvings - 1);
            lineWithin({midX, midY, s.x2, s.y2}, pixel, halvings - 1);
        }
        return;
    }
    if (!bringIn(s.x1, s.y1, s.x2, s.y2, reach) || !bringIn(s.x2, s.y2, s.x1, s.y1, reach)) {
        return;
    }
    walk({nearest(s.x1), nearest(s.y1)}, {nearest(s.x2), nearest(s.y2)}, pixel);
}

// Bresenham's line from one pixel to the other, stepping once along the
// major axis at every step, so that after i steps the minor axis has moved
//   floor((2 * minor * i + major) / (2 * major))
// pixels and the error term is major * (1 + moved) - minor * (1 + i). Only
// the steps whose major coordinate lies inside the buffer are walked, the
// first of them started with the error term the steps before would have
// left: a line that leaves the buffer lights exactly the pixels of the
// whole line that lie inside.
void PixelBuffer::walk(Pixel from, Pixel to, PixelIndex pixel) {
    const Steps steps(from, to);
    const bool alongX = steps.dx >= steps.dy;
    const std::int64_t major = alongX ? steps.dx : steps.dy;
    const std::int64_t minor = alongX ? steps.dy : steps.dx;
    // The steps whose pen square reaches inside along the major axis:
    // start + sign * i in [1 - pen, size).
    const std::int64_t low = 1 - pen_;
    const auto inside = [low](std::int64_t start, std::int64_t sign, std::int64_t size) {
        return sign > 0 ? std::pair{low - start, size - 1 - start}
                        : std::pair{start - (size - 1), start - low};
    };
    const auto [fromStep, toStep] =
        alongX ? inside(from.x, steps.sx, width_) : inside(from.y, steps.sy, height_);
    const std::int64_t first = std::max<std::int64_t>(0, fromStep);
    const std::int64_t last = std::min(major, toStep);
    if (first > last) {
        return;
    }
    const std::int64_t moved = major == 0 ? 0 : (2 * minor * first + major) / (2 * major);
    const std::int64_t movedX = alongX ? first : moved;
    const std::int64_t movedY = alongX ? moved : first;
    steps.walk(from.x + steps.sx * movedX, from.y + steps.sy * movedY,
               steps.dx * (1 + movedY) - steps.dy * (1 + movedX), last - first + 1,
               [this, pixel](std::int64_t x, std::int64_t y) { stamp(x, y, pixel); });
}

} // namespace amsim
