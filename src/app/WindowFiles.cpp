#include "app/WindowFiles.h"

#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "canvas/PngFile.h"
#include "files/QuotedName.h"
#include "params/PanelTexts.h"
#include "qtcanvas/QtRasterCanvas.h"
#include "qtcanvas/QtVectorCanvas.h"
#include "texts/Catalogue.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace amsim {

namespace {

QString windowTitle() {
    return QString::fromUtf8(catalogueText("window.title").data(),
                             static_cast<qsizetype>(catalogueText("window.title").size()));
}

// The caption of the menu item that opens the panel.
QString panelCaption(PanelKind kind) {
    const auto* const item = std::find_if(kMenuItems.begin(), kMenuItems.end(),
                                          [kind](const MenuItem& m) { return m.panel == kind; });
    return item == kMenuItems.end() ? windowTitle() : QString::fromUtf8(catalogueText(item->text));
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

} // namespace

QByteArray pngBytes(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    std::vector<std::uint8_t> packed;
    packed.reserve(rowBytes * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        packed.insert(packed.end(), row, row + rowBytes);
    }
    const std::vector<std::uint8_t> png =
        pngOf(static_cast<std::size_t>(rgb.width()), static_cast<std::size_t>(rgb.height()),
              PngColour::Rgb, packed);
    return {reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size())};
}

namespace {

bool encode(Form1& form, const QByteArray& format, QIODevice& out) {
    if (format == "png") {
        return out.write(pngBytes(form.grab().toImage())) >= 0;
    }
    if (format == "svg") {
        vectorsAsSvg(form, out);
        return true;
    }
    if (format == "pdf") {
        vectorsAsPdf(form, out);
        return true;
    }
    return form.grab().toImage().save(&out, format.constData());
}

} // namespace

bool isVectorFormat(const QByteArray& format) {
    return format == "svg" || format == "pdf";
}

bool isIconFormat(const QByteArray& format) {
    return format == "ico" || format == "cur" || format == "icns";
}

bool holdsWholeWindow(const QByteArray& format) {
    return !format.isEmpty() && !isIconFormat(format) &&
           (isVectorFormat(format) || QImageWriter::supportedImageFormats().contains(format));
}

std::string wholeWindowFormats() {
    QByteArrayList formats{"pdf", "svg"};
    for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
        if (!isIconFormat(format)) {
            formats << format;
        }
    }
    std::sort(formats.begin(), formats.end());
    return "." + formats.join(", .").toStdString();
}

QByteArray formatOfName(const QString& path) {
    return QFileInfo(path).suffix().toLower().toUtf8();
}

// The keyboard's focus frame belongs on the screen, not in a picture; it
// comes back once the picture is made.
std::optional<QByteArray> windowPicture(Form1& form, const QByteArray& format) {
    const QPointer<QWidget> focused = form.focusWidget();
    if (!focused.isNull()) {
        focused->clearFocus();
    }
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = encode(form, format, buffer);
    if (!focused.isNull() && form.isActiveWindow()) {
        focused->setFocus(Qt::OtherFocusReason);
    }
    return encoded ? std::optional(picture) : std::nullopt;
}

bool holdsPanelPicture(const QByteArray& format) {
    return format == "png" || format == "svg";
}

QByteArray panelPictureBytes(const PanelPicture& picture, ParameterReader& parameters,
                             double instant, const QByteArray& format) {
    const QSize size(picture.width, picture.height);
    if (format == "svg") {
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setTitle(panelCaption(picture.kind));
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(), size), Qt::white);
        {
            QtVectorCanvas vectors(painter, windowFont(), QColor(Qt::black));
            picture.draw(vectors, parameters, instant);
        }
        painter.end();
        return bytes;
    }
    QtRasterCanvas raster(size, windowFont(), QColor(Qt::black));
    picture.draw(raster, parameters, instant);
    QImage white(size, QImage::Format_RGB888);
    white.fill(Qt::white);
    QPainter painter(&white);
    painter.drawImage(0, 0, raster.image());
    painter.end();
    return pngBytes(white);
}

QByteArray bytesOf(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

TextKey savedWhatGender(SavedFile file) {
    switch (file) {
    case SavedFile::Image:
        return "file.picture.gender";
    case SavedFile::Data:
        return "file.samples.gender";
    case SavedFile::Spectrum:
        return "file.spectrum.gender";
    case SavedFile::Sound:
    case SavedFile::None:
        break;
    }
    return "file.sound.gender";
}

QString savedWhat(SavedFile file) {
    switch (file) {
    case SavedFile::Image:
        return QString::fromUtf8(catalogueText("file.picture"));
    case SavedFile::Data:
        return QString::fromUtf8(catalogueText("file.samples"));
    case SavedFile::Sound:
        return QString::fromUtf8(catalogueText("file.sound"));
    case SavedFile::Spectrum:
        return QString::fromUtf8(catalogueText("file.spectrum"));
    case SavedFile::None:
        break;
    }
    return {};
}

SaveError::SaveError(const QString& path, const std::string& reason)
    : Error(filled("file.saveFailed", {{"name", quotedName(path)}, {"reason", reason}})) {}

} // namespace amsim
