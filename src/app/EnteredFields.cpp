#include "app/EnteredFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace amsim {

EnteredFields enteredIn(const QWidget& dialog) {
    EnteredFields entered;
    for (const QWidget* field : dialog.findChildren<QWidget*>()) {
        if (field->objectName().isEmpty()) {
            continue;
        }
        if (const auto* tick = qobject_cast<const QCheckBox*>(field)) {
            entered.emplace_back(tick->objectName(), tick->isChecked());
        } else if (const auto* box = qobject_cast<const QComboBox*>(field)) {
            entered.emplace_back(box->objectName(), box->currentIndex());
        } else if (const auto* list = qobject_cast<const QListWidget*>(field)) {
            entered.emplace_back(list->objectName(), list->currentRow());
        } else if (const auto* typed = qobject_cast<const QLineEdit*>(field);
                   typed != nullptr && !typed->isReadOnly()) {
            entered.emplace_back(typed->objectName(), typed->text());
        }
    }
    return entered;
}

void enterAgain(QWidget& dialog, const EnteredFields& entered) {
    for (const auto& [name, value] : entered) {
        auto* field = dialog.findChild<QWidget*>(name);
        if (auto* tick = qobject_cast<QCheckBox*>(field)) {
            tick->setChecked(value.toBool());
        } else if (auto* box = qobject_cast<QComboBox*>(field)) {
            box->setCurrentIndex(value.toInt());
        } else if (auto* list = qobject_cast<QListWidget*>(field)) {
            list->setCurrentRow(value.toInt());
        } else if (auto* typed = qobject_cast<QLineEdit*>(field)) {
            typed->setText(value.toString());
        }
    }
}

} // namespace amsim
