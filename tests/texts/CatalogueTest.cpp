#include "texts/Catalogue.h"

#include "texts/Grammar.h"

#include <gtest/gtest.h>
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

} // namespace
} // namespace amsim
