#pragma once

#include "core/Parameters.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "params/SettingText.h"
#include "sound/SoundGenerator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// What a bench is given to start from besides its start values: a text for
// each box that gets one, in the boxes' own notation, and the instant at
// which its time stands still.
// An exercise comes as a code or a built-in exercise's name (with a seed,
// or a fresh one), or as the names of the boxes to hide in the given setting.
struct GivenStart {
    std::array<std::optional<std::string>, kParameterCount> texts{};
    std::optional<double> instant;
    std::optional<std::string> exercise;
    std::optional<std::string> seed;
    std::optional<std::string> hidden;
};

// What the teacher chose in the dialog that makes an exercise of the bench.
struct ExerciseChoice {
    HiddenSet hidden;
    std::optional<std::size_t> question; // none: the first hidden value's
    std::string tolerance;               // as typed; empty: the question's usual one
};

// The exercise's link for the page and command for the window.
struct ExerciseOffer {
    std::string link;
    std::string command;
};

// The bench of one front end: the shared handlers over its controls, and
// the flows every front end runs alike, written once. Starting from given
// values, saving a file of the setting on screen and feeding the sound are
// here; a front end shows what the bench gives and hands on its bytes and
// samples.
class Bench {
public:
    // The picture a front end makes of itself for a saved image.
    using Picture = std::function<std::vector<std::uint8_t>()>;

    Bench(Controls& controls, NumberFormat format, BenchClock clock = BenchClock());

    Handlers& handlers() { return handlers_; }
    const Handlers& handlers() const { return handlers_; }
    // The boxes as they are now, read by the handlers' rules.
    ParameterReader& boxes() { return reader_; }

    // Load: the start values, then the given texts in their boxes; the time
    // stands still at the given instant. The first picture is the front
    // end's to ask for, when it first shows (Form_Activate).
    void load(const GivenStart& given);
    // Load, then the first picture. An exercise that cannot be read leaves
    // the bench at its start values, drawn, before its error goes on.
    void start(const GivenStart& given);

    // The named item's text for the clipboard (the link or the command), for
    // the page at that address: an exercise's while values are hidden.
    std::optional<std::string> menuText(std::string_view item, std::string_view page);
    // An exercise of the setting on screen as the teacher chose it;
    // amsim::Error when nothing is hidden, no question asks for it or the
    // tolerance is no number above 0.
    ExerciseOffer createExercise(const ExerciseChoice& choice, std::string_view page);
    // The built-in exercise of that name drawn from the seed as typed (a
    // fresh one when empty), and its picture.
    void openExercise(std::string_view name, std::string_view seed);

    // The language of that tag in use, and every text on the bench in it;
    // amsim::Error naming the tag when no catalogue has it.
    void chooseLanguage(std::string_view language);

    // Runs one event of a front end's; whatever it ends in, the sound then
    // follows the setting on screen.
    template <class Event> void run(Event&& event) {
        try {
            event();
        } catch (...) {
            followSetting();
            throw;
        }
        followSetting();
    }

    // Saving: the setting in the boxes drawn first, so that what is saved is
    // what is on screen (a box without a number stops here with its
    // message), and the name the file is offered under.
    std::string drawForSaving(SavedFile file);
    // The file's bytes at the instant on screen: the sampled signals' CSV,
    // the sound's WAV, or the front end's own picture.
    std::vector<std::uint8_t> fileBytes(SavedFile file, const Picture& picture);
    // The sampled signals of the setting in the boxes at the instant on
    // screen, as CSV.
    std::vector<std::uint8_t> csvBytes();
    // The receiver's sound of the setting in the boxes from the instant on
    // screen, as a WAV file of that many seconds.
    std::vector<std::uint8_t> wavBytes(double seconds);
    // The analyser's spectra at the bench's instant, as --export-espectro.
    std::vector<std::uint8_t> spectrumBytes();

    // The sound of the setting on screen from the instant on screen, which
    // keeps the bench live while it plays; nothing while the picture is
    // blank or stale. Returns whether it plays.
    bool startSound();
    void stopSound();
    // The next count samples at 48 kHz; none while it is off.
    std::vector<float> soundSamples(std::size_t count);

private:
    void followSetting();
    std::optional<Exercise> givenExercise(const GivenStart& given);

    Controls& controls_;
    Handlers handlers_;
    BoxReader reader_;
    std::optional<SoundGenerator> sound_;
};

} // namespace amsim
