// A frame of a running bench puts back the still part its canvas kept and
// draws the rest: the picture of a whole redraw at that instant, pixel for
// pixel, and never a still part kept for another setting.
#include "display/Graficar.h"
#include "support/BlockLetters.h"
#include "support/FakeParameters.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace amsim {
namespace {

using test::BlockLetters;
using test::FakeParameters;

struct FrameRow {
    const char* name;
    Parameter changed; // set to `value` between the kept picture and the frame
    double value;
    double scale;
};

void PrintTo(const FrameRow& row, std::ostream* out) {
    *out << row.name;
}

FakeParameters& running(FakeParameters& parameters) {
    return parameters.set(Parameter::Vcc, 0.5)
        .set(Parameter::Df, 3.0)
        .set(Parameter::Ruido, 0.05)
        .set(Parameter::Envelope, 1.0)
        .set(Parameter::Escalas, 1.0);
}

std::vector<PixelIndex> pixelsOf(const RasterCanvas& canvas) {
    const PixelBuffer& buffer = canvas.pixels();
    return {buffer.data(),
            buffer.data() + static_cast<std::ptrdiff_t>(buffer.stride()) * buffer.height()};
}

class FrameTest : public testing::TestWithParam<FrameRow> {};

TEST_P(FrameTest, IsTheWholeRedrawAtItsInstant) {
    const FrameRow& row = GetParam();
    FakeParameters before;
    FakeParameters after;
    running(before);
    running(after).set(row.changed, row.value);
    BlockLetters live(kDrawingWidth, kDrawingHeight, row.scale);
    Graficar(live, before, WindowValues{}, 0.1);
    GraficarFrame(live, after, WindowValues{}, 0.35);
    BlockLetters whole(kDrawingWidth, kDrawingHeight, row.scale);
    Graficar(whole, after, WindowValues{}, 0.35);
    EXPECT_EQ(pixelsOf(live), pixelsOf(whole));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FrameTest,
    testing::Values(FrameRow{"SameSetting", Parameter::Df, 3.0, 1.0},
                    FrameRow{"SameSettingAtTwiceTheResolution", Parameter::Df, 3.0, 2.0},
                    FrameRow{"AnotherTone", Parameter::Modulante, 2.0, 1.0},
                    FrameRow{"ScalesOff", Parameter::Escalas, 0.0, 1.0},
                    FrameRow{"AnotherTimeBase", Parameter::Base, 2.0, 1.0},
                    FrameRow{"AnotherPhaseKeepsTheStillPart", Parameter::Fase, 60.0, 1.0}),
    [](const testing::TestParamInfo<FrameRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
