#pragma once

#include "core/ParameterValues.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace amsim::test {

// A folder of its own under the system's temporary folder, removed with it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);

// The samples of a mono 48 kHz 16-bit PCM WAV file, in volts (full scale
// 2 V); the test fails if the header says anything else.
std::vector<double> readWavVolts(const std::filesystem::path& file);

// seconds of sound at one setting from t = 0, written as a WAV file into
// folder and read back.
std::vector<double> soundThroughWav(const TemporaryFolder& folder, const ParameterValues& values,
                                    double seconds);

} // namespace amsim::test
