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
    return {static_cast<int>(
                std::max(kCrowdedRows, (lineCount + kCrowdedColumns - 1) / kCrowdedColumns)),
            14, true};
}

} // namespace amsim
