#include "params/StepRules.h"

#include "core/Error.h"
#include "params/BoxReader.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace amsim {

namespace {

// "0,2 grados": a number with its row's unit, if it has one.
std::string withUnit(const std::string& number, const ParameterRow& row) {
    return row.unit.isNone()
               ? number
               : filled("step.withUnit", {{"number", number}, {"unit", catalogueText(row.unit)}});
}

// "(0; 0,01; …; 1)": the sequence in the locale's notation; one symmetric
// about 0 as its magnitudes, "(0; ±0,5; …; ±500 Hz)".
std::string sequenceText(const ParameterRow& row, const NumberFormat& format) {
    const bool symmetric = row.sequence.front() < 0.0;
    std::string list;
    for (const double step : row.sequence) {
        if (!symmetric || step >= 0.0) {
            list += (list.empty() ? "(" : "; ") + std::string(symmetric && step > 0.0 ? "±" : "") +
                    numberToText(step, format);
        }
    }
    return withUnit(list, row) + ")";
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

std::string addedStepText(const ParameterRow& row, bool up, std::string_view text,
                          const NumberFormat& format) {
    const double sum = readBox(row.parameter, text, format) + (up ? row.step : -row.step);
    const std::string written = writtenStep(row.parameter, sum, text, format);
    return !up && row.floorAtZero && sum < 0.0 ? "0" : written;
}

std::string sequenceSteppedText(const ParameterRow& row, bool up, std::string_view text,
                                const NumberFormat& format) {
    const double value = readBox(row.parameter, text, format);
    const std::span<const double> sequence = row.sequence;
    if (up) {
        const auto next = std::find_if(sequence.begin(), sequence.end(),
                                       [value](double step) { return step > value; });
        return writtenStep(row.parameter, next == sequence.end() ? value : *next, text, format);
    }
    const auto below = std::find_if(sequence.rbegin(), sequence.rend(),
                                    [value](double step) { return step < value; });
    return numberToText(below == sequence.rend() ? sequence.front() : *below, format);
}

} // namespace

std::optional<StepButton> stepButtonOf(std::string_view button) {
    const auto* const row = std::find_if(
        std::begin(kParameterRows), std::end(kParameterRows), [button](const ParameterRow& r) {
            return button == r.upButton || (!r.downButton.empty() && button == r.downButton);
        });
    if (row == std::end(kParameterRows)) {
        return std::nullopt;
    }
    return StepButton{row->parameter, button == row->upButton};
}

std::string steppedText(StepButton button, std::string_view text, const NumberFormat& format) {
    const ParameterRow& row = rowOf(button.box);
    switch (row.stepping) {
    case Stepping::Add:
        return addedStepText(row, button.up, text, format);
    case Stepping::Sequence:
        return sequenceSteppedText(row, button.up, text, format);
    case Stepping::Toggle:
        break;
    }
    return toggledText(button.box, text, format);
}

std::optional<std::string> stepToolTip(std::string_view button, const NumberFormat& format) {
    const std::optional<StepButton> found = stepButtonOf(button);
    if (!found || rowOf(found->box).stepping == Stepping::Toggle) {
        return std::nullopt;
    }
    const ParameterRow& row = rowOf(found->box);
    std::string step = row.stepping == Stepping::Sequence
                           ? sequenceText(row, format)
                           : withUnit(numberToText(row.step, format), row);
    if (!found->up && row.floorAtZero) {
        step = filled("step.floor", {{"step", step}});
    }
    return filled(found->up ? TextKey("step.up") : TextKey("step.down"),
                  {{"noun", catalogueText(row.stepNoun)}, {"step", step}});
}

std::string toggledText(Parameter box, std::string_view text, const NumberFormat& format) {
    return readBox(box, text, format) == 1.0 ? "0" : "1";
}

} // namespace amsim
