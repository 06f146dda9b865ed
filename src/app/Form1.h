#pragma once

#include "canvas/QtRasterCanvas.h"
#include "display/Error.h"
#include "display/WindowValues.h"
#include "params/BoxReader.h"
#include "params/StepRules.h"
#include "ui_Form1.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

namespace amsim {

class CanvasView;

// The simulator's one window: the bench's controls, and the canvas on which
// Graficar draws the traces and spectra. The five boxes own the parameters.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
    ~Form1() override;

    // What the canvas holds now (shares the canvas's pixels).
    QImage drawing() const;
    QLineEdit* box(Parameter parameter) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void ModulanteSubir_Click() { step(kModulanteSubir); }
    void ModulanteBajar_Click() { step(kModulanteBajar); }
    void VccSubir_Click() { step(kVccSubir); }
    void VccBajar_Click() { step(kVccBajar); }
    void FaseSubir_Click() { step(kFaseSubir); }
    void FaseBajar_Click() { step(kFaseBajar); }
    void BliSi_Click() { toggle(Parameter::BliSiNo); }
    void BlsSi_Click() { toggle(Parameter::BlsSiNo); }
    void Ayuda_Click();
    void Acerca_Click();

    void applyDesignFonts();
    void connectHandlers();
    void stackCanvas();
    void showOrHidePanel(QPlainTextEdit* panel, const QStringList& pieces);
    void step(const StepRule& rule);
    void toggle(Parameter sideband);
    void Graficar();
    void describeDrawing();

    // The one place where errors stop: runs a handler and shows the user
    // what went wrong instead of letting an exception reach the event loop.
    template <class Handler> void guarded(Handler&& handler) noexcept;
    void showError(const QString& message, std::optional<Parameter> parameter) noexcept;
    void openMessage(const QString& message, std::optional<Parameter> parameter);
    void releaseHeldButtons() noexcept;

    Ui::Form1 ui_;
    QLocale locale_;
    QtRasterCanvas canvas_;
    CanvasView* view_ = nullptr;
    BoxReader reader_;
    WindowValues window_;
    bool activated_ = false;
};

} // namespace amsim
