#include "support/LiveForm.h"
#include "support/ShownForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace amsim {
namespace {

using Form1Test = ShownForm;

TEST_F(Form1Test, OpensWithTheLoadValuesAndTheFirstPictureDrawn) {
    EXPECT_EQ(text(Parameter::Modulante), "1");
    EXPECT_EQ(text(Parameter::Vcc), "1");
    EXPECT_EQ(text(Parameter::BliSiNo), "1");
    EXPECT_EQ(text(Parameter::BlsSiNo), "1");
    EXPECT_EQ(text(Parameter::Fase), "0");
    EXPECT_EQ(form.windowTitle(), "Form1");
    EXPECT_GE(form.width(), 952);
    EXPECT_EQ(pixel(639, 305), qRgb(255, 0, 255)); // end of an axis
    EXPECT_EQ(pixel(0, 50), qRgb(0, 0, 0));        // first generator point
    EXPECT_EQ(pixel(940, 380), qRgb(0, 0, 0));     // upper side frequency, in view
    EXPECT_EQ(pixel(950, 400), qRgb(0, 0, 0));     // right end of a baseline
    EXPECT_EQ(message(), nullptr);
}

// The form has every button the engine's table names, or its click would
// reach nothing.
TEST_F(Form1Test, HasEveryButton) {
    for (const Button& button : kButtons) {
        EXPECT_NE(form.findChild<QPushButton*>(QString::fromUtf8(
                      button.name.data(), static_cast<qsizetype>(button.name.size()))),
                  nullptr)
            << button.name;
    }
}

TEST_F(Form1Test, StepButtonsWriteTheirBoxAndRedraw) {
    click("VccBajar");
    EXPECT_EQ(text(Parameter::Vcc), "0.8");
    // The carrier's spectral line drops from 40 to 32 pixels.
    EXPECT_FALSE(drawnAt(930, 362));
    EXPECT_TRUE(drawnAt(930, 368));
    click("ModulanteBajar", 6);
    EXPECT_EQ(text(Parameter::Modulante), "0");
    click("FaseSubir", 13);
    EXPECT_EQ(text(Parameter::Fase), "390");
    click("FaseBajar");
    EXPECT_EQ(text(Parameter::Fase), "360");
    click("ModulanteSubir", 1000);
    EXPECT_EQ(text(Parameter::Modulante), "200");
    EXPECT_EQ(message(), nullptr);
}

TEST_F(Form1Test, TogglesSwitchTheSidebandsAndTheEnvelope) {
    EXPECT_TRUE(drawnAt(0, 385)); // first envelope point
    click("BliSi");
    EXPECT_EQ(text(Parameter::BliSiNo), "0");
    EXPECT_FALSE(drawnAt(920, 390)); // lower side frequency line gone
    click("BliSi");
    EXPECT_EQ(text(Parameter::BliSiNo), "1");
    type(Parameter::BlsSiNo, "0.5"); // a sideband's box is a factor
    click("BlsSi");
    EXPECT_EQ(text(Parameter::BlsSiNo), "1");
    click("BlsSi");
    EXPECT_EQ(text(Parameter::BlsSiNo), "0");
}

TEST_F(Form1Test, BadTextStopsTheHandlerShowsWhyAndHandsTheBoxBack) {
    click("ModulanteSubir");
    const QImage before = form.drawing().copy();
    type(Parameter::Vcc, "0,6");
    click("VccSubir");
    EXPECT_EQ(text(Parameter::Vcc), "0,6"); // nothing written
    EXPECT_EQ(form.drawing(), before);      // nothing redrawn
    QMessageBox* shown = message();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(),
              "El valor de «V(cc)» no es un número: «0,6»; use el punto decimal: «0.6».");
    shown->done(QMessageBox::Ok);
    QApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), form.box(Parameter::Vcc));
    EXPECT_EQ(form.box(Parameter::Vcc)->selectedText(), "0,6");
}

TEST_F(Form1Test, BadTextElsewhereLeavesThePartialDrawing) {
    type(Parameter::Vcc, "abc");
    click("BlsSi"); // its own box is good: the toggle is written, the redraw stops
    EXPECT_EQ(text(Parameter::BlsSiNo), "0");
    EXPECT_TRUE(drawnAt(639, 80));   // the generator axis
    EXPECT_TRUE(drawnAt(1, 84));     // within the label
    EXPECT_FALSE(drawnAt(639, 145)); // no carrier axis
    EXPECT_FALSE(drawnAt(930, 360)); // no spectrum
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains("«V(cc)»"));
}

TEST_F(Form1Test, OverflowingStepIsRefusedWithAMessage) {
    type(Parameter::Modulante, "1.7976931348623157e308");
    click("ModulanteSubir");
    EXPECT_EQ(text(Parameter::Modulante), "1.7976931348623157e308");
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains("demasiado grande"));
}

TEST_F(Form1Test, HugeValueStopsTheRedrawWithAMessageNotACrash) {
    type(Parameter::Modulante, "1e308");
    click("VccSubir");
    EXPECT_EQ(text(Parameter::Vcc), "1.2");
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().startsWith("Desbordamiento"));
}

// Time runs while something moves: the detector's traces move from frame to
// frame, Space stops them and starts them again, and a still bench asks for
// no frame.
using LiveFormTest = LiveForm;

TEST_F(LiveFormTest, TheDriftingBenchMovesUntilPausedAndTheStillOneNever) {
    EXPECT_FALSE(frames()->isActive());
    click("DfSubir");
    QImage before = form.drawing().copy();
    advance(0.1);
    EXPECT_NE(form.drawing(), before);
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_TRUE(control<QPushButton>("Pausa")->isChecked());
    EXPECT_FALSE(frames()->isActive());
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_FALSE(control<QPushButton>("Pausa")->isChecked());
    before = form.drawing().copy();
    advance(0.1);
    EXPECT_NE(form.drawing(), before);
}

// However fast Pausa is clicked, the next frame stays at most one period of
// the screen's refresh away.
TEST_F(LiveFormTest, QuickPauseClicksNeverPutTheNextFrameOff) {
    click("DfSubir");
    click("Pausa", 1200);
    ASSERT_TRUE(frames()->isActive());
    const double rate = form.screen()->refreshRate();
    EXPECT_LE(frames()->remainingTime(), static_cast<int>(std::ceil(1000.0 / rate)));
}

TEST_F(Form1Test, DrawingLiesOverLabelsAndUnderButtons) {
    const QImage before = form.grab().toImage();
    // A flat generator output at y 5 runs across the title label and under
    // the two buttons of the top row.
    type(Parameter::Modulante, "0");
    type(Parameter::Vcc, "2.4");
    click("BlsSi");
    const QImage after = form.grab().toImage();
    EXPECT_EQ(after.pixel(100, 8), qRgb(0, 0, 0)); // over the title label
    for (const char* name : {"Acerca", "Ayuda"}) {
        const QRect button = form.findChild<QWidget*>(name)->geometry();
        EXPECT_EQ(after.copy(button), before.copy(button)) << name;
    }
}

class Form1CommaTest : public Form1Test {
protected:
    Form1CommaTest()
        : Form1Test(QLocale(QLocale::Spanish, QLocale::Spain)) {}
};

TEST_F(Form1CommaTest, ShowsAndStepsWithTheDecimalComma) {
    click("VccBajar");
    EXPECT_EQ(text(Parameter::Vcc), "0,8");
    type(Parameter::Modulante, "0,6");
    click("ModulanteSubir");
    EXPECT_EQ(text(Parameter::Modulante), "0,8");
    type(Parameter::Fase, "1.5");
    click("FaseSubir");
    EXPECT_EQ(text(Parameter::Fase), "1.5");
    EXPECT_NE(message(), nullptr);
}

// The menu's items copy what the engine composes: the link with a point, the
// command in the window's notation; a box without a number says so instead.
TEST_F(Form1CommaTest, TheMenuCopiesTheLinkAndTheCommand) {
    click("Menu");
    auto* menu = control<QPushButton>("Menu")->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts, QStringList({"Copiar enlace", "Copiar orden", "Guardar imagen…",
                                  "Guardar datos…", "Guardar sonido…", "Guardar espectro…",
                                  "Curva S/N", "Vista I/Q", "Crear ejercicio…", "Ejercicios",
                                  "Idioma"}));
    menu->close();
    click("VccBajar");
    type(Parameter::Fase, QStringLiteral("-30"));
    struct Row {
        const char* item;
        const char* copied;
        const char* done;
    };
    const Row rows[] = {
        {"CopiarEnlace", "amsim.html?mdl=1&vcc=0.8&bli=1&bls=1&fase=-30&env=0", "Enlace copiado"},
        {"CopiarOrden", "amsim --mdl 1 --vcc 0,8 --bli 1 --bls 1 --fase -30 --env 0",
         "Orden copiada"},
    };
    auto* confirmation = form.findChild<QLabel*>(QStringLiteral("Confirmation"));
    auto* shown = form.findChild<QTimer*>(QStringLiteral("ConfirmationShown"));
    for (const Row& row : rows) {
        menu->findChild<QAction*>(QString::fromLatin1(row.item))->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.copied)) << row.item;
        // Said in view for two seconds, the clock run to their end by hand.
        EXPECT_TRUE(confirmation->isVisible());
        EXPECT_EQ(confirmation->text(), QString::fromUtf8(row.done));
        EXPECT_TRUE(shown->isActive() && shown->isSingleShot());
        EXPECT_EQ(shown->interval(), 2000);
        QMetaObject::invokeMethod(shown, "timeout");
        EXPECT_FALSE(confirmation->isVisible());
    }
    type(Parameter::Modulante, QStringLiteral("x"));
    menu->findChild<QAction*>(QStringLiteral("CopiarEnlace"))->trigger();
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(rows[1].copied));
}

} // namespace
} // namespace amsim
