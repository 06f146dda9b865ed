#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace amsim {

// The texts of the help panel and the about panel, from the catalogue. Each panel's
// text is composed afresh from these constant pieces on every click of its
// button, so whatever the user typed into a panel never survives.

// The paragraph separator: CR LF written twice, which leaves one empty line
// between paragraphs in the multi-line text box.
inline constexpr std::string_view kParagraphSeparator = "\r\n\r\n";

// The nine paragraphs of the help panel, in order. None contains a line break.
std::vector<std::string_view> helpParagraphs();

// The five pieces of the about panel, in order: the dated title line, the
// distribution note, where it was tried, the menu path (one line) and the
// modelling note. None contains a line break.
std::vector<std::string_view> aboutPieces();

// Every piece followed by the separator, the last one included, so a panel's
// text always ends with an empty line.
std::string panelText(const std::vector<std::string_view>& pieces);

} // namespace amsim
