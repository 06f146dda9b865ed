#pragma once

#include "core/ParameterTable.h"

#include <string>
#include <string_view>

namespace amsim {

// The name the user knows the box by, as its label shows it (UTF-8).
std::string_view parameterLabel(Parameter parameter);
// The same, in the «» that messages put it in.
std::string quotedLabel(Parameter parameter);

// Where the display reads the parameters from. A reader converts the box's
// current text each time it is asked, and throws amsim::Error when the text is
// not a finite number.
class ParameterReader {
public:
    ParameterReader() = default;
    ParameterReader(const ParameterReader&) = delete;
    ParameterReader& operator=(const ParameterReader&) = delete;
    virtual ~ParameterReader() = default;

    virtual double read(Parameter parameter) = 0;
    // Whether the value is hidden from the student, so that whatever would
    // print it prints "?" instead; it is read and used all the same.
    virtual bool conceals(Parameter /*parameter*/) const { return false; }
};

} // namespace amsim
