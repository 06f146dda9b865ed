#pragma once

#include <functional>

namespace amsim {

enum class Parameter;

// The parameters as numbers, read from their boxes at one moment.
struct ParameterValues {
    double mdl;
    double Vcc;
    double BliSiNo;
    double BlsSiNo;
    double fase;
    double envelope = 0.0;
    double ruido = 0.0;
    double df = 0.0;
    double tono = 1000.0; // the generator's tone, in Hz
    double tono2 = 0.0;   // its second tone, in Hz; 0 is none

    bool operator==(const ParameterValues&) const = default;
};

// The parameters of the physics read one by one, in the boxes' order.
ParameterValues valuesOf(const std::function<double(Parameter)>& read);

} // namespace amsim
