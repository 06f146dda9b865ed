#include "core/Error.h"
#include "display/RecordedPicture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace amsim::test {
namespace {

struct FloorRow {
    const char* name;
    double bli;
    double bls;
    float firstX; // the dark grey band across the filter's width
    float lastX;
};

class NoiseOnScreenTest : public testing::TestWithParam<FloorRow> {};

// Noise enters after the transmitter: its traces stay as they were, the
// detector's do not, and the transmitter's spectrum shows the filter's floor.
TEST_P(NoiseOnScreenTest, ReachesTheReceiverAloneAndShowsTheFilter) {
    const FloorRow& row = GetParam();
    FakeParameters clean;
    clean.set(Parameter::BliSiNo, row.bli)
        .set(Parameter::BlsSiNo, row.bls)
        .set(Parameter::Envelope, 1);
    FakeParameters noisy;
    noisy.set(Parameter::BliSiNo, row.bli)
        .set(Parameter::BlsSiNo, row.bls)
        .set(Parameter::Envelope, 1)
        .set(Parameter::Ruido, 0.1);
    const RecordedPicture before = recordRedraw(clean);
    const RecordedPicture after = recordRedraw(noisy);
    // The transmitter's trace is followed by the envelope detector's points.
    const auto transmitter = [](const RecordedPicture& picture) {
        std::vector<Operation> ops = picture.trace(415);
        std::erase_if(ops,
                      [](const Operation& op) { return op.colour == PaletteColour::LightBlue; });
        return ops;
    };
    EXPECT_EQ(transmitter(after), transmitter(before));
    EXPECT_NE(after.trace(415), before.trace(415));
    EXPECT_NE(after.trace(600), before.trace(600));
    std::vector<Operation> floor;
    std::copy_if(after.spectrum.begin(), after.spectrum.end(), std::back_inserter(floor),
                 [](const Operation& op) { return op.colour == PaletteColour::DarkGrey; });
    ASSERT_FALSE(floor.empty());
    EXPECT_EQ(floor.front().from.x, row.firstX);
    EXPECT_EQ(floor.back().from.x, row.lastX);
    for (const Operation& op : floor) {
        EXPECT_NEAR(op.from.y - op.to.y, 40.0 * std::sqrt(2.0) * 0.1, 1e-4);
    }
}

INSTANTIATE_TEST_SUITE_P(Filters, NoiseOnScreenTest,
                         testing::Values(FloorRow{"BothSidebands", 1, 1, 900, 950},
                                         FloorRow{"UpperAlone", 0, 1, 930, 950},
                                         FloorRow{"LowerAlone", 1, 0, 900, 930}),
                         [](const testing::TestParamInfo<FloorRow>& row) {
                             return std::string(row.param.name);
                         });

// A bad noise text stops the redraw at the detector, naming its box.
TEST(NoiseOnScreen, ABadTextNamesItsBox) {
    FakeParameters parameters;
    parameters.setBad(Parameter::Ruido);
    RecordingCanvas canvas;
    try {
        Graficar(canvas, parameters, WindowValues{});
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.parameter(), Parameter::Ruido);
    }
}

} // namespace
} // namespace amsim::test
