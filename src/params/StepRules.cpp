#include "params/StepRules.h"

#include "display/Error.h"
#include "params/BoxReader.h"

namespace amsim {

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

std::string toggledText(Parameter box, std::string_view text, const NumberFormat& format) {
    return readBox(box, text, format) == 1.0 ? "0" : "1";
}

} // namespace amsim
