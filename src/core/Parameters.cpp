#include "core/Parameters.h"

namespace amsim {

std::string_view parameterLabel(Parameter parameter) {
    return rowOf(parameter).label;
}

std::string quotedLabel(Parameter parameter) {
    return "«" + std::string(parameterLabel(parameter)) + "»";
}

} // namespace amsim
