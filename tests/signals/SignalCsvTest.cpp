#include "signals/SignalCsv.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace amsim {
namespace {

std::string toChars(double value) {
    std::array<char, 32> digits{};
    const std::to_chars_result written =
        std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return {digits.data(), written.ptr};
}

struct Number {
    const char* name;
    double value;
};

class ShortestTextTest : public testing::TestWithParam<Number> {};

TEST_P(ShortestTextTest, WritesWhatToCharsWrites) {
    EXPECT_EQ(shortestText(GetParam().value), toChars(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ShortestTextTest,
    testing::Values(Number{"One", 1.0}, Number{"Tenth", 0.1}, Number{"Negative", -0.3},
                    Number{"PlainWinsATie", 100000.0}, Number{"ScientificIsShorter", 1e6},
                    Number{"SmallFraction", 0.0001}, Number{"TinyFraction", 1.5e-7},
                    Number{"ThreeDigitExponent", 1e-300}, Number{"Largest", 1.7976931348623157e308},
                    Number{"Subnormal", 5e-324}, Number{"Seventeen", 0.30000000000000004},
                    Number{"MillisecondsOfAColumn", 1.2345678e-3}, Number{"Whole", 931.0}),
    [](const testing::TestParamInfo<Number>& row) { return std::string(row.param.name); });

TEST(ShortestText, AgreesWithToCharsOnRandomBitsAndSignals) {
    std::mt19937_64 bits(23);
    std::uniform_real_distribution<double> volts(-3.0, 3.0);
    for (int i = 0; i < 20000; ++i) {
        const auto any = std::bit_cast<double>(bits());
        const double value = std::isfinite(any) ? any : volts(bits);
        ASSERT_EQ(shortestText(value), toChars(value)) << value;
        const double signal = volts(bits);
        ASSERT_EQ(shortestText(signal), toChars(signal)) << signal;
    }
    EXPECT_EQ(shortestText(-0.0), "0");
}

} // namespace
} // namespace amsim
