#include "cli/CliErrors.h"

#include "texts/Catalogue.h"

namespace amsim {

CommandLineError::CommandLineError(const std::string& message)
    : Error(filled("cli.seeHelp", {{"message", message}})) {}

} // namespace amsim
