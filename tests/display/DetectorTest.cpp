#include "display/RecordedPicture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

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
struct PhaseRow {
    const char* name;
    double fase;
    float peak;  // amplitude of the audio
    float level; // steady level (V/2) sin(phi)
};

void PrintTo(const PhaseRow& row, std::ostream* out) {
    *out << row.name;
}

class AudioLevel : public testing::TestWithParam<PhaseRow> {};

TEST_P(AudioLevel, FollowsThePhaseErrorWithBothSidebands) {
    FakeParameters parameters;
    parameters.set(Parameter::Fase, GetParam().fase);
    const Audio audio = detectedAudio(parameters);
    ASSERT_FALSE(audio.points.empty());
    EXPECT_NEAR((audio.highest - audio.lowest) / 2, GetParam().peak, 3.0F);
    EXPECT_NEAR(audio.mean, GetParam().level, 3.0F);
}

// In phase: full audio, no level; at a right angle the audio vanishes and
// the level is V/2, below the axis at minus a right angle; opposite, the
// audio is inverted; a full turn is no turn.
INSTANTIATE_TEST_SUITE_P(
    Phases, AudioLevel,
    testing::Values(PhaseRow{"InPhase", 0, 30, 0}, PhaseRow{"RightAngle", 90, 0, 30},
                    PhaseRow{"Opposite", 180, 30, 0}, PhaseRow{"MinusRightAngle", -90, 0, -30},
                    PhaseRow{"FullTurn", 360, 30, 0}),
    [](const testing::TestParamInfo<PhaseRow>& row) { return std::string(row.param.name); });

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
    ASSERT_EQ(a.points.size(), b.points.size());
    ASSERT_GT(a.points.size(), 500U);
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
