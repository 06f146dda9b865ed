#include "params/BoxReader.h"

#include "core/Error.h"
#include "core/VisibleText.h"
#include "params/Utf8.h"
#include "texts/Catalogue.h"

#include <cmath>
#include <utility>

namespace amsim {

namespace {

// When the text is a number written with the other decimal separator (a
// point where the locale has a comma, or the other way round), how to
// write it here: "use la coma decimal: «0,5»".
std::string otherSeparatorHint(std::string_view text, const NumberFormat& format) {
    const std::string& ours = format.decimalSeparator;
    const std::string other = ours == "," ? "." : ",";
    if (!textToNumber(text, NumberFormat{other, format.exponent})) {
        return {};
    }
    std::string corrected(trimBlanks(text));
    corrected.replace(corrected.find(other), other.size(), ours);
    if (ours == "," || ours == ".") {
        return filled(ours == "," ? TextKey("hint.comma") : TextKey("hint.point"),
                      {{"text", quotedText(corrected)}});
    }
    return filled("hint.separator", {{"separator", ours}, {"text", quotedText(corrected)}});
}

// What the box takes, as a message asks for it.
std::string allowedWords(Parameter parameter, const NumberFormat& format) {
    const ParameterRow& row = rowOf(parameter);
    switch (row.limits) {
    case Limits::Switch:
        return std::string(catalogueText("allowed.switch"));
    case Limits::NonNegative:
        return std::string(catalogueText("allowed.nonNegative"));
    case Limits::OffOrWithinRange:
        return filled("allowed.offOrWithin", {{"low", numberToText(row.low, format)},
                                              {"high", numberToText(row.high, format)}});
    case Limits::WithinRange:
    case Limits::Any:
        break;
    }
    return filled("allowed.within", {{"low", numberToText(row.low, format)},
                                     {"high", numberToText(row.high, format)}});
}

} // namespace

bool isAllowed(Parameter parameter, double value) {
    const ParameterRow& row = rowOf(parameter);
    switch (row.limits) {
    case Limits::Switch:
        return value == 0.0 || value == 1.0;
    case Limits::NonNegative:
        return value >= 0.0;
    case Limits::WithinRange:
        return row.low <= value && value <= row.high;
    case Limits::OffOrWithinRange:
        return value == 0.0 || (row.low <= value && value <= row.high);
    case Limits::Any:
        break;
    }
    return true;
}

bool isNamed(Parameter parameter, double value) {
    return rowOf(parameter).namedAtStart || value != startValue(parameter);
}

double startValue(Parameter parameter) {
    return textToNumber(rowOf(parameter).start, NumberFormat{}).value_or(0.0);
}

std::string startText(Parameter parameter, const NumberFormat& format) {
    return numberToText(startValue(parameter), format);
}

BoxReading readBoxText(Parameter parameter, std::string_view text, const NumberFormat& format) {
    const NumberReading number = readNumber(text, format);
    return {number, number.reading == Reading::Number && isAllowed(parameter, number.value)};
}

double readBox(Parameter parameter, std::string_view text, const NumberFormat& format) {
    const BoxReading read = readBoxText(parameter, text, format);
    switch (read.number.reading) {
    case Reading::Number:
        if (!read.taken) {
            throw Error::outsideLimits(parameter, std::string(text),
                                       allowedWords(parameter, format));
        }
        return read.number.value;
    case Reading::TooLarge:
        throw Error::tooLarge(parameter, std::string(text));
    case Reading::TooSmall:
        throw Error::tooSmall(parameter, std::string(text));
    case Reading::NotANumber:
        break;
    }
    throw Error::notANumber(parameter, std::string(text), otherSeparatorHint(text, format));
}

BoxReader::BoxReader(TextOf textOf, NumberFormat format, Concealed concealed)
    : textOf_(std::move(textOf))
    , format_(std::move(format))
    , concealed_(std::move(concealed)) {}

double BoxReader::read(Parameter parameter) {
    return readBox(parameter, textOf_(parameter), format_);
}

} // namespace amsim
