#pragma once

#include "core/Parameters.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace amsim {

// The one exception type of the program. what() is the Spanish message for
// the user (UTF-8); parameter() names the box to correct, when there is one.
// The engine raises the kinds below; a layer above it (the command line,
// the files it writes) derives an error of its own, of kind Outside.
class Error : public std::runtime_error {
public:
    enum class Kind {
        NotANumber,      // a box's text is not a number at all
        OutOfRange,      // a box's text is a number beyond what a double holds
        Overflow,        // a step's result is too large to write as a number
        TooLargeToDraw,  // a result of the redraw is too large to compute or to draw
        DrawingFailed,   // the drawing surface refused an operation
        BadExercise,     // an exercise's code, hidden names or seed that cannot be read
        UnknownLanguage, // a language that no catalogue has
        Outside,         // raised outside the engine; the derived type says what
    };

    // hint: how to write the number instead, when there is a way; empty if not.
    static Error notANumber(Parameter parameter, const std::string& text,
                            const std::string& hint = {});
    static Error tooLarge(Parameter parameter, const std::string& text);
    static Error tooSmall(Parameter parameter, const std::string& text);
    static Error overflow(Parameter parameter, const std::string& text);
    // A number the box does not take; allowed: what it takes, in words that
    // follow "Escriba" ("0 o 1").
    static Error outsideLimits(Parameter parameter, const std::string& text,
                               const std::string& allowed);
    // The box whose value carried a result out of range, when one is known.
    static Error overflowWhileDrawing(std::optional<Parameter> culprit = std::nullopt);
    static Error drawingFailed();
    // The message says what was given and why it is refused.
    static Error badExercise(const std::string& message);
    // The message quotes the tag asked for and lists the languages there are.
    static Error unknownLanguage(const std::string& tag);

    Kind kind() const { return kind_; }
    std::optional<Parameter> parameter() const { return parameter_; }

protected:
    // An error of a layer outside the engine, with its message.
    explicit Error(const std::string& message);

private:
    Error(Kind kind, std::optional<Parameter> parameter, const std::string& message);

    Kind kind_;
    std::optional<Parameter> parameter_;
};

// The message of a result too large to draw. box: the box to blame as the
// edition names it (its quoted label; on the command line its option too),
// none when no one box is to blame. drawingKept: the window and the page
// keep what was drawn; the command line writes nothing.
std::string overflowMessage(const std::optional<std::string>& box, bool drawingKept);

} // namespace amsim
