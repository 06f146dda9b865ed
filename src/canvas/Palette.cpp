#include "canvas/Palette.h"

#include <array>

namespace amsim {

namespace {

constexpr std::array<Rgb, kPaletteSize> kPalette{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

} // namespace

Rgb paletteRgb(PaletteColour colour) {
    return kPalette.at(static_cast<std::size_t>(colour));
}

} // namespace amsim
