#include "canvas/RasterCanvas.h"
#include "core/Error.h"
#include "display/Graficar.h"
#include "support/BlockLetters.h"
#include "support/FakeParameters.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace amsim {
namespace {

using test::FakeParameters;

constexpr auto kGrid = static_cast<PixelIndex>(PaletteColour::LightGrey);

using test::BlockLetters;

struct Bench {
    const char* name;
    double mdl, Vcc, bli, bls, fase, envelope;
    double scale;
};

constexpr Bench kStart{"Start", 1, 1, 1, 1, 0, 0, 1.0};

std::vector<PixelIndex> drawn(const Bench& b, bool scales) {
    BlockLetters canvas(952, 700, b.scale);
    FakeParameters parameters;
    parameters.set(Parameter::Modulante, b.mdl)
        .set(Parameter::Vcc, b.Vcc)
        .set(Parameter::BliSiNo, b.bli)
        .set(Parameter::BlsSiNo, b.bls)
        .set(Parameter::Fase, b.fase)
        .set(Parameter::Envelope, b.envelope)
        .set(Parameter::Escalas, scales ? 1.0 : 0.0);
    Graficar(canvas, parameters, WindowValues{});
    const PixelBuffer& pixels = canvas.pixels();
    std::vector<PixelIndex> all;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            all.push_back(pixels.at(x, y));
        }
    }
    return all;
}

class ScalesBeneath : public testing::TestWithParam<Bench> {};

// Whatever the picture without scales draws, the picture with them shows
// unchanged; what they add is grid colour or their labels' ink.
TEST_P(ScalesBeneath, EveryPixelOfThePictureStaysAndOnlyGridAndLabelsAreAdded) {
    const std::vector<PixelIndex> off = drawn(GetParam(), false);
    const std::vector<PixelIndex> on = drawn(GetParam(), true);
    int covered = 0;
    int added = 0;
    int foreign = 0;
    for (std::size_t i = 0; i < off.size(); ++i) {
        if (off[i] != RasterCanvas::kBackground) {
            covered += static_cast<int>(on[i] != off[i]);
        } else if (on[i] != off[i]) {
            ++added;
            foreign += static_cast<int>(on[i] != kGrid && on[i] != RasterCanvas::kInk);
        }
    }
    EXPECT_EQ(covered, 0);
    EXPECT_EQ(foreign, 0);
    EXPECT_GT(added, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Benches, ScalesBeneath,
    testing::Values(Bench{"AmAtTheStart", 1, 1, 1, 1, 0, 0, 1.0},
                    Bench{"Dsb", 1, 0, 1, 1, 0, 0, 1.0},
                    Bench{"OverModulatedWithTheEnvelopeDetector", 2, 0.8, 1, 1, 0, 1, 1.0},
                    Bench{"NegativeLevelSsb", 1.4, -0.6, 0, 1, 45, 0, 1.0},
                    Bench{"TwiceTheResolution", 1, 1, 1, 1, 0, 1, 2.0}),
    [](const testing::TestParamInfo<Bench>& row) { return std::string(row.param.name); });

// A line of the graticule, vertical at x or horizontal at y; or where no
// row may be, because the strip has no room for it.
struct GridLine {
    const char* name;
    bool vertical;
    std::vector<int> at;
    bool present;
};

class GraticulePlaces : public testing::TestWithParam<GridLine> {};

// Along the line, every pixel the picture leaves free is grid colour (the
// labels' ink apart); beside it, none is.
TEST_P(GraticulePlaces, LinesStandAtTheirPixelsAndNowhereElse) {
    const GridLine& row = GetParam();
    const std::vector<PixelIndex> off = drawn(kStart, false);
    const std::vector<PixelIndex> on = drawn(kStart, true);
    for (const int at : row.at) {
        int free = 0;
        int grid = 0;
        constexpr int kLength = 641; // y 20 to 660, or x 0 to 640
        for (int along = 0; along < kLength; ++along) {
            const int x = row.vertical ? at : along;
            const int y = row.vertical ? 20 + along : at;
            const std::size_t i = (static_cast<std::size_t>(y) * 952) + static_cast<std::size_t>(x);
            if (off[i] == RasterCanvas::kBackground && on[i] != RasterCanvas::kInk) {
                ++free;
                grid += static_cast<int>(on[i] == kGrid);
            }
        }
        SCOPED_TRACE(at);
        EXPECT_GT(free, 300);
        if (row.present) {
            EXPECT_EQ(grid, free);
        } else {
            EXPECT_LE(grid, 9); // where it crosses the columns
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GraticulePlaces,
    testing::Values(
        GridLine{"ColumnsEvery80Pixels", true, {0, 80, 160, 240, 320, 400, 480, 560, 640}, true},
        GridLine{"GeneratorRows", false, {20, 50, 110}, true},
        GridLine{"CarrierRows", false, {115, 175}, true},
        GridLine{"SideFrequencyRows", false, {200, 260, 275, 335}, true},
        GridLine{"TransmitterRows", false, {385, 445, 475}, true},
        GridLine{"DetectorRows", false, {540, 570, 630, 660}, true},
        GridLine{"NoRowBeyondAStripsRoom", false, {140, 85, 205, 245, 355, 365}, false}),
    [](const testing::TestParamInfo<GridLine>& row) { return std::string(row.param.name); });

struct Label {
    const char* name;
    const char* separator;
    const char* text;
    CanvasPoint at;
};

class ScaleLabels : public testing::TestWithParam<Label> {};

TEST_P(ScaleLabels, ArePrintedWhereStatedInTheRegionalNotation) {
    const Label& row = GetParam();
    test::RecordingCanvas canvas;
    FakeParameters parameters;
    parameters.set(Parameter::Escalas, 1);
    WindowValues window;
    window.decimalSeparator = row.separator;
    Graficar(canvas, parameters, window);
    const test::Operation printed{test::Operation::Kind::Print, row.at, row.at, std::nullopt,
                                  row.text};
    const auto& ops = canvas.operations();
    EXPECT_NE(std::find(ops.begin(), ops.end(), printed), ops.end());
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ScaleLabels,
    testing::Values(
        Label{"GeneratorVoltsPerDivision", ",", "1 V/div", {588, 82}},
        Label{"DetectorsDoubledScale", ",", "0,5 V/div", {588, 602}},
        Label{"DetectorsScaleWithAPoint", ".", "0.5 V/div", {588, 602}},
        Label{"TimeZero", ",", "0", {2, 665}}, Label{"TimeOfTwoColumns", ",", "0,4", {162, 665}},
        Label{"LastTimeWithItsUnit", ",", "1,6 ms", {600, 665}},
        Label{"GeneratorSpectrumFrequency", ",", "0 kHz", {728, 106}},
        Label{"TransmitterSpectrumTenKilohertz", ",", "10", {824, 406}},
        Label{"AudioSpectrumUnitAtTenBesideThePicturesCaption", ",", "10 kHz", {824, 656}},
        Label{"AudioSpectrumTwentyKilohertz", ",", "20", {924, 656}},
        Label{"GeneratorSpectrumVolt", ",", "1 V", {762, 74}},
        Label{"TransmitterSpectrumVoltAt40Pixels", ",", "1 V", {762, 354}},
        Label{"AudioSpectrumHalfVoltAt80PixelsAVolt", ",", "0,5 V", {762, 604}}),
    [](const testing::TestParamInfo<Label>& row) { return std::string(row.param.name); });

TEST(Scales, ASwitchThatIsNoNumberStopsTheRedrawNamingItsBox) {
    test::RecordingCanvas canvas;
    FakeParameters parameters;
    parameters.setBad(Parameter::Escalas);
    try {
        Graficar(canvas, parameters, WindowValues{});
        ADD_FAILURE() << "drew";
    } catch (const Error& error) {
        EXPECT_EQ(error.parameter(), Parameter::Escalas);
    }
}

} // namespace
} // namespace amsim
