#pragma once

#include "core/Error.h"
#include "core/Parameters.h"
#include "params/PanelPictures.h"
#include "params/SettingText.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace amsim {

class Form1;

// What the window and the command line write alike, so that a file saved
// from the menu has the bytes of the export with the same options.

// Formats that hold the window as vectors rather than pixels.
bool isVectorFormat(const QByteArray& format);
// Icon formats, at most 256 pixels a side: the window would be shrunk into one.
bool isIconFormat(const QByteArray& format);
// A format, by its lower-case extension, that can hold the whole window.
bool holdsWholeWindow(const QByteArray& format);
// The extensions of the formats that hold the whole window: ".bmp, .jpg, …".
std::string wholeWindowFormats();
// The format a file's name asks for: its extension in lower case.
QByteArray formatOfName(const QString& path);

// The window as it is on screen, without the keyboard's focus frame, in a
// format that holds it whole: SVG and PDF as vectors, any other as pixels.
// Nothing when the image writer refuses. Throws amsim::Error where the
// redraw would.
std::optional<QByteArray> windowPicture(Form1& form, const QByteArray& format);

// A picture as PNG through the engine's encoder, which the page uses too.
QByteArray pngBytes(const QImage& picture);
// Formats that a panel's picture is written in: PNG and SVG.
bool holdsPanelPicture(const QByteArray& format);
// A panel's picture from the parameters at the instant (seconds), on white:
// PNG through the engine's raster canvas and encoder, SVG as vectors. Throws
// amsim::Error where its drawing would.
QByteArray panelPictureBytes(const PanelPicture& picture, ParameterReader& parameters,
                             double instant, const QByteArray& format);

// The engine's bytes of a file, for the writer.
QByteArray bytesOf(const std::vector<std::uint8_t>& bytes);

// What a saved file holds, as messages say it: "la imagen", "las muestras",
// "el sonido".
QString savedWhat(SavedFile file);
// The gender of that noun, for the words that agree with it.
TextKey savedWhatGender(SavedFile file);

// A file the window could not save.
class SaveError : public Error {
public:
    SaveError(const QString& path, const std::string& reason);
};

} // namespace amsim
