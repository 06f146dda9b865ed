// The modulating signal as a list of tones: in seconds and Hz, the generator
// is V + sum of m sin(2 pi fm t) and, with both sidebands, the transmitter
// is the carrier times it, whatever the tones.
#include "signals/Tones.h"

#include "core/WindowValues.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <ostream>
#include <string>

namespace amsim {
namespace {

constexpr double kSecondsPerColumn = 2.5e-6;
constexpr double kV = 0.8;

struct TonesRow {
    const char* name;
    Tones tones;
};

void PrintTo(const TonesRow& row, std::ostream* out) {
    *out << row.name;
}

double inSeconds(const Tones& tones, double x) {
    const double t = x * kSecondsPerColumn;
    double sum = kV;
    for (const Tone& tone : tones) {
        sum += tone.amplitude * std::sin(2.0 * std::numbers::pi * tone.hertz * t);
    }
    return sum;
}

class TonesTest : public testing::TestWithParam<TonesRow> {};

TEST_P(TonesTest, GeneratorAndTransmitterFollowEveryTone) {
    const Tones& tones = GetParam().tones;
    const WindowValues window;
    const double Pi = window.Pi;
    const Sidebands both{1.0, 1.0, tones};
    for (double x = 0.0; x <= kLastColumn; x += kFineStep) {
        const double generator = inSeconds(tones, x);
        const double carrierNow =
            std::sin(2.0 * std::numbers::pi * 20000.0 * x * kSecondsPerColumn);
        ASSERT_NEAR(generatorOutput(tones, kV, Pi, x), generator, 1e-9) << "x " << x;
        ASSERT_NEAR(transmitterOutput(both, kV, Pi, x), generator * carrierNow, 1e-9) << "x " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, TonesTest,
                         testing::Values(TonesRow{"OneKilohertz", {{1000.0, 1.0}}},
                                         TonesRow{"Low", {{100.0, 0.5}}},
                                         TonesRow{"High", {{2000.0, 0.3}}},
                                         TonesRow{"Two", {{700.0, 0.5}, {1900.0, 0.5}}}),
                         [](const testing::TestParamInfo<TonesRow>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim
