#pragma once

#include "canvas/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace amsim {

// A canvas that draws as vectors through a painter, for pictures that are
// printed or put on slides (SVG, PDF): every connected trace becomes one
// path, every point a square one position wide, the label text. A position
// x lies at x + 0.5, the centre of the pixel that a raster canvas sets for
// it, so the vectors cover the raster's pixels. Clear paints nothing: what
// lies beneath the drawing shows, as on the window.
class QtVectorCanvas : public Canvas {
public:
    QtVectorCanvas(QPainter& painter, const QFont& font, const QColor& ink);
    ~QtVectorCanvas() override;

    QtVectorCanvas(const QtVectorCanvas&) = delete;
    QtVectorCanvas& operator=(const QtVectorCanvas&) = delete;

    // Draws the paths still being built; the destructor does it too.
    void finish();

protected:
    CanvasStatus fillBackground() override;
    CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                          std::optional<PaletteColour> colour) override;
    CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) override;
    std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                  std::optional<PaletteColour> plate) override;

private:
    QColor colourOf(std::optional<PaletteColour> colour) const;
    void finishLine();
    void finishPoints();

    QPainter& painter_;
    QFont font_;
    QColor ink_;
    // The trace being drawn: segments that follow on from each other in one
    // colour join one path, and points that follow each other one path of
    // squares.
    QPainterPath path_;
    QColor pathColour_;
    QPainterPath points_;
    QColor pointsColour_;
};

} // namespace amsim
