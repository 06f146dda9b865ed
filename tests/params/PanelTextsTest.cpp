#include "params/PanelTexts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {
namespace {

constexpr std::size_t kHelpCount = 12;
constexpr std::size_t kAboutCount = 5;

std::vector<std::string_view> allPieces() {
    std::vector<std::string_view> pieces = helpParagraphs();
    const std::vector<std::string_view> about = aboutPieces();
    pieces.insert(pieces.end(), about.begin(), about.end());
    return pieces;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.push_back(text);
    return parts;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

TEST(PanelTexts, PanelsHaveTwelveHelpParagraphsAndFiveAboutPieces) {
    EXPECT_EQ(helpParagraphs().size(), kHelpCount);
    EXPECT_EQ(aboutPieces().size(), kAboutCount);
}

struct Opening {
    const char* name;
    std::size_t index;
    const char* words; // UTF-8; accents as \u escapes
};

// A failing row is reported by its name rather than as raw bytes.
void PrintTo(const Opening& row, std::ostream* out) {
    *out << row.name;
}

class HelpOpening : public testing::TestWithParam<Opening> {};

// The openings are the help text's fixed landmarks; a paragraph moved, merged
// or reworded at its start shows up here by name.
TEST_P(HelpOpening, ParagraphOpensWithItsWords) {
    const Opening& row = GetParam();
    const std::vector<std::string_view>& paragraphs = helpParagraphs();
    ASSERT_LT(row.index, paragraphs.size());
    const std::string_view paragraph = paragraphs.at(row.index);
    EXPECT_TRUE(paragraph.starts_with(row.words))
        << "paragraph " << row.index + 1 << " is: " << paragraph;
}

INSTANTIATE_TEST_SUITE_P(
    PanelTexts, HelpOpening,
    testing::Values(
        Opening{"Bench", 0, "Este programa intenta transmitir el concepto de estos modos"},
        Opening{"Controls", 1, "Se puede controlar a voluntad"},
        Opening{"BalancedModulator", 2,
                "Se supone que la modulaci\u00f3n se hace con un modulador balanceado"},
        Opening{"DirectGeneration", 3, "Para DSB y SSB"},
        Opening{"BothDetectors", 4,
                "En el receptor se demodula con un detector de producto y, si se activa con"},
        Opening{"StartValues", 5, "Inicialmente se asigna un valor de 1"},
        Opening{"SingleSideband", 6, "Ahora anule una de las bandas laterales y tendr\u00e1 SSB"},
        Opening{"ReinsertedPhase", 7, "Juegue con la fase de la portadora reinsertada"},
        Opening{"CompareTheDetectors", 8,
                "Active el detector de envolvente y compare los dos detectores."},
        Opening{"TonesAndTheTwoToneTest", 9, "Cambie la frecuencia del tono"}),
    [](const testing::TestParamInfo<Opening>& row) { return std::string(row.param.name); });

TEST(PanelTexts, AboutOpensWithTitleAndEndsWithModellingNote) {
    const std::vector<std::string_view>& pieces = aboutPieces();
    ASSERT_EQ(pieces.size(), kAboutCount);
    EXPECT_EQ(pieces.front(), "07/03/2018 Simulador de AM, DSB y SSB");
    EXPECT_TRUE(pieces.back().starts_with(
        "NOTA: como en textos similares, se supone que la modulante es senoidal."))
        << pieces.back();
    // The note goes on to say why a sine is used although speech is not one.
    EXPECT_TRUE(contains(pieces.back(), "voz")) << pieces.back();
    EXPECT_TRUE(contains(pieces.back(), "pico")) << pieces.back();
}

// The program runs in a browser from one file: the about text says so, and
// no longer asks for help to make it run online.
TEST(PanelTexts, AboutTellsOfTheOneFileForTheBrowser) {
    const std::string_view distribution = aboutPieces().at(1);
    EXPECT_TRUE(contains(distribution, "cualquier navegador")) << distribution;
    EXPECT_TRUE(contains(distribution, "amsim.html")) << distribution;
    EXPECT_TRUE(contains(distribution, "bash tools/web.sh")) << distribution;
    EXPECT_FALSE(contains(distribution, "Agradeceremos la ayuda")) << distribution;
}

// The path is read as menu steps; the piece before it announces it.
TEST(PanelTexts, MenuPathIsOneLineOfStepsThroughEducation) {
    const std::vector<std::string_view>& pieces = aboutPieces();
    ASSERT_EQ(pieces.size(), kAboutCount);
    const std::string_view announcement = pieces.at(2);
    const std::string_view path = pieces.at(3);

    EXPECT_FALSE(contains(path, "\r"));
    EXPECT_FALSE(contains(path, "\n"));
    EXPECT_TRUE(trimmed(announcement).ends_with(':')) << announcement;

    const std::vector<std::string_view> steps = split(path, " -> ");
    EXPECT_GE(steps.size(), 3U) << path;
    for (const std::string_view step : steps) {
        EXPECT_FALSE(trimmed(step).empty()) << path;
        EXPECT_FALSE(contains(step, "->")) << "badly spaced arrow in " << path;
    }
    const std::string_view education = "Educaci\u00f3n";
    EXPECT_NE(std::find(steps.begin(), steps.end(), education), steps.end()) << path;
    EXPECT_TRUE(contains(announcement, education)) << announcement;
}

// The panel inserts the separators itself; a line break inside a piece would
// show as a stray empty line or a broken paragraph.
TEST(PanelTexts, NoPieceHoldsLineBreaksOrLooseBlanks) {
    for (const std::string_view piece : allPieces()) {
        EXPECT_FALSE(piece.empty());
        EXPECT_FALSE(contains(piece, kParagraphSeparator)) << piece;
        EXPECT_FALSE(contains(piece, "\r")) << piece;
        EXPECT_FALSE(contains(piece, "\n")) << piece;
        EXPECT_EQ(piece, trimmed(piece)) << "blanks at the ends of: " << piece;
    }
}

// The literals must reach the panel as the accented letters they are, whatever
// the compiler assumed about the source file's encoding.
TEST(PanelTexts, AccentedLettersSurviveTheBuild) {
    const std::string help = panelText(helpParagraphs());
    EXPECT_TRUE(contains(help, "modulaci\u00f3n"));
    EXPECT_TRUE(contains(help, "modulaci\xc3\xb3n"));
    EXPECT_TRUE(contains(help, "se\u00f1al/ruido"));
    for (const std::string_view piece : allPieces()) {
        EXPECT_FALSE(contains(piece, "\ufffd")) << piece;
        EXPECT_FALSE(contains(piece, "\u00c3")) << "UTF-8 read as Latin-1: " << piece;
    }
}

TEST(PanelTexts, ComposedTextIsEveryPieceFollowedBySeparator) {
    const std::vector<std::string_view>& help = helpParagraphs();
    const std::string text = panelText(help);

    EXPECT_TRUE(text.ends_with(kParagraphSeparator));
    EXPECT_TRUE(text.starts_with(std::string(help.front()) + std::string(kParagraphSeparator)));

    // Splitting at the separators gives the pieces back, then the empty tail
    // that the last separator leaves.
    std::vector<std::string_view> parts = split(text, kParagraphSeparator);
    ASSERT_EQ(parts.size(), help.size() + 1);
    EXPECT_TRUE(parts.back().empty());
    parts.pop_back();
    EXPECT_EQ(parts, help);
}

TEST(PanelTexts, AboutTextStartsWithTitleThenEmptyLine) {
    const std::string text = panelText(aboutPieces());
    EXPECT_TRUE(text.starts_with("07/03/2018 Simulador de AM, DSB y SSB\r\n\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n\r\n\r\n"));
}

} // namespace
} // namespace amsim
