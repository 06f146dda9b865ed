#pragma once

#include "canvas/Canvas.h"
#include "core/Parameters.h"
#include "params/Exercise.h"
#include "params/SettingText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// The two text panels that the buttons of the top row show over the drawing.
enum class Panel { Help, About };

// The names of the controls that hold the parameters and the panels, for a
// front end that finds its controls by name.
constexpr std::string_view boxName(Parameter box) {
    return rowOf(box).box;
}

constexpr std::string_view panelName(Panel panel) {
    return panel == Panel::Help ? "Text1" : "AcercaTexto";
}

// The name a parameter's value is given with on the command line (--mdl)
// and in the page's address (?mdl=…).
constexpr std::string_view optionOf(Parameter parameter) {
    return rowOf(parameter).option;
}

// Whether the names are all there and all different: the front ends find
// their controls and options by them.
constexpr bool namesAreDistinct(std::string_view (*nameOf)(Parameter)) {
    for (std::size_t i = 0; i < kAllParameters.size(); ++i) {
        const std::string_view name = nameOf(kAllParameters.at(i));
        for (std::size_t j = 0; j < i; ++j) {
            if (name.empty() || name == nameOf(kAllParameters.at(j))) {
                return false;
            }
        }
    }
    return true;
}

// A box is found by its name among the panels' too.
constexpr bool boxNamesAreNoPanelNames() {
    return std::none_of(kAllParameters.begin(), kAllParameters.end(), [](Parameter parameter) {
        const std::string_view name = boxName(parameter);
        return name == panelName(Panel::Help) || name == panelName(Panel::About);
    });
}

static_assert(namesAreDistinct(boxName) && boxNamesAreNoPanelNames(),
              "every box and panel needs a name of its own");
static_assert(namesAreDistinct(optionOf), "every parameter needs an option of its own");

// What the exercise area under the readout shows; nothing while the bench
// holds no exercise with a question.
struct ExerciseView {
    std::string question;
    std::string verdict;           // the last answer's verdict, or the solution
    std::optional<Verdict> judged; // what the verdict says, for its colour
    bool solutionOffered = false;  // after three wrong answers
    bool solutionShown = false;
};

// A rectangle of the client area, in pixels.
struct PanelGeometry {
    int left;
    int top;
    int width;
    int height;
};

// What the window's handlers read and change, as a front end shows it: the
// five parameter boxes, the two panels and the drawing. Each front end
// implements it over its own widgets; the rules and the order of a redraw
// stay in the handlers.
class Controls {
public:
    Controls() = default;
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;
    virtual ~Controls() = default;

    virtual std::string text(Parameter box) const = 0;
    virtual void setText(Parameter box, const std::string& text) = 0;

    virtual bool isPanelShown(Panel panel) const = 0;
    // Shows the panel in front of every other control, the other panel included.
    virtual void showPanel(Panel panel) = 0;
    virtual void hidePanel(Panel panel) = 0;
    // Places the panel at the rectangle, in one call.
    virtual void placePanel(Panel panel, const PanelGeometry& geometry) = 0;
    virtual void setPanelText(Panel panel, const std::string& text) = 0;

    // The drawing's one-sentence description, for assistive technology.
    virtual void describe(const std::string& sentence) = 0;
    // The surface Graficar draws on.
    virtual Canvas& canvas() = 0;
    // Shows what the canvas holds now, also when the redraw stopped half way.
    virtual void present() = 0;
    // Shows the readout of measurements beside the picture: its lines, one
    // after the other.
    virtual void setMeasurements(const std::vector<std::string>& lines) = 0;

    // The panels of a picture of their own that the menu opens (PanelKind),
    // drawn after the drawing at every redraw while they are open: a panel's
    // canvas, none while it is closed, and the call that shows it.
    virtual Canvas* panelCanvas(PanelKind /*kind*/) { return nullptr; }
    virtual void presentPanel(PanelKind /*kind*/) {}

    // An exercise: a hidden box shows "?" (through setText) and takes
    // neither typing nor steps; the area under the readout shows the
    // question, the last verdict and, after three wrong answers, the button
    // that shows the solution. answerText is what the student typed in the
    // answer's box.
    virtual void setBoxHidden(Parameter /*box*/, bool /*hidden*/) {}
    virtual void showExercise(const ExerciseView& /*view*/) {}
    virtual std::string answerText() const { return {}; }

    // The user chose another language: the front end shows its own texts
    // (captions, tooltips, accessible names, menus) in the one now in use and
    // keeps the choice for its next start.
    virtual void showLanguage() {}
};

} // namespace amsim
