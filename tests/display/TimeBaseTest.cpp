// At a slower time base a column spans several periods' worth of fine
// samples: each trace is drawn through its column's extremes, so the carrier
// keeps its amplitude instead of folding down to what one sample a column
// would catch (at 2 ms per division, every column's sample is a zero).
#include "display/RecordedPicture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>

namespace amsim::test {
namespace {

// The carrier (1 V, 30 px a volt) on its axis at y 145.
struct PeakRow {
    const char* name;
    double base;
    float period; // the fewest columns that hold a carrier period whole
};

void PrintTo(const PeakRow& row, std::ostream* out) {
    *out << row.name;
}

class PeakDetection : public testing::TestWithParam<PeakRow> {};

// Every run of columns that holds a carrier period reaches both of its
// peaks, and no column goes beyond them.
TEST_P(PeakDetection, EveryCarrierPeriodReachesItsPeaks) {
    const PeakRow& row = GetParam();
    FakeParameters parameters;
    parameters.set(Parameter::Base, row.base);
    std::map<float, std::pair<float, float>> columns; // x: its highest and lowest y
    for (const Operation& op : recordRedraw(parameters).trace(145.0F)) {
        const auto [at, fresh] = columns.try_emplace(op.to.x, op.to.y, op.to.y);
        at->second = {std::min(at->second.first, op.to.y), std::max(at->second.second, op.to.y)};
    }
    ASSERT_EQ(columns.size(), 640U);
    for (float x = 0.0F; x + row.period < 640.0F; ++x) {
        SCOPED_TRACE(x);
        float highest = 145.0F;
        float lowest = 145.0F;
        for (float c = x; c < x + row.period; ++c) {
            highest = std::min(highest, columns.at(c).first);
            lowest = std::max(lowest, columns.at(c).second);
        }
        EXPECT_NEAR(highest, 115.0F, 0.01F);
        EXPECT_NEAR(lowest, 175.0F, 0.01F);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PeakDetection,
                         testing::Values(PeakRow{"TwoMillisecondsADivision", 2.0, 3.0F},
                                         PeakRow{"OneMillisecond", 1.0, 5.0F},
                                         PeakRow{"BetweenTheSteps", 0.7, 6.0F}),
                         [](const testing::TestParamInfo<PeakRow>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim::test
