#pragma once

#include "cli/CommandLine.h"

namespace amsim {

// Writes what the command line asks for, without showing anything: the
// window's picture at the given parameters, in the format its extension
// names, and/or the sampled signals. The names, every value and the redraw
// are checked, and both files made in memory, before the first is written;
// then both are written or neither (see writeAll). A failure throws
// amsim::Error. Needs a QApplication.
void exportFiles(const CommandLine& commandLine);

// The scale that --scale gives the picture: a number from 1 to 4, fractions
// allowed, in the locale's notation; 1 without it. Throws amsim::Error for
// any other text.
double exportScale(const std::optional<QString>& text);

} // namespace amsim
