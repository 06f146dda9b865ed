#include "params/PanelTexts.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace amsim {
namespace {

constexpr qsizetype kHelpCount = 8;
constexpr qsizetype kAboutCount = 5;

std::string show(const QString& s) {
    return s.toStdString();
}

QStringList allPieces() {
    return helpParagraphs() + aboutPieces();
}

TEST(PanelTexts, PanelsHaveEightHelpParagraphsAndFiveAboutPieces) {
    EXPECT_EQ(helpParagraphs().size(), kHelpCount);
    EXPECT_EQ(aboutPieces().size(), kAboutCount);
}

struct Opening {
    const char* name;
    qsizetype index;
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
    const QStringList paragraphs = helpParagraphs();
    ASSERT_LT(row.index, paragraphs.size());
    const QString& paragraph = paragraphs.at(row.index);
    EXPECT_TRUE(paragraph.startsWith(QString::fromUtf8(row.words)))
        << "paragraph " << row.index + 1 << " is: " << show(paragraph);
}

INSTANTIATE_TEST_SUITE_P(
    PanelTexts, HelpOpening,
    testing::Values(
        Opening{"Bench", 0, "Este programa intenta transmitir el concepto de estos modos"},
        Opening{"Controls", 1, "Se puede controlar a voluntad"},
        Opening{"BalancedModulator", 2,
                "Se supone que la modulaci\u00f3n se hace con un modulador balanceado"},
        Opening{"DirectGeneration", 3, "Para DSB y SSB"},
        Opening{"ProductDetector", 4,
                "En el receptor se demodula siempre con un detector de producto."},
        Opening{"StartValues", 5, "Inicialmente se asigna un valor de 1"},
        Opening{"SingleSideband", 6, "Ahora anule una de las bandas laterales y tendr\u00e1 SSB"},
        Opening{"ReinsertedPhase", 7, "Juegue con la fase de la portadora reinsertada"}),
    [](const testing::TestParamInfo<Opening>& row) { return std::string(row.param.name); });

TEST(PanelTexts, AboutOpensWithTitleAndEndsWithModellingNote) {
    const QStringList pieces = aboutPieces();
    ASSERT_EQ(pieces.size(), kAboutCount);
    EXPECT_EQ(pieces.first(), QStringLiteral("07/03/2018 Simulador de AM, DSB y SSB"));
    EXPECT_TRUE(pieces.last().startsWith(
        QStringLiteral("NOTA: como en textos similares, se supone que la modulante es senoidal.")))
        << show(pieces.last());
    // The note goes on to say why a sine is used although speech is not one.
    EXPECT_TRUE(pieces.last().contains(QStringLiteral("voz"))) << show(pieces.last());
    EXPECT_TRUE(pieces.last().contains(QStringLiteral("pico"))) << show(pieces.last());
}

// The path is read as menu steps; the piece before it announces it.
TEST(PanelTexts, MenuPathIsOneLineOfStepsThroughEducation) {
    const QStringList pieces = aboutPieces();
    ASSERT_EQ(pieces.size(), kAboutCount);
    const QString& announcement = pieces.at(2);
    const QString& path = pieces.at(3);

    EXPECT_FALSE(path.contains(QLatin1Char('\r')));
    EXPECT_FALSE(path.contains(QLatin1Char('\n')));
    EXPECT_TRUE(announcement.trimmed().endsWith(QLatin1Char(':'))) << show(announcement);

    const QStringList steps = path.split(QStringLiteral(" -> "));
    EXPECT_GE(steps.size(), 3) << show(path);
    for (const QString& step : steps) {
        EXPECT_FALSE(step.trimmed().isEmpty()) << show(path);
        EXPECT_FALSE(step.contains(QStringLiteral("->"))) << "badly spaced arrow in " << show(path);
    }
    const QString education = QString::fromUtf8("Educaci\u00f3n");
    EXPECT_TRUE(steps.contains(education)) << show(path);
    EXPECT_TRUE(announcement.contains(education)) << show(announcement);
}

// The panel inserts the separators itself; a line break inside a piece would
// show as a stray empty line or a broken paragraph.
TEST(PanelTexts, NoPieceHoldsLineBreaksOrLooseBlanks) {
    for (const QString& piece : allPieces()) {
        EXPECT_FALSE(piece.isEmpty());
        EXPECT_FALSE(piece.contains(kParagraphSeparator)) << show(piece);
        EXPECT_FALSE(piece.contains(QLatin1Char('\r'))) << show(piece);
        EXPECT_FALSE(piece.contains(QLatin1Char('\n'))) << show(piece);
        EXPECT_EQ(piece, piece.trimmed()) << "blanks at the ends of: " << show(piece);
    }
}

// The literals must reach the panel as the accented letters they are, whatever
// the compiler assumed about the source file's encoding.
TEST(PanelTexts, AccentedLettersSurviveTheBuild) {
    const QString help = panelText(helpParagraphs());
    EXPECT_TRUE(help.contains(QString::fromUtf8("modulaci\u00f3n")));
    EXPECT_TRUE(help.contains(QStringLiteral("modulaci") + QChar(0x00F3) + QStringLiteral("n")));
    EXPECT_TRUE(help.contains(QString::fromUtf8("se\u00f1al/ruido")));
    for (const QString& piece : allPieces()) {
        EXPECT_FALSE(piece.contains(QChar::ReplacementCharacter)) << show(piece);
        EXPECT_FALSE(piece.contains(QChar(0x00C3))) << "UTF-8 read as Latin-1: " << show(piece);
    }
}

TEST(PanelTexts, ComposedTextIsEveryPieceFollowedBySeparator) {
    const QStringList help = helpParagraphs();
    const QString text = panelText(help);

    EXPECT_TRUE(text.endsWith(kParagraphSeparator));
    EXPECT_TRUE(text.startsWith(help.first() + kParagraphSeparator.toString()));

    // Splitting at the separators gives the pieces back, then the empty tail
    // that the last separator leaves.
    QStringList parts = text.split(kParagraphSeparator.toString());
    ASSERT_EQ(parts.size(), help.size() + 1);
    EXPECT_TRUE(parts.last().isEmpty());
    parts.removeLast();
    EXPECT_EQ(parts, help);
}

TEST(PanelTexts, AboutTextStartsWithTitleThenEmptyLine) {
    const QString text = panelText(aboutPieces());
    EXPECT_TRUE(text.startsWith(QStringLiteral("07/03/2018 Simulador de AM, DSB y SSB\r\n\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(text.endsWith(QStringLiteral("\r\n\r\n\r\n")));
}

} // namespace
} // namespace amsim
