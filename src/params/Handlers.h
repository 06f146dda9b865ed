#pragma once

#include "core/ParameterValues.h"
#include "core/WindowValues.h"
#include "params/BenchClock.h"
#include "params/BoxReader.h"
#include "params/Controls.h"
#include "params/Exercise.h"
#include "params/NumberText.h"
#include "params/StepRules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace amsim {

// Where a shown panel lies: over most of the traces, below the title strip,
// leaving the picture, the controls and the spectra in view.
inline constexpr PanelGeometry kShownPanel{20, 24, 600, 665};

// The window's event handlers, written once for every front end: load,
// activation and the click of each of the seventeen buttons. They change the
// controls only through Controls and throw amsim::Error, which each front
// end catches at its own event boundary.
// The readout's one line while the picture is blank or stale, which names the
// box to correct when one is to blame (readout.noMeasurementsOf).
std::string noMeasurements(std::optional<Parameter> culprit);

class Handlers {
public:
    Handlers(Controls& controls, NumberFormat format, BenchClock clock = BenchClock());

    // The start values, and the two values every drawing step reads.
    void Form_Load();
    // The first picture.
    void Form_Activate();

    // The click of a box's button (the Row-th parameter's up or down
    // button, or its switch's): its step or its toggle.
    template <std::size_t Row, bool Up> void BoxButton_Click() {
        press(StepButton{kParameterRows[Row].parameter, Up});
    }
    // Stands the bench's time at the instant of the picture on screen, or
    // lets it run on from there (also Space on the drawing).
    void Pausa_Click();
    void Ayuda_Click() { showOrHidePanel(Panel::Help); }
    void Acerca_Click() { showOrHidePanel(Panel::About); }
    // The answer in the answer's box judged against the setting on screen.
    void Comprobar_Click();
    // The solution, once offered: the hidden boxes show their values again.
    void MostrarSolucion_Click();

    // Enter in a parameter box: the picture at once from the texts as typed.
    // Also what a front end runs to draw again for a reason of its own.
    void Box_Enter();

    // The user chose another language: every text on the bench in it.
    void languageChanged();

    // The click handler of the button with this name, for a front end that
    // routes clicks by the control's name; nothing for any other name.
    using Click = void (Handlers::*)();
    static std::optional<Click> clickOf(std::string_view button);
    // What the Up or Down arrow does in a box: its step button's click, or
    // its switch's in a box that holds a switch.
    static Click arrowKeyOf(Parameter box, bool up);

    // Running time. The bench is live while its time runs and something on it
    // moves with time: the reinserted carrier drifts by a phase a screen can
    // show, the channel is noisy or the receiver is heard. Then a front end calls Frame at every
    // frame of its display, and each draws the bench at the clock's instant from the setting of the
    // last complete picture; otherwise nothing is redrawn.
    bool isLive() const;
    bool panelsMeasuring() const;
    void Frame();
    bool paused() const { return clock_.paused(); }
    // The setting of the picture on screen; none while it is blank or stale.
    const std::optional<ParameterValues>& shownValues() const { return shownValues_; }
    // The instant of the picture on screen, in seconds: the screen's own
    // moment, a whole millisecond (screenInstant).
    double instant() const { return instant_; }
    // The instant a link or a command hands on: the one the time stands at,
    // none while it runs.
    std::optional<double> stillInstant() const;
    // The time from now on: the screen's moment at this instant, standing
    // still (an export, a link or a command that names its instant).
    void showInstant(double seconds);
    // Whether the receiver is being heard, which keeps the bench live.
    void setHeard(bool heard) { heard_ = heard; }

    // An exercise, or none: its whole setting in the boxes, each hidden box
    // showing "?", and its question under the readout. The picture is the
    // caller's to ask for.
    void setExercise(std::optional<Exercise> exercise);
    // The exercise with the texts the boxes hold now, hidden ones included;
    // none without one.
    std::optional<Exercise> exerciseNow() const;
    HiddenSet hidden() const { return exercise_ ? exercise_->hidden : HiddenSet(); }
    // What a box holds for the rules: its text, or a hidden box's value.
    std::string boxText(Parameter box) const;
    // Every box's value, hidden ones included, written with a point, as an
    // exercise holds them; amsim::Error for a box that holds no number.
    std::array<std::string, kParameterCount> settingTexts() const;

    const WindowValues& window() const { return window_; }
    const NumberFormat& format() const { return format_; }

private:
    using BoxTexts = std::array<std::string, kAllParameters.size()>;

    void redraw();
    // The picture at the clock's instant from the boxes' texts as they were
    // at the last complete picture, then the readout.
    // Returns the values it read. A frame's readout waits until it has been
    // shown for a tenth of a second: faster than that it cannot be read.
    ParameterValues drawAtInstant(ParameterReader& boxes, bool frame);
    void drawPanels(ParameterReader& boxes);
    // The readout of this setting at the instant on screen.
    void showReadout(const ParameterValues& values);
    // Runs the change, then the redraw; when either throws, the readout
    // says it has no measurements before the error goes on.
    template <class Change> void changeAndRedraw(Change&& change);
    void press(StepButton button);
    void showOrHidePanel(Panel panel);
    void showExerciseView();
    std::string verdictText() const;
    BoxReader::Concealed concealed() const;

    Controls& controls_;
    NumberFormat format_;
    WindowValues window_;
    BenchClock clock_;
    double instant_ = 0.0;
    double readoutInstant_ = 0.0;
    bool heard_ = false;
    // The boxes' texts and values of the last complete picture, which the
    // frames draw; none while the picture is blank or stale.
    std::optional<BoxTexts> shownTexts_;
    std::optional<ParameterValues> shownValues_;
    // The exercise, and its hidden boxes' texts in the boxes' notation.
    std::optional<Exercise> exercise_;
    BoxTexts hiddenTexts_;
    int wrongAnswers_ = 0;
    ExerciseView exerciseView_;
};

// A button of the bench: the name of its control and its click handler.
struct Button {
    std::string_view name;
    Handlers::Click click;
};

// How many buttons the boxes have: two a box, one a switch.
inline constexpr std::size_t kBoxButtonCount = [] {
    std::size_t count = 0;
    for (const ParameterRow& row : kParameterRows) {
        count += row.downButton.empty() ? 1U : 2U;
    }
    return count;
}();

template <std::size_t... Rows> constexpr auto boxButtons(std::index_sequence<Rows...> /*rows*/) {
    std::array<Button, kBoxButtonCount> buttons{};
    std::size_t next = 0;
    const auto add = [&buttons, &next](std::string_view name, Handlers::Click click) {
        if (!name.empty()) {
            buttons.at(next++) = Button{name, click};
        }
    };
    ((add(kParameterRows[Rows].upButton, &Handlers::BoxButton_Click<Rows, true>),
      add(kParameterRows[Rows].downButton, &Handlers::BoxButton_Click<Rows, false>)),
     ...);
    return buttons;
}

// Every button: the boxes', in the boxes' order, then the bench's own.
inline constexpr std::array<Button, kBoxButtonCount + 5> kButtons = [] {
    std::array<Button, kBoxButtonCount + 5> all{};
    const auto boxes = boxButtons(std::make_index_sequence<kParameterCount>());
    std::copy(boxes.begin(), boxes.end(), all.begin());
    all.at(kBoxButtonCount) = {"Ayuda", &Handlers::Ayuda_Click};
    all.at(kBoxButtonCount + 1) = {"Acerca", &Handlers::Acerca_Click};
    all.at(kBoxButtonCount + 2) = {"Pausa", &Handlers::Pausa_Click};
    all.at(kBoxButtonCount + 3) = {"Comprobar", &Handlers::Comprobar_Click};
    all.at(kBoxButtonCount + 4) = {"MostrarSolucion", &Handlers::MostrarSolucion_Click};
    return all;
}();

constexpr bool buttonNamesAreDistinct() {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kButtons.at(i).name == kButtons.at(j).name) {
                return false;
            }
        }
    }
    return true;
}
static_assert(buttonNamesAreDistinct(), "a click is found by its button's name");

} // namespace amsim
