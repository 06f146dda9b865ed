#pragma once

#include "app/CommandLine.h"

namespace amsim {

// Writes what the command line asks for, without showing anything: the
// window's picture at the given parameters and/or the sampled signals.
// Every value is checked, and both files are made in memory, before the first
// file is written; a failure throws amsim::Error and leaves no file written.
// Needs a QApplication.
void exportFiles(const CommandLine& commandLine);

} // namespace amsim
