#include "canvas/QtRasterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <cmath>

namespace amsim {

namespace {

QFont rasterFont(QFont font) {
    // Ink on the canvas is hard-edged, like every line and point drawn on it.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QList<QRgb> colourTable(const QColor& ink) {
    QList<QRgb> colours;
    for (int n = 0; n < kPaletteSize; ++n) {
        const Rgb rgb = paletteRgb(static_cast<PaletteColour>(n));
        colours.append(qRgb(rgb.red, rgb.green, rgb.blue));
    }
    colours.append(ink.rgba());        // RasterCanvas::kInk
    colours.append(qRgba(0, 0, 0, 0)); // RasterCanvas::kBackground
    return colours;
}

} // namespace

QtRasterCanvas::QtRasterCanvas(QSize size, const QFont& font, const QColor& ink)
    : RasterCanvas(size.width(), size.height())
    , font_(rasterFont(font))
    , colours_(colourTable(ink)) {}

QImage QtRasterCanvas::image() const {
    const PixelBuffer& buffer = pixels();
    QImage image(buffer.data(), buffer.width(), buffer.height(), buffer.stride(),
                 QImage::Format_Indexed8);
    image.setColorTable(colours_);
    return image;
}

// The letters alone, drawn on a transparent image of their own size; a pixel
// is ink where the letters cover it.
const QtRasterCanvas::Letters& QtRasterCanvas::lettersOf(const QString& text) {
    if (lastLetters_.lineHeight > 0 && lastLetters_.text == text) {
        return lastLetters_;
    }
    const QFontMetrics metrics(font_);
    QImage glyphs(std::max(1, metrics.horizontalAdvance(text)), metrics.height(),
                  QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter painter(&glyphs);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.end();

    lastLetters_ = Letters{text, {}, metrics.height()};
    for (int y = 0; y < glyphs.height(); ++y) {
        for (int x = 0; x < glyphs.width(); ++x) {
            if (qAlpha(glyphs.pixel(x, y)) >= 128) {
                lastLetters_.ink.emplace_back(x, y);
            }
        }
    }
    return lastLetters_;
}

std::optional<float> QtRasterCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text) {
    const Letters& letters =
        lettersOf(QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())));
    PixelBuffer& target = buffer();
    // Far outside, the text is clipped whole before any pixel arithmetic.
    const double left = std::floor(static_cast<double>(topLeft.x) + 0.5);
    const double top = std::floor(static_cast<double>(topLeft.y) + 0.5);
    constexpr double kMargin = 1e6;
    if (std::fabs(left) < kMargin && std::fabs(top) < kMargin) {
        for (const QPoint& ink : letters.ink) {
            target.setIfInside(static_cast<int>(left) + ink.x(), static_cast<int>(top) + ink.y(),
                               kInk);
        }
    }
    return static_cast<float>(letters.lineHeight);
}

} // namespace amsim
