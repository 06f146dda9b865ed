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

// The envelope detector's light blue 1 kHz line with noise is its tone in
// the long run: the same at every instant, and below the threshold (30 % AM
// at an input S/N of -4.6 dB) well under its tone without noise.
TEST(NoiseOnScreen, TheEnvelopeDetectorsLineIsTheToneTheNoiseLeaves) {
    const auto blueKilohertz = [](double ruido, double instant) {
        FakeParameters parameters;
        parameters.set(Parameter::Modulante, 0.3)
            .set(Parameter::Envelope, 1)
            .set(Parameter::Ruido, ruido);
        RecordingCanvas canvas;
        Graficar(canvas, parameters, WindowValues{}, instant);
        const std::vector<Operation> spectrum = cutIntoParts(canvas.operations()).spectrum;
        const auto line = std::find_if(spectrum.begin(), spectrum.end(), [](const Operation& op) {
            return op.colour == PaletteColour::LightBlue && op.from.x == 742.0F;
        });
        EXPECT_NE(line, spectrum.end());
        return line == spectrum.end() ? 0.0F : line->from.y - line->to.y;
    };
    const float noisy = blueKilohertz(0.5, 0.0);
    EXPECT_EQ(blueKilohertz(0.5, 0.37), noisy);
    EXPECT_EQ(blueKilohertz(0.5, 2.0015), noisy);
    EXPECT_GT(noisy, 0.0F);
    EXPECT_LT(noisy, 0.7F * blueKilohertz(0.0, 0.0));
}

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
