#include "app/CreateExerciseDialog.h"

#include "app/ControlTexts.h"
#include "params/Exercise.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <utility>

namespace amsim {

namespace {

constexpr int kCheckBoxColumns = 4;
// Wide enough for a link with a whole setting.
constexpr int kOfferWidth = 460;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A read-only field for the link or the command, with the button that
// copies it.
QLineEdit* addOffer(QFormLayout& form, TextKey label, const char* name, TextKey copy,
                    const char* copyName) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setMinimumWidth(kOfferWidth);
    auto* button = new QPushButton(textOf(copy));
    button->setObjectName(QString::fromLatin1(copyName));
    button->setEnabled(false);
    QObject::connect(field, &QLineEdit::textChanged, button,
                     [button](const QString& text) { button->setEnabled(!text.isEmpty()); });
    QObject::connect(button, &QPushButton::clicked, field,
                     [field] { QGuiApplication::clipboard()->setText(field->text()); });
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(button);
    form.addRow(textOf(label), row);
    return field;
}

} // namespace

CreateExerciseDialog::CreateExerciseDialog(const HiddenSet& hidden, NumberFormat format, Make make,
                                           QWidget* parent)
    : QDialog(parent)
    , format_(std::move(format))
    , make_(std::move(make)) {
    setWindowTitle(textOf("exercise.create.title"));
    setAccessibleName(windowTitle());
    setModal(false);
    auto* boxes = new QGridLayout;
    for (const ParameterRow& row : kParameterRows) {
        const auto index = static_cast<std::size_t>(row.parameter);
        QCheckBox* box = hide_.at(index) = new QCheckBox(textOf(row.label));
        box->setObjectName(fromUtf8(row.option));
        box->setChecked(amsim::isHidden(hidden, row.parameter));
        boxes->addWidget(box, static_cast<int>(index) / kCheckBoxColumns,
                         static_cast<int>(index) % kCheckBoxColumns);
    }
    question_ = new QComboBox;
    question_->setObjectName(QStringLiteral("Question"));
    question_->addItem(textOf("exercise.create.firstHidden"));
    for (const QuestionRow& row : questionRows()) {
        question_->addItem(textOf(row.text));
    }
    tolerance_ = new QLineEdit;
    tolerance_->setObjectName(QStringLiteral("Tolerance"));
    auto* makeButton = new QPushButton(textOf("exercise.create.make"));
    makeButton->setObjectName(QStringLiteral("Make"));
    makeButton->setDefault(true);
    auto* form = new QFormLayout(this);
    form->addRow(textOf("exercise.create.hide"), boxes);
    form->addRow(textOf("exercise.create.question"), question_);
    form->addRow(textOf("exercise.create.tolerance"), tolerance_);
    form->addRow(QString(), makeButton);
    link_ = addOffer(*form, "exercise.create.link", "Link", "exercise.create.copyLink", "CopyLink");
    command_ = addOffer(*form, "exercise.create.command", "Command", "exercise.create.copyCommand",
                        "CopyCommand");
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    close->button(QDialogButtonBox::Close)->setText(textOf("panel.close"));
    form->addRow(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(makeButton, &QPushButton::clicked, this, &CreateExerciseDialog::make);
    connect(question_, &QComboBox::currentIndexChanged, this,
            &CreateExerciseDialog::showUsualTolerance);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

CreateExerciseDialog::~CreateExerciseDialog() = default;

ExerciseChoice CreateExerciseDialog::choice() const {
    ExerciseChoice chosen;
    for (std::size_t i = 0; i < hide_.size(); ++i) {
        chosen.hidden.set(i, hide_.at(i)->isChecked());
    }
    if (question_->currentIndex() > 0) {
        chosen.question = static_cast<std::size_t>(question_->currentIndex() - 1);
    }
    chosen.tolerance = tolerance_->text().trimmed().toStdString();
    return chosen;
}

// A choice that makes no exercise leaves no link of an earlier one in view.
void CreateExerciseDialog::make() {
    const std::optional<ExerciseOffer> offer = make_(choice());
    link_->setText(offer ? QString::fromStdString(offer->link) : QString());
    command_->setText(offer ? QString::fromStdString(offer->command) : QString());
    // Read from their start, where the page or the program is named.
    link_->setCursorPosition(0);
    command_->setCursorPosition(0);
}

void CreateExerciseDialog::showUsualTolerance() {
    const int chosen = question_->currentIndex();
    const QuestionRow* row =
        chosen > 0 ? &questionRows()[static_cast<std::size_t>(chosen - 1)] : nullptr;
    tolerance_->setPlaceholderText(
        row != nullptr && row->kind == AnswerKind::Number
            ? QString::fromStdString(numberToText(row->tolerance, format_))
            : QString());
}

} // namespace amsim
