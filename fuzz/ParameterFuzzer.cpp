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

// What each button that writes a box writes there, from the box's text.
struct BoxButton {
    std::string_view name;
    Parameter box;
    std::string (*next)(std::string_view text, const NumberFormat& format);
};

const std::array<BoxButton, 14> kBoxButtons{{
    {"ModulanteSubir", Parameter::Modulante,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kModulanteSubir, t, f); }},
    {"ModulanteBajar", Parameter::Modulante,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kModulanteBajar, t, f); }},
    {"VccSubir", Parameter::Vcc,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kVccSubir, t, f); }},
    {"VccBajar", Parameter::Vcc,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kVccBajar, t, f); }},
    {"FaseSubir", Parameter::Fase,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kFaseSubir, t, f); }},
    {"FaseBajar", Parameter::Fase,
     [](std::string_view t, const NumberFormat& f) { return steppedText(kFaseBajar, t, f); }},
    {"BliSi", Parameter::BliSiNo,
     [](std::string_view t, const NumberFormat& f) {
         return toggledText(Parameter::BliSiNo, t, f);
     }},
    {"BlsSi", Parameter::BlsSiNo,
     [](std::string_view t, const NumberFormat& f) {
         return toggledText(Parameter::BlsSiNo, t, f);
     }},
    {"EnvelopeToggle", Parameter::Envelope,
     [](std::string_view t, const NumberFormat& f) {
         return toggledText(Parameter::Envelope, t, f);
     }},
    {"EscalasSi", Parameter::Escalas,
     [](std::string_view t, const NumberFormat& f) {
         return toggledText(Parameter::Escalas, t, f);
     }},
    {"RuidoSubir", Parameter::Ruido,
     [](std::string_view t, const NumberFormat& f) { return ruidoSteppedText(t, true, f); }},
    {"RuidoBajar", Parameter::Ruido,
     [](std::string_view t, const NumberFormat& f) { return ruidoSteppedText(t, false, f); }},
    {"DfSubir", Parameter::Df,
     [](std::string_view t, const NumberFormat& f) { return dfSteppedText(t, true, f); }},
    {"DfBajar", Parameter::Df,
     [](std::string_view t, const NumberFormat& f) { return dfSteppedText(t, false, f); }},
}};

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
        const auto* const found =
            std::find_if(kBoxButtons.begin(), kBoxButtons.end(),
                         [button](const BoxButton& b) { return b.name == button; });
        if (found == kBoxButtons.end()) {
            return;
        }
        const BoxButton& rule = *found;
        std::string& text = texts_.at(static_cast<std::size_t>(rule.box));
        try {
            const std::string next = rule.next(text, format_);
            fuzz::requireWrittenWell(button, rule.box, next, format_);
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
