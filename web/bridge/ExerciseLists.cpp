#include "ExerciseLists.h"

#include "core/ParameterTable.h"
#include "params/BuiltInExercises.h"
#include "params/Exercise.h"
#include "texts/Catalogue.h"

#include <string>
#include <string_view>

namespace amsim {

namespace {

std::string textOf(TextKey key) {
    return std::string(catalogueText(key));
}

} // namespace

emscripten::val hideableParameters(const HiddenSet& hidden) {
    emscripten::val list = emscripten::val::array();
    for (const ParameterRow& row : kParameterRows) {
        emscripten::val shown = emscripten::val::object();
        shown.set("option", std::string(row.option));
        shown.set("label", textOf(row.label));
        shown.set("hidden", isHidden(hidden, row.parameter));
        list.call<void>("push", shown);
    }
    return list;
}

emscripten::val exerciseQuestions() {
    emscripten::val list = emscripten::val::array();
    for (const QuestionRow& row : questionRows()) {
        emscripten::val shown = emscripten::val::object();
        shown.set("name", std::string(row.name));
        shown.set("text", textOf(row.text));
        list.call<void>("push", shown);
    }
    return list;
}

emscripten::val builtInExerciseList() {
    emscripten::val list = emscripten::val::array();
    for (const BuiltInExercise& exercise : builtInExercises()) {
        emscripten::val shown = emscripten::val::object();
        shown.set("name", std::string(exercise.name));
        shown.set("title", textOf(exercise.title));
        list.call<void>("push", shown);
    }
    return list;
}

emscripten::val exerciseTexts() {
    constexpr std::string_view kPrefix = "exercise.";
    emscripten::val texts = emscripten::val::object();
    for (const TextEntry& entry : catalogues().front().entries) {
        if (entry.key.starts_with(kPrefix)) {
            texts.set(std::string(entry.key.substr(kPrefix.size())),
                      textOf(*TextKey::find(entry.key)));
        }
    }
    return texts;
}

} // namespace amsim
