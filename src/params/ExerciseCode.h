#pragma once

#include "params/Exercise.h"

#include <string>
#include <string_view>

namespace amsim {

// An exercise packed into a code for a link (?ejercicio=…) or a command
// (--ejercicio …): the setting, the hidden boxes, the question and the
// tolerance, scrambled so that no value reads in it as text, and a check
// that refuses a code with a character changed or cut short. Scrambling is
// no secret: anyone who reads this program can undo it.
//
// Written in Crockford's base 32 (digits and capitals without I, L, O, U),
// which reads the same typed in small letters, with I or L for 1 and O for 0.
std::string exerciseCode(const Exercise& exercise);
// The exercise a code packs; amsim::Error (BadExercise) quoting the code
// when it is no whole code of this program's.
Exercise exerciseOfCode(std::string_view code);

} // namespace amsim
