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
    // Tells assistive technology what the drawing now shows.
    void setDescription(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace amsim
