#pragma once

#include "cli/CommandLine.h"

namespace amsim {

// Writes what the command line asks for, without showing anything: the
// window's picture at the given parameters, in the format its extension
// names, the sampled signals, the receiver's sound and/or its S/N curve. The names, every
// value and the redraw are checked, and every file made in memory, before
// the first is written; then all are written or none (see writeAll). A
// failure throws amsim::Error. Needs a QApplication.
void exportFiles(const CommandLine& commandLine);

// The scale that --scale gives the picture: a number from 1 to 4, fractions
// allowed, in the locale's notation; 1 without it. Throws amsim::Error for
// any other text.
double exportScale(const std::optional<QString>& text);

// How long the sound that --segundos asks for lasts: from 0,1 to 60 seconds
// in the locale's notation; 2 without it. Throws amsim::Error for any other
// text.
double exportSeconds(const std::optional<QString>& text);

} // namespace amsim
