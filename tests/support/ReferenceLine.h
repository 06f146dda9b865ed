#pragma once

#include <cstdint>
#include <set>
#include <utility>

namespace amsim::test {

// The pixels of a line on an unbounded canvas that lie inside a width x
// height one: Bresenham's line between the pixels nearest to its ends, every
// step of it walked. The reference that a clipped line is held to.
std::set<std::pair<std::int64_t, std::int64_t>> referenceLine(float x1, float y1, float x2,
                                                              float y2, int width, int height);

} // namespace amsim::test
