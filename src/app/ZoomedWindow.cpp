#include "app/ZoomedWindow.h"

#include <QGraphicsProxyWidget>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace amsim {

ZoomedWindow::ZoomedWindow(QWidget* window, double zoom) {
    scene_.addWidget(window);
    setScene(&scene_);
    setWindowTitle(window->windowTitle());
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing |
                   QPainter::TextAntialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scale(zoom, zoom);
    fit(window->size());
    window->installEventFilter(this);
}

// The window grows beneath its drawing when its readout needs the room.
bool ZoomedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        fit(static_cast<QResizeEvent*>(event)->size());
    }
    return QGraphicsView::eventFilter(watched, event);
}

void ZoomedWindow::fit(QSize window) {
    const double zoom = transform().m11();
    const QSize zoomed(static_cast<int>(std::ceil(window.width() * zoom)),
                       static_cast<int>(std::ceil(window.height() * zoom)));
    scene_.setSceneRect(QRectF(QPointF(), QSizeF(window)));
    setMinimumSize(zoomed);
    resize(zoomed.expandedTo(size()));
}

std::optional<double> zoomToFit(QSizeF design, QSizeF available) {
    const double zoom =
        std::min(available.width() / design.width(), available.height() / design.height());
    return zoom < 1.0 ? std::optional<double>(zoom) : std::nullopt;
}

} // namespace amsim
