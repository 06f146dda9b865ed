#include "params/SettingText.h"

#include "core/Error.h"
#include "params/BoxReader.h"
#include "support/BoxTexts.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim {
namespace {

const NumberFormat kPoint{".", "e"};
const NumberFormat kComma{",", "E"};

// The boxes' texts, in the order of kAllParameters, and the notation they are in.
struct Setting {
    const char* name;
    std::array<const char*, kAllParameters.size()> texts;
    const NumberFormat* format;
    const char* link;
    const char* command;
    const char* savedStem; // the saved files' name without the extension
};

void PrintTo(const Setting& row, std::ostream* out) {
    *out << row.name;
}

class SettingTextTest : public testing::TestWithParam<Setting> {};

TEST_P(SettingTextTest, WritesTheLinkWithAPointAndTheCommandInTheBoxesNotation) {
    const Setting& row = GetParam();
    BoxReader boxes([&row](Parameter p) { return test::boxText(row.texts, p, *row.format); },
                    *row.format);
    const MenuContext context{"amsim.html", boxes, *row.format};
    EXPECT_EQ(menuClipboardText("CopiarEnlace", context), row.link);
    EXPECT_EQ(menuClipboardText("CopiarOrden", context), row.command);
    const std::string stem = row.savedStem;
    EXPECT_EQ(savedFileName(savedFileOf("GuardarImagen"), boxes), stem + ".png");
    EXPECT_EQ(savedFileName(savedFileOf("GuardarDatos"), boxes), stem + ".csv");
    EXPECT_EQ(savedFileName(savedFileOf("GuardarSonido"), boxes), stem + ".wav");
    EXPECT_EQ(savedFileName(savedFileOf("GuardarEspectro"), boxes), stem + "-espectro.csv");
    EXPECT_EQ(menuClipboardText("GuardarImagen", context), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingTextTest,
    testing::Values(Setting{"StartValues",
                            {"1", "1", "1", "1", "0", "0", "0", "0", "0"},
                            &kPoint,
                            "amsim.html?mdl=1&vcc=1&bli=1&bls=1&fase=0&env=0",
                            "amsim --mdl 1 --vcc 1 --bli 1 --bls 1 --fase 0 --env 0",
                            "amsim-am"},
                    Setting{"CommaBoxesGiveAPointInTheLink",
                            {"0,5", " 0,8 ", "1", "0", "-30", "1", "0", "0", "0"},
                            &kComma,
                            "amsim.html?mdl=0.5&vcc=0.8&bli=1&bls=0&fase=-30&env=1",
                            "amsim --mdl 0,5 --vcc 0,8 --bli 1 --bls 0 --fase -30 --env 1",
                            "amsim-ssb"},
                    Setting{"ExponentPlusIsEncoded",
                            {"1e20",
                             "\u2212"
                             "2.5e-7",
                             "1", "1", "0", "0", "0", "0", "0"},
                            &kPoint,
                            "amsim.html?mdl=1e%2B20&vcc=-2.5e-07&bli=1&bls=1&fase=0&env=0",
                            "amsim --mdl 1e+20 --vcc -2.5e-07 --bli 1 --bls 1 --fase 0 --env 0",
                            "amsim-am"},
                    Setting{"ScalesOnlyWhenOn",
                            {"1", "1", "1", "1", "0", "0", "0", "1", "0"},
                            &kComma,
                            "amsim.html?mdl=1&vcc=1&bli=1&bls=1&fase=0&env=0&escalas=1",
                            "amsim --mdl 1 --vcc 1 --bli 1 --bls 1 --fase 0 --env 0 --escalas 1",
                            "amsim-am"},
                    Setting{"NoiseIsWrittenOnlyWhenThere",
                            {"1", "0", "0", "1", "0", "0", "0,05", "0", "0"},
                            &kComma,
                            "amsim.html?mdl=1&vcc=0&bli=0&bls=1&fase=0&env=0&ruido=0.05",
                            "amsim --mdl 1 --vcc 0 --bli 0 --bls 1 --fase 0 --env 0 --ruido 0,05",
                            "amsim-ssb"},
                    Setting{"DsbWithoutTheCarrier",
                            {"1", "0", "1", "1", "0", "0", "0", "0", "0"},
                            &kPoint,
                            "amsim.html?mdl=1&vcc=0&bli=1&bls=1&fase=0&env=0",
                            "amsim --mdl 1 --vcc 0 --bli 1 --bls 1 --fase 0 --env 0",
                            "amsim-dsb"},
                    Setting{"TimeBaseOnlyWhenNotAtItsStart",
                            {"1", "1", "1", "1", "0", "0", "0", "0", "0", nullptr, nullptr, "1"},
                            &kPoint,
                            "amsim.html?mdl=1&vcc=1&bli=1&bls=1&fase=0&env=0&base=1",
                            "amsim --mdl 1 --vcc 1 --bli 1 --bls 1 --fase 0 --env 0 --base 1",
                            "amsim-am"},
                    Setting{"CarrierAloneWithoutATone",
                            {"0", "1", "1", "1", "0", "0", "0", "0", "0"},
                            &kPoint,
                            "amsim.html?mdl=0&vcc=1&bli=1&bls=1&fase=0&env=0",
                            "amsim --mdl 0 --vcc 1 --bli 1 --bls 1 --fase 0 --env 0",
                            "amsim-portadora"}),
    [](const testing::TestParamInfo<Setting>& row) { return std::string(row.param.name); });

TEST(SettingText, ABoxWithoutANumberStopsWithItsMessageAndUnknownItemsGiveNothing) {
    BoxReader boxes(
        [](Parameter p) { return test::namedOrStart(p, p == Parameter::Fase ? "x" : "1", kPoint); },
        kPoint);
    const MenuContext context{"amsim.html", boxes, kPoint};
    try {
        static_cast<void>(menuClipboardText("CopiarOrden", context));
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.parameter(), Parameter::Fase);
    }
    EXPECT_EQ(menuClipboardText("Otro", context), std::nullopt);
    BoxReader fine([](Parameter p) { return test::namedOrStart(p, "1", kPoint); }, kPoint);
    EXPECT_EQ(settingLink("amsim.html?lang=es", fine),
              "amsim.html?lang=es&mdl=1&vcc=1&bli=1&bls=1&fase=1&env=1");
    EXPECT_EQ(settingLink("amsim.html#tarea?2", fine),
              "amsim.html?mdl=1&vcc=1&bli=1&bls=1&fase=1&env=1#tarea?2");
}

// A bench whose time stands still is handed on with its instant.
TEST(SettingText, AStillInstantIsWrittenAfterTheFrequencyError) {
    BoxReader boxes(
        [](Parameter p) {
            return p == Parameter::Df ? "-0,5" : test::namedOrStart(p, "0", kComma);
        },
        kComma);
    const MenuContext context{"amsim.html", boxes, kComma, 0.125};
    EXPECT_EQ(menuClipboardText("CopiarEnlace", context),
              "amsim.html?mdl=0&vcc=0&bli=0&bls=0&fase=0&env=0&df=-0.5&tiempo=0.125");
    EXPECT_EQ(menuClipboardText("CopiarOrden", context),
              "amsim --mdl 0 --vcc 0 --bli 0 --bls 0 --fase 0 --env 0 --df -0,5 --tiempo 0,125");
}

struct AddressValue {
    const char* name;
    const char* given;
    const NumberFormat* format;
    const char* box;
};

void PrintTo(const AddressValue& row, std::ostream* out) {
    *out << row.name;
}

class AddressValueTest : public testing::TestWithParam<AddressValue> {};

TEST_P(AddressValueTest, ReadsAPointInAnyLanguageAndTheLanguagesOwnSeparator) {
    EXPECT_EQ(boxTextOfAddress(GetParam().given, *GetParam().format), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressValueTest,
    testing::Values(AddressValue{"PointInAPointLanguage", "0.5", &kPoint, "0.5"},
                    AddressValue{"PointInACommaLanguage", "0.5", &kComma, "0,5"},
                    AddressValue{"CommaInACommaLanguage", "0,5", &kComma, "0,5"},
                    AddressValue{"CommaInAPointLanguageStaysForItsMessage", "0,5", &kPoint, "0,5"},
                    AddressValue{"WholeNumberAsGiven", "-30", &kComma, "-30"},
                    AddressValue{"ExponentInACommaLanguage", "2.5e-7", &kComma, "2,5E-07"},
                    AddressValue{"NoNumberAsGiven", "abc", &kComma, "abc"}),
    [](const testing::TestParamInfo<AddressValue>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
