#include "canvas/PixelBuffer.h"

#include "canvas/Palette.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace amsim {
namespace {

constexpr PixelIndex kEmpty = 0;
constexpr PixelIndex kInk = 7;

int inkedPixels(const PixelBuffer& buffer) {
    int count = 0;
    for (int y = 0; y < buffer.height(); ++y) {
        for (int x = 0; x < buffer.width(); ++x) {
            count += buffer.at(x, y) == kInk ? 1 : 0;
        }
    }
    return count;
}

TEST(PixelBuffer, PointTakesTheNearestPixel) {
    struct Row {
        const char* name;
        double x, y;
        int px, py;
    };
    const Row rows[] = {
        {"fraction below a half rounds down", 0.2, 79.4, 0, 79},
        {"a half rounds up", 2.5, 3.5, 3, 4},
        {"just below the next pixel", 9.6, 9.49, 10, 9},
        {"a little left of the first column", -0.4, 0.0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PixelBuffer buffer(20, 100, kEmpty);
        ASSERT_TRUE(buffer.plot(row.x, row.y, kInk));
        EXPECT_EQ(buffer.at(row.px, row.py), kInk);
        EXPECT_EQ(inkedPixels(buffer), 1);
    }
}

TEST(PixelBuffer, OutsidePointsAreClippedSilently) {
    PixelBuffer buffer(932, 700, kEmpty);
    const auto far = static_cast<double>(std::numeric_limits<float>::max());
    for (auto [x, y] : {std::pair{0.0, -40.0},
                        {940.0, 10.0},
                        {931.6, 5.0},
                        {-0.6, 5.0},
                        {far, far},
                        {-far, 3.0}}) {
        EXPECT_TRUE(buffer.plot(x, y, kInk)) << x << "," << y;
    }
    EXPECT_EQ(inkedPixels(buffer), 0);
}

TEST(PixelBuffer, NonFiniteCoordinatesFail) {
    PixelBuffer buffer(10, 10, kEmpty);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(buffer.plot(nan, 1, kInk));
    EXPECT_FALSE(buffer.line(1, 1, 2, inf, kInk));
    EXPECT_EQ(inkedPixels(buffer), 0);
}

TEST(PixelBuffer, LineSetsBothEndsAndEveryStepBetween) {
    PixelBuffer buffer(20, 20, kEmpty);
    ASSERT_TRUE(buffer.line(2, 3, 12, 8, kInk));
    EXPECT_EQ(buffer.at(2, 3), kInk);
    EXPECT_EQ(buffer.at(12, 8), kInk);
    EXPECT_EQ(inkedPixels(buffer), 11); // one pixel per column of a shallow line
    for (int x = 2; x <= 12; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 20; ++y) {
            inColumn += buffer.at(x, y) == kInk ? 1 : 0;
        }
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
}

TEST(PixelBuffer, LineFromInsideToOutsideIsDrawnUpToTheEdge) {
    PixelBuffer buffer(932, 700, kEmpty);
    ASSERT_TRUE(buffer.line(730, 400, 950, 400, kInk));
    for (int x = 730; x < 932; ++x) {
        ASSERT_EQ(buffer.at(x, 400), kInk) << x;
    }
    EXPECT_EQ(inkedPixels(buffer), 932 - 730);
}

TEST(PixelBuffer, HugeLinesAreClippedNotWalked) {
    PixelBuffer buffer(50, 40, kEmpty);
    const double far = 1e30;
    ASSERT_TRUE(buffer.line(5, -far, 5, far, kInk));      // a full column
    ASSERT_TRUE(buffer.line(-1e6, -1e6, 1e6, 1e6, kInk)); // the diagonal
    ASSERT_TRUE(buffer.line(-far, 100, far, 100, kInk));  // entirely below
    int column = 0;
    for (int y = 0; y < 40; ++y) {
        column += buffer.at(5, y) == kInk ? 1 : 0;
    }
    EXPECT_EQ(column, 40);
    EXPECT_EQ(buffer.at(20, 20), kInk);
    EXPECT_EQ(buffer.at(39, 39), kInk);
    EXPECT_EQ(inkedPixels(buffer), 40 + 40 - 1);
}

// At the edge of the float range rounding may cost a pixel, never a crash or
// a write outside the buffer.
TEST(PixelBuffer, AstronomicalLinesStayInsideTheBuffer) {
    PixelBuffer diagonal(50, 40, kEmpty);
    const auto far = static_cast<double>(std::numeric_limits<float>::max());
    ASSERT_TRUE(diagonal.line(-far, -far, far, far, kInk));
    EXPECT_GE(inkedPixels(diagonal), 39);
    EXPECT_LE(inkedPixels(diagonal), 41);

    PixelBuffer row(50, 40, kEmpty);
    ASSERT_TRUE(row.line(far, 20, -far, 20, kInk));
    EXPECT_EQ(inkedPixels(row), 50);
}

TEST(Palette, IsTheSixteenColourDisplayPalette) {
    EXPECT_EQ(paletteRgb(PaletteColour::LightMagenta), (Rgb{255, 0, 255}));
    EXPECT_EQ(paletteRgb(PaletteColour::Green), (Rgb{0, 128, 0}));
    EXPECT_EQ(paletteRgb(PaletteColour::LightGrey), (Rgb{192, 192, 192}));
    EXPECT_EQ(paletteRgb(PaletteColour::DarkGrey), (Rgb{128, 128, 128}));
    EXPECT_EQ(paletteRgb(PaletteColour::White), (Rgb{255, 255, 255}));
}

} // namespace
} // namespace amsim
