#pragma once

#include <cstddef>

namespace amsim {

// The readout's lines per column under the drawing: four, as the window was
// designed, in up to four columns; from seventeen lines on (the noise's), seven
// in three columns, since four columns of the longer lines would not fit the
// width. Never a number in between, so that a line that comes and goes while
// time runs (the detected level) never changes the readout's height.
int readoutRows(std::size_t lineCount);

} // namespace amsim
