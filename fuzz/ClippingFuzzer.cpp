// Holds the clipped line to the whole line: on arbitrary segments and buffer
// sizes, the pixels that PixelBuffer::line lights must be exactly those of
// the same line walked step by step on an unbounded canvas, cropped.
//
// Input: two bytes, the buffer's width and height (1 to 64 each), then four
// floats, the ends x1, y1, x2, y2, as their raw bytes. Ends farther than
// 300,000 pixels are left to the unit tests, to keep each run short. A
// difference prints the segment and aborts.
#include "canvas/PixelBuffer.h"
#include "support/ReferenceLine.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kNeeded = 2 + 4 * sizeof(float);
    if (size < kNeeded) {
        return 0;
    }
    const int width = 1 + data[0] % 64;
    const int height = 1 + data[1] % 64;
    std::array<float, 4> ends{};
    std::memcpy(ends.data(), data + 2, sizeof ends);
    for (const float end : ends) {
        if (!std::isfinite(end) || std::fabs(end) > 3e5F) {
            return 0;
        }
    }
    amsim::PixelBuffer buffer(width, height, 0);
    buffer.line(static_cast<double>(ends[0]), static_cast<double>(ends[1]),
                static_cast<double>(ends[2]), static_cast<double>(ends[3]), 1);
    if (amsim::test::litPixels(buffer, 1, width, height) !=
        amsim::test::referenceLine(ends[0], ends[1], ends[2], ends[3], width, height)) {
        std::fprintf(stderr, "amsim_clipping_fuzzer: %d x %d, (%.9g, %.9g) to (%.9g, %.9g)\n",
                     width, height, static_cast<double>(ends[0]), static_cast<double>(ends[1]),
                     static_cast<double>(ends[2]), static_cast<double>(ends[3]));
        std::abort();
    }
    return 0;
}
