#include "app/SpanishQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace amsim {

void installSpanishQt() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

} // namespace amsim
