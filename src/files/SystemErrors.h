#pragma once

#include <string>

namespace amsim {

// Why a file could not be written, in words, for an errno value.
std::string reasonOf(int error);

} // namespace amsim
