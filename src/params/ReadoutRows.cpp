#include "params/ReadoutRows.h"

#include <algorithm>

namespace amsim {

ReadoutLayout readoutLayout(std::size_t lineCount) {
    constexpr std::size_t kDesignedRows = 4;
    constexpr std::size_t kDesignedColumns = 4;
    constexpr std::size_t kCrowdedRows = 7;
    constexpr std::size_t kCrowdedColumns = 3;
    if (lineCount <= kDesignedColumns * kDesignedRows) {
        return {static_cast<int>(kDesignedRows), 24, false};
    }
    // Counted with one line more, the detected level's, which comes and goes
    // while the phase drifts: its coming never adds a row (21 or 22 lines,
    // with two tones, both take eight).
    return {
        static_cast<int>(std::max(kCrowdedRows, (lineCount + kCrowdedColumns) / kCrowdedColumns)),
        14, true};
}

} // namespace amsim
