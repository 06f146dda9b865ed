#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// How the parameter boxes turn text into numbers and back, in the user's
// regional settings: the locale's decimal separator, never digit grouping.
// Texts are UTF-8.

// What the regional settings change in a written number: the decimal
// separator ("." or ",", "٫" in Persian) and what comes before an exponent
// ("e" in the plain C locale, "E" in most others, "×10^" in Swedish).
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string exponent = "e";
};

// The notation written in no language, which addresses, exercise codes and
// the command's own texts share: a decimal point and "e". Made on first use,
// so no order of static initialization can reach it unmade.
const NumberFormat& pointFormat();

// The notation in which the texts of the language in use write numbers
// (the help's ranges, a step in a tooltip), whatever the locale: the
// catalogue's decimal separator and "E".
NumberFormat textFormat();

// What reading a box's text found: a number, or why there is none.
enum class Reading {
    Number,
    NotANumber, // the text does not follow the grammar below
    TooLarge,   // a number beyond the largest double
    TooSmall,   // a number other than 0 so small that it would read as 0
};

struct NumberReading {
    Reading reading = Reading::NotANumber;
    double value = 0.0; // when reading is Number
};

// The box's text as a finite number, or why it is none. The grammar is
// [sign] digits [separator digits] [e|E|exponent [sign] digits], with a
// digit somewhere in the mantissa; the sign is "+", "-" or the minus sign
// U+2212. Blanks around the number (every Unicode space, tab and line break)
// are ignored; group separators, hexadecimal, "inf" and "nan" are not
// numbers, so a "0,6" typed in a point locale never passes as 6. A value
// beyond the double range, or one so small that it would read as 0, is no
// usable number either.
NumberReading readNumber(std::string_view text, const NumberFormat& format);

// The number that readNumber finds, or nothing.
std::optional<double> textToNumber(std::string_view text, const NumberFormat& format);

// At most 15 significant digits, trailing zeros dropped, no grouping; whole
// values show no decimal part ("0", "1", "-60"), and magnitudes from 1e15 or
// below 1e-4 an exponent of at least two digits ("1E+20", "2,5E-07").
std::string numberToText(double value, const NumberFormat& format);

} // namespace amsim
