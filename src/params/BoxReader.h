#pragma once

#include "core/Parameters.h"
#include "params/NumberText.h"

#include <functional>
#include <string>
#include <string_view>

namespace amsim {

// Reads a parameter from the current text of its box, every time it is asked.
class BoxReader : public ParameterReader {
public:
    using TextOf = std::function<std::string(Parameter)>;

    BoxReader(TextOf textOf, NumberFormat format);

    double read(Parameter parameter) override;

private:
    TextOf textOf_;
    NumberFormat format_;
};

// A typed frequency error goes this far either way, in Hz: beyond it the
// detector's audio would leave the band the bench shows.
inline constexpr double kDfLimit = 5000.0;

// The text as a number, or amsim::Error naming the box, quoting the text and
// saying whether it is no number, or one too large or too small, or a
// frequency error beyond its limit.
double readBox(Parameter parameter, std::string_view text, const NumberFormat& format);

} // namespace amsim
