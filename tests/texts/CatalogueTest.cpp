#include "texts/Catalogue.h"

#include "texts/Grammar.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace amsim {
namespace {

// A translation keeps the source's keys, in order, and each text's
// placeholders, so that every lookup and every template finds its own.
TEST(Catalogue, EveryLanguageHasTheSpanishKeysAndPlaceholders) {
    for (const Catalogue& catalogue : catalogues()) {
        SCOPED_TRACE(catalogue.language);
        ASSERT_EQ(catalogue.entries.size(), std::size(kSpanish));
        for (std::size_t i = 0; i < std::size(kSpanish); ++i) {
            EXPECT_EQ(catalogue.entries[i].key, kSpanish[i].key);
            EXPECT_EQ(placeholdersOf(catalogue.entries[i].text), placeholdersOf(kSpanish[i].text))
                << kSpanish[i].key;
            EXPECT_FALSE(catalogue.entries[i].text.empty()) << kSpanish[i].key;
        }
    }
}

TEST(Catalogue, SpanishIsTheDefault) {
    EXPECT_EQ(catalogues().front().language, "es");
    EXPECT_EQ(catalogueText("list.last"), " y ");
}

TEST(Catalogue, AKeyIsFoundByItsNameAlone) {
    ASSERT_TRUE(TextKey::find("window.title"));
    EXPECT_EQ(catalogueText(*TextKey::find("window.title")), "Simulador de AM, DSB y SSB");
    EXPECT_FALSE(TextKey::find("window.titl"));
}

TEST(Catalogue, AMissingTextOrValueIsAFaultNotAnEmptyText) {
    EXPECT_THROW((void)catalogueText(TextKey::none()), std::logic_error);
    EXPECT_THROW((void)filled("error.internal", {}), std::logic_error);
    EXPECT_THROW((void)filled("error.internal", {{"detalle", "x"}}), std::logic_error);
}

TEST(Catalogue, FilledPutsEachValueInItsPlaceEvenWhereTheValueHasBraces) {
    EXPECT_EQ(filled("readout.beyondAbove", {{"unit", "dB"}, {"bound", "{unit}"}}),
              "más de {unit} dB");
}

TEST(Grammar, ListsAsASentenceSaysThem) {
    const struct {
        const char* name;
        std::vector<std::string> items;
        std::string expected;
    } rows[] = {
        {"none", {}, ""},
        {"one", {"a"}, "a"},
        {"two", {"a", "b"}, "a y b"},
        {"three", {"a", "b", "c"}, "a, b y c"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(listed(row.items), row.expected) << row.name;
    }
}

TEST(Grammar, OneAgreesWithOneAndMinusOneAlone) {
    const TextKey one = "summary.phaseError.one";
    const TextKey other = "summary.phaseError.other";
    const struct {
        const char* name;
        double count;
        bool one;
    } rows[] = {{"one", 1.0, true},
                {"minus one", -1.0, true},
                {"zero", 0.0, false},
                {"two", 2.0, false},
                {"a half", 0.5, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(agreeing(row.count, one, other).index(), (row.one ? one : other).index())
            << row.name;
    }
}

TEST(Grammar, AGroupWithAnyMasculineNounIsMasculine) {
    const TextKey masculine = "cli.sameFile.masculine";
    const TextKey feminine = "cli.sameFile.feminine";
    const struct {
        const char* name;
        std::initializer_list<TextKey> genders;
        bool masculine;
    } rows[] = {
        {"feminine alone", {"file.picture.gender", "file.samples.gender"}, false},
        {"one masculine", {"file.picture.gender", "file.sound.gender"}, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(agreeingGender(row.genders, masculine, feminine).index(),
                  (row.masculine ? masculine : feminine).index())
            << row.name;
    }
}

// The grammar reads a gender as "m" or "f" and nothing else.
TEST(Catalogue, EveryGenderIsMasculineOrFeminine) {
    for (const Catalogue& catalogue : catalogues()) {
        for (const TextEntry& entry : catalogue.entries) {
            if (entry.key.ends_with(".gender")) {
                EXPECT_TRUE(entry.text == "m" || entry.text == "f") << entry.key;
            }
        }
    }
}

// Names, symbols, units and codes: the same text in every language.
constexpr std::string_view kNames[] = {"list.separator",
                                       "step.withUnit",
                                       "summary.valuesSeparator",
                                       "readout.none",
                                       "cli.boxAndOption",
                                       "parameter.vcc.label",
                                       "parameter.vcc.stepNoun",
                                       "unit.hertz",
                                       "unit.msPerDivision",
                                       "mode.am",
                                       "mode.dsb",
                                       "mode.ssb",
                                       "iqView.i",
                                       "iqView.q",
                                       "iqView.scale",
                                       "file.spectrum.gender",
                                       "file.sound.gender",
                                       "file.picture.gender",
                                       "file.samples.gender",
                                       "snrCurve.file.gender",
                                       "form.Form1.windowTitle",
                                       "form.Label2.text",
                                       "form.Label2.accessibleName",
                                       "form.Vcc.accessibleName",
                                       "form.Text1.plainText",
                                       "form.fase.text",
                                       "form.EnvelopeOnOff.text",
                                       "form.EscalasSiNo.text",
                                       "form.Tono.text",
                                       "form.Tono2.text",
                                       "form.Df.text",
                                       "form.Base.text",
                                       "form.Analizador.text",
                                       "form.Ruido.text",
                                       "form.BliSiNo.text",
                                       "form.BlsSiNo.text",
                                       "form.Vcc.text",
                                       "form.mdl.text"};

// Texts that a language writes with the very words of the Spanish one.
const std::map<std::string_view, std::vector<std::string_view>> kSameWords{
    {"en", {}},
    {"pt",
     {"number.decimalSeparator",
      "number.range",
      "parameter.mdl.label",
      "parameter.bli.values",
      "parameter.bls.values",
      "parameter.fase.values",
      "parameter.escalas.label",
      "stage.receiver",
      "drawing.generatorLabel",
      "summary.values",
      "mode.upper",
      "mode.lower",
      "readout.beyondBelow",
      "readout.mode",
      "readout.filterUpper",
      "readout.filterLower",
      "readout.inputRatio",
      "readout.figureOfMerit",
      "menu.CurvaSN",
      "menu.Idioma",
      "exercise.create.hide",
      "exercise.list.open",
      "answer.lower",
      "answer.upper",
      "answer.both",
      "iqView.legend.carrier",
      "cli.unexpected",
      "cli.valueName",
      "manual.valueName",
      "manual.languageValue",
      "snrCurve.caption",
      "snrCurve.inputAxis",
      "page.copied",
      "form.Label1.text",
      "form.Label1.accessibleName",
      "form.Label3.accessibleName",
      "form.Label4.accessibleName",
      "form.EscalasLabel.text",
      "form.EscalasLabel.accessibleName",
      "form.Measurements.text",
      "form.Measurements.accessibleName",
      "form.Pausa.text",
      "form.Pausa.accessibleName",
      "form.BliSiNo.accessibleName",
      "form.BlsSiNo.accessibleName",
      "form.mdl.accessibleName"}},
};

// A translation says each text in its own words: where it repeats the
// Spanish text, that is a name or the same words in both languages.
TEST(Catalogue, ATranslationRepeatsSpanishOnlyInNamesAndSharedWords) {
    for (const Catalogue& catalogue : catalogues().subspan(1)) {
        SCOPED_TRACE(catalogue.language);
        const std::vector<std::string_view>& shared = kSameWords.at(catalogue.language);
        for (std::size_t i = 0; i < std::size(kSpanish); ++i) {
            const std::string_view key = kSpanish[i].key;
            const bool allowed =
                std::find(std::begin(kNames), std::end(kNames), key) != std::end(kNames) ||
                std::find(shared.begin(), shared.end(), key) != shared.end();
            EXPECT_TRUE(allowed || catalogue.entries[i].text != kSpanish[i].text) << key;
        }
    }
}

// A language no catalogue has is refused and leaves the one in use; the
// one asked for wins over the one kept, and a kept one no catalogue has is
// passed over.
TEST(Catalogue, TheLanguageInUseIsAskedKeptOrSpanish) {
    const struct {
        const char* name;
        std::optional<std::string_view> asked, kept;
        bool accepted;
        std::string_view inUse;
    } rows[] = {
        {"nothing: Spanish", {}, {}, true, "es"},
        {"kept", {}, "pt", true, "pt"},
        {"asked over kept", "en", "pt", true, "en"},
        {"kept unknown", {}, "xx", true, "es"},
        {"asked unknown: the kept one", "xx", "pt", false, "pt"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(startLanguage(row.asked, row.kept), row.accepted) << row.name;
        EXPECT_EQ(languageInUse(), row.inUse) << row.name;
    }
    EXPECT_FALSE(useLanguage("EN"));
    EXPECT_EQ(languageInUse(), "pt");
    useLanguage("es");
}

} // namespace
} // namespace amsim
