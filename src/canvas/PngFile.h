#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace amsim {

// What a pixel holds: red, green, blue, and for RGBA its opacity.
enum class PngColour : std::uint8_t { Rgb = 3, Rgba = 4 };

// Pixels as a PNG file: 8 bits a channel, no interlace, the image data a
// zlib stream of one deflate block of the fixed code. The same bytes
// wherever it runs, so the window's export and the page save pictures
// alike. `pixels` holds the rows top first, packed, 3 or 4 bytes a pixel.
std::vector<std::uint8_t> pngOf(std::size_t width, std::size_t height, PngColour colour,
                                const std::vector<std::uint8_t>& pixels);

} // namespace amsim
