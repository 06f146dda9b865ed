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

constexpr auto kPlate = static_cast<PixelIndex>(PaletteColour::White);

class ScalesBeneath : public testing::TestWithParam<Bench> {};

// Whatever the picture without scales draws, the picture with them shows
// unchanged but under the labels' plates; what they add is grid colour,
// plates or their labels' ink.
TEST_P(ScalesBeneath, EveryPixelOfThePictureStaysButUnderTheLabelsPlates) {
    const std::vector<PixelIndex> off = drawn(GetParam(), false);
    const std::vector<PixelIndex> on = drawn(GetParam(), true);
    int covered = 0;
    int plated = 0;
    int foreign = 0;
    for (std::size_t i = 0; i < off.size(); ++i) {
        const bool label = on[i] == kPlate || on[i] == RasterCanvas::kInk;
        plated += static_cast<int>(on[i] == kPlate);
        if (off[i] != RasterCanvas::kBackground) {
            covered += static_cast<int>(on[i] != off[i] && !label);
        } else if (on[i] != off[i]) {
            foreign += static_cast<int>(on[i] != kGrid && !label);
        }
    }
    EXPECT_EQ(covered, 0);
    EXPECT_EQ(foreign, 0);
    EXPECT_GT(plated, 0);
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
            if (off[i] == RasterCanvas::kBackground && on[i] != RasterCanvas::kInk &&
                on[i] != kPlate) {
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
    double base = 0.2; // ms per division
};

class ScaleLabels : public testing::TestWithParam<Label> {};

TEST_P(ScaleLabels, ArePrintedWhereStatedInTheRegionalNotation) {
    const Label& row = GetParam();
    test::RecordingCanvas canvas;
    FakeParameters parameters;
    parameters.set(Parameter::Escalas, 1).set(Parameter::Base, row.base);
    WindowValues window;
    window.decimalSeparator = row.separator;
    Graficar(canvas, parameters, window);
    const test::Operation printed{test::Operation::Kind::Print, row.at, row.at,
                                  PaletteColour::White, row.text};
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
        Label{"TimeOfTwoColumnsAtATenth", ",", "0,2", {162, 665}, 0.1},
        Label{"LastTimeAtTwoMilliseconds", ",", "16 ms", {600, 665}, 2.0},
        Label{"TimeBetweenTheSteps", ".", "0.875", {322, 665}, 0.21875},
        Label{"GeneratorSpectrumFrequency", ",", "0 kHz", {728, 106}},
        Label{"TransmitterSpectrumTenKilohertz", ",", "10", {824, 406}},
        Label{"AudioSpectrumUnitAtTenBesideThePicturesCaption", ",", "10 kHz", {824, 656}},
        Label{"AudioSpectrumTwentyKilohertz", ",", "20", {924, 656}},
        Label{"GeneratorSpectrumVolt", ",", "1 V", {762, 74}},
        Label{"TransmitterSpectrumVoltAt40Pixels", ",", "1 V", {762, 354}},
        Label{"AudioSpectrumHalfVoltAt80PixelsAVolt", ",", "0,5 V", {762, 604}}),
    [](const testing::TestParamInfo<Label>& row) { return std::string(row.param.name); });

// The labels come after every trace and spectral line, so none crosses them.
TEST(Scales, LabelsArePrintedLastEachOnAPlate) {
    test::RecordingCanvas canvas;
    FakeParameters parameters;
    parameters.set(Parameter::Escalas, 1).set(Parameter::Envelope, 1).set(Parameter::Ruido, 0.5);
    Graficar(canvas, parameters, WindowValues{});
    const auto& ops = canvas.operations();
    const auto plated = [](const test::Operation& op) {
        return op.kind == test::Operation::Kind::Print && op.colour == PaletteColour::White;
    };
    const auto firstLabel = std::find_if(ops.begin(), ops.end(), plated);
    // 5 times, 6 strips, 11 on the spectra and the floor's band
    EXPECT_EQ(std::count_if(firstLabel, ops.end(), plated), 23);
    EXPECT_TRUE(std::all_of(firstLabel, ops.end(), plated));
}

struct FloorBand {
    const char* name;
    double bli, bls, ruido;
    const char* text; // nothing printed where empty
};

class NoiseFloorLabel : public testing::TestWithParam<FloorBand> {};

TEST_P(NoiseFloorLabel, GivesTheFloorsEdgesBeneathTheTransmittersDisplay) {
    const FloorBand& row = GetParam();
    test::RecordingCanvas canvas;
    FakeParameters parameters;
    parameters.set(Parameter::Escalas, 1)
        .set(Parameter::BliSiNo, row.bli)
        .set(Parameter::BlsSiNo, row.bls)
        .set(Parameter::Ruido, row.ruido);
    Graficar(canvas, parameters, WindowValues{});
    const auto& ops = canvas.operations();
    const auto floorLabel = std::find_if(ops.begin(), ops.end(), [](const test::Operation& op) {
        return op.kind == test::Operation::Kind::Print && op.from == CanvasPoint{890, 419};
    });
    if (std::string(row.text).empty()) {
        EXPECT_EQ(floorLabel, ops.end());
    } else {
        ASSERT_NE(floorLabel, ops.end());
        EXPECT_EQ(floorLabel->text, row.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bands, NoiseFloorLabel,
    testing::Values(FloorBand{"BothSidebandsRunPastTheDisplay", 1, 1, 0.5, "17–23 kHz"},
                    FloorBand{"UpperSidebandRunsPastTheDisplay", 0, 1, 0.1, "20–23 kHz"},
                    FloorBand{"LowerSideband", 1, 0, 0.1, "17–20 kHz"},
                    FloorBand{"NoNoiseNoFloor", 1, 1, 0, ""}),
    [](const testing::TestParamInfo<FloorBand>& row) { return std::string(row.param.name); });

// At 180 degrees the detected tone's line runs down through the picture's
// caption (x 723 to 793, y 655 to 679): with the scales on it passes behind
// it, its end still drawn; without them the picture is as it was.
TEST(Scales, TheInvertedTonePassesBehindThePicturesCaption) {
    Bench inverted = kStart;
    inverted.fase = 180;
    const std::vector<PixelIndex> off = drawn(inverted, false);
    const std::vector<PixelIndex> on = drawn(inverted, true);
    const auto at = [](const std::vector<PixelIndex>& pixels, int x, int y) {
        return pixels[(static_cast<std::size_t>(y) * 952) + static_cast<std::size_t>(x)];
    };
    int crossed = 0;
    for (int y = 654; y <= 680; ++y) {
        crossed += static_cast<int>(at(on, 740, y) != RasterCanvas::kBackground);
        EXPECT_NE(at(off, 740, y), RasterCanvas::kBackground) << y;
    }
    EXPECT_EQ(crossed, 0);
    EXPECT_EQ(at(on, 740, 685), RasterCanvas::kInk);
    EXPECT_EQ(at(on, 740, 652), RasterCanvas::kInk);
}

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
