#include "display/RecordedPicture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim::test {
namespace {

using Kind = Operation::Kind;

float minY(const std::vector<Operation>& ops) {
    return std::min_element(ops.begin(), ops.end(),
                            [](const auto& a, const auto& b) { return a.to.y < b.to.y; })
        ->to.y;
}
float maxY(const std::vector<Operation>& ops) {
    return std::max_element(ops.begin(), ops.end(),
                            [](const auto& a, const auto& b) { return a.to.y < b.to.y; })
        ->to.y;
}

TEST(Redraw, StartsWithClearAndDrawsTheAxesRightToLeftInTheirOrder) {
    const RecordedPicture picture = recordRedraw(FakeParameters{});
    ASSERT_FALSE(picture.all.empty());
    EXPECT_EQ(picture.all.front().kind, Kind::Clear);

    std::vector<float> axes;
    for (const Operation& op : picture.all) {
        if (op.colour == PaletteColour::LightMagenta) {
            EXPECT_EQ(op.kind, Kind::Line);
            EXPECT_EQ(op.from.x, 639.0F);
            EXPECT_EQ(op.to.x, 0.0F);
            axes.push_back(op.from.y);
        }
    }
    EXPECT_EQ(axes, (std::vector<float>{80, 145, 230, 305, 600, 415}));
}

TEST(Redraw, GeneratorPrintsItsLabelAtTheAxisLeftEndThenOnePointPerColumn) {
    const auto& generator = recordRedraw(FakeParameters{}).trace(80);
    ASSERT_EQ(generator.size(), 1U + 640U);
    EXPECT_EQ(generator[0].kind, Kind::Print);
    EXPECT_EQ(generator[0].text, "modulante + Vcc");
    EXPECT_EQ(generator[0].from, (CanvasPoint{0, 80}));

    const std::vector<Operation> points(generator.begin() + 1, generator.end());
    EXPECT_TRUE(std::all_of(points.begin(), points.end(),
                            [](const auto& op) { return op.kind == Kind::Point && !op.colour; }));
    EXPECT_EQ(points.front().to, (CanvasPoint{0, 50})); // tone 0 on a DC level of 1
    EXPECT_EQ(points.back().to.x, 639.0F);
    // Swings between 80 - 30 * 2 and its axis, which it touches at its minima.
    EXPECT_FLOAT_EQ(minY(points), 20.0F);
    EXPECT_NEAR(maxY(points), 80.0F, 0.01F);
}

// Every connected trace has 3,195 samples from x 0 to about 638.8 and begins
// with a segment from its axis's left end.
TEST(Redraw, ConnectedTracesSampleEveryFifthOfAPixelFromTheAxisLeftEnd) {
    const RecordedPicture picture = recordRedraw(FakeParameters{});
    for (float axis : {145.0F, 230.0F, 305.0F, 415.0F}) {
        SCOPED_TRACE(axis);
        const auto& trace = picture.trace(axis);
        ASSERT_EQ(trace.size(), 3195U);
        EXPECT_EQ(trace.front().from, (CanvasPoint{0, axis}));
        EXPECT_EQ(trace.front().to.x, 0.0F);
        EXPECT_NEAR(trace.back().to.x, 638.8F, 1e-3F);
        for (std::size_t i = 1; i < trace.size(); ++i) {
            ASSERT_EQ(trace[i].from, trace[i - 1].to) << "trace broken at sample " << i;
        }
    }
}

TEST(Redraw, ComponentAmplitudesFollowTheParameters) {
    struct Row {
        const char* name;
        double mdl, vcc;
        float carrier, upper, lower; // peak heights in pixels
    };
    const Row rows[] = {
        {"start values", 1, 1, 30, 15, 15},
        {"carrier suppressed", 1, 0, 0, 15, 15},
        {"no tone", 0, 1, 30, 0, 0},
        {"strong tone", 2, 0.4, 12, 30, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RecordedPicture picture = recordRedraw(
            FakeParameters{}.set(Parameter::Modulante, row.mdl).set(Parameter::Vcc, row.vcc));
        EXPECT_NEAR(145 - minY(picture.trace(145)), row.carrier, 0.05);
        EXPECT_NEAR(maxY(picture.trace(145)) - 145, row.carrier, 0.05);
        EXPECT_NEAR(230 - minY(picture.trace(230)), row.upper, 0.05);
        EXPECT_NEAR(305 - minY(picture.trace(305)), row.lower, 0.05);
    }
}

TEST(Redraw, SwitchedOffSidebandIsAFlatLineOnItsAxis) {
    const RecordedPicture picture = recordRedraw(FakeParameters{}.set(Parameter::BlsSiNo, 0));
    EXPECT_EQ(minY(picture.trace(230)), 230.0F);
    EXPECT_EQ(maxY(picture.trace(230)), 230.0F);
    EXPECT_NEAR(305 - minY(picture.trace(305)), 15.0F, 0.05F);
}

TEST(Transmitter, FirstStrokeShowsWhichSidebandPasses) {
    struct Row {
        const char* name;
        double lower, upper;
        float firstY;
    };
    const Row rows[] = {
        {"full AM starts on the axis", 1, 1, 415},
        {"lower sideband only rises by m/2", 1, 0, 415 - 15},
        {"upper sideband only falls by m/2", 0, 1, 415 + 15},
        {"carrier alone starts on the axis", 0, 0, 415},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& output = recordRedraw(FakeParameters{}
                                              .set(Parameter::BliSiNo, row.lower)
                                              .set(Parameter::BlsSiNo, row.upper))
                                 .trace(415);
        EXPECT_EQ(output.front().from, (CanvasPoint{0, 415}));
        EXPECT_NEAR(output.front().to.y, row.firstY, 1e-4F);
    }
}

TEST(Transmitter, FullAmReachesTwiceTheCarrierAndTouchesTheAxis) {
    const auto& output = recordRedraw(FakeParameters{}).trace(415);
    EXPECT_NEAR(415 - minY(output), 60.0F, 0.5F);
    EXPECT_NEAR(maxY(output) - 415, 60.0F, 0.5F);
    // Around x = 300 the envelope is zero: the output rests on the axis.
    for (const Operation& op : output) {
        if (std::fabs(op.to.x - 300.0F) < 2.0F) {
            EXPECT_NEAR(op.to.y, 415.0F, 0.1F);
        }
    }
}

TEST(Envelope, DottedCurvesMirrorTheGeneratorOutputAboutTheTransmitterAxis) {
    const auto& envelope = recordRedraw(FakeParameters{}).envelope;
    ASSERT_EQ(envelope.size(), 320U);
    const std::vector<Operation> upper(envelope.begin(), envelope.begin() + 160);
    const std::vector<Operation> lower(envelope.begin() + 160, envelope.end());
    EXPECT_EQ(upper.front().to, (CanvasPoint{0, 385}));
    EXPECT_EQ(upper[25].to, (CanvasPoint{100, 355}));
    EXPECT_NEAR(upper[75].to.y, 415.0F, 1e-4F);
    EXPECT_EQ(upper.back().to.x, 636.0F);
    EXPECT_EQ(lower.front().to, (CanvasPoint{0, 445}));
    EXPECT_EQ(lower[25].to, (CanvasPoint{100, 475}));
    for (std::size_t i = 0; i < 160; ++i) {
        EXPECT_EQ(upper[i].kind, Kind::Point);
        EXPECT_NEAR(upper[i].to.y - 415, 415 - lower[i].to.y, 1e-3F);
    }
}

// The toggles write 1 and 0; typed factors meet an asymmetric test: the lower
// one is rounded half to even, the upper one must be exactly 1.
struct EnvelopeRow {
    const char* name;
    double lower, upper;
    bool drawn;
};

void PrintTo(const EnvelopeRow& row, std::ostream* out) {
    *out << row.name;
}

class EnvelopeCondition : public testing::TestWithParam<EnvelopeRow> {};

TEST_P(EnvelopeCondition, DrawsTheEnvelopeOnlyWhenItHolds) {
    const RecordedPicture picture = recordRedraw(FakeParameters{}
                                                     .set(Parameter::BliSiNo, GetParam().lower)
                                                     .set(Parameter::BlsSiNo, GetParam().upper));
    EXPECT_EQ(picture.envelope.size(), GetParam().drawn ? 320U : 0U);
    EXPECT_EQ(picture.spectrum.size(), 12U);
}

INSTANTIATE_TEST_SUITE_P(Envelope, EnvelopeCondition,
                         testing::Values(EnvelopeRow{"BothSidebandsOn", 1, 1, true},
                                         EnvelopeRow{"LowerOff", 0, 1, false},
                                         EnvelopeRow{"UpperOff", 1, 0, false},
                                         EnvelopeRow{"BothOff", 0, 0, false},
                                         EnvelopeRow{"Lower15RoundsTo2", 1.5, 1, true},
                                         EnvelopeRow{"Lower05RoundsTo0", 0.5, 1, false},
                                         EnvelopeRow{"Lower25RoundsTo2", 2.5, 1, true},
                                         EnvelopeRow{"LowerMinus05RoundsTo0", -0.5, 1, false},
                                         EnvelopeRow{"LowerMinus1Counts", -1, 1, true},
                                         EnvelopeRow{"Upper2IsNot1", 1, 2, false},
                                         EnvelopeRow{"Upper05IsNot1", 1, 0.5, false}),
                         [](const testing::TestParamInfo<EnvelopeRow>& row) {
                             return std::string(row.param.name);
                         });

TEST(Envelope, StillDrawnWithTheCarrierSuppressed) {
    const auto& envelope = recordRedraw(FakeParameters{}.set(Parameter::Vcc, 0)).envelope;
    ASSERT_EQ(envelope.size(), 320U);
    EXPECT_EQ(envelope.front().to, (CanvasPoint{0, 415}));
}

} // namespace
} // namespace amsim::test
