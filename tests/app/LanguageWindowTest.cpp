#include "app/ControlTexts.h"
#include "app/QtTranslation.h"
#include "app/RememberedLanguage.h"
#include "support/ShownForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace amsim {
namespace {

// A language in use for a while; the one before again after it.
struct InLanguage {
    explicit InLanguage(const char* language)
        : before(languageInUse()) {
        EXPECT_TRUE(useLanguage(language));
        followLanguageInQt();
    }
    ~InLanguage() {
        useLanguage(before);
        followLanguageInQt();
    }
    std::string_view before;
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

QString textIn(const char* language, TextKey key) {
    const InLanguage in(language);
    return textOf(key);
}

using LanguageWindow = ShownForm;

// No word or line of a label is wider than its box, and the letters of its
// last line end inside it.
void expectFits(const QLabel& label) {
    SCOPED_TRACE(label.objectName().toStdString());
    const QFontMetrics metrics = label.fontMetrics();
    const QStringList pieces = label.text().split(
        label.wordWrap() ? QRegularExpression(QStringLiteral("\\s+")) : QRegularExpression("\n"));
    for (const QString& piece : pieces) {
        EXPECT_LE(metrics.horizontalAdvance(piece), label.contentsRect().width())
            << piece.toStdString();
    }
    QLabel oneLine(QStringLiteral("x"));
    oneLine.setFont(label.font());
    oneLine.setWordWrap(label.wordWrap());
    const int lineHeight = oneLine.heightForWidth(label.width()) > 0
                               ? oneLine.heightForWidth(label.width())
                               : oneLine.sizeHint().height();
    const int needed =
        label.wordWrap() ? label.heightForWidth(label.width()) : label.sizeHint().height();
    const int lines = std::max(1, needed / lineHeight);
    EXPECT_LE((lines - 1) * lineHeight + metrics.height(), label.height());
}

// The menu's choice relabels the window at once, is kept for the next
// start, and goes with the link; Spanish, the default, never does.
TEST_F(LanguageWindow, TheMenusChoiceRelabelsKeepsAndTravels) {
    const InLanguage restore("es");
    type(Parameter::Modulante, QStringLiteral("0.7"));
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
    menu->findChild<QAction*>(QStringLiteral("CrearEjercicio"))->trigger();
    control<QCheckBox>("fase")->setChecked(true);
    control<QLineEdit>("Tolerance")->setText(QStringLiteral("2"));
    choose("en");
    EXPECT_EQ(languageInUse(), "en");
    // The teacher's open dialog, in English, with what was entered in it.
    auto* create = control<QDialog>("CrearEjercicio");
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(create->windowTitle(), textIn("en", "exercise.create.title"));
    EXPECT_TRUE(create->findChild<QCheckBox*>(QStringLiteral("fase"))->isChecked());
    EXPECT_EQ(create->findChild<QLineEdit*>(QStringLiteral("Tolerance"))->text(),
              QStringLiteral("2"));
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("Idioma"))->text(),
              textIn("en", "menu.Idioma"));
    EXPECT_NE(control<QLabel>("Image1")->pixmap().toImage(), spanishDiagram);
    EXPECT_EQ(rememberedLanguage(), "en");
    EXPECT_EQ(text(Parameter::Modulante), QStringLiteral("0.7"));
    const QString english = link();
    EXPECT_TRUE(english.endsWith(QStringLiteral("&idioma=en"))) << english.toStdString();
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
            if (label->isVisible() && !label->text().isEmpty() &&
                !Qt::mightBeRichText(label->text())) {
                expectFits(*label);
            }
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
