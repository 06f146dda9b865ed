// What the I/Q view draws for each kind of setting: the envelope detector's
// circle only with a carrier, the noise's cloud only with noise, the
// detector's axis at the screen's end only while the carrier drifts.
#include "display/IqView.h"

#include "core/Error.h"
#include "support/FakeParameters.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace amsim::test {
namespace {

struct IqRow {
    const char* name;
    std::vector<std::pair<Parameter, double>> set;
    bool circle;
    std::size_t noisePoints;
    bool turningAxis;
};

void PrintTo(const IqRow& row, std::ostream* out) {
    *out << row.name;
}

// Drawn within the plot, above the legend.
std::size_t countInPlot(const std::vector<Operation>& operations, Operation::Kind kind,
                        PaletteColour colour) {
    return static_cast<std::size_t>(
        std::count_if(operations.begin(), operations.end(), [&](const Operation& op) {
            return op.kind == kind && op.colour == colour && op.to.y < 360.0F;
        }));
}

class IqView : public testing::TestWithParam<IqRow> {};

TEST_P(IqView, DrawsWhatTheSettingHas) {
    const IqRow& row = GetParam();
    FakeParameters parameters;
    for (const auto& [parameter, value] : row.set) {
        parameters.set(parameter, value);
    }
    RecordingCanvas canvas;
    drawIqView(canvas, parameters, 0.0);
    const std::vector<Operation>& drawn = canvas.operations();
    EXPECT_EQ(countInPlot(drawn, Operation::Kind::Line, PaletteColour::LightBlue) > 0, row.circle);
    EXPECT_EQ(countInPlot(drawn, Operation::Kind::Point, PaletteColour::DarkGrey), row.noisePoints);
    EXPECT_EQ(countInPlot(drawn, Operation::Kind::Line, PaletteColour::Green), 1U);
    EXPECT_EQ(countInPlot(drawn, Operation::Kind::Line, PaletteColour::LightGreen) > 0,
              row.turningAxis);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IqView,
    testing::Values(IqRow{"Am", {}, true, 0, false},
                    IqRow{"Dsb", {{Parameter::Vcc, 0.0}}, false, 0, false},
                    IqRow{"Noisy", {{Parameter::Ruido, 0.05}}, true, 640, false},
                    IqRow{"Drifting", {{Parameter::Df, 100.0}}, true, 0, true}),
    [](const testing::TestParamInfo<IqRow>& row) { return std::string(row.param.name); });

// The legend says how much of DSB's side frequencies the product detector's
// axis takes: all at 0°, nothing at 90°.
TEST(IqView, SaysWhatTheProductDetectorTakesOfDsb) {
    for (const auto& [fase, said] : {std::pair{0.0, "sobre el eje: 1 V de pico"},
                                     std::pair{60.0, "sobre el eje: 0,5 V de pico"},
                                     std::pair{90.0, "sobre el eje: 0 V de pico"}}) {
        SCOPED_TRACE(fase);
        FakeParameters parameters;
        parameters.set(Parameter::Vcc, 0.0).set(Parameter::Fase, fase);
        RecordingCanvas canvas;
        drawIqView(canvas, parameters, 0.0);
        EXPECT_TRUE(std::any_of(canvas.operations().begin(), canvas.operations().end(),
                                [said = std::string(said)](const Operation& op) {
                                    return op.kind == Operation::Kind::Print &&
                                           op.text.find(said) != std::string::npos;
                                }));
    }
}

TEST(IqView, ABadBoxStopsItAsTheRedrawDoes) {
    FakeParameters parameters;
    parameters.setBad(Parameter::Fase);
    RecordingCanvas canvas;
    EXPECT_THROW(drawIqView(canvas, parameters, 0.0), Error);
}

} // namespace
} // namespace amsim::test
