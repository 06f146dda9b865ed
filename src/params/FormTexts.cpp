#include "params/FormTexts.h"

#include "core/ParameterTable.h"
#include "params/NumberText.h"
#include "params/StepRules.h"
#include "texts/Catalogue.h"
#include "texts/Grammar.h"

#include <algorithm>
#include <optional>

namespace amsim {

namespace {

constexpr std::string_view kPrefix = "form.";

// The row whose box or button the control is, if any.
const ParameterRow* rowOfControl(std::string_view control) {
    const auto* row = std::find_if(std::begin(kParameterRows), std::end(kParameterRows),
                                   [control](const ParameterRow& r) {
                                       return control == r.box || control == r.upButton ||
                                              (!r.downButton.empty() && control == r.downButton);
                                   });
    return row == std::end(kParameterRows) ? nullptr : row;
}

std::string withUnit(std::string number, const ParameterRow& row) {
    return row.unit.isNone()
               ? number
               : filled("step.withUnit", {{"number", number}, {"unit", catalogueText(row.unit)}});
}

// "0, 0,01, 0,02 … y 1": the row's sequence as a sentence lists it.
std::string seriesOf(const ParameterRow& row, const NumberFormat& format) {
    std::vector<std::string> steps(row.sequence.size());
    std::transform(row.sequence.begin(), row.sequence.end(), steps.begin(),
                   [&format](double step) { return numberToText(step, format); });
    return withUnit(listed(steps), row);
}

std::string filledForControl(std::string_view pattern, const ParameterRow* row,
                             const NumberFormat& format) {
    if (row == nullptr) {
        return filledTemplate(pattern, {});
    }
    const bool sequence = !row->sequence.empty();
    return filledTemplate(
        pattern, {{"step", withUnit(numberToText(row->step, format), *row)},
                  {"series", sequence ? seriesOf(*row, format) : std::string()},
                  {"first", sequence ? numberToText(row->sequence.front(), format) : std::string()},
                  {"low", numberToText(row->low, format)},
                  {"high", numberToText(row->high, format)}});
}

} // namespace

std::vector<FormText> formTexts() {
    const NumberFormat format = textFormat();
    std::vector<FormText> texts;
    for (const TextEntry& entry : catalogues().front().entries) {
        if (!entry.key.starts_with(kPrefix)) {
            continue;
        }
        const std::string_view name = entry.key.substr(kPrefix.size());
        const std::string_view control = name.substr(0, name.find('.'));
        const std::string_view property = name.substr(control.size() + 1);
        texts.push_back({control, property,
                         filledForControl(catalogueText(*TextKey::find(entry.key)),
                                          rowOfControl(control), format)});
    }
    for (const ParameterRow& row : kParameterRows) {
        for (const std::string_view button : {row.upButton, row.downButton}) {
            if (const std::optional<std::string> tip = stepToolTip(button, format)) {
                texts.push_back({button, "toolTip", *tip});
            }
        }
    }
    return texts;
}

} // namespace amsim
