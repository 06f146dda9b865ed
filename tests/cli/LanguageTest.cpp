#include "cli/ProgramRun.h"
#include "core/ParameterTable.h"
#include "params/BuiltInExercises.h"
#include "params/Controls.h"
#include "support/ForeignWords.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace amsim {
namespace {

// The Spanish words in what the program said, but for the names of its
// options and built-in exercises, which every language writes as they are.
std::vector<std::string> spanishWordsIn(const QString& said, const char* language) {
    QStringList names;
    for (const Parameter parameter : kAllParameters) {
        const std::string_view option = optionOf(parameter);
        names << QString::fromLatin1(option.data(), static_cast<qsizetype>(option.size()));
    }
    for (const BuiltInExercise& exercise : builtInExercises()) {
        names << QString::fromLatin1(exercise.name.data(),
                                     static_cast<qsizetype>(exercise.name.size()));
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QString words = said;
    for (const QString& name : names) {
        words.remove(QRegularExpression(QStringLiteral("\\b%1\\b").arg(name)));
    }
    return test::spanishWordsIn(words.toStdString(), language);
}

// What the program says in English or Portuguese holds no Spanish word of
// the catalogue, and is not what it says in Spanish: the help, the readout,
// every kind of error, and the drawing's own labels in a vector export.
TEST_F(ExportTest, EachLanguageSpeaksOnlyItself) {
    struct Row {
        const char* name;
        QStringList arguments;
        int exitCode;
    };
    const Row rows[] = {
        {"help", {"--help"}, 0},
        {"readout", {"--medidas", "--ruido", "0.1", "--df", "3", "--tono2", "1500"}, 0},
        {"hidden values", {"--medidas", "--ocultar", "mdl,fase"}, 0},
        {"a box's error", {"--vcc", "abc"}, 2},
        {"a value out of its limits", {"--tono", "1e9"}, 2},
        {"an unknown option", {"--nada"}, 2},
        {"options that go together", {"--semilla", "3"}, 2},
        {"a spoilt exercise", {"--ejercicio", "zzzz"}, 2},
        {"a file that cannot be written", {"--export", "no/such/folder/a.png"}, 2},
    };
    for (const char* language : {"en", "pt"}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(language) + ": " + row.name);
            const Finished spanish = amsim(row.arguments);
            const Finished run = amsim(QStringList{"--idioma", language} + row.arguments);
            EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
            const QString said = run.out + run.err;
            EXPECT_FALSE(said.trimmed().isEmpty());
            EXPECT_NE(said, spanish.out + spanish.err);
            EXPECT_EQ(spanishWordsIn(said, language), std::vector<std::string>());
        }
    }
}

// The words of a vector picture: the drawing's labels, the readout, the
// window's captions.
QString wordsOfSvg(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString words;
    const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (const auto& match : text.globalMatch(QString::fromUtf8(file.readAll()))) {
        words += match.captured(1) + QLatin1Char(' ');
    }
    return words;
}

TEST_F(ExportTest, AnEnglishPictureIsLabelledInEnglish) {
    const QStringList setting{"--escalas", "1", "--ruido",      "0.1",
                              "--env",     "1", "--analizador", "1"};
    ASSERT_EQ(amsim(QStringList{"--export", path("es.svg")} + setting).exitCode, 0);
    ASSERT_EQ(amsim(QStringList{"--idioma", "en", "--export", path("en.svg")} + setting).exitCode,
              0);
    const QString spanish = wordsOfSvg(path("es.svg"));
    const QString english = wordsOfSvg(path("en.svg"));
    EXPECT_FALSE(spanishWordsIn(spanish, "en").empty());
    EXPECT_EQ(spanishWordsIn(english, "en"), std::vector<std::string>());
}

TEST_F(ExportTest, AnUnknownLanguageIsRefusedByItsName) {
    const Finished run = amsim({"--idioma", "klingon", "--medidas"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("«klingon»"))) << run.err.toStdString();
}

} // namespace
} // namespace amsim
