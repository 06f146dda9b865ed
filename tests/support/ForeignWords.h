#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace amsim::test {

// The Spanish words (four letters or more) found in a text that the
// language's own catalogue never uses: a text wholly in that language has
// none. Words are compared in lower case, whole.
std::vector<std::string> spanishWordsIn(std::string_view text, std::string_view language);

} // namespace amsim::test
