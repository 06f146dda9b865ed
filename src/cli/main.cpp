#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "app/QtTranslation.h"
#include "app/RememberedLanguage.h"
#include "app/ZoomedWindow.h"
#include "cli/CommandLine.h"
#include "cli/Export.h"
#include "cli/FactorOption.h"
#include "cli/Measurements.h"
#include "cli/QtEnvironment.h"
#include "core/Error.h"
#include "files/NativeNames.h"
#include "files/Replacements.h"
#include "texts/Catalogue.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

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

// The factor an option gives before Qt starts, or nothing when it gives
// none that is good; the command line's parse says then what is wrong.
std::optional<double> factorBeforeQt(const QStringList& arguments, const char* option,
                                     amsim::FactorRange range) {
    const std::optional<QString> text = rawValue(arguments, QString::fromLatin1(option));
    try {
        return text ? std::optional<double>(amsim::factorOption(text, option, range))
                    : std::nullopt;
    } catch (const amsim::Error&) {
        return std::nullopt;
    }
}

void setScaleFactor(double factor) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 17));
}

// The zoom that fits the window of the design size, frame and all, on the
// primary screen, asked of Qt started for that alone.
std::optional<double> zoomToFitTheScreen(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc + 1);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    // Room for a window manager's frame and title bar.
    constexpr QSizeF kFrame(16, 48);
    return amsim::zoomToFit(QSizeF(amsim::kWindowDesignSize) + kFrame,
                            screen->availableGeometry().size());
}

// What Qt must know before it starts, and what the window is zoomed to fit
// its screen by. An export draws the window in memory on the offscreen
// platform, whatever the environment or Qt's own options ask for (a platform
// without its display would end the program, another open a port), at the
// scale --scale gives and no other. The window opens at the zoom --zoom
// gives, or small enough to fit the screen, and at a sane scale whatever
// Qt's variables say. Without any display, Qt starts offscreen, so that a
// bad option or --help is answered in words rather than by Qt stopping the
// program. Nothing here starts a thread for an export.
struct QtStart {
    bool noDisplay = false;
    std::optional<double> fittingZoom;
    bool isolated = false; // Qt gets none of the arguments
    bool exports = false;  // files are written
};

QtStart prepareQt(int argc, char* argv[]) {
    const QStringList arguments = argumentsAfterName(argc, argv);
    const auto given = [&arguments](const char* option) {
        return std::any_of(arguments.begin(), arguments.end(), [option](const QString& a) {
            return a.startsWith(QString::fromLatin1(option));
        });
    };
    if (given("--export") || given("--medidas")) {
        amsim::isolateFromTheEnvironment(
            factorBeforeQt(amsim::withoutQtOptions(arguments), "--scale", amsim::kScaleRange)
                .value_or(1.0));
        return {false, std::nullopt, true, given("--export")};
    }
    // The zoom replaces QT_SCALE_FACTOR, and with the other variables may
    // not scale the window past what they may alone.
    const std::optional<double> zoom =
        given("--zoom") ? factorBeforeQt(arguments, "--zoom", amsim::kZoomRange) : std::nullopt;
    const std::optional<double> scaledBy = zoom && *zoom >= 1.0 ? zoom : std::nullopt;
    if (const QString dropped = amsim::dropAbsurdScale(scaledBy); !dropped.isEmpty()) {
        print(stderr, dropped + QLatin1Char('\n'));
    }
    if (!hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return {true, std::nullopt};
    }
    if (given("--help") || given("--version") || given("-h") || given("-v")) {
        return {};
    }
    if (given("--zoom")) {
        if (scaledBy) {
            setScaleFactor(*scaledBy);
        }
        return {};
    }
    return {false, zoomToFitTheScreen(argc, argv)};
}

void printMeasurements(const amsim::CommandLine& commandLine) {
    print(stdout,
          amsim::measurementLinesOf(commandLine).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// The window, with the values the command line gives in its boxes, which its
// first redraw checks as it checks typed ones. Below a zoom of 1, asked for
// or needed to fit the screen, it is shown scaled down.
int openWindow(const amsim::CommandLine& commandLine, const QtStart& start) {
    const double zoom = amsim::factorOption(commandLine.zoomText, "--zoom", amsim::kZoomRange);
    if (start.noDisplay) {
        return fail(QString::fromUtf8(amsim::catalogueText("cli.noDisplay")));
    }
    const std::optional<std::string> asked =
        commandLine.languageText ? std::optional(commandLine.languageText->toStdString())
                                 : std::nullopt;
    const std::optional<std::string> remembered = amsim::rememberedLanguage();
    amsim::startLanguage(asked, remembered);
    amsim::followLanguageInQt();
    amsim::GivenStart given = amsim::givenTexts(commandLine);
    if (commandLine.instantText) {
        given.instant = amsim::instantOption(commandLine.instantText);
    }
    auto* window = new amsim::Form1(QLocale::system());
    window->offerSound();
    window->load(given);
    if (start.fittingZoom) {
        window->setZoom(*start.fittingZoom);
    }
    const double below = start.fittingZoom.value_or(zoom);
    if (below < 1.0) {
        amsim::ZoomedWindow zoomed(window, below);
        zoomed.show();
        return QApplication::exec();
    }
    const std::unique_ptr<amsim::Form1> owned(window);
    window->show();
    return QApplication::exec();
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

// The help, the version and arguments that do not read are answered before
// Qt starts: its platform would speak on standard error of a missing runtime
// folder. Qt's own options are taken out as Qt takes them.
std::optional<int> answerBeforeQt(int argc, char* argv[]) {
    try {
        const amsim::CommandLine commandLine =
            amsim::parseCommandLine(amsim::withoutQtOptions(argumentsAfterName(argc, argv)));
        if (commandLine.action == amsim::CommandLine::Action::Help ||
            commandLine.action == amsim::CommandLine::Action::Version) {
            return answer(commandLine);
        }
        return std::nullopt;
    } catch (const std::exception& failure) {
        return fail(amsim::commandLineMessage(failure));
    }
}

// The language of --idioma, before anything is said; a language no catalogue
// has is refused at once, naming it.
std::optional<int> chooseLanguage(int argc, char* argv[]) {
    const std::optional<QString> asked =
        rawValue(amsim::withoutQtOptions(argumentsAfterName(argc, argv)),
                 QStringLiteral("--") + QString::fromLatin1(amsim::kLanguageOption));
    if (!asked || amsim::startLanguage(asked->toStdString(), std::nullopt)) {
        return std::nullopt;
    }
    return fail(QString::fromUtf8(amsim::Error::unknownLanguage(asked->toStdString()).what()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = chooseLanguage(argc, argv)) {
        return *status;
    }
    if (const std::optional<int> status = answerBeforeQt(argc, argv)) {
        return *status;
    }
    const QtStart start = prepareQt(argc, argv);
    if (start.exports) {
        amsim::Replacements::watchEndingSignals(); // before Qt starts any thread
    }
    if (start.isolated) {
        amsim::keepQtNotesQuiet();
    }
    // Qt takes its own options (-platform, -style, -reverse, …) out of argv,
    // except for an export, which gives it the program's name alone.
    int qtCount = start.isolated ? 1 : argc;
    QApplication application(qtCount, argv);
    amsim::installFontSubstitutes();
    amsim::followLanguageInQt();
    try {
        const amsim::CommandLine commandLine = amsim::parseCommandLine(
            start.isolated ? amsim::withoutQtOptions(argumentsAfterName(argc, argv))
                           : argumentsAfterName(qtCount, argv));
        if (const std::optional<int> status = answer(commandLine)) {
            return *status;
        }
        return openWindow(commandLine, start);
    } catch (const std::exception& failure) {
        return fail(amsim::commandLineMessage(failure));
    }
}
