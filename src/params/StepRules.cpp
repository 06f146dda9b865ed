#include "params/StepRules.h"

#include "display/Error.h"
#include "params/BoxReader.h"
#include "params/NumberText.h"

namespace amsim {

QString steppedText(const StepRule& rule, const QString& text, const QLocale& locale) {
    const double sum = readBox(rule.box, text, locale) + rule.step;
    QString written = numberToText(sum, locale);
    // At the very edge of the double range the rounded text is out of range.
    const std::optional<double> shown = textToNumber(written, locale);
    if (!shown) {
        throw Error::overflow(rule.box, text.toStdString());
    }
    if (rule.floorAtZero && *shown < 0.0) {
        written = QStringLiteral("0");
    }
    return written;
}

QString toggledText(Parameter box, const QString& text, const QLocale& locale) {
    return readBox(box, text, locale) == 1.0 ? QStringLiteral("0") : QStringLiteral("1");
}

} // namespace amsim
