#pragma once

#include "core/Parameters.h"

#include <array>
#include <optional>
#include <string>

namespace amsim::test {

// Parameters as plain numbers, starting at the window's load values (mdl 1,
// Vcc 1, both sidebands 1, phase 0, the envelope detector off, no noise, the
// scales off, no frequency error: their rows' start values). A parameter set "bad" fails to read
// the way an unconvertible box text does.
class FakeParameters : public ParameterReader {
public:
    FakeParameters& set(Parameter parameter, double value);
    FakeParameters& setBad(Parameter parameter, std::string text = "abc");

    double read(Parameter parameter) override;
    int reads(Parameter parameter) const;

private:
    struct Box {
        std::optional<double> value;
        std::string text;
        int reads = 0;
    };
    static std::size_t index(Parameter parameter) { return static_cast<std::size_t>(parameter); }

    // Each box holding its row's start value. Called by the member's
    // initializer below, which cppcheck does not count as a use.
    // cppcheck-suppress unusedPrivateFunction
    static std::array<Box, kParameterCount> startBoxes();

    std::array<Box, kParameterCount> boxes_ = startBoxes();
};

} // namespace amsim::test
