#pragma once

#include <string>
#include <string_view>

namespace amsim {

// A text as a message can quote it, every character in view: control
// characters become their pictures (U+0000 "␀", a tab "␉", a line feed
// "␊", DEL "␡"), C1 controls and bytes that are not UTF-8 (a lone
// surrogate included) U+FFFD, and the rest stays as it is.
std::string visibleText(std::string_view text);

} // namespace amsim
