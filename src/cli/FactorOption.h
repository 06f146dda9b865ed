#pragma once

#include <QString>
#include <optional>

namespace amsim {

// The factor an option gives: a number from least to most, fractions
// allowed, in the locale's notation; 1 without the option. Throws
// amsim::Error, naming the option, for any other text.
double factorOption(const std::optional<QString>& text, const char* option, double least,
                    double most);

} // namespace amsim
