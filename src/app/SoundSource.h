#pragma once

#include <QIODevice>
#include <cstddef>
#include <functional>
#include <vector>

namespace amsim {

// The engine's sound as the bytes an audio sink pulls: 16-bit PCM,
// little-endian, mono, 48 kHz, sample for sample the engine's, encoded as
// the WAV export encodes them. Open from the start; it never blocks.
class SoundSource : public QIODevice {
    Q_OBJECT

public:
    // The next count samples, each in [-1, 1].
    using Samples = std::function<std::vector<float>(std::size_t count)>;

    explicit SoundSource(Samples samples, QObject* parent = nullptr);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    Samples samples_;
};

} // namespace amsim
