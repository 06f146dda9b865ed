#include "flows/Bench.h"

#include "core/Error.h"
#include "core/ParameterValues.h"
#include "core/VisibleText.h"
#include "core/WindowValues.h"
#include "params/BuiltInExercises.h"
#include "params/ExerciseCode.h"
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
    , reader_([this](Parameter box) { return handlers_.boxText(box); }, handlers_.format(),
              [this](Parameter box) { return isHidden(handlers_.hidden(), box); }) {}

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
    if (std::optional<Exercise> exercise = givenExercise(given)) {
        handlers_.setExercise(std::move(exercise));
    }
}

// A code, or a built-in exercise's name; or the boxes to hide in the given
// setting, asked for by the first of them that has a question.
std::optional<Exercise> Bench::givenExercise(const GivenStart& given) {
    if (given.exercise) {
        if (const BuiltInExercise* builtIn = builtInNamed(*given.exercise)) {
            return builtIn->make(given.seed ? seedOf(*given.seed) : freshSeed());
        }
        return exerciseOfCode(*given.exercise);
    }
    if (!given.hidden) {
        return std::nullopt;
    }
    Exercise exercise;
    exercise.hidden = hiddenSetOf(*given.hidden);
    for (const Parameter box : kAllParameters) {
        exercise.texts.at(static_cast<std::size_t>(box)) = controls_.text(box);
    }
    exercise.question = defaultQuestion(exercise.hidden);
    if (exercise.question) {
        exercise.tolerance = questionRows()[*exercise.question].tolerance;
    }
    return exercise;
}

void Bench::start(const GivenStart& given) {
    std::optional<Error> refused;
    try {
        load(given);
    } catch (const Error& error) {
        if (error.kind() != Error::Kind::BadExercise) {
            throw;
        }
        refused = error;
        handlers_.Form_Load();
    }
    handlers_.Form_Activate();
    if (refused) {
        throw *refused;
    }
}

std::optional<std::string> Bench::menuText(std::string_view item, std::string_view page) {
    const MenuContext context{page, reader_, handlers_.format(), handlers_.stillInstant(),
                              handlers_.exerciseNow()};
    return menuClipboardText(item, context);
}

ExerciseOffer Bench::createExercise(const ExerciseChoice& choice, std::string_view page) {
    if (choice.hidden.none()) {
        throw Error::badExercise(std::string(catalogueText("exercise.nothingHidden")));
    }
    Exercise exercise;
    exercise.hidden = choice.hidden;
    exercise.question = choice.question ? choice.question : defaultQuestion(choice.hidden);
    if (!exercise.question) {
        throw Error::badExercise(std::string(catalogueText("exercise.noQuestion")));
    }
    exercise.tolerance = questionRows()[*exercise.question].tolerance;
    if (!choice.tolerance.empty()) {
        const std::optional<double> typed = textToNumber(choice.tolerance, handlers_.format());
        if (!typed || !(*typed > 0.0)) {
            throw Error::badExercise(
                filled("exercise.badTolerance", {{"text", quotedText(choice.tolerance)}}));
        }
        exercise.tolerance = *typed;
    }
    exercise.texts = handlers_.settingTexts();
    const std::optional<double> instant = handlers_.stillInstant();
    return {exerciseLink(page, exercise, instant),
            exerciseCommand(exercise, handlers_.format(), instant)};
}

void Bench::openExercise(std::string_view name, std::string_view seed) {
    const BuiltInExercise* const builtIn = builtInNamed(name);
    if (builtIn == nullptr) {
        return;
    }
    Exercise exercise = builtIn->make(seed.empty() ? freshSeed() : seedOf(seed));
    handlers_.Form_Load();
    handlers_.setExercise(std::move(exercise));
    handlers_.Box_Enter();
}

void Bench::chooseLanguage(std::string_view language) {
    if (!useLanguage(language)) {
        throw Error::unknownLanguage(std::string(language));
    }
    handlers_.languageChanged();
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
