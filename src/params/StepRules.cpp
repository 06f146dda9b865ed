#include "params/StepRules.h"

#include "core/Error.h"
#include "params/BoxReader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace amsim {

namespace {

// "(0; 0,01; …; 1)": the sequence in the locale's notation; the frequency
// error's as its magnitudes, "(0; ±0,5; …; ±500 Hz)".
std::string ruidoSequence(const NumberFormat& format) {
    std::string list;
    for (const double step : kRuidoSteps) {
        list += (list.empty() ? "(" : "; ") + numberToText(step, format);
    }
    return list + ")";
}

std::string dfSequence(const NumberFormat& format) {
    std::string list = "(0";
    for (const double step : kDfSteps) {
        if (step > 0.0) {
            list += "; ±" + numberToText(step, format);
        }
    }
    return list + " Hz)";
}

// The value as a step writes it. At the very edge of the double range the
// rounded text is out of range: the step is then refused, as the number
// itself would be.
std::string writtenStep(Parameter box, double value, std::string_view text,
                        const NumberFormat& format) {
    std::string written = numberToText(value, format);
    if (!textToNumber(written, format)) {
        throw Error::overflow(box, std::string(text));
    }
    return written;
}

template <std::size_t N>
std::string sequenceSteppedText(Parameter box, const std::array<double, N>& sequence,
                                std::string_view text, bool up, const NumberFormat& format) {
    const double value = readBox(box, text, format);
    if (up) {
        const auto* const next = std::find_if(sequence.begin(), sequence.end(),
                                              [value](double step) { return step > value; });
        return writtenStep(box, next == sequence.end() ? value : *next, text, format);
    }
    const auto below = std::find_if(sequence.rbegin(), sequence.rend(),
                                    [value](double step) { return step < value; });
    return numberToText(below == sequence.rend() ? sequence.front() : *below, format);
}

} // namespace

std::string steppedText(const StepRule& rule, std::string_view text, const NumberFormat& format) {
    const double sum = readBox(rule.box, text, format) + rule.step;
    const std::string written = writtenStep(rule.box, sum, text, format);
    return rule.floorAtZero && sum < 0.0 ? "0" : written;
}

std::string ruidoSteppedText(std::string_view text, bool up, const NumberFormat& format) {
    return sequenceSteppedText(Parameter::Ruido, kRuidoSteps, text, up, format);
}

std::string dfSteppedText(std::string_view text, bool up, const NumberFormat& format) {
    return sequenceSteppedText(Parameter::Df, kDfSteps, text, up, format);
}

std::optional<std::string> stepToolTip(std::string_view button, const NumberFormat& format) {
    if (button == "RuidoSubir" || button == "RuidoBajar") {
        return (button == "RuidoSubir" ? "Subir el ruido " : "Bajar el ruido ") +
               ruidoSequence(format);
    }
    if (button == "DfSubir" || button == "DfBajar") {
        return (button == "DfSubir" ? "Subir el error de frecuencia "
                                    : "Bajar el error de frecuencia ") +
               dfSequence(format);
    }
    struct ToolTip {
        std::string_view button;
        const StepRule& rule;
        std::string_view before;
        std::string_view after;
    };
    static const std::array<ToolTip, 6> kToolTips{{
        {"ModulanteSubir", kModulanteSubir, "Subir la modulante ", ""},
        {"ModulanteBajar", kModulanteBajar, "Bajar la modulante ", " (no baja de 0)"},
        {"VccSubir", kVccSubir, "Subir V(cc) ", ""},
        {"VccBajar", kVccBajar, "Bajar V(cc) ", ""},
        {"FaseSubir", kFaseSubir, "Subir la fase ", " grados"},
        {"FaseBajar", kFaseBajar, "Bajar la fase ", " grados"},
    }};
    const auto* const tip = std::find_if(kToolTips.begin(), kToolTips.end(),
                                         [button](const ToolTip& t) { return t.button == button; });
    if (tip == kToolTips.end()) {
        return std::nullopt;
    }
    const ToolTip& found = *tip;
    return std::string(found.before) + numberToText(std::abs(found.rule.step), format) +
           std::string(found.after);
}

std::string toggledText(Parameter box, std::string_view text, const NumberFormat& format) {
    return readBox(box, text, format) == 1.0 ? "0" : "1";
}

} // namespace amsim
