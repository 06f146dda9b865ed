#include "app/LiveWindow.h"
#include "cli/ProgramRun.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <ostream>

namespace amsim {
namespace {

using VectorAndScale = ExportTest;

// Pixels that are not the window's face in the drawing area (the traces,
// below the title strip), of a picture at the given scale.
QList<QPoint> inkOf(const QImage& picture, double scale) {
    QList<QPoint> ink;
    const QRgb face = qRgb(239, 239, 239);
    for (int y = static_cast<int>(20 * scale); y < static_cast<int>(700 * scale); ++y) {
        for (int x = 0; x < static_cast<int>(640 * scale); ++x) {
            if (picture.pixel(x, y) != face) {
                ink << QPoint(x, y);
            }
        }
    }
    return ink;
}

TEST_F(VectorAndScale, QtsOwnOptionsAreAcceptedAgain) {
    EXPECT_EQ(amsim({"-platform", "offscreen", "--export", "a.png"}).exitCode, 0);
    const Finished help = amsim({"-reverse", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Uso: amsim [opciones]"));
}

// Qt's own options and variables, given to an export.
struct QtSwitch {
    const char* name;
    QStringList arguments;
    QStringList environment;
};

void PrintTo(const QtSwitch& row, std::ostream* out) {
    *out << row.name;
}

class ExportWithQtSwitches : public ExportTest, public testing::WithParamInterface<QtSwitch> {};

// An export is the window at its design size, drawn offscreen at the scale
// --scale gives, whatever Qt's options and variables say: the very picture
// of a plain export, and nothing said.
TEST_P(ExportWithQtSwitches, DrawTheSamePicture) {
    ASSERT_EQ(amsim({"--export", "plain.png", "--scale", "2"}).exitCode, 0);
    const Finished run =
        amsim(QStringList{"--export", "a.png", "--scale", "2"} + GetParam().arguments, "C.UTF-8",
              GetParam().environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    QFile plain(path("plain.png"));
    QFile switched(path("a.png"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly) && switched.open(QIODevice::ReadOnly));
    EXPECT_TRUE(plain.readAll() == switched.readAll());
}

const QtSwitch kQtSwitches[] = {
    {"PlatformXcb", {"-platform", "xcb"}, {}},
    {"PlatformMinimal", {"-platform", "minimal"}, {}},
    {"PlatformVncWithTwoDashes", {"--platform", "vnc"}, {}},
    {"WindowGeometry", {"-qwindowgeometry", "2000x1500+0+0"}, {}},
    {"TinyScreenFactor", {}, {"QT_SCREEN_SCALE_FACTORS=0.01"}},
    {"HugeScreenFactor", {}, {"QT_SCREEN_SCALE_FACTORS=1e5"}},
    {"FontDpi", {}, {"QT_FONT_DPI=192"}},
};

INSTANTIATE_TEST_SUITE_P(Switches, ExportWithQtSwitches, testing::ValuesIn(kQtSwitches),
                         [](const testing::TestParamInfo<QtSwitch>& row) {
                             return std::string(row.param.name);
                         });

// The window starts at a sane scale whatever Qt's variables say, telling
// what it ignores; still running after a second, it is ended.
TEST_F(VectorAndScale, TheWindowIgnoresAbsurdScaleVariables) {
    const std::pair<const char*, QStringList> rows[] = {
        {"QT_SCALE_FACTOR=1e9", {}},
        {"QT_SCALE_FACTOR=nan", {}},
        {"QT_FONT_DPI=100000", {}},
        {"QT_SCREEN_SCALE_FACTORS=2;9", {}},
        {"QT_SCREEN_SCALE_FACTORS=4", {"--zoom", "3"}},
    };
    for (const auto& [setting, options] : rows) {
        SCOPED_TRACE(setting);
        const Finished run = this->run("timeout", QStringList{"1", AMSIM_EXECUTABLE} + options,
                                       "C.UTF-8", {setting, "QT_QPA_PLATFORM=offscreen"});
        EXPECT_EQ(run.exitCode, 124);
        EXPECT_TRUE(run.err.startsWith("Se ignora " + QString::fromLatin1(setting) +
                                       ": la ventana se muestra a una escala de 0.5 a 4."))
            << run.err.toStdString();
    }
}

// The SVG holds the traces as paths and the label as text; the PDF, drawn
// back into pixels, covers the PNG's ink.
TEST_F(VectorAndScale, VectorPicturesHoldTheTracesAsVectors) {
    ASSERT_EQ(amsim({"--export", "a.svg"}).exitCode, 0);
    QFile svg(path("a.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int paths = 0;
    QString text;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            paths += xml.name() == QLatin1String("path") ? 1 : 0;
            if (xml.name() == QLatin1String("text")) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(paths, 6); // at least one for each trace
    EXPECT_TRUE(text.contains("modulante + Vcc"));

    ASSERT_EQ(amsim({"--export", "a.pdf", "--export-csv", "a.csv"}).exitCode, 0);
    ASSERT_EQ(amsim({"--export", "a.png"}).exitCode, 0);
    ASSERT_EQ(shell("pdftoppm -r 72 -png -aa no -aaVector no a.pdf back").exitCode, 0);
    const QImage back(path("back-1.png"));
    const QList<QPoint> ink = inkOf(QImage(path("a.png")), 1.0);
    ASSERT_EQ(back.size(), QSize(952, 760));
    const auto covered = std::count_if(
        ink.begin(), ink.end(), [&back](QPoint p) { return back.pixel(p) != qRgb(239, 239, 239); });
    EXPECT_GE(static_cast<double>(covered) / static_cast<double>(ink.size()), 0.95);
}

// With the scales on, the SVG strokes the graticule in its light grey and
// writes the labels as text; the PDF holds the labels as text and, drawn
// back, the graticule's columns and rows at their pixels.
TEST_F(VectorAndScale, TheScalesAreVectorsAndText) {
    ASSERT_EQ(amsim({"--export", "a.svg", "--escalas", "1"}).exitCode, 0);
    QFile svg(path("a.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int greyStrokes = 0;
    QString text;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            greyStrokes += xml.attributes().value("stroke") == QLatin1String("#c0c0c0") ? 1 : 0;
            if (xml.name() == QLatin1String("text")) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }
    EXPECT_GE(greyStrokes, 1);
    for (const char* label : {"1 V/div", "0.5 V/div", "1.6 ms", "0 kHz", "0.5 V"}) {
        EXPECT_TRUE(text.contains(QLatin1String(label))) << label;
    }

    ASSERT_EQ(amsim({"--export", "a.pdf", "--escalas", "1"}).exitCode, 0);
    const Finished words = shell("pdftotext a.pdf -");
    EXPECT_TRUE(words.out.contains("V/div") && words.out.contains("kHz"))
        << words.out.toStdString();
    ASSERT_EQ(shell("pdftoppm -r 72 -png -aa no -aaVector no a.pdf back").exitCode, 0);
    const QImage back(path("back-1.png"));
    for (const QPoint grid : {QPoint(80, 30), QPoint(400, 30), QPoint(300, 20), QPoint(100, 660)}) {
        EXPECT_EQ(back.pixel(grid), qRgb(192, 192, 192)) << grid.x() << ", " << grid.y();
    }
}

// At twice the scale the picture is drawn again, not blown up: 1904 x 1520,
// with only the palette's colours in the traces, no blends.
TEST_F(VectorAndScale, TheScaleDrawsTheWindowAgainAtThatResolution) {
    ASSERT_EQ(amsim({"--export", "twice.png", "--scale", "2"}).exitCode, 0);
    const QImage twice(path("twice.png"));
    ASSERT_EQ(twice.size(), QSize(1904, 1520));
    QSet<QRgb> colours;
    for (const QPoint p : inkOf(twice, 2.0)) {
        colours << twice.pixel(p);
    }
    const QSet<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 0, 255), qRgb(0, 128, 0)};
    EXPECT_EQ(colours - palette, QSet<QRgb>{});

    const Finished tooLarge = amsim({"--export", "x.png", "--scale", "9"});
    EXPECT_EQ(tooLarge.exitCode, 2);
    EXPECT_TRUE(tooLarge.err.startsWith("El valor de --scale debe ser un número de 1 a 4"));
    EXPECT_FALSE(QFile::exists(path("x.png")));

    // The window shown at a scale factor of 2 is that very picture.
    const Finished live =
        run(QCoreApplication::applicationFilePath(), {"--gtest_filter=ScaledWindow.*"}, "C.UTF-8",
            {"QT_SCALE_FACTOR=2", "QT_QPA_PLATFORM=offscreen",
             "AMSIM_SCALED_PICTURE=" + path("twice.png")});
    EXPECT_EQ(live.exitCode, 0) << live.out.toStdString();
    EXPECT_TRUE(live.out.contains("[       OK ] ScaledWindow.GrabEqualsTheScaledExport"))
        << live.out.toStdString();
}

// Run by the test above, at a scale factor of 2.
TEST(ScaledWindow, GrabEqualsTheScaledExport) {
    if (!qEnvironmentVariableIsSet("AMSIM_SCALED_PICTURE")) {
        GTEST_SKIP() << "run by VectorAndScale.TheScaleDrawsTheWindowAgainAtThatResolution";
    }
    const QImage grabbed = liveWindow(QLocale::system(), {});
    const QImage exported =
        QImage(qEnvironmentVariable("AMSIM_SCALED_PICTURE")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(grabbed.size(), exported.size());
    EXPECT_EQ(differingPixels(grabbed, exported), 0);
}

// The window opens with the keyboard's focus frame, in the highlight's blue,
// on ModulanteSubir (17 px square at 888, 16); no export shows it.
struct FocusRow {
    const char* name;
    const char* file;
    bool framed;
};

void PrintTo(const FocusRow& row, std::ostream* out) {
    *out << row.name;
}

class FocusFrame : public ExportTest, public testing::WithParamInterface<FocusRow> {
protected:
    QImage picture() {
        const QString file = QString::fromLatin1(GetParam().file);
        if (file.isEmpty()) {
            return liveWindow(QLocale::c(), {}, true);
        }
        EXPECT_EQ(amsim({"--export", file}).exitCode, 0);
        if (file.endsWith(".svg")) {
            QImage drawn(952, 760, QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter painter(&drawn);
            QSvgRenderer(path("a.svg")).render(&painter);
            return drawn;
        }
        if (file.endsWith(".pdf")) {
            EXPECT_EQ(shell("pdftoppm -r 72 -png a.pdf back").exitCode, 0);
            return QImage(path("back-1.png"));
        }
        return QImage(path("a.png"));
    }
};

TEST_P(FocusFrame, IsOnTheScreenOnly) {
    const QImage shown = picture();
    ASSERT_EQ(shown.size(), QSize(952, 760));
    int bluish = 0;
    for (int y = 12; y < 38; ++y) {
        for (int x = 884; x < 910; ++x) {
            const QColor colour = shown.pixelColor(x, y);
            bluish += colour.blue() > colour.red() + 40 ? 1 : 0;
        }
    }
    EXPECT_EQ(bluish > 0, GetParam().framed) << bluish << " bluish pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FocusFrame,
    testing::Values(FocusRow{"LiveWindow", "", true}, FocusRow{"Png", "a.png", false},
                    FocusRow{"Svg", "a.svg", false}, FocusRow{"Pdf", "a.pdf", false}),
    [](const testing::TestParamInfo<FocusRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
