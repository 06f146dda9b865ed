#include "params/BoxReader.h"

#include "display/Error.h"

#include <utility>

namespace amsim {

double readBox(Parameter parameter, std::string_view text, const NumberFormat& format) {
    const NumberReading read = readNumber(text, format);
    switch (read.reading) {
    case Reading::Number:
        return read.value;
    case Reading::TooLarge:
        throw Error::tooLarge(parameter, std::string(text));
    case Reading::TooSmall:
        throw Error::tooSmall(parameter, std::string(text));
    case Reading::NotANumber:
        break;
    }
    throw Error::notANumber(parameter, std::string(text));
}

BoxReader::BoxReader(TextOf textOf, NumberFormat format)
    : textOf_(std::move(textOf))
    , format_(std::move(format)) {}

double BoxReader::read(Parameter parameter) {
    return readBox(parameter, textOf_(parameter), format_);
}

} // namespace amsim
