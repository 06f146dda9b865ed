// What the page asks of the engine about languages, and every text it shows
// that the build wrote into it in Spanish, in the language in use: the
// page relabels itself with these when it starts in another language and
// when the user chooses one.
#include "PageTexts.h"
#include "core/Error.h"
#include "params/FormTexts.h"
#include "texts/Catalogue.h"

#include <emscripten/bind.h>
#include <optional>
#include <string>

namespace {

std::optional<std::string> textOrNone(const emscripten::val& given) {
    return given.isNull() || given.isUndefined() ? std::nullopt
                                                 : std::optional(given.as<std::string>());
}

// The language to start in, from the address's idioma= and the choice the
// browser kept (UTF-8 bytes, or null where there is none): {language,
// message}, the message naming a language asked for that no catalogue has.
emscripten::val startLanguage(const emscripten::val& asked, const emscripten::val& remembered) {
    const std::optional<std::string> askedTag = textOrNone(asked);
    const std::optional<std::string> rememberedTag = textOrNone(remembered);
    const bool known = amsim::startLanguage(askedTag, rememberedTag);
    emscripten::val started = emscripten::val::object();
    started.set("language", std::string(amsim::languageInUse()));
    started.set("message", known ? std::string() : amsim::Error::unknownLanguage(*askedTag).what());
    return started;
}

std::string languageInUse() {
    return std::string(amsim::languageInUse());
}

// {tag, name} of each language, its name in itself.
emscripten::val languageChoices() {
    emscripten::val list = emscripten::val::array();
    for (const amsim::LanguageChoice& choice : amsim::languageChoices()) {
        emscripten::val shown = emscripten::val::object();
        shown.set("tag", std::string(choice.tag));
        shown.set("name", std::string(choice.name));
        list.call<void>("push", shown);
    }
    return list;
}

// {control, property, text} of every text of the form's controls.
emscripten::val formTexts() {
    emscripten::val list = emscripten::val::array();
    for (const amsim::FormText& text : amsim::formTexts()) {
        emscripten::val shown = emscripten::val::object();
        shown.set("control", std::string(text.control));
        shown.set("property", std::string(text.property));
        shown.set("text", text.text);
        list.call<void>("push", shown);
    }
    return list;
}

// The stages' names, top to bottom.
emscripten::val stageNames() {
    emscripten::val list = emscripten::val::array();
    for (const amsim::PageStage& stage : amsim::pageStages()) {
        list.call<void>("push", stage.name);
    }
    return list;
}

emscripten::val pageTexts() {
    emscripten::val texts = emscripten::val::object();
    for (const auto& [name, text] : amsim::pageTexts()) {
        texts.set(std::string(name), text);
    }
    return texts;
}

} // namespace

EMSCRIPTEN_BINDINGS(amsim_language) {
    emscripten::function("startLanguage", &startLanguage);
    emscripten::function("languageInUse", &languageInUse);
    emscripten::function("languageChoices", &languageChoices);
    emscripten::function("formTexts", &formTexts);
    emscripten::function("stageNames", &stageNames);
    emscripten::function("pageTexts", &pageTexts);
}
