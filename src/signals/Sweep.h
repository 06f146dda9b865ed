#pragma once

#include <cstddef>

namespace amsim {

// The oscilloscope's time base: x is both the pixel column and the time.
// x grows from 0 by repeated addition of the step, in double precision, and
// the sweep ends as soon as x exceeds the last column. With the fine step
// 0.2 the sum drifts just above 639 after 3,195 additions, so a fine sweep
// has 3,195 samples and ends near 638.8.
inline constexpr double kLastColumn = 639.0;
inline constexpr double kFineStep = 0.2;
inline constexpr double kColumnStep = 1.0;
inline constexpr double kEnvelopeStep = 4.0;
inline constexpr std::size_t kFineSampleCount = 3195;
// A tone period, 1 ms, is 400 columns: one column is 2.5 µs.
inline constexpr double kColumnsPerMillisecond = 400.0;

template <class Sample> void sweep(double step, Sample&& sample) {
    for (double x = 0.0; x <= kLastColumn; x += step) {
        sample(x);
    }
}

} // namespace amsim
