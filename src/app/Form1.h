#pragma once

#include "core/Error.h"
#include "core/ParameterValues.h"
#include "display/Graficar.h"
#include "flows/Bench.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Handlers.h"
#include "params/SettingText.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

namespace Ui {
class Form1;
} // namespace Ui

namespace amsim {

class CanvasView;
class ExerciseArea;
class PanelDialog;
class SoundPlayer;

// The window's client area as designed: the drawing, and the readout under it,
// which grows where its lines need more room.
inline constexpr QSize kWindowDesignSize(kDrawingWidth, 760);

// The simulator's one window: the bench's controls, and the canvas on which
// Graficar draws the traces and spectra. The five boxes own the parameters;
// the shared handlers change them through the Controls this window shows.
class Form1 : public QWidget, private Controls {
    Q_OBJECT

public:
    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr,
                   BenchClock clock = BenchClock());
    ~Form1() override;

    // What the canvas holds now (shares the canvas's pixels).
    QImage drawing() const;
    // The window painted as vectors, for SVG and PDF: its face and labels,
    // the block diagram, the drawing, then the boxes and buttons in front,
    // each as lines, shapes and text rather than pixels. Throws amsim::Error
    // where the redraw would.
    void paintAsVectors(QPainter& painter);
    QLineEdit* box(Parameter parameter) const;
    // The window starts zoomed down to fit its screen: the drawing's
    // description says so.
    void setZoom(double zoom);
    // Connects "Escuchar" to the system's audio output and enables it, or
    // says in its tooltip why it stays disabled. Until then it is disabled:
    // an export or a test never asks the audio system anything.
    void offerSound();
    // The bench's time stands still at this instant (seconds) from now on.
    void showInstant(double seconds) { handlers().showInstant(seconds); }
    // The instant of the picture on screen, in seconds.
    double instant() const { return handlers().instant(); }
    // The bench the window shows, which its first showing activates.
    Bench& bench() { return bench_; }
    // The bench loaded from the given start, before the window first shows,
    // inside its event boundary: an exercise that cannot be read leaves the
    // start values, and its message says why.
    void load(const GivenStart& given);
    // Where the menu's saving items ask for a file's name: the standard
    // dialog, unless a test puts its own answer here. An empty name cancels.
    using FileNameAsker = std::function<QString(Form1& form, const QString& title,
                                                const QString& suggested, const QString& filter)>;
    void setFileNameAsker(FileNameAsker asker) { askFileName_ = std::move(asker); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Controls, over the window's widgets.
    std::string text(Parameter parameter) const override;
    void setText(Parameter parameter, const std::string& text) override;
    bool isPanelShown(Panel panel) const override;
    void showPanel(Panel panel) override;
    void hidePanel(Panel panel) override;
    void placePanel(Panel panel, const PanelGeometry& geometry) override;
    void setPanelText(Panel panel, const std::string& text) override;
    void describe(const std::string& sentence) override;
    Canvas& canvas() override { return *canvas_; }
    void present() override;
    void setMeasurements(const std::vector<std::string>& lines) override;
    Canvas* panelCanvas(PanelKind kind) override;
    void presentPanel(PanelKind kind) override;
    void setBoxHidden(Parameter parameter, bool hidden) override;
    void showExercise(const ExerciseView& view) override;
    std::string answerText() const override;
    // The readout as tall as its lines need, the exercise area under it, and
    // the window as tall as both.
    void fitReadout();
    // The window's height follows the room under the drawing, which was
    // that before.
    void fitBelowDrawing(int before);
    int belowDrawing() const;
    Handlers& handlers() { return bench_.handlers(); }
    const Handlers& handlers() const { return bench_.handlers(); }

    QPlainTextEdit* panel(Panel which) const;
    bool matchScreen();
    void applyDesignFonts();
    void connectHandlers();
    void buildMenu();
    void addLanguageMenu(QMenu& menu, const MenuItem& item);
    void labelMenu();
    void showLanguage() override;
    void listen(bool on);
    // After every event the engine handled: the frames run while the bench
    // is live, the pause button and the sound show the engine's state.
    void followBench();
    // The next frame at the screen's rate from the last one's due time, so
    // that whole milliseconds of timer add up to the rate; after a late
    // frame, one period from now. Never further off than one period: a frame
    // stopped before it came (a pause) is not counted as drawn.
    void scheduleFrame();
    void copyToClipboard(std::string_view item);
    void runMenuItem(const MenuItem& item);
    void save(const MenuItem& item);
    // Opens the item's panel, or brings it to the front, and redraws.
    void openPanel(const MenuItem& item);
    QDialog* openDialog(const MenuItem& item);
    void makeConfirmation();
    // Shows the text beneath the menu's button for a moment, and says it.
    void confirm(const QString& text);
    // The window's picture for a file of that name, in the format it names.
    std::vector<std::uint8_t> windowBytes(const QString& path);
    void findBoxes();
    void stackCanvas();

    // The one place where errors stop: runs a handler and shows the user
    // what went wrong instead of letting an exception reach the event loop.
    template <class Handler> void guarded(Handler&& handler) noexcept;
    void showError(const std::exception& failure) noexcept;
    void openMessage(const QString& message, std::optional<Parameter> parameter);
    void releaseHeldButtons() noexcept;

    // The form's generated widgets, private to the window.
    std::unique_ptr<Ui::Form1> ui_;
    std::array<QLineEdit*, kParameterCount> boxes_{};
    std::unique_ptr<QtRasterCanvas> canvas_;
    CanvasView* view_ = nullptr;
    std::unique_ptr<ExerciseArea> exercise_;
    SoundPlayer* sound_ = nullptr;
    QTimer* frames_ = nullptr;
    QLabel* confirmation_ = nullptr;
    QTimer* confirmationShown_ = nullptr;
    std::map<PanelKind, PanelDialog*> panels_;
    double frameDue_ = 0.0;
    Bench bench_;
    bool activated_ = false;
    QString zoomNote_;
    std::optional<double> zoom_;
    // Why "Escuchar" stays disabled, when it does.
    std::optional<QString> soundUnavailable_;
    FileNameAsker askFileName_;
};

} // namespace amsim
