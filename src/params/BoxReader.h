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

    // Which boxes are hidden, asked every time; none without it.
    using Concealed = std::function<bool(Parameter)>;

    BoxReader(TextOf textOf, NumberFormat format, Concealed concealed = nullptr);

    double read(Parameter parameter) override;
    bool conceals(Parameter parameter) const override {
        return concealed_ && concealed_(parameter);
    }

private:
    TextOf textOf_;
    NumberFormat format_;
    Concealed concealed_;
};

// Whether a box takes the number, by its row's limits.
bool isAllowed(Parameter parameter, double value);

// Whether links, commands and the values line name the parameter at this
// value: always, or, for one that came later, when it is not at its start,
// so that links and commands written before it keep their meaning.
bool isNamed(Parameter parameter, double value);
// A box's value at start, and its text there in the given notation.
double startValue(Parameter parameter);
std::string startText(Parameter parameter, const NumberFormat& format);

// What a box's text holds by the boxes' rules: the number, or why there is
// none, and whether the box takes it. The drawing, the readout and the
// description of the drawing all read the boxes by it.
struct BoxReading {
    NumberReading number;
    bool taken = false; // a number, and one the box takes
};
BoxReading readBoxText(Parameter parameter, std::string_view text, const NumberFormat& format);

// The text as a number, or amsim::Error naming the box, quoting the text and
// saying whether it is no number, or one too large or too small, or one the
// box does not take, with what it does take.
double readBox(Parameter parameter, std::string_view text, const NumberFormat& format);

} // namespace amsim
