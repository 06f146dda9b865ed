#include "app/CommandLine.h"

#include "display/Error.h"

#include <algorithm>

namespace amsim {

namespace {

std::string quoted(const QString& text) {
    return "«" + text.toStdString() + "»";
}

std::optional<Parameter> parameterOption(const QString& name) {
    const auto* found = std::find_if(kAllParameters.begin(), kAllParameters.end(),
                                     [&name](Parameter p) { return name == optionName(p); });
    return found == kAllParameters.end() ? std::nullopt : std::optional<Parameter>(*found);
}

void setOnce(std::optional<QString>& target, const QString& option, const QString& value) {
    if (target) {
        throw Error::commandLine("La opción " + quoted(option) + " aparece más de una vez.");
    }
    target = value;
}

// Splits "--name=value" and "--name value"; the value is taken from the next
// argument whatever it looks like, so negative numbers pass.
class ArgumentReader {
public:
    explicit ArgumentReader(const QStringList& arguments)
        : arguments_(arguments) {}

    bool atEnd() const { return next_ >= arguments_.size(); }
    QString take() { return arguments_.at(next_++); }

    QString valueOf(const QString& option, const std::optional<QString>& inlineValue) {
        if (inlineValue) {
            return *inlineValue;
        }
        if (atEnd()) {
            throw Error::commandLine("Falta el valor de la opción " + quoted(option) + ".");
        }
        return take();
    }

private:
    const QStringList& arguments_;
    qsizetype next_ = 0;
};

} // namespace

QString optionName(Parameter parameter) {
    switch (parameter) {
    case Parameter::Modulante:
        return QStringLiteral("mdl");
    case Parameter::Vcc:
        return QStringLiteral("vcc");
    case Parameter::BliSiNo:
        return QStringLiteral("bli");
    case Parameter::BlsSiNo:
        return QStringLiteral("bls");
    case Parameter::Fase:
        return QStringLiteral("fase");
    case Parameter::Envelope:
        return QStringLiteral("env");
    }
    return {};
}

namespace {

// One argument taken apart: "--vcc=0.8" is the option "--vcc", named "vcc",
// with the value "0.8" written inline.
struct SplitArgument {
    QString option;
    QString name;
    std::optional<QString> inlineValue;
};

SplitArgument split(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
        throw Error::commandLine("Argumento inesperado: " + quoted(argument) + ".");
    }
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    SplitArgument result{equals < 0 ? argument : argument.left(equals), {}, std::nullopt};
    if (equals >= 0) {
        result.inlineValue = argument.mid(equals + 1);
    }
    if (result.option.startsWith(QLatin1String("--"))) {
        result.name = result.option.mid(2);
    }
    return result;
}

bool isFlag(const SplitArgument& argument, QLatin1String shortForm, QLatin1String name) {
    return (argument.option == shortForm || argument.name == name) && !argument.inlineValue;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    bool help = false;
    bool version = false;
    bool anyParameter = false;
    ArgumentReader reader(arguments);
    while (!reader.atEnd()) {
        const QString argument = reader.take();
        const SplitArgument a = split(argument);
        if (isFlag(a, QLatin1String("-h"), QLatin1String("help"))) {
            help = true;
        } else if (isFlag(a, QLatin1String("-v"), QLatin1String("version"))) {
            version = true;
        } else if (a.name == QLatin1String("export")) {
            setOnce(result.picturePath, a.option, reader.valueOf(a.option, a.inlineValue));
        } else if (a.name == QLatin1String("export-csv")) {
            setOnce(result.csvPath, a.option, reader.valueOf(a.option, a.inlineValue));
        } else if (const std::optional<Parameter> parameter = parameterOption(a.name)) {
            setOnce(result.texts.at(static_cast<std::size_t>(*parameter)), a.option,
                    reader.valueOf(a.option, a.inlineValue));
            anyParameter = true;
        } else {
            throw Error::commandLine("Opción desconocida: " + quoted(argument) + ".");
        }
    }

    if (help) {
        result.action = CommandLine::Action::Help;
    } else if (version) {
        result.action = CommandLine::Action::Version;
    } else if (result.picturePath || result.csvPath) {
        result.action = CommandLine::Action::Export;
    } else if (anyParameter) {
        throw Error::commandLine("Los valores de los parámetros solo sirven junto con --export "
                                 "o --export-csv.");
    }
    return result;
}

QString commandLineMessage(const Error& error) {
    if (error.kind() != Error::Kind::TooLargeToDraw) {
        return QString::fromUtf8(error.what());
    }
    if (!error.parameter()) {
        return QStringLiteral("Desbordamiento: con estos valores el dibujo no se puede calcular, "
                              "porque algún resultado es demasiado grande. Escriba valores "
                              "menores.");
    }
    const Parameter culprit = *error.parameter();
    const std::string_view label = parameterLabel(culprit);
    return QStringLiteral("Desbordamiento: con el valor de «%1» (--%2) el dibujo no se puede "
                          "calcular, porque algún resultado es demasiado grande. Escriba un "
                          "valor menor.")
        .arg(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
             optionName(culprit));
}

QString helpText() {
    return QStringLiteral(
        "Uso: amsim [opciones]\n"
        "\n"
        "Simulador de AM, DSB y SSB. Sin opciones abre la ventana del simulador.\n"
        "\n"
        "Opciones:\n"
        "  -h, --help                Muestra esta ayuda y termina.\n"
        "  -v, --version             Muestra la versión y termina.\n"
        "  --export ARCHIVO.png      Guarda en ARCHIVO.png la imagen de la ventana entera,\n"
        "                            sin mostrarla ni necesitar pantalla, en el formato que\n"
        "                            dice la extensión: .png, .bmp, .jpg…\n"
        "  --export-csv ARCHIVO.csv  Guarda en ARCHIVO.csv las muestras de las seis trazas\n"
        "                            y del audio detectado, con punto decimal. Puede ser\n"
        "                            /dev/stdout, para leerlas en la salida estándar.\n"
        "  --mdl VALOR               Amplitud de la modulante (al empezar, 1).\n"
        "  --vcc VALOR               V(cc), nivel de continua que fija la portadora (1).\n"
        "  --bls VALOR               BLS habil: 1 deja pasar la banda lateral superior,\n"
        "                            0 la suprime (1).\n"
        "  --bli VALOR               BLI habil: lo mismo para la banda lateral inferior (1).\n"
        "  --fase VALOR              Fase de la portadora reinsertada, en grados (0).\n"
        "  --env VALOR               Detector de envolvente: 1 lo activa, 0 lo apaga (0).\n"
        "                            Activado, el archivo de muestras lleva también su\n"
        "                            salida, en la columna envolvente.\n"
        "\n"
        "Los valores se escriben como en las casillas de la ventana, con el separador\n"
        "decimal de la configuración regional (0,8 con coma decimal, 0.8 con punto).\n"
        "Si un valor no es válido, el programa muestra el mismo mensaje que la ventana,\n"
        "no escribe ningún archivo y termina con el código 2. Con las dos opciones de\n"
        "exportación se escriben los dos archivos o ninguno.\n"
        "\n"
        "Ejemplo:\n"
        "  amsim --export dsb.png --export-csv dsb.csv --vcc 0 --fase 30\n");
}

QString versionText() {
    return QStringLiteral("amsim " AMSIM_VERSION "\n");
}

} // namespace amsim
