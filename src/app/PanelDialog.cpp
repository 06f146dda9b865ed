#include "app/PanelDialog.h"

#include "app/CanvasView.h"
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
    setWindowTitle(caption);
    setAccessibleName(caption);
    setModal(false);
    // The picture's background is transparent: white shows through.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    view_ = new CanvasView(this);
    view_->setAccessibleName(caption);
    view_->setFixedSize(picture.width, picture.height);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(
        QString::fromUtf8(catalogueText("panel.close").data(),
                          static_cast<qsizetype>(catalogueText("panel.close").size())),
        QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("PanelClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    rescale(scale);
    close->setFocus(Qt::OtherFocusReason);
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
