#include "app/SoundSource.h"

#include "sound/WavFile.h"

#include <utility>
#include <vector>

namespace amsim {

namespace {

constexpr qint64 kBytesPerSample = 2;
// What a sink may ask for at once: 50 ms.
constexpr qint64 kReadyBytes = 2400 * kBytesPerSample;

} // namespace

SoundSource::SoundSource(Samples samples, QObject* parent)
    : QIODevice(parent)
    , samples_(std::move(samples)) {
    // Unbuffered: QIODevice's own read-ahead would compute a change's sound
    // long before it is played.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SoundSource::bytesAvailable() const {
    return kReadyBytes + QIODevice::bytesAvailable();
}

// Whole samples only: an odd byte left over waits for the next read.
qint64 SoundSource::readData(char* data, qint64 maxSize) {
    const std::vector<float> samples =
        samples_(static_cast<std::size_t>(maxSize / kBytesPerSample));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto pcm = static_cast<std::uint16_t>(pcm16(samples[i]));
        const auto at = static_cast<qint64>(i) * kBytesPerSample;
        data[at] = static_cast<char>(pcm & 0xFFU);
        data[at + 1] = static_cast<char>(pcm >> 8U);
    }
    return static_cast<qint64>(samples.size()) * kBytesPerSample;
}

// Read only.
qint64 SoundSource::writeData(const char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

} // namespace amsim
