#include "app/DesignFonts.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <gtest/gtest.h>

namespace amsim {
namespace {

int inkInRect(const QImage& image, QRect rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    return count;
}

TEST(QtRasterCanvas, StartsTransparentAndDrawsOpaquePaletteColours) {
    QtRasterCanvas canvas(QSize(952, 700), windowFont(), Qt::black);
    EXPECT_EQ(inkInRect(canvas.image(), canvas.image().rect()), 0);
    canvas.line({639, 145}, {0, 145}, PaletteColour::LightMagenta);
    canvas.point({10, 10}, PaletteColour::Green);
    canvas.lineTo({20, 10});
    const QImage image = canvas.image();
    EXPECT_EQ(image.pixel(0, 145), qRgb(255, 0, 255));
    EXPECT_EQ(image.pixel(639, 145), qRgb(255, 0, 255));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0)); // overdrawn by the default colour
    EXPECT_EQ(image.pixel(20, 10), qRgb(0, 0, 0));
    ASSERT_EQ(canvas.clear(), CanvasStatus::Ok);
    EXPECT_EQ(inkInRect(canvas.image(), canvas.image().rect()), 0);
}

TEST(QtRasterCanvas, PrintsTextBelowAndRightOfThePositionAndMovesOneLineDown) {
    installFontSubstitutes();
    QtRasterCanvas canvas(QSize(200, 120), windowFont(), Qt::black);
    canvas.line({150, 80}, {0, 80}, PaletteColour::LightMagenta);
    ASSERT_EQ(canvas.print("modulante + Vcc"), CanvasStatus::Ok);
    const QImage image = canvas.image();
    const float lineHeight = canvas.position().y - 80.0F;
    EXPECT_EQ(canvas.position().x, 0.0F);
    EXPECT_GE(lineHeight, 11.0F);
    EXPECT_LE(lineHeight, 16.0F);
    // Letters lie in the line below the axis, starting at its left end.
    EXPECT_GT(inkInRect(image, QRect(0, 81, 100, static_cast<int>(lineHeight))), 40);
    EXPECT_EQ(inkInRect(image, QRect(0, 0, 200, 79)), 0);
    EXPECT_EQ(inkInRect(image, QRect(110, 81, 90, 30)), 0);
    // Only the letters are drawn: the axis stays where no letter covers it.
    EXPECT_EQ(image.pixel(140, 80), qRgb(255, 0, 255));
}

} // namespace
} // namespace amsim
