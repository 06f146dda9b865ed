#include "params/UserMessage.h"

#include "core/Error.h"

namespace amsim {

UserMessage userMessageOf(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const Error*>(&failure)) {
        return {error->what(), error->parameter()};
    }
    return {internalErrorMessage(failure.what()), std::nullopt};
}

std::string internalErrorMessage(std::string_view detail) {
    return "Error interno del programa: " + std::string(detail);
}

} // namespace amsim
