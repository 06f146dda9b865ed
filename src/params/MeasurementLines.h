#pragma once

#include "params/NumberText.h"
#include "signals/Measurements.h"

#include <string>
#include <vector>

namespace amsim {

// The readout's lines, each beginning with its label ("Modo:", "Potencia
// total:", …), with the locale's decimal separator; "—" where a value has no
// meaning (a share of nothing, an index without carrier). The detected
// level has its line only while there is one.
std::vector<std::string> measurementLines(const Measurements& measured, const NumberFormat& format);

// The readout's lines per column under the drawing: four, as the window was
// designed, in up to four columns; from seventeen lines on (the noise's), seven
// in three columns, since four columns of the longer lines would not fit the
// width. Never a number in between, so that a line that comes and goes while
// time runs (the detected level) never changes the readout's height.
int readoutRows(std::size_t lineCount);

} // namespace amsim
