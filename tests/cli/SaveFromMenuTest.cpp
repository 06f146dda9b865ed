#include "cli/ProgramRun.h"
#include "support/ShownForm.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>

namespace amsim {
namespace {

// The window's saving items against the command line's export of the same
// setting: the same bytes, under the name the engine suggests.
struct SavedRow {
    const char* name;
    const char* item;
    const char* file;
    const char* option; // the command line's export option for the file
    const char* suggested;
};

void PrintTo(const SavedRow& row, std::ostream* out) {
    *out << row.name;
}

class SaveFromMenuTest : public ShownForm, public testing::WithParamInterface<SavedRow> {
protected:
    struct Exports : ExportTest {
        void TestBody() override {}
        using ExportTest::amsim;
        using ExportTest::path;
    } exports;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(SaveFromMenuTest, WritesTheCommandLinesBytes) {
    const SavedRow& row = GetParam();
    type(Parameter::Vcc, "0.8");
    type(Parameter::Fase, "-30");
    type(Parameter::BlsSiNo, "0");
    type(Parameter::Df, "1");
    const QString saved = exports.path("ventana") + QLatin1String(row.file);
    QString suggested;
    form.setFileNameAsker([&](Form1&, const QString&, const QString& name, const QString&) {
        suggested = name;
        return QString(saved);
    });
    form.findChild<QAction*>(QLatin1String(row.item))->trigger();
    const QString instant = QString::number(form.instant(), 'g', 17);
    EXPECT_EQ(message(), nullptr);
    EXPECT_EQ(suggested, QLatin1String(row.suggested));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Confirmation"))->text(),
              QLatin1String("Guardado: ventana") + QLatin1String(row.file));
    const QString exported = exports.path("orden") + QLatin1String(row.file);
    ASSERT_EQ(exports
                  .amsim({QLatin1String(row.option), exported, "--vcc", "0.8", "--fase", "-30",
                          "--bls", "0", "--df", "1", "--tiempo", instant})
                  .exitCode,
              0);
    const QByteArray expected = contents(exported);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(contents(saved) == expected) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Items, SaveFromMenuTest,
    testing::Values(SavedRow{"PictureAsPng", "GuardarImagen", ".png", "--export", "amsim-ssb.png"},
                    SavedRow{"PictureAsSvg", "GuardarImagen", ".svg", "--export", "amsim-ssb.png"},
                    SavedRow{"Samples", "GuardarDatos", ".csv", "--export-csv", "amsim-ssb.csv"},
                    SavedRow{"Sound", "GuardarSonido", ".wav", "--export-wav", "amsim-ssb.wav"}),
    [](const testing::TestParamInfo<SavedRow>& row) { return std::string(row.param.name); });

using SaveFailureTest = ShownForm;

TEST_F(SaveFailureTest, CtrlSAsksForThePictureAndSavingStopsAtABadBoxOrAMissingFolder) {
    QTemporaryDir folder;
    int asked = 0;
    QString answer;
    QString title;
    form.setFileNameAsker([&](Form1&, const QString& asking, const QString&, const QString&) {
        ++asked;
        title = asking;
        return answer;
    });
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(title, "Guardar imagen");
    auto* save = form.findChild<QAction*>(QStringLiteral("GuardarDatos"));
    save->trigger();
    EXPECT_EQ(title, "Guardar datos");
    EXPECT_EQ(message(), nullptr);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    answer = folder.filePath("no/such/folder/a.csv");
    save->trigger();
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->text(), "No se pudo escribir el archivo «" + answer +
                                     "»: la carpeta no existe. No se escribió ningún archivo.");
    message()->done(QMessageBox::Ok);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    type(Parameter::Fase, "x");
    form.findChild<QAction*>(QStringLiteral("GuardarImagen"))->trigger();
    EXPECT_EQ(asked, 3);
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->text(), "El valor de «fase port reinsertada» no es un número: «x».");
}

} // namespace
} // namespace amsim
