#include "app/Form1.h"

#include "app/CanvasView.h"
#include "app/DesignFonts.h"
#include "display/Graficar.h"
#include "params/PanelTexts.h"
#include "params/ParameterSummary.h"

#include <QMessageBox>
#include <QResizeEvent>
#include <QShowEvent>
#include <cmath>
#include <cstdio>

// Resources compiled into a static library must be registered by hand.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace amsim {

namespace {

const QString kMessageTitle = QStringLiteral("Simulador de AM, DSB y SSB");

} // namespace

Form1::Form1(const QLocale& locale, QWidget* parent)
    : QWidget(parent)
    , locale_(locale)
    , canvas_(QSize(952, 700), windowFont(), QColor(Qt::black))
    , reader_([this](Parameter parameter) { return box(parameter)->text(); }, locale) {
    registerPictures();
    ui_.setupUi(this);
    applyDesignFonts();
    view_ = new CanvasView(this);
    stackCanvas();
    connectHandlers();
    Form_Load();
    ui_.ModulanteSubir->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() = default;

QImage Form1::drawing() const {
    return canvas_.image();
}

QLineEdit* Form1::box(Parameter parameter) const {
    switch (parameter) {
    case Parameter::Modulante:
        return ui_.mdl;
    case Parameter::Vcc:
        return ui_.Vcc;
    case Parameter::BliSiNo:
        return ui_.BliSiNo;
    case Parameter::BlsSiNo:
        return ui_.BlsSiNo;
    case Parameter::Fase:
        return ui_.fase;
    }
    return ui_.mdl;
}

// The drawing lies over the labels and the picture and under every text box
// and button, across the whole client area.
void Form1::stackCanvas() {
    view_->setGeometry(rect());
    view_->setImage(canvas_.image());
    view_->raise();
    for (QWidget* front : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(front) != nullptr ||
            qobject_cast<QAbstractButton*>(front) != nullptr ||
            qobject_cast<QPlainTextEdit*>(front) != nullptr) {
            front->raise();
        }
    }
}

// A form stores whole point sizes only; the design's sizes are 8.25 and 9.75.
void Form1::applyDesignFonts() {
    setFont(windowFont());
    ui_.Text1->setFont(panelFont());
    ui_.AcercaTexto->setFont(panelFont());
    ui_.Label8->setFont(titleFont());
}

void Form1::connectHandlers() {
    connect(ui_.ModulanteSubir, &QPushButton::clicked, this, &Form1::ModulanteSubir_Click);
    connect(ui_.ModulanteBajar, &QPushButton::clicked, this, &Form1::ModulanteBajar_Click);
    connect(ui_.VccSubir, &QPushButton::clicked, this, &Form1::VccSubir_Click);
    connect(ui_.VccBajar, &QPushButton::clicked, this, &Form1::VccBajar_Click);
    connect(ui_.FaseSubir, &QPushButton::clicked, this, &Form1::FaseSubir_Click);
    connect(ui_.FaseBajar, &QPushButton::clicked, this, &Form1::FaseBajar_Click);
    connect(ui_.BliSi, &QPushButton::clicked, this, &Form1::BliSi_Click);
    connect(ui_.BlsSi, &QPushButton::clicked, this, &Form1::BlsSi_Click);
    connect(ui_.Ayuda, &QPushButton::clicked, this, &Form1::Ayuda_Click);
    connect(ui_.Acerca, &QPushButton::clicked, this, &Form1::Acerca_Click);
}

void Form1::Form_Load() {
    ui_.mdl->setText(QStringLiteral("1"));
    ui_.Vcc->setText(QStringLiteral("1"));
    ui_.BliSiNo->setText(QStringLiteral("1"));
    ui_.BlsSiNo->setText(QStringLiteral("1"));
    window_.Pi = 4.0 * std::atan(1.0);
    ui_.fase->setText(QStringLiteral("0"));
    window_.Escala = 30;
}

// The first picture is drawn when the window first becomes visible; coming
// back from another application draws nothing.
void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        activated_ = true;
        Form_Activate();
    }
}

void Form1::Form_Activate() {
    guarded([this] { Graficar(); });
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    canvas_.growTo(event->size().width(), event->size().height());
    view_->setGeometry(rect());
    view_->setImage(canvas_.image());
}

void Form1::step(const StepRule& rule) {
    guarded([this, &rule] {
        QLineEdit* target = box(rule.box);
        target->setText(steppedText(rule, target->text(), locale_));
        Graficar();
    });
}

void Form1::toggle(Parameter sideband) {
    guarded([this, sideband] {
        QLineEdit* target = box(sideband);
        target->setText(toggledText(sideband, target->text(), locale_));
        Graficar();
    });
}

void Form1::Ayuda_Click() {
    showOrHidePanel(ui_.Text1, helpParagraphs());
}

void Form1::Acerca_Click() {
    showOrHidePanel(ui_.AcercaTexto, aboutPieces());
}

// A shown panel covers the traces and is not drawn over; hiding it redraws
// the picture it covered. Either way the text is built afresh, so nothing
// the user typed into the panel survives the click.
void Form1::showOrHidePanel(QPlainTextEdit* panel, const QStringList& pieces) {
    guarded([this, panel, &pieces] {
        if (!panel->isHidden()) {
            panel->hide();
            Graficar();
        } else {
            panel->show();
            panel->raise(); // the panel just asked for lies in front of the other

            panel->resize(panel->width(), 665);
            panel->resize(600, panel->height());
            panel->move(panel->x(), 24);
            panel->move(20, panel->y());
        }
        panel->setPlainText(panelText(pieces));
    });
}

void Form1::Graficar() {
    // Scheduled first, so that a redraw stopped by an error still shows
    // what it drew.
    view_->update();
    // Described first too: a redraw changes no box, and a stopped one must
    // not leave the description of the picture before.
    describeDrawing();
    amsim::Graficar(canvas_, reader_, window_);
}

void Form1::describeDrawing() {
    view_->setDescription(
        summarizeBoxes([this](Parameter parameter) { return box(parameter)->text(); }, locale_));
}

template <class Handler> void Form1::guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const Error& error) {
        showError(QString::fromUtf8(error.what()), error.parameter());
    } catch (const std::exception& error) {
        showError(
            QStringLiteral("Error interno del programa: %1").arg(QString::fromUtf8(error.what())),
            std::nullopt);
    }
}

// The message does not block the event loop; once the user closes it, the
// box to correct gets the focus with its text selected.
void Form1::showError(const QString& message, std::optional<Parameter> parameter) noexcept {
    releaseHeldButtons();
    try {
        openMessage(message, parameter);
    } catch (const std::exception&) {
        // Out of memory even for a message box: say so where it can be seen.
        std::fputs("amsim: no se pudo mostrar un mensaje de error\n", stderr);
    }
}

void Form1::openMessage(const QString& message, std::optional<Parameter> parameter) {
    auto* dialog =
        new QMessageBox(QMessageBox::Warning, kMessageTitle, message, QMessageBox::Ok, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (parameter) {
        QLineEdit* target = box(*parameter);
        connect(dialog, &QMessageBox::finished, target, [target] {
            target->setFocus(Qt::OtherFocusReason);
            target->selectAll();
        });
    }
    dialog->open();
}

// A held arrow button repeats on its own timer, which the message does not
// stop: left down, it would step into the same error again and again.
void Form1::releaseHeldButtons() noexcept {
    for (QAbstractButton* button :
         findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        button->setDown(false);
    }
}

} // namespace amsim
