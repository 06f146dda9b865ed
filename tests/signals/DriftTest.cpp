// The detector's traces while the reinserted carrier drifts: at each column
// they are those of a still bench at that column's phase error; the readout
// names the tones they hold.
#include "params/MeasurementLines.h"
#include "signals/Measurements.h"
#include "signals/SignalTable.h"
#include "support/FakeParameters.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace amsim {
namespace {

constexpr double kGreenPixelsPerVolt = 60.0;

std::vector<SignalSample> screenAt(double seconds, double Li, double Ls, double fase, double df) {
    test::FakeParameters parameters;
    parameters.set(Parameter::Vcc, 0.0)
        .set(Parameter::BliSiNo, Li)
        .set(Parameter::BlsSiNo, Ls)
        .set(Parameter::Fase, fase)
        .set(Parameter::Df, df);
    return sampleSignals(parameters, WindowValues{}, seconds);
}

// Columns between the green trace's zero crossings, past the smoothers'
// start from rest.
std::vector<double> crossings(const std::vector<SignalSample>& screen) {
    std::vector<double> at;
    for (std::size_t n = 200; n < screen.size(); ++n) {
        const double a = screen[n - 1].detectedAudio;
        const double b = screen[n].detectedAudio;
        if ((a < 0.0) != (b < 0.0)) {
            at.push_back(screen[n - 1].x + (screen[n].x - screen[n - 1].x) * a / (a - b));
        }
    }
    return at;
}

struct PeriodRow {
    const char* name;
    double Li;
    double Ls;
    double toneHertz;
};

void PrintTo(const PeriodRow& row, std::ostream* out) {
    *out << row.name;
}

class DriftPeriodTest : public testing::TestWithParam<PeriodRow> {};

TEST_P(DriftPeriodTest, TheGreenToneMovesByTheError) {
    const PeriodRow& row = GetParam();
    const std::vector<double> at = crossings(screenAt(0.125, row.Li, row.Ls, 0.0, 100.0));
    ASSERT_GE(at.size(), 2U);
    const double halfPeriodColumns = 400.0 * 1000.0 / row.toneHertz / 2.0;
    EXPECT_NEAR(at[1] - at[0], halfPeriodColumns, 2.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, DriftPeriodTest,
                         testing::Values(PeriodRow{"UpperSidebandAt900Hertz", 0.0, 1.0, 900.0},
                                         PeriodRow{"LowerSidebandAt1100Hertz", 1.0, 0.0, 1100.0}),
                         [](const testing::TestParamInfo<PeriodRow>& row) {
                             return std::string(row.param.name);
                         });

// An eighth of a second at 1 Hz is 45 degrees: the picture of a still bench
// at 45 degrees, within a pixel, the phase moving 0.6 degrees across it.
TEST(Drift, AnEighthOfASecondAtOneHertzDrawsAsFortyFiveDegrees) {
    const std::vector<SignalSample> drifting = screenAt(0.125, 1.0, 1.0, 0.0, 1.0);
    const std::vector<SignalSample> still = screenAt(0.0, 1.0, 1.0, 45.0, 0.0);
    ASSERT_EQ(drifting.size(), still.size());
    double worst = 0.0;
    for (std::size_t n = 0; n < still.size(); ++n) {
        worst = std::max({worst, std::abs(drifting[n].detectedAudio - still[n].detectedAudio),
                          std::abs(drifting[n].detector - still[n].detector)});
    }
    EXPECT_LT(worst * kGreenPixelsPerVolt, 1.0);
    EXPECT_GT(worst, 0.0);
}

struct ToneRow {
    const char* name;
    ParameterValues values;
    const char* line; // the readout's, or none
};

void PrintTo(const ToneRow& row, std::ostream* out) {
    *out << row.name;
}

class DetectedToneTest : public testing::TestWithParam<ToneRow> {};

// The readout names the tones the audio holds while the carrier drifts: one
// sideband's at 1 kHz -+ df, both sidebands' apart once the screen's 1.6 ms
// tells them apart (2 |df| of 625 Hz or more), else the fading 1 kHz tone.
TEST_P(DetectedToneTest, IsNamedWhileTheCarrierDrifts) {
    const std::vector<std::string> lines = measurementLines(measure(GetParam().values), {",", "e"});
    const auto named = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("Tono detectado: ", 0) == 0;
    });
    if (GetParam().line == nullptr) {
        EXPECT_EQ(named, lines.end());
    } else {
        ASSERT_NE(named, lines.end());
        EXPECT_EQ(*named, GetParam().line);
    }
}

// ParameterValues: mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope, ruido, df, tono, tono2.
INSTANTIATE_TEST_SUITE_P(
    Rows, DetectedToneTest,
    testing::Values(
        ToneRow{"StillCarrierNamesNone", {1, 0, 0, 1, 0}, nullptr},
        ToneRow{"UpperSideband", {1, 0, 0, 1, 0, 0, 0, 500}, "Tono detectado: 500 Hz"},
        ToneRow{"LowerSideband", {1, 0, 1, 0, 0, 0, 0, 500}, "Tono detectado: 1500 Hz"},
        ToneRow{"UpperBeyondTheTone", {1, 1, 0, 1, 0, 0, 0, 1500}, "Tono detectado: 500 Hz"},
        ToneRow{"HalfAHertz", {1, 0, 1, 0, 0, 0, 0, -0.5}, "Tono detectado: 999,5 Hz"},
        ToneRow{"BothApart", {1, 0, 1, 1, 0, 0, 0, -312.5}, "Tono detectado: 687,5 y 1312,5 Hz"},
        ToneRow{"BothFading", {1, 1, 1, 1, 0, 0, 0, 312}, "Tono detectado: 1000 Hz"},
        ToneRow{"NoTone", {0, 1, 1, 1, 0, 0, 0, 1}, "Tono detectado: —"},
        ToneRow{"UpperSidebandOf700Hz", {1, 0, 0, 1, 0, 0, 0, 100, 700}, "Tono detectado: 600 Hz"},
        ToneRow{"TwoTonesEachBySideband",
                {1, 0, 1, 1, 0, 0, 0, 400, 700, 1900},
                "Tono detectado: 300, 1100, 1500 y 2300 Hz"}),
    [](const testing::TestParamInfo<ToneRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
