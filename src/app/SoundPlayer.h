#pragma once

#include "app/SoundSource.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QAudioSink;

namespace amsim {

// The window's loudspeaker: the engine's sound through the system's default
// audio output, about 50 ms ahead.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Why there is nothing to play on, in Spanish; none when there is an output.
    static std::optional<QString> unavailableReason();

    // Plays what the engine gives, pulled as the output needs it.
    void start(SoundSource::Samples samples);
    void stop();
    bool isPlaying() const;

signals:
    // The output failed while playing and the sound stopped.
    void stopped();

private:
    // The source outlives the sink that reads it.
    std::unique_ptr<SoundSource> source_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace amsim
