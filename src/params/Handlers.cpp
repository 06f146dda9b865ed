#include "params/Handlers.h"

#include "core/Error.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"
#include "params/Exercise.h"
#include "params/MeasurementLines.h"
#include "params/PanelPictures.h"
#include "params/PanelTexts.h"
#include "params/ParameterSummary.h"
#include "params/SettingText.h"
#include "signals/ScreenStart.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace amsim {

namespace {

// The text of a panel of the top row, in the language in use.
std::string panelTextOf(Panel panel) {
    return panelText(panel == Panel::Help ? helpParagraphs() : aboutPieces());
}

// A drift that turns the phase by under a millionth of a degree in the bench's
// whole time moves nothing a screen shows: a trace of 1 V at 30 px/V by under
// a millionth of a pixel.
bool drifts(double df) {
    constexpr double kLeastTurnedDegrees = 1e-6;
    return std::abs(df) * kLatestInstant * 360.0 >= kLeastTurnedDegrees;
}

} // namespace

Handlers::Handlers(Controls& controls, NumberFormat format, BenchClock clock)
    : controls_(controls)
    , format_(std::move(format))
    , clock_(std::move(clock)) {}

void Handlers::Form_Load() {
    if (exercise_) {
        setExercise(std::nullopt);
    }
    for (const ParameterRow& row : kParameterRows) {
        controls_.setText(row.parameter, startText(row.parameter, format_));
    }
    window_.Pi = 4.0 * std::atan(1.0);
    window_.Escala = 30;
    window_.decimalSeparator = format_.decimalSeparator;
}

void Handlers::Form_Activate() {
    changeAndRedraw([] {});
}

void Handlers::Box_Enter() {
    changeAndRedraw([] {});
}

// Described first: a redraw changes no box, and a stopped one must not leave
// the description of the picture before. Shown even when it stops, so that
// what it drew until then is in view. The readout follows every redraw that
// reaches its end. A handler that stops on its way to the redraw leaves the
// picture blank, cut short or older than the boxes: the readout then says
// there are no measurements, and which box to correct when one is to blame.
// The boxes are read once: the description, the picture and the frames after
// it read the same texts.
void Handlers::redraw() {
    shownTexts_.reset();
    shownValues_.reset();
    BoxTexts texts;
    for (const Parameter box : kAllParameters) {
        texts.at(static_cast<std::size_t>(box)) = boxText(box);
    }
    const auto textOf = [&texts](Parameter box) { return texts.at(static_cast<std::size_t>(box)); };
    controls_.describe(summarizeBoxes(textOf, format_, hidden()));
    BoxReader boxes(textOf, format_, concealed());
    const ParameterValues values = drawAtInstant(boxes, false);
    shownTexts_ = std::move(texts);
    shownValues_ = values;
}

ParameterValues Handlers::drawAtInstant(ParameterReader& boxes, bool frame) {
    constexpr double kReadoutInterval = 0.1;
    instant_ = screenInstant(clock_.now());
    try {
        if (frame) {
            GraficarFrame(controls_.canvas(), boxes, window_, instant_);
        } else {
            Graficar(controls_.canvas(), boxes, window_, instant_);
        }
    } catch (...) {
        controls_.present();
        throw;
    }
    controls_.present();
    drawPanels(boxes);
    const ParameterValues values =
        valuesOf([&boxes](Parameter parameter) { return boxes.read(parameter); });
    const double shownFor = instant_ - readoutInstant_;
    if (!frame || shownFor < 0.0 || shownFor >= kReadoutInterval) {
        showReadout(values);
    }
    return values;
}

// Each open panel from the same texts at the same instant, shown even when
// its drawing stopped.
void Handlers::drawPanels(ParameterReader& boxes) {
    for (const PanelPicture& picture : kPanelPictures) {
        Canvas* const canvas = controls_.panelCanvas(picture.kind);
        if (canvas == nullptr) {
            continue;
        }
        try {
            picture.draw(*canvas, boxes, instant_);
        } catch (...) {
            controls_.presentPanel(picture.kind);
            throw;
        }
        controls_.presentPanel(picture.kind);
    }
}

void Handlers::showReadout(const ParameterValues& values) {
    controls_.setMeasurements(
        hideStatedLines(measurementLines(measure(values, instant_), format_), hidden()));
    readoutInstant_ = instant_;
}

// Live while time moves what is shown, or while an open panel is still
// being measured, a part at each frame, even with the time paused.
bool Handlers::isLive() const {
    return shownValues_ &&
           ((clock_.runs() && (drifts(shownValues_->df) || shownValues_->ruido != 0.0 || heard_)) ||
            panelsMeasuring());
}

bool Handlers::panelsMeasuring() const {
    return std::any_of(
        kPanelPictures.begin(), kPanelPictures.end(), [this](const PanelPicture& picture) {
            return picture.measuring != nullptr && controls_.panelCanvas(picture.kind) != nullptr &&
                   picture.measuring();
        });
}

// A frame changes no box: it draws the setting of the last complete picture,
// even while a box holds a text still being typed.
void Handlers::Frame() {
    if (!isLive()) {
        return;
    }
    const BoxTexts& texts = *shownTexts_;
    BoxReader shown([&texts](Parameter box) { return texts.at(static_cast<std::size_t>(box)); },
                    format_, concealed());
    try {
        drawAtInstant(shown, true);
    } catch (...) {
        shownTexts_.reset();
        shownValues_.reset();
        controls_.setMeasurements({noMeasurements(std::nullopt)});
        throw;
    }
}

// The time stands at the instant of the picture on screen, whose readout is
// brought up to it; it runs on from there.
void Handlers::Pausa_Click() {
    if (clock_.paused()) {
        clock_.setTo(clock_.now(), false);
        return;
    }
    clock_.setTo(instant_, true);
    if (shownValues_) {
        showReadout(*shownValues_);
    }
}

void Handlers::showInstant(double seconds) {
    clock_.setTo(screenInstant(seconds), true);
}

std::optional<double> Handlers::stillInstant() const {
    return paused() ? std::optional(screenInstant(clock_.now())) : std::nullopt;
}

template <class Change> void Handlers::changeAndRedraw(Change&& change) {
    try {
        change();
        redraw();
    } catch (const Error& error) {
        controls_.setMeasurements({noMeasurements(error.parameter())});
        throw;
    } catch (...) {
        controls_.setMeasurements({noMeasurements(std::nullopt)});
        throw;
    }
}

std::string noMeasurements(std::optional<Parameter> culprit) {
    return culprit ? filled("readout.noMeasurementsOf", {{"label", quotedLabel(*culprit)}})
                   : std::string(catalogueText("readout.noMeasurements"));
}

std::optional<Handlers::Click> Handlers::clickOf(std::string_view button) {
    for (const auto& [name, click] : kButtons) {
        if (name == button) {
            return click;
        }
    }
    return std::nullopt;
}

Handlers::Click Handlers::arrowKeyOf(Parameter box, bool up) {
    const ParameterRow& row = rowOf(box);
    return *clickOf(up || row.downButton.empty() ? row.upButton : row.downButton);
}

// One read-modify-write of the box, then the redraw. A text that does not
// convert stops the handler before anything is written.
void Handlers::press(StepButton button) {
    if (isHidden(hidden(), button.box)) {
        return;
    }
    changeAndRedraw([this, button] {
        controls_.setText(button.box, steppedText(button, controls_.text(button.box), format_));
    });
}

// A shown panel covers the traces and is not drawn over; hiding it redraws
// the picture it covered. Either way the text is built afresh, so nothing
// the user typed into the panel survives the click.
void Handlers::showOrHidePanel(Panel panel) {
    if (controls_.isPanelShown(panel)) {
        controls_.hidePanel(panel);
        changeAndRedraw([] {});
    } else {
        controls_.showPanel(panel);
        controls_.placePanel(panel, kShownPanel);
    }
    controls_.setPanelText(panel, panelTextOf(panel));
}

std::string Handlers::boxText(Parameter box) const {
    return isHidden(hidden(), box) ? hiddenTexts_.at(static_cast<std::size_t>(box))
                                   : controls_.text(box);
}

BoxReader::Concealed Handlers::concealed() const {
    return [hidden = hidden()](Parameter box) { return isHidden(hidden, box); };
}

void Handlers::setExercise(std::optional<Exercise> exercise) {
    exercise_ = std::move(exercise);
    wrongAnswers_ = 0;
    exerciseView_ = ExerciseView();
    exerciseView_.question = exercise_ ? questionText(*exercise_) : std::string();
    for (const Parameter box : kAllParameters) {
        const bool hide = isHidden(hidden(), box);
        if (exercise_) {
            const std::string text =
                boxTextOfAddress(exercise_->texts.at(static_cast<std::size_t>(box)), format_);
            hiddenTexts_.at(static_cast<std::size_t>(box)) = hide ? text : std::string();
            controls_.setText(box, hide ? std::string(kHiddenText) : text);
        }
        controls_.setBoxHidden(box, hide);
    }
    showExerciseView();
}

std::array<std::string, kParameterCount> Handlers::settingTexts() const {
    std::array<std::string, kParameterCount> texts;
    for (const Parameter box : kAllParameters) {
        texts.at(static_cast<std::size_t>(box)) =
            numberToText(readBox(box, boxText(box), format_), pointFormat());
    }
    return texts;
}

std::optional<Exercise> Handlers::exerciseNow() const {
    if (!exercise_) {
        return std::nullopt;
    }
    Exercise now = *exercise_;
    now.texts = settingTexts();
    return now;
}

// Judged against the boxes as they are: a student who changes what is not
// hidden changes the answer with it.
void Handlers::Comprobar_Click() {
    if (!exercise_ || !exercise_->question || exerciseView_.solutionShown) {
        return;
    }
    BoxReader boxes([this](Parameter box) { return boxText(box); }, format_);
    const Verdict verdict = judge(*exercise_, boxes, controls_.answerText(), format_);
    exerciseView_.judged = verdict;
    if (verdict == Verdict::Incorrect) {
        ++wrongAnswers_;
    }
    exerciseView_.verdict = verdictText();
    exerciseView_.solutionOffered = wrongAnswers_ >= 3;
    showExerciseView();
}

// The last verdict in the language in use, or the solution once shown.
std::string Handlers::verdictText() const {
    if (exerciseView_.solutionShown) {
        BoxReader boxes([this](Parameter box) { return boxText(box); }, format_);
        return filled("exercise.solution", {{"answer", solutionText(*exercise_, boxes, format_)}});
    }
    if (!exerciseView_.judged) {
        return {};
    }
    switch (*exerciseView_.judged) {
    case Verdict::Correct:
        return std::string(catalogueText("exercise.correct"));
    case Verdict::Incorrect:
        return filled("exercise.incorrect", {{"hint", hintText(*exercise_)}});
    case Verdict::Unreadable:
        break;
    }
    return questionRows()[*exercise_->question].kind == AnswerKind::Sideband
               ? std::string(catalogueText("exercise.unreadableSideband"))
               : filled("exercise.unreadable", {{"example", numberToText(0.5, format_)}});
}

void Handlers::MostrarSolucion_Click() {
    if (!exercise_ || !exerciseView_.solutionOffered || exerciseView_.solutionShown) {
        return;
    }
    exerciseView_.judged.reset();
    exerciseView_.solutionOffered = false;
    exerciseView_.solutionShown = true;
    exerciseView_.verdict = verdictText();
    for (const Parameter box : kAllParameters) {
        if (isHidden(hidden(), box)) {
            controls_.setText(box, hiddenTexts_.at(static_cast<std::size_t>(box)));
            controls_.setBoxHidden(box, false);
        }
    }
    exercise_->hidden.reset();
    showExerciseView();
    changeAndRedraw([] {});
}

// Every text the handlers gave the controls, again in the language in use:
// the front end's own, an open panel's, the exercise's, the picture's and the
// readout's.
void Handlers::languageChanged() {
    controls_.showLanguage();
    for (const Panel panel : {Panel::Help, Panel::About}) {
        if (controls_.isPanelShown(panel)) {
            controls_.setPanelText(panel, panelTextOf(panel));
        }
    }
    if (exercise_) {
        exerciseView_.question = questionText(*exercise_);
        exerciseView_.verdict = verdictText();
        showExerciseView();
    }
    changeAndRedraw([] {});
}

void Handlers::showExerciseView() {
    controls_.showExercise(exerciseView_);
}

} // namespace amsim
