#pragma once

#include <string_view>

namespace amsim {

// The text without the blanks at its ends: every code point that Unicode
// counts as a space separator, a line or paragraph separator, the tab, the
// line breaks U+000A to U+000D and U+0085. Bytes that are not UTF-8 are no
// blanks.
std::string_view trimBlanks(std::string_view text);

} // namespace amsim
