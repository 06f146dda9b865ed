#include "display/SnrCurvePlot.h"

#include "core/Error.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace amsim {
namespace {

using test::Operation;
using test::RecordingCanvas;

constexpr ParameterValues kAm30{0.3, 1, 1, 1, 0};

// The error bars: the vertical lines of a colour shorter than the frame and
// longer than a marker's side, their lengths in positions, left to right.
std::vector<float> errorBars(const RecordingCanvas& canvas, std::optional<PaletteColour> colour) {
    std::vector<std::pair<float, float>> bars;
    for (const Operation& op : canvas.operations()) {
        const bool vertical = op.kind == Operation::Kind::Line && op.from.x == op.to.x;
        const bool gridOrFrame = std::abs(op.from.y - op.to.y) > 300.0F;
        if (vertical && !gridOrFrame && op.colour == colour &&
            std::abs(op.from.y - op.to.y) > 2.0F * 3.0F + 0.5F) {
            bars.emplace_back(op.from.x, std::abs(op.from.y - op.to.y));
        }
    }
    std::sort(bars.begin(), bars.end());
    std::vector<float> lengths(bars.size());
    std::transform(bars.begin(), bars.end(), lengths.begin(),
                   [](const std::pair<float, float>& bar) { return bar.second; });
    return lengths;
}

std::vector<std::string> texts(const RecordingCanvas& canvas) {
    std::vector<std::string> printed;
    for (const Operation& op : canvas.operations()) {
        if (op.kind == Operation::Kind::Print) {
            printed.push_back(op.text);
        }
    }
    return printed;
}

// A partial curve: each detector's points with their spreads as error bars,
// the product detector's in the canvas's colour, the envelope detector's in
// light blue; where a detector has no tone, nothing.
TEST(SnrCurvePlot, DrawsEachPointsSpreadAsAnErrorBarInItsDetectorsColour) {
    const std::vector<SnrPoint> points{
        {-10.0, -20.2, 2.0, -26.4, 4.0, -20.65, -27.0},
        {-9.0, -19.2, 3.0, std::nullopt, 0.0, -19.65, std::nullopt},
    };
    RecordingCanvas canvas;
    drawSnrCurve(canvas, points, kAm30, ",");
    const std::vector<float> product = errorBars(canvas, std::nullopt);
    const std::vector<float> envelope = errorBars(canvas, PaletteColour::LightBlue);
    ASSERT_EQ(product.size(), 2U);
    ASSERT_EQ(envelope.size(), 1U);
    EXPECT_NEAR(product[1] / product[0], 1.5, 1e-3);
    EXPECT_NEAR(envelope[0] / product[0], 2.0, 1e-3);
}

// The texts, in the catalogue's words and the given notation, with or
// without points.
TEST(SnrCurvePlot, LabelsTheAxesTheLegendAndTheSetting) {
    for (const std::vector<SnrPoint>& points :
         {std::vector<SnrPoint>{}, std::vector<SnrPoint>(1)}) {
        RecordingCanvas canvas;
        drawSnrCurve(canvas, points, kAm30, ",");
        const std::vector<std::string> printed = texts(canvas);
        for (const char* text :
             {"\u221210", "0", "10", "20", "30", "S/N de entrada (dB)", "S/N del audio (dB)",
              "Detector de producto, medido", "Detector de producto, teoría",
              "Detector de envolvente, medido", "Detector de envolvente, teoría",
              "Curva S/N: AM, Modulante 0,3, fase 0°"}) {
            EXPECT_NE(std::find(printed.begin(), printed.end(), text), printed.end()) << text;
        }
    }
}

TEST(SnrCurvePlot, AFailingCanvasIsAnError) {
    RecordingCanvas canvas;
    canvas.failFrom(5);
    EXPECT_THROW(drawSnrCurve(canvas, {}, kAm30, ","), Error);
}

} // namespace
} // namespace amsim
