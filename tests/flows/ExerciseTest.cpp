#include "core/Error.h"
#include "core/VisibleText.h"
#include "flows/Bench.h"
#include "params/ExerciseCode.h"
#include "params/MemoryControls.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace amsim {
namespace {

// A bench started from the given start, in the notation of `format`, whose
// drawing records every operation.
struct StartedBench {
    explicit StartedBench(const GivenStart& given, NumberFormat format = {})
        : bench(controls, std::move(format)) {
        bench.start(given);
    }

    test::RecordingCanvas canvas;
    MemoryControls controls{canvas};
    Bench bench;
};

GivenStart withMdl(const char* mdl, std::optional<std::string> hidden = std::nullopt) {
    GivenStart given;
    given.texts.at(static_cast<std::size_t>(Parameter::Modulante)) = mdl;
    given.hidden = std::move(hidden);
    return given;
}

std::string codeOf(const std::string& link) {
    return link.substr(link.find("ejercicio=") + 10);
}

// The hidden bench draws and measures what the open one does; only the lines
// that state the hidden value, and its box, say "?".
TEST(HiddenValues, DrawTheSameAndHideWhatStatesThem) {
    StartedBench open(withMdl("0.7"));
    StartedBench hidden(withMdl("0.7", "mdl"));
    EXPECT_EQ(hidden.canvas.operations(), open.canvas.operations());
    EXPECT_EQ(hidden.controls.text(Parameter::Modulante), "?");
    EXPECT_TRUE(hidden.controls.boxHidden(Parameter::Modulante));
    const std::vector<std::string>& shown = hidden.controls.readout();
    const std::vector<std::string>& all = open.controls.readout();
    ASSERT_EQ(shown.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool index = all[i].starts_with("Índice de modulación:");
        EXPECT_EQ(shown[i], index ? "Índice de modulación: ?" : all[i]) << all[i];
    }
    EXPECT_EQ(hidden.controls.description().find("modulación"), std::string::npos);
    EXPECT_EQ(hidden.controls.exercise().question, "¿Cuánto vale la modulante (mdl), en V?");
}

// A link of a hidden bench carries the exercise and not the value; it opens
// the same bench.
TEST(HiddenValues, LinkAndCommandCarryTheExerciseOnly) {
    StartedBench hidden(withMdl("0.7", "mdl"));
    const std::string link = *hidden.bench.menuText("CopiarEnlace", "amsim.html");
    const std::string command = *hidden.bench.menuText("CopiarOrden", "amsim.html");
    EXPECT_TRUE(link.starts_with("amsim.html?ejercicio=")) << link;
    EXPECT_EQ(link.find("0.7"), std::string::npos);
    EXPECT_EQ(link.find("mdl="), std::string::npos);
    EXPECT_EQ(command, "amsim --ejercicio " + codeOf(link));

    GivenStart fromLink;
    fromLink.exercise = codeOf(link);
    StartedBench reopened(fromLink);
    EXPECT_EQ(reopened.canvas.operations(), hidden.canvas.operations());
    EXPECT_EQ(reopened.controls.readout(), hidden.controls.readout());
}

struct BadCodeRow {
    const char* name;
    std::string (*spoil)(const std::string& code);
};

class BadCodeTest : public testing::TestWithParam<BadCodeRow> {};

// A spoilt code is refused with a message that quotes it, and the bench
// opens at its start values.
TEST_P(BadCodeTest, IsRefusedAndTheBenchStarts) {
    StartedBench hidden(withMdl("0.7", "mdl"));
    GivenStart given = withMdl("0.3");
    given.exercise = GetParam().spoil(codeOf(*hidden.bench.menuText("CopiarEnlace", "a.html")));
    StartedBench fresh(GivenStart{});
    test::RecordingCanvas canvas;
    MemoryControls controls(canvas);
    Bench bench(controls, NumberFormat{});
    try {
        bench.start(given);
        FAIL() << "accepted " << *given.exercise;
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::BadExercise);
        EXPECT_NE(std::string(error.what()).find(quotedText(*given.exercise)), std::string::npos);
    }
    EXPECT_EQ(controls.text(Parameter::Modulante), "1");
    EXPECT_FALSE(controls.boxHidden(Parameter::Modulante));
    EXPECT_EQ(canvas.operations(), fresh.canvas.operations());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BadCodeTest,
    testing::Values(
        BadCodeRow{"CutShort",
                   [](const std::string& code) { return code.substr(0, code.size() - 1); }},
        BadCodeRow{"HalfOfIt",
                   [](const std::string& code) { return code.substr(0, code.size() / 2); }},
        BadCodeRow{"OneChanged",
                   [](const std::string& code) {
                       std::string changed = code;
                       changed[code.size() / 3] = code[code.size() / 3] == 'A' ? 'B' : 'A';
                       return changed;
                   }},
        BadCodeRow{"TwoSwapped",
                   [](const std::string& code) {
                       std::string swapped = code;
                       std::swap(swapped[4], swapped[5]);
                       return swapped == code ? code + "0" : swapped;
                   }},
        BadCodeRow{"NotOfTheAlphabet", [](const std::string& code) { return code + "U"; }},
        BadCodeRow{"Empty", [](const std::string& /*code*/) { return std::string(); }}),
    [](const testing::TestParamInfo<BadCodeRow>& row) { return std::string(row.param.name); });

// No character of a code can change unnoticed: the check spans every bit.
TEST(ExerciseCode, EveryOneCharacterChangeIsRefused) {
    Exercise exercise;
    for (const Parameter box : kAllParameters) {
        exercise.texts.at(static_cast<std::size_t>(box)) = startText(box, NumberFormat{});
    }
    exercise.texts.at(static_cast<std::size_t>(Parameter::Fase)) = "-37.5";
    exercise.hidden = hiddenSetOf("fase,vcc");
    exercise.question = questionNamed("fase");
    exercise.tolerance = 2.5;
    const std::string code = exerciseCode(exercise);
    const Exercise back = exerciseOfCode(code);
    EXPECT_EQ(back.texts, exercise.texts);
    EXPECT_EQ(back.hidden, exercise.hidden);
    EXPECT_EQ(back.question, exercise.question);
    EXPECT_EQ(back.tolerance, exercise.tolerance);
    std::string lower = code;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(exerciseOfCode(lower).texts, exercise.texts);
    for (std::size_t at = 0; at < code.size(); ++at) {
        for (const char c : std::string_view("0123456789ABCDEFGHJKMNPQRSTVWXYZ")) {
            if (c != code[at]) {
                std::string changed = code;
                changed[at] = c;
                EXPECT_THROW(exerciseOfCode(changed), Error) << changed;
            }
        }
        EXPECT_THROW(exerciseOfCode(code.substr(0, at)), Error) << at;
    }
}

struct AnswerRow {
    const char* name;
    const char* hidden;
    const char* answer;
    const char* separator; // the locale's decimal separator
    std::optional<Verdict> judged;
    bool offered; // the solution, after this answer
};

class AnswerTest : public testing::TestWithParam<AnswerRow> {};

TEST_P(AnswerTest, IsJudgedAgainstTheHiddenValue) {
    const AnswerRow& row = GetParam();
    StartedBench hidden(withMdl(std::string_view(row.separator) == "," ? "0,7" : "0.7", row.hidden),
                        NumberFormat{row.separator, "e"});
    for (int wrong = 0; row.offered && wrong < 2; ++wrong) {
        hidden.controls.setAnswer("3");
        hidden.bench.handlers().Comprobar_Click();
    }
    hidden.controls.setAnswer(row.answer);
    hidden.bench.handlers().Comprobar_Click();
    EXPECT_EQ(hidden.controls.exercise().judged, row.judged);
    EXPECT_EQ(hidden.controls.exercise().solutionOffered, row.offered);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerTest,
    testing::Values(AnswerRow{"Point", "mdl", "0.7", ".", Verdict::Correct, false},
                    AnswerRow{"CommaInACommaLocale", "mdl", "0,7", ",", Verdict::Correct, false},
                    AnswerRow{"PointInACommaLocale", "mdl", "0.7", ",", Verdict::Correct, false},
                    AnswerRow{"WithinTolerance", "mdl", " 0.74 ", ".", Verdict::Correct, false},
                    AnswerRow{"Wrong", "mdl", "0.5", ".", Verdict::Incorrect, false},
                    AnswerRow{"ThirdWrong", "mdl", "0.5", ".", Verdict::Incorrect, true},
                    AnswerRow{"NoNumber", "mdl", "setenta", ".", Verdict::Unreadable, false},
                    AnswerRow{"FirstOfTwoHidden", "vcc,mdl", "0.7", ".", Verdict::Correct, false},
                    AnswerRow{"Sideband", "bls,bli", "ninguna", ".", Verdict::Correct, false},
                    AnswerRow{"SidebandWrong", "bli", "BLS", ".", Verdict::Incorrect, false}),
    [](const testing::TestParamInfo<AnswerRow>& row) { return std::string(row.param.name); });

// Shown, the solution brings the hidden values back into their boxes.
TEST(Solution, ShowsTheAnswerAndTheValues) {
    StartedBench hidden(withMdl("0.7", "mdl"));
    for (int wrong = 0; wrong < 3; ++wrong) {
        hidden.controls.setAnswer("2");
        hidden.bench.handlers().Comprobar_Click();
    }
    hidden.bench.handlers().MostrarSolucion_Click();
    EXPECT_EQ(hidden.controls.exercise().verdict, "Solución: 0.7");
    EXPECT_EQ(hidden.controls.text(Parameter::Modulante), "0.7");
    EXPECT_FALSE(hidden.controls.boxHidden(Parameter::Modulante));
    EXPECT_NE(hidden.controls.readout().at(1), "Índice de modulación: ?");
}

} // namespace
} // namespace amsim
