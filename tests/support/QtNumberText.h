#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace amsim::test {

// The number conversions that the window made with Qt before they became
// plain C++: the reference that the plain rules are held to.
std::optional<double> qtTextToNumber(const QString& text, const QLocale& locale);
QString qtNumberToText(double value, const QLocale& locale);

} // namespace amsim::test
