#include "app/ControlTexts.h"

#include "params/FormTexts.h"

#include <QVariant>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace amsim {

void applyControlTexts(QWidget& form) {
    for (const FormText& text : formTexts()) {
        const QString name = QString::fromUtf8(text.control);
        QWidget* control = name == form.objectName() ? &form : form.findChild<QWidget*>(name);
        const std::string property(text.property);
        if (control == nullptr ||
            !control->setProperty(property.c_str(), QString::fromStdString(text.text))) {
            throw std::logic_error("Form1.ui has no " + std::string(text.control) + "." + property);
        }
    }
}

QString textOf(TextKey key) {
    const std::string_view text = catalogueText(key);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace amsim
