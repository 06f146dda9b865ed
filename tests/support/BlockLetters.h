#pragma once

#include "canvas/RasterCanvas.h"

#include <string>
#include <string_view>

namespace amsim::test {

// A raster canvas whose letters need no font: a 4 x 7 block per character.
class BlockLetters : public RasterCanvas {
public:
    using RasterCanvas::RasterCanvas;

protected:
    std::optional<Letters> renderLetters(std::string_view text) override {
        Letters letters{std::string(text), {}, 13, 6 * static_cast<int>(text.size())};
        for (int c = 0; c < static_cast<int>(text.size()); ++c) {
            for (int y = 3; y < 10; ++y) {
                for (int x = 0; x < 4; ++x) {
                    letters.ink.push_back({6 * c + x, y});
                }
            }
        }
        return letters;
    }
};

} // namespace amsim::test
