#include "params/ParameterSummary.h"

#include "core/Parameters.h"
#include "params/BoxReader.h"
#include "params/ReadoutFigures.h"
#include "signals/Mode.h"
#include "texts/Grammar.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace amsim {

namespace {

// The depth of the envelope: a negative level or tone only turns the carrier
// over, so the magnitudes count. One decimal is all a listener needs.
std::string modulationOf(const ParameterValues& values, const NumberFormat& format) {
    const double tenths = 100.0 * std::abs(values.mdl) / std::abs(values.Vcc) * 10.0;
    const std::optional<double> within = tenthsWithin(tenths, kPercentTenths);
    return within
               ? filled("summary.modulation", {{"percent", numberToText(*within / 10.0, format)}})
               : filled("summary.modulationBeyond",
                        {{"beyond", beyondBound(tenths, kPercentTenths, "%", format)}});
}

std::string phaseErrorOf(double fase, const NumberFormat& format) {
    return filled(agreeing(fase, "summary.phaseError.one", "summary.phaseError.other"),
                  {{"degrees", numberToText(fase, format)}});
}

// Adds "«A» no es un número" or "«A» y «B» no son números": the boxes of one
// fault in one phrase, when there are any.
void addGrouped(std::vector<std::string>& phrases, const std::vector<std::string>& labels,
                TextKey one, TextKey several) {
    if (!labels.empty()) {
        phrases.push_back(filled(agreeing(static_cast<double>(labels.size()), one, several),
                                 {{"boxes", listed(labels)}}));
    }
}

// What is wrong with the boxes whose text the box does not take, in the
// boxes' order: "«A» no es un número", "«A» y «B» no son números", "«A» es
// demasiado grande", "«A» está fuera de sus límites", and every kind in one
// sentence.
std::string problems(const std::vector<std::pair<Parameter, BoxReading>>& bad) {
    std::vector<std::string> notNumbers;
    std::vector<std::string> outside;
    std::vector<std::string> tooLargeOrSmall;
    for (const auto& [parameter, read] : bad) {
        switch (read.number.reading) {
        case Reading::NotANumber:
            notNumbers.push_back(quotedLabel(parameter));
            break;
        case Reading::TooLarge:
            tooLargeOrSmall.push_back(
                filled("summary.tooLarge", {{"box", quotedLabel(parameter)}}));
            break;
        case Reading::TooSmall:
            tooLargeOrSmall.push_back(
                filled("summary.tooSmall", {{"box", quotedLabel(parameter)}}));
            break;
        case Reading::Number:
            outside.push_back(quotedLabel(parameter));
            break;
        }
    }
    std::vector<std::string> phrases;
    addGrouped(phrases, notNumbers, "summary.notANumber.one", "summary.notANumber.other");
    phrases.insert(phrases.end(), tooLargeOrSmall.begin(), tooLargeOrSmall.end());
    addGrouped(phrases, outside, "summary.outside.one", "summary.outside.other");
    return listed(phrases);
}

} // namespace

std::string summarizeParameters(const ParameterValues& values, const NumberFormat& format,
                                const HiddenSet& hidden) {
    const auto shown = [&hidden](Parameter a, Parameter b) {
        return !isHidden(hidden, a) && !isHidden(hidden, b);
    };
    const Components on = componentsOf(values);
    std::vector<std::string> parts{shown(Parameter::BliSiNo, Parameter::BlsSiNo)
                                       ? modeOfComponents(on)
                                       : std::string(kHiddenText)};
    if (on.carrier && (on.lower || on.upper) && shown(Parameter::Modulante, Parameter::Vcc)) {
        parts.push_back(modulationOf(values, format));
    }
    if (on.carrier || on.lower || on.upper) {
        if (shown(Parameter::Fase, Parameter::Fase)) {
            parts.push_back(phaseErrorOf(values.fase, format));
        }
        if (values.df != 0.0 && shown(Parameter::Df, Parameter::Df)) {
            parts.push_back(filled("summary.drift", {{"hertz", numberToText(values.df, format)}}));
        }
    }
    if (values.envelope != 0.0) {
        parts.emplace_back(catalogueText("summary.envelope"));
    }
    return joined(parts, catalogueText("list.separator"));
}

std::string summarizeBoxes(const std::function<std::string(Parameter)>& textOf,
                           const NumberFormat& format, const HiddenSet& hidden) {
    std::array<double, kAllParameters.size()> read{};
    std::vector<std::pair<Parameter, BoxReading>> invalid;
    for (const Parameter box : kAllParameters) {
        const BoxReading reading = readBoxText(box, textOf(box), format);
        if (!reading.taken) {
            invalid.emplace_back(box, reading);
        }
        read.at(static_cast<std::size_t>(box)) = reading.number.value;
    }
    if (!invalid.empty()) {
        return filled("summary.invalid", {{"problems", problems(invalid)}});
    }
    return summarizeParameters(
        valuesOf([&read](Parameter box) { return read.at(static_cast<std::size_t>(box)); }), format,
        hidden);
}

std::string valuesLine(const ParameterValues& values, const NumberFormat& format,
                       const HiddenSet& hidden) {
    std::vector<std::string> parts;
    for (const ParameterRow& row : kParameterRows) {
        const double value = row.value == nullptr ? 0.0 : values.*row.value;
        if (!row.valuesName.isNone() &&
            (isNamed(row.parameter, value) || isHidden(hidden, row.parameter))) {
            parts.push_back(std::string(catalogueText(row.valuesName)) + " " +
                            (isHidden(hidden, row.parameter) ? std::string(kHiddenText)
                                                             : numberToText(value, format)) +
                            (row.valuesWithUnit ? " " + std::string(catalogueText(row.unit)) : ""));
        }
    }
    return filled("summary.values",
                  {{"values", joined(parts, catalogueText("summary.valuesSeparator"))}});
}

} // namespace amsim
