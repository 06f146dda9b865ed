#include "params/Measurements.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};

// Worked by hand for a 1 ohm load: carrier V²/2, each side (f m/2)²/2.
TEST(Measurements, AreThoseWorkedByHand) {
    struct Row {
        const char* name;
        ParameterValues values; // mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"AM at 100 %",
         {1, 1, 1, 1, 0},
         {"Modo: AM", "Índice de modulación: 100 %", "Potencia de portadora: 0.5 W (66.7 %)",
          "Potencia BLS: 0.125 W (16.7 %)", "Potencia BLI: 0.125 W (16.7 %)",
          "Potencia total: 0.75 W", "Eficiencia: 33.3 %", "Potencia de pico (PEP): 2 W",
          "Ancho de banda: 2 kHz", "Audio detectado: 0.495 V, 0 dB"}},
        {"DSB, 60 degrees of phase error",
         {1, 0, 1, 1, 60},
         {"Modo: DSB", "Índice de modulación: —", "Potencia de portadora: 0 W (0 %)",
          "Potencia BLS: 0.125 W (50 %)", "Potencia BLI: 0.125 W (50 %)", "Potencia total: 0.25 W",
          "Eficiencia: 100 %", "Potencia de pico (PEP): 0.5 W", "Ancho de banda: 2 kHz",
          "Audio detectado: 0.247 V, -6 dB"}},
        {"SSB with carrier, any phase",
         {1, 1, 1, 0, 90},
         {"Modo: SSB con portadora, banda lateral inferior", "Índice de modulación: 100 %",
          "Potencia de portadora: 0.5 W (80 %)", "Potencia BLS: 0 W (0 %)",
          "Potencia BLI: 0.125 W (20 %)", "Potencia total: 0.625 W", "Eficiencia: 20 %",
          "Potencia de pico (PEP): 1.125 W", "Ancho de banda: 1 kHz",
          "Audio detectado: 0.247 V, 0 dB"}},
        {"nothing at all",
         {0, 0, 1, 1, 0},
         {"Modo: Sin señal", "Índice de modulación: —", "Potencia de portadora: 0 W (—)",
          "Potencia BLS: 0 W (—)", "Potencia BLI: 0 W (—)", "Potencia total: 0 W", "Eficiencia: —",
          "Potencia de pico (PEP): 0 W", "Ancho de banda: 0 kHz", "Audio detectado: 0 V, —"}},
        {"a negative level and a typed factor, at 90 degrees",
         {1, -2, 1.5, 1, 90},
         {"Modo: AM", "Índice de modulación: 50 %", "Potencia de portadora: 2 W (83.1 %)",
          "Potencia BLS: 0.125 W (5.2 %)", "Potencia BLI: 0.2813 W (11.7 %)",
          "Potencia total: 2.406 W", "Eficiencia: 16.9 %", "Potencia de pico (PEP): 5.281 W",
          "Ancho de banda: 2 kHz", "Audio detectado: 0.124 V, -14 dB"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(measurementLines(measure(row.values), kPoint), row.lines);
    }
}

// The envelope detector's line is there only while it is on.
TEST(Measurements, TellTheEnvelopeDetectorsDistortionWhenItIsOn) {
    const std::vector<std::string> off = measurementLines(measure({1, 1, 1, 1, 0, 0}), kPoint);
    const std::vector<std::string> on = measurementLines(measure({2, 1, 1, 1, 0, 1}), kPoint);
    EXPECT_EQ(off.size(), 10U);
    ASSERT_EQ(on.size(), 11U);
    EXPECT_EQ(on.back().rfind("Distorsión del detector de envolvente: ", 0), 0U);
    EXPECT_GT(*measure({2, 1, 1, 1, 0, 1}).envelopeDistortion, 0.10);
}

} // namespace
} // namespace amsim
