#include "app/ControlTexts.h"

#include "params/FormTexts.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace amsim {

namespace {

// What a box or a panel holds, rather than says about itself.
bool holdsContent(const QWidget& control, std::string_view property) {
    return (property == "text" && qobject_cast<const QLineEdit*>(&control) != nullptr) ||
           (property == "plainText" && qobject_cast<const QPlainTextEdit*>(&control) != nullptr);
}

void giveTexts(QWidget& form, bool keepContent) {
    for (const FormText& text : formTexts()) {
        const QString name = QString::fromUtf8(text.control);
        QWidget* control = name == form.objectName() ? &form : form.findChild<QWidget*>(name);
        const std::string property(text.property);
        if (control != nullptr && keepContent && holdsContent(*control, property)) {
            continue;
        }
        if (control == nullptr ||
            !control->setProperty(property.c_str(), QString::fromStdString(text.text))) {
            throw std::logic_error("Form1.ui has no " + std::string(text.control) + "." + property);
        }
    }
}

} // namespace

void applyControlTexts(QWidget& form) {
    giveTexts(form, false);
}

void relabelControls(QWidget& form) {
    giveTexts(form, true);
}

QString textOf(TextKey key) {
    const std::string_view text = catalogueText(key);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace amsim
