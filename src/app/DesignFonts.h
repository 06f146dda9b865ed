#pragma once

#include <QFont>

namespace amsim {

// The window was designed round "MS Sans Serif", which Linux lacks; its
// stand-ins have the same widths (Liberation Sans has Arial's metrics), so
// the captions fit their boxes as designed.
void installFontSubstitutes();

QFont windowFont(); // 8.25 points: every control and the canvas's text
QFont panelFont();  // 9.75 points: the help and about panels
QFont titleFont();  // 9.75 points bold: the title label

} // namespace amsim
