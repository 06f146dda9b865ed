#include "app/PanelDialog.h"
#include "params/Handlers.h"
#include "params/PanelTexts.h"
#include "signals/SnrCurve.h"
#include "support/ShownForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace amsim {
namespace {

class Panels : public ShownForm {
protected:
    QPlainTextEdit* help() const { return control<QPlainTextEdit>("Text1"); }
    QPlainTextEdit* about() const { return control<QPlainTextEdit>("AcercaTexto"); }
};

TEST_F(Panels, HelpShowsOverTheTracesWithoutRedrawing) {
    const QImage before = form.drawing().copy();
    type(Parameter::Vcc, "0"); // typing alone draws nothing
    click("Ayuda");
    EXPECT_TRUE(help()->isVisible());
    EXPECT_EQ(help()->geometry(), QRect(20, 24, 600, 665));
    EXPECT_TRUE(help()->toPlainText().startsWith(QString::fromUtf8(helpParagraphs().front())));
    EXPECT_EQ(form.drawing(), before);
    EXPECT_FALSE(about()->isVisible());
    // The whole text is there to read: what does not fit scrolls into view.
    QApplication::processEvents();
    EXPECT_TRUE(help()->verticalScrollBar()->isVisible());
}

TEST_F(Panels, HidingRedrawsWhatThePanelCovered) {
    click("Ayuda");
    type(Parameter::Vcc, "0");
    click("Ayuda");
    EXPECT_FALSE(help()->isVisible());
    EXPECT_EQ(help()->geometry(), QRect(20, 24, 600, 665)); // hiding keeps the place
    // The carrier, now suppressed, lies flat on its axis.
    EXPECT_EQ(pixel(300, 145), qRgb(0, 0, 0));
    EXPECT_FALSE(drawnAt(305, 120));
}

TEST_F(Panels, TextNeverAccumulatesAndTypingIsReplaced) {
    click("Ayuda");
    const QString first = help()->toPlainText();
    EXPECT_TRUE(first.endsWith(QStringLiteral("\n\n"))); // an empty line after the last paragraph
    help()->setPlainText(QStringLiteral("borrado por el alumno"));
    click("Ayuda");
    click("Ayuda");
    EXPECT_EQ(help()->toPlainText(), first);
    click("Acerca");
    EXPECT_TRUE(about()->toPlainText().startsWith(
        QStringLiteral("07/03/2018 Simulador de AM, DSB y SSB\n\n")));
}

TEST_F(Panels, BothPanelsShareOneRectangleAndHideIndependently) {
    click("Ayuda");
    click("Acerca");
    EXPECT_TRUE(help()->isVisible());
    EXPECT_TRUE(about()->isVisible());
    EXPECT_EQ(about()->geometry(), help()->geometry());
    // The one asked for last lies in front.
    EXPECT_EQ(form.childAt(300, 300)->parentWidget(), about());
    click("Ayuda");
    EXPECT_FALSE(help()->isVisible());
    EXPECT_TRUE(about()->isVisible());
}

TEST_F(Panels, StepsStillRedrawBesideAShownPanel) {
    click("Acerca");
    click("VccBajar");
    EXPECT_EQ(text(Parameter::Vcc), "0.8");
    EXPECT_TRUE(about()->isVisible());
    EXPECT_FALSE(drawnAt(930, 362)); // the carrier line dropped to 32 pixels
    EXPECT_TRUE(drawnAt(930, 368));
}

// The readout under the drawing follows every redraw; while the picture is
// stale after a bad text it says there are no measurements.
TEST_F(Panels, TheReadoutFollowsTheRedrawsThatReachTheirEnd) {
    auto* readout = control<QLabel>("Measurements");
    EXPECT_TRUE(readout->accessibleDescription().startsWith(
        QString::fromUtf8("Modo: AM\nÍndice de modulación: 100 %\n")));
    click("VccBajar");
    EXPECT_TRUE(readout->accessibleDescription().contains(
        QString::fromUtf8("Índice de modulación: 125 %")));
    type(Parameter::Vcc, "abc");
    click("FaseSubir");
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(readout->accessibleDescription(), QString::fromUtf8("Sin medidas: corrija «V(cc)»"));
}

// The menu's panel item opens a window of its own that leaves the bench in
// use, is drawn again with it, and closes with Escape; closed, it is not drawn.
TEST_F(Panels, IqViewOpensBesideTheBenchAndFollowsIt) {
    form.findChild<QAction*>(QStringLiteral("VistaIQ"))->trigger();
    auto* panel = form.findChild<PanelDialog*>(QStringLiteral("VistaIQ"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(panel->isModal());
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Vista I/Q"));
    EXPECT_EQ(panel->accessibleName(), QStringLiteral("Vista I/Q"));
    const QImage am = panel->canvas().image().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < am.height(); ++y) {
        for (int x = 0; x < am.width(); ++x) {
            inked += qAlpha(am.pixel(x, y)) != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 1000);
    click("VccBajar");
    const QImage lower = panel->canvas().image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_NE(lower, am);
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    click("VccSubir");
    EXPECT_EQ(panel->canvas().image().convertToFormat(QImage::Format_ARGB32), lower);
}

// The S/N curve is measured a point a frame: its panel keeps a still bench
// drawing frames until the curve's last point, and no longer.
TEST_F(Panels, SnrCurveGrowsAPointAFrameUntilWhole) {
    click("ModulanteBajar"); // a setting of its own, measured by no other test
    form.findChild<QAction*>(QStringLiteral("CurvaSN"))->trigger();
    auto* panel = form.findChild<PanelDialog*>(QStringLiteral("CurvaSN"));
    ASSERT_NE(panel, nullptr);
    const QImage first = panel->canvas().image().copy();
    Handlers& handlers = form.bench().handlers();
    int frames = 0;
    while (handlers.isLive() && frames < 100) {
        handlers.Frame();
        ++frames;
    }
    // A point a decibel, the first with the opening.
    EXPECT_EQ(frames, kSnrCurveHighestDecibels - kSnrCurveLowestDecibels);
    EXPECT_NE(panel->canvas().image(), first);
    QTest::keyClick(panel, Qt::Key_Escape);
    click("ModulanteSubir");
    EXPECT_FALSE(handlers.isLive()); // a closed panel measures nothing
}

} // namespace
} // namespace amsim
