#include "qtcanvas/QtRasterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>

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

QtRasterCanvas::QtRasterCanvas(QSize size, const QFont& font, const QColor& ink, double scale)
    : RasterCanvas(size.width(), size.height(), scale)
    , font_(rasterFont(font))
    , colours_(colourTable(ink)) {}

QImage QtRasterCanvas::image() const {
    const PixelBuffer& buffer = pixels();
    QImage image(buffer.data(), buffer.width(), buffer.height(), buffer.stride(),
                 QImage::Format_Indexed8);
    image.setColorTable(colours_);
    image.setDevicePixelRatio(scale());
    return image;
}

// The letters alone, drawn on a transparent image of their own size; a pixel
// is ink where the letters cover it.
std::optional<RasterCanvas::Letters> QtRasterCanvas::renderLetters(std::string_view utf8Text) {
    const QString text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    const QFontMetrics metrics(font_);
    QImage glyphs(devicePixels(std::max(1, metrics.horizontalAdvance(text)), scale()),
                  devicePixels(metrics.height(), scale()), QImage::Format_ARGB32_Premultiplied);
    glyphs.setDevicePixelRatio(scale());
    glyphs.fill(Qt::transparent);
    QPainter painter(&glyphs);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.end();

    Letters letters{std::string(utf8Text), {}, metrics.height(), glyphs.width()};
    for (int y = 0; y < glyphs.height(); ++y) {
        for (int x = 0; x < glyphs.width(); ++x) {
            if (qAlpha(glyphs.pixel(x, y)) >= 128) {
                letters.ink.push_back({x, y});
            }
        }
    }
    return letters;
}

} // namespace amsim
