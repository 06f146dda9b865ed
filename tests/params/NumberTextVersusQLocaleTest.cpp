#include "app/LocaleFormat.h"
#include "params/NumberText.h"
#include "support/QtNumberText.h"

#include <QLocale>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace amsim {
namespace {

// Equal as doubles, the sign of zero included; or both not a number.
std::string shown(const std::optional<double>& value) {
    if (!value) {
        return "no es un número";
    }
    return std::to_string(std::bit_cast<std::uint64_t>(*value)) + " (" +
           test::qtNumberToText(*value, QLocale::c()).toStdString() + ")";
}

// Texts at every edge of the grammar: signs, separators, exponents, blanks of
// every kind, grouping, words, and values at the ends of the double range.
const std::vector<std::string>& edgeTexts() {
    static const std::vector<std::string> texts{"",
                                                " ",
                                                "1",
                                                "-1",
                                                "+1",
                                                "0",
                                                "-0",
                                                "+0",
                                                "00",
                                                "0.8",
                                                "0,8",
                                                "-0.2",
                                                "-0,2",
                                                ".5",
                                                ",5",
                                                "-.5",
                                                "-,5",
                                                "+.5",
                                                "+,5",
                                                "5.",
                                                "5,",
                                                ".",
                                                ",",
                                                "1.5.5",
                                                "1,5,5",
                                                "1.000",
                                                "1,000",
                                                "1.000,5",
                                                "1,000.5",
                                                "1'000",
                                                "1 000",
                                                "1\u00a0000",
                                                "1\u202f000",
                                                "1e5",
                                                "1E5",
                                                "1e+05",
                                                "1e-5",
                                                "1E-05",
                                                "1e+005",
                                                "1,5e3",
                                                "1.5e3",
                                                "1.e5",
                                                ",e5",
                                                ".e5",
                                                "e5",
                                                "1e",
                                                "1e+",
                                                "1e-",
                                                "1ee5",
                                                "1e5.5",
                                                "1e5,5",
                                                "1e 5",
                                                "1 e5",
                                                "1e+-5",
                                                "1e--5",
                                                "--1",
                                                "+-1",
                                                "-+1",
                                                "- 1",
                                                "\u22121",
                                                "\u2212.5",
                                                "\u2212,5",
                                                "+\u22121",
                                                "1e\u22125",
                                                "\u2212\u22121",
                                                "inf",
                                                "-inf",
                                                "nan",
                                                "Infinity",
                                                "0x10",
                                                "0x1p3",
                                                "1_0",
                                                "1x",
                                                "x1",
                                                "\u0661",
                                                "\uff11",
                                                "1e400",
                                                "-1e400",
                                                "1e-400",
                                                "1e-324",
                                                "2e-324",
                                                "3e-324",
                                                "4e-320",
                                                "0e-999",
                                                "0.0000e-400",
                                                "0,0000e-400",
                                                "0e99999999999",
                                                "1e99999999999999999999",
                                                "1e-99999999999999999999999",
                                                "1e0000000000000000000005",
                                                "1.7976931348623157e308",
                                                "1,7976931348623157e308",
                                                "1.7976931348623159e308",
                                                "1.79769313486232e308",
                                                "2.2250738585072014e-308",
                                                "4.9406564584124654e-324",
                                                "9007199254740993",
                                                "9007199254740993.00000000000000000000000001",
                                                "123456789012345678901234567890",
                                                "0.1000000000000000055511151231257827",
                                                "0.30000000000000004",
                                                " 1",
                                                "1 ",
                                                "\t1\n",
                                                "\r\n1\r\n",
                                                "\u00a01\u00a0",
                                                "\u20091",
                                                "\u30001",
                                                "\u20281\u2029",
                                                "\u00851",
                                                "\u16801",
                                                "\u205f1",
                                                "\u202f1",
                                                "\u200b1",
                                                "\u180e1",
                                                "\ufeff1",
                                                "\0341", // a file separator before 1
                                                "1\x1f",
                                                "\0131\x0c", // vertical tab and form feed around 1
                                                "1\xff",
                                                "\xc3",
                                                "\xe2\x88",
                                                "1\xe2\x88",
                                                "\xe2\x80\xa8",
                                                std::string("1\0"
                                                            "2",
                                                            3),
                                                "  3.5\t",
                                                " 2,25 ",
                                                "3 volt",
                                                "1 2",
                                                "abc",
                                                "síi/no",
                                                std::string(32767, '0') + "1",
                                                "0." + std::string(1000, '0') + "1e1000",
                                                std::string(400, '9'),
                                                "1" + std::string(330, '0') + "e-330",
                                                "9007199254740993" + std::string(800, '0') +
                                                    "1e-800"};
    return texts;
}

TEST(NumberTextVersusQLocale, ReadsEveryEdgeTextAsQtDid) {
    for (const QLocale& locale : test::referenceLocales()) {
        const NumberFormat format = numberFormatOf(locale);
        for (const std::string& bytes : edgeTexts()) {
            const QString text =
                QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            EXPECT_EQ(shown(textToNumber(text.toStdString(), format)),
                      shown(test::qtTextToNumber(text, locale)))
                << locale.name().toStdString() << " «" << text.left(40).toStdString() << "»";
        }
    }
}

TEST(NumberTextVersusQLocale, WritesEveryEdgeValueAsQtDid) {
    std::vector<double> values{0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               0.8,
                               -0.2,
                               0.2 + 0.2 + 0.2,
                               1.0 / 3.0,
                               201.0,
                               1234567.0,
                               1e14,
                               999999999999999.0,
                               1e15,
                               9999999999999999.0,
                               1e16,
                               123456789012345678.0,
                               1e20,
                               1e100,
                               1e-4,
                               1.23456789e-4,
                               9.99999999999999e-5,
                               1e-5,
                               1.5e-5,
                               -2.5e-7,
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(),
                               -std::numeric_limits<double>::denorm_min(),
                               0.5e-4,
                               0.00015,
                               2.675,
                               1.0000000000000002,
                               0.9999999999999999};
    for (const std::string& text : edgeTexts()) {
        if (const std::optional<double> value = textToNumber(text, NumberFormat{})) {
            values.push_back(*value);
        }
    }
    for (const QLocale& locale : test::referenceLocales()) {
        const NumberFormat format = numberFormatOf(locale);
        for (const double value : values) {
            EXPECT_EQ(numberToText(value, format),
                      test::qtNumberToText(value, locale).toStdString())
                << locale.name().toStdString() << " " << shown(value);
        }
    }
}

} // namespace
} // namespace amsim
