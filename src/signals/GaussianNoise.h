#pragma once

#include <cstdint>

namespace amsim {

// A pair of independent standard normal deviates.
struct NormalPair {
    double first;
    double second;
};

// Normal deviates that depend only on a seed and an index: any stretch of
// noise can be drawn for any moment without drawing what came before, and in
// any order. Each index hashes to uniform deviates (SplitMix64's finaliser),
// which Marsaglia's polar method turns into normal ones. Only integer
// arithmetic, + - * / and sqrt are used, all exact to IEEE 754 on every
// target, and the logarithm is a series of our own: the same seed and index
// give the same bits natively and in WebAssembly.
class GaussianNoise {
public:
    explicit GaussianNoise(std::uint64_t seed)
        : seed_(seed) {}

    NormalPair pairAt(std::int64_t index) const;

private:
    std::uint64_t seed_;
};

// The natural logarithm of a positive finite number, from its binary exponent
// and the series 2 atanh u = ln((1 + u) / (1 - u)), |u| < 0.18, to the last
// bit or so.
double naturalLog(double value);

} // namespace amsim
