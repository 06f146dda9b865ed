#include "flows/Bench.h"

#include "core/Error.h"
#include "params/MemoryControls.h"
#include "signals/ScreenStart.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace amsim {
namespace {

// ParameterValues: mdl, Vcc, BliSiNo, BlsSiNo, fase.
constexpr ParameterValues kAm{1, 1, 1, 1, 0};
constexpr ParameterValues kHalfDsb{0.5, 0, 1, 1, 0};

struct FollowRow {
    const char* name;
    double instant;        // where the time stands
    const char* modulante; // typed before the event
    const char* vcc;
    bool fails;
    ParameterValues expected; // what the sound plays after the event
};

class SoundFollowTest : public testing::TestWithParam<FollowRow> {};

// The sound starts at the instant on screen and, after an event, plays the
// setting on screen; an event that stops before its picture leaves the
// setting that was heard.
TEST_P(SoundFollowTest, PlaysTheSettingOnScreen) {
    const FollowRow& row = GetParam();
    constexpr std::size_t kBefore = 500;
    constexpr std::size_t kAfter = 2000;
    test::RecordingCanvas canvas;
    MemoryControls controls(canvas);
    Bench bench(controls, NumberFormat{});
    GivenStart given;
    given.instant = row.instant;
    bench.start(given);
    ASSERT_TRUE(bench.startSound());
    std::vector<float> heard = bench.soundSamples(kBefore);
    controls.setText(Parameter::Modulante, row.modulante);
    controls.setText(Parameter::Vcc, row.vcc);
    const auto event = [&bench] { bench.run([&bench] { bench.handlers().Box_Enter(); }); };
    if (row.fails) {
        EXPECT_THROW(event(), Error);
    } else {
        EXPECT_NO_THROW(event());
    }
    const std::vector<float> after = bench.soundSamples(kAfter);
    heard.insert(heard.end(), after.begin(), after.end());

    SoundGenerator reference(kAm, fineSampleAt(screenInstant(row.instant)));
    std::vector<float> expected = reference.next(kBefore);
    reference.setValues(row.expected);
    const std::vector<float> rest = reference.next(kAfter);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(heard, expected);
    bench.stopSound();
    EXPECT_TRUE(bench.soundSamples(1).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundFollowTest,
    testing::Values(FollowRow{"NewSetting", 0.0, "0.5", "0", false, kHalfDsb},
                    FollowRow{"NewSettingLater", 2.5005, "0.5", "0", false, kHalfDsb},
                    FollowRow{"BoxWithoutANumber", 0.25, "0.5", "abc", true, kAm}),
    [](const testing::TestParamInfo<FollowRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
