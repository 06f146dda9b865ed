#include "params/UserMessage.h"

#include "core/Error.h"
#include "texts/Catalogue.h"

namespace amsim {

UserMessage userMessageOf(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const Error*>(&failure)) {
        return {error->what(), error->parameter()};
    }
    return {internalErrorMessage(failure.what()), std::nullopt};
}

std::string internalErrorMessage(std::string_view detail) {
    return filled("error.internal", {{"detail", detail}});
}

} // namespace amsim
