#pragma once

#include "canvas/PixelBuffer.h"

#include <cstdint>
#include <set>
#include <utility>

namespace amsim::test {

using Pixels = std::set<std::pair<std::int64_t, std::int64_t>>;

// The pixels of a line on an unbounded canvas that lie inside a width x
// height one: Bresenham's line between the pixels nearest to its ends, every
// step of it walked. The reference that a clipped line is held to.
Pixels referenceLine(float x1, float y1, float x2, float y2, int width, int height);

// The pixels that hold the ink in the width x height part of a buffer whose
// top-left corner is (left, top), relative to that corner.
Pixels litPixels(const PixelBuffer& buffer, PixelIndex ink, int width, int height, int left = 0,
                 int top = 0);

} // namespace amsim::test
