#pragma once

#include "canvas/RasterCanvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <vector>

namespace amsim {

// The raster canvas of the window: lines and points go into the pixel buffer
// directly; QPainter is used only to print text. The background is
// transparent, so that whatever lies beneath the canvas (the window's face,
// its labels and its picture) shows where nothing is drawn.
class QtRasterCanvas : public RasterCanvas {
public:
    QtRasterCanvas(QSize size, const QFont& font, const QColor& ink);

    // A view of the drawing that shares the canvas's pixels: valid until the
    // next growTo.
    QImage image() const;

protected:
    std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text) override;

private:
    // The inked pixels of a printed text, relative to its top-left corner.
    struct Letters {
        QString text;
        std::vector<QPoint> ink;
        int lineHeight = 0;
    };
    const Letters& lettersOf(const QString& text);

    QFont font_;
    QList<QRgb> colours_;
    // The display prints the same label at every redraw: it is rendered once.
    // (Painting with QPainter also leaves the FPU in a state that slows the
    // arithmetic after it down for the rest of the redraw.)
    Letters lastLetters_;
};

} // namespace amsim
