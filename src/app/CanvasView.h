#pragma once

#include <QImage>
#include <QWidget>

namespace amsim {

// Shows the drawing over the window's face, labels and picture. It is
// transparent where nothing is drawn and lets every mouse event through, so
// the widgets stacked above it (text boxes and buttons) stay in front.
// For a screen reader it is the oscilloscope and spectrum analyser, described
// by a sentence about the parameters it was drawn from.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    explicit CanvasView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    // Repaints the rows of the image that changed since it was last shown:
    // while the bench runs, only the detector's strip moves.
    void showChanges();
    // Tells assistive technology what the drawing now shows.
    void setDescription(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    // The image's pixels as last shown, to find the rows that changed.
    QByteArray shown_;
};

} // namespace amsim
