#include "params/NumberText.h"

#include <cmath>

namespace amsim {

namespace {

QLocale withoutGrouping(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

std::optional<double> textToNumber(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = withoutGrouping(locale).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString numberToText(double value, const QLocale& locale) {
    if (value == 0.0) {
        return QStringLiteral("0"); // never "-0"
    }
    return withoutGrouping(locale).toString(value, 'g', 15);
}

} // namespace amsim
