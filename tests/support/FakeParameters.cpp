#include "support/FakeParameters.h"

#include "core/Error.h"

#include <string>

namespace amsim::test {

std::array<FakeParameters::Box, kParameterCount> FakeParameters::startBoxes() {
    std::array<Box, kParameterCount> boxes{};
    for (const ParameterRow& row : kParameterRows) {
        const std::string start(row.start);
        boxes.at(index(row.parameter)) = Box{std::stod(start), start, 0};
    }
    return boxes;
}

FakeParameters& FakeParameters::set(Parameter parameter, double value) {
    boxes_.at(index(parameter)) = Box{value, std::to_string(value), 0};
    return *this;
}

FakeParameters& FakeParameters::setBad(Parameter parameter, std::string text) {
    boxes_.at(index(parameter)) = Box{std::nullopt, std::move(text), 0};
    return *this;
}

double FakeParameters::read(Parameter parameter) {
    Box& box = boxes_.at(index(parameter));
    ++box.reads;
    if (!box.value) {
        throw Error::notANumber(parameter, box.text);
    }
    return *box.value;
}

int FakeParameters::reads(Parameter parameter) const {
    return boxes_.at(index(parameter)).reads;
}

} // namespace amsim::test
