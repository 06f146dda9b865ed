// The engine's own sine and cosine against the platform's: within one unit
// in the last place over the arguments the traces use and beyond.
#include "signals/Sine.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace amsim {
namespace {

struct SineRow {
    const char* name;
    double from;
    double to;
};

void PrintTo(const SineRow& row, std::ostream* out) {
    *out << row.name;
}

class SineTest : public testing::TestWithParam<SineRow> {};

bool withinAnUlp(double ours, double theirs) {
    const double ulp = std::nextafter(std::abs(theirs), std::numeric_limits<double>::infinity()) -
                       std::abs(theirs);
    return std::abs(ours - theirs) <= std::max(ulp, std::numeric_limits<double>::denorm_min());
}

TEST_P(SineTest, AgreesWithThePlatformWithinAnUlp) {
    const SineRow& row = GetParam();
    constexpr int kSteps = 20000;
    for (int k = 0; k <= kSteps; ++k) {
        const double x = row.from + (row.to - row.from) * k / kSteps;
        ASSERT_TRUE(withinAnUlp(sine(x), std::sin(x))) << "sine " << x;
        ASSERT_TRUE(withinAnUlp(cosine(x), std::cos(x))) << "cosine " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SineTest,
                         testing::Values(SineRow{"AroundZero", -1e-3, 1e-3},
                                         SineRow{"OneTurn", -7.0, 7.0},
                                         SineRow{"TheScreensSideFrequency", 0.0, 211.2},
                                         SineRow{"TheNoisesPhaseTable", 6.0, 6.3},
                                         SineRow{"NearTheReductionsLimit", 900.0, 1000.0},
                                         SineRow{"BeyondItThePlatforms", 1000.0, 1e9}),
                         [](const testing::TestParamInfo<SineRow>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim
