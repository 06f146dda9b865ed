#include "core/ParameterValues.h"

namespace amsim {

ParameterValues valuesOf(const std::function<double(Parameter)>& read) {
    // A braced list is evaluated in order.
    return {read(Parameter::Modulante), read(Parameter::Vcc),  read(Parameter::BliSiNo),
            read(Parameter::BlsSiNo),   read(Parameter::Fase), read(Parameter::Envelope),
            read(Parameter::Ruido),     read(Parameter::Df)};
}

} // namespace amsim
