#pragma once

#include "sound/SoundGenerator.h"

#include <QIODevice>

namespace amsim {

// The engine's sound as the bytes an audio sink pulls: 16-bit PCM,
// little-endian, mono, 48 kHz, sample for sample the generator's, encoded as
// the WAV export encodes them. Open from the start, endless; it never blocks.
class SoundSource : public QIODevice {
    Q_OBJECT

public:
    SoundSource(const ParameterValues& values, std::int64_t firstSample, QObject* parent = nullptr);

    // The setting from the next sample on (the generator crossfades).
    void setValues(const ParameterValues& values);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    SoundGenerator generator_;
};

} // namespace amsim
