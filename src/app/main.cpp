#include "app/CommandLine.h"
#include "app/DesignFonts.h"
#include "app/Export.h"
#include "app/Form1.h"
#include "app/NativeNames.h"
#include "display/Error.h"

#include <QApplication>
#include <cstdio>

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

// No window is shown, so no display is needed: the offscreen platform draws
// the window in memory, whatever platform the environment asks for (one
// without its display would end the program). Qt sees only the program's
// name, never the options meant for the export.
int exportWithoutWindow(char* programName, const amsim::CommandLine& commandLine) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {programName, nullptr};
    QApplication application(argc, argv);
    amsim::installFontSubstitutes();
    amsim::exportFiles(commandLine);
    return 0;
}

int openWindow(int argc, char* argv[]) {
    QApplication application(argc, argv);
    amsim::installFontSubstitutes();
    amsim::Form1 window;
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        const amsim::CommandLine commandLine =
            amsim::parseCommandLine(argumentsAfterName(argc, argv));
        switch (commandLine.action) {
        case amsim::CommandLine::Action::Help:
            print(stdout, amsim::helpText());
            return 0;
        case amsim::CommandLine::Action::Version:
            print(stdout, amsim::versionText());
            return 0;
        case amsim::CommandLine::Action::Export:
            return exportWithoutWindow(argv[0], commandLine);
        case amsim::CommandLine::Action::Window:
            break;
        }
    } catch (const amsim::Error& error) {
        return fail(amsim::commandLineMessage(error));
    } catch (const std::exception& error) {
        return fail(
            QStringLiteral("Error interno del programa: %1").arg(QString::fromUtf8(error.what())));
    }
    return openWindow(argc, argv);
}
