#pragma once

#include <string>
#include <string_view>

namespace amsim {

// A text as a message can quote it, every character in view: control
// characters become their pictures (U+0000 "␀", a tab "␉", a line feed
// "␊", DEL "␡"), C1 controls and bytes that are not UTF-8 (a lone
// surrogate included) U+FFFD, and the rest stays as it is.
std::string visibleText(std::string_view text);

// A value as a message quotes it, whatever its length: in «», every
// character in view, and a long one cut after its first 40 characters
// (never inside one) with an ellipsis: «0,00000…».
std::string quotedText(std::string_view text);

} // namespace amsim
