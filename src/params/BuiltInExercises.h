#pragma once

#include "params/Exercise.h"
#include "texts/Catalogue.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace amsim {

// The exercises the program brings, one for each of the help's experiments.
// Each draws its unknown values from a seed, so that a teacher can give
// every student an instance of their own and check each answer again from
// the student's seed.
struct BuiltInExercise {
    std::string_view name; // as ?ejercicio= and --ejercicio name it
    TextKey title;
    Exercise (*make)(std::uint32_t seed);
};

std::span<const BuiltInExercise> builtInExercises();
// The exercise of that name, or null.
const BuiltInExercise* builtInNamed(std::string_view name);

// A seed as ?semilla= and --semilla give it: a whole number from 0 to
// 4294967295; amsim::Error (BadExercise) quoting anything else.
std::uint32_t seedOf(std::string_view text);
// A seed nobody chose, for an exercise opened without one.
std::uint32_t freshSeed();

} // namespace amsim
