#include "app/QtTranslation.h"

#include "texts/Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <string_view>

namespace amsim {

namespace {

// Qt's name for the translation of each language; English is Qt's own.
QString qtTranslationOf(std::string_view language) {
    if (language == "es") {
        return QStringLiteral("qtbase_es");
    }
    if (language == "pt") {
        return QStringLiteral("qtbase_pt_BR");
    }
    return {};
}

} // namespace

void followLanguageInQt() {
    static QPointer<QTranslator> installed;
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    const QString name = qtTranslationOf(languageInUse());
    if (name.isEmpty()) {
        return;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}

} // namespace amsim
