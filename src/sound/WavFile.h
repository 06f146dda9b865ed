#pragma once

#include <cstdint>
#include <vector>

namespace amsim {

// A sample in [-1, 1] as 16-bit PCM: full scale is 32767, beyond it limited.
std::int16_t pcm16(float sample);

// The samples as a WAV file: the standard 44-byte header, mono, 48 kHz,
// 16-bit PCM, little-endian.
std::vector<std::uint8_t> wavBytes(const std::vector<float>& samples);

} // namespace amsim
