#include "support/ShownForm.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSvgRenderer>

namespace amsim {
namespace {

using Form1Layout = ShownForm;

TEST_F(Form1Layout, EveryControlSitsWhereTheDesignPutsIt) {
    struct Row {
        const char* name;
        QRect geometry;
    };
    const Row rows[] = {
        {"Acerca", {384, 0, 113, 17}},
        {"Ayuda", {504, 0, 89, 17}},
        {"Menu", {600, 0, 40, 17}},
        {"fase", {872, 568, 33, 19}},
        {"FaseBajar", {904, 576, 17, 17}},
        {"FaseSubir", {904, 560, 17, 17}},
        {"BliSiNo", {864, 296, 25, 19}},
        {"BliSi", {888, 296, 41, 17}},
        {"BlsSi", {888, 216, 41, 17}},
        {"BlsSiNo", {864, 216, 25, 19}},
        {"VccSubir", {888, 56, 17, 17}},
        {"VccBajar", {888, 72, 17, 17}},
        {"Vcc", {856, 64, 33, 19}},
        {"mdl", {856, 24, 33, 19}},
        {"ModulanteBajar", {888, 32, 17, 17}},
        {"ModulanteSubir", {888, 16, 17, 17}},
        {"Image1", {648, 8, 160, 700}},
        {"Label9", {816, 568, 57, 25}},
        {"Label8", {0, 0, 377, 17}},
        {"Label7", {648, 600, 57, 33}},
        {"Label4", {808, 296, 57, 17}},
        {"Label3", {808, 216, 57, 17}},
        {"Label2", {816, 64, 41, 17}},
        {"Label1", {824, 16, 33, 25}},
        {"Text1", {400, 24, 49, 23}},
        {"AcercaTexto", {512, 24, 49, 23}},
        {"EnvelopeLabel", {808, 520, 62, 25}},
        {"EnvelopeOnOff", {870, 520, 25, 19}},
        {"EnvelopeToggle", {894, 520, 37, 17}},
        {"EscalasLabel", {808, 612, 62, 17}},
        {"EscalasSiNo", {870, 612, 25, 19}},
        {"EscalasSi", {894, 612, 37, 17}},
        {"Escuchar", {872, 676, 65, 19}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.geometry);
        const bool panel = qobject_cast<QPlainTextEdit*>(widget) != nullptr;
        EXPECT_EQ(widget->isVisible(), !panel);
    }
}

TEST_F(Form1Layout, CaptionsAreTheDesignsOwn) {
    struct Row {
        const char* name;
        const char* caption;
    };
    const Row rows[] = {
        {"Acerca", "Acerca del programa"},
        {"Ayuda", "Ayuda"},
        {"Menu", "Menú"},
        {"BliSi", "síi/no"},
        {"BlsSi", "sí/no"},
        {"Label9", "fase port reinsertada"},
        {"Label8", "Simulación de AM, DSB y SSB  TIVELO 10/mar/2018"},
        {"Label7", "salida det de producto"},
        {"Label4", "BLI habil ="},
        {"Label3", "BLS habil ="},
        {"Label2", "V(cc) ="},
        {"Label1", "modu- lante ="},
        {"EnvelopeLabel", "det. envolvente ="},
        {"EnvelopeToggle", "sí/no"},
        {"EscalasLabel", "escalas ="},
        {"EscalasSi", "sí/no"},
        {"Escuchar", "Escuchar"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = control(row.name);
        const QString caption = qobject_cast<QLabel*>(widget) != nullptr
                                    ? qobject_cast<QLabel*>(widget)->text()
                                    : qobject_cast<QPushButton*>(widget)->text();
        EXPECT_EQ(caption, QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(control<QPushButton>("BliSi")->text().size(), 6);
    EXPECT_EQ(form.windowTitle(), "Form1");
}

// A wrapped caption must fit its fixed box in as many lines as designed.
TEST_F(Form1Layout, WrappedCaptionsFitTheirBoxes) {
    struct Row {
        const char* name;
        int lines;
    };
    for (const Row& row :
         {Row{"Label1", 2}, Row{"Label7", 2}, Row{"Label9", 2}, Row{"EnvelopeLabel", 2}}) {
        SCOPED_TRACE(row.name);
        auto* label = control<QLabel>(row.name);
        ASSERT_TRUE(label->wordWrap());
        QLabel oneLine(QStringLiteral("x"));
        oneLine.setFont(label->font());
        oneLine.setWordWrap(true);
        const int lineHeight = oneLine.heightForWidth(label->width());
        const int needed = label->heightForWidth(label->width());
        EXPECT_EQ(needed, row.lines * lineHeight);
        // The letters of the last line end inside the box.
        EXPECT_LE((row.lines - 1) * lineHeight + label->fontMetrics().height(), label->height());
    }
    for (const char* name :
         {"Label2", "Label3", "Label4", "EscalasLabel", "TonoLabel", "Tono2Label"}) {
        auto* label = control<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
}

TEST_F(Form1Layout, TabVisitsTheControlsStageByStageSkippingHiddenPanels) {
    const QStringList expected = {"ModulanteSubir",
                                  "ModulanteBajar",
                                  "mdl",
                                  "Vcc",
                                  "VccBajar",
                                  "VccSubir",
                                  "TonoSubir",
                                  "TonoBajar",
                                  "Tono",
                                  "Tono2Subir",
                                  "Tono2Bajar",
                                  "Tono2",
                                  "BlsSiNo",
                                  "BlsSi",
                                  "BliSi",
                                  "BliSiNo",
                                  "RuidoSubir",
                                  "RuidoBajar",
                                  "Ruido",
                                  "DfSubir",
                                  "DfBajar",
                                  "Df",
                                  "EnvelopeOnOff",
                                  "EnvelopeToggle",
                                  "FaseSubir",
                                  "FaseBajar",
                                  "fase",
                                  "EscalasSiNo",
                                  "EscalasSi",
                                  "BaseSubir",
                                  "BaseBajar",
                                  "Base",
                                  "Analizador",
                                  "AnalizadorSi",
                                  "Pausa",
                                  "Ayuda",
                                  "Acerca",
                                  "Menu"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ModulanteSubir"); // round again
}

// Rows from the top of the 7 x 7 arrows: the black run in each row.
TEST_F(Form1Layout, StepButtonsCarryTheSevenBySevenArrows) {
    const std::array<int, 7> up{0, 1, 3, 5, 7, 0, 0};
    const std::array<int, 7> down{0, 0, 7, 5, 3, 1, 0};
    struct Row {
        const char* name;
        const std::array<int, 7>* runs;
    };
    const Row rows[] = {{"ModulanteSubir", &up},   {"VccSubir", &up},   {"FaseSubir", &up},
                        {"ModulanteBajar", &down}, {"VccBajar", &down}, {"FaseBajar", &down}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* button = control<QPushButton>(row.name);
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_EQ(button->iconSize(), QSize(7, 7));
        const QImage arrow = button->icon().pixmap(7, 7).toImage();
        ASSERT_EQ(arrow.size(), QSize(7, 7));
        for (int y = 0; y < 7; ++y) {
            const int run = (*row.runs)[static_cast<std::size_t>(y)];
            for (int x = 0; x < 7; ++x) {
                const bool black = x >= (7 - run) / 2 && x < (7 + run) / 2;
                EXPECT_EQ(arrow.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                    << "row " << y + 1 << " column " << x + 1;
            }
        }
    }
}

// The block diagram, in any language: pure black and white, and blank where
// the program draws over it.
void expectBlackOnWhiteAndBlankUnderTheSpectra(const QImage& picture) {
    ASSERT_EQ(picture.size(), QSize(160, 700));
    int black = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y) | 0xFF000000U;
            ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
            black += p == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(black, 2000);
    // Where the spectrum displays and the overlapping label are drawn, in
    // window coordinates.
    for (const QRect& blank : {QRect(730, 60, 78, 41), QRect(730, 396, 78, 8),
                               QRect(730, 610, 78, 41), QRect(648, 600, 57, 33)}) {
        const QRect inPicture = blank.translated(-648, -8);
        for (int y = inPicture.top(); y <= inPicture.bottom(); ++y) {
            for (int x = inPicture.left(); x <= inPicture.right(); ++x) {
                ASSERT_EQ(picture.pixel(x, y) | 0xFF000000U, qRgb(255, 255, 255)) << x << "," << y;
            }
        }
    }
}

TEST_F(Form1Layout, BlockDiagramIsBlackOnWhiteAndBlankUnderTheSpectra) {
    expectBlackOnWhiteAndBlankUnderTheSpectra(control<QLabel>("Image1")->pixmap().toImage());
}

TEST(BlockDiagram, EveryLanguagesPictureIsBlackOnWhiteAndBlankUnderTheSpectra) {
    struct Row {
        const char* name;
        const char* resource;
    };
    const Row rows[] = {
        {"Spanish", ":/pictures/block_diagram.svg"},
        {"English", ":/pictures/block_diagram.en.svg"},
        {"Portuguese", ":/pictures/block_diagram.pt.svg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QSvgRenderer renderer(QString::fromLatin1(row.resource));
        ASSERT_TRUE(renderer.isValid());
        QImage picture(renderer.defaultSize(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        expectBlackOnWhiteAndBlankUnderTheSpectra(picture);
    }
}

TEST_F(Form1Layout, DrawingShowsOverThePictureAndSurvivesARepaint) {
    const QImage shown = form.grab().toImage();
    EXPECT_EQ(shown.pixel(760, 400), qRgb(0, 0, 0)); // transmitter baseline across the picture
    EXPECT_EQ(shown.pixel(740, 85), qRgb(0, 0, 0));  // tone line over the picture
    EXPECT_EQ(shown.pixel(660, 638), qRgb(0, 0, 0)); // the picture's own output arrow
    form.repaint();
    EXPECT_EQ(form.grab().toImage(), shown);
}

} // namespace
} // namespace amsim
