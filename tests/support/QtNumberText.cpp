#include "support/QtNumberText.h"

#include <cmath>

namespace amsim::test {

namespace {

QLocale withoutGrouping(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

std::optional<double> qtTextToNumber(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = withoutGrouping(locale).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString qtNumberToText(double value, const QLocale& locale) {
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    return withoutGrouping(locale).toString(value, 'g', 15);
}

const std::vector<QLocale>& referenceLocales() {
    static const std::vector<QLocale> all{
        QLocale::c(), QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("es_ES")),
        QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("fr_FR"))};
    return all;
}

} // namespace amsim::test
