#include "cli/FactorOption.h"

#include "app/LocaleFormat.h"
#include "cli/CliErrors.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "texts/Catalogue.h"

#include <QLocale>

namespace amsim {

double factorOption(const std::optional<QString>& text, const char* option, FactorRange range) {
    const auto [least, most] = range;
    if (!text) {
        return 1.0;
    }
    const NumberFormat format = numberFormatOf(QLocale::system());
    const std::optional<double> factor = textToNumber(text->toStdString(), format);
    if (!factor || *factor < least || *factor > most) {
        const std::string spoken = filled("number.range", {{"least", numberToText(least, format)},
                                                           {"most", numberToText(most, format)}});
        throw CommandLineError(filled(
            "cli.factor",
            {{"option", option}, {"range", spoken}, {"text", quotedText(text->toStdString())}}));
    }
    return *factor;
}

double instantOption(const std::optional<QString>& text) {
    return text ? screenInstant(factorOption(text, "--tiempo", kInstantRange)) : 0.0;
}

} // namespace amsim
