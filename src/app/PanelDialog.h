#pragma once

#include "params/PanelPictures.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <QDialog>
#include <QPushButton>
#include <memory>

namespace amsim {

class CanvasView;

// A panel of the menu's in a window of its own beside the bench: the
// engine's picture on a raster canvas as the drawing is shown, and a button
// that closes it (Escape does too). It does not block the bench; closing
// only hides it, and a closed panel is not drawn.
class PanelDialog : public QDialog {
    Q_OBJECT

public:
    // Titled and named for assistive technology by its menu item's caption.
    PanelDialog(const PanelPicture& picture, const QString& caption, double scale, QWidget* parent);
    ~PanelDialog() override;

    QtRasterCanvas& canvas() { return *canvas_; }
    // Shows what the canvas holds now.
    void showChanges();
    // The canvas made anew at another device pixel ratio.
    void rescale(double scale);
    // Its caption, and its button's, in the language in use.
    void setCaption(const QString& caption);

private:
    PanelPicture picture_;
    std::unique_ptr<QtRasterCanvas> canvas_;
    CanvasView* view_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace amsim
