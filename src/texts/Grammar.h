#pragma once

#include "texts/Catalogue.h"

#include <cstddef>
#include <string>
#include <vector>

namespace amsim {

// Items as a sentence lists them, with the catalogue's joints: "a", "a y b",
// "a, b y c". Nothing for no items.
std::string listed(const std::vector<std::string>& items);

// Items joined by one separator, as a line of values is: "a; b; c".
std::string joined(const std::vector<std::string>& items, std::string_view separator);

// The form of a text that agrees with a count: `one` for exactly one (or
// minus one), `other` for any other count, 0 and fractions included.
TextKey agreeing(double count, TextKey one, TextKey other);

// Of a text's masculine and feminine forms, the one that agrees with a group
// of nouns, each given by its gender's text in the catalogue ("m" or "f"):
// a group with any masculine noun is masculine.
TextKey agreeingGender(std::initializer_list<TextKey> genders, TextKey masculine, TextKey feminine);

} // namespace amsim
