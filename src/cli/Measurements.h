#pragma once

#include "cli/CommandLine.h"

#include <QStringList>

namespace amsim {

// The values as one line, then the lines of the readout under the drawing,
// as the window shows them at the command line's values after its first
// picture: the shared handlers run over boxes without a window. Throws
// amsim::Error where the window's redraw would stop.
QStringList measurementLinesOf(const CommandLine& commandLine);

} // namespace amsim
