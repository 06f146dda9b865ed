#pragma once

#include <cstdint>

namespace amsim {

// The sixteen colours of the PC colour text modes, in their usual order.
enum class PaletteColour : std::uint8_t {
    Black,
    Blue,
    Green,
    Cyan,
    Red,
    Magenta,
    Yellow,
    LightGrey,
    DarkGrey,
    LightBlue,
    LightGreen,
    LightCyan,
    LightRed,
    LightMagenta,
    LightYellow,
    White,
};

inline constexpr int kPaletteSize = 16;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Dark colours use the intensity 128, light ones 255; light grey is 192.
Rgb paletteRgb(PaletteColour colour);

} // namespace amsim
