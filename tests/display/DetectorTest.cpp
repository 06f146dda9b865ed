#include "display/RecordedPicture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace amsim::test {
namespace {

using Kind = Operation::Kind;

struct Audio {
    std::vector<Operation> points; // the green points, one per sample
    float lowest = 0;              // over one period past the start-up:
    float highest = 0;             // extremes and mean, as heights above
    float mean = 0;                // the axis in pixels
};

Audio detectedAudio(FakeParameters& parameters) {
    const auto& detector = recordRedraw(parameters).trace(600);
    Audio audio;
    std::copy_if(detector.begin(), detector.end(), std::back_inserter(audio.points),
                 [](const Operation& op) { return op.kind == Kind::Point; });
    float sum = 0;
    int count = 0;
    audio.lowest = 1e9F;
    audio.highest = -1e9F;
    for (const Operation& op : audio.points) {
        // One whole period of the tone, past the smoothers' start-up.
        if (op.to.x >= 100.0F && op.to.x < 500.0F) {
            const float h = heightAbove(600, op);
            audio.lowest = std::min(audio.lowest, h);
            audio.highest = std::max(audio.highest, h);
            sum += h;
            ++count;
        }
    }
    audio.mean = sum / static_cast<float>(count);
    return audio;
}

TEST(Detector, RawProductIsOneTraceFromTheAxisThenTheGreenAudio) {
    const auto& detector = recordRedraw(FakeParameters{}.set(Parameter::Fase, 30)).trace(600);
    ASSERT_EQ(detector.size(), 2U * 3195U);
    for (std::size_t i = 0; i < 3195; ++i) {
        ASSERT_EQ(detector[i].kind, Kind::Line);
        ASSERT_FALSE(detector[i].colour.has_value());
    }
    EXPECT_EQ(detector.front().from, (CanvasPoint{0, 600}));
    EXPECT_EQ(detector.front().to, (CanvasPoint{0, 600})); // every sine is 0 at x = 0
    for (std::size_t i = 3195; i < detector.size(); ++i) {
        ASSERT_EQ(detector[i].kind, Kind::Point);
        ASSERT_EQ(detector[i].colour, PaletteColour::Green);
    }
    EXPECT_EQ(detector[3195].to, (CanvasPoint{0, 600})); // the smoothers start at rest
    EXPECT_NEAR(detector.back().to.x, 638.8F, 1e-3F);
}

// Heights in pixels at twice the usual scale: 60 pixels per unit.
TEST(Detector, AudioLevelFollowsThePhaseErrorWithBothSidebands) {
    struct Row {
        const char* name;
        double fase;
        float peak;  // amplitude of the audio
        float level; // steady level (V/2) sin(phi)
    };
    const Row rows[] = {
        {"in phase: full audio, no level", 0, 30, 0},
        {"right angle: audio vanishes, level V/2", 90, 0, 30},
        {"opposite: audio inverted, no level", 180, 30, 0},
        {"minus right angle: level below the axis", -90, 0, -30},
        {"a full turn is no turn", 360, 30, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.set(Parameter::Fase, row.fase);
        const Audio audio = detectedAudio(parameters);
        EXPECT_NEAR((audio.highest - audio.lowest) / 2, row.peak, 3.0F);
        EXPECT_NEAR(audio.mean, row.level, 3.0F);
    }
}

TEST(Detector, OppositePhaseMirrorsTheAudioAboutTheAxis) {
    FakeParameters inPhase;
    FakeParameters opposite;
    opposite.set(Parameter::Fase, 180);
    const Audio a = detectedAudio(inPhase);
    const Audio b = detectedAudio(opposite);
    ASSERT_EQ(a.points.size(), b.points.size());
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        ASSERT_NEAR(heightAbove(600, a.points[i]), -heightAbove(600, b.points[i]), 1e-3F);
    }
}

TEST(Detector, SingleSidebandAudioIsHalfAndIgnoresThePhase) {
    for (double fase : {0.0, 90.0, 180.0}) {
        SCOPED_TRACE(fase);
        FakeParameters parameters;
        parameters.set(Parameter::BliSiNo, 0).set(Parameter::Fase, fase);
        const Audio audio = detectedAudio(parameters);
        EXPECT_NEAR((audio.highest - audio.lowest) / 2, 15.0F, 2.5F);
    }
}

TEST(Detector, CarrierCarriesNoInformation) {
    FakeParameters withCarrier;
    FakeParameters suppressed;
    suppressed.set(Parameter::Vcc, 0);
    const Audio a = detectedAudio(withCarrier);
    const Audio b = detectedAudio(suppressed);
    for (std::size_t i = 500; i < a.points.size(); i += 97) {
        EXPECT_NEAR(a.points[i].to.y, b.points[i].to.y, 2.0F);
    }
}

TEST(Detector, WithoutToneItIsAPhaseDetector) {
    FakeParameters parameters;
    parameters.set(Parameter::Modulante, 0).set(Parameter::Fase, 30);
    const Audio audio = detectedAudio(parameters);
    EXPECT_NEAR(audio.mean, 15.0F, 1.0F); // (1/2) sin 30 degrees, 60 px per unit
}

} // namespace
} // namespace amsim::test
