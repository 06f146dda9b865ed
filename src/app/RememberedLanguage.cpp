#include "app/RememberedLanguage.h"

#include <QSettings>
#include <QString>
#include <memory>

namespace amsim {

namespace {

constexpr const char* kLanguageKey = "idioma";

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("amsim"), QStringLiteral("amsim"));
}

} // namespace

std::optional<std::string> rememberedLanguage() {
    const QVariant kept = settings()->value(QLatin1String(kLanguageKey));
    if (!kept.isValid()) {
        return std::nullopt;
    }
    return kept.toString().toStdString();
}

void rememberLanguage(std::string_view language) {
    settings()->setValue(
        QLatin1String(kLanguageKey),
        QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())));
}

} // namespace amsim
