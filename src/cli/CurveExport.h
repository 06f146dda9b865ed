#pragma once

#include "core/ParameterValues.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace amsim {

// Refuses, with amsim::Error, a name for the S/N curve that ends in neither
// .csv, .png nor .svg.
void requireCurveName(const QString& path);

// The S/N curve of a setting, measured whole, as the file its name asks for:
// its points as CSV, or its plot as PNG (through the engine's encoder) or
// SVG, on white, the numbers of its caption in the locale's notation.
QByteArray curveFile(const QString& path, const ParameterValues& setting, const QLocale& locale);

} // namespace amsim
