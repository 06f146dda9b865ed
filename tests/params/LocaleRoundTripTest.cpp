#include "app/LocaleFormat.h"
#include "params/NumberText.h"
#include "params/StepRules.h"

#include <QLocale>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <vector>

namespace amsim {
namespace {

// The step buttons of the boxes that add a step.
constexpr StepButton kModulanteSubir{Parameter::Modulante, true};
constexpr StepButton kModulanteBajar{Parameter::Modulante, false};
constexpr StepButton kVccSubir{Parameter::Vcc, true};
constexpr StepButton kVccBajar{Parameter::Vcc, false};
constexpr StepButton kFaseSubir{Parameter::Fase, true};
constexpr StepButton kFaseBajar{Parameter::Fase, false};

// A locale's notation as the window takes it from Qt, and as the page takes
// it from the browser (Chromium's Intl.NumberFormat: the decimal and the
// exponentSeparator parts).
struct Notation {
    const char* name;
    NumberFormat page;
};

void PrintTo(const Notation& row, std::ostream* out) {
    *out << row.name;
}

// Magnitudes from 1e-300 to 1e300 with a few mantissas, the subnormals and
// a negative zero, each with its negative.
std::vector<double> magnitudes() {
    std::vector<double> values{-0.0, std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::min() / 3.0,
                               std::numeric_limits<double>::min(), 0.20005};
    for (int exponent = -300; exponent <= 300; exponent += 5) {
        const double power = std::pow(10.0, exponent);
        values.insert(values.end(), {power, 3.0000000000001 * power, 9.87654321012345 * power});
    }
    const std::size_t positive = values.size();
    for (std::size_t i = 0; i < positive; ++i) {
        values.push_back(-values[i]);
    }
    return values;
}

// The text reads back, to a number that is written as that very text.
double readsBack(const std::string& text, const NumberFormat& format) {
    const NumberReading read = readNumber(text, format);
    EXPECT_EQ(read.reading, Reading::Number) << text;
    EXPECT_EQ(numberToText(read.value, format), text);
    return read.value;
}

class LocaleRoundTrip : public testing::TestWithParam<Notation> {};

// Every text written, and every step's result, reads back in the window's
// notation and in the page's, to the same number in both.
TEST_P(LocaleRoundTrip, EveryWrittenTextAndEveryStepReadsBackAlike) {
    const NumberFormat window = numberFormatOf(QLocale(QString::fromLatin1(GetParam().name)));
    const NumberFormat& page = GetParam().page;
    constexpr std::array rules = {kModulanteSubir, kModulanteBajar, kVccSubir,
                                  kVccBajar,       kFaseSubir,      kFaseBajar};
    for (const double value : magnitudes()) {
        EXPECT_EQ(readsBack(numberToText(value, window), window),
                  readsBack(numberToText(value, page), page));
        for (const StepButton& rule : rules) {
            EXPECT_EQ(readsBack(steppedText(rule, numberToText(value, window), window), window),
                      readsBack(steppedText(rule, numberToText(value, page), page), page));
        }
        if (HasFailure()) {
            return;
        }
    }
}

const Notation kNotations[] = {
    {"sv_SE", {",", "×10^"}}, {"lt_LT", {",", "×10^"}}, {"fa_IR", {"٫", "×۱۰^"}},
    {"ar_EG", {"٫", "أس"}},   {"de_DE", {",", "E"}},    {"es_ES", {",", "E"}},
    {"en_US", {".", "E"}},    {"fr_FR", {",", "E"}},
};

INSTANTIATE_TEST_SUITE_P(Locales, LocaleRoundTrip, testing::ValuesIn(kNotations),
                         [](const testing::TestParamInfo<Notation>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim
