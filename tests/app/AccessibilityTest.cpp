#include "app/CanvasView.h"
#include "support/ShownForm.h"

#include <QAccessible>
#include <QRegularExpression>
#include <array>
#include <utility>
#include <vector>

namespace amsim {
namespace {

const QLocale kPoint(QLocale::C);
const QLocale kComma(QLocale::Spanish, QLocale::Spain);

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face == nullptr ? QString() : face->text(which);
}

// Texts compared as UTF-8, so a failure prints words rather than code units.
std::string utf8(const QString& text) {
    return text.toStdString();
}
std::string utf8(const QStringList& texts) {
    return texts.join(QStringLiteral(" | ")).toStdString();
}

// --- Names, descriptions and tooltips of the window's controls ---

using ControlNames = ShownForm;

TEST_F(ControlNames, EveryControlAndTheDrawingHaveASpanishNameAndDescription) {
    // Designer defaults ("Label1") and joined identifiers ("BliSiNo") are
    // names for the code, not for a listener.
    const QRegularExpression codeName(QStringLiteral(
        R"(\b(Form|Label|Text|Image|Command|Picture)\d+\b|\b[A-Za-z][a-z]+[A-Z]\w*\b)"));
    const auto controls = form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    // 58 controls, the exercise area's 5, the drawing and the menu's confirmation
    ASSERT_EQ(controls.size(), 65);
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QString name = accessibleText(control, QAccessible::Name);
        EXPECT_EQ(utf8(name), utf8(control->accessibleName())); // set by us, not the caption
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_FALSE(codeName.match(name).hasMatch()) << name.toStdString();
        EXPECT_FALSE(accessibleText(control, QAccessible::Description).trimmed().isEmpty());
    }
    EXPECT_EQ(utf8(accessibleText(form.findChild<CanvasView*>(), QAccessible::Name)),
              "Osciloscopio y analizador de espectro");
}

TEST_F(ControlNames, ButtonsSayWhatTheyStepAndTheBoxesWhatTheyHold) {
    struct Row {
        const char* control;
        const char* name;
        const char* tooltipMentions; // nullptr: a box, with no tooltip
    };
    const Row rows[] = {
        // The window's locale here writes a decimal point.
        {"ModulanteSubir", "Subir modulante", "0.2"},
        {"ModulanteBajar", "Bajar modulante", "0.2"},
        {"VccSubir", "Subir V(cc)", "0.2"},
        {"VccBajar", "Bajar V(cc)", "0.2"},
        {"FaseSubir", "Subir fase", "30 grados"},
        {"FaseBajar", "Bajar fase", "30 grados"},
        {"RuidoSubir", "Subir ruido", "0.05"},
        {"RuidoBajar", "Bajar ruido", "0.05"},
        {"BliSi", "Habilitar o anular la banda lateral inferior", "inferior"},
        {"BlsSi", "Habilitar o anular la banda lateral superior", "superior"},
        {"mdl", "Modulante", nullptr},
        {"Vcc", "V(cc)", nullptr},
        {"BliSiNo", "BLI habilitada", nullptr},
        {"BlsSiNo", "BLS habilitada", nullptr},
        {"fase", "Fase de la portadora reinsertada", nullptr},
        {"EscalasSi", "Mostrar u ocultar las escalas", "escalas"},
        {"EscalasSiNo", "Escalas visibles", nullptr},
        {"Ruido", "Ruido del canal", nullptr},
        {"BaseSubir", "Subir base de tiempo", "1; 2 ms/div"},
        {"Base", "Base de tiempo del osciloscopio", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        QWidget* widget = control(row.control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(utf8(widget->accessibleName()), row.name);
        if (row.tooltipMentions != nullptr) {
            EXPECT_TRUE(widget->toolTip().contains(QString::fromUtf8(row.tooltipMentions)))
                << utf8(widget->toolTip());
        }
    }
    EXPECT_TRUE(control("ModulanteBajar")->accessibleDescription().contains("no baja de 0"));
}

// --- The drawing's description follows the boxes ---

struct DescriptionRow {
    const char* name;
    const QLocale* locale;
    std::vector<std::pair<Parameter, const char*>> typed;
    std::vector<std::pair<const char*, int>> clicks; // after typing
    const char* description;
};

void PrintTo(const DescriptionRow& row, std::ostream* out) {
    *out << row.name;
}

class DrawingDescription : public ShownForm, public testing::WithParamInterface<DescriptionRow> {
protected:
    DrawingDescription()
        : ShownForm(*GetParam().locale) {}

    std::string description() const {
        return utf8(accessibleText(form.findChild<CanvasView*>(), QAccessible::Description));
    }
};

TEST_P(DrawingDescription, FollowsEveryRedraw) {
    for (const auto& [parameter, typedText] : GetParam().typed) {
        type(parameter, QString::fromUtf8(typedText));
    }
    for (const auto& [button, times] : GetParam().clicks) {
        click(button, times);
    }
    EXPECT_EQ(description(), GetParam().description);
}

const DescriptionRow kDescriptionRows[] = {
    {"StartValues", &kPoint, {}, {}, "AM, modulación del 100 %, error de fase 0 grados"},
    {"VccDownToZero", &kPoint, {}, {{"VccBajar", 5}}, "DSB, error de fase 0 grados"},
    {"LowerSidebandOff",
     &kPoint,
     {},
     {{"BliSi", 1}},
     "SSB con portadora, banda lateral superior, modulación del 100 %, error de fase 0 grados"},
    {"SsbWithoutCarrier",
     &kPoint,
     {},
     {{"BlsSi", 1}, {"VccBajar", 5}},
     "SSB sin portadora, banda lateral inferior, error de fase 0 grados"},
    {"PhaseAt90",
     &kPoint,
     {},
     {{"FaseSubir", 3}},
     "AM, modulación del 100 %, error de fase 90 grados"},
    {"ToneDownToZero",
     &kPoint,
     {},
     {{"ModulanteBajar", 6}},
     "Solo portadora, error de fase 0 grados"},
    {"CommaLocale",
     &kComma,
     {{Parameter::Fase, "0,8"}},
     {{"VccBajar", 2}, {"ModulanteBajar", 4}, {"FaseSubir", 1}},
     "AM, modulación del 33,3 %, error de fase 30,8 grados"},
    {"RedrawStoppedByABadBox",
     &kPoint,
     {{Parameter::Vcc, "abc"}},
     {{"BlsSi", 1}},
     "Parámetros no válidos: «V(cc)» no es un número"},
    {"TypedValuesCountAtTheNextRedraw",
     &kPoint,
     {{Parameter::Modulante, "0.5"}},
     {{"FaseBajar", 1}},
     "AM, modulación del 50 %, error de fase -30 grados"},
};

INSTANTIATE_TEST_SUITE_P(Clicks, DrawingDescription, testing::ValuesIn(kDescriptionRows),
                         [](const testing::TestParamInfo<DescriptionRow>& row) {
                             return std::string(row.param.name);
                         });

// --- Holding an arrow button ---

class HeldButtons : public ShownForm {
protected:
    static constexpr int kHold = 750;  // the delay and several intervals
    static constexpr int kShort = 200; // less than the delay

    // Every text the box shows while the button is held for the given time.
    QStringList hold(const char* button, Parameter parameter, int milliseconds) {
        QStringList seen;
        const auto connection = QObject::connect(form.box(parameter), &QLineEdit::textChanged,
                                                 [&seen](const QString& now) { seen << now; });
        auto* target = control<QPushButton>(button);
        QTest::mousePress(target, Qt::LeftButton);
        QTest::qWait(milliseconds);
        QTest::mouseRelease(target, Qt::LeftButton);
        QObject::disconnect(connection);
        return seen;
    }

    // Closed messages linger until deleted later; only the open ones count.
    QList<QMessageBox*> openMessages() const {
        QList<QMessageBox*> open;
        for (QMessageBox* box : form.findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                open << box;
            }
        }
        return open;
    }
};

TEST_F(HeldButtons, ArrowsRepeatCleanStepsAndTogglesDoNot) {
    struct Row {
        const char* button;
        Parameter box;
        QStringList steps; // the sequence the box may show, from the start values
        bool repeats;
    };
    const QStringList up{"1.2", "1.4", "1.6", "1.8", "2", "2.2", "2.4", "2.6", "2.8", "3", "3.2"};
    const Row rows[] = {
        {"ModulanteSubir", Parameter::Modulante, up, true},
        {"ModulanteBajar", Parameter::Modulante, {"0.8", "0.6", "0.4", "0.2", "0"}, true},
        {"VccSubir", Parameter::Vcc, up, true},
        {"VccBajar",
         Parameter::Vcc,
         {"0.8", "0.6", "0.4", "0.2", "0", "-0.2", "-0.4", "-0.6", "-0.8", "-1", "-1.2"},
         true},
        {"FaseSubir",
         Parameter::Fase,
         {"30", "60", "90", "120", "150", "180", "210", "240", "270", "300", "330"},
         true},
        {"FaseBajar", Parameter::Fase, {"-30", "-60", "-90", "-120", "-150", "-180", "-210"}, true},
        {"BliSi", Parameter::BliSiNo, {"0"}, false},
        {"BlsSi", Parameter::BlsSiNo, {"0"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        const QStringList seen = hold(row.button, row.box, kHold);
        if (row.repeats) {
            EXPECT_GE(seen.size(), 3);
        } else {
            EXPECT_EQ(seen.size(), 1);
        }
        EXPECT_EQ(utf8(seen), utf8(row.steps.mid(0, seen.size())));
        type(row.box, row.box == Parameter::Fase ? QStringLiteral("0") : QStringLiteral("1"));
    }
    EXPECT_EQ(message(), nullptr);
}

TEST_F(HeldButtons, PressShorterThanTheDelayStepsOnce) {
    EXPECT_EQ(utf8(hold("VccBajar", Parameter::Vcc, kShort)), "0.8");
    EXPECT_EQ(utf8(hold("FaseSubir", Parameter::Fase, kShort)), "30");
}

TEST_F(HeldButtons, AnErrorStopsTheRepeatWithOneMessage) {
    struct Row {
        const char* name;
        const char* button;
        Parameter stepped;
        const char* written; // what the held button wrote before it stopped
    };
    const Row rows[] = {
        {"its own box is bad", "VccSubir", Parameter::Vcc, ""},
        {"the redraw meets the bad box", "FaseSubir", Parameter::Fase, "30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        type(Parameter::Vcc, QStringLiteral("abc"));
        EXPECT_EQ(utf8(hold(row.button, row.stepped, kHold)), row.written);
        const auto shown = openMessages();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_FALSE(control<QPushButton>(row.button)->isDown());
        shown.first()->done(QMessageBox::Ok);
    }
}

} // namespace
} // namespace amsim
