#include "app/Export.h"

#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "app/LocaleFormat.h"
#include "app/OutputFiles.h"
#include "app/SignalCsv.h"
#include "canvas/QtRasterCanvas.h"
#include "display/Error.h"
#include "display/Graficar.h"
#include "display/SignalTable.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QImageWriter>
#include <QThread>
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

// The picture's format is the one its name's extension names, when Qt can
// write it: a.bmp is a BMP, a.jpg a JPEG.
QByteArray imageFormatOf(const QString& path) {
    QByteArray suffix = QFileInfo(path).suffix().toLower().toUtf8();
    if (suffix.isEmpty() || !QImageWriter::supportedImageFormats().contains(suffix)) {
        throw Error::commandLine("La imagen «" + path.toStdString() +
                                 "» necesita la extensión de un formato que el programa sepa "
                                 "escribir, como .png, .bmp o .jpg.");
    }
    return suffix;
}

// As on a desktop: the window shown and active, its first picture drawn.
QByteArray pictureOf(Form1& form, const QByteArray& format) {
    form.show();
    form.activateWindow();
    const QDeadlineTimer deadline(2000);
    while (!form.isActiveWindow() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!form.grab().toImage().save(&buffer, format.constData())) {
        throw Error::drawingFailed();
    }
    return png;
}

} // namespace

void exportFiles(const CommandLine& commandLine) {
    const QByteArray format =
        commandLine.picturePath ? imageFormatOf(*commandLine.picturePath) : QByteArray();
    if (commandLine.picturePath && commandLine.csvPath) {
        requireDistinctFiles({*commandLine.picturePath, *commandLine.csvPath});
    }
    Form1 form;
    writeTexts(commandLine, form);
    checkRedraw(form);

    std::vector<OutputFile> outputs;
    if (commandLine.csvPath) {
        outputs.push_back({*commandLine.csvPath, csvOf(form)});
    }
    if (commandLine.picturePath) {
        outputs.push_back({*commandLine.picturePath, pictureOf(form, format)});
    }
    writeAll(outputs);
}

} // namespace amsim
