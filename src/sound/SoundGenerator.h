#pragma once

#include "core/ParameterValues.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace amsim {

// The sound's sample rate, mono.
inline constexpr double kSoundRate = 48000.0;
// The one level of every mode: 1 V of audio is half of full scale, so full
// scale (1.0) is 2 V; beyond it a sample is limited, never wrapped.
inline constexpr double kVoltsAtFullScale = 2.0;
// A sound file saved from the bench lasts this long.
inline constexpr double kSoundFileSeconds = 2.0;

// The receiver's output as sound: the product detector's audio or, while the
// envelope detector is on, the envelope detector's, through an audio coupling
// (a high-pass far below the tone) that removes the detector's DC, at the
// fixed level above. Every front end and the WAV export pull their samples
// from this one generator.
//
// Sample k is at fine sample firstSample + k * 2 MHz / 48 kHz of the bench's
// time; time keeps running across changes of the setting. A new setting
// takes over within a few samples, by a crossfade of 10 ms from the old
// setting's output to the new one's at the same running time, so a change
// is never a click.
class SoundGenerator {
public:
    SoundGenerator(const ParameterValues& values, std::int64_t firstSample);
    ~SoundGenerator();
    SoundGenerator(SoundGenerator&& other) noexcept;
    SoundGenerator& operator=(SoundGenerator&& other) noexcept;
    SoundGenerator(const SoundGenerator&) = delete;
    SoundGenerator& operator=(const SoundGenerator&) = delete;

    // The next count samples, each in [-1, 1].
    std::vector<float> next(std::size_t count);
    // The setting from the next sample on.
    void setValues(const ParameterValues& values);
    // Samples produced since the start.
    std::int64_t position() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The first count samples of a generator that starts at firstSample with one
// setting: what the WAV export and the saving of a sound write.
std::vector<float> soundSamples(const ParameterValues& values, std::int64_t firstSample,
                                std::size_t count);

} // namespace amsim
