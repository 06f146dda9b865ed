#include "support/ReferenceLine.h"

#include <cmath>
#include <cstdlib>

namespace amsim::test {

Pixels referenceLine(float x1, float y1, float x2, float y2, int width, int height) {
    const auto nearest = [](float v) {
        return static_cast<std::int64_t>(std::floor(static_cast<double>(v) + 0.5));
    };
    std::int64_t x = nearest(x1);
    std::int64_t y = nearest(y1);
    const std::int64_t xEnd = nearest(x2);
    const std::int64_t yEnd = nearest(y2);
    const std::int64_t dx = std::llabs(xEnd - x);
    const std::int64_t dy = -std::llabs(yEnd - y);
    const std::int64_t sx = x < xEnd ? 1 : -1;
    const std::int64_t sy = y < yEnd ? 1 : -1;
    std::set<std::pair<std::int64_t, std::int64_t>> inside;
    for (std::int64_t err = dx + dy;;) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            inside.emplace(x, y);
        }
        if (x == xEnd && y == yEnd) {
            return inside;
        }
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

Pixels litPixels(const PixelBuffer& buffer, PixelIndex ink, int width, int height, int left,
                 int top) {
    Pixels lit;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (buffer.at(left + x, top + y) == ink) {
                lit.emplace(x, y);
            }
        }
    }
    return lit;
}

} // namespace amsim::test
