#include "WebCanvas.h"

#include "canvas/Palette.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>

namespace amsim {

namespace {

// Little-endian RGBA: red in the lowest byte.
constexpr std::uint32_t rgbaOf(Rgb rgb, std::uint32_t alpha) {
    return static_cast<std::uint32_t>(rgb.red) | (static_cast<std::uint32_t>(rgb.green) << 8U) |
           (static_cast<std::uint32_t>(rgb.blue) << 16U) | (alpha << 24U);
}

// The sixteen palette colours, black ink and the transparent background.
std::array<std::uint32_t, 256> colourTable() {
    std::array<std::uint32_t, 256> table{};
    for (int n = 0; n < kPaletteSize; ++n) {
        table.at(static_cast<std::size_t>(n)) =
            rgbaOf(paletteRgb(static_cast<PaletteColour>(n)), 255U);
    }
    table.at(RasterCanvas::kInk) = rgbaOf(Rgb{0, 0, 0}, 255U);
    table.at(RasterCanvas::kBackground) = rgbaOf(Rgb{0, 0, 0}, 0U);
    return table;
}

// Converts the pixels of one row that differ from those last shown, eight at
// a time (read as one little-endian word), and returns whether any did.
bool convertChanged(const PixelIndex* row, PixelIndex* shown, std::uint32_t* rgba,
                    std::size_t width, const std::array<std::uint32_t, 256>& table) {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    bool changed = false;
    std::size_t x = 0;
    for (; x + kWord <= width; x += kWord) {
        std::uint64_t now = 0;
        std::uint64_t before = 0;
        std::memcpy(&now, row + x, kWord);
        std::memcpy(&before, shown + x, kWord);
        if (now == before) {
            continue;
        }
        std::memcpy(shown + x, &now, kWord);
        for (std::size_t k = 0; k < kWord; ++k, now >>= 8U) {
            rgba[x + k] = table[now & 0xFFU];
        }
        changed = true;
    }
    for (; x < width; ++x) {
        if (row[x] != shown[x]) {
            shown[x] = row[x];
            rgba[x] = table[row[x]];
            changed = true;
        }
    }
    return changed;
}

} // namespace

WebCanvas::WebCanvas(int width, int height, emscripten::val page, double scale)
    : RasterCanvas(width, height, scale)
    , page_(std::move(page)) {}

WebCanvas::Rows WebCanvas::updateRgba() {
    static const std::array<std::uint32_t, 256> table = colourTable();
    // An index that no pixel holds: everything converts the first time.
    constexpr PixelIndex kNeverShown = 0xFF;
    const PixelBuffer& buffer = pixels();
    const auto width = static_cast<std::size_t>(buffer.width());
    const std::size_t area = width * static_cast<std::size_t>(buffer.height());
    if (shown_.size() != area) {
        shown_.assign(area, kNeverShown);
        rgba_.assign(area, 0U);
    }
    Rows changed{buffer.height(), -1};
    for (int y = 0; y < buffer.height(); ++y) {
        const PixelIndex* row = buffer.data() + static_cast<std::ptrdiff_t>(y) * buffer.stride();
        const std::size_t start = static_cast<std::size_t>(y) * width;
        if (convertChanged(row, shown_.data() + start, rgba_.data() + start, width, table)) {
            changed.top = std::min(changed.top, y);
            changed.bottom = y;
        }
    }
    return changed;
}

std::optional<RasterCanvas::Letters> WebCanvas::renderLetters(std::string_view utf8Text) {
    const std::string text(utf8Text);
    const auto rendered = page_.call<emscripten::val>("letters", text, scale());
    const std::vector<int> ink = emscripten::vecFromJSArray<int>(rendered["ink"]);
    Letters letters{text, {}, rendered["lineHeight"].as<int>(), rendered["width"].as<int>()};
    for (std::size_t i = 0; i + 1 < ink.size(); i += 2) {
        letters.ink.push_back({ink[i], ink[i + 1]});
    }
    return letters;
}

} // namespace amsim
