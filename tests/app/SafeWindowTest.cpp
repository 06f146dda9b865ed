#include "support/ShownForm.h"

#include <QApplication>
#include <QProcess>
#include <QResizeEvent>

namespace amsim {
namespace {

using LongTexts = ShownForm;

// A box holds a text of any length, and reads it whole: never a number that
// the box does not show. A message quotes a long text cut short.
TEST_F(LongTexts, AreReadWholeAndQuotedShort) {
    type(Parameter::Modulante, QString(40000, '0') + "1");
    EXPECT_EQ(text(Parameter::Modulante).size(), 40001);
    click("FaseSubir");
    EXPECT_EQ(message(), nullptr);

    type(Parameter::Modulante, "5" + QString(40000, ' ') + "x");
    click("ModulanteSubir");
    ASSERT_NE(message(), nullptr);
    const QString said = message()->text();
    EXPECT_TRUE(said.startsWith("El valor de «Modulante» no es un número: «5"))
        << said.left(80).toStdString();
    EXPECT_TRUE(said.endsWith("…».")) << said.right(20).toStdString();
    EXPECT_LT(said.size(), 120);
}

// The drawing never goes beyond x 950 and y 699, so its canvas keeps that
// size however large the window is made.
TEST(WindowSize, AHugeWindowKeepsOneCanvasOfTheDrawingsSize) {
    const bool child = qEnvironmentVariableIsSet("AMSIM_HUGE_WINDOW");
    installFontSubstitutes();
    Form1 form(QLocale::c());
    form.show();
    QApplication::processEvents();
    for (const QSize size : {QSize(30000, 30000), QSize(16000, 16000), QSize(952, 700)}) {
        const QSize before = form.size();
        if (child) {
            form.resize(size); // the whole window, under the parent's memory limit
        } else {
            QResizeEvent event(size, before);
            QApplication::sendEvent(&form, &event);
        }
        QApplication::processEvents();
        EXPECT_EQ(form.drawing().size(), QSize(952, 700));
    }
    form.findChild<QPushButton*>("VccBajar")->click();
    EXPECT_EQ(form.box(Parameter::Vcc)->text(), "0.8");
}

// The same, as a user under a memory limit would do it; the limit would stop
// AddressSanitizer itself, so that build leaves it out.
TEST(WindowSize, AHugeWindowUnderAMemoryLimitKeepsRunning) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit";
#else
    if (qEnvironmentVariableIsSet("AMSIM_HUGE_WINDOW")) {
        GTEST_SKIP() << "this is the child";
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("AMSIM_HUGE_WINDOW", "1");
    QProcess limited;
    limited.setProcessEnvironment(environment);
    limited.start("bash", {"-c",
                           "ulimit -v 900000 && exec \"$0\" "
                           "--gtest_filter=WindowSize.AHugeWindowKeepsOneCanvasOfTheDrawingsSize",
                           QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(limited.waitForFinished(60000));
    EXPECT_EQ(limited.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(limited.exitCode(), 0) << limited.readAll().toStdString();
#endif
}

} // namespace
} // namespace amsim
