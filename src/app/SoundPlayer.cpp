#include "app/SoundPlayer.h"

#include "sound/SoundGenerator.h"
#include "texts/Catalogue.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <utility>

namespace amsim {

namespace {

// 50 ms of 16-bit samples.
constexpr qsizetype kBufferBytes = 4800;

QAudioFormat soundFormat() {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(kSoundRate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    stop();
}

std::optional<QString> SoundPlayer::unavailableReason() {
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return QString::fromUtf8(catalogueText("sound.noOutput"));
    }
    if (!output.isFormatSupported(soundFormat())) {
        return QString::fromUtf8(catalogueText("sound.noFormat"));
    }
    return std::nullopt;
}

void SoundPlayer::start(SoundSource::Samples samples) {
    stop();
    source_ = std::make_unique<SoundSource>(std::move(samples));
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), soundFormat());
    sink_->setBufferSize(kBufferBytes);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) {
            stop();
            emit stopped();
        }
    });
    sink_->start(source_.get());
}

// Either may be in the middle of a signal of its own: both go once it returns.
void SoundPlayer::stop() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.release()->deleteLater();
    }
    if (source_) {
        source_.release()->deleteLater();
    }
}

bool SoundPlayer::isPlaying() const {
    return sink_ != nullptr;
}

} // namespace amsim
