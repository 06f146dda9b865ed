#include "params/ParameterSummary.h"

#include "core/ParameterTable.h"
#include "support/BoxTexts.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};
const NumberFormat kComma{",", "E"};

TEST(ParameterSummary, NamesTheModeTheModulationAndThePhaseError) {
    struct Row {
        const char* name;
        ParameterValues values; // mdl, Vcc, BliSiNo, BlsSiNo, fase
        const NumberFormat& format;
        const char* summary;
    };
    const Row rows[] = {
        {"start values",
         {1, 1, 1, 1, 0},
         kPoint,
         "AM, modulación del 100 %, error de fase 0 grados"},
        {"carrier suppressed", {1, 0, 1, 1, 0}, kPoint, "DSB, error de fase 0 grados"},
        {"lower sideband off",
         {1, 1, 0, 1, 0},
         kPoint,
         "SSB con portadora, banda lateral superior, modulación del 100 %, error de fase 0 grados"},
        {"upper sideband off, no carrier",
         {1, 0, 1, 0, 0},
         kPoint,
         "SSB sin portadora, banda lateral inferior, error de fase 0 grados"},
        {"no tone", {0, 1, 1, 1, 0}, kPoint, "Solo portadora, error de fase 0 grados"},
        {"both sidebands off", {1, 1, 0, 0, 30}, kPoint, "Solo portadora, error de fase 30 grados"},
        {"nothing at all", {0, 0, 1, 1, 90}, kPoint, "Sin señal"},
        {"over-modulated",
         {1, 0.8, 1, 1, 0},
         kPoint,
         "AM, modulación del 125 %, error de fase 0 grados"},
        {"one decimal, comma",
         {0.2, 0.6, 1, 1, 0},
         kComma,
         "AM, modulación del 33,3 %, error de fase 0 grados"},
        {"one decimal, point",
         {0.2, 0.6, 1, 1, 0},
         kPoint,
         "AM, modulación del 33.3 %, error de fase 0 grados"},
        {"negative level counts by magnitude",
         {0.5, -1, 1, 1, 0},
         kPoint,
         "AM, modulación del 50 %, error de fase 0 grados"},
        {"a half factor still passes",
         {1, 1, 0.5, 1, 0},
         kPoint,
         "AM, modulación del 100 %, error de fase 0 grados"},
        {"one degree",
         {1, 1, 1, 1, -1},
         kPoint,
         "AM, modulación del 100 %, error de fase -1 grado"},
        {"fractional phase, comma",
         {1, 1, 1, 1, 52.5},
         kComma,
         "AM, modulación del 100 %, error de fase 52,5 grados"},
        {"phase is not wrapped",
         {1, 1, 1, 1, 390},
         kPoint,
         "AM, modulación del 100 %, error de fase 390 grados"},
        {"beyond any number: only which way",
         {1e308, 1e-10, 1, 1, 0},
         kPoint,
         "AM, modulación de más de 99999.9 %, error de fase 0 grados"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(summarizeParameters(row.values, row.format), row.summary) << row.name;
    }
}

TEST(ParameterSummary, BoxesThatHoldNoNumberTheyTakeAreNamedInOrder) {
    struct Row {
        const char* name;
        std::array<const char*, kParameterCount> texts; // in the order of kAllParameters
        const NumberFormat& format;
        const char* summary;
    };
    const Row rows[] = {
        {"all numbers",
         {"0.8", " 1 ", "1", "0", "90", "0", "0", "0", "0"},
         kPoint,
         "SSB con portadora, banda lateral inferior, modulación del 80 %, error de fase 90 grados"},
        {"comma in a comma locale",
         {"0,8", "1", "1", "1", "0", "0", "0", "0", "0"},
         kComma,
         "AM, modulación del 80 %, error de fase 0 grados"},
        {"comma in a point locale",
         {"1", "0,6", "1", "1", "0", "0", "0", "0", "0"},
         kPoint,
         "Parámetros no válidos: «V(cc)» no es un número"},
        {"two bad boxes",
         {"", "abc", "1", "1", "0", "0", "0", "0", "0"},
         kPoint,
         "Parámetros no válidos: «Modulante» y «V(cc)» no son números"},
        {"a number too large",
         {"2e308", "1", "1", "1", "0", "0", "0", "0", "0"},
         kPoint,
         "Parámetros no válidos: «Modulante» es demasiado grande"},
        {"no number, and a number too small",
         {"1", "x", "1e-400", "1", "0", "0", "0", "0", "0"},
         kPoint,
         "Parámetros no válidos: «V(cc)» no es un número y «BLI habil» es demasiado pequeño"},
        {"three bad boxes",
         {"x", "1", "inf", "1", "nan", "0", "0", "0", "0"},
         kPoint,
         "Parámetros no válidos: «Modulante», «BLI habil» y «fase port reinsertada» no son "
         "números"},
        {"a frequency error beyond its limits, as the redraw's error says",
         {"1", "1", "1", "1", "0", "0", "0", "0", "6000"},
         kPoint,
         "Parámetros no válidos: «error de frec.» está fuera de sus límites"},
        {"a time base beyond its limits",
         {"1", "1", "1", "1", "0", "0", "0", "0", "0", nullptr, nullptr, "5"},
         kPoint,
         "Parámetros no válidos: «base de tiempo» está fuera de sus límites"},
        {"every fault at once, the scales too",
         {"x", "2e308", "1", "1", "0", "2", "-1", "0.5", "y"},
         kPoint,
         "Parámetros no válidos: «Modulante» y «error de frec.» no son números, «V(cc)» es "
         "demasiado grande y «det. envolvente», «ruido» y «escalas» están fuera de sus límites"},
    };
    for (const Row& row : rows) {
        const auto textOf = [&row](Parameter parameter) {
            return test::boxText(row.texts, parameter, row.format);
        };
        EXPECT_EQ(summarizeBoxes(textOf, row.format), row.summary) << row.name;
    }
}

} // namespace
} // namespace amsim
