#include "params/ParameterSummary.h"

#include <cmath>
#include <optional>
#include <vector>

namespace amsim {

namespace {

// What reaches the transmitter's output. A sideband needs both a tone and its
// factor; any factor but 0 lets it through, as the redraw multiplies by it.
struct Components {
    bool carrier;
    bool lower;
    bool upper;
};

Components componentsOf(const ParameterValues& values) {
    const bool tone = values.mdl != 0.0;
    return {values.Vcc != 0.0, tone && values.BliSiNo != 0.0, tone && values.BlsSiNo != 0.0};
}

std::string modeOf(const Components& on) {
    if (on.lower && on.upper) {
        return on.carrier ? "AM" : "DSB";
    }
    if (on.lower || on.upper) {
        const std::string sideband = on.upper ? "banda lateral superior" : "banda lateral inferior";
        return (on.carrier ? "SSB con portadora, " : "SSB sin portadora, ") + sideband;
    }
    return on.carrier ? "Solo portadora" : "Sin señal";
}

// The depth of the envelope: a negative level or tone only turns the carrier
// over, so the magnitudes count. One decimal is all a listener needs.
std::string modulationOf(const ParameterValues& values, const NumberFormat& format) {
    const double percent = 100.0 * std::abs(values.mdl) / std::abs(values.Vcc);
    if (!std::isfinite(percent * 10.0)) {
        return "modulación demasiado grande para expresarla";
    }
    return "modulación del " + numberToText(std::round(percent * 10.0) / 10.0, format) + " %";
}

std::string phaseErrorOf(double fase, const NumberFormat& format) {
    const char* unit = std::abs(fase) == 1.0 ? "grado" : "grados";
    return "error de fase " + numberToText(fase, format) + " " + unit;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += separator;
        }
        text += part;
    }
    return text;
}

std::string quotedLabel(Parameter parameter) {
    return "«" + std::string(parameterLabel(parameter)) + "»";
}

// "«A» no es un número", "«A» y «B» no son números", "«A», «B» y «C» …".
std::string notNumbers(std::vector<std::string> labels) {
    if (labels.size() == 1) {
        return labels.front() + " no es un número";
    }
    const std::string last = labels.back();
    labels.pop_back();
    return joined(labels, ", ") + " y " + last + " no son números";
}

} // namespace

std::string summarizeParameters(const ParameterValues& values, const NumberFormat& format) {
    const Components on = componentsOf(values);
    std::vector<std::string> parts{modeOf(on)};
    if (on.carrier && (on.lower || on.upper)) {
        parts.push_back(modulationOf(values, format));
    }
    if (on.carrier || on.lower || on.upper) {
        parts.push_back(phaseErrorOf(values.fase, format));
    }
    return joined(parts, ", ");
}

std::string summarizeBoxes(const std::function<std::string(Parameter)>& textOf,
                           const NumberFormat& format) {
    std::vector<std::string> invalid;
    const auto read = [&](Parameter parameter) {
        const std::optional<double> number = textToNumber(textOf(parameter), format);
        if (!number) {
            invalid.push_back(quotedLabel(parameter));
        }
        return number.value_or(0.0);
    };
    // A braced list is evaluated in order, so the boxes are named in order.
    const ParameterValues values{read(Parameter::Modulante), read(Parameter::Vcc),
                                 read(Parameter::BliSiNo), read(Parameter::BlsSiNo),
                                 read(Parameter::Fase)};
    if (!invalid.empty()) {
        return "Parámetros no válidos: " + notNumbers(invalid);
    }
    return summarizeParameters(values, format);
}

} // namespace amsim
