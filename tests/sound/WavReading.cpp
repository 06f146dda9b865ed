#include "WavReading.h"

#include "sound/SoundGenerator.h"
#include "sound/WavFile.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace amsim::test {

namespace {

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(bytes.at(at + i)) << (8 * i);
    }
    return value;
}

std::string text(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)};
}

} // namespace

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "amsim-sound-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<double> readWavVolts(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = readBytes(file);
    if (bytes.size() < 44) {
        ADD_FAILURE() << file << " is too short for a WAV header";
        return {};
    }
    const std::uint32_t data = little(bytes, 40, 4);
    EXPECT_EQ(text(bytes, 0), "RIFF");
    EXPECT_EQ(little(bytes, 4, 4), 36 + data);
    EXPECT_EQ(text(bytes, 8), "WAVE");
    EXPECT_EQ(text(bytes, 12), "fmt ");
    EXPECT_EQ(little(bytes, 16, 4), 16U);    // format chunk size
    EXPECT_EQ(little(bytes, 20, 2), 1U);     // PCM
    EXPECT_EQ(little(bytes, 22, 2), 1U);     // mono
    EXPECT_EQ(little(bytes, 24, 4), 48000U); // rate
    EXPECT_EQ(little(bytes, 28, 4), 96000U); // bytes a second
    EXPECT_EQ(little(bytes, 32, 2), 2U);     // block align
    EXPECT_EQ(little(bytes, 34, 2), 16U);    // bits
    EXPECT_EQ(text(bytes, 36), "data");
    EXPECT_EQ(bytes.size(), 44 + data);
    std::vector<double> volts;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        const auto sample = static_cast<std::int16_t>(little(bytes, at, 2));
        volts.push_back(2.0 * sample / 32767.0);
    }
    return volts;
}

std::vector<double> soundThroughWav(const TemporaryFolder& folder, const ParameterValues& values,
                                    double seconds) {
    const auto count = static_cast<std::size_t>(seconds * kSoundRate);
    const std::vector<std::uint8_t> bytes = wavBytes(soundSamples(values, 0, count));
    const std::filesystem::path file = folder.path() / "sound.wav";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return readWavVolts(file);
}

} // namespace amsim::test
