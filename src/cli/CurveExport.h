#pragma once

#include "core/Parameters.h"

#include <QByteArray>
#include <QString>

namespace amsim {

// Refuses, with amsim::Error, a name for the S/N curve that ends in neither
// .csv, .png nor .svg.
void requireCurveName(const QString& path);

// The S/N curve of the setting in the boxes, measured whole, as the file its
// name asks for: its points as CSV, or its plot as the panel shows it, PNG
// or SVG on white.
QByteArray curveFile(const QString& path, ParameterReader& boxes, double instant);

} // namespace amsim
