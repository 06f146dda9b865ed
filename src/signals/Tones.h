#pragma once

#include "core/ParameterValues.h"
#include "signals/ScreenStart.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

namespace amsim {

// The modulating signal as data: the tones that the audio generator sends,
// each with its frequency in Hz and its peak amplitude in volts. Every
// signal of the bench, the transmitter's and the detectors', is made of it.
struct Tone {
    double hertz;
    double amplitude;
};

using Tones = std::vector<Tone>;

// The time base's unit of frequency: a factor f of pi per column (2.5 µs)
// is f · 200 kHz, so the 20 kHz carrier is 0.1 and a 1 kHz tone 0.005.
// Hz are divided by it, so a whole number of Hz gives the nearest double to
// its factor, as a written factor would.
inline constexpr double kHertzPerFactor = 200000.0;
inline constexpr double kCarrierHertz = 20000.0;

inline constexpr double factorOf(double hertz) {
    return hertz / kHertzPerFactor;
}

// The generator's tone at start.
inline constexpr double kStartToneHertz = 1000.0;

// The generator's tones for the modulating amplitude m: the tone of the
// given frequency, or, with a second frequency (0 is none), the two at equal
// amplitude, each m/2, so that their peak stays m.
inline Tones modulatingTones(double m, double hertz = kStartToneHertz, double secondHertz = 0.0) {
    if (secondHertz == 0.0) {
        return {{hertz, m}};
    }
    return {{hertz, m / 2.0}, {secondHertz, m / 2.0}};
}

// The generator's tones for a setting.
inline Tones modulatingTones(const ParameterValues& v) {
    return modulatingTones(v.mdl, v.tono, v.tono2);
}

// The greatest common divisor, in Hz, of whole (a rate or a frequency, in
// Hz) and the tones; none where a tone is no whole number of Hz between 0 and
// whole. A signal of the tones repeats with its inverse.
inline std::optional<std::int64_t> commonHertz(const Tones& tones, std::int64_t whole) {
    std::int64_t divisor = whole;
    for (const Tone& tone : tones) {
        if (!(tone.hertz >= 0.0 && tone.hertz <= static_cast<double>(whole)) ||
            tone.hertz != std::floor(tone.hertz)) {
            return std::nullopt;
        }
        divisor = std::gcd(divisor, static_cast<std::int64_t>(tone.hertz));
    }
    return divisor;
}

// The fine samples in the common period of the carrier and the tones (2,000
// for 1 kHz); 0 where there is none.
inline std::size_t commonPeriodSamples(const Tones& tones) {
    constexpr std::int64_t kFineSamplesPerSecond = kFineSamplesPerMillisecond * 1000;
    const std::optional<std::int64_t> divisor =
        commonHertz(tones, static_cast<std::int64_t>(kCarrierHertz));
    return divisor ? static_cast<std::size_t>(kFineSamplesPerSecond / *divisor) : 0;
}

// The sum of term(tone) over the tones. It starts from -0, which adds
// nothing to any value, so one tone's sum is its term to the bit.
template <class Term> double sumOverTones(const Tones& tones, Term&& term) {
    double sum = -0.0;
    for (const Tone& tone : tones) {
        sum += term(tone);
    }
    return sum;
}

} // namespace amsim
