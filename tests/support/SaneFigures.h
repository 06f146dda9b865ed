#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace amsim::test {

// What is absurd in the figures of a readout or a sentence, or nothing: a
// number of more than the 15 significant digits the program ever writes (as
// an integer's overflow shows, "-922337203685477580.8"), "inf" or "nan", a
// figure in dB beyond ±999.9 or one in per cent beyond ±99 999.9. The lines
// are written with this decimal separator and exponent letter.
std::optional<std::string> absurdFigure(const std::vector<std::string>& lines,
                                        std::string_view decimalSeparator,
                                        std::string_view exponent);

} // namespace amsim::test
