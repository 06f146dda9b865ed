#include "cli/ProgramRun.h"
#include "support/LiveForm.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <random>

namespace amsim {
namespace {

// Paused at any moment of a live bench, the window holds one instant: a
// redraw while paused changes no pixel and no line of the readout, and the
// command it copies names that instant with at most three decimals. That
// command opens the same picture and readout (--export of the whole window),
// and the saved samples, sound and --medidas are the command's.
class PausedWindowTest : public LiveForm {
protected:
    PausedWindowTest() {
        type(Parameter::Vcc, "0");
        type(Parameter::BlsSiNo, "0");
        type(Parameter::Df, "100");
        click("FaseSubir");
        click("FaseBajar");
    }

    QString readout() const { return control<QLabel>("Measurements")->accessibleDescription(); }

    QString copied(const char* item) const {
        form.findChild<QAction*>(QLatin1String(item))->trigger();
        return QGuiApplication::clipboard()->text();
    }

    QByteArray saved(const char* item, const QString& path) {
        form.setFileNameAsker(
            [&path](Form1&, const QString&, const QString&, const QString&) { return path; });
        form.findChild<QAction*>(QLatin1String(item))->trigger();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    struct Programs : ExportTest {
        void TestBody() override {}
        using ExportTest::amsim;
        using ExportTest::path;
    } programs;
};

TEST_F(PausedWindowTest, EveryPauseHoldsOneInstant) {
    std::mt19937 random(30);
    std::uniform_real_distribution<double> later(0.002, 0.3);
    QString command;
    for (int pause = 0; pause < 20; ++pause) {
        advance(later(random));
        const double shown = form.instant();
        const QImage picture = form.drawing().copy();
        moveClock(later(random) / 10.0); // the click comes after the frame
        click("Pausa");
        const QString lines = readout();
        ASSERT_EQ(form.instant(), shown);
        command = copied("CopiarOrden");
        const QRegularExpressionMatch tiempo =
            QRegularExpression(QStringLiteral(" --tiempo (\\d+(\\.\\d{1,3})?)$")).match(command);
        ASSERT_TRUE(tiempo.hasMatch()) << command.toStdString();
        ASSERT_EQ(tiempo.captured(1).toDouble(), shown) << command.toStdString();
        QTest::keyClick(form.box(Parameter::Fase), Qt::Key_Return);
        click("EscalasSi", 2);
        ASSERT_EQ(form.instant(), shown);
        ASSERT_EQ(form.drawing(), picture) << command.toStdString();
        ASSERT_EQ(readout(), lines) << command.toStdString();
        if (pause + 1 < 20) {
            click("Pausa");
        }
    }
    // The window opened by the command stands paused; an export shows Pausa
    // up, as the same options always give the same bytes.
    const auto withoutPausa = [this](const QByteArray& png) {
        QImage image = QImage::fromData(png).convertToFormat(QImage::Format_RGB32);
        QPainter(&image).fillRect(control("Pausa")->geometry(), Qt::black);
        return image;
    };
    const QStringList options = command.split(QLatin1Char(' ')).mid(1);
    const auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray picture = saved("GuardarImagen", programs.path("ventana.png"));
    const QByteArray samples = saved("GuardarDatos", programs.path("ventana.csv"));
    const QByteArray sound = saved("GuardarSonido", programs.path("ventana.wav"));
    ASSERT_EQ(programs
                  .amsim(QStringList{"--export", "orden.png", "--export-csv", "orden.csv",
                                     "--export-wav", "orden.wav"} +
                         options)
                  .exitCode,
              0);
    EXPECT_EQ(withoutPausa(contents(programs.path("orden.png"))), withoutPausa(picture));
    EXPECT_TRUE(contents(programs.path("orden.csv")) == samples);
    EXPECT_TRUE(contents(programs.path("orden.wav")) == sound);
    const Finished measured = programs.amsim(QStringList{"--medidas"} + options);
    ASSERT_EQ(measured.exitCode, 0);
    EXPECT_EQ(measured.out.section(QLatin1Char('\n'), 1).trimmed(), readout());
}

} // namespace
} // namespace amsim
