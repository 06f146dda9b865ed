#pragma once

namespace amsim {

// Qt's own words (a message box's buttons, a box's context menu, the
// standard dialogs) in Spanish, like the rest of the program, whatever the
// system's language. Needs a QCoreApplication; without the translation
// installed, Qt's English stays.
void installSpanishQt();

} // namespace amsim
