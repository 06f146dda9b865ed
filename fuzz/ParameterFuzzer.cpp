// The boxes' rules and the readout, apart from the drawing, fast enough that
// a minute explores: arbitrary box texts, a number format and a series of
// clicks (BoxFuzzing.h). Each click applies its button's rule to its box's
// text, as the handlers do before they redraw; Pausa moves the bench's
// instant between its start and its latest, and the panels change no box.
// After the clicks the boxes are read, and the readout, the drawing's
// description, the values' line and the command are made from what they
// hold and held to sane figures. The readout's measured S/N needs a second
// of the simulated receiver: here those lines show the theory's ratios,
// which reach the same extremes; the redraw's fuzzer measures them.
#include "BoxFuzzing.h"
#include "core/Error.h"
#include "params/BoxReader.h"
#include "params/MeasurementLines.h"
#include "params/ParameterSummary.h"
#include "params/SettingText.h"
#include "params/StepRules.h"
#include "signals/Measurements.h"
#include "signals/ScreenStart.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

namespace {

class Boxes {
public:
    explicit Boxes(const fuzz::BoxInput& input)
        : texts_(input.texts)
        , format_(input.format) {}

    // A failed rule writes nothing.
    void click(std::string_view button) {
        if (button == "Pausa") {
            instant_ = instant_ == 0.0 ? kLatestInstant : 0.0;
            return;
        }
        const std::optional<StepButton> pressed = stepButtonOf(button);
        if (!pressed) {
            return;
        }
        std::string& text = texts_.at(static_cast<std::size_t>(pressed->box));
        try {
            const std::string next = steppedText(*pressed, text, format_);
            fuzz::requireWrittenWell(button, pressed->box, next, format_);
            text = next;
        } catch (const Error& error) {
            requireFits(error);
        }
    }

    void readOut() const {
        const std::function<std::string(Parameter)> textOf = [this](Parameter box) {
            return texts_.at(static_cast<std::size_t>(box));
        };
        // The description reads the boxes by the drawing's rules: it names the
        // box that stops the redraw, and no box when none does.
        const std::string summary = summarizeBoxes(textOf, format_);
        fuzz::requireSaneFigures({summary}, format_);
        const bool describedInvalid = summary.starts_with("Parámetros no válidos: ");
        BoxReader reader(textOf, format_);
        std::optional<ParameterValues> values;
        std::string command;
        try {
            values = valuesOf([&reader](Parameter box) { return reader.read(box); });
            command = settingCommand(reader, format_, instant_);
        } catch (const Error& error) {
            requireFits(error);
            fuzz::require(describedInvalid && error.parameter() &&
                              summary.find(quotedLabel(*error.parameter())) != std::string::npos,
                          "the description does not name the box the redraw stops at", summary);
            return;
        }
        fuzz::require(!describedInvalid, "the description names a box the redraw reads", summary);
        ParameterValues quiet = *values;
        quiet.ruido = 0.0;
        Measurements measured = measure(quiet, instant_);
        if (values->ruido != 0.0) {
            const NoiseTheory theory = noiseTheory(*values);
            const auto asMeasured = [](const std::optional<double>& ratio) {
                return ratio ? std::optional<MeasuredRatio>(MeasuredRatio{*ratio, 0.1})
                             : std::nullopt;
            };
            measured.noise =
                NoiseReadout{receiverBandOf(values->BliSiNo, values->BlsSiNo), theory,
                             asMeasured(theory.audioRatio), asMeasured(theory.inputRatio)};
        }
        fuzz::requireSaneFigures(measurementLines(measured, format_), format_);
        fuzz::requireSaneFigures({valuesLine(*values, format_), command}, format_);
    }

private:
    void requireFits(const Error& error) const {
        fuzz::requireErrorFits(
            error, [this](Parameter box) { return texts_.at(static_cast<std::size_t>(box)); },
            format_);
    }

    fuzz::BoxTexts texts_;
    NumberFormat format_;
    double instant_ = 0.0;
};

} // namespace

} // namespace amsim

// The rules cost microseconds: a long series of clicks costs little.
constexpr std::size_t kMaxClicks = 16;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const amsim::fuzz::BoxInput input =
        amsim::fuzz::boxInputOf(std::span<const std::uint8_t>(data, size), kMaxClicks);
    amsim::Boxes boxes(input);
    for (const std::string_view button : input.clicks) {
        boxes.click(button);
    }
    boxes.readOut();
    return 0;
}
