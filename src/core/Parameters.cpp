#include "core/Parameters.h"

#include "texts/Catalogue.h"

namespace amsim {

std::string_view parameterLabel(Parameter parameter) {
    return catalogueText(rowOf(parameter).label);
}

std::string quotedLabel(Parameter parameter) {
    return filled("text.quoted", {{"text", parameterLabel(parameter)}});
}

} // namespace amsim
