#include "signals/SpectrumAnalyser.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace amsim {
namespace {

using Spectrum = std::vector<double> AnalyserSpectra::*;

std::size_t binAt(const AnalyserSpectra& s, double hertz) {
    return static_cast<std::size_t>(std::lround(hertz / s.binHertz));
}

// The strongest bin within 3 bins of a frequency, in dBV: where a line reads.
double lineDbv(const AnalyserSpectra& s, Spectrum spectrum, double hertz) {
    const std::vector<double>& power = s.*spectrum;
    const std::size_t at = binAt(s, hertz);
    return powerDbv(
        *std::max_element(power.begin() + static_cast<long>(at - std::min<std::size_t>(at, 3)),
                          power.begin() + static_cast<long>(at + 4)));
}

// The mean power over a band, as a density in V² per kHz of the analyser's
// resolution bandwidth, in dB.
double floorDbPerKilohertz(const AnalyserSpectra& s, double from, double to) {
    const std::vector<double>& power = s.received;
    const std::size_t first = binAt(s, from);
    const std::size_t last = binAt(s, to);
    const double mean = std::accumulate(power.begin() + static_cast<long>(first),
                                        power.begin() + static_cast<long>(last) + 1, 0.0) /
                        static_cast<double>(last - first + 1);
    return powerDbv(mean * 1000.0 / s.resolutionHertz);
}

ParameterValues noisy(double Li, double Ls) {
    ParameterValues v{1.0, 1.0, Li, Ls, 0.0};
    v.ruido = 0.05;
    return v;
}

TEST(SpectrumAnalyser, StatesItsResolutionNearFiftyHertzOfAFlatTopOver150Ms) {
    const AnalyserSpectra s = analyseSpectra({1.0, 1.0, 1.0, 1.0, 0.0}, 0.0);
    EXPECT_NEAR(s.resolutionHertz, 25.1, 0.1);
    EXPECT_DOUBLE_EQ(s.recordSeconds, 0.15);
    EXPECT_EQ(s.generator.size(), kAnalyserBins);
}

// ruido² in each kHz inside the receiver's band: -26.0 dB at ruido 0.05,
// read between the lines; 30 dB lower a kHz past the band's edges.
struct FloorRow {
    std::string name;
    ParameterValues values;
    std::vector<std::pair<double, double>> inside;
    std::vector<std::pair<double, double>> outside;
};

class AnalyserFloor : public testing::TestWithParam<FloorRow> {};

TEST_P(AnalyserFloor, ReadsTheNoiseDensityInsideTheBandAndLittleOutside) {
    const AnalyserSpectra s = analyseSpectra(GetParam().values, 3.0);
    const double density = 20.0 * std::log10(0.05);
    for (const auto& [from, to] : GetParam().inside) {
        EXPECT_NEAR(floorDbPerKilohertz(s, from, to), density, 1.0) << from << " to " << to;
    }
    for (const auto& [from, to] : GetParam().outside) {
        EXPECT_LT(floorDbPerKilohertz(s, from, to), density - 30.0) << from << " to " << to;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnalyserFloor,
    testing::Values(FloorRow{"BothSidebands",
                             noisy(1.0, 1.0),
                             {{17200, 18800}, {19200, 19800}, {20200, 20800}, {21200, 22800}},
                             {{15800, 16000}, {23900, 24000}}},
                    FloorRow{"LowerSidebandOnly",
                             noisy(1.0, 0.0),
                             {{17200, 18800}, {19200, 19800}},
                             {{15800, 16000}, {20900, 21100}, {21900, 22100}}}),
    [](const testing::TestParamInfo<FloorRow>& row) { return row.param.name; });

// Each line at its own power: 0.5 V of peak is -9.0 dBV, 1 V -3.0.
struct LineRow {
    std::string name;
    ParameterValues values;
    Spectrum spectrum;
    double hertz;
    double dbv;
};

class AnalyserLines : public testing::TestWithParam<LineRow> {};

TEST_P(AnalyserLines, ReadsEachLineAtItsPower) {
    const LineRow& row = GetParam();
    EXPECT_NEAR(lineDbv(analyseSpectra(row.values, 3.0), row.spectrum, row.hertz), row.dbv, 0.5);
}

ParameterValues twoTones() {
    ParameterValues v{1.0, 1.0, 1.0, 1.0, 0.0};
    v.tono = 700.0;
    v.tono2 = 1900.0;
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnalyserLines,
    testing::Values(
        LineRow{"Carrier", noisy(1.0, 1.0), &AnalyserSpectra::received, 20000, -3.01},
        LineRow{"LowerSide", noisy(1.0, 1.0), &AnalyserSpectra::received, 19000, -9.03},
        LineRow{"UpperSide", noisy(1.0, 1.0), &AnalyserSpectra::received, 21000, -9.03},
        LineRow{"GeneratorLevel", {1.0, 1.0, 1.0, 1.0, 0.0}, &AnalyserSpectra::generator, 0, 0.0},
        LineRow{
            "GeneratorTone", {1.0, 1.0, 1.0, 1.0, 0.0}, &AnalyserSpectra::generator, 1000, -3.01},
        LineRow{"SecondToneBetweenBins", twoTones(), &AnalyserSpectra::generator, 1900, -9.03},
        LineRow{"DetectedTone", {1.0, 1.0, 1.0, 1.0, 0.0}, &AnalyserSpectra::audio, 1000, -9.1},
        LineRow{
            "OneSidebandsTone", {1.0, 0.0, 0.0, 1.0, 0.0}, &AnalyserSpectra::audio, 1000, -15.1}),
    [](const testing::TestParamInfo<LineRow>& row) { return row.param.name; });

// DSB with the reinserted carrier 50 Hz off: the audio is the tone times
// cos(2 pi 50 t), two lines at 950 and 1050 Hz and none at 1000.
TEST(SpectrumAnalyser, SplitsADriftingDsbToneIntoTwoLines) {
    ParameterValues v{1.0, 0.0, 1.0, 1.0, 0.0};
    v.df = 50.0;
    const AnalyserSpectra s = analyseSpectra(v, 7.0);
    const double lower = lineDbv(s, &AnalyserSpectra::audio, 950);
    const double upper = lineDbv(s, &AnalyserSpectra::audio, 1050);
    EXPECT_NEAR(lower, upper, 0.5);
    EXPECT_NEAR(lower, -15.1, 0.5);
    EXPECT_LT(powerDbv(s.audio[binAt(s, 1000)]), lower - 60.0);
}

// With the noise off, the lines stand where the line spectra draw theirs.
TEST(SpectrumAnalyser, FindsNoLineButTheLineSpectrasWithTheNoiseOff) {
    ParameterValues v{1.0, 1.0, 1.0, 1.0, 0.0};
    v.envelope = 1.0;
    const AnalyserSpectra s = analyseSpectra(v, 0.0);
    const auto peaks = [&](const std::vector<double>& power) {
        std::vector<double> hertz;
        for (std::size_t k = 1; k + 1 < power.size(); ++k) {
            if (powerDbv(power[k]) > -80.0 && power[k] >= power[k - 1] && power[k] > power[k + 1]) {
                hertz.push_back(static_cast<double>(k) * s.binHertz);
            }
        }
        return hertz;
    };
    EXPECT_EQ(peaks(s.generator), (std::vector<double>{1000}));
    EXPECT_GT(powerDbv(s.generator[0]), -1.0);
    EXPECT_EQ(peaks(s.received), (std::vector<double>{19000, 20000, 21000}));
    EXPECT_EQ(peaks(s.audio), (std::vector<double>{1000}));
    EXPECT_EQ(peaks(*s.envelope).front(), 1000);
}

} // namespace
} // namespace amsim
