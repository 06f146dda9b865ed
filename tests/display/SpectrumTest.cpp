#include "display/RecordedPicture.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>

namespace amsim::test {
namespace {

// The six spectral lines as (x, baseline, height) in drawing order; each is
// preceded by its baseline, 220 pixels long from x 730.
struct SpectralLine {
    float x, baseline, height;
};

std::vector<SpectralLine> spectralLines(FakeParameters& parameters) {
    const auto& spectrum = recordRedraw(parameters).spectrum;
    EXPECT_EQ(spectrum.size() % 2, 0U);
    std::vector<SpectralLine> lines;
    for (std::size_t i = 0; i + 1 < spectrum.size(); i += 2) {
        const Operation& base = spectrum[i];
        const Operation& line = spectrum[i + 1];
        EXPECT_EQ(base.from.x, 730.0F);
        EXPECT_EQ(base.to.x, 950.0F);
        EXPECT_EQ(base.from.y, base.to.y);
        EXPECT_FALSE(base.colour.has_value());
        EXPECT_EQ(line.from.x, line.to.x);
        EXPECT_EQ(line.from.y, base.from.y);
        lines.push_back({line.from.x, line.from.y, line.from.y - line.to.y});
    }
    return lines;
}

TEST(Spectrum, LinesStandAtTheirFrequenciesOnTheirBaselines) {
    FakeParameters parameters;
    const auto lines = spectralLines(parameters);
    ASSERT_EQ(lines.size(), 6U);
    const std::array<float, 6> x{730, 740, 920, 930, 940, 740};
    const std::array<float, 6> baseline{100, 100, 400, 400, 400, 650};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[i].x, x[i]) << "line " << i;
        EXPECT_EQ(lines[i].baseline, baseline[i]) << "line " << i;
    }
}

// Every tone has its lines, 10 pixels a kHz: the generator's, a side
// frequency either side of the carrier, and the detected tone; and the block
// diagram, right of the traces, names every tone but the start's.
TEST(Spectrum, EveryToneHasItsLinesAndItsName) {
    struct Row {
        const char* name;
        double tono, tono2;
        std::vector<float> x; // by baseline, in drawing order
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {"the start's tone", 1000, 0, {730, 740, 920, 930, 940, 740}, {}},
        {"half a kilohertz", 500, 0, {730, 735, 925, 930, 935, 735}, {"500Hz"}},
        {"two tones",
         700,
         1900,
         {730, 737, 749, 923, 911, 930, 937, 949, 737, 749},
         {"700Hz", "1900Hz"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.set(Parameter::Tono, row.tono).set(Parameter::Tono2, row.tono2);
        const RecordedPicture picture = recordRedraw(parameters);
        const std::vector<SpectralLine> lines = spectralLines(parameters);
        std::vector<float> x(lines.size());
        std::transform(lines.begin(), lines.end(), x.begin(),
                       [](const SpectralLine& line) { return line.x; });
        EXPECT_EQ(x, row.x);
        std::vector<std::string> names;
        for (const Operation& op : picture.all) {
            if (op.kind == Operation::Kind::Print && op.from.x >= 730.0F) {
                names.push_back(op.text);
            }
        }
        EXPECT_EQ(names, row.names);
    }
}

// Heights: DC, tone | lower side, carrier, upper side | detected tone.
TEST(Spectrum, HeightsFollowTheParameters) {
    struct Row {
        const char* name;
        double mdl, vcc, lower, upper, fase;
        std::array<float, 6> heights;
    };
    const Row rows[] = {
        {"start values", 1, 1, 1, 1, 0, {20, 20, 20, 40, 20, 40}},
        {"carrier suppressed", 1, 0, 1, 1, 0, {0, 20, 20, 0, 20, 40}},
        {"negative Vcc hangs below", 1, -1, 1, 1, 0, {-20, 20, 20, -40, 20, 40}},
        {"lower sideband off halves the tone", 1, 1, 0, 1, 0, {20, 20, 0, 40, 20, 20}},
        {"no tone", 0, 1, 1, 1, 0, {20, 0, 0, 40, 0, 0}},
        {"right angle cancels the tone", 1, 1, 1, 1, 90, {20, 20, 20, 40, 20, 0}},
        {"opposite phase inverts it", 1, 1, 1, 1, 180, {20, 20, 20, 40, 20, -40}},
        {"45 degrees", 1, 1, 1, 1, 45, {20, 20, 20, 40, 20, 28.2843F}},
        {"300 degrees is 60", 1, 1, 1, 1, 300, {20, 20, 20, 40, 20, 20}},
        // One sideband: the detected tone keeps its level at every phase,
        // as the green audio beside it does.
        {"SSB in phase", 1, 1, 0, 1, 0, {20, 20, 0, 40, 20, 20}},
        {"SSB at a right angle", 1, 1, 0, 1, 90, {20, 20, 0, 40, 20, 20}},
        {"SSB opposite", 1, 1, 1, 0, 180, {20, 20, 20, 40, 0, 20}},
        {"SSB at 120", 1.5, 1, 1, 0, 120, {20, 30, 30, 40, 0, 30}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.set(Parameter::Modulante, row.mdl)
            .set(Parameter::Vcc, row.vcc)
            .set(Parameter::BliSiNo, row.lower)
            .set(Parameter::BlsSiNo, row.upper)
            .set(Parameter::Fase, row.fase);
        const auto lines = spectralLines(parameters);
        ASSERT_EQ(lines.size(), 6U);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_NEAR(lines[i].height, row.heights[i], 1e-3F) << "line " << i;
        }
    }
}

// While the carrier drifts each sideband's tone stands where the audio holds
// it, m high: 10 pixels a kHz from the display's 0 at 730. Both sidebands'
// tones stand apart once the screen tells them apart; closer, they are the
// one 1 kHz tone of the phase error at the instant (0 here).
TEST(Spectrum, DetectedTonesStandWhereTheAudioHoldsThem) {
    struct Row {
        const char* name;
        double lower, upper, df;
        std::vector<SpectralLine> tones; // x and height; the baseline is 650
    };
    const Row rows[] = {
        {"upper sideband", 0, 1, 500, {{735, 650, 20}}},
        {"lower sideband", 1, 0, 500, {{745, 650, 20}}},
        {"lower sideband below the carrier", 1, 0, -1500, {{735, 650, 20}}},
        {"both apart", 1, 1, 500, {{735, 650, 20}, {745, 650, 20}}},
        {"both apart, lower half", 0.5, 1, -400, {{736, 650, 10}, {744, 650, 20}}},
        {"both fading", 1, 1, 300, {{740, 650, 40}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.set(Parameter::Vcc, 0)
            .set(Parameter::BliSiNo, row.lower)
            .set(Parameter::BlsSiNo, row.upper)
            .set(Parameter::Df, row.df);
        const std::vector<Operation> spectrum = recordRedraw(parameters).spectrum;
        ASSERT_EQ(spectrum.size(), 10 + 2 * row.tones.size());
        for (std::size_t i = 0; i < row.tones.size(); ++i) {
            const Operation& line = spectrum[11 + 2 * i];
            EXPECT_EQ(spectrum[10 + 2 * i].from.y, 650.0F);
            EXPECT_EQ(line.from.x, row.tones[i].x) << "tone " << i;
            EXPECT_EQ(line.from.y, row.tones[i].baseline) << "tone " << i;
            EXPECT_NEAR(line.from.y - line.to.y, row.tones[i].height, 1e-3F) << "tone " << i;
        }
    }
}

// With the envelope detector on, the detected-audio display holds the black
// tone and the blue 1 kHz and 2 kHz lines, at one scale: equal amplitudes,
// equal heights.
struct AudioHeights {
    const char* name;
    double mdl, vcc, upper;
    float black, blue1k, blue2k; // heights, within 1.5 pixels
};

void PrintTo(const AudioHeights& row, std::ostream* out) {
    *out << row.name;
}

class DetectedAudioDisplay : public testing::TestWithParam<AudioHeights> {};

TEST_P(DetectedAudioDisplay, HasOneScaleForEveryLine) {
    const AudioHeights& row = GetParam();
    FakeParameters parameters;
    parameters.set(Parameter::Modulante, row.mdl)
        .set(Parameter::Vcc, row.vcc)
        .set(Parameter::BlsSiNo, row.upper)
        .set(Parameter::Envelope, 1);
    const std::vector<Operation> spectrum = recordRedraw(parameters).spectrum;
    ASSERT_EQ(spectrum.size(), 14U);
    const auto height = [&spectrum](std::size_t i) { return 650.0F - spectrum[i].to.y; };
    EXPECT_NEAR(height(11), row.black, 1.5F);
    EXPECT_NEAR(height(12), row.blue1k, 1.5F);
    EXPECT_NEAR(height(13), row.blue2k, 1.5F);
}

// With the noise off, the analyser's traces rise, 20 dB or more above their
// displays' floors, only in the columns where the line spectra stand.
TEST(Spectrum, TheAnalysersLinesStandWhereTheLineSpectraDrawTheirs) {
    FakeParameters lines;
    std::map<float, std::set<float>> expected;
    for (const SpectralLine& line : spectralLines(lines)) {
        expected[line.baseline].insert(line.x);
    }
    FakeParameters analyser;
    analyser.set(Parameter::Analizador, 1);
    std::map<float, std::set<float>> risen;
    for (const Operation& op : recordRedraw(analyser).spectrum) {
        for (const CanvasPoint& point : {op.from, op.to}) {
            for (const float baseline : {100.0F, 400.0F, 650.0F}) {
                const float height = baseline - point.y;
                if (!op.colour && op.from.x != op.to.x && height >= 20.0F && height <= 60.0F) {
                    risen[baseline].insert(point.x);
                }
            }
        }
    }
    EXPECT_EQ(risen, expected);
}

// At 100 % AM the two detectors give the same tone, 0.5 V; at 50 % half of
// it. In DSB the envelope is the tone rectified, |sin|: no 1 kHz, and a
// 2 kHz line well above it, if under the 4 / (3 pi) of an ideal rectifier,
// as the capacitor droops between the carrier's peaks.
INSTANTIATE_TEST_SUITE_P(Rows, DetectedAudioDisplay,
                         testing::Values(AudioHeights{"AmAt100Percent", 1, 1, 1, 40, 40, 0},
                                         AudioHeights{"AmAt50Percent", 0.5, 1, 1, 20, 20, 0},
                                         AudioHeights{"Dsb", 1, 0, 1, 40, 0, 15},
                                         AudioHeights{"SsbWithoutCarrier", 1, 0, 0, 20, 0, 0}),
                         [](const testing::TestParamInfo<AudioHeights>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace amsim::test
