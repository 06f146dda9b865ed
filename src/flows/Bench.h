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
#include <vector>

namespace amsim {

// What a bench is given to start from besides its start values: a text for
// each box that gets one, in the boxes' own notation, and the instant at
// which its time stands still.
struct GivenStart {
    std::array<std::optional<std::string>, kParameterCount> texts{};
    std::optional<double> instant;
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
    // Load, then the first picture.
    void start(const GivenStart& given);

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

    Controls& controls_;
    Handlers handlers_;
    BoxReader reader_;
    std::optional<SoundGenerator> sound_;
};

} // namespace amsim
