#pragma once

#include "display/Parameters.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace amsim {

// The one exception type of the program. what() is the Spanish message for
// the user (UTF-8); parameter() names the box to correct, when there is one.
class Error : public std::runtime_error {
public:
    enum class Kind {
        NotANumber,     // a box's text is not a number at all
        OutOfRange,     // a box's text is a number beyond what a double holds
        Overflow,       // a step's result is too large to write as a number
        TooLargeToDraw, // a result of the redraw is too large to compute or to draw
        DrawingFailed,  // the drawing surface refused an operation
        CommandLine,    // the command line is not one the program understands
        WriteFailed,    // a file the user asked for could not be written
    };

    // hint: how to write the number instead, when there is a way; empty if not.
    static Error notANumber(Parameter parameter, const std::string& text,
                            const std::string& hint = {});
    static Error tooLarge(Parameter parameter, const std::string& text);
    static Error tooSmall(Parameter parameter, const std::string& text);
    static Error overflow(Parameter parameter, const std::string& text);
    // The box whose value carried a result out of range, when one is known.
    static Error overflowWhileDrawing(std::optional<Parameter> culprit = std::nullopt);
    static Error drawingFailed();
    static Error commandLine(const std::string& message);
    // sent: what streams, which cannot take it back, already got
    // ("«fifo» ya recibió las muestras"); empty when none did.
    static Error writeFailed(const std::string& path, const std::string& reason,
                             const std::string& sent = {});

    Kind kind() const { return kind_; }
    std::optional<Parameter> parameter() const { return parameter_; }

private:
    Error(Kind kind, std::optional<Parameter> parameter, const std::string& message);

    Kind kind_;
    std::optional<Parameter> parameter_;
};

} // namespace amsim
