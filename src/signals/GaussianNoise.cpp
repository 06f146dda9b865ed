#include "signals/GaussianNoise.h"

#include <cmath>

namespace amsim {

namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

// A uniform deviate in (-1, 1) from the top 53 bits.
double uniformOf(std::uint64_t bits) {
    constexpr double kUnit = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(bits >> 11U) * kUnit * 2.0 - 1.0;
}

} // namespace

double naturalLog(double value) {
    constexpr double kLn2 = 0.69314718055994530942;
    constexpr double kSqrtHalf = 0.70710678118654752440;
    constexpr int kLastOddPower = 25;
    int exponent = 0;
    double mantissa = std::frexp(value, &exponent); // exact: [0.5, 1)
    if (mantissa < kSqrtHalf) {
        mantissa *= 2.0;
        --exponent;
    }
    const double u = (mantissa - 1.0) / (mantissa + 1.0);
    const double u2 = u * u;
    double power = u;
    double sum = 0.0;
    for (int k = 1; k <= kLastOddPower; k += 2) {
        sum += power / k;
        power *= u2;
    }
    return 2.0 * sum + exponent * kLn2;
}

// Points outside the unit circle (about one in five) are drawn again from the
// next hashes of the same index.
NormalPair GaussianNoise::pairAt(std::int64_t index) const {
    std::uint64_t state = mix(seed_ ^ (static_cast<std::uint64_t>(index) * kGolden));
    for (;;) {
        state += kGolden;
        const double u = uniformOf(mix(state));
        state += kGolden;
        const double v = uniformOf(mix(state));
        const double s = u * u + v * v;
        if (s > 0.0 && s < 1.0) {
            const double factor = std::sqrt(-2.0 * naturalLog(s) / s);
            return {u * factor, v * factor};
        }
    }
}

} // namespace amsim
