#include "app/PanelDialog.h"

#include "app/CanvasView.h"
#include "app/ControlTexts.h"
#include "app/DesignFonts.h"
#include "texts/Catalogue.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace amsim {

PanelDialog::PanelDialog(const PanelPicture& picture, const QString& caption, double scale,
                         QWidget* parent)
    : QDialog(parent)
    , picture_(picture) {
    setModal(false);
    // The picture's background is transparent: white shows through.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    view_ = new CanvasView(this);
    view_->setFixedSize(picture.width, picture.height);
    auto* buttons = new QDialogButtonBox(this);
    close_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close_->setObjectName(QStringLiteral("PanelClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setCaption(caption);
    rescale(scale);
    close_->setFocus(Qt::OtherFocusReason);
}

void PanelDialog::setCaption(const QString& caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    view_->setAccessibleName(caption);
    close_->setText(textOf("panel.close"));
}

PanelDialog::~PanelDialog() = default;

void PanelDialog::showChanges() {
    view_->showChanges();
}

void PanelDialog::rescale(double scale) {
    if (canvas_ && canvas_->scale() == scale) {
        return;
    }
    canvas_ = std::make_unique<QtRasterCanvas>(QSize(picture_.width, picture_.height), windowFont(),
                                               QColor(Qt::black), scale);
    view_->setImage(canvas_->image());
}

} // namespace amsim
