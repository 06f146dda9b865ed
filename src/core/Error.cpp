#include "core/Error.h"

#include "core/VisibleText.h"
#include "texts/Grammar.h"

#include <algorithm>
#include <span>
#include <vector>

namespace amsim {

namespace {

// A message about one box's text, from its template.
std::string aboutText(TextKey message, Parameter parameter, const std::string& text) {
    return filled(message, {{"label", quotedLabel(parameter)}, {"text", quotedText(text)}});
}

} // namespace

Error::Error(Kind kind, std::optional<Parameter> parameter, const std::string& message)
    : std::runtime_error(message)
    , kind_(kind)
    , parameter_(parameter) {}

Error::Error(const std::string& message)
    : Error(Kind::Outside, std::nullopt, message) {}

Error Error::notANumber(Parameter parameter, const std::string& text, const std::string& hint) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return {Kind::NotANumber, parameter,
                filled("error.empty", {{"label", quotedLabel(parameter)}})};
    }
    if (hint.empty()) {
        return {Kind::NotANumber, parameter, aboutText("error.notANumber", parameter, text)};
    }
    return {
        Kind::NotANumber, parameter,
        filled("error.notANumberHint",
               {{"label", quotedLabel(parameter)}, {"text", quotedText(text)}, {"hint", hint}})};
}

Error Error::tooLarge(Parameter parameter, const std::string& text) {
    return {Kind::OutOfRange, parameter, aboutText("error.tooLarge", parameter, text)};
}

Error Error::tooSmall(Parameter parameter, const std::string& text) {
    return {Kind::OutOfRange, parameter, aboutText("error.tooSmall", parameter, text)};
}

Error Error::outsideLimits(Parameter parameter, const std::string& text,
                           const std::string& allowed) {
    return {Kind::OutOfRange, parameter,
            filled("error.outsideLimits", {{"label", quotedLabel(parameter)},
                                           {"text", quotedText(text)},
                                           {"allowed", allowed}})};
}

// A step from a number at the very edge of the range is told as the number
// itself would be: too large.
Error Error::overflow(Parameter parameter, const std::string& text) {
    return {Kind::Overflow, parameter, aboutText("error.tooLarge", parameter, text)};
}

Error Error::overflowWhileDrawing(std::optional<Parameter> culprit) {
    return {Kind::TooLargeToDraw, culprit,
            overflowMessage(culprit ? std::optional(quotedLabel(*culprit)) : std::nullopt, true)};
}

std::string overflowMessage(const std::optional<std::string>& box, bool drawingKept) {
    const TextKey advice =
        drawingKept
            ? agreeing(box ? 1 : 2, "error.overflow.kept.one", "error.overflow.kept.other")
            : agreeing(box ? 1 : 2, "error.overflow.write.one", "error.overflow.write.other");
    return filled("error.overflow",
                  {{"values", box ? filled("error.overflow.box", {{"label", *box}})
                                  : std::string(catalogueText("error.overflow.values"))},
                   {"advice", catalogueText(advice)}});
}

Error Error::drawingFailed() {
    return {Kind::DrawingFailed, std::nullopt, std::string(catalogueText("error.drawingFailed"))};
}

Error Error::badExercise(const std::string& message) {
    return {Kind::BadExercise, std::nullopt, message};
}

Error Error::unknownLanguage(const std::string& tag) {
    const std::span<const Catalogue> all = catalogues();
    std::vector<std::string> tags(all.size());
    std::transform(all.begin(), all.end(), tags.begin(),
                   [](const Catalogue& catalogue) { return std::string(catalogue.language); });
    return {
        Kind::UnknownLanguage, std::nullopt,
        filled("error.unknownLanguage", {{"text", quotedText(tag)}, {"languages", listed(tags)}})};
}

} // namespace amsim
