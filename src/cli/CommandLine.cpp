#include "cli/CommandLine.h"

#include "cli/CliErrors.h"
#include "cli/FactorOption.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "files/NativeNames.h"
#include "params/BuiltInExercises.h"
#include "params/Controls.h"
#include "params/NumberText.h"
#include "params/PanelTexts.h"
#include "params/ParameterHelp.h"
#include "params/UserMessage.h"
#include "texts/Catalogue.h"
#include "texts/Grammar.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <algorithm>
#include <iterator>
#include <vector>

namespace amsim {

namespace {

std::string quoted(const QString& text) {
    return quotedText(text.toStdString());
}

[[noreturn]] void refuse(const std::string& message) {
    throw CommandLineError(message);
}

// The program's options, as QCommandLineParser reads them. Qt's own options
// (-platform, -style, …) never reach it: QApplication takes them first.
struct Options {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption picture{QStringLiteral("export"), QString(), QStringLiteral("ARCHIVO")};
    QCommandLineOption csv{QStringLiteral("export-csv"), QString(), QStringLiteral("ARCHIVO")};
    QCommandLineOption wav{QStringLiteral("export-wav"), QString(), QStringLiteral("ARCHIVO")};
    QCommandLineOption spectrum{QStringLiteral("export-espectro"), QString(),
                                QStringLiteral("ARCHIVO")};
    QCommandLineOption curve{QStringLiteral("export-curva"), QString(), QStringLiteral("ARCHIVO")};
    QCommandLineOption scale{QStringLiteral("scale"), QString(), QStringLiteral("S")};
    QCommandLineOption seconds{QStringLiteral("segundos"), QString(), QStringLiteral("S")};
    QCommandLineOption measurements{QStringLiteral("medidas")};
    QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("Z")};
    QCommandLineOption instant{QStringLiteral("tiempo"), QString(), QStringLiteral("S")};
    QCommandLineOption exercise{QStringLiteral("ejercicio"), QString(), QStringLiteral("CÓDIGO")};
    QCommandLineOption seed{QStringLiteral("semilla"), QString(), QStringLiteral("N")};
    QCommandLineOption hidden{QStringLiteral("ocultar"), QString(), QStringLiteral("NOMBRES")};
    QCommandLineOption language{QString::fromLatin1(kLanguageOption), QString(),
                                QStringLiteral("IDIOMA")};
    std::vector<QCommandLineOption> parameters;
    std::vector<QCommandLineOption> panels;

    Options() {
        std::transform(kPanelExports.begin(), kPanelExports.end(), std::back_inserter(panels),
                       [](const PanelExport& panel) {
                           return QCommandLineOption(QString::fromLatin1(panel.option), QString(),
                                                     QStringLiteral("ARCHIVO"));
                       });
        std::transform(kAllParameters.begin(), kAllParameters.end(), std::back_inserter(parameters),
                       [](Parameter parameter) {
                           return QCommandLineOption(
                               optionName(parameter), QString(),
                               QString::fromUtf8(catalogueText("cli.valueName")));
                       });
    }

    QList<QCommandLineOption> all() const {
        QList<QCommandLineOption> list{help,  version, picture,      csv,  wav,    spectrum,
                                       scale, seconds, measurements, zoom, instant};
        list.append(curve);
        list.append({exercise, seed, hidden, language});
        list.append(QList<QCommandLineOption>(panels.begin(), panels.end()));
        list.append(QList<QCommandLineOption>(parameters.begin(), parameters.end()));
        return list;
    }
};

// The option of this name, if there is one.
const QCommandLineOption* findOption(const QList<QCommandLineOption>& options,
                                     const QString& name) {
    const auto found =
        std::find_if(options.begin(), options.end(), [&name](const QCommandLineOption& option) {
            return option.names().contains(name);
        });
    return found == options.end() ? nullptr : &*found;
}

// When the parser refuses, the first argument it could not take, in the
// program's own words and as the user typed it: an unknown option (a long
// name after one dash included), a flag given a value, or a value missing.
[[noreturn]] void explainRefusal(const QStringList& arguments,
                                 const QList<QCommandLineOption>& options) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            break;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            continue;
        }
        const bool longForm = argument.startsWith(QLatin1String("--"));
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name =
            argument.mid(longForm ? 2 : 1, equals < 0 ? -1 : equals - (longForm ? 2 : 1));
        const QCommandLineOption* option = findOption(options, name);
        if (option == nullptr || (!longForm && name.size() > 1) ||
            (option->valueName().isEmpty() && equals >= 0)) {
            refuse(filled("cli.unknownOption", {{"argument", quoted(argument)}}));
        }
        if (!option->valueName().isEmpty() && equals < 0) {
            if (i + 1 == arguments.size()) {
                refuse(filled("cli.missingValue", {{"argument", quoted(argument)}}));
            }
            ++i;
        }
    }
    refuse(std::string(catalogueText("cli.unreadable")));
}

// The one value an option was given, if any; twice is refused.
std::optional<QString> onlyValue(const QCommandLineParser& parser,
                                 const QCommandLineOption& option) {
    const QStringList values = parser.values(option);
    if (values.size() > 1) {
        refuse(filled("cli.twice", {{"option", quoted("--" + option.names().constLast())}}));
    }
    return values.isEmpty() ? std::nullopt : std::optional<QString>(values.first());
}

CommandLine::Action actionOf(const QCommandLineParser& parser, const Options& options,
                             const CommandLine& line) {
    if (parser.isSet(options.help)) {
        return CommandLine::Action::Help;
    }
    if (parser.isSet(options.version)) {
        return CommandLine::Action::Version;
    }
    const bool exports =
        line.picturePath || line.csvPath || line.wavPath || line.spectrumPath || line.curvePath ||
        std::any_of(line.panelPaths.begin(), line.panelPaths.end(),
                    [](const std::optional<QString>& path) { return path.has_value(); });
    const bool windowless = exports || line.measurements;
    if (windowless && line.zoomText) {
        refuse(std::string(catalogueText("cli.zoomWindowOnly")));
    }
    if (line.scaleText && !line.picturePath) {
        refuse(std::string(catalogueText("cli.scaleWithExport")));
    }
    if (line.secondsText && !line.wavPath) {
        refuse(std::string(catalogueText("cli.secondsWithWav")));
    }
    if (exports) {
        return CommandLine::Action::Export;
    }
    return line.measurements ? CommandLine::Action::Measure : CommandLine::Action::Window;
}

} // namespace

GivenStart givenTexts(const CommandLine& commandLine) {
    GivenStart given;
    for (const Parameter parameter : kAllParameters) {
        // The box is given the argument's own bytes: a byte that is not
        // UTF-8 is the engine's to show, as in a typed text.
        if (const std::optional<QString> text = commandLine.text(parameter)) {
            given.texts.at(static_cast<std::size_t>(parameter)) =
                fileNameBytes(*text).toStdString();
        }
    }
    const auto utf8 = [](const std::optional<QString>& text) {
        return text ? std::optional(text->toStdString()) : std::nullopt;
    };
    given.exercise = utf8(commandLine.exerciseText);
    given.seed = utf8(commandLine.seedText);
    given.hidden = utf8(commandLine.hiddenText);
    return given;
}

QString optionName(Parameter parameter) {
    const std::string_view name = optionOf(parameter);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

CommandLine parseCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    if (!parser.parse(QStringList{QStringLiteral("amsim")} + arguments)) {
        explainRefusal(arguments, options.all());
    }
    if (!parser.positionalArguments().isEmpty()) {
        refuse(
            filled("cli.unexpected", {{"argument", quoted(parser.positionalArguments().first())}}));
    }
    CommandLine line;
    line.picturePath = onlyValue(parser, options.picture);
    line.csvPath = onlyValue(parser, options.csv);
    line.wavPath = onlyValue(parser, options.wav);
    line.spectrumPath = onlyValue(parser, options.spectrum);
    line.curvePath = onlyValue(parser, options.curve);
    for (std::size_t i = 0; i < kPanelExports.size(); ++i) {
        line.panelPaths.at(i) = onlyValue(parser, options.panels.at(i));
    }
    line.scaleText = onlyValue(parser, options.scale);
    line.secondsText = onlyValue(parser, options.seconds);
    line.measurements = parser.isSet(options.measurements);
    line.zoomText = onlyValue(parser, options.zoom);
    line.instantText = onlyValue(parser, options.instant);
    line.exerciseText = onlyValue(parser, options.exercise);
    line.seedText = onlyValue(parser, options.seed);
    line.hiddenText = onlyValue(parser, options.hidden);
    line.languageText = onlyValue(parser, options.language);
    if (line.seedText && !line.exerciseText) {
        refuse(std::string(catalogueText("cli.seedWithExercise")));
    }
    if (line.hiddenText && line.exerciseText) {
        refuse(std::string(catalogueText("cli.hiddenOrExercise")));
    }
    for (std::size_t i = 0; i < kAllParameters.size(); ++i) {
        line.texts.at(i) = onlyValue(parser, options.parameters.at(i));
    }
    line.action = actionOf(parser, options, line);
    return line;
}

QString commandLineMessage(const std::exception& failure) {
    const auto* error = dynamic_cast<const Error*>(&failure);
    if (error == nullptr || error->kind() != Error::Kind::TooLargeToDraw) {
        return QString::fromStdString(userMessageOf(failure).text);
    }
    const std::optional<Parameter> culprit = error->parameter();
    const std::optional<std::string> box =
        culprit ? std::optional(
                      filled("cli.boxAndOption", {{"label", quotedLabel(*culprit)},
                                                  {"option", optionName(*culprit).toStdString()}}))
                : std::nullopt;
    return QString::fromStdString(overflowMessage(box, false));
}

namespace {

// The built-in exercises' names, as --ejercicio takes them.
// Broken into the help's column of descriptions.
std::string builtInNames() {
    constexpr std::size_t kWidth = 50;
    const std::string indent(28, ' ');
    std::string names;
    std::size_t line = 0;
    for (const BuiltInExercise& exercise : builtInExercises()) {
        const std::string name = (names.empty() ? "" : ", ") + std::string(exercise.name);
        if (line + name.size() > kWidth) {
            names += ",\n" + indent;
            line = 0;
            names += exercise.name;
            line += exercise.name.size();
            continue;
        }
        names += name;
        line += name.size();
    }
    return names;
}

// A range as the help says it, in the notation of the language in use
// whatever the locale: "0,5 a 3".
QString spokenRange(FactorRange range) {
    const NumberFormat written = textFormat();
    return QString::fromStdString(
        filled("number.range", {{"least", numberToText(range.least, written)},
                                {"most", numberToText(range.most, written)}}));
}

} // namespace

QString helpText() {
    const auto spoken = [](FactorRange range) { return spokenRange(range).toStdString(); };
    return QString::fromStdString(filled(
        "cli.help", {{"scale", spoken(kScaleRange)},
                     {"zoom", spoken(kZoomRange)},
                     {"title", catalogueText("window.title")},
                     {"seconds", spoken(kSecondsRange)},
                     {"instant", spoken(kInstantRange)},
                     {"exercises", builtInNames()},
                     {"options", helpOptionLines() +
                                     std::string(catalogueText("cli.languageOption")) + "\n"}}));
}

QString versionText() {
    return QStringLiteral("amsim " AMSIM_VERSION "\n");
}

} // namespace amsim
