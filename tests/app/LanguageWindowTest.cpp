#include "app/ControlTexts.h"
#include "app/QtTranslation.h"
#include "app/RememberedLanguage.h"
#include "support/ShownForm.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace amsim {
namespace {

// A language in use for one test; Spanish again after it.
struct InLanguage {
    explicit InLanguage(const char* language) {
        EXPECT_TRUE(useLanguage(language));
        followLanguageInQt();
    }
    ~InLanguage() {
        useLanguage("es");
        followLanguageInQt();
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

QString textIn(const char* language, TextKey key) {
    const InLanguage in(language);
    return textOf(key);
}

using LanguageWindow = ShownForm;

// The menu's choice relabels the window at once, is kept for the next
// start, and goes with the link; Spanish, the default, never does.
TEST_F(LanguageWindow, TheMenusChoiceRelabelsKeepsAndTravels) {
    const InLanguage restore("es");
    const QImage spanishDiagram = control<QLabel>("Image1")->pixmap().toImage();
    auto* menu = control<QPushButton>("Menu")->findChild<QMenu*>(QStringLiteral("MenuItems"));
    ASSERT_NE(menu, nullptr);
    const auto choose = [&menu](const char* language) {
        menu->findChild<QAction*>(QStringLiteral("Idioma-") + QLatin1String(language))->trigger();
    };
    const auto link = [&menu] {
        menu->findChild<QAction*>(QStringLiteral("CopiarEnlace"))->trigger();
        return QGuiApplication::clipboard()->text();
    };
    choose("en");
    EXPECT_EQ(languageInUse(), "en");
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("Idioma"))->text(),
              textIn("en", "menu.Idioma"));
    EXPECT_NE(control<QLabel>("Image1")->pixmap().toImage(), spanishDiagram);
    EXPECT_EQ(rememberedLanguage(), "en");
    EXPECT_TRUE(link().endsWith(QStringLiteral("&idioma=en"))) << link().toStdString();
    choose("es");
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().toImage(), spanishDiagram);
    EXPECT_EQ(rememberedLanguage(), "es");
    EXPECT_FALSE(link().contains(QStringLiteral("idioma")));
}

// Every caption of the window fits its control in each language: a label's
// lines its box, a button's text its face.
TEST(LanguageWindowCaptions, NoCaptionIsCutOffInAnyLanguage) {
    for (const char* language : {"es", "en", "pt"}) {
        SCOPED_TRACE(language);
        const InLanguage in(language);
        installFontSubstitutes();
        Form1 form(QLocale::c());
        form.show();
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) {
                continue;
            }
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                room, static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                label->text());
            EXPECT_LE(needed.width(), room.width()) << label->objectName().toStdString();
            EXPECT_LE(needed.height(), room.height()) << label->objectName().toStdString();
        }
        for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->text().isEmpty()) {
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                    << button->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace amsim
