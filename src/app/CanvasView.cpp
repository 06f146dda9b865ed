#include "app/CanvasView.h"

#include <QPaintEvent>
#include <QPainter>

namespace amsim {

CanvasView::CanvasView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasView::setImage(const QImage& image) {
    image_ = image;
    update();
}

void CanvasView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

} // namespace amsim
