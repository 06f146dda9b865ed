#pragma once

#include "core/Error.h"

#include <string>

namespace amsim {

// The command line is not one the program understands; the message ends by
// pointing to --help.
class CommandLineError : public Error {
public:
    explicit CommandLineError(const std::string& message);
};

} // namespace amsim
