#include "core/Parameters.h"

namespace amsim {

std::string_view parameterLabel(Parameter parameter) {
    switch (parameter) {
    case Parameter::Modulante:
        return "Modulante";
    case Parameter::Vcc:
        return "V(cc)";
    case Parameter::BliSiNo:
        return "BLI habil";
    case Parameter::BlsSiNo:
        return "BLS habil";
    case Parameter::Fase:
        return "fase port reinsertada";
    case Parameter::Envelope:
        return "det. envolvente";
    case Parameter::Ruido:
        return "ruido";
    case Parameter::Escalas:
        return "escalas";
    case Parameter::Df:
        return "error de frec.";
    }
    return "?";
}

std::string quotedLabel(Parameter parameter) {
    return "«" + std::string(parameterLabel(parameter)) + "»";
}

} // namespace amsim
