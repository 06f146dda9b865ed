#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace amsim {

// The texts of the help panel and the about panel. Each panel's text is
// composed afresh from these constant pieces on every click of its button, so
// whatever the user typed into a panel never survives.

// The paragraph separator: CR LF written twice, which leaves one empty line
// between paragraphs in the multi-line text box.
inline constexpr QStringView kParagraphSeparator{u"\r\n\r\n", 4};

// The eight paragraphs of the help panel, in order. None contains a line break.
QStringList helpParagraphs();

// The five pieces of the about panel, in order: the dated title line, the
// distribution note, where it was tried, the menu path (one line) and the
// modelling note. None contains a line break.
QStringList aboutPieces();

// Every piece followed by the separator, the last one included, so a panel's
// text always ends with an empty line.
QString panelText(const QStringList& pieces);

} // namespace amsim
