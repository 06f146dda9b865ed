#include "canvas/QtRasterCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace amsim {

namespace {

constexpr std::uint32_t kTransparent = 0x00000000U;

QFont rasterFont(QFont font) {
    // Ink on the canvas is hard-edged, like every line and point drawn on it.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

QtRasterCanvas::QtRasterCanvas(QSize size, const QFont& font, const QColor& ink)
    : RasterCanvas(size.width(), size.height(), kTransparent, ink.rgba())
    , font_(rasterFont(font))
    , ink_(ink) {}

QImage QtRasterCanvas::image() const {
    const PixelBuffer& buffer = pixels();
    return QImage(reinterpret_cast<const uchar*>(buffer.data()), buffer.width(), buffer.height(),
                  static_cast<qsizetype>(buffer.width()) * 4, QImage::Format_ARGB32_Premultiplied);
}

std::optional<float> QtRasterCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text) {
    PixelBuffer& buffer = pixels();
    QImage target(reinterpret_cast<uchar*>(buffer.data()), buffer.width(), buffer.height(),
                  static_cast<qsizetype>(buffer.width()) * 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    if (!painter.begin(&target)) {
        return std::nullopt;
    }
    painter.setFont(font_);
    painter.setPen(ink_);
    const QFontMetrics metrics(font_);
    const QString text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    painter.drawText(QPointF(topLeft.x, topLeft.y + static_cast<float>(metrics.ascent())), text);
    painter.end();
    return static_cast<float>(metrics.height());
}

} // namespace amsim
