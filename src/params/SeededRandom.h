#pragma once

#include <cstdint>

namespace amsim {

// SplitMix64: the same numbers from the same seed on every platform and
// compiler, which the standard library's distributions do not promise.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed)
        : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    // One of count whole numbers from 0; the bias of a 64-bit remainder is
    // far below anything an exercise shows.
    int below(int count) { return static_cast<int>(next() % static_cast<std::uint64_t>(count)); }

private:
    std::uint64_t state_;
};

} // namespace amsim
