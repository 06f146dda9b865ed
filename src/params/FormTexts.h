#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// One text of one control of the window's form: its caption, tooltip,
// accessible name or description, title or starting plain text.
struct FormText {
    std::string_view control;  // its name in Form1.ui and its id on the page
    std::string_view property; // as Qt names it: "text", "toolTip", …
    std::string text;
};

// Every text of the form's controls, for the window to apply at its load
// and the page's build to write: the catalogue's "form.<control>.<property>"
// texts, with the numbers of the control's parameter row ("{step}",
// "{series}", "{first}", "{low}", "{high}") in the catalogue's notation, and
// the step buttons' tooltips as stepToolTip gives them in it. Form1.ui holds
// the geometry and look alone.
std::vector<FormText> formTexts();

} // namespace amsim
