#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace amsim {

// How the parameter boxes turn text into numbers and back, in the user's
// regional settings: the locale's decimal separator, never digit grouping.

// The box's text as a finite number, or nothing when it is not one. Blanks
// around the number are ignored; group separators, "inf" and "nan" are not
// numbers, so a "0,6" typed in a point locale never passes as 6.
std::optional<double> textToNumber(const QString& text, const QLocale& locale);

// At most 15 significant digits, trailing zeros dropped, no grouping;
// whole values show no decimal part ("0", "1", "-60").
QString numberToText(double value, const QLocale& locale);

} // namespace amsim
