#pragma once

#include "core/Parameters.h"
#include "params/NumberText.h"

#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// A press of one of a box's buttons: its up button, or its down button (a
// switch has one button, its up button).
struct StepButton {
    Parameter box;
    bool up;
};

// The box and direction of the button with this name; nothing for a name
// that is no box's button.
std::optional<StepButton> stepButtonOf(std::string_view button);

// The box's next text after one step of its row's stepping. An added step
// always starts from the text (what the user typed is the base) and writes at
// most 15 digits, so 0.2 steps never show drift digits; a floored down step
// stops at 0. A sequence's step goes to the next value of the sequence above
// the box's (up) or below it (down): above the last value up leaves the value
// as it is; at or below the first, down gives the first. A switch toggles.
// Throws amsim::Error, before anything could be written, when the text is
// not a number the box takes or the result would not read back.
std::string steppedText(StepButton button, std::string_view text, const NumberFormat& format);

// The tooltip of the step button with this name, its step written in the
// locale's notation ("Subir V(cc) 0,2"); nothing for a switch's or any other
// name.
std::optional<std::string> stepToolTip(std::string_view button, const NumberFormat& format);

// A switch's next text: 1 switches it off ("0"), 0 on ("1"). Throws
// amsim::Error when the text is not a number the box takes.
std::string toggledText(Parameter box, std::string_view text, const NumberFormat& format);

} // namespace amsim
