// The I/Q view's geometry: where the received envelope runs against the
// carrier and the product detector's axis, how far that axis turns with a
// frequency error, and how wide the noise's cloud spreads.
#include "signals/ComplexEnvelope.h"

#include "signals/ChannelNoise.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim {
namespace {

using Complex = ComplexEnvelope::Complex;

ParameterValues valuesWith(double mdl, double Vcc, double bli, double bls, double fase) {
    return ParameterValues{mdl, Vcc, bli, bls, fase};
}

// The side frequencies' excursion from the carrier's tip, along the
// detector's axis and across it, at their largest, and its distance from
// the tip where that is one circle.
struct GeometryRow {
    const char* name;
    ParameterValues values;
    double along;
    double across;
    double radius; // the same at every instant; negative where it varies
};

void PrintTo(const GeometryRow& row, std::ostream* out) {
    *out << row.name;
}

class EnvelopeGeometry : public testing::TestWithParam<GeometryRow> {};

TEST_P(EnvelopeGeometry, RunsAsTheModeMakesIt) {
    const GeometryRow& row = GetParam();
    const ComplexEnvelope envelope = complexEnvelope(row.values, TimeBase{}, 0.0);
    EXPECT_EQ(envelope.carrier, Complex(row.values.Vcc, 0.0));
    EXPECT_DOUBLE_EQ(envelope.axisAtStart, row.values.fase);
    const double phi = row.values.fase * std::atan(1.0) / 45.0;
    double along = 0.0;
    double across = 0.0;
    for (const Complex& p : envelope.trajectory) {
        const Complex turned = (p - envelope.carrier) * std::polar(1.0, -phi);
        along = std::max(along, std::fabs(turned.real()));
        across = std::max(across, std::fabs(turned.imag()));
        if (row.radius >= 0.0) {
            EXPECT_NEAR(std::abs(p - envelope.carrier), row.radius, 1e-12);
        }
    }
    EXPECT_NEAR(along, row.along, 1e-3);
    EXPECT_NEAR(across, row.across, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EnvelopeGeometry,
    testing::Values(
        // From V(1 - m) to V(1 + m) along the carrier.
        GeometryRow{"AmAlongTheCarrier", valuesWith(0.5, 1, 1, 1, 0), 0.5, 0.0, -1.0},
        GeometryRow{"OvermodulatedAmThroughTheOrigin", valuesWith(1.5, 1, 1, 1, 0), 1.5, 0.0, -1.0},
        GeometryRow{"DsbAtZeroAlongTheAxis", valuesWith(1, 0, 1, 1, 0), 1.0, 0.0, -1.0},
        GeometryRow{"DsbAt30Degrees", valuesWith(1, 0, 1, 1, 30), std::sqrt(0.75), 0.5, -1.0},
        GeometryRow{"DsbAt90AcrossTheAxis", valuesWith(1, 0, 1, 1, 90), 0.0, 1.0, -1.0},
        GeometryRow{"UpperSidebandCirclesTheTip", valuesWith(1, 1, 0, 1, 0), 0.5, 0.5, 0.5},
        GeometryRow{"LowerSidebandCirclesTheTip", valuesWith(1, 0.4, 1, 0, 0), 0.5, 0.5, 0.5},
        GeometryRow{"CarrierAlone", valuesWith(0, 1, 1, 1, 0), 0.0, 0.0, 0.0}),
    [](const testing::TestParamInfo<GeometryRow>& row) { return std::string(row.param.name); });

// With a frequency error the axis turns by 360 df over the screen's span.
struct DriftRow {
    const char* name;
    double df;
    double millisecondsPerDivision;
    double instant;
    double start; // degrees at the screen's first instant
};

void PrintTo(const DriftRow& row, std::ostream* out) {
    *out << row.name;
}

class AxisDrift : public testing::TestWithParam<DriftRow> {};

TEST_P(AxisDrift, TurnsBy360DfAcrossTheSpan) {
    const DriftRow& row = GetParam();
    ParameterValues values = valuesWith(1, 0, 1, 1, 10);
    values.df = row.df;
    const TimeBase base = TimeBase::ofMillisecondsPerDivision(row.millisecondsPerDivision);
    const ComplexEnvelope envelope = complexEnvelope(values, base, row.instant);
    const double spanSeconds = base.lastTime() / kColumnsPerMillisecond / 1000.0;
    EXPECT_NEAR(envelope.axisAtStart, row.start, 1e-9);
    EXPECT_NEAR(envelope.axisAtEnd - envelope.axisAtStart, 360.0 * row.df * spanSeconds, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AxisDrift,
    testing::Values(DriftRow{"None", 0.0, 0.2, 3.0, 10.0},
                    DriftRow{"Hundred", 100.0, 0.2, 0.0, 10.0},
                    DriftRow{"BackwardsAtTwoMilliseconds", -50.0, 2.0, 0.0, 10.0},
                    DriftRow{"HalfAHertzLater", 0.5, 0.2, 1.25, 235.0},
                    // The phase passes a whole turn within the screen.
                    DriftRow{"AcrossAWholeTurn", 100.0, 0.2, 0.009, 334.0}),
    [](const testing::TestParamInfo<DriftRow>& row) { return std::string(row.param.name); });

// The cloud spreads about the clean envelope as the channel's noise does,
// E|e|² = 2 P_N, over many screens.
struct SpreadRow {
    const char* name;
    double ruido;
    double bli;
    double bls;
    double bandHz;
};

void PrintTo(const SpreadRow& row, std::ostream* out) {
    *out << row.name;
}

class NoiseCloud : public testing::TestWithParam<SpreadRow> {};

TEST_P(NoiseCloud, SpreadsAsTheChannelsNoise) {
    const SpreadRow& row = GetParam();
    ParameterValues values = valuesWith(1, 1, row.bli, row.bls, 0);
    values.ruido = row.ruido;
    const TimeBase base{};
    double power = 0.0;
    std::size_t count = 0;
    for (int screen = 0; screen < 4; ++screen) {
        const ComplexEnvelope envelope = complexEnvelope(values, base, 0.5 * screen);
        ASSERT_EQ(envelope.cloud.size(), kPersistentSweeps * kCloudPointsPerSweep);
        for (const ComplexEnvelope::CloudPoint& p : envelope.cloud) {
            power += std::norm(p.value - envelope.trajectory.at(p.sample));
            ++count;
        }
    }
    const double noisePower = row.ruido * row.ruido * row.bandHz / 1000.0;
    EXPECT_NEAR(power / static_cast<double>(count) / (2.0 * noisePower), 1.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoiseCloud,
                         testing::Values(SpreadRow{"BothSidebands", 0.1, 1, 1, 6000},
                                         SpreadRow{"UpperSideband", 0.5, 0, 1, 3000}),
                         [](const testing::TestParamInfo<SpreadRow>& row) {
                             return std::string(row.param.name);
                         });

TEST(NoiseCloud, NoneWithoutNoise) {
    EXPECT_TRUE(complexEnvelope(valuesWith(1, 1, 1, 1, 0), TimeBase{}, 0.0).cloud.empty());
}

} // namespace
} // namespace amsim
