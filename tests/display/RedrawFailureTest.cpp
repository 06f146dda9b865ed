#include "core/Error.h"
#include "display/RecordedPicture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace amsim::test {
namespace {

using Kind = Operation::Kind;

struct Stopped {
    std::vector<Operation> drawn;
    std::optional<Error> error;
};

Stopped redrawUntilItStops(FakeParameters& parameters, RecordingCanvas& canvas) {
    Stopped result;
    try {
        Graficar(canvas, parameters, WindowValues{});
    } catch (const Error& error) {
        result.error = error;
    }
    result.drawn = canvas.operations();
    return result;
}

Stopped redrawUntilItStops(FakeParameters& parameters) {
    RecordingCanvas canvas;
    return redrawUntilItStops(parameters, canvas);
}

std::vector<float> axesDrawn(const std::vector<Operation>& ops) {
    std::vector<float> axes;
    for (const Operation& op : ops) {
        if (op.colour == PaletteColour::LightMagenta) {
            axes.push_back(op.from.y);
        }
    }
    return axes;
}

// A text that is not a number stops the redraw at its first use, and what
// was drawn before stays.
TEST(RedrawFailure, BadTextStopsAtItsFirstUse) {
    struct Row {
        const char* name;
        Parameter bad;
        std::vector<float> axes;    // the axes drawn before the stop
        std::size_t lastOperations; // operations after the last axis
    };
    const Row rows[] = {
        {"modulating amplitude: right after the clear", Parameter::Modulante, {}, 0},
        {"Vcc: the generator axis and its label only", Parameter::Vcc, {80}, 1},
        {"upper flag: at the first sample of its trace", Parameter::BlsSiNo, {80, 145, 230}, 0},
        {"lower flag: at the first sample of its trace",
         Parameter::BliSiNo,
         {80, 145, 230, 305},
         0},
        {"phase: at the first detector sample", Parameter::Fase, {80, 145, 230, 305, 600}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.setBad(row.bad, "abc");
        const Stopped stopped = redrawUntilItStops(parameters);
        ASSERT_TRUE(stopped.error.has_value());
        EXPECT_EQ(stopped.error->kind(), Error::Kind::NotANumber);
        EXPECT_EQ(stopped.error->parameter(), row.bad);
        EXPECT_EQ(stopped.drawn.front().kind, Kind::Clear);
        EXPECT_EQ(axesDrawn(stopped.drawn), row.axes);
        const auto lastAxis =
            std::find_if(stopped.drawn.rbegin(), stopped.drawn.rend(), [](const Operation& op) {
                return op.colour == PaletteColour::LightMagenta || op.kind == Kind::Clear;
            });
        EXPECT_EQ(static_cast<std::size_t>(std::distance(stopped.drawn.rbegin(), lastAxis)),
                  row.lastOperations);
    }
}

TEST(RedrawFailure, MessageNamesTheBoxAndQuotesItsText) {
    FakeParameters parameters;
    parameters.setBad(Parameter::Vcc, "abc");
    const Stopped stopped = redrawUntilItStops(parameters);
    ASSERT_TRUE(stopped.error.has_value());
    EXPECT_STREQ(stopped.error->what(), "El valor de «V(cc)» no es un número: «abc».");

    FakeParameters empty;
    empty.setBad(Parameter::Fase, "  ");
    const Stopped emptyStop = redrawUntilItStops(empty);
    ASSERT_TRUE(emptyStop.error.has_value());
    EXPECT_NE(std::string(emptyStop.error->what()).find("vacío"), std::string::npos);
}

TEST(RedrawFailure, OverflowStopsWhereTheValueNoLongerFits) {
    struct Row {
        const char* name;
        Parameter parameter;
        double value;
        std::vector<float> axes;
    };
    const double huge = std::numeric_limits<double>::max();
    const Row rows[] = {
        // 80 - 30 * 1e38 no longer fits a single-precision coordinate.
        {"DC level beyond single precision", Parameter::Vcc, 1e38, {80}},
        {"tone so large that 30 times it overflows", Parameter::Modulante, huge, {80}},
        {"phase so large that its cosine is undefined",
         Parameter::Fase,
         huge,
         {80, 145, 230, 305, 600, 415}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeParameters parameters;
        parameters.set(row.parameter, row.value);
        const Stopped stopped = redrawUntilItStops(parameters);
        ASSERT_TRUE(stopped.error.has_value());
        EXPECT_EQ(stopped.error->kind(), Error::Kind::TooLargeToDraw);
        EXPECT_EQ(axesDrawn(stopped.drawn), row.axes);
        for (const Operation& op : stopped.drawn) {
            ASSERT_TRUE(std::isfinite(op.to.x) && std::isfinite(op.to.y));
        }
    }
}

TEST(RedrawFailure, HugePhaseLeavesTheFirstFiveSpectralLines) {
    FakeParameters parameters;
    parameters.set(Parameter::Fase, std::numeric_limits<double>::max());
    RecordingCanvas canvas;
    const Stopped stopped = redrawUntilItStops(parameters, canvas);
    ASSERT_TRUE(stopped.error.has_value());
    // The detector copes (F / 18 is finite), but 2 pi F is not: the detected
    // tone's line is where the redraw stops.
    EXPECT_EQ(cutIntoParts(stopped.drawn).spectrum.size(), 10U);
}

TEST(RedrawFailure, CanvasFailureStopsTheRedrawWithTheProgramsError) {
    for (std::size_t failAt : {0U, 1U, 2U, 500U, 20000U}) {
        SCOPED_TRACE(failAt);
        FakeParameters parameters;
        RecordingCanvas canvas;
        canvas.failFrom(failAt);
        const Stopped stopped = redrawUntilItStops(parameters, canvas);
        ASSERT_TRUE(stopped.error.has_value());
        EXPECT_EQ(stopped.error->kind(), Error::Kind::DrawingFailed);
        EXPECT_EQ(stopped.drawn.size(), failAt);
    }
}

TEST(RedrawFailure, EachParameterIsReadBeforeAnyUseOfItAndNeverPerSample) {
    FakeParameters parameters;
    RecordingCanvas canvas;
    Graficar(canvas, parameters, WindowValues{});
    for (Parameter p : kAllParameters) {
        EXPECT_GE(parameters.reads(p), 1);
        EXPECT_LT(parameters.reads(p), 50) << "read per sample";
    }
}

} // namespace
} // namespace amsim::test
