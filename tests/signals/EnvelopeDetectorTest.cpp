#include "signals/EnvelopeDetector.h"

#include "display/RecordedPicture.h"
#include "signals/SignalTable.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace amsim::test {
namespace {

// The envelope detector's output and the product detector's audio across
// the screen, at the given settings.
struct Detected {
    std::vector<double> envelope;
    std::vector<double> audio;
};

Detected detect(double mdl, double vcc, double bls = 1, double fase = 0) {
    FakeParameters parameters;
    parameters.set(Parameter::Modulante, mdl)
        .set(Parameter::Vcc, vcc)
        .set(Parameter::BlsSiNo, bls)
        .set(Parameter::Fase, fase)
        .set(Parameter::Envelope, 1);
    Detected detected;
    for (const SignalSample& row : sampleSignals(parameters, WindowValues{})) {
        detected.envelope.push_back(row.envelope.value());
        detected.audio.push_back(row.detectedAudio);
    }
    return detected;
}

// Total harmonic distortion over one tone period: sqrt(A2² + … + A10²) / A1.
double distortion(const std::vector<double>& trace) {
    double squares = 0.0;
    for (int harmonic = 2; harmonic <= 10; ++harmonic) {
        squares += std::pow(toneHarmonic(trace, harmonic), 2);
    }
    return std::sqrt(squares) / toneHarmonic(trace, 1);
}

// What is left of the carrier, in pixels of the trace (60 per unit): the
// components around the carrier and its second harmonic, added up.
double ripplePixels(const std::vector<double>& trace) {
    double ripple = 0.0;
    for (const int around : {20, 40}) {
        for (int harmonic = around - 2; harmonic <= around + 2; ++harmonic) {
            ripple += toneHarmonic(trace, harmonic);
        }
    }
    return 60.0 * ripple;
}

// What the comparison of the two detectors teaches, each point in numbers.
TEST(EnvelopeDetector, RecoversAMUpTo100PercentAndFailsWhereOnlyTheProductDetectorWorks) {
    const Detected full = detect(1, 1);
    const Detected half = detect(0.5, 1);
    const double a1 = toneHarmonic(full.envelope, 1);

    // AM up to 100 %: a clean tone, little ripple, proportional to the tone.
    EXPECT_LT(distortion(full.envelope), 0.05);
    EXPECT_LT(distortion(half.envelope), 0.05);
    EXPECT_LT(ripplePixels(full.envelope), 3.0);
    EXPECT_NEAR(toneHarmonic(half.envelope, 1) / a1, 0.5, 0.025);
    // Calibrated: the same 1 kHz amplitude as the product detector's audio.
    EXPECT_NEAR(a1 / toneHarmonic(full.audio, 1), 1.0, 0.05);

    // Over-modulated: distorted.
    EXPECT_GT(distortion(detect(2, 1).envelope), 0.10);
    // DSB: a rectified wave at twice the tone's frequency.
    const Detected dsb = detect(1, 0);
    EXPECT_GT(toneHarmonic(dsb.envelope, 2), toneHarmonic(dsb.envelope, 1));
    // SSB without carrier: next to nothing.
    EXPECT_LT(toneHarmonic(detect(1, 0, 0).envelope, 1), 0.05 * a1);
    // The reinserted carrier is the product detector's: the envelope ignores it.
    EXPECT_EQ(detect(1, 1, 1, 90).envelope, full.envelope);
}

// Off, the picture is what it was; on, only light blue is added: the trace on
// the detector's axis and two lines in the detected-audio spectrum.
TEST(EnvelopeDetector, TheSwitchAddsTheBlueTraceAndLinesAndNothingElse) {
    const RecordedPicture off = recordRedraw(FakeParameters{});
    const RecordedPicture on = recordRedraw(FakeParameters{}.set(Parameter::Envelope, 1));
    const auto blue = [](const Operation& op) { return op.colour == PaletteColour::LightBlue; };
    EXPECT_EQ(std::count_if(off.all.begin(), off.all.end(), blue), 0);
    std::vector<Operation> added;
    std::vector<Operation> others;
    std::partition_copy(on.all.begin(), on.all.end(), std::back_inserter(added),
                        std::back_inserter(others), blue);
    EXPECT_EQ(others, off.all);
    ASSERT_EQ(added.size(), 3195U + 2U);
    EXPECT_TRUE(std::all_of(added.begin(), added.end() - 2, [](const Operation& op) {
        return op.kind == Operation::Kind::Point && std::fabs(op.to.y - 600.0F) < 45.0F;
    }));
    EXPECT_EQ(added[3195].from, (CanvasPoint{742, 650}));
    EXPECT_EQ(added[3196].from, (CanvasPoint{752, 650}));
    // The 1 kHz line at the detected-audio display's 80 pixels per volt.
    EXPECT_NEAR(650.0F - added[3195].to.y, 80.0F * 0.5F, 1.0F);
}

} // namespace
} // namespace amsim::test
