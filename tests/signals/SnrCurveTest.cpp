#include "signals/SnrCurve.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace amsim {
namespace {

// AM at 30 %, V(cc) 1, measured once for every row: the whole curve is the
// costly part.
const std::vector<SnrPoint>& amCurve() {
    static const std::vector<SnrPoint> points = snrCurve({0.3, 1, 1, 1, 0});
    return points;
}

const SnrPoint& pointAt(int inputDecibels) {
    return amCurve().at(static_cast<std::size_t>(inputDecibels - kSnrCurveLowestDecibels));
}

// The product detector's S/N less the envelope detector's.
double envelopeLoss(int inputDecibels) {
    const SnrPoint& point = pointAt(inputDecibels);
    return point.productDecibels.value() - point.envelopeDecibels.value();
}

TEST(SnrCurve, HasAPointADecibelFromMinus10To30) {
    ASSERT_EQ(amCurve().size(), 41U);
    for (int input = kSnrCurveLowestDecibels; input <= kSnrCurveHighestDecibels; ++input) {
        EXPECT_EQ(pointAt(input).inputDecibels, input);
    }
}

TEST(SnrCurve, ProductDetectorFollowsTheoryWithinHalfADecibel) {
    for (const SnrPoint& point : amCurve()) {
        EXPECT_NEAR(point.productDecibels.value(), point.productTheoryDecibels.value(), 0.5)
            << point.inputDecibels << " dB";
    }
}

struct LossRow {
    const char* name;
    int fromDecibels; // input S/N
    int toDecibels;
    double lowestLoss; // the envelope detector's S/N below the product detector's
    double highestLoss;
};

class EnvelopeLossTest : public testing::TestWithParam<LossRow> {};

// The envelope detector keeps up with the product detector while the input
// S/N is high and leaves it near 0 dB (the threshold).
TEST_P(EnvelopeLossTest, IsWithinItsRange) {
    for (int input = GetParam().fromDecibels; input <= GetParam().toDecibels; ++input) {
        EXPECT_GE(envelopeLoss(input), GetParam().lowestLoss) << input << " dB";
        EXPECT_LE(envelopeLoss(input), GetParam().highestLoss) << input << " dB";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, EnvelopeLossTest,
                         testing::Values(LossRow{"Above10Decibels", 11, 30, -0.5, 0.5},
                                         LossRow{"AtMinus3Decibels", -3, -3, 1.5, 3.5}),
                         [](const testing::TestParamInfo<LossRow>& row) {
                             return std::string(row.param.name);
                         });

// Below the threshold the envelope detector loses more with each decibel
// less, and faster: more a decibel from -6 to -10 dB than from -3 to -6 dB.
TEST(SnrCurve, EnvelopeDetectorFallsAwayFasterBelowTheThreshold) {
    for (int input = -4; input >= kSnrCurveLowestDecibels; --input) {
        EXPECT_GT(envelopeLoss(input), envelopeLoss(input + 1)) << input << " dB";
    }
    EXPECT_GT((envelopeLoss(-10) - envelopeLoss(-6)) / 4.0,
              (envelopeLoss(-6) - envelopeLoss(-3)) / 3.0);
}

TEST(SnrCurve, SpreadsAreLargerAtMinus10ThanAt30Decibels) {
    const SnrPoint& low = pointAt(kSnrCurveLowestDecibels);
    const SnrPoint& high = pointAt(kSnrCurveHighestDecibels);
    EXPECT_GT(high.productSpreadDecibels, 0.0);
    EXPECT_GT(high.envelopeSpreadDecibels, 0.0);
    EXPECT_GT(low.productSpreadDecibels, high.productSpreadDecibels);
    EXPECT_GT(low.envelopeSpreadDecibels, high.envelopeSpreadDecibels);
}

TEST(SnrCurve, CsvHasTheHeaderAndARowAPoint) {
    std::istringstream csv(snrCurveCsv(amCurve()));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "snr_entrada_db,producto_db,producto_dispersion_db,envolvente_db,"
                    "envolvente_dispersion_db,teoria_producto_db");
    std::vector<std::string> rows;
    while (std::getline(csv, line)) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 41U);
    EXPECT_EQ(rows.front().rfind("-10,", 0), 0U) << rows.front();
    EXPECT_EQ(rows.back().rfind("30,", 0), 0U) << rows.back();
}

// With nothing received no noise can set an input S/N.
TEST(SnrCurve, HasNoPointsWithoutASignal) {
    SnrCurve curve({0, 0, 1, 1, 0});
    EXPECT_TRUE(curve.done());
    curve.measureNext();
    EXPECT_TRUE(curve.points().empty());
}

} // namespace
} // namespace amsim
