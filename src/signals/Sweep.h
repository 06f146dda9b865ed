#pragma once

#include <cstddef>

namespace amsim {

// The oscilloscope's time base. x is the time from the screen's left edge in
// units of 2.5 µs, the column of the start's 0.2 ms per division: 400 units
// are a millisecond, one period of the 1 kHz tone. x grows from 0 by
// repeated addition of the step, in double precision, and a sweep ends as
// soon as x passes the last column's time. With the fine step 0.2 the sum
// drifts just above 639 after 3,195 additions, so at the start a fine sweep
// has 3,195 samples and ends near 638.8.
inline constexpr double kLastColumn = 639.0;
inline constexpr double kFineStep = 0.2;
inline constexpr double kColumnStep = 1.0;
inline constexpr double kEnvelopeStep = 4.0;
inline constexpr std::size_t kFineSampleCount = 3195;
inline constexpr double kColumnsPerMillisecond = 400.0;
// The graticule's division.
inline constexpr double kColumnsPerDivision = 80.0;

// What one column of the screen spans, in units of x: 1 at the start, 10 at
// 2 ms per division.
struct TimeBase {
    double unitsPerColumn = 1.0;

    static TimeBase ofMillisecondsPerDivision(double milliseconds) {
        return {milliseconds * kColumnsPerMillisecond / kColumnsPerDivision};
    }

    // A step of the given columns in units of x.
    double columns(double count) const { return count * unitsPerColumn; }
    double lastTime() const { return columns(kLastColumn); }
    // Where the sample at time x is drawn.
    double columnOf(double x) const { return x / unitsPerColumn; }
    // A column holds more fine samples than the start's five: each trace is
    // drawn as a peak detector draws it, and the still signals repeat on screen.
    bool peakDetected() const { return unitsPerColumn > 1.0; }
};

template <class Sample> void sweep(double step, double last, Sample&& sample) {
    for (double x = 0.0; x <= last; x += step) {
        sample(x);
    }
}

template <class Sample> void sweep(double step, Sample&& sample) {
    sweep(step, kLastColumn, sample);
}

// One sample of the fine sweep: its index, its time x, and the time within
// the signals' common period at which every still signal (the generator's,
// the transmitter's, the received signal) has the value it has at x.
struct FineTime {
    std::size_t n;
    double x;
    double within;
};

// The fine samples across the screen. Where the screen holds more than the
// start's, the still signals' time is taken within their common period of
// `period` fine samples (none where 0), so that each repeats to the bit and
// every argument stays small enough for the engine's own sine: sample n then
// equals sample n - period.
class FineSweep {
public:
    FineSweep(TimeBase base, std::size_t period)
        : last_(base.lastTime())
        , period_(base.peakDetected() ? period : 0) {}

    std::size_t period() const { return period_; }
    bool repeats(std::size_t n) const { return period_ != 0 && n >= period_; }

    template <class Sample> void run(Sample&& sample) const {
        double within = 0.0;
        std::size_t left = period_; // in this period
        std::size_t n = 0;
        for (double x = 0.0; x <= last_; x += kFineStep, ++n) {
            if (period_ != 0 && left-- == 0) {
                within = 0.0;
                left = period_ - 1;
            }
            sample(FineTime{n, x, period_ == 0 ? x : within});
            within += kFineStep;
        }
    }

    std::size_t count() const {
        std::size_t count = 0;
        for (double x = 0.0; x <= last_; x += kFineStep) {
            ++count;
        }
        return count;
    }

private:
    double last_;
    std::size_t period_;
};

} // namespace amsim
