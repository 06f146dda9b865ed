#include "params/MeasurementLines.h"
#include "params/ReadoutRows.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};

// Worked by hand for a 1 ohm load: carrier V²/2, each side (f m/2)²/2; the
// audio of each tone (m/4)(Li + Ls) times the smoothers' gain at it.
TEST(Measurements, AreThoseWorkedByHand) {
    struct Row {
        const char* name;
        // mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope, ruido, df, tono, tono2
        ParameterValues values;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"AM at 100 %",
         {1, 1, 1, 1, 0},
         {"Modo: AM", "Índice de modulación: 100 %", "Potencia de portadora: 0.5 W (66.7 %)",
          "Potencia BLS: 0.125 W (16.7 %)", "Potencia BLI: 0.125 W (16.7 %)",
          "Potencia total: 0.75 W", "Eficiencia: 33.3 %", "Potencia de pico (PEP): 2 W",
          "Ancho de banda: 2 kHz", "Audio detectado: 0.495 V de pico, 0 dB"}},
        {"DSB, 60 degrees of phase error",
         {1, 0, 1, 1, 60},
         {"Modo: DSB", "Índice de modulación: —", "Potencia de portadora: 0 W (0 %)",
          "Potencia BLS: 0.125 W (50 %)", "Potencia BLI: 0.125 W (50 %)", "Potencia total: 0.25 W",
          "Eficiencia: 100 %", "Potencia de pico (PEP): 0.5 W", "Ancho de banda: 2 kHz",
          "Audio detectado: 0.247 V de pico, -6 dB"}},
        {"SSB with carrier, any phase",
         {1, 1, 1, 0, 90},
         {"Modo: SSB con portadora, banda lateral inferior", "Índice de modulación: 100 %",
          "Potencia de portadora: 0.5 W (80 %)", "Potencia BLS: 0 W (0 %)",
          "Potencia BLI: 0.125 W (20 %)", "Potencia total: 0.625 W", "Eficiencia: 20 %",
          "Potencia de pico (PEP): 1.125 W", "Ancho de banda: 1 kHz",
          "Audio detectado: 0.247 V de pico, 0 dB", "Continua detectada: 0.5 V"}},
        {"nothing at all",
         {0, 0, 1, 1, 0},
         {"Modo: Sin señal", "Índice de modulación: —", "Potencia de portadora: 0 W (—)",
          "Potencia BLS: 0 W (—)", "Potencia BLI: 0 W (—)", "Potencia total: 0 W", "Eficiencia: —",
          "Potencia de pico (PEP): 0 W", "Ancho de banda: 0 kHz",
          "Audio detectado: 0 V de pico, —"}},
        {"a negative level and a typed factor, at 90 degrees",
         {1, -2, 1.5, 1, 90},
         {"Modo: AM", "Índice de modulación: 50 %", "Potencia de portadora: 2 W (83.1 %)",
          "Potencia BLS: 0.125 W (5.2 %)", "Potencia BLI: 0.2813 W (11.7 %)",
          "Potencia total: 2.406 W", "Eficiencia: 16.9 %", "Potencia de pico (PEP): 5.281 W",
          "Ancho de banda: 2 kHz", "Audio detectado: 0.124 V de pico, -14 dB",
          "Continua detectada: -1 V"}},
        {"an index beyond the readout's bound says which way; no audio, no loss",
         {1, 1e-300, 1, 1, 90},
         {"Modo: AM", "Índice de modulación: más de 99999.9 %", "Potencia de portadora: 0 W (0 %)",
          "Potencia BLS: 0.125 W (50 %)", "Potencia BLI: 0.125 W (50 %)", "Potencia total: 0.25 W",
          "Eficiencia: 100 %", "Potencia de pico (PEP): 0.5 W", "Ancho de banda: 2 kHz",
          "Audio detectado: 0 V de pico, —", "Continua detectada: 5e-301 V"}},
        {"a 500 Hz tone: the bandwidth twice the tone, the smoothers' gain 0.997",
         {1, 1, 1, 1, 0, 0, 0, 0, 500},
         {"Modo: AM", "Índice de modulación: 100 %", "Potencia de portadora: 0.5 W (66.7 %)",
          "Potencia BLS: 0.125 W (16.7 %)", "Potencia BLI: 0.125 W (16.7 %)",
          "Potencia total: 0.75 W", "Eficiencia: 33.3 %", "Potencia de pico (PEP): 2 W",
          "Ancho de banda: 1 kHz", "Audio detectado: 0.499 V de pico, 0 dB"}},
        {"two tones in DSB: each side 0.25 V, PEP where they meet, four times the average",
         {1, 0, 1, 1, 0, 0, 0, 0, 700, 1900},
         {"Modo: DSB", "Índice de modulación: —", "Potencia de portadora: 0 W (0 %)",
          "Potencia BLS: 0.0625 W (50 %)", "Potencia BLI: 0.0625 W (50 %)",
          "Potencia total: 0.125 W", "Eficiencia: 100 %", "Potencia de pico (PEP): 0.5 W",
          "Potencia media: 0.125 W", "PEP/potencia media: 4.0", "Ancho de banda: 3.8 kHz",
          "Audio detectado: 0.249 y 0.241 V de pico, 0 dB"}},
        {"two tones in SSB: twice the average",
         {1, 0, 0, 1, 0, 0, 0, 0, 700, 1900},
         {"Modo: SSB sin portadora, banda lateral superior", "Índice de modulación: —",
          "Potencia de portadora: 0 W (0 %)", "Potencia BLS: 0.0625 W (100 %)",
          "Potencia BLI: 0 W (0 %)", "Potencia total: 0.0625 W", "Eficiencia: 100 %",
          "Potencia de pico (PEP): 0.125 W", "Potencia media: 0.0625 W", "PEP/potencia media: 2.0",
          "Ancho de banda: 1.9 kHz", "Audio detectado: 0.124 y 0.12 V de pico, 0 dB"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(measurementLines(measure(row.values), kPoint), row.lines);
    }
}

// The detected audio's sign and the detector's steady level, (V / 2) sin phi.
struct AudioRow {
    const char* name;
    ParameterValues values;
    std::string audio;
    std::optional<std::string> level;
};

void PrintTo(const AudioRow& row, std::ostream* out) {
    *out << row.name;
}

class DetectedAudio : public testing::TestWithParam<AudioRow> {};

TEST_P(DetectedAudio, ShowsTheSignAndTheSteadyLevel) {
    const std::vector<std::string> lines = measurementLines(measure(GetParam().values), kPoint);
    ASSERT_GE(lines.size(), 10U);
    EXPECT_EQ(lines[9], GetParam().audio);
    EXPECT_EQ(lines.size() > 10 ? std::optional(lines[10]) : std::nullopt, GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DetectedAudio,
    testing::Values(
        AudioRow{"InPhase", {1, 1, 1, 1, 0}, "Audio detectado: 0.495 V de pico, 0 dB", {}},
        AudioRow{"OppositePhaseInverts",
                 {1, 1, 1, 1, 180},
                 "Audio detectado: -0.495 V de pico (invertido), 0 dB",
                 {}},
        AudioRow{"DsbAt210",
                 {1, 0, 1, 1, 210},
                 "Audio detectado: -0.428 V de pico (invertido), -1.2 dB",
                 {}},
        AudioRow{
            "SsbIsNeverInverted", {1, 1, 0, 1, 180}, "Audio detectado: 0.247 V de pico, 0 dB", {}},
        AudioRow{"PhaseDetectorAt60",
                 {0, 1, 1, 1, 60},
                 "Audio detectado: 0 V de pico, —",
                 "Continua detectada: 0.433 V"},
        AudioRow{"PhaseDetectorAtMinus30",
                 {0, 2, 1, 1, -30},
                 "Audio detectado: 0 V de pico, —",
                 "Continua detectada: -0.5 V"},
        AudioRow{"NoLevelAt360", {0, 1, 1, 1, 360}, "Audio detectado: 0 V de pico, —", {}},
        AudioRow{"TinyAmplitudeIsANumber",
                 {1e-320, 1e-320, 1, 1, 0},
                 "Audio detectado: 4.95053777132929e-321 V de pico, 0 dB",
                 {}}),
    [](const testing::TestParamInfo<AudioRow>& row) { return std::string(row.param.name); });

// The envelope detector's line, there only while it is on: its distortion
// while it recovers the tone, words where a percentage would be a ratio of
// near nothings.
struct EnvelopeRow {
    const char* name;
    ParameterValues values;
    std::string expected; // the words, or the percentage's bounds "low-high %"
};

void PrintTo(const EnvelopeRow& row, std::ostream* out) {
    *out << row.name;
}

class EnvelopeLine : public testing::TestWithParam<EnvelopeRow> {};

TEST_P(EnvelopeLine, SaysWhatTheDetectorGives) {
    const std::vector<std::string> lines = measurementLines(measure(GetParam().values), kPoint);
    const std::string& expected = GetParam().expected;
    if (expected.empty()) {
        EXPECT_EQ(lines.size(), 10U);
        return;
    }
    const std::string label = "Distorsión del detector de envolvente: ";
    ASSERT_EQ(lines.back().rfind(label, 0), 0U) << lines.back();
    const std::string shown = lines.back().substr(label.size());
    if (expected.back() != '%') {
        EXPECT_EQ(shown, expected);
        return;
    }
    const double percent = std::stod(shown);
    EXPECT_GE(percent, std::stod(expected)) << shown;
    EXPECT_LE(percent, std::stod(expected.substr(expected.find('-') + 1))) << shown;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EnvelopeLine,
    testing::Values(
        EnvelopeRow{"Off", {1, 1, 1, 1, 0, 0}, ""},
        EnvelopeRow{"AmAt100Percent", {1, 1, 1, 1, 0, 1}, "0-5 %"},
        EnvelopeRow{"OverModulated", {2, 1, 1, 1, 0, 1}, "10-100 %"},
        EnvelopeRow{"SsbWithCarrier", {0.5, 1, 0, 1, 0, 1}, "0-20 %"},
        EnvelopeRow{"Dsb", {1, 0, 1, 1, 0, 1}, "no recupera el tono: domina 2 kHz"},
        EnvelopeRow{"SsbWithoutCarrier", {1, 0, 0, 1, 0, 1}, "sin tono"},
        EnvelopeRow{"NoTone", {0, 1, 1, 1, 0, 1}, "sin tono"},
        EnvelopeRow{"ToneUnderTheCarriersRounding", {1e-300, 1, 1, 1, 0, 1}, "sin tono"},
        EnvelopeRow{"AmTwoTonesCountsTheirProducts", {1, 1, 1, 1, 0, 1, 0, 0, 700, 1900}, "1-10 %"},
        EnvelopeRow{"DsbTwoTonesGivesTheirDifference",
                    {1, 0, 1, 1, 0, 1, 0, 0, 700, 1900},
                    "no recupera el tono: domina 1.2 kHz"},
        EnvelopeRow{
            "AmLowToneOfNoWholeHertzFollowsTheEnvelope", {1, 1, 1, 1, 0, 1, 0, 0, 123.4}, "0-1 %"}),
    [](const testing::TestParamInfo<EnvelopeRow>& row) { return std::string(row.param.name); });

// While the carrier drifts the detected level's line comes (phase 90 at
// 0.25 s of 1 Hz) and goes (phase 0 at 0 s); the readout's rows stay.
TEST(ReadoutRows, StayWhileTheLevelComesAndGoes) {
    struct Row {
        const char* name;
        ParameterValues values;
    };
    const Row rows[] = {
        {"one tone, noise and envelope detector", {1, 1, 1, 1, 0, 1, 0.05, 1}},
        {"two tones and noise", {1, 1, 1, 1, 0, 0, 0.05, 1, 700, 1900}},
        {"two tones, noise and envelope detector", {1, 1, 1, 1, 0, 1, 0.05, 1, 700, 1900}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t without = measurementLines(measure(row.values, 0.0), kPoint).size();
        const std::size_t with = measurementLines(measure(row.values, 0.25), kPoint).size();
        ASSERT_EQ(with, without + 1);
        EXPECT_EQ(readoutLayout(with).rows, readoutLayout(without).rows);
    }
}

} // namespace
} // namespace amsim
