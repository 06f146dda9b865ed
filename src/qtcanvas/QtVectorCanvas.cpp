#include "qtcanvas/QtVectorCanvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <cmath>

namespace amsim {

namespace {

QPointF centreOf(CanvasPoint point) {
    return {static_cast<double>(point.x) + 0.5, static_cast<double>(point.y) + 0.5};
}

} // namespace

// The font at the size it has on the screen, in positions, whatever the
// resolution of the device painted on.
QtVectorCanvas::QtVectorCanvas(QPainter& painter, const QFont& font, const QColor& ink)
    : painter_(painter)
    , font_(font)
    , ink_(ink) {
    font_.setPixelSize(QFontInfo(font).pixelSize());
}

QtVectorCanvas::~QtVectorCanvas() {
    finish();
}

QColor QtVectorCanvas::colourOf(std::optional<PaletteColour> colour) const {
    if (!colour) {
        return ink_;
    }
    const Rgb rgb = paletteRgb(*colour);
    return {rgb.red, rgb.green, rgb.blue};
}

void QtVectorCanvas::finish() {
    finishLine();
    finishPoints();
}

void QtVectorCanvas::finishLine() {
    if (!path_.isEmpty()) {
        painter_.strokePath(path_,
                            QPen(pathColour_, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        path_ = QPainterPath();
    }
}

void QtVectorCanvas::finishPoints() {
    if (!points_.isEmpty()) {
        painter_.fillPath(points_, pointsColour_);
        points_ = QPainterPath();
    }
}

CanvasStatus QtVectorCanvas::fillBackground() {
    finish();
    return CanvasStatus::Ok;
}

CanvasStatus QtVectorCanvas::drawLine(CanvasPoint from, CanvasPoint to,
                                      std::optional<PaletteColour> colour) {
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) ||
        !std::isfinite(to.y)) {
        return CanvasStatus::Failed;
    }
    finishPoints();
    const QColor wanted = colourOf(colour);
    if (path_.isEmpty() || path_.currentPosition() != centreOf(from) || wanted != pathColour_) {
        finishLine();
        pathColour_ = wanted;
        path_.moveTo(centreOf(from));
    }
    path_.lineTo(centreOf(to));
    return CanvasStatus::Ok;
}

CanvasStatus QtVectorCanvas::drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) {
    if (!std::isfinite(at.x) || !std::isfinite(at.y)) {
        return CanvasStatus::Failed;
    }
    finishLine();
    const QColor wanted = colourOf(colour);
    if (wanted != pointsColour_) {
        finishPoints();
        pointsColour_ = wanted;
    }
    points_.addRect(QRectF(static_cast<double>(at.x), static_cast<double>(at.y), 1.0, 1.0));
    return CanvasStatus::Ok;
}

std::optional<float> QtVectorCanvas::drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                              std::optional<PaletteColour> plate) {
    finish();
    const QFontMetricsF metrics(font_);
    const QString text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    const auto left = static_cast<double>(topLeft.x);
    const auto top = static_cast<double>(topLeft.y);
    if (plate) {
        painter_.fillRect(
            QRectF(left - 1.0, top, metrics.horizontalAdvance(text) + 2.0, metrics.height()),
            colourOf(plate));
    }
    painter_.setFont(font_);
    painter_.setPen(ink_);
    painter_.drawText(QPointF(left, top + metrics.ascent()), text);
    return static_cast<float>(metrics.height());
}

} // namespace amsim
