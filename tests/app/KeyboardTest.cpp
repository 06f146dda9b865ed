#include "app/CanvasView.h"
#include "app/ZoomedWindow.h"
#include "support/ShownForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

namespace amsim {
namespace {

using Keyboard = ShownForm;

// Enter redraws at once; Up and Down do what the box's buttons do.
TEST_F(Keyboard, EnterRedrawsAndTheArrowKeysStep) {
    struct Row {
        const char* name;
        Parameter box;
        const char* typed; // nullptr: as it is
        Qt::Key key;
        const char* after;
    };
    const Row rows[] = {
        {"Enter keeps the text as typed", Parameter::Vcc, " 0 ", Qt::Key_Return, " 0 "},
        {"up steps the tone", Parameter::Modulante, nullptr, Qt::Key_Up, "1.2"},
        {"down steps the level", Parameter::Vcc, "1", Qt::Key_Down, "0.8"},
        {"down steps the phase", Parameter::Fase, nullptr, Qt::Key_Down, "-30"},
        {"up switches a sideband", Parameter::BliSiNo, nullptr, Qt::Key_Up, "0"},
        {"down switches the envelope detector", Parameter::Envelope, nullptr, Qt::Key_Down, "1"},
        {"up switches the scales", Parameter::Escalas, nullptr, Qt::Key_Up, "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.typed != nullptr) {
            type(row.box, QString::fromUtf8(row.typed));
        }
        QTest::keyClick(form.box(row.box), row.key);
        EXPECT_EQ(text(row.box), QString::fromUtf8(row.after));
        EXPECT_EQ(message(), nullptr);
    }
    // The Enter above drew a DSB picture from the typed " 0 ": no carrier.
    EXPECT_FALSE(drawnAt(305, 120));
}

TEST_F(Keyboard, TabLeavesThePanelsAndTheFocusShowsFromTheStart) {
    EXPECT_TRUE(form.testAttribute(Qt::WA_KeyboardFocusChange));
    click("Ayuda");
    auto* help = control<QPlainTextEdit>("Text1");
    help->setFocus(Qt::TabFocusReason);
    const QString before = help->toPlainText();
    QTest::keyClick(help, Qt::Key_Tab);
    EXPECT_EQ(help->toPlainText(), before);
    EXPECT_NE(QApplication::focusWidget(), help);
}

// Qt's own words are Spanish: the message's button, a box's menu.
TEST_F(Keyboard, QtSpeaksSpanish) {
    type(Parameter::Vcc, "x");
    click("VccSubir");
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->buttons().first()->text(), "Aceptar");
    const std::unique_ptr<QMenu> menu(form.box(Parameter::Vcc)->createStandardContextMenu());
    QStringList words;
    for (const QAction* action : menu->actions()) {
        words << action->text().section('\t', 0, 0);
    }
    EXPECT_TRUE(words.contains("&Deshacer")) << words.join(' ').toStdString();
    EXPECT_TRUE(words.contains("&Pegar")) << words.join(' ').toStdString();
}

TEST(WindowZoom, FitsTheScreenAndNeverShrinksBelowTheZoomedDesign) {
    EXPECT_EQ(zoomToFit({968, 808}, {1366, 728}), std::optional<double>(728.0 / 808.0));
    EXPECT_EQ(zoomToFit({968, 808}, {1920, 1040}), std::nullopt);
    installFontSubstitutes();
    auto* form = new Form1(QLocale::c());
    EXPECT_EQ(form->minimumSize(), QSize(952, 760));
    form->setZoom(0.75);
    ZoomedWindow zoomed(form, 0.75);
    EXPECT_EQ(zoomed.minimumSize(), QSize(714, 570));
    zoomed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zoomed));
    // The window draws as ever, and says that it was made smaller.
    EXPECT_EQ(form->findChild<CanvasView*>()->accessibleDescription(),
              QString::fromUtf8("AM, modulación del 100 %, error de fase 0 grados, ventana "
                                "reducida al 75 % para caber en la pantalla"));
}

} // namespace
} // namespace amsim
