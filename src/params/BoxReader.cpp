#include "params/BoxReader.h"

#include "display/Error.h"
#include "params/NumberText.h"

#include <utility>

namespace amsim {

double readBox(Parameter parameter, const QString& text, const QLocale& locale) {
    const std::optional<double> value = textToNumber(text, locale);
    if (!value) {
        throw Error::notANumber(parameter, text.toStdString());
    }
    return *value;
}

BoxReader::BoxReader(TextOf textOf, const QLocale& locale)
    : textOf_(std::move(textOf))
    , locale_(locale) {}

double BoxReader::read(Parameter parameter) {
    return readBox(parameter, textOf_(parameter), locale_);
}

} // namespace amsim
