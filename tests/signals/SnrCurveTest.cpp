#include "signals/SnrCurve.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace amsim {
namespace {

const SnrPoint& pointAt(const std::vector<SnrPoint>& points, int inputDecibels) {
    return points.at(static_cast<std::size_t>(inputDecibels - kSnrCurveLowestDecibels));
}

// The product detector's S/N less the envelope detector's.
double envelopeLoss(const std::vector<SnrPoint>& points, int inputDecibels) {
    const SnrPoint& point = pointAt(points, inputDecibels);
    return point.productDecibels.value() - point.envelopeDecibels.value();
}

struct LossRow {
    const char* name;
    int fromDecibels; // input S/N
    int toDecibels;
    double lowestLoss; // the envelope detector's S/N below the product detector's
    double highestLoss;
};

constexpr LossRow kLosses[] = {
    {"keeps up above 10 dB", 11, 30, -0.5, 0.5},
    {"leaves it at -3 dB", -3, -3, 1.5, 3.5},
};

// AM at 30 %, V(cc) 1. The whole curve is the costly part, measured once for
// every check: the product detector follows theory, the envelope detector
// keeps up with it while the input S/N is high and leaves it near 0 dB,
// losing more with each decibel less, and faster (more a decibel from -6 to
// -10 dB than from -3 to -6 dB); the spreads grow as the S/N falls.
TEST(SnrCurve, AtModulante03ShowsTheEnvelopeDetectorsThreshold) {
    const std::vector<SnrPoint> points = snrCurve({0.3, 1, 1, 1, 0});
    ASSERT_EQ(points.size(), 41U);
    for (int input = kSnrCurveLowestDecibels; input <= kSnrCurveHighestDecibels; ++input) {
        const SnrPoint& point = pointAt(points, input);
        EXPECT_EQ(point.inputDecibels, input);
        EXPECT_NEAR(point.productDecibels.value(), point.productTheoryDecibels.value(), 0.5)
            << input << " dB";
    }
    for (const LossRow& row : kLosses) {
        for (int input = row.fromDecibels; input <= row.toDecibels; ++input) {
            EXPECT_GE(envelopeLoss(points, input), row.lowestLoss) << row.name << ", " << input;
            EXPECT_LE(envelopeLoss(points, input), row.highestLoss) << row.name << ", " << input;
        }
    }
    for (int input = -4; input >= kSnrCurveLowestDecibels; --input) {
        EXPECT_GT(envelopeLoss(points, input), envelopeLoss(points, input + 1)) << input;
    }
    EXPECT_GT((envelopeLoss(points, -10) - envelopeLoss(points, -6)) / 4.0,
              (envelopeLoss(points, -6) - envelopeLoss(points, -3)) / 3.0);
    const SnrPoint& low = pointAt(points, kSnrCurveLowestDecibels);
    const SnrPoint& high = pointAt(points, kSnrCurveHighestDecibels);
    EXPECT_GT(high.productSpreadDecibels, 0.0);
    EXPECT_GT(high.envelopeSpreadDecibels, 0.0);
    EXPECT_GT(low.productSpreadDecibels, high.productSpreadDecibels);
    EXPECT_GT(low.envelopeSpreadDecibels, high.envelopeSpreadDecibels);
}

// A row a point, in the header's order; a detector without a tone leaves
// its two columns empty.
TEST(SnrCurve, CsvHasTheHeaderAndARowAPoint) {
    std::vector<SnrPoint> points(41);
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].inputDecibels = kSnrCurveLowestDecibels + static_cast<double>(i);
    }
    points.front() = {-10.0, -20.214, 0.356, std::nullopt, 0.0, -20.65, std::nullopt};
    points.back() = {30.0, 19.79, 0.03, 20.046, 0.024, 19.35, 19.4};
    std::istringstream csv(snrCurveCsv(points));
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(csv, line)) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 42U);
    EXPECT_EQ(lines.front(), "snr_entrada_db,producto_db,producto_dispersion_db,envolvente_db,"
                             "envolvente_dispersion_db,teoria_producto_db");
    EXPECT_EQ(lines.at(1), "-10,-20.21,0.36,,,-20.65");
    EXPECT_EQ(lines.back(), "30,19.79,0.03,20.05,0.02,19.35");
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
