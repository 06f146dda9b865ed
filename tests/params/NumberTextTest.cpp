#include "params/NumberText.h"

#include <gtest/gtest.h>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};
const NumberFormat kComma{",", "E"};

TEST(NumberToText, FifteenDigitsNoGroupingWholeValuesBare) {
    struct Row {
        const char* name;
        double value;
        const char* point;
        const char* comma;
    };
    const Row rows[] = {
        {"one", 1.0, "1", "1"},
        {"zero", 0.0, "0", "0"},
        {"negative zero shows no sign", -0.0, "0", "0"},
        {"tenths", 0.8, "0.8", "0,8"},
        {"drift is rounded away", 0.2 + 0.2 + 0.2, "0.6", "0,6"},
        {"negative", -0.2, "-0.2", "-0,2"},
        {"whole negative", -60.0, "-60", "-60"},
        {"no digit grouping", 1234567.0, "1234567", "1234567"},
        {"fifteen significant digits", 1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
        {"a half rounds away from zero", -1000000000000.125, "-1000000000000.13",
         "-1000000000000,13"},
        {"rounding carries into a new digit", 999999999999999.5, "1e+15", "1E+15"},
        {"small values take an exponent", 2.5e-7, "2.5e-07", "2,5E-07"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(numberToText(row.value, kPoint), row.point);
        EXPECT_EQ(numberToText(row.value, kComma), row.comma);
    }
}

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

TEST(TextToNumber, AcceptsTheLocalesNumbersWithBlanksAround) {
    struct Row {
        const char* name;
        const char* text;
        const NumberFormat* format;
        double value;
    };
    const Row rows[] = {
        {"plain", "0.6", &kPoint, 0.6},
        {"comma locale", "0,6", &kComma, 0.6},
        {"blanks around", "  3.5\t", &kPoint, 3.5},
        {"blanks in a comma locale", " 2,25 ", &kComma, 2.25},
        {"exponent", "1e-3", &kPoint, 0.001},
        {"negative", "-3", &kPoint, -3.0},
        {"plus sign", "+7", &kPoint, 7.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<double> value = textToNumber(row.text, *row.format);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, row.value);
    }
}

TEST(TextToNumber, RejectsAnythingThatIsNotAFiniteNumber) {
    struct Row {
        const char* name;
        const char* text;
        const NumberFormat* format;
    };
    const Row rows[] = {
        {"empty", "", &kPoint},
        {"blanks only", "   ", &kPoint},
        {"a word", "abc", &kPoint},
        {"a comma in a point locale is no decimal separator", "0,6", &kPoint},
        {"a point in a comma locale is no decimal separator", "0.6", &kComma},
        {"digit grouping", "1,000", &kPoint},
        {"grouping in a comma locale", "1.000", &kComma},
        {"infinity", "inf", &kPoint},
        {"not a number", "nan", &kPoint},
        {"beyond the double range", "1e400", &kPoint},
        {"hexadecimal", "0x10", &kPoint},
        {"trailing junk", "3 volt", &kPoint},
        {"two numbers", "1 2", &kPoint},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(textToNumber(row.text, *row.format).has_value());
    }
}

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
