#pragma once

#include "texts/Catalogue.h"

#include <QString>

class QWidget;

namespace amsim {

// Gives the form and its controls their texts from the catalogue
// (formTexts): captions, tooltips, accessible names and descriptions, the
// title and the panels' starting text. A control the catalogue names that
// the form lacks is a fault of the program, raised as std::logic_error.
void applyControlTexts(QWidget& form);

// The same in the language now in use, but for what the boxes and the panels
// hold: the values and text the user sees stay as they are.
void relabelControls(QWidget& form);

// A text of the catalogue, for a control made in code.
QString textOf(TextKey key);

} // namespace amsim
