#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace amsim::test {

// The number conversions that the window made with Qt before they became
// plain C++: the reference that the plain rules are held to.
std::optional<double> qtTextToNumber(const QString& text, const QLocale& locale);
QString qtNumberToText(double value, const QLocale& locale);

// The locales the plain rules are compared with Qt in: C, en_US, es_ES,
// de_DE and fr_FR.
const std::vector<QLocale>& referenceLocales();

} // namespace amsim::test
