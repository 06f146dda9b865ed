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
        NotANumber,    // a box's text does not convert to a finite number
        Overflow,      // a result is too large to compute or to draw
        DrawingFailed, // the drawing surface refused an operation
        CommandLine,   // the command line is not one the program understands
        WriteFailed,   // a file the user asked for could not be written
    };

    static Error notANumber(Parameter parameter, const std::string& text);
    static Error overflow(Parameter parameter, const std::string& text);
    static Error overflowWhileDrawing();
    static Error drawingFailed();
    static Error commandLine(const std::string& message);
    static Error writeFailed(const std::string& path);

    Kind kind() const { return kind_; }
    std::optional<Parameter> parameter() const { return parameter_; }

private:
    Error(Kind kind, std::optional<Parameter> parameter, const std::string& message);

    Kind kind_;
    std::optional<Parameter> parameter_;
};

} // namespace amsim
