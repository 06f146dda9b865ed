#include "params/NumberText.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};
const NumberFormat kComma{",", "E"};

struct WrittenRow {
    const char* name;
    double value;
    const char* point;
    const char* comma;
};

void PrintTo(const WrittenRow& row, std::ostream* out) {
    *out << row.name;
}

class NumberToTextRows : public testing::TestWithParam<WrittenRow> {};

TEST_P(NumberToTextRows, FifteenDigitsNoGroupingWholeValuesBare) {
    EXPECT_EQ(numberToText(GetParam().value, kPoint), GetParam().point);
    EXPECT_EQ(numberToText(GetParam().value, kComma), GetParam().comma);
}

// Negative zero shows no sign; drift is rounded away; a half rounds away
// from zero; rounding may carry into a new digit, which takes an exponent.
INSTANTIATE_TEST_SUITE_P(
    NumberToText, NumberToTextRows,
    testing::Values(WrittenRow{"One", 1.0, "1", "1"}, WrittenRow{"Zero", 0.0, "0", "0"},
                    WrittenRow{"NegativeZero", -0.0, "0", "0"},
                    WrittenRow{"Tenths", 0.8, "0.8", "0,8"},
                    WrittenRow{"Drift", 0.2 + 0.2 + 0.2, "0.6", "0,6"},
                    WrittenRow{"Negative", -0.2, "-0.2", "-0,2"},
                    WrittenRow{"WholeNegative", -60.0, "-60", "-60"},
                    WrittenRow{"NoDigitGrouping", 1234567.0, "1234567", "1234567"},
                    WrittenRow{"FifteenSignificantDigits", 1.0 / 3.0, "0.333333333333333",
                               "0,333333333333333"},
                    WrittenRow{"AHalfRoundsAwayFromZero", -1000000000000.125, "-1000000000000.13",
                               "-1000000000000,13"},
                    WrittenRow{"RoundingCarriesIntoANewDigit", 999999999999999.5, "1e+15", "1E+15"},
                    WrittenRow{"SmallValuesTakeAnExponent", 2.5e-7, "2.5e-07", "2,5E-07"}),
    [](const testing::TestParamInfo<WrittenRow>& row) { return std::string(row.param.name); });

TEST(NumberToText, WhatItWritesReadsBackToTheNumberShown) {
    for (double value : {0.8, -0.2, 201.0, 1e20, 1.5e-7, 123456789012345678.0, 1e300, -4.9e-324}) {
        for (const NumberFormat& format : {kPoint, kComma}) {
            const std::string text = numberToText(value, format);
            const std::optional<double> back = textToNumber(text, format);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(numberToText(*back, format), text);
        }
    }
}

struct ReadRow {
    const char* name;
    const char* text;
    const NumberFormat* format;
    double value; // unused where the text is refused
};

void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << row.name;
}

class AcceptedText : public testing::TestWithParam<ReadRow> {};
class RefusedText : public testing::TestWithParam<ReadRow> {};

TEST_P(AcceptedText, ReadsAsTheLocalesNumberWithBlanksAround) {
    const std::optional<double> value = textToNumber(GetParam().text, *GetParam().format);
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, GetParam().value);
}

TEST_P(RefusedText, IsNotAFiniteNumber) {
    EXPECT_FALSE(textToNumber(GetParam().text, *GetParam().format).has_value());
}

const auto kRowName = [](const testing::TestParamInfo<ReadRow>& row) {
    return std::string(row.param.name);
};

INSTANTIATE_TEST_SUITE_P(TextToNumber, AcceptedText,
                         testing::Values(ReadRow{"Plain", "0.6", &kPoint, 0.6},
                                         ReadRow{"CommaLocale", "0,6", &kComma, 0.6},
                                         ReadRow{"BlanksAround", "  3.5\t", &kPoint, 3.5},
                                         ReadRow{"BlanksInACommaLocale", " 2,25 ", &kComma, 2.25},
                                         ReadRow{"Exponent", "1e-3", &kPoint, 0.001},
                                         ReadRow{"Negative", "-3", &kPoint, -3.0},
                                         ReadRow{"PlusSign", "+7", &kPoint, 7.0}),
                         kRowName);

// A comma in a point locale, or a point in a comma locale, is no decimal
// separator, and neither groups digits.
INSTANTIATE_TEST_SUITE_P(TextToNumber, RefusedText,
                         testing::Values(ReadRow{"Empty", "", &kPoint, 0},
                                         ReadRow{"BlanksOnly", "   ", &kPoint, 0},
                                         ReadRow{"AWord", "abc", &kPoint, 0},
                                         ReadRow{"CommaInAPointLocale", "0,6", &kPoint, 0},
                                         ReadRow{"PointInACommaLocale", "0.6", &kComma, 0},
                                         ReadRow{"DigitGrouping", "1,000", &kPoint, 0},
                                         ReadRow{"GroupingInACommaLocale", "1.000", &kComma, 0},
                                         ReadRow{"Infinity", "inf", &kPoint, 0},
                                         ReadRow{"NotANumber", "nan", &kPoint, 0},
                                         ReadRow{"BeyondTheDoubleRange", "1e400", &kPoint, 0},
                                         ReadRow{"Hexadecimal", "0x10", &kPoint, 0},
                                         ReadRow{"TrailingJunk", "3 volt", &kPoint, 0},
                                         ReadRow{"TwoNumbers", "1 2", &kPoint, 0}),
                         kRowName);

// What is wrong with a text that holds no usable number is told apart, for
// messages that say the truth.
TEST(TextToNumber, SaysWhyATextIsNoUsableNumber) {
    struct Row {
        const char* text;
        Reading reading;
    };
    const Row rows[] = {
        {"abc", Reading::NotANumber},  {"1,5", Reading::NotANumber},
        {"2e308", Reading::TooLarge},  {"-1e400", Reading::TooLarge},
        {"1e-400", Reading::TooSmall}, {"-2e-324", Reading::TooSmall},
        {"0e-999", Reading::Number},   {"4e-320", Reading::Number},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(readNumber(row.text, kPoint).reading, row.reading);
    }
}

} // namespace
} // namespace amsim
