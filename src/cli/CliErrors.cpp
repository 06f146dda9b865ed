#include "cli/CliErrors.h"

namespace amsim {

CommandLineError::CommandLineError(const std::string& message)
    : Error(message + " Escriba «amsim --help» para ver las opciones.") {}

} // namespace amsim
