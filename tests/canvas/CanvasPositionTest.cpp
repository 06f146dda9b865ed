#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace amsim::test {
namespace {

using Kind = Operation::Kind;

TEST(CanvasPosition, ClearReturnsToTheOrigin) {
    RecordingCanvas canvas;
    ASSERT_EQ(canvas.point({50, 60}), CanvasStatus::Ok);
    ASSERT_EQ(canvas.clear(), CanvasStatus::Ok);
    ASSERT_EQ(canvas.lineTo({10, 20}), CanvasStatus::Ok);
    EXPECT_EQ(canvas.operations().back().from, (CanvasPoint{0, 0}));
    EXPECT_EQ(canvas.position(), (CanvasPoint{10, 20}));
}

TEST(CanvasPosition, LineLeavesTheSecondPointWhicheverWayItRuns) {
    RecordingCanvas canvas;
    canvas.line({639, 145}, {0, 145}, PaletteColour::LightMagenta);
    EXPECT_EQ(canvas.position(), (CanvasPoint{0, 145}));
    canvas.lineTo({0, 100});
    const Operation& vertical = canvas.operations().back();
    EXPECT_EQ(vertical.from, (CanvasPoint{0, 145}));
    EXPECT_EQ(vertical.to, (CanvasPoint{0, 100}));
    EXPECT_FALSE(vertical.colour.has_value()); // a line from the position has no colour of its own
}

TEST(CanvasPosition, PointMovesThePositionInEitherColourForm) {
    RecordingCanvas canvas;
    canvas.point({0.2F, 79.4F});
    EXPECT_EQ(canvas.position(), (CanvasPoint{0.2F, 79.4F}));
    canvas.point({12, 34}, PaletteColour::Green);
    EXPECT_EQ(canvas.position(), (CanvasPoint{12, 34}));
}

TEST(CanvasPosition, PrintStartsAtThePositionAndMovesOneLineDownToTheLeftEdge) {
    RecordingCanvas canvas;
    canvas.line({639, 80}, {0, 80}, PaletteColour::LightMagenta);
    canvas.point({30, 80});
    ASSERT_EQ(canvas.print("modulante + Vcc"), CanvasStatus::Ok);
    EXPECT_EQ(canvas.operations().back().kind, Kind::Print);
    EXPECT_EQ(canvas.operations().back().from, (CanvasPoint{30, 80}));
    EXPECT_EQ(canvas.position(), (CanvasPoint{0, 80 + RecordingCanvas::kLineHeight}));
}

TEST(CanvasPosition, FailedOperationReportsAndKeepsThePosition) {
    RecordingCanvas canvas;
    canvas.point({5, 6});
    canvas.failFrom(1);
    EXPECT_EQ(canvas.lineTo({100, 100}), CanvasStatus::Failed);
    EXPECT_EQ(canvas.point({7, 8}), CanvasStatus::Failed);
    EXPECT_EQ(canvas.print("x"), CanvasStatus::Failed);
    EXPECT_EQ(canvas.clear(), CanvasStatus::Failed);
    EXPECT_EQ(canvas.position(), (CanvasPoint{5, 6}));
}

} // namespace
} // namespace amsim::test
