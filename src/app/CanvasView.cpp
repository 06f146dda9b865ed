#include "app/CanvasView.h"

#include "params/ParameterSummary.h"

#include <QPaintEvent>
#include <QPainter>

namespace amsim {

CanvasView::CanvasView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(
        QString::fromUtf8(kDrawingName.data(), static_cast<qsizetype>(kDrawingName.size())));
}

void CanvasView::setImage(const QImage& image) {
    image_ = image;
    update();
}

void CanvasView::setDescription(const QString& description) {
    // Qt announces every set, even of the same text; a screen reader would
    // repeat an unchanged description after each redraw.
    if (description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
}

// The image may hold more pixels than the widget has positions: the
// source is the same rectangle in its pixels.
void CanvasView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF area(event->rect());
    const double ratio = image_.devicePixelRatio();
    painter.drawImage(area, image_, QRectF(area.topLeft() * ratio, area.size() * ratio));
}

} // namespace amsim
