#include "signals/SignalTable.h"

#include "core/Error.h"
#include "display/RecordedPicture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim::test {
namespace {

struct Settings {
    const char* name;
    double mdl, vcc, bli, bls, fase;
};

FakeParameters& setTo(FakeParameters&& parameters, const Settings& s) {
    return parameters.set(Parameter::Modulante, s.mdl)
        .set(Parameter::Vcc, s.vcc)
        .set(Parameter::BliSiNo, s.bli)
        .set(Parameter::BlsSiNo, s.bls)
        .set(Parameter::Fase, s.fase);
}

// Where the display puts a value of a trace with its axis at axisY.
CanvasPoint drawnAt(double x, double value, float axisY, double scale) {
    return {static_cast<float>(x), static_cast<float>(static_cast<double>(axisY) - scale * value)};
}

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << settings.name;
}

// Each setting is its own case: the start values (full AM), DSB with a phase
// error, the upper sideband alone overmodulated, and factors and a phase as
// typed.
class SignalTableAt : public testing::TestWithParam<Settings> {};

INSTANTIATE_TEST_SUITE_P(
    Settings, SignalTableAt,
    testing::Values(Settings{"StartValuesFullAm", 1, 1, 1, 1, 0},
                    Settings{"DsbWithAPhaseError", 0.6, 0, 1, 1, 45},
                    Settings{"UpperSidebandOnlyOvermodulated", 2, 0.4, 0, 1, -90},
                    Settings{"TypedFactorsAndPhase", 1.3, -0.7, 2.5, 0.5, 123.456}),
    [](const testing::TestParamInfo<Settings>& row) { return std::string(row.param.name); });

// Each column of the table is the very value the display draws: the
// connected traces and the detected audio sample the same fine time base,
// so the point drawn for sample k is the table's row k, to the bit.
TEST_P(SignalTableAt, EverySampleIsWhereTheDisplayDrawsIt) {
    struct Column {
        const char* name;
        float axis;
        double scale;
        double SignalSample::*value;
        std::size_t firstOperation; // in the operations after the axis
    };
    const Column columns[] = {
        {"carrier", 145, 30, &SignalSample::carrier, 0},
        {"upper side", 230, 30, &SignalSample::upperSide, 0},
        {"lower side", 305, 30, &SignalSample::lowerSide, 0},
        {"transmitter", 415, 30, &SignalSample::transmitter, 0},
        {"detector product", 600, 60, &SignalSample::detector, 0},
        {"detected audio", 600, 60, &SignalSample::detectedAudio, 3195},
    };
    const Settings& settings = GetParam();
    const std::vector<SignalSample> table =
        sampleSignals(setTo(FakeParameters{}, settings), WindowValues{});
    ASSERT_EQ(table.size(), 3195U);
    const RecordedPicture picture = recordRedraw(setTo(FakeParameters{}, settings));
    for (const Column& column : columns) {
        SCOPED_TRACE(column.name);
        const std::vector<Operation> trace = picture.trace(column.axis);
        ASSERT_GE(trace.size(), column.firstOperation + table.size());
        for (std::size_t k = 0; k < table.size(); ++k) {
            const SignalSample& row = table[k];
            ASSERT_EQ(trace[column.firstOperation + k].to,
                      drawnAt(row.x, row.*column.value, column.axis, column.scale))
                << "sample " << k;
        }
    }
}

// The generator is drawn once per column; the table has it on the fine time
// base, whose every fifth x lies within rounding of a column.
TEST_P(SignalTableAt, GeneratorAgreesWithTheColumnsItIsDrawnAt) {
    constexpr std::size_t kColumns = 639;
    const std::vector<SignalSample> table =
        sampleSignals(setTo(FakeParameters{}, GetParam()), WindowValues{});
    const std::vector<Operation> generator =
        recordRedraw(setTo(FakeParameters{}, GetParam())).trace(80);
    ASSERT_GT(table.size(), 5 * (kColumns - 1));
    ASSERT_GE(generator.size(), 1 + kColumns); // the axis, then one point a column
    for (std::size_t column = 0; column < kColumns; ++column) {
        const SignalSample& row = table[5 * column];
        ASSERT_NEAR(row.x, static_cast<double>(column), 1e-9);
        ASSERT_NEAR((80.0F - generator[1 + column].to.y) / 30.0F, row.generator, 1e-5)
            << "column " << column;
    }
}

struct Span {
    const char* name;
    double base;         // ms per division
    double milliseconds; // the screen's eight divisions
};

void PrintTo(const Span& row, std::ostream* out) {
    *out << row.name;
}

class ScreenSpan : public testing::TestWithParam<Span> {};

// The table covers the screen's eight divisions, each sample at the column
// it is drawn at; the carrier stays its formula at every sample, however
// many of its periods the screen holds.
TEST_P(ScreenSpan, CoversEightDivisionsWithTheCarriersOwnValues) {
    const Span& row = GetParam();
    FakeParameters parameters;
    parameters.set(Parameter::Base, row.base);
    const std::vector<SignalSample> table = sampleSignals(parameters, WindowValues{});
    EXPECT_EQ(table.front().milliseconds, 0.0);
    EXPECT_NEAR(table.back().milliseconds, row.milliseconds * 639.0 / 640.0, 0.0005);
    for (const SignalSample& sample : table) {
        ASSERT_NEAR(sample.x, sample.milliseconds * 80.0 / row.base, 1e-9);
        ASSERT_NEAR(sample.carrier, std::sin(2.0 * M_PI * 20.0 * sample.milliseconds), 1e-8)
            << "at " << sample.milliseconds << " ms";
    }
}

INSTANTIATE_TEST_SUITE_P(Spans, ScreenSpan,
                         testing::Values(Span{"StartTimeBase", 0.2, 1.6}, Span{"ATenth", 0.1, 0.8},
                                         Span{"OneMillisecondADivision", 1.0, 8.0},
                                         Span{"TwoMilliseconds", 2.0, 16.0}),
                         [](const testing::TestParamInfo<Span>& row) {
                             return std::string(row.param.name);
                         });

// The generator's tone is the one set: its frequency read back from the
// rising quarter of its first period, to half a hertz.
TEST(SignalTable, TheGeneratorSendsTheToneSet) {
    FakeParameters parameters;
    parameters.set(Parameter::Tono, 500);
    for (const SignalSample& s : sampleSignals(parameters, WindowValues{})) {
        if (s.milliseconds > 0.05 && s.milliseconds < 0.45) {
            ASSERT_NEAR(std::asin(s.generator - 1.0) / (2.0 * M_PI * s.milliseconds / 1000.0),
                        500.0, 0.5)
                << "at " << s.milliseconds << " ms";
        }
    }
}

// The two-tone test in DSB: the envelope reaches the peak of one tone's m and
// touches zero at every beat, 1/(2 (f2 - f1)) and each 1/(f2 - f1) after.
TEST(SignalTable, TwoTonesBeatToZero) {
    FakeParameters parameters;
    parameters.set(Parameter::Tono, 700)
        .set(Parameter::Tono2, 1900)
        .set(Parameter::Vcc, 0)
        .set(Parameter::Base, 1);
    const std::vector<SignalSample> table = sampleSignals(parameters, WindowValues{});
    double peak = 0.0;
    for (const SignalSample& s : table) {
        peak = std::max(peak, std::abs(s.transmitter));
        const double beats = s.milliseconds * 1.2 - 0.5; // whole at each zero
        if (std::abs(beats - std::round(beats)) < 0.012) {
            ASSERT_LT(std::abs(s.transmitter), 0.05) << "at " << s.milliseconds << " ms";
        }
    }
    EXPECT_GT(peak, 0.95);
}

TEST(SignalTable, StopsWithTheRedrawsErrorForATextThatIsNotANumber) {
    for (Parameter bad : kAllParameters) {
        SCOPED_TRACE(parameterLabel(bad));
        FakeParameters forTable;
        forTable.setBad(bad, "abc");
        FakeParameters forRedraw;
        forRedraw.setBad(bad, "abc");
        RecordingCanvas canvas;
        try {
            Graficar(canvas, forRedraw, WindowValues{});
            FAIL() << "the redraw did not stop";
        } catch (const Error& redrawError) {
            try {
                sampleSignals(forTable, WindowValues{});
                FAIL() << "the table did not stop";
            } catch (const Error& tableError) {
                EXPECT_STREQ(tableError.what(), redrawError.what());
                EXPECT_EQ(tableError.parameter(), bad);
            }
        }
    }
}

// The transmitter sends the sum of the three traces above it, as the block
// diagram says: carrier and side frequencies in the phase they are summed in.
TEST_P(SignalTableAt, TheTransmittersOutputIsTheSumOfTheThreeComponents) {
    for (const SignalSample& row :
         sampleSignals(setTo(FakeParameters{}, GetParam()), WindowValues{})) {
        ASSERT_NEAR(row.transmitter, row.carrier + row.upperSide + row.lowerSide, 1e-12)
            << "at x " << row.x;
    }
}

TEST(SignalTable, ValueThatIsNotFiniteIsAnOverflow) {
    FakeParameters parameters;
    parameters.set(Parameter::Modulante, 1e308).set(Parameter::Vcc, 1e308);
    try {
        sampleSignals(parameters, WindowValues{});
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::TooLargeToDraw);
    }
}

} // namespace
} // namespace amsim::test
