#include "canvas/PngFile.h"

#include <QImage>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim {
namespace {

// The engine's PNG read back by Qt's own reader, pixel for pixel.
struct Picture {
    const char* name;
    int width;
    int height;
    PngColour colour;
};

void PrintTo(const Picture& row, std::ostream* out) {
    *out << row.name;
}

class PngFileTest : public testing::TestWithParam<Picture> {};

TEST_P(PngFileTest, ReadsBackPixelForPixel) {
    const Picture& row = GetParam();
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < row.height; ++y) {
        for (int x = 0; x < row.width; ++x) {
            rgb.insert(rgb.end(),
                       {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 3),
                        static_cast<std::uint8_t>((x ^ y) & 0xFF)});
            if (row.colour == PngColour::Rgba) {
                rgb.push_back(static_cast<std::uint8_t>(x % 2 == 0 ? 255 : 0));
            }
        }
    }
    const std::vector<std::uint8_t> png = pngOf(
        static_cast<std::size_t>(row.width), static_cast<std::size_t>(row.height), row.colour, rgb);
    const QImage read = QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG");
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), QSize(row.width, row.height));
    for (int y = 0; y < row.height; ++y) {
        for (int x = 0; x < row.width; ++x) {
            const auto size = static_cast<std::size_t>(row.colour);
            const auto at = static_cast<std::size_t>(y * row.width + x) * size;
            const int alpha = row.colour == PngColour::Rgba ? rgb[at + 3] : 255;
            ASSERT_EQ(read.pixel(x, y), qRgba(rgb[at], rgb[at + 1], rgb[at + 2], alpha))
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PngFileTest,
                         testing::Values(Picture{"OnePixel", 1, 1, PngColour::Rgb},
                                         Picture{"OneRow", 300, 1, PngColour::Rgb},
                                         Picture{"SeveralDeflateBlocks", 200, 130, PngColour::Rgb},
                                         Picture{"TheWindow", 952, 760, PngColour::Rgb},
                                         Picture{"SeeThroughColumns", 130, 90, PngColour::Rgba}),
                         [](const testing::TestParamInfo<Picture>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim
