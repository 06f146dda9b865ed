#include "canvas/PixelBuffer.h"
#include "support/ReferenceLine.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace amsim {
namespace {

using test::Pixels;

constexpr PixelIndex kEmpty = 0;
constexpr PixelIndex kInk = 7;

Pixels clipped(float x1, float y1, float x2, float y2, int width, int height, int pen = 1) {
    PixelBuffer buffer(width, height, kEmpty, pen);
    EXPECT_TRUE(buffer.line(static_cast<double>(x1), static_cast<double>(y1),
                            static_cast<double>(x2), static_cast<double>(y2), kInk));
    return test::litPixels(buffer, kInk, width, height);
}

// A line that leaves the buffer lights the pixels of the whole line inside it.
TEST(Clipping, LinesAcrossTheEdgeLightWhatTheWholeLineLightsThere) {
    struct Row {
        const char* name;
        float x1, y1, x2, y2;
    };
    const Row rows[] = {
        {"far right to just beyond the corner", 64305.19F, 59.47F, -0.5000001F, -0.5000001F},
        {"from the left, shallow", -1000.3F, 3.7F, 20.2F, 25.5F},
        {"from above, steep", 17.5F, -5000.0F, 3.25F, 29.4F},
        {"through, far on both sides", -7777.7F, 81.1F, 9999.9F, -55.5F},
        {"a half exactly on the edge", -0.5F, 10.5F, 39.5F, 29.5F},
        {"grazing the bottom row", -100.0F, 29.4F, 200.0F, 29.6F},
        {"passing the corner outside", -10.0F, 5.0F, 5.0F, -10.0F},
        {"long and nearly vertical", 20.4F, -300000.0F, 20.6F, 300000.0F},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(clipped(row.x1, row.y1, row.x2, row.y2, 40, 30),
                  test::referenceLine(row.x1, row.y1, row.x2, row.y2, 40, 30));
    }
}

// The reference made literally: the same line drawn inside a larger buffer,
// then cropped to the small one's place, with pens of every width a screen
// asks for. The coordinates are multiples of 1/64, so that moving them by
// 1024 pixels is exact. One larger buffer serves each pen: the line is
// erased again by drawing it in the empty colour.
TEST(Clipping, ClippedEqualsUnclippedOnALargerBufferCropped) {
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> coordinate(-1000 * 64, 1040 * 64);
    constexpr int kShift = 1024;
    std::vector<PixelBuffer> larger;
    for (int pen = 1; pen <= 3; ++pen) {
        larger.emplace_back(2 * kShift + 64, 2 * kShift + 64, kEmpty, pen);
    }
    for (int line = 0; line < 2000; ++line) {
        const auto pick = [&] { return static_cast<float>(coordinate(random)) / 64.0F; };
        const float x1 = pick();
        const float y1 = pick();
        const float x2 = pick();
        const float y2 = pick();
        const int pen = 1 + line % 3;
        PixelBuffer& canvas = larger.at(static_cast<std::size_t>(pen - 1));
        const auto moved = [](float v) { return static_cast<double>(v) + kShift; };
        ASSERT_TRUE(canvas.line(moved(x1), moved(y1), moved(x2), moved(y2), kInk));
        const Pixels cropped = test::litPixels(canvas, kInk, 40, 30, kShift, kShift);
        ASSERT_TRUE(canvas.line(moved(x1), moved(y1), moved(x2), moved(y2), kEmpty));
        ASSERT_EQ(clipped(x1, y1, x2, y2, 40, 30, pen), cropped)
            << x1 << "," << y1 << " to " << x2 << "," << y2 << ", pen " << pen;
    }
}

} // namespace
} // namespace amsim
