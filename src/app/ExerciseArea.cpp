#include "app/ExerciseArea.h"

#include "app/ControlTexts.h"
#include "params/ReadoutRows.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace amsim {

namespace {

// The gaps of the area, in pixels: the readout's left margin, and between
// rows and controls.
constexpr int kLeft = kReadoutLeft;
constexpr int kGap = 4;
constexpr int kAnswerWidth = 120;

template <class Widget> Widget* made(QWidget& form, const char* name) {
    auto* widget = new Widget(&form);
    widget->setObjectName(QString::fromLatin1(name));
    widget->hide();
    return widget;
}

} // namespace

ExerciseArea::ExerciseArea(QWidget& form)
    : question_(made<QLabel>(form, "Question"))
    , answer_(made<QLineEdit>(form, "Respuesta"))
    , check_(made<QPushButton>(form, "Comprobar"))
    , verdict_(made<QLabel>(form, "Verdict"))
    , solution_(made<QPushButton>(form, "MostrarSolucion")) {
    showLanguage();
    question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ExerciseArea::showLanguage() {
    const auto name = [](QWidget* widget, TextKey accessibleName, TextKey description) {
        widget->setAccessibleName(textOf(accessibleName));
        widget->setAccessibleDescription(textOf(description));
    };
    name(question_, "exercise.questionName", "exercise.questionDescription");
    name(answer_, "exercise.answerLabel", "exercise.answerDescription");
    name(check_, "exercise.check", "exercise.checkDescription");
    name(verdict_, "exercise.verdictName", "exercise.verdictDescription");
    name(solution_, "exercise.showSolution", "exercise.showSolutionDescription");
    answer_->setPlaceholderText(textOf("exercise.answerLabel"));
    check_->setText(textOf("exercise.check"));
    solution_->setText(textOf("exercise.showSolution"));
}

void ExerciseArea::followInTabOrder(QWidget* previous) {
    QWidget::setTabOrder(previous, answer_);
    QWidget::setTabOrder(answer_, check_);
    QWidget::setTabOrder(check_, solution_);
}

// A new exercise starts with an empty answer; once the solution is shown
// there is nothing left to answer.
void ExerciseArea::show(const ExerciseView& view) {
    const bool shown = !view.question.empty();
    question_->setText(QString::fromStdString(view.question));
    verdict_->setText(QString::fromStdString(view.verdict));
    QPalette colour = question_->palette();
    if (view.judged == Verdict::Correct) {
        colour.setColor(QPalette::WindowText, QColor(0x2e, 0x7d, 0x32));
    } else if (view.judged == Verdict::Incorrect) {
        colour.setColor(QPalette::WindowText, QColor(0xc6, 0x28, 0x28));
    }
    verdict_->setPalette(colour);
    if (view.verdict.empty()) {
        answer_->clear();
    }
    answer_->setEnabled(!view.solutionShown);
    check_->setEnabled(!view.solutionShown);
    question_->setVisible(shown);
    answer_->setVisible(shown);
    check_->setVisible(shown);
    verdict_->setVisible(shown);
    solution_->setVisible(shown && view.solutionOffered);
    if (shown && !view.verdict.empty()) {
        QAccessibleEvent said(verdict_, QAccessible::Alert);
        QAccessible::updateAccessibility(&said);
    }
}

// The question on a row of its own; beneath it the answer, its buttons and
// the verdict after them.
void ExerciseArea::place(int top) {
    top_ = top;
    const int width = question_->parentWidget()->width();
    question_->setGeometry(kLeft, top + kGap, width - 2 * kLeft, question_->sizeHint().height());
    const int row = question_->geometry().bottom() + 1 + kGap;
    const int rowHeight = std::max(answer_->sizeHint().height(), check_->sizeHint().height());
    answer_->setGeometry(kLeft, row, kAnswerWidth, rowHeight);
    int next = answer_->geometry().right() + 1 + kGap;
    for (QPushButton* button : {check_, solution_}) {
        button->setGeometry(next, row, button->sizeHint().width(), rowHeight);
        if (!button->isHidden()) {
            next = button->geometry().right() + 1 + kGap;
        }
    }
    verdict_->setGeometry(next + kGap, row, width - next - kGap - kLeft, rowHeight);
}

int ExerciseArea::height() const {
    return question_->isHidden() ? 0 : answer_->geometry().bottom() + 1 + kGap - top_;
}

} // namespace amsim
