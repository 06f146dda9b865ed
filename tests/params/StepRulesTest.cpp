#include "params/StepRules.h"

#include "core/Error.h"
#include "params/BoxReader.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace amsim {
namespace {

// The step buttons of the boxes that add a step.
constexpr StepButton kModulanteSubir{Parameter::Modulante, true};
constexpr StepButton kModulanteBajar{Parameter::Modulante, false};
constexpr StepButton kVccSubir{Parameter::Vcc, true};
constexpr StepButton kVccBajar{Parameter::Vcc, false};
constexpr StepButton kFaseSubir{Parameter::Fase, true};
constexpr StepButton kFaseBajar{Parameter::Fase, false};

const NumberFormat kPoint{".", "e"};
const NumberFormat kComma{",", "E"};

std::string stepTimes(const StepButton& rule, std::string text, int times,
                      const NumberFormat& format = kPoint) {
    for (int i = 0; i < times; ++i) {
        text = steppedText(rule, text, format);
    }
    return text;
}

std::vector<std::string> stepSequence(const StepButton& rule, std::string text, int times) {
    std::vector<std::string> seen;
    for (int i = 0; i < times; ++i) {
        text = steppedText(rule, text, kPoint);
        seen.push_back(text);
    }
    return seen;
}

using Texts = std::vector<std::string>;

TEST(StepRules, SequencesShowNoDriftDigits) {
    EXPECT_EQ(stepSequence(kModulanteBajar, "1", 7),
              Texts({"0.8", "0.6", "0.4", "0.2", "0", "0", "0"}));
    EXPECT_EQ(stepSequence(kVccBajar, "1", 8),
              Texts({"0.8", "0.6", "0.4", "0.2", "0", "-0.2", "-0.4", "-0.6"}));
    EXPECT_EQ(stepSequence(kVccSubir, "0", 7),
              Texts({"0.2", "0.4", "0.6", "0.8", "1", "1.2", "1.4"}));
    EXPECT_EQ(stepSequence(kFaseBajar, "0", 2), Texts({"-30", "-60"}));
}

struct StepRow {
    const char* name;
    StepButton rule;
    const char* from;
    int times;
    const char* to;
};

void PrintTo(const StepRow& row, std::ostream* out) {
    *out << row.name;
}

class StartFromWhateverTheBoxHolds : public testing::TestWithParam<StepRow> {};

TEST_P(StartFromWhateverTheBoxHolds, Steps) {
    EXPECT_EQ(stepTimes(GetParam().rule, GetParam().from, GetParam().times), GetParam().to);
}

// Twelve phase steps make a turn, and the phase is never wrapped.
INSTANTIATE_TEST_SUITE_P(
    StepRules, StartFromWhateverTheBoxHolds,
    testing::Values(StepRow{"AThousandUpStepsFrom1", kModulanteSubir, "1", 1000, "201"},
                    StepRow{"TwelvePhaseStepsMakeATurn", kFaseSubir, "0", 12, "360"},
                    StepRow{"ThePhaseIsNeverWrapped", kFaseSubir, "0", 13, "390"},
                    StepRow{"Typed3ThenUp", kModulanteSubir, "3", 1, "3.2"},
                    StepRow{"Typed01ThenDownFloorsAt0", kModulanteBajar, "0.1", 1, "0"},
                    StepRow{"TypedMinus3ThenUpHasNoFloor", kModulanteSubir, "-3", 1, "-2.8"},
                    StepRow{"TypedWithBlanks", kVccSubir, " 1 ", 1, "1.2"},
                    StepRow{"Typed10StepsLike1", kVccBajar, "1.0", 1, "0.8"}),
    [](const testing::TestParamInfo<StepRow>& row) { return std::string(row.param.name); });

TEST(StepRules, CommaLocaleStepsInItsOwnNotation) {
    const NumberFormat comma{",", "E"};
    EXPECT_EQ(stepTimes(kModulanteSubir, "0,6", 1, comma), "0,8");
    EXPECT_EQ(stepTimes(kVccBajar, "1", 1, comma), "0,8");
    EXPECT_EQ(stepTimes(kModulanteSubir, "1", 1000, comma), "201");
}

// A switch holds 0 or 1: any other number is refused, not taken for "on".
TEST(ToggleRules, OneSwitchesOffZeroOnAndNothingElseIsTaken) {
    struct Row {
        const char* from;
        const char* to; // nullptr: refused
    };
    const Row rows[] = {{"1", "0"},
                        {"1.0", "0"},
                        {"0", "1"},
                        {"-0", "1"},
                        {"1e0", "0"},
                        {"0.5", nullptr},
                        {"2", nullptr},
                        {"-1", nullptr},
                        {"1e308", nullptr},
                        {"1e-320", nullptr},
                        {"0.999999999", nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.from);
        if (row.to != nullptr) {
            EXPECT_EQ(toggledText(Parameter::Envelope, row.from, kPoint), row.to);
        } else {
            EXPECT_THROW(toggledText(Parameter::Envelope, row.from, kPoint), Error);
        }
    }
    // A sideband's box is a factor: its button turns any other number on.
    EXPECT_EQ(toggledText(Parameter::BliSiNo, "0.5", kPoint), "1");
    EXPECT_EQ(toggledText(Parameter::BlsSiNo, "2", kPoint), "1");
}

TEST(StepRules, BadTextIsReportedWithTheBoxAndNothingIsWritten) {
    try {
        steppedText(kVccSubir, "abc", kPoint);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::NotANumber);
        EXPECT_EQ(error.parameter(), Parameter::Vcc);
        EXPECT_STREQ(error.what(), "El valor de «V(cc)» no es un número: «abc».");
    }
    EXPECT_THROW(toggledText(Parameter::BlsSiNo, "", kPoint), Error);
    EXPECT_THROW(steppedText(kFaseSubir, "0,6", kPoint), Error);
}

// The largest double rounds to a 15-digit text beyond the double range: the
// step refuses to write what could not be read back.
TEST(StepRules, ResultThatWouldNotReadBackIsAnOverflow) {
    try {
        steppedText(kModulanteSubir, "1.7976931348623157e308", kPoint);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::Overflow);
        EXPECT_EQ(error.parameter(), Parameter::Modulante);
    }
    EXPECT_EQ(steppedText(kModulanteSubir, "1e308", kPoint), "1e+308");
    EXPECT_THROW(steppedText({Parameter::Ruido, true}, "1.7976931348623157e308", kPoint), Error);
}

struct RuidoStep {
    const char* name;
    const char* text;
    bool up;
    const NumberFormat* format;
    const char* next;
};

class RuidoStepTest : public testing::TestWithParam<RuidoStep> {};

TEST_P(RuidoStepTest, MovesAlongTheSequence) {
    const RuidoStep& row = GetParam();
    EXPECT_EQ(steppedText({Parameter::Ruido, row.up}, row.text, *row.format), row.next);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RuidoStepTest,
    testing::Values(RuidoStep{"UpFromClean", "0", true, &kPoint, "0.01"},
                    RuidoStep{"UpFromATypedValue", "0.03", true, &kPoint, "0.05"},
                    RuidoStep{"UpInACommaLocale", "0,2", true, &kComma, "0,5"},
                    RuidoStep{"UpFromTheLastStays", "1", true, &kPoint, "1"},
                    RuidoStep{"UpFromBeyondKeepsTheValue", "2.50", true, &kPoint, "2.5"},
                    RuidoStep{"DownFromBeyond", "3", false, &kPoint, "1"},
                    RuidoStep{"DownFromATypedValue", "0.07", false, &kPoint, "0.05"},
                    RuidoStep{"DownFromCleanStays", "0", false, &kPoint, "0"}),
    [](const testing::TestParamInfo<RuidoStep>& row) { return std::string(row.param.name); });

TEST(RuidoStep, ABadTextNamesTheBoxAndTheToolTipListsTheSequence) {
    try {
        steppedText({Parameter::Ruido, true}, "abc", kPoint);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.parameter(), Parameter::Ruido);
    }
    EXPECT_EQ(stepToolTip("RuidoBajar", kComma),
              "Bajar el ruido (0; 0,01; 0,02; 0,05; 0,1; 0,2; 0,5; 1)");
}

// The frequency error steps through its sequence either side of 0.
class DfStepTest : public testing::TestWithParam<RuidoStep> {};

TEST_P(DfStepTest, MovesAlongTheSequence) {
    const RuidoStep& row = GetParam();
    EXPECT_EQ(steppedText({Parameter::Df, row.up}, row.text, *row.format), row.next);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DfStepTest,
    testing::Values(RuidoStep{"UpFromOnFrequency", "0", true, &kPoint, "0.5"},
                    RuidoStep{"DownFromOnFrequency", "0", false, &kPoint, "-0.5"},
                    RuidoStep{"UpFromATypedValue", "3", true, &kPoint, "5"},
                    RuidoStep{"DownFromATypedNegative", "-3", false, &kPoint, "-5"},
                    RuidoStep{"UpInACommaLocale", "0,5", true, &kComma, "1"},
                    RuidoStep{"UpFromTheLastStays", "500", true, &kPoint, "500"},
                    RuidoStep{"DownFromTheFirstStays", "-500", false, &kPoint, "-500"}),
    [](const testing::TestParamInfo<RuidoStep>& row) { return std::string(row.param.name); });

// The tones step through the usual test tones; the second one down to none.
struct ToneStep {
    const char* name;
    Parameter box;
    const char* text;
    bool up;
    const char* next;
};

class ToneStepTest : public testing::TestWithParam<ToneStep> {};

TEST_P(ToneStepTest, MovesAlongTheSequence) {
    const ToneStep& row = GetParam();
    EXPECT_EQ(steppedText({row.box, row.up}, row.text, kPoint), row.next);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ToneStepTest,
    testing::Values(ToneStep{"ToneUpFromStart", Parameter::Tono, "1000", true, "1500"},
                    ToneStep{"ToneDownFromATypedValue", Parameter::Tono, "440", false, "300"},
                    ToneStep{"ToneDownFromTheFirstStays", Parameter::Tono, "100", false, "100"},
                    ToneStep{"SecondToneOn", Parameter::Tono2, "0", true, "100"},
                    ToneStep{"SecondToneOff", Parameter::Tono2, "100", false, "0"},
                    ToneStep{"SecondToneUpFromTheLastStays", Parameter::Tono2, "2000", true,
                             "2000"}),
    [](const testing::TestParamInfo<ToneStep>& row) { return std::string(row.param.name); });

// A number outside what its box means is refused by the reading, and so by
// every step from it, with what the box takes.
struct LimitRow {
    const char* name;
    Parameter box;
    const char* text;
    const char* refusal; // nullptr: taken
};

class BoxLimitsTest : public testing::TestWithParam<LimitRow> {};

TEST_P(BoxLimitsTest, RefuseWhatTheBoxDoesNotMean) {
    const LimitRow& row = GetParam();
    if (row.refusal == nullptr) {
        EXPECT_NO_THROW(readBox(row.box, row.text, kPoint));
        return;
    }
    try {
        readBox(row.box, row.text, kPoint);
        FAIL() << "taken";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::OutOfRange);
        EXPECT_EQ(error.parameter(), row.box);
        EXPECT_EQ(error.what(), std::string("El valor de ") + quotedLabel(row.box) +
                                    " está fuera de sus límites: «" + row.text + "». Escriba " +
                                    row.refusal + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoxLimitsTest,
    testing::Values(
        LimitRow{"DfAtItsLimit", Parameter::Df, "-5000", nullptr},
        LimitRow{"DfBeyond", Parameter::Df, "5000.5", "un número entre -5000 y 5000"},
        LimitRow{"RuidoNone", Parameter::Ruido, "-0", nullptr},
        LimitRow{"RuidoHuge", Parameter::Ruido, "1e308", nullptr},
        LimitRow{"RuidoNegative", Parameter::Ruido, "-0.05", "0 o un número mayor"},
        LimitRow{"RuidoNegativeTiny", Parameter::Ruido, "-1e-320", "0 o un número mayor"},
        LimitRow{"ScalesOn", Parameter::Escalas, "1.0", nullptr},
        LimitRow{"ScalesHalf", Parameter::Escalas, "0.5", "0 o 1"},
        LimitRow{"ScalesHuge", Parameter::Escalas, "1e308", "0 o 1"},
        LimitRow{"EnvelopeNegative", Parameter::Envelope, "-1", "0 o 1"},
        LimitRow{"EnvelopeTiny", Parameter::Envelope, "1e-320", "0 o 1"},
        LimitRow{"ScalesTwo", Parameter::Escalas, "2", "0 o 1"},
        LimitRow{"ToneAtItsTop", Parameter::Tono, "2000", nullptr},
        LimitRow{"ToneOfNoWholeHertz", Parameter::Tono, "123.4", nullptr},
        LimitRow{"ToneNone", Parameter::Tono, "0", "un número entre 100 y 2000"},
        LimitRow{"ToneBelow", Parameter::Tono, "99.9", "un número entre 100 y 2000"},
        LimitRow{"SecondToneOff", Parameter::Tono2, "-0", nullptr},
        LimitRow{"SecondToneBelow", Parameter::Tono2, "50", "0 o un número entre 100 y 2000"},
        LimitRow{"SecondToneAbove", Parameter::Tono2, "2000.5", "0 o un número entre 100 y 2000"},
        LimitRow{"BaseBetweenItsSteps", Parameter::Base, "0.25", nullptr},
        LimitRow{"BaseAtItsTop", Parameter::Base, "2", nullptr},
        LimitRow{"BaseBelow", Parameter::Base, "0.05", "un número entre 0.1 y 2"},
        LimitRow{"BaseZero", Parameter::Base, "0", "un número entre 0.1 y 2"},
        LimitRow{"BaseBeyond", Parameter::Base, "2.5", "un número entre 0.1 y 2"}),
    [](const testing::TestParamInfo<LimitRow>& row) { return std::string(row.param.name); });

TEST(BoxLimits, AreKeptByTheStepsToo) {
    EXPECT_THROW(steppedText({Parameter::Ruido, false}, "-1", kPoint), Error);
    EXPECT_THROW(steppedText({Parameter::Df, true}, "-6000", kPoint), Error);
}

TEST(DfStep, TheToolTipListsTheSequence) {
    EXPECT_EQ(stepToolTip("DfSubir", kComma),
              "Subir el error de frecuencia (0; ±0,5; ±1; ±2; ±5; ±10; ±20; ±50; ±100; ±200; "
              "±500 Hz)");
}

} // namespace
} // namespace amsim
