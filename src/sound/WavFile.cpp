#include "sound/WavFile.h"

#include "sound/SoundGenerator.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace amsim {

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint16_t kBytesPerSample = 2;

void appendText(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

// Little-endian, whatever the machine's order.
template <typename Unsigned> void appendLittle(std::vector<std::uint8_t>& out, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

std::int16_t pcm16(float sample) {
    if (std::isnan(sample)) {
        return 0;
    }
    const float full = std::clamp(sample, -1.0F, 1.0F);
    return static_cast<std::int16_t>(std::lround(full * 32767.0F));
}

std::vector<std::uint8_t> wavBytes(const std::vector<float>& samples) {
    const auto rate = static_cast<std::uint32_t>(kSoundRate);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + dataBytes);
    appendText(out, "RIFF");
    appendLittle<std::uint32_t>(out, kHeaderBytes - 8 + dataBytes);
    appendText(out, "WAVEfmt ");
    appendLittle<std::uint32_t>(out, 16);                     // the format chunk's size
    appendLittle<std::uint16_t>(out, 1);                      // PCM
    appendLittle<std::uint16_t>(out, 1);                      // mono
    appendLittle<std::uint32_t>(out, rate);                   // samples a second
    appendLittle<std::uint32_t>(out, rate * kBytesPerSample); // bytes a second
    appendLittle<std::uint16_t>(out, kBytesPerSample);        // bytes a frame
    appendLittle<std::uint16_t>(out, 16);                     // bits a sample
    appendText(out, "data");
    appendLittle<std::uint32_t>(out, dataBytes);
    for (float sample : samples) {
        appendLittle(out, static_cast<std::uint16_t>(pcm16(sample)));
    }
    return out;
}

} // namespace amsim
