#include "cli/CommandLine.h"

#include "cli/CliErrors.h"
#include "cli/FactorOption.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "files/NativeNames.h"
#include "params/Controls.h"
#include "params/NumberText.h"
#include "params/PanelTexts.h"
#include "params/ParameterHelp.h"
#include "params/UserMessage.h"

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
    QCommandLineOption scale{QStringLiteral("scale"), QString(), QStringLiteral("S")};
    QCommandLineOption seconds{QStringLiteral("segundos"), QString(), QStringLiteral("S")};
    QCommandLineOption measurements{QStringLiteral("medidas")};
    QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("Z")};
    QCommandLineOption instant{QStringLiteral("tiempo"), QString(), QStringLiteral("S")};
    std::vector<QCommandLineOption> parameters;

    Options() {
        std::transform(kAllParameters.begin(), kAllParameters.end(), std::back_inserter(parameters),
                       [](Parameter parameter) {
                           return QCommandLineOption(optionName(parameter), QString(),
                                                     QStringLiteral("VALOR"));
                       });
    }

    QList<QCommandLineOption> all() const {
        QList<QCommandLineOption> list{help,  version, picture,      csv,  wav,
                                       scale, seconds, measurements, zoom, instant};
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
            refuse("Opción desconocida: " + quoted(argument) + ".");
        }
        if (!option->valueName().isEmpty() && equals < 0) {
            if (i + 1 == arguments.size()) {
                refuse("Falta el valor de la opción " + quoted(argument) + ".");
            }
            ++i;
        }
    }
    refuse("No se entiende la línea de órdenes.");
}

// The one value an option was given, if any; twice is refused.
std::optional<QString> onlyValue(const QCommandLineParser& parser,
                                 const QCommandLineOption& option) {
    const QStringList values = parser.values(option);
    if (values.size() > 1) {
        refuse("La opción " + quoted("--" + option.names().constLast()) +
               " aparece más de una vez.");
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
    const bool exports = line.picturePath || line.csvPath || line.wavPath;
    const bool windowless = exports || line.measurements;
    if (windowless && line.zoomText) {
        refuse("La opción --zoom solo sirve para abrir la ventana.");
    }
    if (line.scaleText && !line.picturePath) {
        refuse("La opción --scale solo sirve junto con --export.");
    }
    if (line.secondsText && !line.wavPath) {
        refuse("La opción --segundos solo sirve junto con --export-wav.");
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
        refuse("Argumento inesperado: " + quoted(parser.positionalArguments().first()) + ".");
    }
    CommandLine line;
    line.picturePath = onlyValue(parser, options.picture);
    line.csvPath = onlyValue(parser, options.csv);
    line.wavPath = onlyValue(parser, options.wav);
    line.scaleText = onlyValue(parser, options.scale);
    line.secondsText = onlyValue(parser, options.seconds);
    line.measurements = parser.isSet(options.measurements);
    line.zoomText = onlyValue(parser, options.zoom);
    line.instantText = onlyValue(parser, options.instant);
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
    if (!error->parameter()) {
        return QStringLiteral("Desbordamiento: con estos valores el dibujo no se puede calcular, "
                              "porque algún resultado es demasiado grande. Escriba valores "
                              "menores.");
    }
    const Parameter culprit = *error->parameter();
    const std::string_view label = parameterLabel(culprit);
    return QStringLiteral("Desbordamiento: con el valor de «%1» (--%2) el dibujo no se puede "
                          "calcular, porque algún resultado es demasiado grande. Escriba un "
                          "valor menor.")
        .arg(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
             optionName(culprit));
}

namespace {

// A range as the help says it, in Spanish notation whatever the locale:
// "0,5 a 3".
QString spokenRange(FactorRange range) {
    const NumberFormat spanish{",", "E"};
    return QString::fromStdString(numberToText(range.least, spanish) + " a " +
                                  numberToText(range.most, spanish));
}

} // namespace

QString helpText() {
    return QStringLiteral(
               "Uso: amsim [opciones]\n"
               "\n"
               "%3. Sin opciones abre la ventana del simulador.\n"
               "\n"
               "Opciones:\n"
               "  -h, --help                Muestra esta ayuda y termina.\n"
               "  -v, --version             Muestra la versión y termina.\n"
               "  --export ARCHIVO.png      Guarda en ARCHIVO.png la imagen de la ventana entera,\n"
               "                            sin mostrarla ni necesitar pantalla, en el formato "
               "que\n"
               "                            dice la extensión: .png, .bmp, .jpg…, o en vectores,\n"
               "                            para diapositivas e impresión, con .svg y .pdf.\n"
               "  --scale S                 Con --export, la imagen que mostraría una pantalla "
               "con\n"
               "                            esa escala, de %1 (se admiten fracciones).\n"
               "  --medidas                 Escribe en la salida estándar una línea con los\n"
               "                            valores y luego las medidas que la ventana muestra\n"
               "                            bajo el dibujo, una por línea.\n"
               "  --zoom Z                  Abre la ventana ampliada o reducida por Z, de %2.\n"
               "                            Sin esta opción, la ventana que no cabe en la "
               "pantalla\n"
               "                            se abre reducida hasta caber.\n"
               "  --export-csv ARCHIVO.csv  Guarda en ARCHIVO.csv las muestras de las seis trazas\n"
               "                            y del audio detectado, con punto decimal, junto a la\n"
               "                            columna x de la pantalla y el tiempo t_ms en\n"
               "                            milisegundos (400 columnas son 1 ms). Puede ser\n"
               "                            /dev/stdout, para leerlas en la salida estándar.\n"
               "  --export-wav ARCHIVO.wav  Guarda en ARCHIVO.wav el sonido del receptor: el "
               "audio\n"
               "                            del detector de producto, o el del detector de\n"
               "                            envolvente si está activado, sin su continua, mono,\n"
               "                            a 48 kHz y 16 bits. El nivel es el mismo en todos los\n"
               "                            modos: 1 V de audio es media escala; lo que pase de\n"
               "                            la escala completa (2 V) se recorta. Puede ser\n"
               "                            /dev/stdout, para pasarlo a otro programa.\n"
               "  --segundos S              Con --export-wav, la duración del sonido, de %4\n"
               "                            segundos (2).\n"
               "  --tiempo S                El instante del banco, en segundos desde que empieza,\n"
               "                            de %5 (0): lo muestran la imagen, las\n"
               "                            muestras, las medidas y el principio del sonido.\n"
               "                            La ventana se abre con el tiempo detenido en ese\n"
               "                            instante.\n"
               "%6"
               "\n"
               "Sin exportar, los valores abren la ventana con ellos en sus casillas:\n"
               "  amsim --vcc 0 --bls 0     abre el banco en SSB sin portadora.\n"
               "\n"
               "Los valores se escriben como en las casillas de la ventana, con el separador\n"
               "decimal de la configuración regional (0,8 con coma decimal, 0.8 con punto).\n"
               "Si un valor no es válido, el programa muestra el mismo mensaje que la ventana,\n"
               "no escribe ningún archivo y termina con el código 2. Con varias opciones de\n"
               "exportación se escriben todos los archivos o ninguno.\n"
               "\n"
               "Acepta también las opciones propias de Qt, como -platform, -style o -reverse,\n"
               "para la ventana; al exportar no cambian nada: el tamaño lo fija --scale.\n"
               "\n"
               "Ejemplos:\n"
               "  amsim --export dsb.png --export-csv dsb.csv --vcc 0 --fase 30\n"
               "  amsim --export banco.pdf --bls 0\n"
               "  amsim --export banco.png --scale 2\n"
               "  amsim --export-wav ssb.wav --segundos 5 --vcc 0 --bls 0\n"
               "  amsim --export-wav gorgoteo.wav --vcc 0 --df 1\n"
               "  amsim --export deriva.png --vcc 0 --bls 0 --df 100\n")
        .arg(spokenRange(kScaleRange), spokenRange(kZoomRange),
             QString::fromUtf8(kWindowTitle.data(), static_cast<qsizetype>(kWindowTitle.size())),
             spokenRange(kSecondsRange), spokenRange(kInstantRange),
             QString::fromStdString(helpOptionLines()));
}

QString versionText() {
    return QStringLiteral("amsim " AMSIM_VERSION "\n");
}

} // namespace amsim
