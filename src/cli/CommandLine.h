#pragma once

#include "core/Parameters.h"
#include "flows/Bench.h"
#include "params/SettingText.h"

#include <QString>
#include <QStringList>
#include <array>
#include <exception>
#include <optional>

namespace amsim {

// The panels whose picture the command line exports, each with its option
// (without its dashes): a panel's export is one row here.
struct PanelExport {
    PanelKind panel;
    const char* option;
};
inline constexpr std::array<PanelExport, 1> kPanelExports{{{PanelKind::IqView, "export-iq"}}};

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action {
        Window,  // the simulator's window, with the texts given, if any
        Help,    // --help
        Version, // --version
        Export,  // --export, --export-csv, --export-wav, --export-espectro, --export-curva
                 // and/or a panel's, with no window shown
        Measure, // --medidas alone: the readout's lines on standard output
    };

    Action action = Action::Window;
    // The texts given for the parameter boxes, by Parameter; a box without
    // one keeps its load value.
    std::array<std::optional<QString>, kAllParameters.size()> texts{};
    std::optional<QString> picturePath;  // --export
    std::optional<QString> csvPath;      // --export-csv
    std::optional<QString> wavPath;      // --export-wav
    std::optional<QString> spectrumPath; // --export-espectro
    std::optional<QString> curvePath;    // --export-curva
    // A panel's picture, by the row of kPanelExports: --export-iq.
    std::array<std::optional<QString>, kPanelExports.size()> panelPaths{};
    std::optional<QString> secondsText;  // --segundos, with --export-wav
    std::optional<QString> instantText;  // --tiempo
    std::optional<QString> exerciseText; // --ejercicio: a code or a built-in exercise's name
    std::optional<QString> seedText;     // --semilla, with a built-in exercise
    std::optional<QString> hiddenText;   // --ocultar
    std::optional<QString> languageText; // --idioma, taken before the rest is read
    std::optional<QString> scaleText;    // --scale, with --export
    bool measurements = false;           // --medidas
    std::optional<QString> zoomText;     // --zoom, for the window

    std::optional<QString> text(Parameter parameter) const {
        return texts.at(static_cast<std::size_t>(parameter));
    }
};

// Reads, with QCommandLineParser, the arguments that follow the program's
// name, Qt's own options already taken out. An option takes its value from
// the next argument ("--fase -30") or after "=" ("--fase=-30"). Throws
// amsim::Error, in Spanish, for an unknown option, a missing or repeated
// value, a stray argument, or an option that belongs with another.
CommandLine parseCommandLine(const QStringList& arguments);

// The texts the command line gives the boxes, for the bench to start from.
GivenStart givenTexts(const CommandLine& commandLine);

// The option a parameter's value is given with, without its dashes.
QString optionName(Parameter parameter);

// The message the command line prints for a failure: the window's, except
// where the window's speaks of what stays on view.
QString commandLineMessage(const std::exception& failure);

QString helpText();
QString versionText();

} // namespace amsim
