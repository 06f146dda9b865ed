#include "cli/ProgramRun.h"
#include "sound/SoundGenerator.h"
#include "sound/WavFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace amsim {
namespace {

struct WavRow {
    const char* name;
    QStringList arguments;
    const char* locale;
    ParameterValues values; // mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope, ruido, df, tones
    std::size_t samples;
};

class WavExportTest : public ExportTest, public testing::WithParamInterface<WavRow> {};

// The file holds the engine's sound for the options, byte for byte, from the
// screen's first instant.
TEST_P(WavExportTest, WritesTheEnginesSound) {
    const WavRow& row = GetParam();
    const Finished run =
        amsim(QStringList{"--export-wav", path("a.wav")} + row.arguments, row.locale);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(path("a.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<std::uint8_t> expected = wavBytes(soundSamples(row.values, 0, row.samples));
    const QByteArray written = file.readAll();
    ASSERT_EQ(static_cast<std::size_t>(written.size()), expected.size());
    EXPECT_TRUE(
        std::equal(expected.begin(), expected.end(), written.begin(),
                   [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WavExportTest,
    testing::Values(WavRow{"TwoSecondsAtTheStart", {}, "C.UTF-8", {1, 1, 1, 1, 0, 0, 0}, 96000},
                    WavRow{"NoisyUpperSidebandForATenth",
                           {"--vcc", "0", "--bli", "0", "--ruido", "0,05", "--segundos", "0,1"},
                           "es_ES.UTF-8",
                           {1, 0, 0, 1, 0, 0, 0.05},
                           4800},
                    WavRow{"EnvelopeOverModulated",
                           {"--mdl", "2", "--env", "1", "--segundos", "0.5"},
                           "C.UTF-8",
                           {2, 1, 1, 1, 0, 1, 0},
                           24000},
                    WavRow{"TwoTonesForATenth",
                           {"--tono", "700", "--tono2", "1900", "--segundos", "0.1"},
                           "C.UTF-8",
                           {1, 1, 1, 1, 0, 0, 0, 0, 700, 1900},
                           4800}),
    [](const testing::TestParamInfo<WavRow>& row) { return std::string(row.param.name); });

// A stream takes the sound whatever its name, the file's very bytes.
TEST_F(ExportTest, AStreamTakesTheSound) {
    const Finished run =
        shell(R"("$AMSIM" --export-wav a.wav --segundos 0.1 && )"
              R"("$AMSIM" --export-wav /proc/self/fd/1 --segundos 0.1 | cmp - a.wav)");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

} // namespace
} // namespace amsim
