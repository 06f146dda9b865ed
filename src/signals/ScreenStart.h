#pragma once

#include <cstdint>

namespace amsim {

// The bench's clock stands still: the screen shows the 1.6 ms from t = 0,
// fine sample 0. Kept apart from the noise so that a front end can name the
// screen's moment without the complex numbers the noise is made of.
inline constexpr std::int64_t kScreenFirstSample = 0;

} // namespace amsim
