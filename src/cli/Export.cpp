#include "cli/Export.h"

#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "app/LocaleFormat.h"
#include "cli/CliErrors.h"
#include "cli/FactorOption.h"
#include "cli/OutputFiles.h"
#include "cli/SignalCsv.h"
#include "core/Error.h"
#include "display/Graficar.h"
#include "params/PanelTexts.h"
#include "qtcanvas/QtRasterCanvas.h"
#include "signals/ChannelNoise.h"
#include "signals/SignalTable.h"
#include "sound/SoundGenerator.h"
#include "sound/WavFile.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QThread>
#include <algorithm>
#include <vector>

namespace amsim {

namespace {

// The option texts go into the boxes before the window is first shown,
// which is when it draws its first picture.
void writeTexts(const CommandLine& commandLine, const Form1& form) {
    for (Parameter parameter : kAllParameters) {
        if (const std::optional<QString> text = commandLine.text(parameter)) {
            form.box(parameter)->setText(*text);
        }
    }
}

BoxReader readerOf(const Form1& form) {
    return {[&form](Parameter parameter) { return form.box(parameter)->text().toStdString(); },
            numberFormatOf(QLocale::system())};
}

// The redraw the window is about to do, on a canvas of its own: whatever
// would stop it stops the export, with the message the window would show.
void checkRedraw(const Form1& form) {
    BoxReader reader = readerOf(form);
    QtRasterCanvas canvas(form.size(), windowFont(), QColor(Qt::black));
    Graficar(canvas, reader, WindowValues{});
}

QByteArray csvOf(const Form1& form) {
    BoxReader reader = readerOf(form);
    const std::string text = signalCsv(sampleSignals(reader, WindowValues{}));
    return {text.data(), static_cast<qsizetype>(text.size())};
}

// The sound from where the screen begins, the bench's clock standing still.
QByteArray wavOf(const Form1& form, double seconds) {
    BoxReader reader = readerOf(form);
    const ParameterValues values = valuesOf([&reader](Parameter box) { return reader.read(box); });
    const auto count = static_cast<std::size_t>(std::lround(seconds * kSoundRate));
    const std::vector<std::uint8_t> bytes =
        wavBytes(soundSamples(values, kScreenFirstSample, count));
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

// The files asked for, in the order they are made.
std::vector<OutputName> outputNames(const CommandLine& commandLine) {
    std::vector<OutputName> names;
    if (commandLine.picturePath) {
        names.push_back({*commandLine.picturePath, QStringLiteral("la imagen")});
    }
    if (commandLine.csvPath) {
        names.push_back({*commandLine.csvPath, QStringLiteral("las muestras")});
    }
    if (commandLine.wavPath) {
        names.push_back({*commandLine.wavPath, QStringLiteral("el sonido")});
    }
    return names;
}

void requireWavName(const QString& path) {
    if (QFileInfo(path).suffix().toLower() != QLatin1String("wav")) {
        throw CommandLineError("El sonido «" + path.toStdString() +
                               "» necesita la extensión .wav.");
    }
}

QString windowTitle() {
    return QString::fromUtf8(kWindowTitle.data(), static_cast<qsizetype>(kWindowTitle.size()));
}

// Formats that hold the window as vectors rather than pixels.
bool isVector(const QByteArray& format) {
    return format == "svg" || format == "pdf";
}

// Icon formats, at most 256 pixels a side: the window would be shrunk into one.
bool isIcon(const QByteArray& format) {
    return format == "ico" || format == "cur" || format == "icns";
}

// The extensions of the formats that hold the whole window: ".bmp, .jpg, …".
std::string wholeWindowFormats() {
    QByteArrayList formats{"pdf", "svg"};
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        if (!isIcon(format)) {
            formats << format;
        }
    }
    std::sort(formats.begin(), formats.end());
    return "." + formats.join(", .").toStdString();
}

// The picture's format is the one its name's extension names, when it can
// be written and holds the whole window: a.bmp is a BMP, a.jpg a JPEG, a.svg
// and a.pdf vectors.
QByteArray imageFormatOf(const QString& path) {
    QByteArray suffix = QFileInfo(path).suffix().toLower().toUtf8();
    if (isIcon(suffix)) {
        throw CommandLineError("La imagen «" + path.toStdString() + "» no cabe en un ." +
                               suffix.toStdString() +
                               ", que no pasa de 256 × 256 píxeles. Use uno de estos formatos: " +
                               wholeWindowFormats() + ".");
    }
    if (suffix.isEmpty() ||
        !(isVector(suffix) || QImageWriter::supportedImageFormats().contains(suffix))) {
        throw CommandLineError("La imagen «" + path.toStdString() +
                               "» necesita la extensión de un formato que el programa sepa "
                               "escribir, como .png, .bmp o .jpg.");
    }
    return suffix;
}

// The window as an SVG drawing of its own size, one unit a position.
void vectorsAsSvg(Form1& form, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(form.size());
    svg.setViewBox(form.rect());
    svg.setTitle(windowTitle());
    QPainter painter(&svg);
    form.paintAsVectors(painter);
}

// The window as a one-page PDF of its own size, a position a point.
void vectorsAsPdf(Form1& form, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(form.size()), QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setTitle(windowTitle());
    QPainter painter(&pdf);
    form.paintAsVectors(painter);
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
    // The keyboard's focus frame belongs on the screen, not in a picture.
    if (QWidget* focused = form.focusWidget()) {
        focused->clearFocus();
    }
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    if (format == "svg") {
        vectorsAsSvg(form, buffer);
    } else if (format == "pdf") {
        vectorsAsPdf(form, buffer);
    } else if (!form.grab().toImage().save(&buffer, format.constData())) {
        throw WriteError(path.toStdString(),
                         "la imagen no se pudo codificar como " + format.toUpper().toStdString());
    }
    return picture;
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
    const QByteArray format =
        commandLine.picturePath ? imageFormatOf(*commandLine.picturePath) : QByteArray();
    if (commandLine.wavPath) {
        requireWavName(*commandLine.wavPath);
    }
    requireDistinctFiles(outputNames(commandLine));
    Form1 form;
    writeTexts(commandLine, form);
    checkRedraw(form);

    std::vector<OutputFile> outputs;
    if (commandLine.csvPath) {
        outputs.push_back({*commandLine.csvPath, csvOf(form), QStringLiteral("las muestras")});
    }
    if (commandLine.wavPath) {
        outputs.push_back(
            {*commandLine.wavPath, wavOf(form, seconds), QStringLiteral("el sonido")});
    }
    if (commandLine.picturePath) {
        outputs.push_back({*commandLine.picturePath,
                           pictureOf(form, *commandLine.picturePath, format),
                           QStringLiteral("la imagen")});
    }
    writeAll(outputs);
}

} // namespace amsim
