#pragma once

#include "core/Parameters.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// What the user is told when an event stops, and the box to correct.
struct UserMessage {
    std::string text;
    std::optional<Parameter> box;
};

// Every front end's one translation of a failure: an amsim::Error is its own
// message and names its box; any other exception is a fault of the program,
// said as such.
UserMessage userMessageOf(const std::exception& failure);

// A fault of the program rather than of what the user typed.
std::string internalErrorMessage(std::string_view detail);

} // namespace amsim
