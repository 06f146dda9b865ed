// Holds the plain number rules to Qt's conversions, which the window used
// before them, on arbitrary texts and values.
//
// Input: the first byte chooses the locale (C, en_US, es_ES, de_DE, fr_FR, by
// its value modulo 5); the rest is a box's text, as UTF-8 (invalid sequences
// included, which Qt turns into U+FFFD before either side reads them). The
// text must read as the same number, or as none, on both sides; a number
// read, and the double made of the text's first eight bytes, must then be
// written as the same text. A difference prints both and aborts.
#include "app/LocaleFormat.h"
#include "params/NumberText.h"
#include "support/QtNumberText.h"

#include <QLocale>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace amsim {

namespace {

const QLocale& localeOf(std::uint8_t selector) {
    const std::vector<QLocale>& locales = test::referenceLocales();
    return locales.at(selector % locales.size());
}

[[noreturn]] void differ(const char* what, const QLocale& locale, const std::string& input,
                         const std::string& plain, const std::string& qt) {
    std::fprintf(stderr, "amsim_number_fuzzer: %s differ in %s for «%s»: «%s» against Qt's «%s»\n",
                 what, locale.name().toUtf8().constData(), input.c_str(), plain.c_str(),
                 qt.c_str());
    std::abort();
}

std::string shown(const std::optional<double>& value) {
    return value ? std::to_string(std::bit_cast<std::uint64_t>(*value)) : "no es un número";
}

void compareWriting(double value, const QLocale& locale, const NumberFormat& format,
                    const std::string& input) {
    const std::string plain = numberToText(value, format);
    const std::string qt = test::qtNumberToText(value, locale).toStdString();
    if (plain != qt) {
        differ("the texts written", locale, input, plain, qt);
    }
}

} // namespace

} // namespace amsim

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amsim;
    if (size == 0) {
        return 0;
    }
    const QLocale& locale = localeOf(data[0]);
    const NumberFormat format = numberFormatOf(locale);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    const std::string input = text.toStdString();

    const std::optional<double> plain = textToNumber(input, format);
    const std::optional<double> qt = test::qtTextToNumber(text, locale);
    if (shown(plain) != shown(qt)) {
        differ("the numbers read", locale, input, shown(plain), shown(qt));
    }
    if (plain) {
        compareWriting(*plain, locale, format, input);
    }
    if (size >= 9) {
        double bits = 0.0;
        std::memcpy(&bits, data + 1, sizeof bits);
        if (std::isfinite(bits)) {
            compareWriting(bits, locale, format, input);
        }
    }
    return 0;
}
