#include "app/CanvasView.h"

#include "params/ParameterSummary.h"
#include "texts/Catalogue.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace amsim {

CanvasView::CanvasView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasView::setImage(const QImage& image) {
    image_ = image;
    shown_.clear();
    update();
}

void CanvasView::showChanges() {
    const auto stride = static_cast<qsizetype>(image_.bytesPerLine());
    const auto size = stride * image_.height();
    const auto* pixels = reinterpret_cast<const char*>(image_.constBits());
    if (shown_.size() != size) {
        shown_ = QByteArray(pixels, size);
        update();
        return;
    }
    int top = image_.height();
    int bottom = -1;
    for (int y = 0; y < image_.height(); ++y) {
        const qsizetype at = stride * y;
        if (std::memcmp(pixels + at, shown_.constData() + at, static_cast<std::size_t>(stride)) !=
            0) {
            std::memcpy(shown_.data() + at, pixels + at, static_cast<std::size_t>(stride));
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (bottom >= top) {
        const double ratio = image_.devicePixelRatio();
        const auto first = static_cast<int>(std::floor(top / ratio));
        const auto last = static_cast<int>(std::ceil((bottom + 1) / ratio));
        update(QRect(0, first, width(), last - first));
    }
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
