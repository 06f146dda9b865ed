#include "app/Export.h"

#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "app/LocaleFormat.h"
#include "app/SignalCsv.h"
#include "canvas/QtRasterCanvas.h"
#include "display/Error.h"
#include "display/Graficar.h"
#include "display/SignalTable.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace amsim {

namespace {

struct OutputFile {
    QString path;
    QByteArray contents;
};

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

// As on a desktop: the window shown and active, its first picture drawn.
QByteArray pictureOf(Form1& form) {
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
    if (!form.grab().toImage().save(&buffer, "PNG")) {
        throw Error::drawingFailed();
    }
    return png;
}

// Every file is opened before any is committed, so a path that cannot be
// written stops the export with nothing written.
void writeAll(const std::vector<OutputFile>& outputs) {
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const OutputFile& output : outputs) {
        auto file = std::make_unique<QSaveFile>(output.path);
        if (!file->open(QIODevice::WriteOnly) ||
            file->write(output.contents) != output.contents.size()) {
            throw Error::writeFailed(output.path.toStdString());
        }
        files.push_back(std::move(file));
    }
    const auto failed =
        std::find_if(files.begin(), files.end(),
                     [](const std::unique_ptr<QSaveFile>& file) { return !file->commit(); });
    if (failed != files.end()) {
        throw Error::writeFailed((*failed)->fileName().toStdString());
    }
}

} // namespace

void exportFiles(const CommandLine& commandLine) {
    Form1 form;
    writeTexts(commandLine, form);
    checkRedraw(form);

    std::vector<OutputFile> outputs;
    if (commandLine.csvPath) {
        outputs.push_back({*commandLine.csvPath, csvOf(form)});
    }
    if (commandLine.picturePath) {
        outputs.push_back({*commandLine.picturePath, pictureOf(form)});
    }
    writeAll(outputs);
}

} // namespace amsim
