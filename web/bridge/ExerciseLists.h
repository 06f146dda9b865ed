#pragma once

#include "params/HiddenSet.h"

#include <emscripten/val.h>

namespace amsim {

// What the page's exercise dialogs list, from the engine's tables and texts.

// Every parameter a teacher may hide, in the boxes' order: {option, label,
// hidden}, hidden when the bench hides it now.
emscripten::val hideableParameters(const HiddenSet& hidden);
// Every question, {name, text}.
emscripten::val exerciseQuestions();
// The built-in exercises, {name, title}.
emscripten::val builtInExerciseList();
// The catalogue's "exercise.*" texts by their keys' rest ("answerLabel",
// "create.make" …), for the exercise area and the dialogs.
emscripten::val exerciseTexts();

} // namespace amsim
