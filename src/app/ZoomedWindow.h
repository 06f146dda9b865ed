#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSizeF>
#include <optional>

namespace amsim {

// A window drawn smaller than designed, for a screen too small for it. Qt's
// own scale factor makes a window larger and keeps it sharp, but it cannot go
// below 1: there the window is shown in a graphics view that scales it down,
// its controls working as before. It takes the window over, and cannot be
// made smaller than the window at that zoom.
class ZoomedWindow : public QGraphicsView {
public:
    ZoomedWindow(QWidget* window, double zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(QSize window);

    QGraphicsScene scene_;
};

// The zoom below 1 that lets a window of the design size fit the available
// area, or nothing when it fits as it is.
std::optional<double> zoomToFit(QSizeF design, QSizeF available);

} // namespace amsim
