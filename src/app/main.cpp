#include "app/CommandLine.h"
#include "app/DesignFonts.h"
#include "app/Export.h"
#include "app/Form1.h"
#include "app/NativeNames.h"
#include "display/Error.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kFailed = 2;

// File names among them keep their very bytes (see NativeNames).
QStringList argumentsAfterName(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << amsim::argumentText(QByteArray(argv[i]));
    }
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

int fail(const QString& message) {
    print(stderr, message + QLatin1Char('\n'));
    return kFailed;
}

// The value given to an option, from the raw arguments, before Qt or the
// parser has seen them.
std::optional<QString> rawValue(const QStringList& arguments, const QString& option) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == option && i + 1 < arguments.size()) {
            return arguments.at(i + 1);
        }
        if (arguments.at(i).startsWith(option + QLatin1Char('='))) {
            return arguments.at(i).mid(option.size() + 1);
        }
    }
    return std::nullopt;
}

bool hasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// What Qt must know before it starts. An export draws the window in memory
// on the offscreen platform, whatever the environment asks for (a platform
// without its display would end the program), at the scale --scale gives.
// Without any display, Qt starts offscreen too, so that a bad option or
// --help is answered in words rather than by Qt stopping the program.
// Returns whether that was for want of a display.
bool prepareQt(const QStringList& arguments) {
    const bool exporting = std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.startsWith(QLatin1String("--export")) || a == QLatin1String("--medidas");
    });
    if (exporting) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        double scale = 1.0;
        try {
            scale = amsim::exportScale(rawValue(arguments, QStringLiteral("--scale")));
        } catch (const amsim::Error&) {
            // The export itself says what is wrong with the scale.
        }
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 17));
        return false;
    }
    if (!hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    return false;
}

void printMeasurements(const amsim::CommandLine& commandLine) {
    print(stdout,
          amsim::measurementLinesOf(commandLine).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// What the command line asks for, answered; the window, or nothing, when
// that is the answer.
std::optional<int> answer(const amsim::CommandLine& commandLine) {
    switch (commandLine.action) {
    case amsim::CommandLine::Action::Help:
        print(stdout, amsim::helpText());
        return 0;
    case amsim::CommandLine::Action::Version:
        print(stdout, amsim::versionText());
        return 0;
    case amsim::CommandLine::Action::Export:
        amsim::exportFiles(commandLine);
        if (commandLine.measurements) {
            printMeasurements(commandLine);
        }
        return 0;
    case amsim::CommandLine::Action::Measure:
        printMeasurements(commandLine);
        return 0;
    case amsim::CommandLine::Action::Window:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool noDisplay = prepareQt(argumentsAfterName(argc, argv));
    // Qt takes its own options (-platform, -style, -reverse, …) out of argv.
    QApplication application(argc, argv);
    amsim::installFontSubstitutes();
    try {
        if (const std::optional<int> status =
                answer(amsim::parseCommandLine(argumentsAfterName(argc, argv)))) {
            return *status;
        }
    } catch (const amsim::Error& error) {
        return fail(amsim::commandLineMessage(error));
    } catch (const std::exception& error) {
        return fail(
            QStringLiteral("Error interno del programa: %1").arg(QString::fromUtf8(error.what())));
    }
    if (noDisplay) {
        return fail(QStringLiteral("No se puede abrir la ventana: no hay ninguna pantalla. Para "
                                   "guardar la imagen sin pantalla, use --export."));
    }
    amsim::Form1 window;
    window.show();
    return QApplication::exec();
}
