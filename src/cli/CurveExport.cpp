#include "cli/CurveExport.h"

#include "app/DesignFonts.h"
#include "app/WindowFiles.h"
#include "cli/CliErrors.h"
#include "display/SnrCurvePlot.h"
#include "files/QuotedName.h"
#include "qtcanvas/QtRasterCanvas.h"
#include "qtcanvas/QtVectorCanvas.h"
#include "signals/SnrCurve.h"
#include "texts/Catalogue.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <string>
#include <vector>

namespace amsim {

namespace {

const QSize kSize(kSnrCurveWidth, kSnrCurveHeight);

QByteArray pngOfPlot(const std::vector<SnrPoint>& points, const ParameterValues& setting,
                     const std::string& separator) {
    QtRasterCanvas canvas(kSize, windowFont(), QColor(Qt::black));
    drawSnrCurve(canvas, points, setting, separator);
    QImage picture(kSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, canvas.image());
    painter.end();
    return pngBytes(picture);
}

// One unit a position, as the window's SVG.
QByteArray svgOfPlot(const std::vector<SnrPoint>& points, const ParameterValues& setting,
                     const std::string& separator) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kSize);
    svg.setViewBox(QRect(QPoint(0, 0), kSize));
    svg.setTitle(QString::fromStdString(snrCurveCaption(setting, separator)));
    QPainter painter(&svg);
    painter.fillRect(QRect(QPoint(0, 0), kSize), Qt::white);
    QtVectorCanvas vectors(painter, windowFont(), QColor(Qt::black));
    drawSnrCurve(vectors, points, setting, separator);
    vectors.finish();
    painter.end();
    return bytes;
}

} // namespace

void requireCurveName(const QString& path) {
    const QByteArray format = formatOfName(path);
    if (format != "csv" && format != "png" && format != "svg") {
        throw CommandLineError(filled("cli.curveName", {{"name", quotedName(path)}}));
    }
}

QByteArray curveFile(const QString& path, const ParameterValues& setting, const QLocale& locale) {
    requireCurveName(path);
    const std::vector<SnrPoint> points = snrCurve(setting);
    const QByteArray format = formatOfName(path);
    if (format == "csv") {
        const std::string text = snrCurveCsv(points);
        return {text.data(), static_cast<qsizetype>(text.size())};
    }
    const std::string separator = locale.decimalPoint().toStdString();
    return format == "png" ? pngOfPlot(points, setting, separator)
                           : svgOfPlot(points, setting, separator);
}

} // namespace amsim
