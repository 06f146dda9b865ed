#pragma once

#include <cstddef>

namespace amsim {

// Where the readout's lines stand under the drawing, in positions, for the
// window and the page alike.
struct ReadoutLayout {
    // Lines a column: four, as the window was designed, in up to four
    // columns; from seventeen lines on (the noise's), seven in three columns,
    // since four columns of the longer lines would not fit the width, and
    // eight from 21 lines on (two tones, drift, noise and the envelope
    // detector). Never a number in between, so that a line that comes and
    // goes while time runs (the detected level) never changes the readout's
    // height.
    int rows;
    // From a column's longest line to the next column: closer when crowded.
    int columnGap;
    // More rows than designed: the longer lines are never wrapped.
    bool crowded;
};

// Room above the first line (and as much below the last) and left of the
// first column.
inline constexpr int kReadoutTop = 3;
inline constexpr int kReadoutLeft = 4;

ReadoutLayout readoutLayout(std::size_t lineCount);

} // namespace amsim
