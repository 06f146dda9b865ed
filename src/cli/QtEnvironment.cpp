#include "cli/QtEnvironment.h"

#include "app/LocaleFormat.h"
#include "texts/Catalogue.h"

#include <QByteArrayList>
#include <QLocale>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace amsim {

namespace {

// Qt's options that take the next argument as their value, and those that
// stand alone; "-style=fusion" and "--platform" are taken too.
constexpr std::array<const char*, 20> kWithValue = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "geometry",
                                                    "qwindowtitle",
                                                    "title",
                                                    "qwindowicon",
                                                    "icon",
                                                    "session",
                                                    "style",
                                                    "stylesheet",
                                                    "qmljsdebugger",
                                                    "display",
                                                    "name",
                                                    "visual",
                                                    "ncols",
                                                    "cmap",
                                                    "im"};
constexpr std::array<const char*, 6> kAlone = {"reverse", "widgetcount", "testability",
                                               "sync",    "nograb",      "dograb"};
constexpr std::array<const char*, 4> kWithEquals = {
    "style=", "stylesheet=", "session=", "qmljsdebugger="};

bool isOneOf(const QString& name, const auto& names) {
    return std::any_of(names.begin(), names.end(),
                       [&name](const char* known) { return name == QLatin1String(known); });
}

// Variables that change what Qt draws or loads, beyond the platform.
constexpr std::array kScaleVariables = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                        "QT_FONT_DPI"};
constexpr std::array kLookVariables = {
    "QT_ENABLE_HIGHDPI_SCALING", "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_USE_PHYSICAL_DPI",       "QT_SCALE_FACTOR_ROUNDING_POLICY",
    "QT_DEVICE_PIXEL_RATIO",     "QT_QPA_GENERIC_PLUGINS",
    "QT_QPA_PLATFORMTHEME",      "QT_STYLE_OVERRIDE"};

constexpr double kLeastScale = 0.5;
constexpr double kMostScale = 4.0;
constexpr double kPlainDpi = 96.0;

std::optional<double> numberIn(const QByteArray& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

// The factor a variable gives, 1 when it is not set; nothing when it is no
// number. A screen list ("2;1.5" or "HDMI-1=2;DP-1=1.5") gives its largest.
std::optional<double> factorOf(const char* variable) {
    const QByteArray text = qgetenv(variable);
    if (text.isEmpty()) {
        return 1.0;
    }
    if (qstrcmp(variable, "QT_FONT_DPI") == 0) {
        const std::optional<double> dpi = numberIn(text);
        return dpi ? std::optional<double>(*dpi / kPlainDpi) : std::nullopt;
    }
    if (qstrcmp(variable, "QT_SCREEN_SCALE_FACTORS") == 0) {
        double largest = 0.0;
        for (const QByteArray& screen : text.split(';')) {
            const std::optional<double> factor = numberIn(screen.mid(screen.lastIndexOf('=') + 1));
            if (!screen.isEmpty() && (!factor || *factor < kLeastScale || *factor > kMostScale)) {
                return std::nullopt;
            }
            largest = std::max(largest, factor.value_or(0.0));
        }
        return std::max(largest, 1.0);
    }
    return numberIn(text);
}

} // namespace

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1Char('-'))) {
            kept << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (isOneOf(name, kWithValue)) {
            ++i;
        } else if (!isOneOf(name, kAlone) &&
                   !std::any_of(kWithEquals.begin(), kWithEquals.end(), [&name](const char* k) {
                       return name.startsWith(QLatin1String(k));
                   })) {
            kept << argument;
        }
    }
    return kept;
}

void isolateFromTheEnvironment(double scale) {
    for (const char* variable : kScaleVariables) {
        qunsetenv(variable);
    }
    for (const char* variable : kLookVariables) {
        qunsetenv(variable);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 17));
}

namespace {

QtMessageHandler qtsOwnHandler = nullptr;

void passOnlyTheSerious(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtsOwnHandler(type, context, text);
    }
}

} // namespace

void keepQtNotesQuiet() {
    qtsOwnHandler = qInstallMessageHandler(passOnlyTheSerious);
}

QString dropAbsurdScale(std::optional<double> zoom) {
    double total = 1.0;
    QStringList given;
    bool numbers = true;
    for (const char* variable : kScaleVariables) {
        const bool replaced = zoom && qstrcmp(variable, "QT_SCALE_FACTOR") == 0;
        if (qEnvironmentVariableIsSet(variable) && !replaced) {
            given << QLatin1String(variable) + QLatin1Char('=') + qEnvironmentVariable(variable);
        }
        const std::optional<double> factor = replaced ? zoom : factorOf(variable);
        numbers = numbers && factor.has_value();
        total *= factor.value_or(1.0);
    }
    if (numbers && total >= kLeastScale && total <= kMostScale) {
        return {};
    }
    for (const char* variable : kScaleVariables) {
        qunsetenv(variable);
    }
    const NumberFormat format = numberFormatOf(QLocale::system());
    return QString::fromStdString(
        filled("cli.scaleIgnored", {{"variables", given.join(QStringLiteral(", ")).toStdString()},
                                    {"least", numberToText(kLeastScale, format)},
                                    {"most", numberToText(kMostScale, format)}}));
}

} // namespace amsim
