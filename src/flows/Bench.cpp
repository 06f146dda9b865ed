#include "flows/Bench.h"

#include "core/ParameterValues.h"
#include "core/WindowValues.h"
#include "signals/ScreenStart.h"
#include "signals/SignalCsv.h"
#include "signals/SignalTable.h"
#include "signals/SpectrumAnalyser.h"
#include "signals/SpectrumCsv.h"
#include "sound/WavFile.h"

#include <cmath>
#include <utility>

namespace amsim {

Bench::Bench(Controls& controls, NumberFormat format, BenchClock clock)
    : controls_(controls)
    , handlers_(controls, std::move(format), std::move(clock))
    , reader_([this](Parameter box) { return controls_.text(box); }, handlers_.format()) {}

void Bench::load(const GivenStart& given) {
    if (given.instant) {
        handlers_.showInstant(*given.instant);
    }
    handlers_.Form_Load();
    for (const Parameter box : kAllParameters) {
        if (const std::optional<std::string>& text =
                given.texts.at(static_cast<std::size_t>(box))) {
            controls_.setText(box, *text);
        }
    }
}

void Bench::start(const GivenStart& given) {
    load(given);
    handlers_.Form_Activate();
}

std::string Bench::drawForSaving(SavedFile file) {
    handlers_.Box_Enter();
    return savedFileName(file, reader_);
}

std::vector<std::uint8_t> Bench::fileBytes(SavedFile file, const Picture& picture) {
    switch (file) {
    case SavedFile::Image:
        return picture();
    case SavedFile::Data:
        return csvBytes();
    case SavedFile::Sound:
        return wavBytes(kSoundFileSeconds);
    case SavedFile::Spectrum:
        return spectrumBytes();
    case SavedFile::None:
        break;
    }
    return {};
}

std::vector<std::uint8_t> Bench::csvBytes() {
    const std::string text = signalCsv(sampleSignals(reader_, WindowValues{}, handlers_.instant()));
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Bench::spectrumBytes() {
    const ParameterValues values =
        valuesOf([this](Parameter parameter) { return reader_.read(parameter); });
    const std::string text = spectrumCsv(analyseSpectra(values, handlers_.instant()));
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Bench::wavBytes(double seconds) {
    const ParameterValues values =
        valuesOf([this](Parameter parameter) { return reader_.read(parameter); });
    const auto count = static_cast<std::size_t>(std::lround(seconds * kSoundRate));
    return amsim::wavBytes(amsim::soundSamples(values, fineSampleAt(handlers_.instant()), count));
}

bool Bench::startSound() {
    if (const std::optional<ParameterValues>& shown = handlers_.shownValues()) {
        sound_.emplace(*shown, fineSampleAt(handlers_.instant()));
    }
    handlers_.setHeard(sound_.has_value());
    return sound_.has_value();
}

void Bench::stopSound() {
    sound_.reset();
    handlers_.setHeard(false);
}

std::vector<float> Bench::soundSamples(std::size_t count) {
    return sound_ ? sound_->next(count) : std::vector<float>();
}

// The generator ignores the setting it already plays.
void Bench::followSetting() {
    if (sound_ && handlers_.shownValues()) {
        sound_->setValues(*handlers_.shownValues());
    }
}

} // namespace amsim
