#include "cli/Export.h"

#include "app/Form1.h"
#include "app/WindowFiles.h"
#include "cli/CliErrors.h"
#include "cli/CurveExport.h"
#include "cli/FactorOption.h"
#include "core/Error.h"
#include "files/FileErrors.h"
#include "files/OutputFiles.h"
#include "files/QuotedName.h"
#include "sound/SoundGenerator.h"
#include "texts/Catalogue.h"
#include "texts/Grammar.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <vector>

namespace amsim {

namespace {

// A file's name and what it is to hold, as messages say it with the gender
// of its noun, before it is made.
struct OutputName {
    QString path;
    QString what;
    TextKey gender;
};

QString curveWhat() {
    return QString::fromUtf8(catalogueText("snrCurve.file"));
}

OutputName savedName(const QString& path, SavedFile file) {
    return {path, savedWhat(file), savedWhatGender(file)};
}

// The files asked for, in the order they are made.
std::vector<OutputName> outputNames(const CommandLine& commandLine) {
    std::vector<OutputName> names;
    if (commandLine.picturePath) {
        names.push_back(savedName(*commandLine.picturePath, SavedFile::Image));
    }
    if (commandLine.csvPath) {
        names.push_back(savedName(*commandLine.csvPath, SavedFile::Data));
    }
    if (commandLine.wavPath) {
        names.push_back(savedName(*commandLine.wavPath, SavedFile::Sound));
    }
    if (commandLine.curvePath) {
        names.push_back({*commandLine.curvePath, curveWhat(), "snrCurve.file.gender"});
    }
    if (commandLine.spectrumPath) {
        names.push_back(savedName(*commandLine.spectrumPath, SavedFile::Spectrum));
    }
    for (const std::optional<QString>& path : commandLine.panelPaths) {
        if (path) {
            names.push_back(savedName(*path, SavedFile::Image));
        }
    }
    return names;
}

// Refuses two names for one file: the same name twice, or two names of
// which one leads to the other (a link, "./a" and "a").
void requireDistinctFiles(const std::vector<OutputName>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            const OutputName& first = names[i];
            const OutputName& second = names[j];
            if (!sameFile(first.path, second.path)) {
                continue;
            }
            throw CommandLineError(
                filled(agreeingGender({first.gender, second.gender}, "cli.sameFile.masculine",
                                      "cli.sameFile.feminine"),
                       {{"files", listed({quotedName(first.path), quotedName(second.path)})},
                        {"whats", listed({first.what.toStdString(), second.what.toStdString()})}}));
        }
    }
}

// A stream takes the sound whatever its name: a WAV's size is known
// before its first byte is written.
void requireWavName(const QString& path) {
    if (formatOfName(path) != "wav" && !namesAStream(path)) {
        throw CommandLineError(filled("cli.wavName", {{"name", quotedName(path)}}));
    }
}

// The picture's format is the one its name's extension names, when it can
// be written and holds the whole window: a.bmp is a BMP, a.jpg a JPEG, a.svg
// and a.pdf vectors.
QByteArray imageFormatOf(const QString& path) {
    QByteArray suffix = formatOfName(path);
    if (isIconFormat(suffix)) {
        throw CommandLineError(filled("cli.iconFormat", {{"name", quotedName(path)},
                                                         {"format", suffix.toStdString()},
                                                         {"formats", wholeWindowFormats()}}));
    }
    if (!holdsWholeWindow(suffix)) {
        throw CommandLineError(filled("cli.pictureName", {{"name", quotedName(path)}}));
    }
    return suffix;
}

void requirePanelPictureName(const QString& path) {
    if (!holdsPanelPicture(formatOfName(path))) {
        throw CommandLineError(filled("cli.panelPictureName", {{"name", quotedName(path)}}));
    }
}

// As on a desktop: the window shown and active, its first picture drawn,
// encoded for the file at path.
QByteArray pictureOf(Form1& form, const QString& path, const QByteArray& format) {
    form.show();
    form.activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!form.isActiveWindow() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    const std::optional<QByteArray> picture = windowPicture(form, format);
    if (!picture) {
        throw WriteError(
            path, filled("file.reason.encoding", {{"format", format.toUpper().toStdString()}}));
    }
    return *picture;
}

} // namespace

double exportScale(const std::optional<QString>& text) {
    return factorOption(text, "--scale", kScaleRange);
}

double exportSeconds(const std::optional<QString>& text) {
    return text ? factorOption(text, "--segundos", kSecondsRange) : kSoundFileSeconds;
}

void exportFiles(const CommandLine& commandLine) {
    exportScale(commandLine.scaleText);
    const double seconds = exportSeconds(commandLine.secondsText);
    const double instant = instantOption(commandLine.instantText);
    const QByteArray format =
        commandLine.picturePath ? imageFormatOf(*commandLine.picturePath) : QByteArray();
    if (commandLine.wavPath) {
        requireWavName(*commandLine.wavPath);
    }
    if (commandLine.curvePath) {
        requireCurveName(*commandLine.curvePath);
    }
    for (const std::optional<QString>& path : commandLine.panelPaths) {
        if (path) {
            requirePanelPictureName(*path);
        }
    }
    requireDistinctFiles(outputNames(commandLine));
    // The window's bench starts as the window's would, before it is shown:
    // whatever would stop its first picture stops the export, with the
    // message the window would show.
    Form1 form(QLocale::system(), nullptr, BenchClock::standingAt(instant));
    Bench& bench = form.bench();
    bench.start(givenTexts(commandLine));

    std::vector<OutputFile> outputs;
    if (commandLine.csvPath) {
        outputs.push_back(
            {*commandLine.csvPath, bytesOf(bench.csvBytes()), savedWhat(SavedFile::Data)});
    }
    if (commandLine.wavPath) {
        outputs.push_back(
            {*commandLine.wavPath, bytesOf(bench.wavBytes(seconds)), savedWhat(SavedFile::Sound)});
    }
    if (commandLine.spectrumPath) {
        outputs.push_back({*commandLine.spectrumPath, bytesOf(bench.spectrumBytes()),
                           savedWhat(SavedFile::Spectrum)});
    }
    if (commandLine.curvePath) {
        outputs.push_back({*commandLine.curvePath,
                           curveFile(*commandLine.curvePath, bench.boxes(), form.instant()),
                           curveWhat()});
    }
    for (std::size_t i = 0; i < kPanelExports.size(); ++i) {
        if (const std::optional<QString>& path = commandLine.panelPaths.at(i)) {
            outputs.push_back(
                {*path,
                 panelPictureBytes(*panelPicture(kPanelExports.at(i).panel), bench.boxes(),
                                   form.instant(), formatOfName(*path)),
                 savedWhat(SavedFile::Image)});
        }
    }
    if (commandLine.picturePath) {
        outputs.push_back({*commandLine.picturePath,
                           pictureOf(form, *commandLine.picturePath, format),
                           savedWhat(SavedFile::Image)});
    }
    writeAll(outputs);
}

} // namespace amsim
