#pragma once

#include <cmath>
#include <cstdint>

namespace amsim {

// The bench's clock and the oscilloscope's trigger. Time runs in seconds from
// the moment the bench starts; a fine sample is 0.5 µs, 2,000 a millisecond.
// The oscilloscope triggers on the tone: at time t the screen shows the
// 1.6 ms that begin at the last whole millisecond before t, so everything
// the transmitter makes (1 kHz and its multiples) stands still on screen.
// Kept apart from the noise so that a front end can name the screen's moment
// without the complex numbers the noise is made of.
inline constexpr std::int64_t kFineSamplesPerMillisecond = 2000;

// The fine sample at time t itself, where a sound that starts at t begins.
inline std::int64_t fineSampleAt(double seconds) {
    return std::llround(seconds * 1000.0 * static_cast<double>(kFineSamplesPerMillisecond));
}

// The whole milliseconds before t: the screen's first millisecond. Counted
// from t's fine sample, so that an instant written with three decimals is its
// own millisecond although 0.001 s is no exact double (1.001 · 1000 is just
// under 1001).
inline std::int64_t screenMillisecond(double seconds) {
    const std::int64_t sample = fineSampleAt(seconds);
    const std::int64_t whole = sample / kFineSamplesPerMillisecond;
    return whole * kFineSamplesPerMillisecond > sample ? whole - 1 : whole;
}

// The screen's own moment at time t, in seconds: the whole millisecond its
// traces start at, the instant that a still bench stands at and hands on.
inline double screenInstant(double seconds) {
    return static_cast<double>(screenMillisecond(seconds)) / 1000.0;
}

// The fine sample at which the screen at time t begins.
inline std::int64_t screenFirstSample(double seconds) {
    return screenMillisecond(seconds) * kFineSamplesPerMillisecond;
}

// Where the stretch begins over which the readout measures the noise: the
// noise's statistics are the same at every moment.
inline constexpr std::int64_t kMeasuredFirstSample = 0;

// The latest instant the bench shows: about 11.6 days. Its fine samples and
// its steps of the noise (6 MHz) stay exact integers in a double.
inline constexpr double kLatestInstant = 1.0e6;

} // namespace amsim
