#include "params/StepRules.h"

#include "core/Error.h"
#include "params/BoxReader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace amsim {

namespace {

// "(0; 0,01; …; 1)": the sequence in the locale's notation.
std::string ruidoSequence(const NumberFormat& format) {
    std::string list;
    for (const double step : kRuidoSteps) {
        list += (list.empty() ? "(" : "; ") + numberToText(step, format);
    }
    return list + ")";
}

} // namespace

std::string steppedText(const StepRule& rule, std::string_view text, const NumberFormat& format) {
    const double sum = readBox(rule.box, text, format) + rule.step;
    const std::string written = numberToText(sum, format);
    // At the very edge of the double range the rounded text is out of range.
    const std::optional<double> shown = textToNumber(written, format);
    if (!shown) {
        throw Error::overflow(rule.box, std::string(text));
    }
    return rule.floorAtZero && *shown < 0.0 ? "0" : written;
}

std::string ruidoSteppedText(std::string_view text, bool up, const NumberFormat& format) {
    const double value = readBox(Parameter::Ruido, text, format);
    if (up) {
        const auto* const next = std::find_if(kRuidoSteps.begin(), kRuidoSteps.end(),
                                              [value](double step) { return step > value; });
        return numberToText(next == kRuidoSteps.end() ? value : *next, format);
    }
    const auto below = std::find_if(kRuidoSteps.rbegin(), kRuidoSteps.rend(),
                                    [value](double step) { return step < value; });
    return below == kRuidoSteps.rend() ? "0" : numberToText(*below, format);
}

std::optional<std::string> stepToolTip(std::string_view button, const NumberFormat& format) {
    if (button == "RuidoSubir" || button == "RuidoBajar") {
        return (button == "RuidoSubir" ? "Subir el ruido " : "Bajar el ruido ") +
               ruidoSequence(format);
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
