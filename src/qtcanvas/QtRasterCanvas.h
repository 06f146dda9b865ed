#pragma once

#include "canvas/RasterCanvas.h"

#include <QColor>
#include <QFont>
#include <QImage>

namespace amsim {

// The raster canvas of the window: lines and points go into the pixel buffer
// directly; QPainter is used only to print text. The background is
// transparent, so that whatever lies beneath the canvas (the window's face,
// its labels and its picture) shows where nothing is drawn.
class QtRasterCanvas : public RasterCanvas {
public:
    // A canvas of the given size in positions, drawn at a screen's device
    // pixel ratio (see RasterCanvas).
    QtRasterCanvas(QSize size, const QFont& font, const QColor& ink, double scale = 1.0);

    // A view of the drawing that shares the canvas's pixels, at the canvas's
    // scale as its device pixel ratio.
    QImage image() const;

protected:
    // QPainter renders the letters once per text (RasterCanvas keeps them):
    // painting also leaves the FPU in a state that slows the arithmetic after
    // it down for the rest of the redraw.
    std::optional<Letters> renderLetters(std::string_view utf8Text) override;

private:
    QFont font_;
    QList<QRgb> colours_;
};

} // namespace amsim
