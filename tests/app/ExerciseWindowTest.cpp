#include "app/DesignFonts.h"
#include "app/Form1.h"
#include "params/BuiltInExercises.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace amsim {
namespace {

// The window as the command line opens it: loaded from the given start,
// then shown.
class ExerciseWindow : public testing::Test {
protected:
    ~ExerciseWindow() override {
        for (auto* shown : {form.get(), plain.get()}) {
            for (QMessageBox* box :
                 shown != nullptr ? shown->findChildren<QMessageBox*>() : QList<QMessageBox*>()) {
                box->done(QMessageBox::Ok);
            }
        }
    }

    static std::unique_ptr<Form1> opened(const GivenStart& given, const QLocale& locale) {
        installFontSubstitutes();
        auto window = std::make_unique<Form1>(locale);
        window->load(given);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    void open(const GivenStart& given, const QLocale& locale = QLocale::c()) {
        form = opened(given, locale);
    }

    template <class Widget = QWidget> Widget* control(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }

    void click(const char* button) const {
        auto* target = control<QPushButton>(button);
        ASSERT_NE(target, nullptr) << button;
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void answer(const QString& text) const {
        control<QLineEdit>("Respuesta")->setText(text);
        click("Comprobar");
    }

    QString verdict() const { return control<QLabel>("Verdict")->text(); }

    QMessageBox* message() const {
        const auto boxes = form->findChildren<QMessageBox*>();
        return boxes.isEmpty() ? nullptr : boxes.last();
    }

    void triggerMenu(const char* item) const {
        control<QPushButton>("Menu")
            ->findChild<QMenu*>()
            ->findChild<QAction*>(QString::fromLatin1(item))
            ->trigger();
    }

    // The readout's line that starts so.
    static QString readoutLine(const Form1& window, const QString& start) {
        const QStringList lines = window.findChild<QLabel*>(QStringLiteral("Measurements"))
                                      ->accessibleDescription()
                                      .split(QLatin1Char('\n'));
        const auto found = std::find_if(lines.begin(), lines.end(), [&start](const QString& line) {
            return line.startsWith(start);
        });
        return found == lines.end() ? QString() : *found;
    }

    std::unique_ptr<Form1> form;
    std::unique_ptr<Form1> plain;
};

GivenStart modulanteGiven(const char* text, const char* hidden) {
    GivenStart given;
    given.texts.at(static_cast<std::size_t>(Parameter::Modulante)) = text;
    if (hidden != nullptr) {
        given.hidden = hidden;
    }
    return given;
}

// The hidden value is drawn as it is, only the box and the readout's line
// that states it say "?"; the box and its steps take nothing.
TEST_F(ExerciseWindow, AHiddenValueIsDrawnButNotShown) {
    open(modulanteGiven("0.7", "mdl"));
    plain = opened(modulanteGiven("0.7", nullptr), QLocale::c());
    QLineEdit* box = form->box(Parameter::Modulante);
    EXPECT_EQ(box->text(), "?");
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_FALSE(control("ModulanteSubir")->isEnabled());
    EXPECT_FALSE(control("ModulanteBajar")->isEnabled());
    EXPECT_TRUE(control("VccSubir")->isEnabled());
    EXPECT_EQ(form->drawing(), plain->drawing());
    const QString index = QStringLiteral("Índice de modulación:");
    EXPECT_TRUE(readoutLine(*form, index).endsWith(QLatin1Char('?')));
    EXPECT_FALSE(readoutLine(*plain, index).endsWith(QLatin1Char('?')));
    EXPECT_TRUE(control("Question")->isVisible());
    EXPECT_FALSE(plain->findChild<QWidget*>(QStringLiteral("Question"))->isVisible());
    EXPECT_GT(form->height(), plain->height()); // the area under the readout
}

TEST_F(ExerciseWindow, AnswersAreJudgedAndTheSolutionFollowsThreeWrongOnes) {
    open(modulanteGiven("0.7", "mdl"));
    answer(QStringLiteral("0.7"));
    EXPECT_EQ(verdict(), "Correcto");
    const QColor right = control("Verdict")->palette().color(QPalette::WindowText);
    EXPECT_GT(right.green(), right.red());
    answer(QStringLiteral("0.5"));
    EXPECT_TRUE(verdict().startsWith("Incorrecto")) << verdict().toStdString();
    const QColor wrong = control("Verdict")->palette().color(QPalette::WindowText);
    EXPECT_GT(wrong.red(), wrong.green());
    answer(QStringLiteral("0.4"));
    EXPECT_FALSE(control("MostrarSolucion")->isVisible());
    // Enter in the answer's box checks it too.
    QTest::keyClick(control("Respuesta"), Qt::Key_Return);
    ASSERT_TRUE(control("MostrarSolucion")->isVisible());
    click("MostrarSolucion");
    EXPECT_EQ(form->box(Parameter::Modulante)->text(), "0.7");
    EXPECT_FALSE(form->box(Parameter::Modulante)->isReadOnly());
    EXPECT_TRUE(control("ModulanteSubir")->isEnabled());
    EXPECT_TRUE(verdict().startsWith("Solución")) << verdict().toStdString();
    EXPECT_FALSE(control("Comprobar")->isEnabled());
    EXPECT_EQ(message(), nullptr);
}

TEST_F(ExerciseWindow, AnAnswerTakesTheWindowsDecimalComma) {
    open(modulanteGiven("0,7", "mdl"), QLocale(QLocale::Spanish, QLocale::Spain));
    answer(QStringLiteral("0,7"));
    EXPECT_EQ(verdict(), "Correcto");
}

TEST_F(ExerciseWindow, ALinkOfAHiddenBenchHandsOnTheCodeNotTheValues) {
    open(modulanteGiven("0.7", "mdl"));
    triggerMenu("CopiarEnlace");
    const QString link = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(link.startsWith("amsim.html?ejercicio=")) << link.toStdString();
    EXPECT_FALSE(link.contains("0.7") || link.contains("mdl=")) << link.toStdString();
}

TEST_F(ExerciseWindow, ACodeThatCannotBeReadLeavesTheStartValues) {
    GivenStart given = modulanteGiven("0.7", nullptr);
    given.exercise = "ZZZZ";
    open(given);
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains("ZZZZ")) << message()->text().toStdString();
    EXPECT_EQ(form->box(Parameter::Modulante)->text(), "1");
    EXPECT_FALSE(form->box(Parameter::Modulante)->isReadOnly());
    EXPECT_FALSE(control("Respuesta")->isVisible());
}

TEST_F(ExerciseWindow, TheListOpensABuiltInExerciseFromItsSeed) {
    open({});
    triggerMenu("Ejercicios");
    auto* dialog = control<QDialog>("Ejercicios");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QListWidget*>()->count(),
              static_cast<int>(builtInExercises().size()));
    dialog->findChild<QLineEdit*>(QStringLiteral("Seed"))->setText(QStringLiteral("7"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Open")), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    const HiddenSet hidden = builtInExercises()[0].make(7).hidden;
    ASSERT_TRUE(hidden.any());
    for (const Parameter parameter : kAllParameters) {
        EXPECT_EQ(form->box(parameter)->text() == "?", isHidden(hidden, parameter))
            << boxName(parameter);
    }
    EXPECT_TRUE(control("Question")->isVisible());
}

// The teacher's dialog starts from what is hidden now and makes the link
// the clipboard gets; with nothing ticked it says why and offers no link.
TEST_F(ExerciseWindow, TheTeachersDialogMakesTheLinkOrSaysWhyNot) {
    open(modulanteGiven("0.7", "mdl"));
    triggerMenu("CrearEjercicio");
    auto* dialog = control<QDialog>("CrearEjercicio");
    ASSERT_NE(dialog, nullptr);
    auto* hideModulante = dialog->findChild<QCheckBox*>(QStringLiteral("mdl"));
    EXPECT_TRUE(hideModulante->isChecked());
    const auto make = [dialog] {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Make")), Qt::LeftButton);
        return dialog->findChild<QLineEdit*>(QStringLiteral("Link"))->text();
    };
    const QString link = make();
    EXPECT_TRUE(link.startsWith("amsim.html?ejercicio=")) << link.toStdString();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CopyLink")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), link);
    hideModulante->setChecked(false);
    EXPECT_EQ(make(), QString());
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->text(), "Marque al menos un valor que ocultar.");
}

} // namespace
} // namespace amsim
