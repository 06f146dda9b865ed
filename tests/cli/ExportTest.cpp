#include "app/Form1.h"
#include "app/LiveWindow.h"
#include "cli/ProgramRun.h"
#include "params/BoxReader.h"
#include "params/ExerciseCode.h"
#include "signals/ChannelNoise.h"
#include "signals/SignalTable.h"
#include "signals/Sweep.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>

namespace amsim {
namespace {

TEST_F(ExportTest, VersionAndHelpNeedNoDisplay) {
    const Finished version = amsim({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("amsim " AMSIM_VERSION "\n"));
    const Finished help = amsim({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Uso: amsim [opciones]")) << help.out.toStdString();
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
}

// Without a runtime folder, as under a bare session, the help, the version
// and every export still say nothing on standard error.
TEST_F(ExportTest, HelpVersionAndExportsWriteNothingOnStandardError) {
    const QStringList bare{QStringLiteral("XDG_RUNTIME_DIR")};
    const QStringList crowded{"--ruido", "0.5", "--env", "1", "--df", "2", "--escalas", "1"};
    const QList<QStringList> runs{
        {"--help"},
        {"--version"},
        QStringList{"--export", path("a.png")} + crowded,
        QStringList{"--export", path("a.svg"), "--scale", "2"} + crowded,
        QStringList{"--export", path("a.pdf")},
        QStringList{"--export-csv", path("a.csv"), "--export-wav", path("a.wav")} + crowded,
        QStringList{"--medidas"} + crowded,
    };
    for (const QStringList& arguments : runs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Finished run = amsim(arguments, QStringLiteral("C.UTF-8"), bare);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err.toStdString(), "");
    }
}

// Nothing is written unless everything can be: values are checked, and the
// redraw run, before the first file is touched.
TEST_F(ExportTest, FailureExitsWithTwoAndTheWindowsMessageAndWritesNothing) {
    struct Row {
        const char* name;
        QStringList arguments;
        QString locale;
        QString message;
    };
    const QString help = QStringLiteral(" Escriba «amsim --help» para ver las opciones.");
    const Row rows[] = {
        {"text that is not a number",
         {"--vcc", "abc"},
         "C.UTF-8",
         "El valor de «V(cc)» no es un número: «abc»."},
        {"point where the locale wants a comma",
         {"--vcc", "0.8"},
         "es_ES.UTF-8",
         "El valor de «V(cc)» no es un número: «0.8»; use la coma decimal: «0,8»."},
        {"empty text",
         {"--fase="},
         "C.UTF-8",
         "El valor de «fase port reinsertada» está vacío: escriba un número."},
        {"the first bad box in the redraw's order is named",
         {"--bli", "x", "--mdl", "y"},
         "C.UTF-8",
         "El valor de «Modulante» no es un número: «y»."},
        {"a redraw that overflows",
         {"--mdl", "1e308"},
         "C.UTF-8",
         "Desbordamiento: con el valor de «Modulante» (--mdl) el dibujo no se puede calcular, "
         "porque algún resultado es demasiado grande. Escriba un valor menor."},
        {"unknown option",
         {"--frecuencia", "2"},
         "C.UTF-8",
         "Opción desconocida: «--frecuencia»." + help},
        {"missing value", {"--mdl"}, "C.UTF-8", "Falta el valor de la opción «--mdl»." + help},
        {"a sound without .wav",
         {"--export-wav", "a.mp3"},
         "C.UTF-8",
         "El sonido «a.mp3» necesita la extensión .wav." + help},
        {"a sound too long",
         {"--export-wav", "a.wav", "--segundos", "61"},
         "C.UTF-8",
         "El valor de --segundos debe ser un número de 0.1 a 60: «61»." + help},
        {"a long value with a control character, quoted short and in view",
         {"--tiempo", "\x1b[31m" + QString(100000, '9')},
         "C.UTF-8",
         "El valor de --tiempo debe ser un número de 0 a 1000000: «␛[31m" + QString(35, '9') +
             "…»." + help},
        {"a S/N curve of another format",
         {"--export-curva", "a.txt"},
         "C.UTF-8",
         "La curva S/N «a.txt» necesita la extensión .csv, .png o .svg." + help},
        {"a bad value stops the sound too",
         {"--export-wav", "a.wav", "--bls", "x"},
         "C.UTF-8",
         "El valor de «BLS habil» no es un número: «x»."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Finished run = amsim(
            QStringList{"--export", path("a.png"), "--export-csv", path("a.csv")} + row.arguments,
            row.locale);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, row.message + "\n");
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(filesWritten(), QStringList{});
    }
}

TEST_F(ExportTest, UnwritableFileStopsTheOtherOneToo) {
    for (const auto& [picture, csv] : {std::pair{path("no/such/folder/a.png"), path("a.csv")},
                                       std::pair{path("a.png"), folder.path()}}) {
        SCOPED_TRACE(picture.toStdString() + " " + csv.toStdString());
        const Finished run = amsim({"--export", picture, "--export-csv", csv});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith("No se pudo escribir el archivo «"))
            << run.err.toStdString();
        EXPECT_EQ(filesWritten(), QStringList{});
    }
}

TEST_F(ExportTest, PictureIsTheLiveWindowsGrabPixelForPixel) {
    struct Row {
        const char* name;
        QStringList arguments;
        QString locale;
        std::map<Parameter, QString> texts;
    };
    const Row rows[] = {
        {"load values", {}, "C.UTF-8", {}},
        {"SSB with a phase error, decimal comma",
         {"--mdl", "0,6", "--vcc", "0,4", "--bls", "0", "--fase", "45"},
         "es_ES.UTF-8",
         {{Parameter::Modulante, "0,6"},
          {Parameter::Vcc, "0,4"},
          {Parameter::BlsSiNo, "0"},
          {Parameter::Fase, "45"}}},
        {"DSB",
         {"--vcc=0", "--bli=1", "--fase=-30"},
         "C.UTF-8",
         {{Parameter::Vcc, "0"}, {Parameter::Fase, "-30"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Finished run =
            amsim(QStringList{"--export", path("a.png")} + row.arguments, row.locale);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const QImage exported = QImage(path("a.png")).convertToFormat(QImage::Format_RGB32);
        const QImage live = liveWindow(QLocale(row.locale.section('.', 0, 0)), row.texts);
        EXPECT_EQ(exported.size(), QSize(952, 760)); // the drawing and the readout under it
        EXPECT_EQ(exported.size(), live.size());
        EXPECT_EQ(differingPixels(exported, live), 0);
        QFile::remove(path("a.png"));
    }
}

// Every readout line whole, with every capability on and the longest lines
// the readout writes, at any scale: the readout grows beneath the drawing,
// and no letter touches the picture's bottom or right edge.
TEST_F(ExportTest, EveryReadoutLineIsWholeAtEveryScale) {
    struct Row {
        const char* name;
        QStringList arguments;
        std::vector<const char*> scales;
    };
    const Row rows[] = {
        {"everything on",
         {"--ruido", "0.5", "--env", "1", "--df", "2", "--escalas", "1"},
         {"1", "1.5", "2.5", "4"}},
        {"over-modulated, its audio inverted",
         {"--mdl", "2", "--vcc", "0.5", "--env", "1", "--ruido", "1", "--df", "0.5", "--fase",
          "170", "--tiempo", "0.3", "--escalas", "1"},
         {"1", "2"}},
        {"DSB, whose tone the envelope detector loses",
         {"--vcc", "0", "--env", "1", "--ruido", "0.05", "--df", "100", "--fase", "30"},
         {"1.25"}},
    };
    for (const Row& row : rows) {
        for (const char* scale : row.scales) {
            SCOPED_TRACE(std::string(row.name) + " at " + scale);
            const Finished run =
                amsim(QStringList{"--export", path("a.png"), "--scale", scale} + row.arguments);
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            const QImage picture = QImage(path("a.png")).convertToFormat(QImage::Format_RGB32);
            const double factor = QByteArray(scale).toDouble();
            const int readoutTop = static_cast<int>(std::ceil(700 * factor));
            const QRgb face = picture.pixel(picture.width() - 1, readoutTop);
            int ink = 0;
            int touching = 0;
            for (int y = readoutTop; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const bool inked = picture.pixel(x, y) != face;
                    ink += static_cast<int>(inked);
                    touching += static_cast<int>(
                        inked && (x == picture.width() - 1 || y == picture.height() - 1));
                }
            }
            EXPECT_GT(ink, 0);
            EXPECT_EQ(touching, 0);
            EXPECT_GT(picture.height(), static_cast<int>(760 * factor));
        }
    }
}

std::vector<double> fieldsOf(const QByteArray& line) {
    std::vector<double> values;
    for (const QByteArray& field : line.split(',')) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        EXPECT_TRUE(error == std::errc() && end == field.data() + field.size())
            << "not a number with a decimal point: " << field.toStdString();
        values.push_back(value);
    }
    return values;
}

// The C library's Spanish locale, made in a folder of its own where the
// system has none installed, as a Spanish desktop has it: there the C
// library itself writes numbers with a comma. Nothing where localedef is
// missing.
QStringList spanishCLibrary(const QTemporaryDir& locales) {
    QProcess::execute(QStringLiteral("localedef"),
                      {"-i", "es_ES", "-f", "UTF-8", locales.filePath("es_ES.UTF-8")});
    return {"LOCPATH=" + locales.path()};
}

// Under a decimal-comma locale the option texts take a comma, the file a point;
// every value reads back to the bit of what the display computes.
TEST_F(ExportTest, SamplesAreTheDisplaysValuesWithADecimalPoint) {
    const QTemporaryDir locales;
    const Finished run = amsim({"--export-csv", path("a.csv"), "--export", path("a.png"), "--vcc",
                                "0,8", "--bls", "0", "--fase", "-30,5"},
                               "es_ES.UTF-8", spanishCLibrary(locales));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(filesWritten(), (QStringList{"a.csv", "a.png"}));

    QFile file(path("a.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray()); // the last row ends its line too
    ASSERT_EQ(
        lines.takeFirst(),
        "x,t_ms,generador,portadora,banda_superior,banda_inferior,salida,detector,audio_detectado");
    ASSERT_EQ(lines.size(), 3195);
    // At x = 0 every sine is 0; the detector's product there is a negative zero.
    EXPECT_FALSE(lines.first().split(',').contains("-0")) << lines.first().toStdString();

    const std::map<Parameter, std::string> texts{
        {Parameter::Modulante, "1"}, {Parameter::Vcc, "0,8"},    {Parameter::BliSiNo, "1"},
        {Parameter::BlsSiNo, "0"},   {Parameter::Fase, "-30,5"}, {Parameter::Envelope, "0"},
        {Parameter::Ruido, "0"},     {Parameter::Escalas, "0"},  {Parameter::Df, "0"}};
    const NumberFormat comma{",", "E"};
    BoxReader reader(
        [&](Parameter parameter) {
            return texts.contains(parameter) ? texts.at(parameter) : startText(parameter, comma);
        },
        comma);
    const std::vector<SignalSample> table = sampleSignals(reader, WindowValues{});
    ASSERT_EQ(table.size(), 3195U);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const SignalSample& s = table[static_cast<std::size_t>(k)];
        ASSERT_EQ(fieldsOf(lines[k]),
                  (std::vector<double>{s.x, s.x / 400.0, s.generator, s.carrier, s.upperSide,
                                       s.lowerSide, s.transmitter, s.detector, s.detectedAudio}))
            << "row " << k;
    }
    // Spot checks against the formulas: the carrier is 0.8 sin(0.1 pi x), the
    // upper side frequency is switched off.
    const std::vector<double> row100 = fieldsOf(lines[100]);
    EXPECT_NEAR(row100[0], 20.0, 1e-9);
    EXPECT_NEAR(row100[1], 0.05, 1e-12); // 400 px to the millisecond
    EXPECT_NEAR(row100[3], 0.8 * std::sin(0.1 * M_PI * row100[0]), 1e-12);
    EXPECT_EQ(row100[4], 0.0);
}

// Switched on, the envelope detector's output is a column of its own; a bad
// switch is told like any other box.
TEST_F(ExportTest, TheEnvelopeDetectorAddsItsColumn) {
    ASSERT_EQ(amsim({"--export-csv", path("on.csv"), "--env", "1"}).exitCode, 0);
    QFile on(path("on.csv"));
    ASSERT_TRUE(on.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = on.readAll().split('\n');
    EXPECT_TRUE(lines.first().endsWith(",audio_detectado,envolvente"));
    EXPECT_EQ(fieldsOf(lines.at(2000)).size(), 10U);

    const Finished bad = amsim({"--export-csv", path("bad.csv"), "--env", "x"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "El valor de «det. envolvente» no es un número: «x».\n");
    EXPECT_FALSE(QFile::exists(path("bad.csv")));
}

// Noise in the channel is a column of its own, the engine's samples of the
// screen to the bit, and the readout gains its lines.
TEST_F(ExportTest, NoiseAddsItsColumnAndItsReadout) {
    ASSERT_EQ(amsim({"--export-csv", path("noise.csv"), "--ruido", "0.05", "--bls", "0"}).exitCode,
              0);
    QFile file(path("noise.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast();
    EXPECT_TRUE(lines.takeFirst().endsWith(",audio_detectado,ruido"));
    const ScreenNoise expected =
        screenNoise(ChannelNoise(ReceiverBand::Lower, 0.05), 0, kFineSampleCount);
    ASSERT_EQ(lines.size(), 3195);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        ASSERT_EQ(fieldsOf(lines[k]).back(), expected.screen.at(static_cast<std::size_t>(k)));
    }

    const Finished readout = amsim({"--medidas", "--ruido", "0,05", "--vcc", "0"}, "es_ES.UTF-8");
    const QStringList shown = readout.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(shown.first().endsWith("; ruido 0,05")) << shown.first().toStdString();
    EXPECT_TRUE(shown.contains("S/N de audio (teórica): 15,2 dB"));
}

// The column of the detected-audio display's tone line in an export: the one
// with the most dark pixels above its baseline, between 0 and 3 kHz.
int toneColumn(const QImage& picture) {
    int best = 0;
    int most = 0;
    for (int x = 725; x < 765; ++x) {
        int dark = 0;
        for (int y = 600; y < 650; ++y) {
            dark += qGray(picture.pixel(x, y)) < 100 ? 1 : 0;
        }
        if (dark > most) {
            most = dark;
            best = x;
        }
    }
    return best;
}

// SSB with the carrier 500 Hz off: the tone's line stands at 1 kHz - 500 Hz
// with the upper sideband, 1 kHz + 500 Hz with the lower, 10 pixels a kHz
// from the still carrier's 1 kHz; the readout names the tone.
TEST_F(ExportTest, TheDetectedToneStandsWhereTheAudioHoldsIt) {
    const auto columnOf = [this](const QStringList& setting) {
        EXPECT_EQ(amsim(QStringList{"--export", path("t.png"), "--vcc", "0"} + setting).exitCode,
                  0);
        return toneColumn(QImage(path("t.png")).convertToFormat(QImage::Format_RGB32));
    };
    const int kilohertz = columnOf({"--bli", "0"});
    EXPECT_NEAR(columnOf({"--bli", "0", "--df", "500"}), kilohertz - 5, 1);
    EXPECT_NEAR(columnOf({"--bls", "0", "--df", "500"}), kilohertz + 5, 1);
    const Finished readout = amsim({"--medidas", "--vcc", "0", "--bli", "0", "--df", "500"});
    EXPECT_TRUE(readout.out.split('\n').contains("Tono detectado: 500 Hz"))
        << readout.out.toStdString();
}

// The values, then the readout's lines on standard output, as the window
// shows them; a bad value prints the window's message and nothing on
// standard output.
TEST_F(ExportTest, MeasurementsArePrintedOnePerLine) {
    const Finished dsb = amsim({"--medidas", "--vcc", "0", "--mdl", "0,5"}, "es_ES.UTF-8");
    EXPECT_EQ(dsb.exitCode, 0) << dsb.err.toStdString();
    const QStringList lines = dsb.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.first(),
              "Valores: Modulante 0,5; V(cc) 0; BLI 1; BLS 1; fase 0; det. envolvente 0");
    EXPECT_EQ(lines.at(1), "Modo: DSB");
    EXPECT_EQ(lines.at(7), "Eficiencia: 100 %");

    const Finished bad = amsim({"--medidas", "--fase", "x"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err, "El valor de «fase port reinsertada» no es un número: «x».\n");

    // A noise whose power is near the smallest doubles: figures, not a crash.
    const Finished faint = amsim({"--medidas", "--ruido", "1e-156"});
    EXPECT_EQ(faint.exitCode, 0) << faint.err.toStdString();
    EXPECT_TRUE(faint.out.contains("\nS/N de entrada: más de 999.9 dB\n"))
        << faint.out.toStdString();

    const Finished between = amsim({"--medidas", "--escalas", "0.5"});
    EXPECT_EQ(between.exitCode, 2);
    EXPECT_EQ(between.err,
              "El valor de «escalas» está fuera de sus límites: «0.5». Escriba 0 o 1.\n");
}

// An exercise prints "?" for its hidden values and the lines that state
// them, and the lines of its setting otherwise; a spoilt code is refused.
TEST_F(ExportTest, AnExerciseIsMeasuredWithItsValuesHidden) {
    Exercise exercise;
    for (const Parameter box : kAllParameters) {
        exercise.texts.at(static_cast<std::size_t>(box)) = startText(box, NumberFormat{});
    }
    exercise.texts.at(static_cast<std::size_t>(Parameter::Modulante)) = "0.7";
    exercise.texts.at(static_cast<std::size_t>(Parameter::Df)) = "2";
    exercise.hidden = hiddenSetOf("mdl,df");
    const QString code = QString::fromStdString(exerciseCode(exercise));
    const QStringList hidden =
        amsim({"--medidas", "--ejercicio", code}).out.split('\n', Qt::SkipEmptyParts);
    const QStringList open =
        amsim({"--medidas", "--mdl", "0.7", "--df", "2"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(hidden.size(), open.size());
    for (qsizetype i = 0; i < open.size(); ++i) {
        const QString& line = open.at(i);
        if (line.startsWith("Valores:")) {
            EXPECT_EQ(hidden.at(i), "Valores: Modulante ?; V(cc) 1; BLI 1; BLS 1; fase 0; det. "
                                    "envolvente 0; error de frec. ? Hz");
        } else if (line.startsWith("Índice de modulación:") ||
                   line.startsWith("Error de fase ahora:")) {
            EXPECT_EQ(hidden.at(i), line.left(line.indexOf(':') + 1) + " ?");
        } else {
            EXPECT_EQ(hidden.at(i), line);
        }
    }
    const Finished spoilt = amsim({"--medidas", "--ejercicio", code.chopped(1)});
    EXPECT_EQ(spoilt.exitCode, 2);
    EXPECT_TRUE(spoilt.out.isEmpty());
    EXPECT_TRUE(spoilt.err.startsWith("El código de ejercicio «")) << spoilt.err.toStdString();
}

// The four exports at once, each the bytes it has alone.
// The same options give the same bytes, at any instant of a drifting, noisy bench.
TEST_F(ExportTest, WritesEveryFileAtOnceAsEachAlone) {
    const QStringList setting{"--vcc", "0",       "--fase", "45",       "--df",
                              "3",     "--ruido", "0.05",   "--tiempo", "0.3"};
    const Finished together =
        amsim(QStringList{"--export", path("a.png"), "--export-csv", path("a.csv"), "--export-wav",
                          path("a.wav"), "--export-espectro", path("a-espectro.csv")} +
              setting);
    ASSERT_EQ(together.exitCode, 0) << together.err.toStdString();
    const auto contents = [this](const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    struct Row {
        const char* option;
        const char* together;
        const char* alone;
    };
    for (const Row& row : {Row{"--export", "a.png", "b.png"}, Row{"--export-csv", "a.csv", "b.csv"},
                           Row{"--export-wav", "a.wav", "b.wav"},
                           Row{"--export-espectro", "a-espectro.csv", "b-espectro.csv"}}) {
        SCOPED_TRACE(row.option);
        ASSERT_EQ(amsim(QStringList{row.option, path(row.alone)} + setting).exitCode, 0);
        EXPECT_FALSE(contents(row.together).isEmpty());
        EXPECT_EQ(contents(row.together), contents(row.alone));
    }
}

// The analyser's spectra: their resolution and averaging stated first, a
// row a bin from 0 Hz to 24 kHz, the envelope detector's column while it is on.
TEST_F(ExportTest, TheSpectraStateTheirResolutionAndHoldEveryBin) {
    ASSERT_EQ(amsim({"--export-espectro", path("s.csv"), "--env", "1"}).exitCode, 0);
    QFile file(path("s.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3603);
    EXPECT_TRUE(lines[0].startsWith("# RBW 25.1 Hz")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "f_hz,generador_dbv,recibida_dbv,audio_dbv,envolvente_dbv");
    EXPECT_TRUE(lines[2].startsWith("0.000,0.00,")) << lines[2].toStdString();
    EXPECT_TRUE(lines.back().startsWith("24000.000,")) << lines.back().toStdString();
}

// The S/N curve in the format its name asks for: its points, or its plot.
// Without a signal the curve has no points and is made at once: the
// measured curve is the engine's tests' to check.
TEST_F(ExportTest, TheSnrCurveIsWrittenInTheFormatItsNameAsks) {
    struct Row {
        const char* file;
        QByteArray start;
    };
    const Row rows[] = {
        {"curva.csv", "snr_entrada_db,producto_db,producto_dispersion_db,envolvente_db,"
                      "envolvente_dispersion_db,teoria_producto_db\n"},
        {"curva.png", "\x89PNG"},
        {"curva.svg", "<?xml"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const Finished run = amsim({"--export-curva", path(row.file), "--vcc", "0", "--mdl", "0"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile written(path(row.file));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray contents = written.readAll();
        EXPECT_TRUE(contents.startsWith(row.start)) << contents.left(60).toStdString();
    }
}

// A panel's picture goes to PNG or SVG, at the setting and instant given,
// and to nothing else.
TEST_F(ExportTest, IqViewIsWrittenAsPngOrSvgOnly) {
    struct Row {
        const char* name;
        int exitCode;
        const char* holds; // what the bytes or the message hold
    };
    for (const Row& row : {Row{"iq.png", 0, "\x89PNG"}, Row{"iq.svg", 0, "viewBox=\"0 0 480 480\""},
                           Row{"iq.jpg", 2, "necesita la extensión .png o .svg."}}) {
        SCOPED_TRACE(row.name);
        const Finished run = amsim({"--export-iq", path(row.name), "--vcc", "0", "--fase", "90",
                                    "--ruido", "0.05", "--tiempo", "0.3"});
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        QFile file(path(row.name));
        if (row.exitCode != 0) {
            EXPECT_FALSE(file.exists());
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.holds))) << run.err.toStdString();
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.contains(row.holds));
        // A PNG is the picture's own size; an SVG's unit is a position.
        const QImage image = QImage::fromData(bytes);
        EXPECT_FALSE(image.isNull());
        if (QByteArray(row.name).endsWith(".png")) {
            EXPECT_EQ(image.size(), QSize(480, 480));
        }
    }
}

} // namespace
} // namespace amsim
