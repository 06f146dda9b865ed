#include "app/ExercisesDialog.h"

#include "app/ControlTexts.h"
#include "params/BuiltInExercises.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace amsim {

ExercisesDialog::ExercisesDialog(Open open, QWidget* parent)
    : QDialog(parent)
    , open_(std::move(open)) {
    setWindowTitle(textOf("exercise.list.title"));
    setAccessibleName(windowTitle());
    setModal(false);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("List"));
    list_->setAccessibleName(windowTitle());
    for (const BuiltInExercise& exercise : builtInExercises()) {
        list_->addItem(textOf(exercise.title));
    }
    list_->setCurrentRow(0);
    // As tall as the whole list, so that every title is in view.
    list_->setMinimumHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth());
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                           list_->fontMetrics().averageCharWidth() * 2);
    seed_ = new QLineEdit;
    seed_->setObjectName(QStringLiteral("Seed"));
    auto* seedRow = new QFormLayout;
    seedRow->addRow(textOf("exercise.list.seed"), seed_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close);
    QPushButton* openButton = buttons->button(QDialogButtonBox::Open);
    openButton->setText(textOf("exercise.list.open"));
    openButton->setObjectName(QStringLiteral("Open"));
    buttons->button(QDialogButtonBox::Close)->setText(textOf("panel.close"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExercisesDialog::openChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &ExercisesDialog::openChosen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(seedRow);
    layout->addWidget(buttons);
}

ExercisesDialog::~ExercisesDialog() = default;

void ExercisesDialog::openChosen() {
    const int row = list_->currentRow();
    if (row < 0) {
        return;
    }
    const std::string_view name = builtInExercises()[static_cast<std::size_t>(row)].name;
    if (open_(name, seed_->text().trimmed().toStdString())) {
        accept();
    }
}

} // namespace amsim
