#include "app/ZoomedWindow.h"

#include <QGraphicsProxyWidget>
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
    const QSize zoomed(static_cast<int>(std::ceil(window->width() * zoom)),
                       static_cast<int>(std::ceil(window->height() * zoom)));
    setMinimumSize(zoomed);
    resize(zoomed);
}

std::optional<double> zoomToFit(QSizeF design, QSizeF available) {
    const double zoom =
        std::min(available.width() / design.width(), available.height() / design.height());
    return zoom < 1.0 ? std::optional<double>(zoom) : std::nullopt;
}

} // namespace amsim
