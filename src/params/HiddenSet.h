#pragma once

#include "core/ParameterTable.h"

#include <bitset>
#include <string>
#include <string_view>

namespace amsim {

// The boxes a student does not see: each shows "?", and the bench runs with
// its value all the same.
using HiddenSet = std::bitset<kParameterCount>;

inline bool isHidden(const HiddenSet& hidden, Parameter parameter) {
    return hidden.test(static_cast<std::size_t>(parameter));
}

// What a hidden box, a hidden value and a line that states one show.
inline constexpr std::string_view kHiddenText = "?";

// Reads "mdl,fase" (the options' names, as --ocultar and ocultar= take them)
// into the boxes they hide; amsim::Error naming the first unknown name.
HiddenSet hiddenSetOf(std::string_view names);
// "mdl,fase", in the boxes' order.
std::string hiddenNames(const HiddenSet& hidden);

} // namespace amsim
