#include "params/NumberText.h"

#include "core/ClassicNumbers.h"
#include "params/Utf8.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace amsim {

namespace {

constexpr std::string_view kMinusSign = "\u2212";
constexpr std::size_t kSignificantDigits = 15;
constexpr int kMantissaBits = 53;

// Reads the grammar of textToNumber and writes the number the way strtod
// reads it in the C locale.
class Scanner {
public:
    Scanner(std::string_view text, const NumberFormat& format)
        : rest_(text)
        , separator_(format.decimalSeparator)
        , exponent_(format.exponent) {}

    // The number as "[-]digits.digitse[-]digits", or nothing.
    std::optional<std::string> plainForm() {
        std::string plain = sign();
        const std::size_t before = digits(plain);
        plain += '.';
        const std::size_t after = !separator_.empty() && take(separator_) ? digits(plain) : 0;
        if (before + after == 0) {
            return std::nullopt;
        }
        // The locale's own exponent too ("×10^" in Swedish), which the
        // writer below uses: what it writes reads back.
        if (take("e") || take("E") || (!exponent_.empty() && take(exponent_))) {
            plain += 'e';
            plain += sign();
            if (digits(plain) == 0) {
                return std::nullopt;
            }
        }
        return rest_.empty() ? std::optional<std::string>(plain) : std::nullopt;
    }

private:
    bool take(std::string_view word) {
        if (!rest_.starts_with(word)) {
            return false;
        }
        rest_.remove_prefix(word.size());
        return true;
    }

    std::string sign() {
        if (take("-") || take(kMinusSign)) {
            return "-";
        }
        take("+");
        return {};
    }

    std::size_t digits(std::string& plain) {
        std::size_t count = 0;
        while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9') {
            plain += rest_.front();
            rest_.remove_prefix(1);
            ++count;
        }
        return count;
    }

    std::string_view rest_;
    std::string_view separator_;
    std::string_view exponent_;
};

// A mantissa with a digit other than 0 stands for a number other than 0.
bool namesNonZero(const std::string& plain) {
    return plain.substr(0, plain.find('e')).find_first_of("123456789") != std::string::npos;
}

// A double written out in decimal: 0.d1 d2 d3 ... times ten to the power
// exponent + 1, so that d1 stands for d1 times ten to the exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no trailing zeros
    int exponent = 0;

    // To at most the given number of significant digits; a half rounds away
    // from zero.
    void round(std::size_t significant) {
        if (digits.size() <= significant) {
            return;
        }
        const bool up = digits[significant] >= '5';
        digits.resize(significant);
        if (up) {
            carryOne();
        }
        digits.erase(digits.find_last_not_of('0') + 1);
    }

    // %g's choice: plain digits unless the exponent is below -4 or reaches the
    // number of significant digits, then one digit, the rest and an exponent
    // of at least two digits.
    std::string written(const NumberFormat& format) const {
        std::string text = negative ? "-" : "";
        if (exponent < -4 || exponent >= static_cast<int>(kSignificantDigits)) {
            text += digits.substr(0, 1);
            if (digits.size() > 1) {
                text += format.decimalSeparator + digits.substr(1);
            }
            const std::string power = std::to_string(std::abs(exponent));
            return text + format.exponent + (exponent < 0 ? "-" : "+") +
                   (power.size() < 2 ? "0" : "") + power;
        }
        if (exponent < 0) {
            return text + "0" + format.decimalSeparator +
                   std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            return text + digits + std::string(whole - digits.size(), '0');
        }
        return text + digits.substr(0, whole) + format.decimalSeparator + digits.substr(whole);
    }

private:
    void carryOne() {
        const auto last =
            std::find_if(digits.rbegin(), digits.rend(), [](char d) { return d != '9'; });
        std::fill(digits.rbegin(), last, '0');
        if (last != digits.rend()) {
            ++*last;
            return;
        }
        digits.insert(digits.begin(), '1');
        ++exponent;
    }
};

// How many significant digits the exact decimal expansion of a finite
// non-zero double has, or a few more. With m odd, m 2^k is an integer for k
// of 0 or more, and otherwise m 5^-k / 10^-k, whose digits are m 5^-k's.
int exactDigits(double value) {
    int exponent = 0;
    const double fraction = std::frexp(std::abs(value), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= static_cast<unsigned>(zeros);
    const int power = exponent - kMantissaBits + zeros;
    const double digits = std::log10(static_cast<double>(mantissa)) +
                          (power < 0 ? -power * std::log10(5.0) : power * std::log10(2.0));
    return static_cast<int>(digits) + 2;
}

// Every digit of the double: its exact decimal expansion has at most 767
// significant digits, which the C library writes without rounding when
// asked for as many.
Decimal exactDecimal(double value) {
    constexpr int kMostDigits = 767;
    std::array<char, 800> text{};
    {
        const ClassicNumbers classic;
        std::snprintf(text.data(), text.size(), "%.*e",
                      std::min(exactDigits(value), kMostDigits) - 1, value);
    }
    const std::string_view written(text.data());
    Decimal decimal;
    decimal.negative = written.front() == '-';
    const std::size_t e = written.find('e');
    for (const char c : written.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            decimal.digits += c;
        }
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    decimal.exponent = std::atoi(written.substr(e + 1).data());
    return decimal;
}

} // namespace

NumberReading readNumber(std::string_view text, const NumberFormat& format) {
    const std::optional<std::string> plain = Scanner(trimBlanks(text), format).plainForm();
    if (!plain) {
        return {Reading::NotANumber};
    }
    double value = 0.0;
    {
        const ClassicNumbers classic;
        value = std::strtod(plain->c_str(), nullptr);
    }
    if (!std::isfinite(value)) {
        return {Reading::TooLarge};
    }
    if (value == 0.0 && namesNonZero(*plain)) {
        return {Reading::TooSmall};
    }
    return {Reading::Number, value};
}

std::optional<double> textToNumber(std::string_view text, const NumberFormat& format) {
    const NumberReading read = readNumber(text, format);
    return read.reading == Reading::Number ? std::optional<double>(read.value) : std::nullopt;
}

std::string numberToText(double value, const NumberFormat& format) {
    if (value == 0.0) {
        return "0"; // never "-0"
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : value < 0.0 ? "-inf" : "inf";
    }
    Decimal decimal = exactDecimal(value);
    decimal.round(kSignificantDigits);
    return decimal.written(format);
}

NumberFormat textFormat() {
    return {std::string(catalogueText("number.decimalSeparator")), "E"};
}

const NumberFormat& pointFormat() {
    static const NumberFormat format{".", "e"};
    return format;
}

} // namespace amsim
