#include "cli/CommandLine.h"

#include "cli/CliErrors.h"
#include "core/Error.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace amsim {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsOptionsAndTheirValues) {
    struct Row {
        const char* name;
        QStringList arguments;
        Action action;
        std::optional<QString> picture, csv, mdl, fase;
    };
    const Row rows[] = {
        {"nothing: the window", {}, Action::Window, {}, {}, {}, {}},
        {"picture alone", {"--export", "a.png"}, Action::Export, "a.png", {}, {}, {}},
        {"samples alone, value after =",
         {"--export-csv=a.csv"},
         Action::Export,
         {},
         "a.csv",
         {},
         {}},
        {"negative value in the next argument",
         {"--fase", "-30", "--export", "a.png"},
         Action::Export,
         "a.png",
         {},
         {},
         "-30"},
        {"value after = may itself hold =, or be empty",
         {"--export-csv", "b=c.csv", "--mdl=", "--fase==1"},
         Action::Export,
         {},
         "b=c.csv",
         "",
         "=1"},
        {"the locale's comma passes as it is",
         {"--mdl", "0,6", "--export", "x"},
         Action::Export,
         "x",
         {},
         "0,6",
         {}},
        {"help wins over everything",
         {"--export", "a.png", "--help"},
         Action::Help,
         "a.png",
         {},
         {},
         {}},
        {"values alone open the window with them", {"--mdl", "2"}, Action::Window, {}, {}, "2", {}},
        {"short help", {"-h"}, Action::Help, {}, {}, {}, {}},
        {"version", {"--version"}, Action::Version, {}, {}, {}, {}},
        {"short version", {"-v"}, Action::Version, {}, {}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine line = parseCommandLine(row.arguments);
        EXPECT_EQ(line.action, row.action);
        EXPECT_EQ(line.picturePath, row.picture);
        EXPECT_EQ(line.csvPath, row.csv);
        EXPECT_EQ(line.text(Parameter::Modulante), row.mdl);
        EXPECT_EQ(line.text(Parameter::Fase), row.fase);
    }
}

TEST(CommandLine, EachParameterHasItsOption) {
    const QStringList arguments = {"--export", "a.png", "--mdl", "1", "--vcc",  "2",
                                   "--bli",    "3",     "--bls", "4", "--fase", "5"};
    const CommandLine line = parseCommandLine(arguments);
    EXPECT_EQ(line.text(Parameter::Modulante), "1");
    EXPECT_EQ(line.text(Parameter::Vcc), "2");
    EXPECT_EQ(line.text(Parameter::BliSiNo), "3");
    EXPECT_EQ(line.text(Parameter::BlsSiNo), "4");
    EXPECT_EQ(line.text(Parameter::Fase), "5");
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstandWithASpanishMessage) {
    struct Row {
        const char* name;
        QStringList arguments;
        const char* message;
    };
    const Row rows[] = {
        {"unknown option", {"--frecuencia", "3"}, "Opción desconocida: «--frecuencia»."},
        {"single dash for a long option", {"-mdl", "3"}, "Opción desconocida: «-mdl»."},
        {"help takes no value", {"--help=1"}, "Opción desconocida: «--help=1»."},
        {"stray argument", {"--export", "a.png", "b.png"}, "Argumento inesperado: «b.png»."},
        {"lone dash", {"-"}, "Argumento inesperado: «-»."},
        {"value missing at the end",
         {"--export", "a.png", "--fase"},
         "Falta el valor de la opción «--fase»."},
        {"option twice",
         {"--export", "a.png", "--vcc", "1", "--vcc=2"},
         "La opción «--vcc» aparece más de una vez."},
        {"file twice",
         {"--export", "a.png", "--export", "b.png"},
         "La opción «--export» aparece más de una vez."},
        {"zoom with an export",
         {"--export", "a.png", "--zoom", "2"},
         "La opción --zoom solo sirve para abrir la ventana."},
        {"zoom with the readout",
         {"--medidas", "--zoom", "2"},
         "La opción --zoom solo sirve para abrir la ventana."},
        {"seconds without a sound",
         {"--export", "a.png", "--segundos", "3"},
         "La opción --segundos solo sirve junto con --export-wav."},
        {"zoom with a sound",
         {"--export-wav", "a.wav", "--zoom", "2"},
         "La opción --zoom solo sirve para abrir la ventana."},
        {"seed without an exercise",
         {"--medidas", "--semilla", "3"},
         "La opción --semilla solo sirve junto con --ejercicio."},
        {"hidden values of an exercise",
         {"--ejercicio", "indice", "--ocultar", "fase"},
         "Las opciones --ocultar y --ejercicio no van juntas: el ejercicio ya dice qué se oculta."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            parseCommandLine(row.arguments);
            ADD_FAILURE() << "accepted";
        } catch (const CommandLineError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string(row.message) + " Escriba «amsim --help» para ver las opciones.");
        }
    }
}

TEST(CommandLine, HelpNamesEveryOption) {
    const QString help = helpText();
    for (const char* option : {"--help", "--version", "--export ", "--export-csv", "--export-wav",
                               "--export-curva", "--segundos"}) {
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    }
    for (Parameter parameter : kAllParameters) {
        EXPECT_TRUE(help.contains("--" + optionName(parameter) + " VALOR"))
            << optionName(parameter).toStdString();
    }
}

// Every option the help lists has its entry in the manual's options, in the
// same order, and the manual lists no other.
TEST(CommandLine, TheManualListsTheOptionsOfTheHelp) {
    const QString options =
        helpText().section(QStringLiteral("Opciones:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QRegularExpression helpEntry(QStringLiteral(R"(^  (?:-\w, )?(--[a-z-]+))"),
                                       QRegularExpression::MultilineOption);
    QStringList inHelp;
    for (const QRegularExpressionMatch& match : helpEntry.globalMatch(options)) {
        inHelp << match.captured(1);
    }
    QFile manual(QStringLiteral(AMSIM_MANUAL));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString section = QString::fromUtf8(manual.readAll())
                                .section(QStringLiteral(".SH OPCIONES\n"), 1)
                                .section(QStringLiteral("\n.SH "), 0, 0);
    // The option of each tagged paragraph: its first long name, "\-" for "-".
    const QRegularExpression manualEntry(
        QStringLiteral(R"(^\.TP\n\.B[IR]? [^\n]*?((?:\\-){2}[a-z\\-]+))"),
        QRegularExpression::MultilineOption);
    QStringList inManual;
    for (const QRegularExpressionMatch& match : manualEntry.globalMatch(section)) {
        inManual << match.captured(1).remove(QLatin1Char('\\'));
    }
    EXPECT_GE(inHelp.size(), 19);
    EXPECT_EQ(inManual.join(' ').toStdString(), inHelp.join(' ').toStdString());
}

} // namespace
} // namespace amsim
