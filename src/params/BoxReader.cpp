#include "params/BoxReader.h"

#include "display/Error.h"

#include <utility>

namespace amsim {

double readBox(Parameter parameter, std::string_view text, const NumberFormat& format) {
    const std::optional<double> value = textToNumber(text, format);
    if (!value) {
        throw Error::notANumber(parameter, std::string(text));
    }
    return *value;
}

BoxReader::BoxReader(TextOf textOf, NumberFormat format)
    : textOf_(std::move(textOf))
    , format_(std::move(format)) {}

double BoxReader::read(Parameter parameter) {
    return readBox(parameter, textOf_(parameter), format_);
}

} // namespace amsim
