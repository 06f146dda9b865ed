#include "params/ParameterSummary.h"

#include "params/NumberText.h"

#include <QStringList>
#include <cmath>
#include <optional>
#include <string_view>

namespace amsim {

namespace {

// What reaches the transmitter's output. A sideband needs both a tone and its
// factor; any factor but 0 lets it through, as the redraw multiplies by it.
struct Components {
    bool carrier;
    bool lower;
    bool upper;
};

Components componentsOf(const ParameterValues& values) {
    const bool tone = values.mdl != 0.0;
    return {values.Vcc != 0.0, tone && values.BliSiNo != 0.0, tone && values.BlsSiNo != 0.0};
}

QString modeOf(const Components& on) {
    if (on.lower && on.upper) {
        return on.carrier ? QStringLiteral("AM") : QStringLiteral("DSB");
    }
    if (on.lower || on.upper) {
        const QString sideband = on.upper ? QStringLiteral("banda lateral superior")
                                          : QStringLiteral("banda lateral inferior");
        return (on.carrier ? QStringLiteral("SSB con portadora, %1")
                           : QStringLiteral("SSB sin portadora, %1"))
            .arg(sideband);
    }
    return on.carrier ? QStringLiteral("Solo portadora") : QStringLiteral("Sin señal");
}

// The depth of the envelope: a negative level or tone only turns the carrier
// over, so the magnitudes count. One decimal is all a listener needs.
QString modulationOf(const ParameterValues& values, const QLocale& locale) {
    const double percent = 100.0 * std::abs(values.mdl) / std::abs(values.Vcc);
    if (!std::isfinite(percent * 10.0)) {
        return QStringLiteral("modulación demasiado grande para expresarla");
    }
    return QStringLiteral("modulación del %1 %")
        .arg(numberToText(std::round(percent * 10.0) / 10.0, locale));
}

QString phaseErrorOf(double fase, const QLocale& locale) {
    const QString unit = std::abs(fase) == 1.0 ? QStringLiteral("grado") : QStringLiteral("grados");
    return QStringLiteral("error de fase %1 %2").arg(numberToText(fase, locale), unit);
}

QString quotedLabel(Parameter parameter) {
    const std::string_view label = parameterLabel(parameter);
    return QStringLiteral("«%1»").arg(
        QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
}

// "«A» no es un número", "«A» y «B» no son números", "«A», «B» y «C» …".
QString notNumbers(QStringList labels) {
    if (labels.size() == 1) {
        return QStringLiteral("%1 no es un número").arg(labels.first());
    }
    const QString last = labels.takeLast();
    return QStringLiteral("%1 y %2 no son números").arg(labels.join(QStringLiteral(", ")), last);
}

} // namespace

QString summarizeParameters(const ParameterValues& values, const QLocale& locale) {
    const Components on = componentsOf(values);
    QStringList parts{modeOf(on)};
    if (on.carrier && (on.lower || on.upper)) {
        parts << modulationOf(values, locale);
    }
    if (on.carrier || on.lower || on.upper) {
        parts << phaseErrorOf(values.fase, locale);
    }
    return parts.join(QStringLiteral(", "));
}

QString summarizeBoxes(const std::function<QString(Parameter)>& textOf, const QLocale& locale) {
    QStringList invalid;
    const auto read = [&](Parameter parameter) {
        const std::optional<double> number = textToNumber(textOf(parameter), locale);
        if (!number) {
            invalid << quotedLabel(parameter);
        }
        return number.value_or(0.0);
    };
    // A braced list is evaluated in order, so the boxes are named in order.
    const ParameterValues values{read(Parameter::Modulante), read(Parameter::Vcc),
                                 read(Parameter::BliSiNo), read(Parameter::BlsSiNo),
                                 read(Parameter::Fase)};
    if (!invalid.isEmpty()) {
        return QStringLiteral("Parámetros no válidos: %1").arg(notNumbers(invalid));
    }
    return summarizeParameters(values, locale);
}

} // namespace amsim
